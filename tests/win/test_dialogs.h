// Ids of the dialog templates the window-layer tests run.
#pragma once

#define IDD_TEST_FIELDS   9001
#define IDC_TEST_TEXT     9101
#define IDC_TEST_NUMBER   9102
#define IDC_TEST_LABEL    9103
#define IDC_TEST_LINES    9104
#define IDC_TEST_BUTTON   9105
#define IDC_TEST_OVERLAY  9106
