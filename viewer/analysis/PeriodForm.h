#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/Profile.h"
#include "viewer/analysis/PeriodCount.h"

namespace kestrowa {

// The last period counted of each kind, kept in the settings file's "Period" section. The
// monthly period's day texts are never kept.
struct RememberedPeriods {
    PeriodTexts daily;
    PeriodTexts monthly;
};
RememberedPeriods ReadRememberedPeriods(const Profile& settings);
// All ten keys.
void WriteRememberedPeriods(Profile& settings, const RememberedPeriods& periods);

struct PeriodFormOptions {
    std::string logPath;
    int timeMode = 0;     // TimeMode
    int scrollToEnd = 1;  // PeriodLastPosition
};

// The summary boxes in their order: 累計時間 (1049), 日数/月数 (1050), 回数 (1051), the
// averages per day or month (1052) and per start (1053).
using PeriodBoxes = std::array<std::string, 5>;

struct RecountResult {
    std::string message;  // to be shown in a box; "" when the period was counted
    bool listRebuilt = false;
};

// The period view without its window: the kind, the period edits, the labels, the summary boxes
// and the list, as each step leaves them. The window hands in what the edits hold, shows what
// the form holds afterwards, and the message when there is one.
class PeriodForm {
public:
    PeriodForm(RememberedPeriods remembered, PeriodFormOptions options);

    // The opening: the log's first date is read once, then the remembered period of `mode` is
    // counted.
    RecountResult Start(PeriodMode mode);
    // A kind chosen: its remembered period replaces whatever the edits hold, and is counted.
    RecountResult Show(PeriodMode mode);
    // 再集計: the period in the edits is brought onto the log, checked and counted. A period
    // refused leaves the list and the boxes as they were.
    RecountResult Recount(const PeriodTexts& typed);

    PeriodMode Mode() const { return mode_; }
    const PeriodTexts& Edits() const { return edits_; }
    const std::string& LengthLabel() const { return lengthLabel_; }  // 1057
    std::string RowsLabel() const;                                    // 1054
    std::string LimitLabel() const;                                   // 1055
    const PeriodBoxes& Boxes() const { return boxes_; }
    const Table& List() const { return list_; }
    // The periods of the last successful count of each kind (and starts moved onto the log's
    // first date): what OK writes.
    const RememberedPeriods& Remembered() const { return remembered_; }

private:
    PeriodTexts& RememberedOf(PeriodMode mode);
    void Show(const PeriodTable& table);

    RememberedPeriods remembered_;
    PeriodFormOptions options_;
    std::optional<CalendarDate> earliest_;
    PeriodMode mode_ = PeriodMode::Daily;
    PeriodTexts edits_;
    std::string lengthLabel_;
    PeriodBoxes boxes_;
    Table list_;
    // The rows of the last count of each kind that could read the log: a log that cannot be read
    // shows them again.
    std::vector<DayRow> dayRows_;
    std::vector<MonthTally> months_;
};

}  // namespace kestrowa
