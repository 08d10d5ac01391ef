// Ids of the settings dialog " 環境設定" (template 134): its tab control, status line and buttons, read
// by RecorderSettingsDlg.rc and by the window.
#pragma once

#define IDD_RECORDER_SETTINGS 134

#define IDC_SETTINGS_TABS 1036
#define IDC_SETTINGS_STATUS 1043
