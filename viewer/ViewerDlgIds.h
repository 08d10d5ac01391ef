// Ids of the main window (template 102): its template, its controls, its context menu and the
// menu's commands, read by ViewerDlg.rc and the window.
#pragma once

#define IDD_VIEWER 102
#define IDR_MENU_VIEWER 129

#define IDC_COUNT 1000
#define IDC_YEAR 1002
#define IDC_YEAR_SPIN 1003
#define IDC_MONTH 1006
#define IDC_MONTH_SPIN 1007
#define IDC_TOTAL 1008
#define IDC_LIST 1009
#define IDC_CALENDAR 1013
#define IDC_VIEW_TITLE 1016
#define IDC_AVERAGE 1017
#define IDC_GRAPH 1018
#define IDC_SETTINGS 1021
#define IDC_LOG 1028
#define IDC_DAILY 1030
#define IDC_PER_START 1031
#define IDC_MONTH_CAPTION 1032
#define IDC_UNIT 1033
#define IDC_HELP_LINE 1034
#define IDC_CHART 1035
#define IDC_YEAR_MONTH 1039
#define IDC_GROUP 1040
#define IDC_PERIOD 1056
#define IDC_COUNT_LABEL 1060

#define ID_MENU_SETTINGS 32771
#define ID_MENU_CALENDAR 32772
#define ID_MENU_DAILY 32773
#define ID_MENU_PER_START 32774
#define ID_MENU_YEAR_MONTH 32775
#define ID_MENU_LOG 32776
#define ID_MENU_GRAPH 32777
#define ID_MENU_CHART 32778
#define ID_MENU_PERIOD 32779
#define ID_MENU_EVENT_HISTORY 32780
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP_INDEX 57670
