// Starts the real ORVELLE.EXE on a prepared ORVELLE.INI and the recorder's AppDir, and works its
// display settings dialog from outside as a user would: the viewer's settings file and the
// recorder's key have fixed places, so these cases run alone (see CMakeLists.txt).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "../../TempDir.h"
#include "../WaitFor.h"
#include "platform/win/os/Handle.h"
#include "platform/win/os/IniProfile.h"
#include "platform/win/os/RegistryProfile.h"
#include "platform/win/os/Text.h"
#include "shared/RecorderSettings.h"
#include "shared/Strings.h"
#include "viewer/ViewerSettings.h"

namespace kestrowa {
namespace {

std::wstring BuiltProgram() {
    std::wstring path = L"Z:" + Utf8ToWide(ORVELLE_EXE);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// Asked of the window itself: an edit of another process keeps its text to itself.
std::string WindowText(HWND window) {
    wchar_t text[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return WideToUtf8(text);
}

struct TopSearch {
    DWORD processId;
    std::wstring title;  // a part of the title
    HWND found = nullptr;
};

BOOL CALLBACK FindTop(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<TopSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t title[512] = {};
    GetWindowTextW(window, title, 512);
    if (owner == search->processId && IsWindowVisible(window) && std::wstring(title).find(search->title) != std::wstring::npos) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The page of the settings dialog that holds control `id`.
HWND PageWith(HWND settings, int id) {
    for (HWND page = nullptr; (page = FindWindowExW(settings, page, L"#32770", nullptr));)
        if (GetDlgItem(page, id)) return page;
    return nullptr;
}

// The viewer as a process of its own.
class Viewer {
public:
    Viewer() : process_(Start(id_)) { main_ = WaitFor("the main window", [this] { return Top(L"Orvelle Check"); }); }
    Viewer(const Viewer&) = delete;
    Viewer& operator=(const Viewer&) = delete;
    ~Viewer() {
        if (process_ && WaitForSingleObject(process_.Get(), 0) != WAIT_OBJECT_0) {
            TerminateProcess(process_.Get(), 1);
            WaitForSingleObject(process_.Get(), 10000);
        }
    }

    HWND Main() const { return main_; }
    std::string Title() const { return WindowText(main_); }
    std::string Text(int id) const { return WindowText(GetDlgItem(main_, id)); }
    bool Close() {
        PostMessageW(main_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return WaitForSingleObject(process_.Get(), 10000) == WAIT_OBJECT_0;
    }

    // Clicks 設定, lets `act` work the dialog and presses OK.
    void ChangeSettings(const std::function<void(HWND settings)>& act) {
        PostMessageW(main_, WM_COMMAND, MAKEWPARAM(1021, BN_CLICKED), 0);
        HWND settings = WaitFor("the settings dialog", [this] { return Top(L" 表示設定"); });
        ASSERT_NE(settings, nullptr);
        act(settings);
        PostMessageW(settings, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ASSERT_TRUE(WaitFor("the settings dialog gone", [&] { return !IsWindow(settings); }));
    }

    // The text of a cell of the main list, read through memory of the viewer's own.
    std::string Cell(int row, int column) const {
        HWND list = GetDlgItem(main_, 1009);
        KernelHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id_));
        constexpr int kChars = 256;
        char* remote = static_cast<char*>(
            VirtualAllocEx(process.Get(), nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
        if (!remote) return "(no memory)";
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
        item.cchTextMax = kChars;
        WriteProcessMemory(process.Get(), remote, &item, sizeof item, nullptr);
        const auto length = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
        wchar_t text[kChars] = {};
        ReadProcessMemory(process.Get(), item.pszText, text, sizeof text, nullptr);
        VirtualFreeEx(process.Get(), remote, 0, MEM_RELEASE);
        return WideToUtf8(std::wstring_view(text, static_cast<size_t>(std::clamp<LRESULT>(length, 0, kChars))));
    }
    // The calendar's cell of the 1st, in its first row.
    std::string FirstOfMonth() const {
        for (int column = 0; column < 7; ++column)
            if (Cell(0, column).rfind(" 1/", 0) == 0) return Cell(0, column);
        return "";
    }

private:
    static HANDLE Start(DWORD& id) {
        std::wstring line = BuiltProgram();
        line.push_back(L'\0');
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return nullptr;
        CloseHandle(info.hThread);
        id = info.dwProcessId;
        return info.hProcess;
    }
    HWND Top(const wchar_t* title) const {
        TopSearch search{id_, title};
        EnumWindows(FindTop, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    DWORD id_ = 0;
    KernelHandle process_;
    HWND main_ = nullptr;
};

class ViewerEndToEndTest : public testing::Test {
protected:
    void SetUp() override {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        const std::string month = Format("%02d/%02d/", now.wYear % 100, now.wMonth);
        dir_.Write("Kestrofl.dat", CrLf({("S " + month + "01 08:00").c_str(), ("E " + month + "01 09:00").c_str()}));
        dir_.Write("other.dat", CrLf({("S " + month + "01 08:00").c_str(), ("E " + month + "01 11:30").c_str()}));
        other_ = dir_.File("other.dat");
        Write(recorder_, recorder_key::AppDir, dir_.Path().string() + "\\");
        DeleteFileW(Utf8ToWide(IniPath()).c_str());
        settings_.WriteText(kViewerSection, SubFileKey(2), other_);
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Nimbra\\Kestrowa");
        DeleteFileW(Utf8ToWide(IniPath()).c_str());
    }
    static std::string IniPath() {
        wchar_t windows[MAX_PATH] = {};
        GetWindowsDirectoryW(windows, MAX_PATH);
        return WideToUtf8(windows) + "\\" + kViewerProfileFile;
    }

    TempDir dir_;
    std::string other_;
    RegistryProfile recorder_{kProfileRoot, kRecorderProfileName};
    IniProfile settings_ = IniProfile::InWindowsDirectory(kViewerProfileFile);
};

TEST_F(ViewerEndToEndTest, AFurtherLogAndTheTimeFormatAreChosenShownAndKept) {
    {
        Viewer viewer;
        ASSERT_NE(viewer.Main(), nullptr);
        EXPECT_EQ(viewer.Text(1008), "1:00");

        // The ファイル page is shown first; the further log is the list's third item.
        viewer.ChangeSettings([](HWND settings) {
            HWND page = PageWith(settings, 1036);
            HWND list = GetDlgItem(page, 1036);
            SendMessageW(list, CB_SETCURSEL, 2, 0);
            SendMessageW(page, WM_COMMAND, MAKEWPARAM(1036, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        });
        EXPECT_EQ(viewer.Title(), "Orvelle Check (" + other_ + ")");
        EXPECT_EQ(viewer.Text(1008), "3:30");
        EXPECT_EQ(viewer.FirstOfMonth(), " 1/ 3:30");

        viewer.ChangeSettings([](HWND settings) {
            SendDlgItemMessageW(settings, 1044, TCM_SETCURFOCUS, 0, 0);
            SendMessageW(GetDlgItem(PageWith(settings, 1031), 1031), BM_CLICK, 0, 0);
        });
        EXPECT_EQ(viewer.Text(1008), "3.50");
        EXPECT_EQ(viewer.Text(1033), "(*.*時間)");
        EXPECT_EQ(viewer.FirstOfMonth(), " 1/  3.50");
        EXPECT_TRUE(viewer.Close());
    }
    EXPECT_EQ(ReadViewer(settings_, viewer_key::SecondLog), other_);
    EXPECT_EQ(ReadViewer(settings_, viewer_key::CombSelectNo), 2);
    EXPECT_EQ(ReadViewer(settings_, viewer_key::TimeMode), 1);
    EXPECT_EQ(ReadViewer(settings_, viewer_key::TabNo), 0);

    Viewer again;
    ASSERT_NE(again.Main(), nullptr);
    EXPECT_EQ(again.Title(), "Orvelle Check (" + other_ + ")");
    EXPECT_EQ(again.Text(1008), "3.50");
    EXPECT_EQ(again.FirstOfMonth(), " 1/  3.50");
    EXPECT_TRUE(again.Close());
}

}  // namespace
}  // namespace kestrowa
