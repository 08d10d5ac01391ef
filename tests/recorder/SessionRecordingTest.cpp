#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "fakes/FixedClock.h"
#include "fakes/MemoryProfile.h"
#include "recorder/BootCorrection.h"
#include "recorder/SessionRecording.h"
#include "shared/LogLine.h"
#include "shared/RecorderSettings.h"
#include "shared/SessionScanner.h"

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
    EXPECT_FALSE(recording->Restart());
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:15:40");
    EXPECT_EQ(recording->StartTitle(), "起動5月3日08:15");
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
        {"29 February of a leap year", CrLf({"S 12/02/29 18:04"}), "E 2012/02/29 23:59",
         CrLf({"S 12/02/29 18:04", "E 12/02/29 23:59", "S 11/05/03 08:15"})},
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

TEST_F(Recording, EndRepairCopiesOnlyAHeartbeatOfTheExactForm) {
    const std::string longValue = "E 2011/05/02 22:47" + std::string(9982, '7');
    for (const std::string& stored :
         {longValue, std::string("garbage"), std::string("E 2011/02/29 22:47"), std::string("E 2011/13/02 22:47"),
          std::string("E 2011/00/02 22:47"), std::string("E 2011/05/00 22:47"), std::string("E 2011/05/02 24:00"),
          std::string("E 2011/05/02 22:60"), std::string("E 2011/05/02 22:47 "), std::string(" E 2011/05/02 22:47"),
          std::string("E 11/05/02 22:47"), std::string("S 2011/05/02 22:47"), std::string("E 2011-05-02 22:47"),
          std::string("E 2011/05/02 2247"), std::string("E +011/05/02 22:47"), std::string("E 2011/05/02 -2:47")}) {
        SCOPED_TRACE(stored.substr(0, 40));
        profile = MemoryProfile();
        Write(profile, key::Correct, 0);
        Write(profile, key::LastWindwsEnd, stored);
        dir.Write("Kestrofl.dat", CrLf({"S 11/05/02 18:04"}));
        Start({2011, 5, 3, 8, 15, 0});
        EXPECT_EQ(LogBytes(), CrLf({"S 11/05/02 18:04", "", "S 11/05/03 08:15"}));
    }
}

TEST_F(Recording, NoLogMeansNoRepair) {
    Write(profile, key::LastWindwsEnd, "E 2011/05/02 22:47");
    Write(profile, key::Correct, 0);
    Start({2011, 5, 3, 8, 15, 0});
    EXPECT_EQ(LogBytes(), "S 11/05/03 08:15\r\n");
}

// Lines a former run could not write are the log's end for the repair: the end line kept there
// is not repaired a second time, and they go before the new start line.
TEST_F(Recording, KeptLinesGoFirstAndCountAsTheLogsEnd) {
    dir.Write("Kestrofl.dat", "S 11/05/03 08:00\r\n");
    Write(profile, key::PendingLines, "E 11/05/03 09:00\r\n");
    Write(profile, key::LastWindwsEnd, "E 2011/05/03 08:59");
    Write(profile, key::Correct, 0);
    Start({2011, 5, 3, 10, 0, 0});
    EXPECT_EQ(LogBytes(), CrLf({"S 11/05/03 08:00", "E 11/05/03 09:00", "S 11/05/03 10:00"}));
    EXPECT_EQ(Read(profile, key::PendingLines), "");
}

// The heartbeat writes the kept lines as soon as the log can be written again.
TEST_F(Recording, TheHeartbeatWritesTheKeptLines) {
    std::filesystem::create_directory(dir.File("Kestrofl.dat"));
    Write(profile, key::Correct, 0);
    Start({2011, 5, 3, 8, 0, 0});
    EXPECT_EQ(Read(profile, key::PendingLines), "S 11/05/03 08:00\r\n");
    std::filesystem::remove(dir.File("Kestrofl.dat"));
    for (int i = 0; i < 29; ++i) recording->Tick();
    EXPECT_FALSE(std::filesystem::exists(dir.File("Kestrofl.dat")));
    recording->Tick();
    EXPECT_EQ(LogBytes(), "S 11/05/03 08:00\r\n");
    EXPECT_EQ(Read(profile, key::PendingLines), "");
}

