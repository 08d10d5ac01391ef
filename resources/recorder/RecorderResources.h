// Ids of the recorder's own resources: its icons, its about box and the about item's text. Each
// dialog's ids are in the ids header beside its window file (recorder/RecorderDlgIds.h).
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDR_MAINFRAME 128
#define IDI_TRAY 129
