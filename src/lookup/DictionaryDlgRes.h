// Resource and control ids of the dictionary window (template 238).
#pragma once

#include "res/resource.h"

#define IDD_DICTIONARY          238
#define IDC_DICT_RESULT         1058
#define IDC_DICT_INPUT          1059
#define IDC_DICT_PROMPT         1302
#define IDC_DICT_NOTE           1303
