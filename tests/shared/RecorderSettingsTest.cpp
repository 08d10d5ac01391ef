#include <gtest/gtest.h>

#include <climits>

#include "fakes/MemoryProfile.h"
#include "shared/RecorderSettings.h"

using namespace kestrowa;
namespace key = recorder_key;

namespace {

TEST(RecorderSettings, NewInstallationReadsTheDefaults) {
    MemoryProfile empty;
    const RecorderSettings s = ReadRecorderSettings(empty);
    EXPECT_EQ(s.startMethod, StartMethod::Manual);
    EXPECT_EQ(s.interval, 5);
    EXPECT_EQ(s.correction, Correction::TwoMinutes);
    EXPECT_TRUE(s.stopwatch);
    EXPECT_EQ(s.monthTimeForm, MonthTimeForm::DecimalHours);
    EXPECT_EQ(StoredPcStart(empty).year, 0);
    EXPECT_EQ(Read(empty, key::DayCount), 1);
    EXPECT_EQ(Read(empty, key::LastWindwsEnd), "");
}

TEST(RecorderSettings, StoredValuesRoundTripAsOneValue) {
    RecorderSettings s;
    s.startMethod = StartMethod::Tray;
    s.correction = Correction::ToBootTime;
    s.endCommandInStartup = true;
    s.stopwatch = false;
    s.interval = 30;
    s.upDown = -12;
    s.leftRight = 7;
    s.showTodayCount = false;
    s.showMonth = false;
    s.monthTimeForm = MonthTimeForm::HoursAndMinutes;
    MemoryProfile profile;
    WriteRecorderSettings(profile, s);
    EXPECT_EQ(ReadRecorderSettings(profile), s);
    EXPECT_EQ(Read(profile, key::AptnSet), 1);
    EXPECT_EQ(Read(profile, key::Correct), 4);
    EXPECT_EQ(Read(profile, key::MonthTimeForm), 0);

    // What lives in memory only is neither written nor read back.
    s.title = TitleItem::StartTime;
    s.notice.on = true;
    MemoryProfile other;
    WriteRecorderSettings(other, s);
    EXPECT_EQ(ReadRecorderSettings(other).title, TitleItem::RunningTime);
    EXPECT_FALSE(ReadRecorderSettings(other).notice.on);
}

TEST(RecorderSettings, ValuesOutsideTheirRangeReadAsTheDefault) {
    struct Case {
        IntSetting key;
        int stored;
        int read;
    } cases[] = {
        {key::DayCount, INT_MAX, 1},         {key::DayCount, 0, 1},
        {key::DayCount, 99999, 99999},       {key::Sec, INT_MIN, 5},
        {key::Sec, 0, 5},                    {key::Sec, 61, 5},
        {key::Sec, 3, 3},                    {key::Sec, 60, 60},
        {key::Correct, 5, 2},                {key::Correct, -1, 2},
        {key::AptnSet, 3, 0},                {key::StartUpIdok, 2, 0},
        {key::StopWatch, 2, 1},              {key::DayCountFlag, -1, 1},
        {key::MonthTimeForm, 2, 1},          {key::UpDown, 40000, 0},
        {key::LeftRight, -32768, -32768},    {key::PresentYear, INT_MAX, 0},
        {key::PresentYear, 1979, 0},         {key::PresentYear, 2011, 2011},
        {key::PresentMonth, 13, 0},          {key::PresentDate, 32, 0},
        {key::PresentHour, 24, 0},           {key::PresentMinute, 60, 0},
        {key::PresentSecond, INT_MIN, 0},
    };
    for (const Case& c : cases) {
        MemoryProfile profile;
        Write(profile, c.key, c.stored);
        EXPECT_EQ(Read(profile, c.key), c.read) << c.key.name << " " << c.stored;
    }
}

TEST(RecorderSettings, StoredPcStartWithAMissingPartIsNone) {
    MemoryProfile profile;
    StorePcStart(profile, {2011, 5, 3, 8, 13, 40});
    EXPECT_EQ(StoredPcStart(profile), (DateTime{2011, 5, 3, 8, 13, 40}));
    Write(profile, key::PresentMonth, 0x7fffffff);
    EXPECT_EQ(StoredPcStart(profile), DateTime{});
}

}  // namespace
