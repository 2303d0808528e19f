// Resource and control ids of the code lookup window (template 235); its key caps are
// listed in key_caps.def.
#pragma once

#include "res/resource.h"

#define IDD_CODE_LOOKUP         235
#define IDC_LOOKUP_CHARS        1040
#define IDC_LOOKUP_CODE         1041
#define IDC_LOOKUP_EDITION      1256
#define IDC_LOOKUP_CHARS_LABEL  1286
#define IDC_LOOKUP_CODE_LABEL   1287
