#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/File.h"
#include "shared/LineReader.h"
#include "shared/LogLine.h"
#include "shared/SessionLog.h"
#include "viewer/MonthModel.h"
#include "viewer/Views.h"
#include "viewer/analysis/Chart.h"
#include "viewer/analysis/MonthSeries.h"
#include "viewer/analysis/PeriodCount.h"

namespace {

using namespace kestrowa;

// Two-digit years from 80 on are of the 1900s to the period view: its log runs from 1980.
constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2029;

std::string BenchPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

// The lines of fifty years with one to three sessions a day.
void WriteFiftyYears(std::ofstream& out) {
    for (int year = kFirstYear; year <= kLastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1, days = MonthShape(year, month).days; day <= days; ++day)
                for (int session = 0, count = 1 + (year + month + day) % 3; session < count; ++session) {
                    const int hour = 8 + session * 5;
                    out << FileLine(FullStartLine({year, month, day, hour, 10 + day % 20, 0})) << "\r\n"
                        << FileLine(FullEndLine({year, month, day, hour + 3, 40 - day % 20, 0})) << "\r\n";
                }
}

// A log written once per run and removed at its end: fifty years, repeated until it holds at
// least `minBytes`, and a start line last (the recorder running).
class BenchLog {
public:
    BenchLog(const char* name, int64_t minBytes) : path_(BenchPath(name)) {
        std::ofstream out(path_, std::ios::binary);
        do {
            WriteFiftyYears(out);
        } while (out.tellp() < minBytes);
        out << "S 29/12/31 22:00\r\n";
        out.close();
        bytes_ = static_cast<int64_t>(std::filesystem::file_size(path_));
    }
    ~BenchLog() {
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
    const std::string& Path() const { return path_; }
    int64_t Bytes() const { return bytes_; }

private:
    std::string path_;
    int64_t bytes_ = 0;
};

const BenchLog& FiftyYearLog() {
    static const BenchLog log("orvelle-bench-Kestrofl.dat", 0);
    return log;
}

// The physical floor: the file read in blocks, with nothing done to its bytes.
size_t ReadRawBlocks(const std::string& path) {
    static std::vector<char> block(64 * 1024);
    FilePtr file = OpenFile(path, "rb");
    size_t total = 0;
    for (size_t n; (n = std::fread(block.data(), 1, block.size(), file.get())) > 0;) total += n;
    return total;
}

// Runs `read` as the benchmark's loop, each time followed by a raw block read of the same file,
// and reports the bytes per second of a whole read of the fifty-year log and "floor_x": how many
// times the raw reads' time the reader's is. Timed side by side, both see the same machine, which
// on a shared one changes speed from second to second.
template <class Read>
void AgainstFloor(benchmark::State& state, Read read) {
    using Clock = std::chrono::steady_clock;
    Clock::duration reading{}, floor{};
    for (auto _ : state) {
        const Clock::time_point begin = Clock::now();
        read();
        const Clock::time_point middle = Clock::now();
        benchmark::DoNotOptimize(ReadRawBlocks(FiftyYearLog().Path()));
        const Clock::time_point end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(middle - begin).count());
        reading += middle - begin;
        floor += end - middle;
    }
    state.SetBytesProcessed(state.iterations() * FiftyYearLog().Bytes());
    state.counters["floor_x"] = std::chrono::duration<double>(reading) / std::chrono::duration<double>(floor);
}

void RawBlockRead(benchmark::State& state) {
    AgainstFloor(state, [] { benchmark::DoNotOptimize(ReadRawBlocks(FiftyYearLog().Path())); });
}
BENCHMARK(RawBlockRead)->UseManualTime();

void PlainLineRead(benchmark::State& state) {
    AgainstFloor(state, [] {
        FilePtr file = OpenFile(FiftyYearLog().Path(), "rb");
        LineReader reader(file.get(), kViewerLineBuffer);
        std::string_view line;
        size_t lines = 0;
        while (reader.Next(line)) ++lines;
        benchmark::DoNotOptimize(lines);
    });
}
BENCHMARK(PlainLineRead)->UseManualTime();

// The last month lies at the end of the file, so its read passes every line.
void ReadLastMonth(benchmark::State& state) {
    const LogRead log{FiftyYearLog().Path(), true, NowLine({kLastYear, 12, 31, 23, 59, 0})};
    AgainstFloor(state, [&log] {
        MonthModel model;
        benchmark::DoNotOptimize(ReadMonth(log, kLastYear, 12, kTimeHoursMinutes, model));
        benchmark::DoNotOptimize(model.totalMinutes);
    });
}
BENCHMARK(ReadLastMonth)->UseManualTime();

void YearMonthScan(benchmark::State& state) {
    const ViewOptions options;
    AgainstFloor(state, [&options] {
        benchmark::DoNotOptimize(BuildYearMonthView(FiftyYearLog().Path(), options)->table.rows.size());
    });
}
BENCHMARK(YearMonthScan)->UseManualTime();

// The longest periods, at the log's end: every earlier line is passed over.
void PeriodDailyCount(benchmark::State& state) {
    const Period period{PeriodMode::Daily, {kLastYear - 1, 12, 27}, {kLastYear, 12, 31}};
    AgainstFloor(state, [&period] { benchmark::DoNotOptimize(CountDays(FiftyYearLog().Path(), period)->size()); });
}
BENCHMARK(PeriodDailyCount)->UseManualTime();

void PeriodMonthlyCount(benchmark::State& state) {
    const Period period{PeriodMode::Monthly, {kLastYear - 9, 1, 1}, {kLastYear, 12, 1}};
    AgainstFloor(state, [&period] { benchmark::DoNotOptimize(CountMonths(FiftyYearLog().Path(), period)->size()); });
}
BENCHMARK(PeriodMonthlyCount)->UseManualTime();

void MonthSeriesRead(benchmark::State& state) {
    AgainstFloor(state, [] { benchmark::DoNotOptimize(ReadMonthSeries(FiftyYearLog().Path())->size()); });
}
BENCHMARK(MonthSeriesRead)->UseManualTime();

void ChartRead(benchmark::State& state) {
    const LogRead log{FiftyYearLog().Path(), true, NowLine({kLastYear, 12, 31, 23, 59, 0})};
    AgainstFloor(state, [&log] { benchmark::DoNotOptimize(ReadChartSessions(log, kLastYear, 12)->size()); });
}
BENCHMARK(ChartRead)->UseManualTime();

// About 100 KB whose months jump between 00/01, 49/12 and 99/12: every jump is a gap of most of
// a century, which the table fills only up to one row per month of a century.
void InflatingYearMonthScan(benchmark::State& state) {
    const std::string path = BenchPath("orvelle-bench-inflating.dat");
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

// The recorder's start reads the log's last line: its time must not grow with the log.
void StartLineRead(benchmark::State& state) {
    const BenchLog log("kestrowa-bench-Kestrofl.dat", state.range(0) << 20);
    const SessionLog sessionLog(log.Path());
    for (auto _ : state) benchmark::DoNotOptimize(sessionLog.LastNonEmptyLine());
    state.counters["log_MB"] = static_cast<double>(log.Bytes()) / (1 << 20);
}
BENCHMARK(StartLineRead)->Arg(1)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
