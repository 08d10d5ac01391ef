// The month the main window shows, read from any log and laid out in each of its views.
// First line: year, month, now (day, hour, minute), own log (0/1), time display, month label,
// week record, hundred mark, calendar dates, per-start dates (each 0/1).
#include "TableCheck.h"
#include "viewer/MonthViewer.h"

using namespace kestrowa;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    FuzzInput input(data, size);
    const int year = input.Number(0, 9999);
    const int month = input.Number(1, 12);
    DateTime now{year, month, 1, 0, 0, 0};
    now.day = input.Number(1, MonthShape(year, month).days);
    now.hour = input.Number(0, 23);
    now.minute = input.Number(0, 59);
    const bool ownLog = input.Number(0, 1) == 1;
    ViewerSettings settings;
    settings.timeMode = input.Number(0, 1);
    settings.monthLabel = input.Number(0, 1);
    settings.weekRecord = input.Number(0, 1);
    settings.hundredMark = input.Number(0, 1);
    const int calendarDates = input.Number(0, 1);
    const int perStartDates = input.Number(0, 1);

    const std::string log = scratch.Write("Kestrofl.dat", input.Rest());
    if (!ownLog) settings.secondLog = log;
    MonthViewer viewer(std::move(settings), log, now);
    viewer.Options().calendarDates = calendarDates;
    viewer.Options().perStartDates = perStartDates;
    FUZZ_CHECK(viewer.ReadMonth(year, month));

    const MonthModel& model = viewer.Model();
    FUZZ_CHECK(model.sessions.size() <= kViewerSessionLimit);
    FUZZ_CHECK(model.days.size() == model.startsPerDay.size() && model.days.size() <= model.sessions.size());
    FUZZ_CHECK(model.dayCounter >= 1);
    FUZZ_CHECK(model.totalMinutes >= 0);
    for (ViewKind view : {ViewKind::Calendar, ViewKind::Daily, ViewKind::PerStart}) {
        std::optional<ViewResult> shown = viewer.ShowView(view);
        FUZZ_CHECK(shown.has_value());
        CheckTable(shown->table);
    }
    return 0;
}
