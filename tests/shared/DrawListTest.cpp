#include <gtest/gtest.h>

#include "shared/DialogScale.h"
#include "shared/DrawList.h"
#include "shared/DrawListSvg.h"

using namespace kestrowa;

namespace {

// The elements of an SVG picture, one a line, without the header and the closing tag.
std::vector<std::string> SvgElements(const std::string& svg) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t end; (end = svg.find('\n', from)) != std::string::npos; from = end + 1)
        lines.push_back(svg.substr(from, end - from));
    return std::vector<std::string>(lines.begin() + 2, lines.end() - 1);
}

TEST(DrawListSvg, ElementsCoverThePixelsADeviceContextPaintsInTheChosenColours) {
    DrawList list;
    list.Rectangle({1, 1, 486, 194})  // before any choice: black outline, white fill
        .SelectPen(0x0000FF, 2)
        .Line(34, 175, 34, 20)
        .LineTo(437, 20)  // goes on from the end of the line
        .SelectPen(0xFF0000, 1)
        .MoveTo(38, 175)
        .LineTo(43, 150)
        .LineTo(56, 141)
        .SelectBrush(0x00FF00)
        .Rectangle({38, 92, 48, 176})
        .SelectPen(0x969696, 1, draw::LineStyle::Dotted)
        .Line(34, 53, 437, 53)
        .SelectFont("ＭＳ 明朝", 12, 400)
        .Text(12, 120, " 5", kBlack, kWhite)
        .SelectFont("A&B", 20, 600)
        .Text(20, 10, "<\"a\" & 'b'>", kWhite);
    const std::string svg = DrawListSvg(list, 488, 196);
    EXPECT_EQ(svg.substr(0, svg.find('\n', 40) + 1),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"488\" height=\"196\" viewBox=\"0 0 488 196\">\n");
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    EXPECT_EQ(SvgElements(svg),
              (std::vector<std::string>{
                  R"(<rect x="1.5" y="1.5" width="484" height="192" stroke="#000000" stroke-width="1" fill="#ffffff"/>)",
                  R"(<line x1="34" y1="175" x2="34" y2="20" stroke="#0000ff" stroke-width="2"/>)",
                  R"(<line x1="34" y1="20" x2="437" y2="20" stroke="#0000ff" stroke-width="2"/>)",
                  R"(<line x1="38.5" y1="175.5" x2="43.5" y2="150.5" stroke="#ff0000" stroke-width="1"/>)",
                  R"(<line x1="43.5" y1="150.5" x2="56.5" y2="141.5" stroke="#ff0000" stroke-width="1"/>)",
                  R"(<rect x="38.5" y="92.5" width="9" height="83" stroke="#ff0000" stroke-width="1" fill="#00ff00"/>)",
                  R"(<line x1="34" y1="53.5" x2="437" y2="53.5" stroke="#969696" stroke-width="1" stroke-dasharray="3 3"/>)",
                  R"(<text x="12" y="120" fill="#000000" font-family="ＭＳ 明朝" font-size="12" font-weight="400" )"
                  R"(dy="0.88em" xml:space="preserve"> 5</text>)",
                  R"(<text x="20" y="10" fill="#ffffff" font-family="A&amp;B" font-size="20" font-weight="600" )"
                  R"(dy="0.88em" xml:space="preserve">&lt;&quot;a&quot; &amp; &apos;b&apos;&gt;</text>)",
              }));
}

// The pixels a device context lights for a line: from its first point up to, not with, its last,
// so a line drawn backwards covers the pixels after each of its ends.
TEST(DrawListSvg, LinesLieOnThePixelsADeviceContextLights) {
    const struct {
        int width;
        int x1, y1, x2, y2;
        const char* svg;
    } cases[] = {
        {1, 10, 5, 20, 5, R"(x1="10" y1="5.5" x2="20" y2="5.5")"},
        {1, 20, 5, 10, 5, R"(x1="21" y1="5.5" x2="11" y2="5.5")"},
        {1, 7, 10, 7, 30, R"(x1="7.5" y1="10" x2="7.5" y2="30")"},
        {1, 7, 30, 7, 10, R"(x1="7.5" y1="31" x2="7.5" y2="11")"},
        {3, 0, 0, 4, 4, R"(x1="0.5" y1="0.5" x2="4.5" y2="4.5")"},
        {2, 10, 5, 20, 5, R"(x1="10" y1="5" x2="20" y2="5")"},
        {1, -3, 2, -1, 2, R"(x1="-3" y1="2.5" x2="-1" y2="2.5")"},
    };
    for (const auto& c : cases) {
        DrawList list;
        list.SelectPen(kBlack, c.width).Line(c.x1, c.y1, c.x2, c.y2);
        const std::vector<std::string> elements = SvgElements(DrawListSvg(list, 40, 40));
        ASSERT_EQ(elements.size(), 1u);
        EXPECT_EQ(elements[0].substr(6, elements[0].find(" stroke=") - 6), c.svg) << c.svg;
    }
}

TEST(DrawListText, OneElementALine) {
    DrawList list;
    list.SelectPen(0x0000FF, 2)
        .SelectPen(0x969696, 1, draw::LineStyle::Dotted)
        .SelectBrush(0x00C800)
        .SelectFont("ＭＳ ゴシック", 12, 400)
        .MoveTo(38, 175)
        .LineTo(43, 150)
        .Line(34, 175, 437, 175)
        .Rectangle({1, 2, 3, 4})
        .Text(8, 93, "ヘルプ", kBlue, 0xD4D0C8)
        .Text(20, 10, "a \"b\" \\ c\r\n", kWhite);
    EXPECT_EQ(DrawListText(list),
              "pen #0000ff 2 solid\n"
              "pen #969696 1 dotted\n"
              "brush #00c800\n"
              "font \"ＭＳ ゴシック\" 12 400\n"
              "moveto 38 175\n"
              "lineto 43 150\n"
              "line 34 175 437 175\n"
              "rect 1 2 3 4\n"
              "text 8 93 #0000ff on #d4d0c8 \"ヘルプ\"\n"
              "text 20 10 #ffffff \"a \\\"b\\\" \\\\ c\\r\\n\"\n");
    EXPECT_EQ(DrawListText(DrawList()), "");
}

TEST(DialogScale, PlacesFollowTheRealBaseUnitsRounded) {
    struct Case {
        BaseUnits design, real;
        Rect in, out;
    } cases[] = {
        {{7, 13}, {7, 13}, {203, 5, 227, 28}, {203, 5, 227, 28}},
        {{7, 13}, {8, 16}, {203, 5, 227, 28}, {232, 6, 259, 34}},   // 231.99 → 232, 6.15 → 6, 259.4, 34.46
        {{7, 13}, {6, 12}, {229, 75, 295, 104}, {196, 69, 253, 96}},  // 196.29, 69.23, 252.86, 96
        {{8, 15}, {8, 16}, {10, 470, 10, 470}, {10, 501, 10, 501}},   // 501.33
    };
    for (const Case& c : cases) {
        const DialogScale scale(c.design, c.real);
        EXPECT_EQ(scale.Of(c.in), c.out) << c.real.x << "x" << c.real.y;
        EXPECT_EQ(scale.X(c.in.left), c.out.left);
        EXPECT_EQ(scale.Y(c.in.top), c.out.top);
    }
    EXPECT_EQ(DialogScale().Of({1, 2, 3, 4}), (Rect{1, 2, 3, 4}));
}

}  // namespace
