// Ids of the status window (template 102): its template, its controls and its context menus,
// read by RecorderDlg.rc, by the window and by the logic that fills the controls.
#pragma once

#define IDD_RECORDER 102
#define IDR_MENU_FULL 129
#define IDR_MENU_TRAY 130

// The end button is the dialog's OK button (IDOK), so that Enter presses it.
#define IDC_END_BUTTON 1
#define IDC_MARK 1004
#define IDC_START_TIME 1005
#define IDC_RUNNING_TIME 1006
#define IDC_SECOND_ROW 1008
#define IDC_SETTINGS 1009
#define IDC_VIEWER 1010
#define IDC_VERSION 1024
#define IDC_MINIMIZE 1029
#define IDC_START_MODE 1037
#define IDC_STOPWATCH_LINE 1039
#define IDC_DAY_COUNT 1045
#define IDC_STOPWATCH_BUTTON 1048
#define IDC_MONTH_TOTAL 1050
#define IDC_MONTH_COUNT 1051
#define IDC_START_TIME_BUTTON 1054
#define IDC_SECOND_ROW_BUTTON 1055
#define IDC_MONTH_LABEL 1059
// The help button; the menus' help item sends the same command.
#define IDC_HELP_BUTTON 57670

#define ID_MENU_MINIMIZE 32771
#define ID_MENU_SETTINGS 32772
#define ID_MENU_VIEWER 32773
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
