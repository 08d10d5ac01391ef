#pragma once
#include <span>
#include <string>

#include "platform/Profile.h"
#include "platform/win/ui/Dialog.h"
#include "platform/win/ui/ListView.h"
#include "platform/win/ui/MessageBoxes.h"
#include "viewer/analysis/PeriodForm.h"

namespace kestrowa {

// What the main window hands the period view.
struct PeriodContext {
    Profile& settings;  // ORVELLE.INI, whose "Period" section keeps the periods
    UserPrompts& prompts;
    std::string logPath;  // the log the main window shows
    int timeMode = 0;     // TimeMode
    int scrollToEnd = 1;  // PeriodLastPosition
};

// Template 146: the running time of a chosen period day by day or month by month, with the
// period's summary. The periods it remembers are read when it is made and written back when it
// closes with OK.
class CPeriodDlg : public DialogWithTable<CPeriodDlg> {
public:
    explicit CPeriodDlg(PeriodContext context);
    static std::span<const MessageEntry<CPeriodDlg>> MessageTable();

private:
    void OnInitDialog(WPARAM, LPARAM);
    void OnDaily();
    void OnMonthly();
    void OnRecount();
    void OnOk();
    void OnCancel();

    PeriodTexts ReadEdits() const;
    void Show(const RecountResult& result);

    PeriodContext context_;
    PeriodForm form_;
    ListView list_;
};

}  // namespace kestrowa
