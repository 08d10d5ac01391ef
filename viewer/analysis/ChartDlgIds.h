// Ids of the chart (template 141), read by ChartDlg.rc and the window.
#pragma once

#include "viewer/analysis/DrawingAreaIds.h"

#define IDD_CHART 141
