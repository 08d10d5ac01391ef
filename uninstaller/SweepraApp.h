#pragma once
#include <windows.h>

#include "platform/Directory.h"
#include "platform/KeyRemover.h"
#include "platform/win/ui/MessageBoxes.h"
#include "platform/win/ui/Window.h"
#include "uninstaller/SweepraDoc.h"
#include "uninstaller/Uninstall.h"

namespace kestrowa {

// Fills the frame above the status bar. Its first paint asks the two questions and runs the
// uninstall, drawing the report as it goes; later paints draw nothing, so the report is seen
// until the window is covered, and a repaint can never start a second run.
class CSweepraView : public WindowWithTable<CSweepraView> {
public:
    CSweepraView(CSweepraDoc& doc, Directory& directory, KeyRemover& keys, UserPrompts& prompts);
    static std::span<const MessageEntry<CSweepraView>> MessageTable();

    bool Create(HWND frame);
    // The report the run drew, in order.
    const DrawList& Report() const { return report_; }

private:
    LRESULT OnPaint(WPARAM, LPARAM);
    void RunOnce(HDC dc, const RECT& client);
    bool Confirm(HWND frame, const char* question);

    CSweepraDoc& doc_;
    Directory& directory_;
    KeyRemover& keys_;
    UserPrompts& prompts_;
    int runOnce_ = -999;  // 0 once the run was done or cancelled
    DrawList report_;
};

// The one main window: the view, a status bar, and a tool bar that stays hidden; no menu.
class CMainFrame : public WindowWithTable<CMainFrame> {
public:
    explicit CMainFrame(CSweepraView& view) : view_(view) {}
    static std::span<const MessageEntry<CMainFrame>> MessageTable();

    bool Create(HINSTANCE instance);

private:
    LRESULT OnCreate(WPARAM, LPARAM);
    void OnSize(WPARAM, LPARAM);
    void OnDpiChanged(WPARAM, LPARAM);
    void OnTimer(WPARAM, LPARAM);
    void OnDestroy(WPARAM, LPARAM);
    void UpdateIndicators();

    CSweepraView& view_;
    HWND statusBar_ = nullptr;
    HWND toolBar_ = nullptr;
};

}  // namespace kestrowa
