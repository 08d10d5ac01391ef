#pragma once
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "platform/FileDialog.h"
#include "platform/win/ui/TabbedDialog.h"
#include "viewer/settings/DisplaySettings.h"

namespace kestrowa {

// Makes the history from before the own log (asking the user where needed, with message boxes
// owned by `owner`); the path of the history written.
using HistoryAction = std::function<std::optional<std::string>(HWND owner)>;

// The ファイル page, template 145: the editor, the outside logger's folder and the log shown,
// each with its 参照 button; the log is chosen from the list.
class CFilePage : public DialogWithTable<CFilePage, Page> {
public:
    CFilePage(const FileChoices& choices, std::string_view recorderFolder, FileDialogs& fileDialogs,
              HistoryAction importHistory);
    static std::span<const MessageEntry<CFilePage>> MessageTable();

    // Takes over what the editor and folder edits hold; called on OK.
    void OnApply() override;
    FileChoices Result() const { return model_.Result(); }

private:
    void OnInitDialog(WPARAM, LPARAM);
    void OnLogSelected();
    void OnEditorBrowse();
    void OnOutsideBrowse();
    void OnLogBrowse();
    void OnHistory();

    std::string Browse(const FileOpenRequest& request);
    void FillLogList();

    FilePageModel model_;
    FileDialogs& fileDialogs_;
    HistoryAction importHistory_;
};

}  // namespace kestrowa
