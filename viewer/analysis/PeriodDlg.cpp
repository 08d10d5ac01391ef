#include "viewer/analysis/PeriodDlg.h"

#include "viewer/analysis/PeriodDlgIds.h"

namespace kestrowa {

namespace {

constexpr const char* kProgramCaption = "Orvelle";

// The period edits in the order of the period's fields.
constexpr int kPeriodEdits[6] = {IDC_PERIOD_START_YEAR, IDC_PERIOD_START_MONTH, IDC_PERIOD_START_DAY,
                                 IDC_PERIOD_LAST_YEAR,  IDC_PERIOD_LAST_MONTH,  IDC_PERIOD_LAST_DAY};
// The summary boxes in the order of PeriodBoxes.
constexpr int kSummaryBoxes[5] = {IDC_PERIOD_TOTAL, IDC_PERIOD_ROWS, IDC_PERIOD_STARTS, IDC_PERIOD_PER_ROW,
                                  IDC_PERIOD_PER_START};

}  // namespace

CPeriodDlg::CPeriodDlg(PeriodContext context)
    : DialogWithTable(IDD_PERIOD),
      context_(std::move(context)),
      form_(ReadRememberedPeriods(context_.settings), {context_.logPath, context_.timeMode, context_.scrollToEnd}) {}

std::span<const MessageEntry<CPeriodDlg>> CPeriodDlg::MessageTable() {
    using D = CPeriodDlg;
    static const MessageEntry<D> table[] = {
        OnMessage(WM_INITDIALOG, &D::OnInitDialog),
        OnCommand(IDC_PERIOD_DAILY, &D::OnDaily),
        OnCommand(IDC_PERIOD_MONTHLY, &D::OnMonthly),
        OnCommand(IDC_PERIOD_RECOUNT, &D::OnRecount),
        OnCommand(IDOK, &D::OnOk),
        OnCommand(IDCANCEL, &D::OnCancel),
    };
    return table;
}

void CPeriodDlg::OnInitDialog(WPARAM, LPARAM) {
    list_ = ListView(Item(IDC_PERIOD_LIST));
    Show(form_.Start(PeriodMode::Daily));
}

void CPeriodDlg::OnDaily() { Show(form_.Show(PeriodMode::Daily)); }

void CPeriodDlg::OnMonthly() { Show(form_.Show(PeriodMode::Monthly)); }

void CPeriodDlg::OnRecount() { Show(form_.Recount(ReadEdits())); }

void CPeriodDlg::OnOk() {
    WriteRememberedPeriods(context_.settings, form_.Remembered());
    End(IDOK);
}

void CPeriodDlg::OnCancel() { End(IDCANCEL); }

PeriodTexts CPeriodDlg::ReadEdits() const {
    PeriodTexts texts;
    for (size_t f = 0; f < texts.size(); ++f) texts[f] = ItemText(kPeriodEdits[f]);
    return texts;
}

void CPeriodDlg::Show(const RecountResult& result) {
    const bool daily = form_.Mode() == PeriodMode::Daily;
    CheckRadioButton(Hwnd(), IDC_PERIOD_DAILY, IDC_PERIOD_MONTHLY, daily ? IDC_PERIOD_DAILY : IDC_PERIOD_MONTHLY);
    SetItemText(IDC_PERIOD_ROWS_LABEL, form_.RowsLabel());
    SetItemText(IDC_PERIOD_LIMIT, form_.LimitLabel());
    for (size_t f = 0; f < form_.Edits().size(); ++f) SetItemText(kPeriodEdits[f], form_.Edits()[f]);
    SetItemText(IDC_PERIOD_LENGTH, form_.LengthLabel());
    if (result.listRebuilt) list_.Show(form_.List());
    for (size_t b = 0; b < form_.Boxes().size(); ++b) SetItemText(kSummaryBoxes[b], form_.Boxes()[b]);
    if (!result.message.empty())
        context_.prompts.ShowMessage(Hwnd(), result.message, kProgramCaption, MB_ICONEXCLAMATION | MB_OK);
}

}  // namespace kestrowa
