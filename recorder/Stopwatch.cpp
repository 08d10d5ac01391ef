#include "recorder/Stopwatch.h"

#include "shared/Strings.h"

namespace kestrowa {

namespace {
constexpr BitmapSet kRunningBitmaps{"IDB_BITMAP_STOP", "IDB_BITMAP_STOP"};
constexpr BitmapSet kStoppedBitmaps{"IDB_BITMAP_START", "IDB_BITMAP_START"};
}  // namespace

StatusUpdate Stopwatch::Press(std::uint64_t milliseconds, bool buttonPresent) {
    StatusUpdate update;
    const std::uint64_t now = milliseconds / 10;
    if (!running) {
        startMark = now;
        running = true;
        if (buttonPresent) {
            update.bitmaps[IDC_STOPWATCH_BUTTON] = kRunningBitmaps;
            update.texts[IDC_STOPWATCH_LINE] = std::string(17, ' ') + "<計測中>" + std::string(31, ' ');
        }
        return update;
    }
    const double seconds = static_cast<double>(now - startMark) * 0.01;
    running = false;
    if (buttonPresent) {
        update.bitmaps[IDC_STOPWATCH_BUTTON] = kStoppedBitmaps;
        const int whole = static_cast<int>(seconds);
        if (whole < 60) {
            update.texts[IDC_STOPWATCH_LINE] = Format("               <ｽﾄｯﾌﾟｳｫｯﾁ>    %.02f秒", seconds);
        } else {
            const int minutes = whole / 60;
            update.texts[IDC_STOPWATCH_LINE] =
                Format("         <ｽﾄｯﾌﾟｳｫｯﾁ> %3d分%05.02f秒", minutes, seconds - minutes * 60);
        }
    }
    return update;
}

}  // namespace kestrowa