TEST_F(Recording, RestartDecision) {
    struct Case {
        const char* name;
        StartMethod startMethod;
        const char* lastEnd;
        DateTime pcStart;  // stored PC start time, year 0 for none
        DateTime now;
        bool restart;
    } cases[] = {
        {"15 minutes after the end", StartMethod::Tray, "E 2011/05/03 10:00", {2011, 5, 3, 8, 0, 0}, {2011, 5, 3, 10, 15, 0}, true},
        {"25 minutes after the end", StartMethod::Tray, "E 2011/05/03 10:00", {2011, 5, 3, 8, 0, 0}, {2011, 5, 3, 10, 25, 0}, false},
        {"19 minutes", StartMethod::StartupFolder, "E 2011/05/03 10:00", {}, {2011, 5, 3, 10, 19, 0}, true},
        {"20 minutes", StartMethod::StartupFolder, "E 2011/05/03 10:00", {}, {2011, 5, 3, 10, 20, 0}, false},
        {"midnight is not bridged", StartMethod::Tray, "E 2011/05/02 23:55", {}, {2011, 5, 3, 0, 5, 0}, false},
        {"clock put back", StartMethod::Tray, "E 2011/05/03 10:30", {}, {2011, 5, 3, 10, 15, 0}, true},
        {"near the stored PC start", StartMethod::Tray, "E 2011/05/03 09:00", {2011, 5, 3, 10, 0, 0}, {2011, 5, 3, 10, 15, 0}, true},
        {"PC start of another day", StartMethod::Tray, "E 2011/05/03 09:00", {2011, 5, 2, 10, 0, 0}, {2011, 5, 3, 10, 15, 0}, false},
        {"manual, same date", StartMethod::Manual, "E 2011/05/03 01:00", {}, {2011, 5, 3, 22, 0, 0}, true},
        {"manual, new date", StartMethod::Manual, "E 2011/05/02 23:59", {}, {2011, 5, 3, 0, 1, 0}, false},
        {"manual, nothing stored", StartMethod::Manual, nullptr, {}, {2011, 5, 3, 8, 0, 0}, false},
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
        EXPECT_EQ(Start(c.now).Restart(), c.restart);
    }
}

TEST_F(Recording, DayCountsStartsOfOneDay) {
    Write(profile, key::AptnSet, StartMethod::Tray);
    for (int expected : {1, 2, 3}) {
        Start({2011, 5, 3, 8 + expected, 0, 0});
        EXPECT_EQ(Read(profile, key::DayCount), expected);
        EXPECT_EQ(recording->DayCount(), expected);
    }
    Start({2011, 5, 4, 8, 0, 0});
    EXPECT_EQ(Read(profile, key::DayCount), 1);
}

TEST_F(Recording, FreshStartTakesTheCorrectionRestartKeepsTheRealTime) {
    Write(profile, key::AptnSet, StartMethod::Tray);
    auto minusTwo = [this] {
        DateTime corrected = recording->ShownStart();
        corrected.minute -= 2;
        recording->TakeCorrectedStart(corrected);
        StorePcStart(profile, corrected);
    };
    Start({2011, 5, 3, 8, 15, 40}, minusTwo);
    EXPECT_EQ(LogBytes(), "S 11/05/03 08:13\r\n");
    EXPECT_EQ(Read(profile, key::LastStart), "S 2011/05/03 08:15");
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:13:40");
    EXPECT_EQ(recording->RunStart(), (DateTime{2011, 5, 3, 8, 15, 40}));

    recording->RecordEnd();
    bool called = false;
    Start({2011, 5, 3, 8, 30, 5}, [&] { called = true; });  // restart: correction only for "Windows boot"
    EXPECT_FALSE(called);
    EXPECT_TRUE(recording->Restart());
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:13:40");  // timed from the PC start
    EXPECT_EQ(recording->StartTitle(), "起動5月3日08:13");
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
        EXPECT_EQ(recording->Restart(), c.restart);
        EXPECT_EQ(called, c.called) << "Correct " << c.correct;
    }
}

