#include <gtest/gtest.h>

#include <filesystem>

#include "ViewerTestLog.h"
#include "fakes/MemoryProfile.h"
#include "viewer/ViewerSettings.h"
#include "viewer/analysis/PeriodForm.h"

using namespace kestrowa;

namespace {

const std::string kLog = CrLf({"S 09/04/12 08:00", "E 09/04/12 12:30", "S 09/04/14 09:00", "E 09/04/14 10:00",
                               "S 09/05/02 09:00", "E 09/05/02 11:00"});

PeriodTexts Texts(const char* sy, const char* sm, const char* sd, const char* ly, const char* lm, const char* ld) {
    return {sy, sm, sd, ly, lm, ld};
}

PeriodForm Form(const TestLog& log, RememberedPeriods remembered = {}) {
    return PeriodForm(std::move(remembered), {log.Path(), 1, 1});
}

}  // namespace

TEST(PeriodForm, AFirstOpeningFillsInTheLogsFirstDateAndAsksForTheRest) {
    TestLog log(kLog);
    PeriodForm form = Form(log);
    RecountResult r = form.Start(PeriodMode::Daily);
    EXPECT_EQ(r.message, "期間の年月日が入力されていません！");
    EXPECT_FALSE(r.listRebuilt);
    EXPECT_EQ(form.Edits(), Texts("2009", "4", "12", "", "", ""));
    EXPECT_EQ(form.Remembered().daily, Texts("2009", "4", "12", "", "", ""));
    EXPECT_EQ(form.LengthLabel(), "");
    EXPECT_EQ(form.RowsLabel(), "日数");
    EXPECT_EQ(form.LimitLabel(), "（日毎の期間は最長370日です）");
    EXPECT_TRUE(form.List().columns.empty());
    EXPECT_EQ(form.Boxes(), PeriodBoxes{});
}

TEST(PeriodForm, ACountIsRememberedARefusedPeriodChangesNothingButTheLabel) {
    TestLog log(kLog);
    RememberedPeriods remembered;
    remembered.monthly = Texts("2009", "4", "", "2009", "5", "");
    PeriodForm form = Form(log, remembered);
    form.Start(PeriodMode::Daily);
    RecountResult counted = form.Recount(Texts("2009", "4", "12", "2009", "4", "30"));
    EXPECT_EQ(counted.message, "");
    EXPECT_TRUE(counted.listRebuilt);
    EXPECT_EQ(form.LengthLabel(), "( 19日間)");
    EXPECT_EQ(form.List().rows.size(), 2u);
    EXPECT_EQ(form.Boxes(), (PeriodBoxes{"5.50", "  2", "   2", "2.75 h/日", "2.75 h/回"}));
    EXPECT_EQ(form.Remembered().daily, Texts("2009", "4", "12", "2009", "4", "30"));

    RecountResult refused = form.Recount(Texts("2009", "4", "12", "2010", "5", "1"));
    EXPECT_EQ(refused.message, "期間が370日を超えています！");
    EXPECT_FALSE(refused.listRebuilt);
    EXPECT_EQ(form.LengthLabel(), std::string(11, ' '));
    EXPECT_EQ(form.List().rows.size(), 2u);
    EXPECT_EQ(form.Boxes()[0], "5.50");
    EXPECT_EQ(form.Remembered().daily, Texts("2009", "4", "12", "2009", "4", "30"));

    // The other kind shows its own remembered period; its averages are written over the
    // daily ones only where it has something to divide by.
    RecountResult monthly = form.Show(PeriodMode::Monthly);
    EXPECT_TRUE(monthly.listRebuilt);
    EXPECT_EQ(form.RowsLabel(), "月数");
    EXPECT_EQ(form.LimitLabel(), "（月毎の期間は最長120ヶ月です）");
    EXPECT_EQ(form.LengthLabel(), "(  2ヶ月)");
    EXPECT_EQ(form.Boxes(), (PeriodBoxes{"7.50", "  2", "   3", "3.75h/月", "2.50 h/回"}));
}

TEST(PeriodForm, ALogThatCannotBeReadShowsTheRowsOfTheLastCountOfTheKind) {
    TestLog log(kLog);
    PeriodForm form = Form(log, {Texts("2009", "4", "12", "2009", "4", "30"), Texts("2009", "4", "", "2009", "5", "")});
    form.Start(PeriodMode::Daily);
    form.Show(PeriodMode::Monthly);
    std::filesystem::remove(log.Path());

    RecountResult daily = form.Show(PeriodMode::Daily);
    EXPECT_TRUE(daily.listRebuilt);
    ASSERT_EQ(form.List().rows.size(), 2u);
    EXPECT_EQ(form.List().rows[0][0], "04/12");
    RecountResult monthly = form.Show(PeriodMode::Monthly);
    EXPECT_TRUE(monthly.listRebuilt);
    ASSERT_EQ(form.List().rows.size(), 2u);
    EXPECT_EQ(form.List().rows[1][0], "09/05");
}

TEST(PeriodForm, WithoutALogTheStartIsLeftAsTyped) {
    TempDir dir;
    PeriodForm form(RememberedPeriods{Texts("2001", "1", "1", "", "", ""), {}}, {dir.File("none.dat"), 1, 1});
    RecountResult r = form.Start(PeriodMode::Daily);
    EXPECT_EQ(r.message, "期間の年月日が入力されていません！");
    EXPECT_EQ(form.Edits(), Texts("2001", "1", "1", "", "", ""));

    // Counted, with nothing to show: the boxes hold zeros and the averages stay unwritten.
    r = form.Recount(Texts("2001", "1", "1", "2001", "1", "31"));
    EXPECT_TRUE(r.listRebuilt);
    EXPECT_EQ(form.Boxes(), (PeriodBoxes{"0.00", "  0", "   0", "", ""}));
}

TEST(PeriodForm, TheTenKeysGoToThePeriodSection) {
    MemoryProfile settings;
    WriteRememberedPeriods(settings, {Texts("2009", "4", "12", "2009", "4", "30"), Texts("2008", "1", "9", "2009", "3", "9")});
    const std::pair<const char*, const char*> keys[] = {
        {"StartYearDay", "2009"}, {"StartMonthDay", "4"}, {"StartDayDay", "12"}, {"LastYearDay", "2009"},
        {"LastMonthDay", "4"},    {"LastDayDayDay", "30"}, {"StartYearMth", "2008"}, {"StartMonthMth", "1"},
        {"LastYearMth", "2009"},  {"LastMonthMth", "3"},
    };
    for (const auto& [key, value] : keys) EXPECT_EQ(settings.ReadText("Period", key, "-"), value) << key;
    // The monthly period's days are not kept.
    const RememberedPeriods back = ReadRememberedPeriods(settings);
    EXPECT_EQ(back.monthly, Texts("2008", "1", "", "2009", "3", ""));
    EXPECT_EQ(back.daily, Texts("2009", "4", "12", "2009", "4", "30"));
}
