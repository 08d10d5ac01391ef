// The period view on any log: the remembered periods of both kinds (texts as the settings file
// may hold them) counted when it opens, then a period typed into the edits and the other kind.
// First line: kind (0 daily, 1 monthly), time display (0/1), scroll to the end (0/1). Then 18
// lines: the remembered daily and monthly periods and the typed one, six edits each (start
// year, month, day, last year, month, day). Then the log.
#include "TableCheck.h"
#include "viewer/analysis/PeriodForm.h"

using namespace kestrowa;

namespace {

PeriodTexts Texts(FuzzInput& input) {
    PeriodTexts texts;
    for (std::string& text : texts) text = std::string(input.Line());
    return texts;
}

void CheckForm(const PeriodForm& form) {
    CheckTable(form.List());
    if (form.Mode() == PeriodMode::Monthly) FUZZ_CHECK(form.List().rows.size() <= kMaxPeriodMonths);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    FuzzInput input(data, size);
    const PeriodMode mode = input.Number(0, 1) == 0 ? PeriodMode::Daily : PeriodMode::Monthly;
    PeriodFormOptions options;
    options.timeMode = input.Number(0, 1);
    options.scrollToEnd = input.Number(0, 1);
    RememberedPeriods remembered;
    remembered.daily = Texts(input);
    remembered.monthly = Texts(input);
    const PeriodTexts typed = Texts(input);
    options.logPath = scratch.Write("Kestrofl.dat", input.Rest());

    PeriodForm form(std::move(remembered), options);
    form.Start(mode);
    CheckForm(form);
    form.Recount(typed);
    CheckForm(form);
    form.Show(mode == PeriodMode::Daily ? PeriodMode::Monthly : PeriodMode::Daily);
    CheckForm(form);
    return 0;
}
