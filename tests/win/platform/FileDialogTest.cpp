#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <atomic>
#include <thread>

#include "../WaitFor.h"
#include "WideTempFolder.h"
#include "platform/win/ui/FileDialog.h"

using namespace kestrowa;

namespace {

// Answers the file-open dialog of `thread` until it closes: types `name` into its file-name
// field and presses OK, or presses Cancel when `name` is empty. A dialog still setting itself
// up may miss the first try, so it tries again until the dialog's caller has its answer.
class DialogAnswer {
public:
    DialogAnswer(DWORD thread, std::wstring name)
        : worker_([this, thread, name = std::move(name)] {
              WaitFor("the file dialog answered", [&] {
                  if (HWND dialog = FindDialog(thread)) {
                      if (name.empty()) {
                          PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                      } else {
                          SetDlgItemTextW(dialog, cmb13, name.c_str());
                          PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                       reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
                      }
                  }
                  return stop_.load();
              });
          }) {}
    ~DialogAnswer() {
        stop_ = true;
        worker_.join();
    }

private:
    static HWND FindDialog(DWORD thread) {
        HWND found = nullptr;
        EnumThreadWindows(
            thread,
            [](HWND hwnd, LPARAM out) {
                wchar_t name[16] = {};
                GetClassNameW(hwnd, name, 16);
                if (std::wstring_view(name) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
                *reinterpret_cast<HWND*>(out) = hwnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    std::atomic<bool> stop_{false};
    std::thread worker_;
};

const FileOpenRequest kLogRequest{"dat files (*.dat)|*.dat|txt files (*.txt)|*.txt|All files (*.*)|*.*||", "dat",
                                  "*.dat"};

TEST(SystemFileDialogs, ChosenFileComesBackAsItsFullPath) {
    WideTempFolder dir;
    ASSERT_TRUE(WideTempFolder::Write(dir.File("ログ記録.dat"), "S 11/05/03 08:15\r\n"));
    SystemFileDialogs dialogs;
    struct Case {
        const char* typed;
        std::string chosen;
    } cases[] = {
        {"ログ記録.dat", dir.File("ログ記録.dat")},
        {"", ""},                                // cancelled
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::wstring typed = *c.typed ? Utf8ToWide(dir.File(c.typed)) : std::wstring();
        DialogAnswer answer(GetCurrentThreadId(), typed);
        EXPECT_EQ(dialogs.ChooseFileToOpen(kLogRequest), c.chosen);
    }
}

}  // namespace
