#include "recorder/settings/NoticePage.h"

#include "recorder/ElapsedNotice.h"
#include "recorder/RecorderEnvironment.h"
#include "recorder/settings/NoticePageIds.h"
#include "shared/Strings.h"

namespace kestrowa {

CNoticePage::CNoticePage(SettingsDialogValues& values, UserPrompts& prompts)
    : DialogWithTable(IDD_NOTICE_PAGE), values_(values), prompts_(prompts) {}

std::span<const MessageEntry<CNoticePage>> CNoticePage::MessageTable() {
    using P = CNoticePage;
    static const MessageEntry<P> table[] = {
        OnMessage(WM_INITDIALOG, &P::OnInitDialog),
        OnCommand(IDC_FIRST_MARK, EN_KILLFOCUS, &P::OnFirstMarkDone),
        OnCommand(IDC_NOTICE_INTERVAL, EN_KILLFOCUS, &P::OnIntervalDone),
    };
    return table;
}

void CNoticePage::OnInitDialog(WPARAM, LPARAM) {
    const NoticeSettings& notice = values_.settings.notice;
    CheckDlgButton(Hwnd(), IDC_NOTICE_ON, notice.on);
    SetItemText(IDC_FIRST_MARK, PaddedInteger(notice.firstMark, 0));
    SetItemText(IDC_NOTICE_INTERVAL, PaddedInteger(notice.interval, 0));
    SetItemText(IDC_RUNNING_SO_FAR, NoticeRunningTimeText(values_.runningMinutes, values_.restart));
}

int CNoticePage::Number(int id) const { return ToInt(ItemText(id)); }

void CNoticePage::Warn(const std::optional<std::string>& warning) {
    if (warning) prompts_.ShowMessage(Hwnd(), *warning, kRecorderCaption, MB_ICONEXCLAMATION | MB_OK);
}

void CNoticePage::OnFirstMarkDone() {
    values_.settings.notice.firstMark = Number(IDC_FIRST_MARK);
    Warn(FirstMarkWarning(values_.settings.notice.firstMark, values_.runningMinutes));
}

void CNoticePage::OnIntervalDone() {
    values_.settings.notice.interval = Number(IDC_NOTICE_INTERVAL);
    Warn(IntervalWarning(values_.settings.notice.interval));
}

// OK by the Enter key leaves an edit without its losing the focus: its number is taken here.
void CNoticePage::OnApply() {
    NoticeSettings& notice = values_.settings.notice;
    notice.on = IsDlgButtonChecked(Hwnd(), IDC_NOTICE_ON) == BST_CHECKED;
    notice.firstMark = Number(IDC_FIRST_MARK);
    notice.interval = Number(IDC_NOTICE_INTERVAL);
}

}  // namespace kestrowa
