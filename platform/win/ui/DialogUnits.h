#pragma once
#include <windows.h>

#include "shared/DialogScale.h"

namespace kestrowa {

// Moves places laid out for `design` base units to the base units the dialog really has, as its
// template's font came out on this system; the identity when they cannot be measured.
DialogScale MeasureDialogScale(HWND dialog, BaseUnits design);

}  // namespace kestrowa
