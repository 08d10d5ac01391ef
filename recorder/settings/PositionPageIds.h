// Ids of the page 表示位置 (template 140) of the settings dialog, read by
// PositionPage.rc and by the window.
#pragma once

#define IDD_POSITION_PAGE 140

#define IDC_UP_DOWN 1030
#define IDC_UP 1031
#define IDC_DOWN 1032
#define IDC_LEFT_RIGHT 1033
#define IDC_LEFT 1034
#define IDC_RIGHT 1035