TEST_F(Recording, RestartWithoutHandlingOrStoredPcStartShowsItsOwnTime) {
    Write(profile, key::LastWindwsEnd, "E 2011/05/03 08:00");
    Start({2011, 5, 3, 8, 5, 9});
    EXPECT_TRUE(recording->Restart());
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:05:09");
}

TEST_F(Recording, EndCommand) {
    struct Case {
        const char* name;
        StartMethod startMethod;
        int startUpIdok;
        const char* lastEnd;
        const char* button;
    } cases[] = {
        {"tray bars it whatever StartUpIdok says", StartMethod::Tray, 1, nullptr, "-----"},
        {"Startup folder with StartUpIdok offers it", StartMethod::StartupFolder, 1, nullptr, "終了(OK)"},
        {"Startup folder without StartUpIdok", StartMethod::StartupFolder, 0, nullptr, "-----"},
        {"manual, first start of the day", StartMethod::Manual, 0, "E 2011/05/02 20:00", "-----"},
        {"manual restart keeps it", StartMethod::Manual, 0, "E 2011/05/03 07:00", "終了(OK)"},
        {"tray restart stays barred", StartMethod::Tray, 1, "E 2011/05/03 08:00", "-----"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        profile = MemoryProfile();
        Write(profile, key::AptnSet, c.startMethod);
        Write(profile, key::StartUpIdok, c.startUpIdok);
        if (c.lastEnd) Write(profile, key::LastWindwsEnd, c.lastEnd);
        EXPECT_EQ(Start({2011, 5, 3, 8, 5, 0}).EndButtonText(), c.button);
        EXPECT_EQ(recording->EndBarred(), std::string(c.button) == "-----");
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
    EXPECT_EQ(recording->CurrentState(), SessionRecording::State::Ended);
}

// A run started in the Startup-folder method at 08:15:40 whose correction stored the PC start
// 08:13:40, then what the PC and the user do. A tick stands for 30 ticks, a heartbeat's worth.
// The last wake is the shown start and the stored PC start, a nap's restart included.
TEST_F(Recording, SleepEndsTheSessionAndTheWakeStartsTheNextAsAStartWithoutCorrection) {
    enum Event { Sleep, Wake, UserWake, Tick, End, Slept /* the PC slept until then, unannounced */ };
    struct Step {
        Event event;
        DateTime at;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<const char*> log;
        const char* heartbeat;  // no heartbeat while asleep
        bool restart;
        int dayCount;
        const char* shownStart;
    } cases[] = {
        {"a nap of 10 minutes is a restart",
         {{Sleep, {2011, 5, 3, 23, 0, 5}}, {Tick, {2011, 5, 3, 23, 1, 0}}, {Wake, {2011, 5, 3, 23, 10, 20}},
          {UserWake, {2011, 5, 3, 23, 10, 21}}},
         {"S 11/05/03 08:13", "E 11/05/03 23:00", "S 11/05/03 23:10"}, "E 2011/05/03 23:00", true, 2, "2011/05/03 23:10:20"},
        {"a night of 8 hours is a fresh start",
         {{Sleep, {2011, 5, 3, 23, 0, 5}}, {Tick, {2011, 5, 3, 23, 1, 0}}, {Wake, {2011, 5, 4, 7, 0, 20}},
          {UserWake, {2011, 5, 4, 7, 0, 21}}},
         {"S 11/05/03 08:13", "E 11/05/03 23:00", "S 11/05/04 07:00"}, "E 2011/05/03 23:00", false, 1, "2011/05/04 07:00:20"},
        {"a wake without a sleep notice: the last heartbeat ends the session",
         {{Tick, {2011, 5, 3, 22, 59, 30}}, {Slept, {2011, 5, 4, 7, 0, 20}}, {Wake, {2011, 5, 4, 7, 0, 20}}},
         {"S 11/05/03 08:13", "E 11/05/03 22:59", "S 11/05/04 07:00"}, "E 2011/05/03 22:59", false, 1, "2011/05/04 07:00:20"},
        {"two sleep notices, the user's wake alone, a sleep and the end",
         {{Sleep, {2011, 5, 3, 23, 0, 5}}, {Sleep, {2011, 5, 3, 23, 5, 0}}, {UserWake, {2011, 5, 4, 7, 0, 20}},
          {Sleep, {2011, 5, 4, 12, 0, 0}}, {End, {2011, 5, 4, 12, 1, 0}}, {Wake, {2011, 5, 4, 12, 2, 0}}},
         {"S 11/05/03 08:13", "E 11/05/03 23:00", "S 11/05/04 07:00", "E 11/05/04 12:00"}, "E 2011/05/04 12:00",
         false, 1,
         "2011/05/04 07:00:20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        profile = MemoryProfile();
        std::filesystem::remove(dir.File("Kestrofl.dat"));
        Write(profile, key::AptnSet, StartMethod::StartupFolder);
        int corrections = 0;
        const DateTime pcStart{2011, 5, 3, 8, 13, 40};
        Start({2011, 5, 3, 8, 15, 40}, [&] {
            ++corrections;
            recording->TakeCorrectedStart(pcStart);
            StorePcStart(profile, pcStart);
        });
        for (const Step& step : c.steps) {
            if (step.event == Slept) clock.SleepUntil(step.at);
            clock.Set(step.at);
            switch (step.event) {
                case Sleep: recording->RecordSleep(); break;
                case Wake: recording->RecordWake(WakeNotice::Automatic); break;
                case UserWake: recording->RecordWake(WakeNotice::ByUser); break;
                case Tick: for (int i = 0; i < 30; ++i) recording->Tick(); break;
                case End: recording->RecordEnd(); break;
                case Slept: break;
            }
        }
        std::string log;
        for (const char* line : c.log) log += line + std::string("\r\n");
        EXPECT_EQ(LogBytes(), log);
        EXPECT_EQ(Read(profile, key::LastWindwsEnd), c.heartbeat);
        EXPECT_EQ(recording->Restart(), c.restart);
        EXPECT_EQ(Read(profile, key::DayCount), c.dayCount);
        EXPECT_EQ(Read(profile, key::LastStart), "S 20" + std::string(c.log[2]).substr(2));
        EXPECT_EQ(recording->ShownStartText(), c.shownStart);
        EXPECT_EQ(corrections, 1);
        EXPECT_EQ(DateTimeText(StoredPcStart(profile)), c.shownStart);
    }
}

// Ending is settled at the program's start and by the settings dialog, never by a wake, whether
// the wake is a restart (a nap) or a fresh start (the next morning).
TEST_F(Recording, WakeLeavesTheEndCommandAsItWas) {
    struct Case {
        const char* name;
        int endInStartup;      // StartUpIdok
        const char* lastEnd;   // a heartbeat shortly before: the start is a restart
        bool trayChosen;       // the settings dialog switched to the tray method
        const char* button;
    } cases[] = {
        {"offered at a fresh start", 1, "", false, "終了(OK)"},
        {"offered at a restart", 0, "E 2011/05/03 08:10", false, "終了(OK)"},
        {"barred at a fresh start", 0, "", false, "-----"},
        {"barred when the tray method was chosen", 1, "", true, "-----"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        profile = MemoryProfile();
        std::filesystem::remove(dir.File("Kestrofl.dat"));
        Write(profile, key::AptnSet, StartMethod::StartupFolder);
        Write(profile, key::StartUpIdok, c.endInStartup);
        Write(profile, key::LastWindwsEnd, c.lastEnd);
        Start({2011, 5, 3, 8, 15, 40});
        if (c.trayChosen) recording->BarEndForTray();
        const DateTime naps[][2] = {{{2011, 5, 3, 12, 0, 0}, {2011, 5, 3, 12, 5, 0}},
                                    {{2011, 5, 3, 23, 0, 0}, {2011, 5, 4, 7, 0, 0}}};
        for (const auto& [sleep, wake] : naps) {
            clock.Set(sleep);
            recording->RecordSleep();
            clock.Set(wake);
            recording->RecordWake(WakeNotice::Automatic);
            EXPECT_EQ(recording->EndButtonText(), c.button);
        }
        EXPECT_FALSE(recording->Restart()) << "the night ends with a fresh start";
    }
}

// The sessions as the viewer pairs them: every start paired with a length, and their sum.
class SessionSum final : public SessionReader {
public:
    void Start(std::string_view) override { ++starts; }
    void Session(const ScannedSession& session) override {
        ++sessions;
        minutes += session.minutes;
    }
    int starts = 0;
    int sessions = 0;
    long long minutes = 0;
};

// What the PC and its user do to the clock while the recorder runs from 2011/05/03 08:00:00. Run
// lets time pass with a heartbeat every 30 seconds; SetWall moves the wall clock alone; Told is
// WM_TIMECHANGE; Sleep is the suspend notice, Slumber a sleep of that long with the counter
// standing, Wake the wake notice. Whatever happens, the log read back sums to the time the PC ran
// and no session ends before it starts; the running time shown goes on through a change of the
// clock and starts again at a wake (an unannounced one found at the next heartbeat).
TEST_F(Recording, ClockChangesAndUnannouncedSleepsKeepTheLogTrue) {
    enum Action { Run, SetWall, Told, Sleep, Slumber, Wake };
    struct Step {
        Action action;
        int seconds = 0;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        int sessions;
        int shownMinutes;  // the running time shown at the end
    } cases[] = {
        {"clock forward a day, found by the heartbeat", {{Run, 3600}, {SetWall, 86400}, {Run, 3600}}, 2, 120},
        {"clock forward a day, told", {{Run, 3600}, {SetWall, 86400}, {Told}, {Run, 3600}}, 2, 120},
        {"clock back an hour", {{Run, 7200}, {SetWall, -3600}, {Run, 1800}}, 2, 150},
        {"a 30-second correction is none", {{Run, 3600}, {SetWall, 30}, {Told}, {Run, 3600}}, 1, 120},
        {"time zone 9 hours west, told", {{Run, 3600}, {SetWall, -32400}, {Told}, {Run, 3600}}, 2, 120},
        {"clock forward a day during a sleep",
         {{Run, 3600}, {Sleep}, {Slumber, 7200}, {SetWall, 86400}, {Wake}, {Told}, {Run, 3600}}, 2, 60},
        {"clock forward a day during a sleep without notice",
         {{Run, 3600}, {Slumber, 7200}, {SetWall, 86400}, {Run, 3600}}, 2, 59},
        {"sleep without notice", {{Run, 3600}, {Slumber, 10800}, {Run, 3600}}, 2, 59},
        {"sleep without notice, the wake notice after the heartbeat",
         {{Run, 3600}, {Slumber, 10800}, {Run, 30}, {Wake}, {Run, 3570}}, 2, 59},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        profile = MemoryProfile();
        std::filesystem::remove(dir.File("Kestrofl.dat"));
        Write(profile, key::AptnSet, StartMethod::StartupFolder);
        Write(profile, key::Correct, 0);
        Start({2011, 5, 3, 8, 0, 0});
        long long ranSeconds = 0;
        for (const Step& step : c.steps) {
            switch (step.action) {
                case Run:
                    for (int second = 0; second < step.seconds; ++second) {
                        clock.Set(AddSeconds(clock.Now(), 1));
                        recording->Tick();
                    }
                    ranSeconds += step.seconds;
                    break;
                case SetWall: clock.SetWall(AddSeconds(clock.Now(), step.seconds)); break;
                case Told: recording->CheckClock(); break;
                case Sleep: recording->RecordSleep(); break;
                case Slumber: clock.SleepUntil(AddSeconds(clock.Now(), step.seconds)); break;
                case Wake: recording->RecordWake(WakeNotice::Automatic); break;
            }
        }
        EXPECT_EQ(recording->RunningSeconds() / 60, c.shownMinutes);
        recording->RecordEnd();
        SessionSum sum;
        ASSERT_TRUE(ScanLog(dir.File("Kestrofl.dat"), {}, sum));
        SCOPED_TRACE(LogBytes());
        EXPECT_EQ(sum.sessions, c.sessions);
        EXPECT_EQ(sum.starts, sum.sessions) << "a session ends before it starts";
        EXPECT_LE(std::llabs(sum.minutes - ranSeconds / 60), 1);
    }
}

}  // namespace
