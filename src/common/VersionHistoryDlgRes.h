// Resource and control ids of the version history (template 530).
#pragma once

#include "res/resource.h"

#define IDD_VERSION_HISTORY     530

#define IDC_HISTORY_TITLE       1306
#define IDC_HISTORY_V1          1307
#define IDC_HISTORY_V2          1308
#define IDC_HISTORY_V3          1310
#define IDC_HISTORY_V4          1474
#define IDC_HISTORY_CLOSING     1309
