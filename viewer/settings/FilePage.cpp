#include "viewer/settings/FilePage.h"

#include "platform/win/os/Text.h"
#include "viewer/settings/DisplaySettingsDlgIds.h"

namespace kestrowa {

CFilePage::CFilePage(const FileChoices& choices, std::string_view recorderFolder, FileDialogs& fileDialogs,
                     HistoryAction importHistory)
    : DialogWithTable(IDD_FILE_PAGE),
      model_(choices, recorderFolder),
      fileDialogs_(fileDialogs),
      importHistory_(std::move(importHistory)) {}

std::span<const MessageEntry<CFilePage>> CFilePage::MessageTable() {
    using P = CFilePage;
    static const MessageEntry<P> table[] = {
        OnMessage(WM_INITDIALOG, &P::OnInitDialog),
        OnCommand(IDC_LOG_LIST, CBN_SELCHANGE, &P::OnLogSelected),
        OnCommand(IDC_EDITOR_BROWSE, &P::OnEditorBrowse),
        OnCommand(IDC_OUTSIDE_BROWSE, &P::OnOutsideBrowse),
        OnCommand(IDC_LOG_BROWSE, &P::OnLogBrowse),
        OnCommand(IDC_LOG_HISTORY, &P::OnHistory),
    };
    return table;
}

void CFilePage::OnInitDialog(WPARAM, LPARAM) {
    SetItemText(IDC_EDITOR, model_.Choices().editor);
    SetItemText(IDC_OUTSIDE_FOLDER, model_.Choices().logFile);
    FillLogList();
}

// Item i shows entry i; the selection is set without a notification, so the log chosen stays
// the one handed in until the user picks another.
void CFilePage::FillLogList() {
    HWND list = Item(IDC_LOG_LIST);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : model_.List().Entries()) {
        const std::wstring text = Utf8ToWide(entry);
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(model_.Choices().selectedIndex), 0);
}

void CFilePage::OnLogSelected() {
    model_.Select(static_cast<int>(SendDlgItemMessageW(Hwnd(), IDC_LOG_LIST, CB_GETCURSEL, 0, 0)));
}

std::string CFilePage::Browse(const FileOpenRequest& request) {
    MessageBeep(MB_OK);
    return fileDialogs_.ChooseFileToOpen(request);
}

void CFilePage::OnEditorBrowse() {
    if (model_.EditorChosen(Browse(kBrowseEditor))) SetItemText(IDC_EDITOR, model_.Choices().editor);
}

void CFilePage::OnOutsideBrowse() {
    if (model_.OutsideFolderChosen(Browse(kBrowseOutsideFolder)))
        SetItemText(IDC_OUTSIDE_FOLDER, model_.Choices().logFile);
}

void CFilePage::OnLogBrowse() {
    // A full list lets its oldest further log go: the items are laid out anew.
    if (model_.LogFileChosen(Browse(kBrowseLogFile))) FillLogList();
}

// The history written is selected in the list like a log chosen with 参照.
void CFilePage::OnHistory() {
    if (const std::optional<std::string> path = importHistory_(GetAncestor(Hwnd(), GA_ROOT))) {
        model_.HistoryWritten(*path);
        FillLogList();
    }
}

void CFilePage::OnApply() { model_.TakeTyped(ItemText(IDC_EDITOR), ItemText(IDC_OUTSIDE_FOLDER)); }

}  // namespace kestrowa
