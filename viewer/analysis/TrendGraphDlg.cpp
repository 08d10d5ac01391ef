#include "viewer/analysis/TrendGraphDlg.h"

#include "platform/win/ui/DrawListReplay.h"
#include "viewer/analysis/TrendGraphDlgIds.h"

namespace kestrowa {

CTrendGraphDlg::CTrendGraphDlg(TrendGraphOpening opening) : DialogWithTable(IDD_TREND_GRAPH), graph_(std::move(opening)) {}

std::span<const MessageEntry<CTrendGraphDlg>> CTrendGraphDlg::MessageTable() {
    using D = CTrendGraphDlg;
    static const MessageEntry<D> table[] = {
        OnMessage(WM_INITDIALOG, &D::OnInitDialog),
        OnMessageResult(WM_DRAWITEM, &D::OnDrawItem),
        OnCommand(IDC_GRAPH_CURRENT_MONTH, &D::OnCurrentMonth),
        OnCommand(IDC_GRAPH_YEAR_MONTH, &D::OnYearMonth),
        OnCommand(IDC_GRAPH_FIRST, &D::OnFirst),
        OnCommand(IDC_GRAPH_SECOND, &D::OnSecond),
        OnCommand(IDOK, &D::OnOk),
        OnCommand(IDCANCEL, &D::OnCancel),
    };
    return table;
}

void CTrendGraphDlg::OnInitDialog(WPARAM, LPARAM) { ShowGraph(); }

void CTrendGraphDlg::ShowGraph() {
    const TrendGraphControls c = graph_.Controls();
    SetTitle(c.title);
    CheckRadioButton(Hwnd(), IDC_GRAPH_CURRENT_MONTH, IDC_GRAPH_YEAR_MONTH,
                     c.yearMonth ? IDC_GRAPH_YEAR_MONTH : IDC_GRAPH_CURRENT_MONTH);
    SetItemText(IDC_GRAPH_FIRST, c.firstCaption);
    SetItemText(IDC_GRAPH_SECOND, c.secondCaption);
    CheckDlgButton(Hwnd(), IDC_GRAPH_FIRST, c.firstChecked ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Hwnd(), IDC_GRAPH_SECOND, c.secondChecked ? BST_CHECKED : BST_UNCHECKED);
    InvalidateRect(Item(IDC_DRAWING_AREA), nullptr, TRUE);
    UpdateWindow(Item(IDC_DRAWING_AREA));
}

LRESULT CTrendGraphDlg::OnDrawItem(WPARAM, LPARAM lParam) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlID != IDC_DRAWING_AREA) return FALSE;
    // By month the whole log is read again at every paint.
    drawing_ = graph_.Draw({item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top});
    Replay(item.hDC, drawing_);
    return TRUE;
}

void CTrendGraphDlg::OnCurrentMonth() {
    graph_.ChooseCurrentMonth();
    ShowGraph();
}

void CTrendGraphDlg::OnYearMonth() {
    graph_.ChooseYearMonth();
    ShowGraph();
}

void CTrendGraphDlg::OnFirst() {
    graph_.PressFirst();
    ShowGraph();
}

void CTrendGraphDlg::OnSecond() {
    graph_.PressSecond();
    ShowGraph();
}

void CTrendGraphDlg::OnOk() { End(IDOK); }

void CTrendGraphDlg::OnCancel() { End(IDCANCEL); }

}  // namespace kestrowa
