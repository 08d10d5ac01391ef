// The drawing area of the trend graph and the chart, read by their .rc fragments and windows.
#pragma once

#define IDC_DRAWING_AREA 1014
