#include "recorder/settings/EnvironmentPage.h"

#include "recorder/settings/EnvironmentPageIds.h"
#include "recorder/settings/SettingsChoices.h"

namespace kestrowa {

namespace {
// The interval radios, one per entry of kIntervalChoices.
constexpr int kIntervalRadios[] = {IDC_INTERVAL_1,  IDC_INTERVAL_2,  IDC_INTERVAL_5,
                                   IDC_INTERVAL_10, IDC_INTERVAL_30, IDC_INTERVAL_60};
static_assert(std::size(kIntervalRadios) == kIntervalChoices.size());
}  // namespace

CEnvironmentPage::CEnvironmentPage(RecorderSettings& values)
    : DialogWithTable(IDD_ENVIRONMENT_PAGE), values_(values) {}

std::span<const MessageEntry<CEnvironmentPage>> CEnvironmentPage::MessageTable() {
    static const MessageEntry<CEnvironmentPage> table[] = {
        OnMessage(WM_INITDIALOG, &CEnvironmentPage::OnInitDialog),
    };
    return table;
}

bool CEnvironmentPage::Checked(int id) const { return IsDlgButtonChecked(Hwnd(), id) == BST_CHECKED; }

void CEnvironmentPage::OnInitDialog(WPARAM, LPARAM) {
    const RecorderSettings& v = values_;
    CheckDlgButton(Hwnd(), IDC_TITLE_START_TIME, v.title == TitleItem::StartTime);
    CheckDlgButton(Hwnd(), IDC_TITLE_RUNNING_TIME, v.title == TitleItem::RunningTime);
    CheckDlgButton(Hwnd(), IDC_END_IN_STARTUP, v.endCommandInStartup);
    const std::optional<size_t> interval = IntervalChoice(v.interval);
    for (size_t i = 0; i < std::size(kIntervalRadios); ++i) CheckDlgButton(Hwnd(), kIntervalRadios[i], interval == i);
    CheckDlgButton(Hwnd(), IDC_SECOND_ROW_NOW, v.secondRow == SecondRowItem::CurrentTime);
    CheckDlgButton(Hwnd(), IDC_SECOND_ROW_LAST_END, v.secondRow == SecondRowItem::LastEnd);
    CheckDlgButton(Hwnd(), IDC_MONTH_HOURS_MINUTES, v.monthTimeForm == MonthTimeForm::HoursAndMinutes);
    CheckDlgButton(Hwnd(), IDC_MONTH_DECIMAL, v.monthTimeForm == MonthTimeForm::DecimalHours);
    CheckDlgButton(Hwnd(), IDC_SHOW_TODAY_COUNT, v.showTodayCount);
    CheckDlgButton(Hwnd(), IDC_SHOW_MONTH, v.showMonth);
    CheckDlgButton(Hwnd(), IDC_SHOW_LETTER, v.showLetter);
    CheckDlgButton(Hwnd(), IDC_SHOW_MARK, v.showMark);
    CheckDlgButton(Hwnd(), IDC_SHOW_STOPWATCH, v.stopwatch);
}

// A pair of radios of which neither is checked leaves its value as it was.
void CEnvironmentPage::OnApply() {
    RecorderSettings& v = values_;
    if (Checked(IDC_TITLE_START_TIME)) v.title = TitleItem::StartTime;
    if (Checked(IDC_TITLE_RUNNING_TIME)) v.title = TitleItem::RunningTime;
    v.endCommandInStartup = Checked(IDC_END_IN_STARTUP);
    for (size_t i = 0; i < std::size(kIntervalRadios); ++i)
        if (Checked(kIntervalRadios[i])) v.interval = kIntervalChoices[i];
    if (Checked(IDC_SECOND_ROW_NOW)) v.secondRow = SecondRowItem::CurrentTime;
    if (Checked(IDC_SECOND_ROW_LAST_END)) v.secondRow = SecondRowItem::LastEnd;
    if (Checked(IDC_MONTH_HOURS_MINUTES)) v.monthTimeForm = MonthTimeForm::HoursAndMinutes;
    if (Checked(IDC_MONTH_DECIMAL)) v.monthTimeForm = MonthTimeForm::DecimalHours;
    v.showTodayCount = Checked(IDC_SHOW_TODAY_COUNT);
    v.showMonth = Checked(IDC_SHOW_MONTH);
    v.showLetter = Checked(IDC_SHOW_LETTER);
    v.showMark = Checked(IDC_SHOW_MARK);
    v.stopwatch = Checked(IDC_SHOW_STOPWATCH);
}

}  // namespace kestrowa
