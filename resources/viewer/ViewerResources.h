// Ids of the viewer's own resources: its icon, its about box and the about item's text. Each
// dialog's ids are in the ids header beside its window file (viewer/ViewerDlgIds.h, ...).
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDR_MAINFRAME 128
