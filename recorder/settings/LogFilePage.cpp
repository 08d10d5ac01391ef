#include "recorder/settings/LogFilePage.h"

#include "recorder/RecorderEnvironment.h"
#include "recorder/settings/LogFilePageIds.h"
#include "recorder/settings/LogMaintenance.h"

namespace kestrowa {

CLogFilePage::CLogFilePage(const SettingsDialogValues& values, UserPrompts& prompts, FileReplacer& files)
    : DialogWithTable(IDD_LOG_FILE_PAGE), values_(values), prompts_(prompts), files_(files) {}

std::span<const MessageEntry<CLogFilePage>> CLogFilePage::MessageTable() {
    static const MessageEntry<CLogFilePage> table[] = {
        OnMessage(WM_INITDIALOG, &CLogFilePage::OnInitDialog),
        OnCommand(IDC_MAINTAIN_LOG, &CLogFilePage::OnMaintainLog),
    };
    return table;
}

void CLogFilePage::OnInitDialog(WPARAM, LPARAM) {
    SetItemText(IDC_LOG_PATH, values_.logPath);
    SetItemText(IDC_CURRENT_LOG, values_.currentLog);
}

void CLogFilePage::OnMaintainLog() {
    if (prompts_.ShowMessage(Hwnd(), kMaintainQuestion, kRecorderCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    prompts_.ShowMessage(Hwnd(), MaintainLog(values_.applicationFolder, files_), kRecorderCaption,
                         MB_ICONEXCLAMATION | MB_OK);
}

}  // namespace kestrowa
