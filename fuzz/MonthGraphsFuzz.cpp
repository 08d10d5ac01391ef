// The drawings of one month read from any log: the start/stop chart and the day-by-day graph.
// First line: year, month, now (day, hour, minute), own log (0/1).
#include "FuzzInput.h"
#include "shared/DrawListSvg.h"
#include "viewer/analysis/Chart.h"
#include "viewer/analysis/GraphCanvas.h"
#include "viewer/analysis/TrendGraph.h"

using namespace kestrowa;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    FuzzInput input(data, size);
    const int year = input.Number(0, 9999);
    const int month = input.Number(1, 12);
    const MonthShapeResult shape = MonthShape(year, month);
    DateTime now{year, month, 1, 0, 0, 0};
    now.day = input.Number(1, shape.days);
    now.hour = input.Number(0, 23);
    now.minute = input.Number(0, 59);
    const LogRead log{scratch.Write("Kestrofl.dat", input.Rest()), input.Number(0, 1) == 1, NowLine(now)};

    DailyGraph graph;
    ReadGraphMonth(log, year, month, graph);
    FUZZ_CHECK(graph.logRead);
    FUZZ_CHECK(graph.dayBars.size() <= 31);
    for (int bar : graph.dayBars) FUZZ_CHECK(bar >= 0);
    DrawListSvg(DrawDailyGraph(graph), kGraphDesignSize.width, kGraphDesignSize.height);

    // The chart is headed with the month's total as the main window read it.
    std::optional<std::vector<SessionEntry>> sessions = ReadChartSessions(log, year, month);
    FUZZ_CHECK(sessions.has_value());
    DrawListSvg(DrawChart({year, month, shape.firstWeekday, graph.totalMinutes}, sessions), kGraphDesignSize.width,
                kGraphDesignSize.height);
    return 0;
}
