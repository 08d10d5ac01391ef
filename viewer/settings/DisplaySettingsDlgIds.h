// Ids of the display settings dialog (template 140) and its two pages (144, 145), read by
// DisplaySettingsDlg.rc and the windows.
#pragma once

#define IDD_DISPLAY_SETTINGS 140
#define IDD_DISPLAY_ITEMS 144
#define IDD_FILE_PAGE 145

#define IDC_SETTINGS_TABS 1044

// 表示項目: radio pairs and check boxes.
#define IDC_TIME_HOURS_MINUTES 1030
#define IDC_TIME_DECIMAL 1031
#define IDC_SUMMARY_STARTS 1039
#define IDC_SUMMARY_DAYS 1059
#define IDC_CALENDAR_EVERY_DAY 1010
#define IDC_CALENDAR_SUNDAYS 1011
#define IDC_WEEK_RECORD 1046
#define IDC_ACTIVITY_EVERY_START 1012
#define IDC_ACTIVITY_FIRST_START 1013
#define IDC_HUNDRED_MARK 1045
#define IDC_LAST_MONTHLY 1041
#define IDC_LAST_ACTIVITY 1042
#define IDC_LAST_YEAR_MONTH 1043
#define IDC_LAST_PERIOD 1058

// ファイル: the editor, the outside logger's folder and the log list, each with its 参照.
#define IDC_EDITOR 1029
#define IDC_EDITOR_BROWSE 1028
#define IDC_OUTSIDE_FOLDER 1024
#define IDC_OUTSIDE_BROWSE 1022
#define IDC_LOG_LIST 1036
#define IDC_LOG_BROWSE 1035
// Beside it: the history from before the own log, read from Windows' event log.
#define IDC_LOG_HISTORY 1037
