#include "platform/win/ui/DialogUnits.h"

namespace kestrowa {

DialogScale MeasureDialogScale(HWND dialog, BaseUnits design) {
    // 100 base units across and down, in pixels of this dialog's font.
    RECT units{0, 0, 400, 800};
    if (!MapDialogRect(dialog, &units)) return {};
    return DialogScale(design, {units.right / 100.0, units.bottom / 100.0});
}

}  // namespace kestrowa
