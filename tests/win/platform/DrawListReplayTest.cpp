#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "platform/win/ui/DrawListReplay.h"
#include "platform/win/ui/Gdi.h"

using namespace kestrowa;

namespace {

// A white 100 × 60 picture in a memory device context.
class Surface {
public:
    Surface() : dc_(nullptr) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 100, -60, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        select_.emplace(dc_.Get(), bitmap_.Get());
        RECT all{0, 0, 100, 60};
        FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    HDC Dc() const { return dc_.Get(); }
    Colour At(int x, int y) const { return FromColorRef(GetPixel(dc_.Get(), x, y)); }
    // Whether any pixel of the area has the colour.
    bool Holds(const Rect& area, Colour colour) const {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (At(x, y) == colour) return true;
        return false;
    }

private:
    MemoryDC dc_;
    Bitmap bitmap_;
    std::optional<SelectScope> select_;
};

TEST(Replay, DrawsEachElementWithTheChosenPenBrushAndFont) {
    Surface surface;
    DrawList list;
    list.SelectBrush(0x00FF00)
        .Rectangle({10, 10, 30, 20})  // the device context's own pen: black, 1 pixel
        .SelectPen(0x0000FF, 2)
        .Line(40, 5, 40, 50)
        .SelectPen(0xFF0000)
        .MoveTo(50, 10)
        .LineTo(90, 10)
        .LineTo(90, 40)
        .SelectFont("ＭＳ ゴシック", 12, 400)
        .Text(5, 40, "■", 0xFF0000, 0x0000FF)
        .Text(60, 40, "■", 0x00FF00);
    Replay(surface.Dc(), list);

    const struct {
        int x, y;
        Colour colour;
    } points[] = {
        {10, 10, kBlack},    {29, 15, kBlack},    {20, 15, 0x00FF00}, {30, 15, kWhite},  // right edge outside
        {40, 20, 0x0000FF},  {70, 10, 0xFF0000},  {90, 25, 0xFF0000}, {90, 40, kWhite},  // last point not drawn
        {5, 40, 0x0000FF},   {60, 40, kWhite},  // opaque and transparent background of a text cell
    };
    for (const auto& p : points) EXPECT_EQ(surface.At(p.x, p.y), p.colour) << p.x << "," << p.y;
    EXPECT_TRUE(surface.Holds({5, 40, 17, 52}, 0xFF0000));
    EXPECT_TRUE(surface.Holds({60, 40, 72, 52}, 0x00FF00));
}

TEST(Replay, LeavesTheDeviceContextAsItWas) {
    Surface surface;
    HDC dc = surface.Dc();
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    MoveToEx(dc, 3, 4, nullptr);
    DrawList list;
    list.SelectPen(0xFF0000, 3).SelectPen(0x00FF00).SelectBrush(0x0000FF).SelectFont("ＭＳ ゴシック", 20, 600);
    list.MoveTo(50, 50).LineTo(60, 50).Text(0, 0, "x", 0xFF0000);
    Replay(dc, list);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    POINT at{};
    GetCurrentPositionEx(dc, &at);
    EXPECT_EQ(at.x, 3);
    EXPECT_EQ(at.y, 4);
}

TEST(Replay, ColoursConvertBothWays) {
    EXPECT_EQ(ToColorRef(0x123456), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(FromColorRef(RGB(0xD4, 0xD0, 0xC8)), 0xD4D0C8u);
}

}  // namespace
