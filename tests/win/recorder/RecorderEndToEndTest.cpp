// Starts the real KESTROWA.EXE from a folder of its own and watches what it leaves in its log
// and in the registry. Runs in a Wine prefix of its own (see CMakeLists.txt); the cases take
// turns through a named mutex, since the recorder's key and its one-copy mutex are shared.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include "../../TempDir.h"
#include "../Host.h"
#include "../WaitFor.h"
#include "platform/win/os/Handle.h"
#include "platform/win/os/RegistryProfile.h"
#include "platform/win/os/Shell.h"
#include "platform/win/os/SystemClock.h"
#include "platform/win/os/Text.h"
#include "recorder/settings/LogMaintenance.h"
#include "shared/LogLine.h"
#include "shared/RecorderSettings.h"
#include "shared/SessionLog.h"

namespace kestrowa {
namespace {

using namespace std::chrono_literals;

// The build's path of the program, as Wine sees it on drive Z:.
std::wstring BuiltProgram() {
    std::wstring path = L"Z:" + Utf8ToWide(KESTROWA_EXE);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(bytes.substr(from, end - from));
    return lines;
}

// The names in a folder, in order.
std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct StatusWindowSearch {
    DWORD processId;
    HWND found;
    int control = 1005;
};

// A message box holds its text as control 0xFFFF, which is also the id of the dialogs' unnamed
// labels: it is the window with that control and neither the status window's 1005 nor the
// settings dialog's tab control 1036.
constexpr int kMessageText = 0xFFFF;
bool IsMessageBox(HWND hwnd) {
    return GetDlgItem(hwnd, kMessageText) && !GetDlgItem(hwnd, 1005) && !GetDlgItem(hwnd, 1036);
}

BOOL CALLBACK FindVisibleWith(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<StatusWindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    const bool wanted = search->control == kMessageText ? IsMessageBox(hwnd) : GetDlgItem(hwnd, search->control) != nullptr;
    if (owner == search->processId && IsWindowVisible(hwnd) && wanted) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::string TextOf(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return WideToUtf8(text);
}

BOOL CALLBACK FindStatusWindow(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<StatusWindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->processId && GetDlgItem(hwnd, 1005)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

class Recorder {
public:
    explicit Recorder(const std::wstring& program) {
        std::vector<wchar_t> line(program.begin(), program.end());
        line.push_back(L'\0');
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
            process_ = info.hProcess;
            CloseHandle(info.hThread);
            id_ = info.dwProcessId;
        }
    }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;
    ~Recorder() {
        Kill();
        if (process_) CloseHandle(process_);
    }
    bool Started() const { return process_ != nullptr; }
    bool EndsWithin(DWORD milliseconds) const {
        return process_ && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
    }
    void Kill() {
        if (process_ && !EndsWithin(0)) {
            TerminateProcess(process_, 1);
            EndsWithin(10000);
        }
    }
    HWND StatusWindow() const {
        StatusWindowSearch search{id_, nullptr};
        EnumWindows(FindStatusWindow, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    // A visible top-level window of the recorder that holds control `id`: the settings dialog
    // (1036), a message box (its text, 0xFFFF).
    HWND WindowWith(int id) const {
        StatusWindowSearch search{id_, nullptr};
        search.control = id;
        EnumWindows(FindVisibleWith, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    HWND WaitForWindowWith(int id) const {
        return WaitFor(id == kMessageText ? "a message box" : "a window with control " + std::to_string(id),
                       [&] { return WindowWith(id); });
    }

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

class RecorderEndToEndTest : public testing::Test {
protected:
    void SetUp() override {
        WaitForSingleObject(turn_.Get(), INFINITE);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Nimbra");
        program_ = Utf8ToWide(dir_.File("KESTROWA.EXE"));
        ASSERT_TRUE(CopyFileW(BuiltProgram().c_str(), program_.c_str(), FALSE));
    }
    void TearDown() override {
        running_.clear();
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Nimbra");
        ReleaseMutex(turn_.Get());
    }

    // Starts a copy and waits until its first initialisation has run: the last thing it writes
    // is `WinDrive`, which an empty value makes it write again.
    Recorder& StartAndWait() {
        if (!Read(profile_, recorder_key::WinDrive).empty()) Write(profile_, recorder_key::WinDrive, "");
        Recorder& recorder = Start();
        WaitFor("WinDrive written", [&] { return !Read(profile_, recorder_key::WinDrive).empty(); });
        WaitFor("the status window", [&] { return recorder.StatusWindow(); });
        return recorder;
    }
    Recorder& Start() {
        running_.push_back(std::make_unique<Recorder>(program_));
        EXPECT_TRUE(running_.back()->Started());
        return *running_.back();
    }
    std::string Log() const { return dir_.Read("Kestrofl.dat"); }
    // What the install folder holds, by name, sorted.
    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Folder() const { return dir_.Path().string() + "\\"; }

    KernelHandle turn_{CreateMutexW(nullptr, FALSE, L"KestrowaEndToEndTurn")};
    TempDir dir_;
    std::wstring program_;
    RegistryProfile profile_{kProfileRoot, kRecorderProfileName};
    std::vector<std::unique_ptr<Recorder>> running_;
};

TEST_F(RecorderEndToEndTest, FirstStartWritesItsStartLineAndState) {
    StartAndWait();
    const std::vector<std::string> lines = Lines(Log());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 16u);
    EXPECT_EQ(lines[0].substr(0, 2), "S ");

    const std::string lastStart = Read(profile_, recorder_key::LastStart);
    ASSERT_EQ(lastStart.size(), 18u);
    EXPECT_EQ(lastStart.substr(0, 4), "S 20");
    // The log line is corrected by two minutes; the date of both is today's.
    EXPECT_EQ(lines[0].substr(2, 8), lastStart.substr(4, 8));
    EXPECT_EQ(Read(profile_, recorder_key::AppDir), Folder());
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    EXPECT_EQ(Read(profile_, recorder_key::WinDrive), WideToUtf8(std::wstring_view(windows, 2)));
    EXPECT_EQ(Read(profile_, recorder_key::DayCount), 1);
}

TEST_F(RecorderEndToEndTest, SecondCopyEndsAtOnceAndWritesNothing) {
    Recorder& first = StartAndWait();
    const std::string log = Log();
    const std::string lastStart = Read(profile_, recorder_key::LastStart);

    Recorder& second = Start();
    EXPECT_TRUE(second.EndsWithin(10000));
    EXPECT_FALSE(first.EndsWithin(0));
    EXPECT_EQ(Log(), log);
    EXPECT_EQ(Read(profile_, recorder_key::LastStart), lastStart);
    EXPECT_EQ(Read(profile_, recorder_key::DayCount), 1);
}

TEST_F(RecorderEndToEndTest, HeartbeatAfterThirtySecondsRepairsTheEndAfterAKill) {
    Recorder& first = StartAndWait();
    EXPECT_EQ(Read(profile_, recorder_key::LastWindwsEnd), "");
    std::string heartbeat;
    WaitFor("the first heartbeat", [&] {
        heartbeat = Read(profile_, recorder_key::LastWindwsEnd);
        return !heartbeat.empty();
    }, 45s);
    ASSERT_EQ(heartbeat.size(), 18u);
    EXPECT_EQ(heartbeat.substr(0, 4), "E 20");

    first.Kill();
    StartAndWait();
    const std::vector<std::string> lines = Lines(Log());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 2), "S ");
    EXPECT_EQ(lines[1], "E " + heartbeat.substr(4));
    EXPECT_EQ(lines[2].substr(0, 2), "S ");
    EXPECT_EQ(Read(profile_, recorder_key::DayCount), 2);
}

TEST_F(RecorderEndToEndTest, TrayMethodKeepsTheWindowHiddenAndCannotBeEnded) {
    Write(profile_, recorder_key::AptnSet, StartMethod::Tray);
    Write(profile_, recorder_key::StartUpIdok, 1);
    Recorder& recorder = StartAndWait();
    HWND status = recorder.StatusWindow();
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(HoldsFor("the status window hidden", [&] { return !IsWindowVisible(status); }, 1s));
    PostMessageW(status, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PostMessageW(status, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(recorder.EndsWithin(2000));
    EXPECT_EQ(Lines(Log()).size(), 1u);
}

// The modal loop shows its dialog when it first goes idle; the status window must still be
// minimized seconds after the start in the two methods that show it.
TEST_F(RecorderEndToEndTest, ManualAndStartupMethodsStayMinimized) {
    for (StartMethod method : {StartMethod::Manual, StartMethod::StartupFolder}) {
        SCOPED_TRACE(static_cast<int>(method));
        Write(profile_, recorder_key::AptnSet, method);
        Recorder& recorder = StartAndWait();
        HWND status = recorder.StatusWindow();
        ASSERT_NE(status, nullptr);
        ASSERT_TRUE(WaitFor("the status window shown", [&] { return IsWindowVisible(status); }));
        EXPECT_TRUE(HoldsFor("the status window shown minimized",
                             [&] { return IsWindowVisible(status) && IsIconic(status); }, 3s));
        recorder.Kill();
    }
}

TEST_F(RecorderEndToEndTest, EndButtonWritesTheEndLine) {
    Write(profile_, recorder_key::StartUpIdok, 1);
    Recorder& recorder = StartAndWait();
    HWND status = recorder.StatusWindow();
    ASSERT_NE(status, nullptr);
    PostMessageW(status, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(recorder.EndsWithin(10000));

    const std::vector<std::string> lines = Lines(Log());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 2), "S ");
    const std::string lastEnd = Read(profile_, recorder_key::LastWindwsEnd);
    ASSERT_EQ(lastEnd.size(), 18u);
    EXPECT_EQ(lines[1], "E " + lastEnd.substr(4));
}

// A log saved by an editor without its last line break: the start and end lines follow on lines
// of their own.
TEST_F(RecorderEndToEndTest, LogWithoutItsLastLineBreakGetsItsNextSessionOnLinesOfItsOwn) {
    Write(profile_, recorder_key::StartUpIdok, 1);
    dir_.Write("Kestrofl.dat", "S 11/05/03 08:00\r\nE 11/05/03 12:00");
    Recorder& recorder = StartAndWait();
    HWND status = recorder.StatusWindow();
    ASSERT_NE(status, nullptr);
    PostMessageW(status, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(recorder.EndsWithin(10000));

    const std::string log = Log();
    const std::vector<std::string> lines = Lines(log);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(log.substr(0, 36), "S 11/05/03 08:00\r\nE 11/05/03 12:00\r\n");
    EXPECT_EQ(lines[2].size(), 16u);
    EXPECT_EQ(lines[2].substr(0, 2), "S ");
    EXPECT_EQ(lines[3], "E " + Read(profile_, recorder_key::LastWindwsEnd).substr(4));
    EXPECT_EQ(log.size(), 4u * 18);
}

TEST_F(RecorderEndToEndTest, EndRepairIgnoresAHeartbeatThatIsNoEndLine) {
    Write(profile_, recorder_key::LastWindwsEnd, "E 2011/05/02 22:47" + std::string(9982, '7'));
    dir_.Write("Kestrofl.dat", "S 11/05/02 18:04\r\n");
    StartAndWait();
    const std::vector<std::string> lines = Lines(Log());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "S 11/05/02 18:04");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2].size(), 16u);
    EXPECT_EQ(lines[2].substr(0, 2), "S ");
}

TEST_F(RecorderEndToEndTest, InstalledUnderALongPathKeepsItsLogAndFolder) {
    std::string folder = Folder();
    while (folder.size() < 210) {
        folder += std::string(40, 'k') + "\\";
        ASSERT_TRUE(CreateDirectoryW(Utf8ToWide(folder).c_str(), nullptr));
    }
    program_ = Utf8ToWide(folder + "KESTROWA.EXE");
    ASSERT_TRUE(CopyFileW(BuiltProgram().c_str(), program_.c_str(), FALSE));
    StartAndWait();
    EXPECT_EQ(Read(profile_, recorder_key::AppDir), folder);
    KernelHandle log(CreateFileW(Utf8ToWide(folder + "Kestrofl.dat").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(log);
    char line[18] = {};
    DWORD read = 0;
    ASSERT_TRUE(ReadFile(log.Get(), line, sizeof line, &read, nullptr));
    EXPECT_EQ(std::string(line, read).substr(0, 2), "S ");
    EXPECT_EQ(read, 18u);
}

// The recorder's settings dialog and its message boxes, worked from outside as a user would:
// every click that opens a box is posted, and the box is answered when it shows.
class SettingsEndToEndTest : public RecorderEndToEndTest {
protected:
    static constexpr int kSettingsTabs = 1036;

    void SetUp() override {
        RecorderEndToEndTest::SetUp();
        startup_ = SystemShell().StartupFolder().value_or("");
        ASSERT_FALSE(startup_.empty());
        RemoveShortcuts();
    }
    void TearDown() override {
        RecorderEndToEndTest::TearDown();
        RemoveShortcuts();
    }
    void RemoveShortcuts() const {
        DeleteFileW(Utf8ToWide(OwnShortcut()).c_str());
        DeleteFileW(Utf8ToWide(OtherShortcut()).c_str());
    }
    std::string OwnShortcut() const { return startup_ + "KESTROWA.EXEのショートカット.lnk"; }
    std::string OtherShortcut() const { return startup_ + "Mailer.lnk"; }

    // Opens the settings dialog from the 設定 button and chooses tab `tab` with the arrow key.
    static HWND OpenSettings(const Recorder& recorder, int tab) {
        PostMessageW(recorder.StatusWindow(), WM_COMMAND, MAKEWPARAM(1009, BN_CLICKED), 0);
        HWND settings = recorder.WaitForWindowWith(kSettingsTabs);
        EXPECT_NE(settings, nullptr);
        for (int i = 0; i < tab; ++i) SendMessageW(GetDlgItem(settings, kSettingsTabs), WM_KEYDOWN, VK_RIGHT, 0);
        return settings;
    }
    // Control `id` of the page shown now.
    static HWND OnPage(HWND settings, int id) {
        for (HWND child = GetWindow(settings, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child) && GetDlgItem(child, id)) return GetDlgItem(child, id);
        return nullptr;
    }
    // Waits for the next message box, notes its text and answers it with `button`.
    static std::string Answer(const Recorder& recorder, int button) {
        HWND box = recorder.WaitForWindowWith(kMessageText);
        if (!box) return "<no box>";
        const std::string text = TextOf(GetDlgItem(box, kMessageText));
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        WaitFor("the message box gone", [&] { return !IsWindow(box); });
        return text;
    }
    static bool NoBoxWithinASecond(const Recorder& recorder) {
        return HoldsFor("no message box", [&] { return !recorder.WindowWith(kMessageText); }, 1s);
    }
    // Runs the log maintenance from the page ﾛｸﾞﾌｧｲﾙ, closes the dialog and returns what the
    // recorder said of how it went.
    static std::string Maintain(const Recorder& recorder) {
        HWND settings = OpenSettings(recorder, 3);
        PostMessageW(OnPage(settings, 1029), BM_CLICK, 0, 0);
        EXPECT_EQ(Answer(recorder, IDYES), kMaintainQuestion);
        const std::string said = Answer(recorder, IDOK);
        PostMessageW(settings, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        WaitFor("the settings dialog gone", [&] { return !IsWindow(settings); });
        return said;
    }

    std::string startup_;
};

TEST_F(SettingsEndToEndTest, TrayChosenMakesTheShortcutAndBarsTheEndThenManualDeletesOnlyIt) {
    Write(profile_, recorder_key::StartUpIdok, 1);
    Recorder& recorder = StartAndWait();
    HWND status = recorder.StatusWindow();
    ASSERT_NE(status, nullptr);
    ASSERT_EQ(TextOf(GetDlgItem(status, IDOK)), "終了(OK)");

    HWND settings = OpenSettings(recorder, 0);
    SendMessageW(OnPage(settings, 1012), BM_CLICK, 0, 0);
    PostMessageW(settings, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(Answer(recorder, IDOK), "スタートアップに\nショートカットを登録します！");
    EXPECT_EQ(Answer(recorder, IDOK), "スタートアップに\nショートカットを登録しました！");

    EXPECT_EQ(SystemShell().LinkTarget(OwnShortcut()), Folder() + "KESTROWA.EXE");
    EXPECT_EQ(Read(profile_, recorder_key::AptnSet), 1);
    EXPECT_EQ(Read(profile_, recorder_key::ShortCut), 1);
    EXPECT_EQ(TextOf(GetDlgItem(status, IDOK)), "-----");
    // In the tray method the minimize button hides the window, and the icon calls it up again.
    PostMessageW(status, WM_COMMAND, MAKEWPARAM(1029, BN_CLICKED), 0);
    EXPECT_TRUE(WaitFor("the status window hidden", [&] { return !IsWindowVisible(status); }));
    PostMessageW(status, 0x8064, 1, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitFor("the status window shown", [&] { return IsWindowVisible(status); }));

    ASSERT_TRUE(SystemShell().MakeShellLink("C:\\windows\\notepad.exe", "", OtherShortcut()));
    settings = OpenSettings(recorder, 0);
    SendMessageW(OnPage(settings, 1014), BM_CLICK, 0, 0);
    PostMessageW(settings, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(Answer(recorder, IDYES), "スタートアップから\nショートカット「KESTROWA.EXEのショートカット.lnk」を削除します！");
    EXPECT_TRUE(NoBoxWithinASecond(recorder)) << "another program's shortcut is not offered";
    EXPECT_EQ(GetFileAttributesW(Utf8ToWide(OwnShortcut()).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(SystemShell().LinkTarget(OtherShortcut()), "C:\\windows\\notepad.exe");
    EXPECT_EQ(Read(profile_, recorder_key::ShortCut), 0);
}

TEST_F(SettingsEndToEndTest, MaintenanceKeepsTheOldLogAsBackupAndMergesQuickRestarts) {
    dir_.Write("Kestrofl.dat", "S 11/05/03 08:00\r\nE 11/05/03 12:00\r\nS 11/05/03 12:05\r\nE 11/05/03 18:00\r\n");
    Recorder& recorder = StartAndWait();
    const std::string before = Log();
    const std::vector<std::string> lines = Lines(before);
    ASSERT_EQ(lines.size(), 5u);
    const std::string running = lines[4];

    EXPECT_EQ(Maintain(recorder), "ログファイルの編集が完了しました。");
    EXPECT_EQ(dir_.Read("Kestrofl.bak"), before);
    EXPECT_EQ(Lines(Log()), (std::vector<std::string>{"S 11/05/03 08:00", "E 11/05/03 18:00", running, running}));
}

// A link of the host at a name the maintenance works with, to a file outside the folder or to
// none: Wine shows it as the file it leads to, or not at all. Nothing outside is written, made or
// removed through it. At the two names of the replace it cannot go safely, so the maintenance
// stops and says so, the log and the backup as they were; at the backup's name the rename
// replaces the link itself.
TEST_F(SettingsEndToEndTest, MaintenanceNeverReachesThroughALinkBesideTheLog) {
    namespace fs = std::filesystem;
    dir_.Write("Kestrofl.dat", "S 11/05/03 08:00\r\nE 11/05/03 12:00\r\n");
    dir_.Write("Kestrofl.bak", "older backup\r\n");
    Recorder& recorder = StartAndWait();
    TempDir outside;
    const fs::path canary = outside.Path() / "canary";
    const struct {
        const char* name;
        bool toAFile;
    } cases[] = {{"Kestrofl.dat.replacing", true}, {"Kestrofl.dat.replaced", true},
                 {"Kestrofl.dat.replacing", false}, {"Kestrofl.dat.replaced", false}, {"Kestrofl.bak", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.toAFile ? " to a file" : " to none"));
        const fs::path link = dir_.Path() / c.name;
        outside.Write("canary", "canary\r\n");
        ASSERT_TRUE(OnHost("/bin/ln", L"-sf", {canary, link}, [&] { return dir_.Read(c.name) == "canary\r\n"; }));
        if (!c.toAFile) {
            ASSERT_TRUE(DeleteFileW(canary.c_str()));
        }
        const std::string log = Log();
        const std::string backup = dir_.Read("Kestrofl.bak");
        const std::vector<std::string> names = Names(dir_.Path());
        const bool atTheBackup = link.filename() == "Kestrofl.bak";

        EXPECT_EQ(Maintain(recorder), atTheBackup ? kMaintainDoneText : kMaintainFailedText);
        EXPECT_EQ(Names(outside.Path()), c.toAFile ? std::vector<std::string>{"canary"} : std::vector<std::string>{});
        if (c.toAFile) {
            EXPECT_EQ(outside.Read("canary"), "canary\r\n");
        }
        if (atTheBackup) {
            EXPECT_EQ(dir_.Read("Kestrofl.bak"), log);
        } else {
            EXPECT_EQ(Log(), log);
            EXPECT_EQ(dir_.Read("Kestrofl.bak"), backup);
            EXPECT_EQ(Names(dir_.Path()), names);
            // Seen again through a file at its end, the link is removed on the host.
            outside.Write("canary", "canary\r\n");
            ASSERT_TRUE(OnHost("/bin/rm", L"-f", {link}, [&] { return !fs::exists(link); }));
        }
    }
}

// A failed maintenance leaves nothing beside the log, and what an earlier one left there (a
// kill, a version that left its read-only copy of a read-only log behind) is cleared by the next,
// which goes through. A read-only file there that also has a name outside the folder is not such
// a leftover: clearing its attribute would clear the other name's, so it stops the maintenance.
TEST_F(SettingsEndToEndTest, MaintenanceClearsWhatAnEarlierOneLeftBesideTheLog) {
    namespace fs = std::filesystem;
    dir_.Write("Kestrofl.dat", "S 11/05/03 08:00\r\nE 11/05/03 12:00\r\n");
    const std::wstring log = Utf8ToWide(dir_.File("Kestrofl.dat"));
    Recorder& recorder = StartAndWait();
    const std::string before = Log();
    const std::vector<std::string> names = Names(dir_.Path());

    // A read-only log another program holds open without letting it be deleted.
    ASSERT_TRUE(SetFileAttributesW(log.c_str(), FILE_ATTRIBUTE_READONLY));
    {
        KernelHandle holder(CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(holder);
        EXPECT_EQ(Maintain(recorder), kMaintainFailedText);
    }
    EXPECT_EQ(Log(), before);
    EXPECT_EQ(Names(dir_.Path()), names);

    TempDir outside;
    const std::wstring other = Utf8ToWide(outside.File("other"));
    const std::wstring replaced = Utf8ToWide(dir_.File("Kestrofl.dat.replaced"));
    outside.Write("other", "other\r\n");
    ASSERT_TRUE(SetFileAttributesW(other.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CreateHardLinkW(replaced.c_str(), other.c_str(), nullptr));
    EXPECT_EQ(Maintain(recorder), kMaintainFailedText);
    EXPECT_EQ(Log(), before);
    EXPECT_NE(GetFileAttributesW(other.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(outside.Read("other"), "other\r\n");
    ASSERT_TRUE(SetFileAttributesW(replaced.c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(DeleteFileW(replaced.c_str()));

    for (const char* name : {"Kestrofl.dat.replacing", "Kestrofl.dat.replaced"}) {
        dir_.Write(name, "left\r\n");
        ASSERT_TRUE(SetFileAttributesW(Utf8ToWide(dir_.File(name)).c_str(), FILE_ATTRIBUTE_READONLY));
    }
    EXPECT_EQ(Maintain(recorder), kMaintainDoneText);
    EXPECT_EQ(dir_.Read("Kestrofl.bak"), before);
    EXPECT_EQ(Names(dir_.Path()), (std::vector<std::string>{"KESTROWA.EXE", "Kestrofl.bak", "Kestrofl.dat"}));
    // The backup is the read-only log's copy; as such it would outlast the folder's removal.
    SetFileAttributesW(Utf8ToWide(dir_.File("Kestrofl.bak")).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SettingsEndToEndTest, NoticeSwitchedOnComesAtTheNextRefresh) {
    Write(profile_, recorder_key::Sec, 1);
    Recorder& recorder = StartAndWait();
    HWND settings = OpenSettings(recorder, 4);
    SendMessageW(OnPage(settings, 1041), BM_CLICK, 0, 0);
    SetWindowTextW(OnPage(settings, 1040), L"1");
    PostMessageW(settings, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    // The start was corrected by two minutes: one minute has passed at once.
    HWND box = recorder.WaitForWindowWith(kMessageText);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), "　経過時間のお知らせ");
    EXPECT_EQ(Answer(recorder, IDOK), "起動後1分経過しました！");
}

// Windows announces the sleep, then the wake twice when the user woke the PC. The sleep lasts
// into a later minute, so that a session that ran on through it would show in the month figures.
TEST_F(RecorderEndToEndTest, SleepAndWakeEndTheSessionAndStartTheNext) {
    Write(profile_, recorder_key::MonthTimeForm, 0);
    Recorder& recorder = StartAndWait();
    HWND status = recorder.StatusWindow();
    ASSERT_NE(status, nullptr);
    SendMessageW(status, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    const std::string slept = Lines(Log()).back();
    const SystemClock clock;
    WaitFor("a minute later than the sleep's", [&] { return FileLine(FullEndLine(clock.Now())) != slept; }, 65s);
    SendMessageW(status, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    SendMessageW(status, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);

    const std::vector<std::string> lines = Lines(Log());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], slept);
    EXPECT_EQ(slept.substr(0, 2), "E ");
    EXPECT_EQ(lines[2].substr(0, 2), "S ");
    const LogStamp start = ParseLogLine(lines[0]);
    const int ranMinutes = SessionMinutes(start, ParseLogLine(lines[1]));
    ASSERT_LT(ranMinutes, SessionMinutes(start, ParseLogLine(lines[2])));
    EXPECT_EQ(TextOf(GetDlgItem(status, 1051)), "  1回");
    EXPECT_EQ(TextOf(GetDlgItem(status, 1050)), MonthTimeText({true, ranMinutes, 1}, 0));
    EXPECT_FALSE(recorder.EndsWithin(0));
}

// Faults the recorder must survive: killed at any instant, started many times at once, kept
// from its log.

// A count from the environment: scripts/faults asks for longer runs than the test command.
int FromEnvironment(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

// Every line 16 characters of a start or end line, or empty, and each ended by CR LF.
testing::AssertionResult WellFormed(const std::string& log) {
    for (size_t from = 0; from < log.size();) {
        const size_t end = log.find("\r\n", from);
        if (end == std::string::npos) return testing::AssertionFailure() << "line without its end at byte " << from;
        const std::string line = log.substr(from, end - from);
        if (!line.empty() && (line.size() != 16 || (line[0] != 'S' && line[0] != 'E')))
            return testing::AssertionFailure() << "line \"" << line << "\" at byte " << from;
        from = end + 2;
    }
    return testing::AssertionSuccess();
}

bool EndsWithEndLine(const std::string& log) {
    const std::vector<std::string> lines = Lines(log);
    const auto last = std::find_if(lines.rbegin(), lines.rend(), [](const std::string& l) { return !l.empty(); });
    return last != lines.rend() && (*last)[0] == 'E';
}

class KilledRecorderTest : public RecorderEndToEndTest {
protected:
    // What a start finds: whether the log exists, its bytes and the last heartbeat.
    struct Found {
        bool logExists;
        std::string log;
        std::string heartbeat;
    };
    Found Now() const {
        return {GetFileAttributesW(Utf8ToWide(dir_.File("Kestrofl.dat")).c_str()) != INVALID_FILE_ATTRIBUTES, Log(),
                Read(profile_, recorder_key::LastWindwsEnd)};
    }
    // The log after a start that found `before`: every line whole, the old lines as they were,
    // then the first lines of the end repair (when one was due) and of the start line, all of them
    // when the start ran to its end.
    void ExpectWrittenAfter(const Found& before, bool ranToTheEnd) const {
        const std::string after = Log();
        ASSERT_TRUE(WellFormed(after));
        ASSERT_EQ(after.substr(0, before.log.size()), before.log);
        std::vector<std::string> due;
        if (before.logExists && !EndsWithEndLine(before.log)) due.push_back("E " + before.heartbeat.substr(4));
        const std::vector<std::string> added = Lines(after.substr(before.log.size()));
        ASSERT_LE(added.size(), due.size() + 1);
        if (ranToTheEnd) {
            EXPECT_EQ(added.size(), due.size() + 1);
        }
        for (size_t i = 0; i < added.size(); ++i) {
            if (i < due.size()) EXPECT_EQ(added[i], due[i]);
            else EXPECT_EQ(added[i].substr(0, 2), "S ");
        }
    }
};

TEST_F(KilledRecorderTest, KilledAtAnyInstantItLosesNoLineAndTheNextStartRepairsTheEnd) {
    const int cycles = FromEnvironment("KESTROWA_KILL_CYCLES", 5);
    const int longest = FromEnvironment("KESTROWA_KILL_LONGEST_MS", 1500);
    const auto seed = static_cast<unsigned>(FromEnvironment("KESTROWA_KILL_SEED", static_cast<int>(std::random_device{}())));
    SCOPED_TRACE("KESTROWA_KILL_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> instant(0, longest);
    // The desktop window comes from a process of its own that the first window of the prefix
    // starts: started by a copy killed on the way, it would outlive the test.
    GetDesktopWindow();
    // Until a run's first heartbeat, the one of an earlier run is what the next start copies.
    Write(profile_, recorder_key::LastWindwsEnd, "E 2011/05/02 22:47");
    int afterHeartbeat = 0;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        const Found before = Now();
        const int killedAfter = instant(random);
        SCOPED_TRACE("cycle " + std::to_string(cycle) + " killed after " + std::to_string(killedAfter) + " ms");
        {
            Recorder recorder(program_);
            ASSERT_TRUE(recorder.Started());
            // The instant of the kill is what the test draws at random, not a wait for anything.
            std::this_thread::sleep_for(std::chrono::milliseconds(killedAfter));
            recorder.Kill();
            ASSERT_TRUE(recorder.EndsWithin(0));
        }
        if (Read(profile_, recorder_key::LastWindwsEnd) != before.heartbeat) ++afterHeartbeat;
        ASSERT_NO_FATAL_FAILURE(ExpectWrittenAfter(before, false));
    }
    // The last kill's end is repaired too.
    const Found before = Now();
    StartAndWait();
    ExpectWrittenAfter(before, true);
    std::printf("%d of %d cycles killed after a heartbeat\n", afterHeartbeat, cycles);
}

// Copies of the program created together and let go at the same instant.
class SimultaneousCopies {
public:
    SimultaneousCopies(const std::wstring& program, int count) {
        for (int i = 0; i < count; ++i) {
            std::vector<wchar_t> line(program.begin(), program.end());
            line.push_back(L'\0');
            STARTUPINFOW startup{};
            startup.cb = sizeof startup;
            PROCESS_INFORMATION info{};
            if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                                &startup, &info))
                continue;
            processes_.emplace_back(info.hProcess);
            threads_.emplace_back(info.hThread);
        }
        for (const KernelHandle& thread : threads_) ResumeThread(thread.Get());
    }
    SimultaneousCopies(const SimultaneousCopies&) = delete;
    SimultaneousCopies& operator=(const SimultaneousCopies&) = delete;
    ~SimultaneousCopies() {
        for (const KernelHandle& process : processes_) {
            TerminateProcess(process.Get(), 1);
            WaitForSingleObject(process.Get(), 10000);
        }
    }
    size_t Started() const { return processes_.size(); }
    size_t Running() const {
        return std::count_if(processes_.begin(), processes_.end(),
                             [](const KernelHandle& p) { return WaitForSingleObject(p.Get(), 0) == WAIT_TIMEOUT; });
    }

private:
    std::vector<KernelHandle> processes_;
    std::vector<KernelHandle> threads_;
};

TEST_F(RecorderEndToEndTest, CopiesStartedAtTheSameInstantWriteOneStartLine) {
    SimultaneousCopies copies(program_, 6);
    ASSERT_EQ(copies.Started(), 6u);
    WaitFor("one copy left, WinDrive written",
            [&] { return copies.Running() <= 1 && !Read(profile_, recorder_key::WinDrive).empty(); });
    EXPECT_EQ(copies.Running(), 1u);
    const std::vector<std::string> lines = Lines(Log());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(0, 2), "S ");
    EXPECT_EQ(Read(profile_, recorder_key::DayCount), 1);
}

// A folder where the log should be: every write is refused. The recorder runs on, ends when asked,
// and leaves the place as it found it (a log held open is the test after this one).
TEST_F(RecorderEndToEndTest, ALogThatCannotBeWrittenStaysAsItWasWhileTheRecorderRuns) {
    Write(profile_, recorder_key::StartUpIdok, 1);
    const std::wstring log = Utf8ToWide(dir_.File("Kestrofl.dat"));
    ASSERT_TRUE(CreateDirectoryW(log.c_str(), nullptr));
    Recorder& recorder = StartAndWait();
    HWND status = recorder.StatusWindow();
    ASSERT_NE(status, nullptr);
    EXPECT_FALSE(recorder.EndsWithin(1000));
    PostMessageW(status, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(recorder.EndsWithin(10000));
    EXPECT_EQ(FolderNames(), (std::vector<std::string>{"KESTROWA.EXE", "Kestrofl.dat"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir_.Path() / "Kestrofl.dat"));
}

// A log that cannot be written for a while: the title says so from the start, no box opens, and
// the start line, then a sleep's end and the wake's start, wait in the registry in order; writable
// again, the next heartbeat writes them after the log's own lines, and the title is the start's
// again. The log is held open without sharing: Wine run as root writes through a read-only
// attribute or folder, a held file it refuses to anyone.
TEST_F(RecorderEndToEndTest, ALogThatCannotBeWrittenKeepsItsLinesUntilItCanBeWrittenAgain) {
    Write(profile_, recorder_key::StartUpIdok, 1);
    const std::wstring log = Utf8ToWide(dir_.File("Kestrofl.dat"));
    const std::string before = "S 11/05/02 18:04\r\nE 11/05/02 20:00\r\n";
    dir_.Write("Kestrofl.dat", before);
    std::optional<KernelHandle> lock(CreateFileW(log.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(*lock);
    Recorder& recorder = StartAndWait();
    HWND status = recorder.StatusWindow();
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(WaitFor("the title naming the log", [&] { return TextOf(status).find(dir_.File("Kestrofl.dat")) != std::string::npos; }));
    SendMessageW(status, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    SendMessageW(status, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    const std::vector<std::string> kept = Lines(Read(profile_, recorder_key::PendingLines));
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].substr(0, 2), "S ");
    EXPECT_EQ(kept[1].substr(0, 2), "E ");
    EXPECT_EQ(kept[2].substr(0, 2), "S ");
    EXPECT_TRUE(HoldsFor("no message box", [&] { return !recorder.WindowWith(kMessageText); }, 1s));

    lock.reset();
    WaitFor("the kept lines written", [&] { return Read(profile_, recorder_key::PendingLines).empty(); }, 45s);
    EXPECT_EQ(Log(), before + CrLf({kept[0].c_str(), kept[1].c_str(), kept[2].c_str()}));
    EXPECT_TRUE(WaitFor("the start's title", [&] { return TextOf(status).find("記録ファイル") == std::string::npos; }));
    PostMessageW(status, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(recorder.EndsWithin(10000));
    const std::vector<std::string> lines = Lines(Log());
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[5].substr(0, 2), "E ");
    EXPECT_EQ(FolderNames(), (std::vector<std::string>{"KESTROWA.EXE", "Kestrofl.dat"}));
}

// Any process's status window: one recorder runs in this prefix.
BOOL CALLBACK FindAnyStatusWindow(HWND hwnd, LPARAM lParam) {
    if (!GetDlgItem(hwnd, 1005)) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hwnd;
    return FALSE;
}
HWND AnyStatusWindow() {
    HWND found = nullptr;
    EnumWindows(FindAnyStatusWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The recorder's clock set a day forward while it runs, by the C library's clock of its process
// (libfaketime, reading its offset from a file at each call; the counters left as they are), then
// WM_TIMECHANGE: the session ends at the old clock's time and the next starts at the new clock's,
// a day later, without a session that ends before it starts. Wine builds a Windows program's
// process environment from its parent's, not from the environment block handed to it, so the
// recorder is started through the Unix loader, which gets that block: it is found by its window.
TEST_F(RecorderEndToEndTest, AClockSetADayForwardEndsTheSessionAndStartsTheNextAtTheNewTime) {
    constexpr const char* kFakeTime = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1";
    if (GetFileAttributesW(Utf8ToWide(std::string("Z:") + kFakeTime).c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "libfaketime is not installed (scripts/setup installs it)";
    using UnixName = char*(CDECL*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    ASSERT_NE(unixName, nullptr);
    dir_.Write("offset", "+0\n");
    const std::string offsetFile = unixName(Utf8ToWide(dir_.File("offset")).c_str());
    const std::pair<const wchar_t*, std::string> environment[] = {
        {L"LD_PRELOAD", kFakeTime},
        {L"FAKETIME_TIMESTAMP_FILE", offsetFile},
        {L"FAKETIME_NO_CACHE", "1"},
        {L"FAKETIME_DONT_FAKE_MONOTONIC", "1"},
    };
    for (const auto& [name, value] : environment) SetEnvironmentVariableW(name, Utf8ToWide(value).c_str());
    Write(profile_, recorder_key::StartUpIdok, 1);
    std::wstring line = L"Z:\\usr\\bin\\wine \"" + program_ + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
    for (const auto& [name, value] : environment) SetEnvironmentVariableW(name, nullptr);
    ASSERT_TRUE(started);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    // The window exists before its initialisation has read the clock; `WinDrive` is written last.
    WaitFor("WinDrive written", [&] { return !Read(profile_, recorder_key::WinDrive).empty(); });
    HWND status = WaitFor("the status window", [] { return AnyStatusWindow(); });
    ASSERT_NE(status, nullptr);
    // Ended whatever the checks find: a recorder left running would hold the next test's mutex.
    struct EndAtExit {
        HWND window;
        ~EndAtExit() {
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            WaitFor("the recorder ended", [this] { return !IsWindow(window); });
        }
    } end{status};

    dir_.Write("offset", "+1d\n");
    PostMessageW(status, WM_TIMECHANGE, 0, 0);
    WaitFor("the session ended and the next started", [&] { return Lines(Log()).size() >= 3; });
    PostMessageW(status, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    WaitFor("the end line", [&] { return Lines(Log()).size() >= 4; });

    const std::vector<std::string> lines = Lines(Log());
    SCOPED_TRACE(Log());
    ASSERT_EQ(lines.size(), 4u);
    std::vector<LogStamp> stamps;
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].substr(0, 2), i % 2 == 0 ? "S " : "E ");
        stamps.push_back(ParseLogLine(lines[i]));
    }
    // The start line carries the correction of 2 minutes.
    EXPECT_LE(SessionMinutes(stamps[0], stamps[1]), 3);
    EXPECT_TRUE(SameDate(stamps[0], stamps[1]));
    EXPECT_NEAR(SessionMinutes(stamps[1], stamps[2]), 1440, 1);
    EXPECT_FALSE(SameDate(stamps[1], stamps[2]));
    EXPECT_TRUE(SameDate(stamps[2], stamps[3]));
    EXPECT_LE(SessionMinutes(stamps[2], stamps[3]), 1);
    EXPECT_GE(stamps[3].minutes, stamps[2].minutes);
}

}  // namespace
}  // namespace kestrowa
