#include <gtest/gtest.h>

#include "ViewerTestLog.h"
#include "viewer/MonthViewer.h"

using namespace kestrowa;

namespace {
const DateTime kStart{2009, 5, 20, 10, 15, 0};
}  // namespace

TEST(MonthViewer, RebuildsAViewOnlyWhenItsMonthOrKindChanged) {
    TestLog log(CrLf({"S 09/04/10 08:00", "E 09/04/10 09:00", "S 09/05/20 08:00"}));
    MonthViewer viewer(ViewerSettings{}, log.Path(), kStart);
    EXPECT_EQ(viewer.Title(), " Orvelle Check  (2009/05/20 10:15 現在)");
    EXPECT_EQ(viewer.ShownMonth(), 5);
    ASSERT_TRUE(viewer.ReadMonth(2009, 5));
    std::optional<ViewResult> calendar = viewer.ShowView(ViewKind::Calendar);
    ASSERT_TRUE(calendar.has_value());
    EXPECT_EQ(calendar->summary.total, "2:15");
    EXPECT_FALSE(viewer.ShowView(ViewKind::Calendar).has_value());
    EXPECT_TRUE(viewer.ShowView(ViewKind::Daily).has_value());
    EXPECT_FALSE(viewer.ShowView(ViewKind::Daily).has_value());

    // After the year-month view the calendar of the same month is built again.
    std::optional<ViewResult> years = viewer.ShowView(ViewKind::YearMonth);
    ASSERT_TRUE(years.has_value());
    EXPECT_EQ(years->table.rows.at(0).at(0), "09/04");
    EXPECT_EQ(viewer.View(), ViewKind::YearMonth);
    EXPECT_TRUE(viewer.ShowView(ViewKind::Calendar).has_value());

    // A month read returns to the calendar.
    viewer.ShowView(ViewKind::PerStart);
    ASSERT_TRUE(viewer.ReadMonth(2009, 4));
    EXPECT_EQ(viewer.View(), ViewKind::Calendar);
    EXPECT_EQ(viewer.ShowView(ViewKind::Calendar)->summary.caption, "2009年 4月 ");
}

TEST(MonthViewer, AnUnreadableLogKeepsTheMonthShown) {
    TestLog log(CrLf({"S 09/05/20 08:00", "E 09/05/20 09:00"}));
    ViewerSettings settings;
    MonthViewer viewer(settings, log.Path(), kStart);
    ASSERT_TRUE(viewer.ReadMonth(2009, 5));
    viewer.Options().settings.secondLog = "/nonexistent/other.dat";
    EXPECT_EQ(viewer.Title(), "Orvelle Check (/nonexistent/other.dat)");
    EXPECT_EQ(viewer.LogPath(), "/nonexistent/other.dat");
    EXPECT_FALSE(viewer.ReadMonth(2009, 4));
    EXPECT_EQ(viewer.Model().month, 5);
    EXPECT_EQ(viewer.Model().totalHm, "1:00");
    EXPECT_FALSE(viewer.ShowView(ViewKind::YearMonth).has_value());
    EXPECT_EQ(viewer.View(), ViewKind::Calendar);

    // At the start the main window shows the month empty instead.
    viewer.ShowEmptyMonth();
    std::optional<ViewResult> empty = viewer.ShowView(ViewKind::Calendar);
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->summary.caption, "2009年 4月 ");
    EXPECT_EQ(empty->summary.total, "0:00");
    EXPECT_EQ(empty->table.rows.at(0).at(3), " 1/   0");
}

TEST(MonthViewer, EveryViewShowsTheCalendarsCorrectedDayCount) {
    TestLog log(CrLf({"S 09/05/05 08:00", "E 09/05/05 09:00", "S 09/05/06 08:00", "E 09/05/06 08:00",
                      "S 09/05/07 08:00", "E 09/05/07 09:00"}));
    ViewerSettings settings;
    settings.monthLabel = 1;
    MonthViewer viewer(settings, log.Path(), kStart);
    ASSERT_TRUE(viewer.ReadMonth(2009, 5));
    std::optional<ViewResult> daily = viewer.ShowView(ViewKind::Daily);
    ASSERT_TRUE(daily.has_value());
    EXPECT_EQ(daily->table.columns.size(), 6u);
    EXPECT_EQ(daily->summary.count, "2");
    EXPECT_EQ(daily->summary.average, " 1:00 /日");
}
