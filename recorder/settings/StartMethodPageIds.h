// Ids of the page 起動方法 (template 137) of the settings dialog, read by
// StartMethodPage.rc and by the window.
#pragma once

#define IDD_START_METHOD_PAGE 137

#define IDC_START_TRAY 1012
#define IDC_START_STARTUP 1013
#define IDC_START_MANUAL 1014
#define IDC_RESTART_HANDLING 1041
#define IDC_CORRECTION 1047
