#include "viewer/analysis/ChartDlg.h"

#include "platform/win/ui/DrawListReplay.h"
#include "viewer/analysis/ChartDlgIds.h"

namespace kestrowa {

CChartDlg::CChartDlg(ChartOpening opening) : DialogWithTable(IDD_CHART), chart_(std::move(opening)) {}

std::span<const MessageEntry<CChartDlg>> CChartDlg::MessageTable() {
    using D = CChartDlg;
    static const MessageEntry<D> table[] = {
        OnMessageResult(WM_DRAWITEM, &D::OnDrawItem),
        OnCommand(IDOK, &D::OnOk),
        OnCommand(IDCANCEL, &D::OnCancel),
    };
    return table;
}

LRESULT CChartDlg::OnDrawItem(WPARAM, LPARAM lParam) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlID != IDC_DRAWING_AREA) return FALSE;
    drawing_ = ChartDrawing(chart_, {item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top});
    Replay(item.hDC, drawing_);
    return TRUE;
}

void CChartDlg::OnOk() { End(IDOK); }

void CChartDlg::OnCancel() { End(IDCANCEL); }

}  // namespace kestrowa
