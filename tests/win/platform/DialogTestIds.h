// Ids of the dialogs that DialogTest.rc holds for the dialog layer's own tests.
#pragma once

#define IDD_TEST_TABBED 200
#define IDD_TEST_PAGE_ONE 201
#define IDD_TEST_PAGE_TWO 202
#define IDD_TEST_PLAIN 203

#define IDC_TEST_TABS 1000
#define IDC_TEST_EDIT 1001
// Each page has a button of this id: a page is the parent of its own controls.
#define IDC_TEST_PAGE_BUTTON 1100
