// Ids of the page 時間告知 (template 158) of the settings dialog, read by
// NoticePage.rc and by the window.
#pragma once

#define IDD_NOTICE_PAGE 158

#define IDC_FIRST_MARK 1040
#define IDC_NOTICE_ON 1041
#define IDC_NOTICE_INTERVAL 1044
#define IDC_RUNNING_SO_FAR 1058
