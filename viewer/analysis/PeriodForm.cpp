#include "viewer/analysis/PeriodForm.h"

#include "viewer/ViewerSettings.h"

namespace kestrowa {

namespace {

using namespace viewer_key;

constexpr TextSetting kDailyKeys[6] = {StartYearDay, StartMonthDay, StartDayDay, LastYearDay, LastMonthDay, LastDayDayDay};
// The monthly period's keys by field; the day fields have none.
constexpr std::optional<TextSetting> kMonthlyKeys[6] = {StartYearMth, StartMonthMth, std::nullopt,
                                                        LastYearMth,  LastMonthMth,  std::nullopt};

std::string ReadPeriod(const Profile& p, TextSetting key) { return p.ReadText(kPeriodSection, key.name, ""); }
void WritePeriod(Profile& p, TextSetting key, const std::string& value) { p.WriteText(kPeriodSection, key.name, value); }

}  // namespace

RememberedPeriods ReadRememberedPeriods(const Profile& settings) {
    RememberedPeriods periods;
    for (size_t f = 0; f < 6; ++f) {
        periods.daily[f] = ReadPeriod(settings, kDailyKeys[f]);
        if (kMonthlyKeys[f]) periods.monthly[f] = ReadPeriod(settings, *kMonthlyKeys[f]);
    }
    return periods;
}

void WriteRememberedPeriods(Profile& settings, const RememberedPeriods& periods) {
    for (size_t f = 0; f < 6; ++f) {
        WritePeriod(settings, kDailyKeys[f], periods.daily[f]);
        if (kMonthlyKeys[f]) WritePeriod(settings, *kMonthlyKeys[f], periods.monthly[f]);
    }
}

PeriodForm::PeriodForm(RememberedPeriods remembered, PeriodFormOptions options)
    : remembered_(std::move(remembered)), options_(std::move(options)) {}

RecountResult PeriodForm::Start(PeriodMode mode) {
    earliest_ = ScanEarliestDate(options_.logPath);
    return Show(mode);
}

RecountResult PeriodForm::Show(PeriodMode mode) {
    mode_ = mode;
    edits_ = RememberedOf(mode);
    return Recount(edits_);
}

RecountResult PeriodForm::Recount(const PeriodTexts& typed) {
    edits_ = typed;
    // An unreadable or empty log has no first date to bring the start onto.
    if (earliest_) ClampToEarliest(mode_, *earliest_, edits_, RememberedOf(mode_));
    if (std::string missing = MissingFieldsMessage(mode_, edits_); !missing.empty()) return {missing};
    PeriodCheck check = CheckPeriod(mode_, edits_);
    lengthLabel_ = check.lengthLabel;
    if (!check.go) return {check.message};

    const Period period = PeriodOf(mode_, edits_);
    const PeriodTableOptions options{options_.timeMode, options_.scrollToEnd == 1, IsShortPeriod(period)};
    if (mode_ == PeriodMode::Daily) {
        if (auto rows = CountDays(options_.logPath, period)) dayRows_ = std::move(*rows);
        Show(FillDayTable(dayRows_, options));
    } else {
        if (auto months = CountMonths(options_.logPath, period)) months_ = std::move(*months);
        Show(FillMonthTable(months_, options));
    }
    RememberedOf(mode_) = edits_;
    return {"", true};
}

void PeriodForm::Show(const PeriodTable& table) {
    list_ = table.table;
    const PeriodSummary& s = table.summary;
    boxes_[0] = s.total;
    boxes_[1] = s.rows;
    boxes_[2] = s.starts;
    if (s.perRow) boxes_[3] = *s.perRow;
    if (s.perStart) boxes_[4] = *s.perStart;
}

std::string PeriodForm::RowsLabel() const { return mode_ == PeriodMode::Daily ? "日数" : "月数"; }

std::string PeriodForm::LimitLabel() const {
    return mode_ == PeriodMode::Daily ? "（日毎の期間は最長370日です）" : "（月毎の期間は最長120ヶ月です）";
}

PeriodTexts& PeriodForm::RememberedOf(PeriodMode mode) {
    return mode == PeriodMode::Daily ? remembered_.daily : remembered_.monthly;
}

}  // namespace kestrowa
