// The year-month view of any log: the whole log month by month.
// First line: hundred mark (0/1).
#include "TableCheck.h"
#include "viewer/Views.h"

using namespace kestrowa;

namespace {
// The view holds one row for each month of a century at most.
constexpr size_t kMostRows = 1200;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    FuzzInput input(data, size);
    ViewOptions options;
    options.settings.hundredMark = input.Number(0, 1);
    const std::string log = scratch.Write("Kestrofl.dat", input.Rest());

    std::optional<YearMonthView> view = BuildYearMonthView(log, options);
    FUZZ_CHECK(view.has_value());
    FUZZ_CHECK(view->table.rows.size() <= kMostRows);
    CheckTable(view->table);
    return 0;
}
