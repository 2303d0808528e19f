// Resource and control ids of the Chinese speed test (template 1384).
#pragma once

#include "res/resource.h"

#define IDD_CHINESE_SPEED_TEST  1384
#define IDB_SCROLL_PICTURE      1386

// The moving item's pane, the code field and the hint.
#define IDC_CS_PANE             1256
#define IDC_CS_CODE             1450
#define IDC_CS_HINT             1471
#define IDC_CS_LABEL_HINT       1275
#define IDC_CS_LABEL_CODE       1274

// Counts and their labels
#define IDC_CS_CORRECT          1472
#define IDC_CS_ERRORS           1473
#define IDC_CS_LABEL_CORRECT    1272
#define IDC_CS_LABEL_ERRORS     1273

// Categories 1-9, speed levels 1-6, editions, with their groups
#define IDC_CS_CATEGORY_GROUP   1269
#define IDC_CS_ONE_SIMP         1458
#define IDC_CS_TWO_SIMP         1459
#define IDC_CS_THREE_SIMP       1460
#define IDC_CS_ALL_CODES        1461
#define IDC_CS_END_STROKE       1462
#define IDC_CS_TWO_WORDS        1463
#define IDC_CS_THREE_WORDS      1464
#define IDC_CS_FOUR_WORDS       1465
#define IDC_CS_MORE_WORDS       1466
#define IDC_CS_SPEED_GROUP      1270
#define IDC_CS_LEVEL1           1452
#define IDC_CS_LEVEL2           1453
#define IDC_CS_LEVEL3           1454
#define IDC_CS_LEVEL4           1455
#define IDC_CS_LEVEL5           1456
#define IDC_CS_LEVEL6           1457
#define IDC_CS_EDITION_GROUP    1271
#define IDC_CS_EDITION86        1469
#define IDC_CS_EDITION98        1470

#define IDC_CS_RETURN           1468
