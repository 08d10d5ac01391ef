// The year-month graph of any log: the month series read from it, drawn in both of its 96-month
// windows and written as a picture.
#include "FuzzInput.h"
#include "shared/DrawListSvg.h"
#include "viewer/MonthBlocks.h"
#include "viewer/analysis/GraphCanvas.h"
#include "viewer/analysis/MonthSeries.h"

using namespace kestrowa;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    const std::string log = scratch.Write("Kestrofl.dat", FuzzInput(data, size).All());

    std::optional<std::vector<MonthSlot>> series = ReadMonthSeries(log);
    FUZZ_CHECK(series.has_value());
    FUZZ_CHECK(series->size() <= MonthBlocks::kMonthLimit);
    for (const MonthSlot& slot : *series) FUZZ_CHECK(slot.hours >= 0.0f);
    for (MonthWindow window : {MonthWindow::First, MonthWindow::Latest})
        DrawListSvg(DrawMonthlyGraph(*series, window), kGraphDesignSize.width, kGraphDesignSize.height);
    return 0;
}
