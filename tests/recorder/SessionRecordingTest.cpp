#include <gtest/gtest.h>

#include "TempDir.h"
#include "recorder/SessionRecording.h"
#include "shared/RecorderSettings.h"

using namespace kestrowa;
namespace key = recorder_key;

namespace {

class Recording : public ::testing::Test {
protected:
    // One start of the recorder at `now`; returns the recording after RecordStart.
    SessionRecording& Start(DateTime now, const std::function<void()>& correction = {}) {
        clock.Set(now);
        recording = std::make_unique<SessionRecording>(clock, profile, SessionLog(dir.File("Kestrofl.dat")));
        recording->RecordStart(correction);
        return *recording;
    }
    std::string LogBytes() const { return dir.Read("Kestrofl.dat"); }

    TempDir dir;
    FixedClock clock;
    MemoryProfile profile;
    std::unique_ptr<SessionRecording> recording;
};

TEST_F(Recording, FirstStartWritesTheStartLineAndState) {
    Start({2011, 5, 3, 8, 15, 40});
    EXPECT_EQ(LogBytes(), "S 11/05/03 08:15\r\n");
    EXPECT_EQ(Read(profile, key::LastStart), "S 2011/05/03 08:15");
    EXPECT_EQ(Read(profile, key::DayCount), 1);
    EXPECT_FALSE(recording->restart);
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:15:40");
    EXPECT_EQ(recording->startTitle, "起動5月3日08:15");
}

TEST_F(Recording, EndRepair) {
    struct Case {
        const char* name;
        std::string before;
        const char* heartbeat;  // nullptr: never stored
        std::string after;
    } cases[] = {
        {"heartbeat closes the open session", CrLf({"S 11/05/02 18:04"}), "E 2011/05/02 22:47",
         CrLf({"S 11/05/02 18:04", "E 11/05/02 22:47", "S 11/05/03 08:15"})},
        {"no heartbeat gives a bare line", CrLf({"S 11/05/02 18:04"}), nullptr,
         CrLf({"S 11/05/02 18:04", "", "S 11/05/03 08:15"})},
        {"ended log is left alone", CrLf({"S 11/05/02 18:04", "E 11/05/02 20:00", ""}), "E 2011/05/02 22:47",
         CrLf({"S 11/05/02 18:04", "E 11/05/02 20:00", "", "S 11/05/03 08:15"})},
        {"empty log gets the repair", "", "E 2011/05/02 22:47", CrLf({"E 11/05/02 22:47", "S 11/05/03 08:15"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        profile = MemoryProfile();
        profile.WriteInt("System", "Correct", 0);
        if (c.heartbeat) profile.WriteText("System", "LastWindwsEnd", c.heartbeat);
        dir.Write("Kestrofl.dat", c.before);
        Start({2011, 5, 3, 8, 15, 0});
        EXPECT_EQ(LogBytes(), c.after);
    }
}

TEST_F(Recording, NoLogMeansNoRepair) {
    Write(profile, key::LastWindwsEnd, "E 2011/05/02 22:47");
    Write(profile, key::Correct, 0);
    Start({2011, 5, 3, 8, 15, 0});
    EXPECT_EQ(LogBytes(), "S 11/05/03 08:15\r\n");
}

TEST_F(Recording, RestartDecision) {
    struct Case {
        const char* name;
        int startMethod;
        const char* lastEnd;
        DateTime pcStart;  // stored PC start time, year 0 for none
        DateTime now;
        bool restart;
    } cases[] = {
        {"15 minutes after the end", kStartTray, "E 2011/05/03 10:00", {2011, 5, 3, 8, 0, 0}, {2011, 5, 3, 10, 15, 0}, true},
        {"25 minutes after the end", kStartTray, "E 2011/05/03 10:00", {2011, 5, 3, 8, 0, 0}, {2011, 5, 3, 10, 25, 0}, false},
        {"19 minutes", kStartStartupFolder, "E 2011/05/03 10:00", {}, {2011, 5, 3, 10, 19, 0}, true},
        {"20 minutes", kStartStartupFolder, "E 2011/05/03 10:00", {}, {2011, 5, 3, 10, 20, 0}, false},
        {"midnight is not bridged", kStartTray, "E 2011/05/02 23:55", {}, {2011, 5, 3, 0, 5, 0}, false},
        {"clock put back", kStartTray, "E 2011/05/03 10:30", {}, {2011, 5, 3, 10, 15, 0}, true},
        {"near the stored PC start", kStartTray, "E 2011/05/03 09:00", {2011, 5, 3, 10, 0, 0}, {2011, 5, 3, 10, 15, 0}, true},
        {"PC start of another day", kStartTray, "E 2011/05/03 09:00", {2011, 5, 2, 10, 0, 0}, {2011, 5, 3, 10, 15, 0}, false},
        {"manual, same date", kStartManual, "E 2011/05/03 01:00", {}, {2011, 5, 3, 22, 0, 0}, true},
        {"manual, new date", kStartManual, "E 2011/05/02 23:59", {}, {2011, 5, 3, 0, 1, 0}, false},
        {"manual, nothing stored", kStartManual, nullptr, {}, {2011, 5, 3, 8, 0, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        profile = MemoryProfile();
        Write(profile, key::AptnSet, c.startMethod);
        Write(profile, key::Correct, 0);
        if (c.lastEnd) Write(profile, key::LastWindwsEnd, c.lastEnd);
        if (c.pcStart.year) {
            Write(profile, key::PresentYear, c.pcStart.year);
            Write(profile, key::PresentMonth, c.pcStart.month);
            Write(profile, key::PresentDate, c.pcStart.day);
            Write(profile, key::PresentHour, c.pcStart.hour);
            Write(profile, key::PresentMinute, c.pcStart.minute);
        }
        EXPECT_EQ(Start(c.now).restart, c.restart);
    }
}

TEST_F(Recording, DayCountsStartsOfOneDay) {
    Write(profile, key::AptnSet, kStartTray);
    for (int expected : {1, 2, 3}) {
        Start({2011, 5, 3, 8 + expected, 0, 0});
        EXPECT_EQ(Read(profile, key::DayCount), expected);
        EXPECT_EQ(recording->dayCount, expected);
    }
    Start({2011, 5, 4, 8, 0, 0});
    EXPECT_EQ(Read(profile, key::DayCount), 1);
}

TEST_F(Recording, FreshStartTakesTheCorrectionRestartKeepsTheRealTime) {
    Write(profile, key::AptnSet, kStartTray);
    auto minusTwo = [this] {
        recording->shownStart.minute -= 2;
        Write(profile, key::PresentYear, recording->shownStart.year);
        Write(profile, key::PresentMonth, recording->shownStart.month);
        Write(profile, key::PresentDate, recording->shownStart.day);
        Write(profile, key::PresentHour, recording->shownStart.hour);
        Write(profile, key::PresentMinute, recording->shownStart.minute);
        Write(profile, key::PresentSecond, recording->shownStart.second);
    };
    Start({2011, 5, 3, 8, 15, 40}, minusTwo);
    EXPECT_EQ(LogBytes(), "S 11/05/03 08:13\r\n");
    EXPECT_EQ(Read(profile, key::LastStart), "S 2011/05/03 08:15");
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:13:40");
    EXPECT_EQ(recording->runStart, (DateTime{2011, 5, 3, 8, 15, 40}));

    recording->RecordEnd();
    bool called = false;
    Start({2011, 5, 3, 8, 30, 5}, [&] { called = true; });  // restart: correction only for "Windows boot"
    EXPECT_FALSE(called);
    EXPECT_TRUE(recording->restart);
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:13:40");  // timed from the PC start
    EXPECT_EQ(recording->startTitle, "起動5月3日08:13");
    EXPECT_EQ(LogBytes(), CrLf({"S 11/05/03 08:13", "E 11/05/03 08:15", "S 11/05/03 08:30"}));
    EXPECT_EQ(Read(profile, key::DayCount), 2);
}

TEST_F(Recording, CorrectionCalledOnlyWhereItApplies) {
    struct Case {
        int correct;
        bool restart;
        bool called;
    } cases[] = {{0, false, false}, {2, false, true}, {4, false, true},
                 {0, true, false},  {3, true, false}, {4, true, true}};
    for (const Case& c : cases) {
        profile = MemoryProfile();
        Write(profile, key::Correct, c.correct);
        if (c.restart) Write(profile, key::LastWindwsEnd, "E 2011/05/03 08:00");
        bool called = false;
        Start({2011, 5, 3, 8, 5, 0}, [&] { called = true; });
        EXPECT_EQ(recording->restart, c.restart);
        EXPECT_EQ(called, c.called) << "Correct " << c.correct;
    }
}

TEST_F(Recording, RestartWithoutHandlingOrStoredPcStartShowsItsOwnTime) {
    Write(profile, key::LastWindwsEnd, "E 2011/05/03 08:00");
    Start({2011, 5, 3, 8, 5, 9});
    EXPECT_TRUE(recording->restart);
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:05:09");
}

TEST_F(Recording, EndCommand) {
    struct Case {
        const char* name;
        int startMethod;
        int startUpIdok;
        const char* lastEnd;
        const char* button;
    } cases[] = {
        {"tray bars it whatever StartUpIdok says", kStartTray, 1, nullptr, "-----"},
        {"Startup folder with StartUpIdok offers it", kStartStartupFolder, 1, nullptr, "終了(OK)"},
        {"Startup folder without StartUpIdok", kStartStartupFolder, 0, nullptr, "-----"},
        {"manual, first start of the day", kStartManual, 0, "E 2011/05/02 20:00", "-----"},
        {"manual restart keeps it", kStartManual, 0, "E 2011/05/03 07:00", "終了(OK)"},
        {"tray restart stays barred", kStartTray, 1, "E 2011/05/03 08:00", "-----"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        profile = MemoryProfile();
        Write(profile, key::AptnSet, c.startMethod);
        Write(profile, key::StartUpIdok, c.startUpIdok);
        if (c.lastEnd) Write(profile, key::LastWindwsEnd, c.lastEnd);
        EXPECT_EQ(Start({2011, 5, 3, 8, 5, 0}).EndButtonText(), c.button);
        EXPECT_EQ(recording->endBarred, std::string(c.button) == "-----");
    }
}

TEST_F(Recording, HeartbeatEveryThirtiethTick) {
    Write(profile, key::LastWindwsEnd, "E 2011/05/02 22:47");
    Start({2011, 5, 3, 8, 15, 0});
    clock.Set({2011, 5, 3, 8, 15, 29});
    for (int i = 0; i < 29; ++i) recording->Tick();
    EXPECT_EQ(Read(profile, key::LastWindwsEnd), "E 2011/05/02 22:47");
    clock.Set({2011, 5, 3, 8, 16, 10});
    recording->Tick();
    EXPECT_EQ(Read(profile, key::LastWindwsEnd), "E 2011/05/03 08:16");
    clock.Set({2011, 5, 3, 8, 17, 0});
    for (int i = 0; i < 30; ++i) recording->Tick();
    EXPECT_EQ(Read(profile, key::LastWindwsEnd), "E 2011/05/03 08:17");
}

TEST_F(Recording, EndLineOnceAndOnlyAfterTheStart) {
    clock.Set({2011, 5, 3, 8, 0, 0});
    SessionRecording early(clock, profile, SessionLog(dir.File("Kestrofl.dat")));
    early.RecordEnd();
    EXPECT_EQ(LogBytes(), "");

    Write(profile, key::Correct, 0);
    Start({2011, 5, 3, 8, 15, 0});
    clock.Set({2011, 5, 3, 10, 45, 30});
    recording->RecordEnd();
    recording->RecordEnd();
    EXPECT_EQ(LogBytes(), CrLf({"S 11/05/03 08:15", "E 11/05/03 10:45"}));
    EXPECT_EQ(Read(profile, key::LastWindwsEnd), "E 2011/05/03 10:45");
    EXPECT_EQ(recording->state, SessionRecording::State::Ended);
}

}  // namespace
