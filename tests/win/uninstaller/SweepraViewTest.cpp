#include <gtest/gtest.h>
#include <windows.h>

#include <deque>

#include "uninstaller/SweepraApp.h"

using namespace kestrowa;

namespace {

// Answers the questions in turn, OK for true, and notes what was asked.
class AnsweringPrompts : public UserPrompts {
public:
    explicit AnsweringPrompts(std::deque<bool> answers) : answers_(std::move(answers)) {}
    int ShowMessage(HWND, std::string_view text, std::string_view caption, UINT type) override {
        EXPECT_EQ(caption, "Sweepra");
        EXPECT_EQ(type, static_cast<UINT>(MB_OKCANCEL));
        questions.emplace_back(text);
        bool ok = answers_.front();
        answers_.pop_front();
        return ok ? IDOK : IDCANCEL;
    }
    void OpenDocument(HWND, const std::string&) override { ADD_FAILURE() << "no document to open"; }
    std::vector<std::string> questions;

private:
    std::deque<bool> answers_;
};

// An application folder holding the recorder and nothing to delete.
class CountingDirectory : public Directory {
public:
    std::vector<DirectoryEntry> List(const std::string&) const override {
        ++lists;
        return {{"KESTROWA.EXE", false, false}};
    }
    Removal RemoveFile(const std::string&, const std::string&) override {
        return ++removals, Removal::Removed;
    }
    Removal RemoveEmptyFolder(const std::string&, const std::string&) override {
        return ++removals, Removal::Removed;
    }
    mutable int lists = 0;
    int removals = 0;
};

class CountingKeys : public KeyRemover {
public:
    void DeleteKey(const std::string&) override { ++deleted; }
    int deleted = 0;
};

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::wstring Title(HWND hwnd) {
    wchar_t text[256] = L"";
    GetWindowTextW(hwnd, text, 256);
    return text;
}

struct Program {
    explicit Program(std::deque<bool> answers)
        : doc("C:\\nowhere\\Sweepra.exe", [](std::string_view b) { return std::string(b); }),
          prompts(std::move(answers)),
          view(doc, directory, keys, prompts),
          frame(view) {}
    CSweepraDoc doc;
    CountingDirectory directory;
    CountingKeys keys;
    AnsweringPrompts prompts;
    CSweepraView view;
    CMainFrame frame;
};

TEST(CSweepraView, RunsOnceOnTheFirstPaintAndNeverAgain) {
    Program program({true, true});
    ASSERT_TRUE(program.frame.Create(GetModuleHandleW(nullptr)));
    ShowWindow(program.frame.Hwnd(), SW_SHOWNORMAL);
    UpdateWindow(program.frame.Hwnd());
    Pump();
    EXPECT_EQ(program.prompts.questions,
              (std::vector<std::string>{"アプリケーションをアンインストールしますか？",
                                        "ｱﾌﾟﾘｹｰｼｮﾝがあるﾌｫﾙﾀﾞ内の全ファイルを削除します！"}));
    EXPECT_EQ(Title(program.frame.Hwnd()),
              L"ケストロワ のアンインストール   ［実行モデュール Sweepra.exe Ver1.10］");
    EXPECT_EQ(program.keys.deleted, 2);
    const std::vector<draw::Text> texts = program.view.Report().Texts();
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts.back().text, "ながらくのご利用ありがとうございました！");

    const DrawList report = program.view.Report();
    int lists = program.directory.lists;
    RedrawWindow(program.view.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump();
    EXPECT_EQ(program.directory.lists, lists) << "a repaint must not run the uninstall again";
    EXPECT_EQ(program.view.Report(), report);

    // Moved to a monitor of 144 DPI, the frame takes the rectangle proposed for it.
    RECT proposed{40, 30, 940, 705}, now{};
    SendMessageW(program.frame.Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&proposed));
    GetWindowRect(program.frame.Hwnd(), &now);
    EXPECT_TRUE(EqualRect(&now, &proposed));
    EXPECT_TRUE(IsWindow(program.frame.Hwnd()));
    DestroyWindow(program.frame.Hwnd());
}

TEST(CSweepraView, CancelInEitherQuestionTouchesNothingAndClosesTheWindow) {
    for (bool firstOk : {false, true}) {
        Program program({firstOk, false});
        ASSERT_TRUE(program.frame.Create(GetModuleHandleW(nullptr)));
        ShowWindow(program.frame.Hwnd(), SW_SHOWNORMAL);
        UpdateWindow(program.frame.Hwnd());
        EXPECT_EQ(Title(program.frame.Hwnd()), L"Sweepra.exe Ver1.11");
        Pump();
        EXPECT_EQ(program.prompts.questions.size(), firstOk ? 2u : 1u);
        EXPECT_EQ(program.directory.lists + program.directory.removals + program.keys.deleted, 0);
        EXPECT_TRUE(program.view.Report().Empty());
        EXPECT_FALSE(IsWindow(program.frame.Hwnd()));
        Pump();  // the quit message the closed frame posted
    }
}

}  // namespace
