// Resource and control ids of the keyboard root-map windows (templates 381 and 590).
#pragma once

#include "res/resource.h"

#define IDD_ROOT_MAP86          381
#define IDD_ROOT_MAP98          590
#define IDB_ROOT_MAP86          643
#define IDB_ROOT_MAP98          644
#define IDC_ROOT_MAP_PICTURE    1000
