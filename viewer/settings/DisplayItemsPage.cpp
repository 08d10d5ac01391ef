#include "viewer/settings/DisplayItemsPage.h"

#include <utility>

#include "viewer/settings/DisplaySettingsDlgIds.h"

namespace kestrowa {

namespace {
struct RadioControl {
    int id;
    int DisplayItems::*value;
    int position;  // 0 for the first of its pair, 1 for the second
};
constexpr RadioControl kRadios[] = {
    {IDC_TIME_HOURS_MINUTES, &DisplayItems::timeMode, 0},   {IDC_TIME_DECIMAL, &DisplayItems::timeMode, 1},
    {IDC_SUMMARY_STARTS, &DisplayItems::monthLabel, 0},     {IDC_SUMMARY_DAYS, &DisplayItems::monthLabel, 1},
    {IDC_CALENDAR_EVERY_DAY, &DisplayItems::calendarDates, 0}, {IDC_CALENDAR_SUNDAYS, &DisplayItems::calendarDates, 1},
    {IDC_ACTIVITY_EVERY_START, &DisplayItems::activityDates, 0},
    {IDC_ACTIVITY_FIRST_START, &DisplayItems::activityDates, 1},
};

struct BoxControl {
    int id;
    int DisplayItems::*value;
};
constexpr BoxControl kBoxes[] = {
    {IDC_WEEK_RECORD, &DisplayItems::weekRecord},          {IDC_HUNDRED_MARK, &DisplayItems::hundredMark},
    {IDC_LAST_MONTHLY, &DisplayItems::dailyViewAtEnd},   {IDC_LAST_ACTIVITY, &DisplayItems::perStartViewAtEnd},
    {IDC_LAST_YEAR_MONTH, &DisplayItems::yearMonthViewAtEnd}, {IDC_LAST_PERIOD, &DisplayItems::periodViewAtEnd},
};
}  // namespace

CDisplayItemsPage::CDisplayItemsPage(const DisplayItems& items) : DialogWithTable(IDD_DISPLAY_ITEMS), items_(items) {}

template <size_t... Radios, size_t... Boxes>
std::span<const MessageEntry<CDisplayItemsPage>> CDisplayItemsPage::Table(std::index_sequence<Radios...>,
                                                                          std::index_sequence<Boxes...>) {
    using P = CDisplayItemsPage;
    static const MessageEntry<P> table[] = {
        OnMessage(WM_INITDIALOG, &P::OnInitDialog),
        OnCommand(static_cast<UINT>(kRadios[Radios].id), &P::OnRadio<Radios>)...,
        OnCommand(static_cast<UINT>(kBoxes[Boxes].id), &P::OnBox<Boxes>)...,
    };
    return table;
}

std::span<const MessageEntry<CDisplayItemsPage>> CDisplayItemsPage::MessageTable() {
    return Table(std::make_index_sequence<std::size(kRadios)>(), std::make_index_sequence<std::size(kBoxes)>());
}

void CDisplayItemsPage::OnInitDialog(WPARAM, LPARAM) {
    for (const RadioControl& radio : kRadios)
        CheckDlgButton(Hwnd(), radio.id, RadioChecked(items_.*radio.value, radio.position) ? BST_CHECKED : BST_UNCHECKED);
    for (const BoxControl& box : kBoxes)
        CheckDlgButton(Hwnd(), box.id, BoxChecked(items_.*box.value) ? BST_CHECKED : BST_UNCHECKED);
}

// The value follows the click, whatever the control shows.
template <size_t Radio>
void CDisplayItemsPage::OnRadio() {
    items_.*kRadios[Radio].value = kRadios[Radio].position;
}

template <size_t Box>
void CDisplayItemsPage::OnBox() {
    int& value = items_.*kBoxes[Box].value;
    value = Flipped(value);
}

}  // namespace kestrowa
