// Resource and control ids of the English speed test (template 1380).
#pragma once

#include "res/resource.h"

#define IDD_ENGLISH_SPEED_TEST  1380
#define IDB_LETTER_PICTURE      1383

// The falling letter's pane and the hidden input that takes every key.
#define IDC_ES_PANE             1256
#define IDC_ES_INPUT            1437

// Counts and their labels
#define IDC_ES_CORRECT          1438
#define IDC_ES_ERRORS           1439
#define IDC_ES_LABEL_CORRECT    1271
#define IDC_ES_LABEL_ERRORS     1272

// Speed levels 1-5 and character sets 1-4, with their groups
#define IDC_ES_SPEED_GROUP      1270
#define IDC_ES_LEVEL1           1440
#define IDC_ES_LEVEL2           1441
#define IDC_ES_LEVEL3           1442
#define IDC_ES_LEVEL4           1443
#define IDC_ES_LEVEL5           1444
#define IDC_ES_CATEGORY_GROUP   1269
#define IDC_ES_LOWER            1445
#define IDC_ES_UPPER            1446
#define IDC_ES_MIXED            1447
#define IDC_ES_ALL              1448

#define IDC_ES_RETURN           1467
