#pragma once
#include <windows.h>

#include <vector>

#include "platform/Directory.h"
#include "platform/KeyRemover.h"
#include "platform/win/ui/Gdi.h"
#include "platform/win/ui/MessageBoxes.h"
#include "uninstaller/SweepraDoc.h"
#include "uninstaller/Uninstall.h"

namespace kestrowa {

// Fills the frame above the status bar. Its first paint asks the two questions and runs the
// uninstall, drawing the report as it goes; later paints draw nothing, so the report is seen
// until the window is covered, and a repaint can never start a second run.
class CSweepraView {
public:
    CSweepraView(CSweepraDoc& doc, Directory& directory, KeyRemover& keys, UserPrompts& prompts);
    CSweepraView(const CSweepraView&) = delete;
    CSweepraView& operator=(const CSweepraView&) = delete;

    bool Create(HWND frame);
    HWND Handle() const { return hwnd_; }
    // What the run drew, in order.
    const std::vector<ReportText>& Report() const { return report_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void RunOnce(HDC dc, const RECT& client);
    bool Confirm(HWND frame, const char* question);
    void FillBackground(HDC dc, const RECT& client) const;

    CSweepraDoc& doc_;
    Directory& directory_;
    KeyRemover& keys_;
    UserPrompts& prompts_;
    HWND hwnd_ = nullptr;
    int runOnce_ = -999;  // 0 once the run was done or cancelled
    Brush background_;
    std::vector<ReportText> report_;
};

// The one main window: the view, a status bar, and a tool bar that stays hidden; no menu.
class CMainFrame {
public:
    explicit CMainFrame(CSweepraView& view) : view_(view) {}
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    bool Create(HINSTANCE instance);
    HWND Handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void LayOut();
    void UpdateIndicators();

    CSweepraView& view_;
    HWND hwnd_ = nullptr;
    HWND statusBar_ = nullptr;
    HWND toolBar_ = nullptr;
};

}  // namespace kestrowa
