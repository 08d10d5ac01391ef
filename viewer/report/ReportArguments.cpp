#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "shared/Strings.h"
#include "viewer/report/Report.h"

namespace kestrowa {

namespace {

constexpr const char* kSynopsis =
    "usage: orvelle-report --log FILE --month YYYY-MM [--view calendar|daily|perstart|yearmonth] [OPTION...]\n"
    "       orvelle-report --log FILE --view period-days|period-months [--from DATE] [--to DATE] [OPTION...]\n"
    "       orvelle-report --log FILE --graph daily|chart --month YYYY-MM [OPTION...]\n"
    "       orvelle-report --log FILE --graph monthly [OPTION...]\n"
    "       orvelle-report --import-events FILE.xml --out FILE [--log FILE]\n"
    "A view is printed as tab-separated cells, a drawing one element a line unless --svg or --png\n"
    "writes it. The month views are calendar, daily, perstart and yearmonth, the period views\n"
    "period-days and period-months, the drawings those of --graph. Options:\n";

// Exactly `count` decimal digits from `at`.
bool Digits(const std::string& text, size_t at, size_t count, int& value) {
    if (at + count > text.size()) return false;
    value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

bool ParseMonth(const std::string& text, int& year, int& month) {
    return text.size() == 7 && text[4] == '-' && Digits(text, 0, 4, year) && Digits(text, 5, 2, month) &&
           month >= 1 && month <= 12;
}

bool ParseNow(const std::string& text, DateTime& now) {
    if (text.size() != 16 || text[4] != '/' || text[7] != '/' || text[10] != ' ' || text[13] != ':') return false;
    if (!Digits(text, 0, 4, now.year) || !Digits(text, 5, 2, now.month) || !Digits(text, 8, 2, now.day) ||
        !Digits(text, 11, 2, now.hour) || !Digits(text, 14, 2, now.minute))
        return false;
    return now.month >= 1 && now.month <= 12 && now.day >= 1 && now.day <= MonthShape(now.year, now.month).days &&
           now.hour <= 23 && now.minute <= 59;
}

// "YYYY/MM/DD" (three fields) or "YYYY/MM" (two) into the period edits from `first` on, each as
// "%d"; months and days with one or two digits.
bool ParsePeriodDate(const std::string& text, size_t fields, PeriodTexts& texts, size_t first) {
    static constexpr int kHighest[3] = {9999, 12, 31};
    size_t at = 0;
    for (size_t f = 0; f < fields; ++f) {
        const size_t end = std::min(text.find('/', at), text.size());
        const size_t length = end - at;
        int value = 0;
        if ((f == 0 ? length != 4 : length < 1 || length > 2) || !Digits(text, at, length, value) || value < 1 ||
            value > kHighest[f])
            return false;
        texts[first + f] = PaddedInteger(value, 0);
        at = end + 1;
    }
    return at == text.size() + 1;
}

// "WIDTHxHEIGHT", each 1 to 4 digits and at least kSmallestArea.
bool ParseArea(const std::string& text, Size& area) {
    constexpr int kSmallestArea = 16;
    const size_t x = text.find('x');
    if (x == std::string::npos || x < 1 || x > 4 || text.size() - x - 1 < 1 || text.size() - x - 1 > 4) return false;
    return Digits(text, 0, x, area.width) && Digits(text, x + 1, text.size() - x - 1, area.height) &&
           area.width >= kSmallestArea && area.height >= kSmallestArea;
}

bool ParseFlag(const std::string& text, int& value) {
    if (text != "0" && text != "1") return false;
    value = text[0] - '0';
    return true;
}

// The meaning of `text` among `words`, into `value`; false when it is none of them.
template <typename T>
bool OneOf(const std::string& text, std::initializer_list<std::pair<std::string_view, T>> words, T& value) {
    for (const auto& [word, meaning] : words) {
        if (text == word) {
            value = meaning;
            return true;
        }
    }
    return false;
}

// What the options set: the request, and the period's dates as given, which are read once every
// option is in, as their form depends on the view.
struct Parsed {
    ReportRequest request;
    std::string from;
    std::string to;
};

// One option of the command line: the name, the argument that follows it (none for a switch),
// what it sets and the views that take it (both for --help), and how it sets it from the
// argument: false when the argument is not one the option takes.
struct ReportOption {
    std::string_view name;
    std::string_view argument;
    std::string_view sets;
    std::string_view views;
    bool (*set)(Parsed& parsed, const std::string& argument);
};

constexpr std::string_view kTables = "month views, period views";
constexpr std::string_view kMonthDrawings = "month views, --graph daily and chart";

const ReportOption kOptions[] = {
    {"--log", "FILE", "the log to read, as the viewer's own log", "every view, --import-events",
     [](Parsed& s, const std::string& a) {
         s.request.log = a;
         return !a.empty();
     }},
    {"--month", "YYYY-MM", "the month shown", kMonthDrawings,
     [](Parsed& s, const std::string& a) { return ParseMonth(a, s.request.year, s.request.month); }},
    {"--view", "VIEW", "the view: a month view (calendar when none is named) or a period view", "",
     [](Parsed& s, const std::string& a) {
         PeriodMode period{};
         if (!OneOf(a, {{"period-days", PeriodMode::Daily}, {"period-months", PeriodMode::Monthly}}, period))
             return OneOf(a,
                          {{"calendar", ViewKind::Calendar}, {"daily", ViewKind::Daily},
                           {"perstart", ViewKind::PerStart}, {"yearmonth", ViewKind::YearMonth}},
                          s.request.view);
         s.request.period = period;
         return true;
     }},
    {"--from", "DATE", "the period's first day YYYY/MM/DD or month YYYY/MM", "period views",
     [](Parsed& s, const std::string& a) {
         s.from = a;
         return true;
     }},
    {"--to", "DATE", "the period's last day or month", "period views",
     [](Parsed& s, const std::string& a) {
         s.to = a;
         return true;
     }},
    {"--graph", "GRAPH", "a drawing in place of a table: daily, monthly or chart", "",
     [](Parsed& s, const std::string& a) {
         using Graph = ReportRequest::Graph;
         return OneOf(a, {{"daily", Graph::Daily}, {"monthly", Graph::Monthly}, {"chart", Graph::Chart}},
                      s.request.graph);
     }},
    {"--time", "hm|decimal", "hours as hours:minutes or as decimal hours", kTables,
     [](Parsed& s, const std::string& a) {
         return OneOf(a, {{"hm", kTimeHoursMinutes}, {"decimal", kTimeDecimal}}, s.request.timeMode);
     }},
    {"--now", "\"YYYY/MM/DD HH:MM\"", "the viewer's start (the clock when not given)", kMonthDrawings,
     [](Parsed& s, const std::string& a) {
         DateTime now;
         const bool ok = ParseNow(a, now);
         s.request.now = now;
         return ok;
     }},
    {"--second-log", "", "read the log as a second log: its running session stays open", kMonthDrawings,
     [](Parsed& s, const std::string&) {
         s.request.secondLog = true;
         return true;
     }},
    {"--month-label", "0|1", "1: count the days at work, 0: the starts (the default)", "month views",
     [](Parsed& s, const std::string& a) { return ParseFlag(a, s.request.monthLabel); }},
    {"--week-record", "0|1", "1: the weekly rows under the calendar (the default), 0: none", "calendar",
     [](Parsed& s, const std::string& a) { return ParseFlag(a, s.request.weekRecord); }},
    {"--calendar-dates", "0|1", "1: dates on Sundays and the 1st only (the default), 0: on every day", "calendar",
     [](Parsed& s, const std::string& a) { return ParseFlag(a, s.request.calendarDates); }},
    {"--activity-dates", "0|1", "1: dates on a day's first start only (the default), 0: on every row", "perstart",
     [](Parsed& s, const std::string& a) { return ParseFlag(a, s.request.activityDates); }},
    {"--hundred-mark", "0|1", "1: a star for every hundred hours of a month, 0: none (the default)", "yearmonth",
     [](Parsed& s, const std::string& a) { return ParseFlag(a, s.request.hundredMark); }},
    {"--csv", "", "cells as CSV (RFC 4180) in place of tab-separated", kTables,
     [](Parsed& s, const std::string&) {
         s.request.csv = true;
         return true;
     }},
    {"--window", "first|latest", "the months the graph shows when the log has more", "--graph monthly",
     [](Parsed& s, const std::string& a) {
         return OneOf(a, {{"first", MonthWindow::First}, {"latest", MonthWindow::Latest}}, s.request.window);
     }},
    {"--size", "WIDTHxHEIGHT", "the drawing area in pixels (16 to 9999 each), 488x196 when not given", "drawings",
     [](Parsed& s, const std::string& a) { return ParseArea(a, s.request.area); }},
    {"--svg", "FILE", "write the drawing as SVG", "drawings",
     [](Parsed& s, const std::string& a) {
         s.request.svgFile = a;
         return !a.empty();
     }},
    {"--png", "FILE", "write the drawing as PNG (by rsvg-convert from the PATH)", "drawings",
     [](Parsed& s, const std::string& a) {
         s.request.pngFile = a;
         return !a.empty();
     }},
    {"--import-events", "FILE.xml",
     "make a log of the recorder's lines from an export of the System event log",
     "", [](Parsed& s, const std::string& a) {
         s.request.importEvents = a;
         return !a.empty();
     }},
    {"--out", "FILE", "the log --import-events writes (the old one kept as EventHistory.bak)",
     "--import-events", [](Parsed& s, const std::string& a) {
         s.request.out = a;
         return !a.empty();
     }},
};

const ReportOption* FindOption(const std::string& name) {
    for (const ReportOption& option : kOptions)
        if (option.name == name) return &option;
    return nullptr;
}

// The rules between options, once all are in; the period's dates are read here.
std::optional<ReportRequest> Checked(Parsed s, std::string& error) {
    ReportRequest& r = s.request;
    if (!r.importEvents.empty() || !r.out.empty()) {
        const ReportRequest plain;
        const bool onlyImport = r.month == plain.month && r.view == plain.view && !r.period &&
                                r.graph == plain.graph && s.from.empty() && s.to.empty();
        if (r.importEvents.empty() || r.out.empty() || !onlyImport) {
            error = "--import-events and --out go together, without a view, a month or a graph";
            return std::nullopt;
        }
        return std::move(s.request);
    }
    if (r.period) {
        const size_t fields = *r.period == PeriodMode::Daily ? 3 : 2;
        if (!s.from.empty() && !ParsePeriodDate(s.from, fields, r.periodTexts, kStartYear)) {
            error = "bad value '" + s.from + "' for --from";
            return std::nullopt;
        }
        if (!s.to.empty() && !ParsePeriodDate(s.to, fields, r.periodTexts, kLastYear)) {
            error = "bad value '" + s.to + "' for --to";
            return std::nullopt;
        }
    } else if (!s.from.empty() || !s.to.empty()) {
        error = "--from and --to belong to the period views";
        return std::nullopt;
    }
    // The period views and the year-month graph cover what they read themselves: they need no month.
    const bool needMonth = !r.period && r.graph != ReportRequest::Graph::Monthly;
    if (r.log.empty() || (needMonth && r.month == 0)) {
        error = r.log.empty() ? "--log is required" : "--month is required";
        return std::nullopt;
    }
    if (r.graph == ReportRequest::Graph::None && (!r.svgFile.empty() || !r.pngFile.empty())) {
        error = "--svg and --png write a drawing: name one with --graph";
        return std::nullopt;
    }
    return std::move(s.request);
}

}  // namespace

std::optional<ReportRequest> ParseReportArguments(const std::vector<std::string>& args, std::string& error) {
    Parsed parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        const ReportOption* option = FindOption(name);
        if (!option) {
            error = (name.rfind("--", 0) == 0 ? "unknown argument '" : "unexpected argument '") + name + "'";
            return std::nullopt;
        }
        std::string argument;
        if (!option->argument.empty()) {
            if (i + 1 == args.size()) {
                error = "missing value for " + name;
                return std::nullopt;
            }
            argument = args[++i];
        }
        if (!option->set(parsed, argument)) {
            error = "bad value '" + argument + "' for " + name;
            return std::nullopt;
        }
    }
    return Checked(std::move(parsed), error);
}

std::string ReportHelp() {
    std::string help = kSynopsis;
    for (const ReportOption& option : kOptions) {
        std::string head(option.name);
        if (!option.argument.empty()) (head += ' ') += option.argument;
        head.resize(std::max<size_t>(head.size(), 26), ' ');
        ((((help += "  ") += head) += ' ') += option.sets) += '\n';
        if (!option.views.empty()) ((help += std::string(29, ' ') + "taken by ") += option.views) += '\n';
    }
    return help;
}

}  // namespace kestrowa
