#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/File.h"
#include "shared/LineReader.h"
#include "shared/LogLine.h"
#include "viewer/MonthModel.h"
#include "viewer/Views.h"

namespace {

using namespace kestrowa;

constexpr int kFirstYear = 1977;
constexpr int kLastYear = 2026;

// A log of fifty years with one to three sessions a day, written once per run.
class FiftyYearLog {
public:
    FiftyYearLog() : path_((std::filesystem::temp_directory_path() / "orvelle-bench-Kestrofl.dat").string()) {
        std::ofstream out(path_, std::ios::binary);
        for (int year = kFirstYear; year <= kLastYear; ++year)
            for (int month = 1; month <= 12; ++month)
                for (int day = 1, days = MonthShape(year, month).days; day <= days; ++day)
                    for (int session = 0, count = 1 + (year + month + day) % 3; session < count; ++session) {
                        const int hour = 8 + session * 5;
                        out << FileLine(FullStartLine({year, month, day, hour, 10 + day % 20, 0})) << "\r\n"
                            << FileLine(FullEndLine({year, month, day, hour + 3, 40 - day % 20, 0})) << "\r\n";
                    }
        bytes_ = static_cast<int64_t>(std::filesystem::file_size(path_));
    }
    ~FiftyYearLog() {
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
    const std::string& Path() const { return path_; }
    int64_t Bytes() const { return bytes_; }

private:
    std::string path_;
    int64_t bytes_ = 0;
};

const FiftyYearLog& Log() {
    static const FiftyYearLog log;
    return log;
}

void PlainLineRead(benchmark::State& state) {
    for (auto _ : state) {
        FilePtr file = OpenFile(Log().Path(), "rb");
        LineReader reader(file.get(), kViewerLineBuffer);
        std::string line;
        size_t lines = 0;
        while (reader.Next(line)) ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * Log().Bytes());
}
BENCHMARK(PlainLineRead);

// The last month lies at the end of the file, so its read passes every line.
void ReadLastMonth(benchmark::State& state) {
    const LogRead log{Log().Path(), true, NowLine({kLastYear, 12, 31, 23, 59, 0})};
    for (auto _ : state) {
        MonthModel model;
        benchmark::DoNotOptimize(ReadMonth(log, kLastYear, 12, kTimeHoursMinutes, model));
        benchmark::DoNotOptimize(model.totalMinutes);
    }
    state.SetBytesProcessed(state.iterations() * Log().Bytes());
}
BENCHMARK(ReadLastMonth);

void YearMonthScan(benchmark::State& state) {
    ViewOptions options;
    for (auto _ : state) {
        std::optional<YearMonthView> view = BuildYearMonthView(Log().Path(), options);
        benchmark::DoNotOptimize(view->table.rows.size());
    }
    state.SetBytesProcessed(state.iterations() * Log().Bytes());
}
BENCHMARK(YearMonthScan);

// About 100 KB whose months jump between 00/01, 49/12 and 99/12: every jump is a gap of most of
// a century, which the table fills only up to one row per month of a century.
void InflatingYearMonthScan(benchmark::State& state) {
    const std::string path = (std::filesystem::temp_directory_path() / "orvelle-bench-inflating.dat").string();
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < 950; ++i)
            for (const char* month : {"00/01", "49/12", "99/12"})
                out << "S " << month << "/05 08:00\r\nE " << month << "/05 09:00\r\n";
    }
    ViewOptions options;
    for (auto _ : state) {
        std::optional<YearMonthView> view = BuildYearMonthView(path, options);
        benchmark::DoNotOptimize(view->table.rows.size());
    }
    state.counters["rows"] = static_cast<double>(BuildYearMonthView(path, options)->table.rows.size());
    std::error_code ec;
    std::filesystem::remove(path, ec);
}
BENCHMARK(InflatingYearMonthScan)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
