// Ids of the trend graph (template 130), read by TrendGraphDlg.rc and the window.
#pragma once

#include "viewer/analysis/DrawingAreaIds.h"

#define IDD_TREND_GRAPH 130

#define IDC_GRAPH_CURRENT_MONTH 1010
#define IDC_GRAPH_YEAR_MONTH 1011
// 前の月へ / 最初から96ヶ月間 and 次の月へ / 最新の96ヶ月間, by mode.
#define IDC_GRAPH_FIRST 1041
#define IDC_GRAPH_SECOND 1042
