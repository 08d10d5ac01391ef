// Ids of the wait window, read by WaitDlg.rc and the window.
#pragma once

#define IDD_WAIT 139
