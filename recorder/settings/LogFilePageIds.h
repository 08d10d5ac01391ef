// Ids of the page ﾛｸﾞﾌｧｲﾙ (template 139) of the settings dialog, read by
// LogFilePage.rc and by the window.
#pragma once

#define IDD_LOG_FILE_PAGE 139

#define IDC_LOG_PATH 1000
#define IDC_MAINTAIN_LOG 1029
#define IDC_CURRENT_LOG 1040
#define IDC_MAINTAIN_LABEL 1044
