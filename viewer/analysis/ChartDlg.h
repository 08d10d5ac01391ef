#pragma once
#include <span>

#include "platform/win/ui/Dialog.h"
#include "shared/DrawList.h"
#include "viewer/analysis/Chart.h"

namespace kestrowa {

// The start/stop chart, template 141: every session of the main window's month as a line on its
// day's row. Modal, opened by the main window; the log is read again at every paint.
class CChartDlg : public DialogWithTable<CChartDlg> {
public:
    explicit CChartDlg(ChartOpening opening);
    static std::span<const MessageEntry<CChartDlg>> MessageTable();

    // What the drawing area showed at its last paint.
    const DrawList& Drawing() const { return drawing_; }

private:
    LRESULT OnDrawItem(WPARAM, LPARAM);
    void OnOk();
    void OnCancel();

    ChartOpening chart_;
    DrawList drawing_;
};

}  // namespace kestrowa
