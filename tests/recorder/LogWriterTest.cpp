#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "TempDir.h"
#include "fakes/MemoryProfile.h"
#include "recorder/LogWriter.h"
#include "shared/RecorderSettings.h"

using namespace kestrowa;
namespace key = recorder_key;

namespace {

// The log is made unwritable by a folder at its name (or, at the first start, by a missing
// folder) and writable again by removing it. Each step appends a line or flushes (line null),
// `writer` null stands for an end of the recorder: the next step starts a new one on the profile.
TEST(LogWriter, KeptLinesGoFirstInOrderOnceAcrossFailuresAndRestarts) {
    struct Step {
        bool writable;
        const char* line;      // null: a heartbeat's flush
        bool restartBefore;    // the recorder ended and starts again before this step
        const char* file;      // the log's bytes after the step (when writable)
        const char* kept;      // PendingLines after the step
    };
    const Step steps[] = {
        {true, "S 2011/05/03 08:00", false, "S 11/05/03 08:00\r\n", ""},
        {false, "E 2011/05/03 09:00", false, nullptr, "E 11/05/03 09:00\r\n"},
        {false, nullptr, false, nullptr, "E 11/05/03 09:00\r\n"},
        {false, "S 2011/05/03 10:00", false, nullptr, "E 11/05/03 09:00\r\nS 11/05/03 10:00\r\n"},
        {false, "", true, nullptr, "E 11/05/03 09:00\r\nS 11/05/03 10:00\r\n\r\n"},
        {true, nullptr, false, "S 11/05/03 08:00\r\nE 11/05/03 09:00\r\nS 11/05/03 10:00\r\n\r\n", ""},
        {true, nullptr, false, "S 11/05/03 08:00\r\nE 11/05/03 09:00\r\nS 11/05/03 10:00\r\n\r\n", ""},
        {false, "E 2011/05/03 11:00", true, nullptr, "E 11/05/03 11:00\r\n"},
        {true, "S 2011/05/03 12:00", true,
         "S 11/05/03 08:00\r\nE 11/05/03 09:00\r\nS 11/05/03 10:00\r\n\r\nE 11/05/03 11:00\r\nS 11/05/03 12:00\r\n", ""},
    };
    TempDir dir;
    const std::string path = dir.File("Kestrofl.dat");
    MemoryProfile profile;
    auto writer = std::make_unique<LogWriter>(SessionLog(path), profile);
    int number = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(++number);
        std::string saved;
        if (!s.writable) {
            saved = dir.Read("Kestrofl.dat");
            std::filesystem::remove(path);
            std::filesystem::create_directory(path);
        }
        if (s.restartBefore) writer = std::make_unique<LogWriter>(SessionLog(path), profile);
        if (s.line) writer->Append(s.line);
        else writer->Flush();
        EXPECT_EQ(Read(profile, key::PendingLines), s.kept);
        EXPECT_EQ(writer->HasPending(), *s.kept != '\0');
        EXPECT_EQ(writer->Error() != 0, !s.writable);
        if (s.writable) {
            EXPECT_EQ(dir.Read("Kestrofl.dat"), s.file);
        } else {
            std::filesystem::remove(path);
            dir.Write("Kestrofl.dat", saved);
        }
    }
}

// A log that cannot be opened at the first start keeps its first line and says why.
TEST(LogWriter, ALogInAMissingFolderKeepsTheFirstLine) {
    TempDir dir;
    MemoryProfile profile;
    LogWriter writer(SessionLog(dir.File("gone/Kestrofl.dat")), profile);
    EXPECT_FALSE(writer.Exists());
    writer.Append("S 2011/05/03 08:00");
    EXPECT_EQ(Read(profile, key::PendingLines), "S 11/05/03 08:00\r\n");
    EXPECT_EQ(writer.Error(), ENOENT);
    EXPECT_TRUE(writer.Exists());
    EXPECT_EQ(writer.LastNonEmptyLine(), "S 11/05/03 08:00");
    std::filesystem::create_directory(dir.File("gone"));
    writer.Flush();
    EXPECT_EQ(dir.Read("gone/Kestrofl.dat"), "S 11/05/03 08:00\r\n");
    EXPECT_EQ(Read(profile, key::PendingLines), "");
}

// A file size limit makes the system write only part of the text, as a full disk does: the part
// stays, only the rest is kept, and it completes the cut line, which gets no line break first.
TEST(LogWriter, AShortWriteKeepsOnlyTheRestAndCompletesTheLine) {
    TempDir dir;
    dir.Write("Kestrofl.dat", "E 11/05/03 09:00\r\n");
    MemoryProfile profile;
    LogWriter writer(SessionLog(dir.File("Kestrofl.dat")), profile);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 18 + 7;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    writer.Append("S 2011/05/03 10:00");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(dir.Read("Kestrofl.dat"), "E 11/05/03 09:00\r\nS 11/05");
    EXPECT_EQ(Read(profile, key::PendingLines), "+/03 10:00\r\n");
    EXPECT_EQ(writer.LastNonEmptyLine(), "S 11/05");
    // The next run takes the rest over and writes it before its own line.
    LogWriter next(SessionLog(dir.File("Kestrofl.dat")), profile);
    next.Append("E 2011/05/03 11:00");
    EXPECT_EQ(dir.Read("Kestrofl.dat"), "E 11/05/03 09:00\r\nS 11/05/03 10:00\r\nE 11/05/03 11:00\r\n");
    EXPECT_EQ(Read(profile, key::PendingLines), "");
}

// Anyone may edit the registry: only the recorder's own lines are taken into the log.
TEST(LogWriter, OnlyTheRecordersOwnLinesAreTakenFromTheProfile) {
    struct Case {
        const char* stored;
        bool taken;
    } cases[] = {
        {"S 11/05/03 08:00\r\nE 11/05/03 09:00\r\n\r\n", true},
        {"+:00\r\nS 11/05/03 10:00\r\n", true},
        {"+\n", true},
        {"S 11/05/03 08:00", false},          // no line end
        {"S 11/05/03 08:00\n", false},        // LF alone
        {"X 11/05/03 08:00\r\n", false},
        {"S 11/05/03 8:00\r\n\r\n", false},
        {":00\r\n", false},                   // a rest without its mark
        {"+1:00 note\r\n", false},
        {"S 11/05/03 08:00\r\nhello\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        TempDir dir;
        dir.Write("Kestrofl.dat", "S 11/05/03 07:0");
        MemoryProfile profile;
        Write(profile, key::PendingLines, c.stored);
        LogWriter writer(SessionLog(dir.File("Kestrofl.dat")), profile);
        EXPECT_EQ(writer.HasPending(), c.taken);
        writer.Flush();
        // The cut line is completed by a rest; whole lines begin on a line of their own.
        const bool rest = *c.stored == '+';
        const std::string text = (rest ? "" : "\r\n") + std::string(c.stored).substr(rest ? 1 : 0);
        EXPECT_EQ(dir.Read("Kestrofl.dat"), "S 11/05/03 07:0" + (c.taken ? text : std::string()));
    }
}

}  // namespace
