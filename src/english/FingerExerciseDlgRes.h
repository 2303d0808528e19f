// Resource and control ids of the finger exercise window (template 242). Its keys are
// listed in finger_keys.def, its key groups in finger_groups.def.
#pragma once

#include "res/resource.h"

#define IDD_FINGER_EXERCISE     242

// Pictures; the keys' and the exit button's are named NAME + U/D/F/X (finger_keys.def,
// EXITBACK)
#define IDB_FINGER_CAPTION      336     // 你现在所练习的键位是:
#define IDB_MEANDER_ACROSS      341     // the border along the top and bottom edges
#define IDB_MEANDER_DOWN        345     // the border down the left and right edges
#define IDB_FINGER_CHOOSE       355     // 请选择 and an arrow towards the group buttons

// The keyboard, row by row as on the keys
#define IDC_KEY_GRAVE           1125
#define IDC_KEY_1               1082
#define IDC_KEY_2               1083
#define IDC_KEY_3               1084
#define IDC_KEY_4               1085
#define IDC_KEY_5               1086
#define IDC_KEY_6               1087
#define IDC_KEY_7               1088
#define IDC_KEY_8               1089
#define IDC_KEY_9               1090
#define IDC_KEY_0               1091
#define IDC_KEY_MINUS           1092
#define IDC_KEY_EQUALS          1093
#define IDC_KEY_BACKSLASH       1094
#define IDC_KEY_BACKSPACE       1095
#define IDC_KEY_TAB             1131
#define IDC_KEY_Q               1096
#define IDC_KEY_W               1097
#define IDC_KEY_E               1098
#define IDC_KEY_R               1099
#define IDC_KEY_T               1100
#define IDC_KEY_Y               1101
#define IDC_KEY_U               1102
#define IDC_KEY_I               1103
#define IDC_KEY_O               1104
#define IDC_KEY_P               1105
#define IDC_KEY_LBRACKET        1106
#define IDC_KEY_RBRACKET        1107
#define IDC_KEY_ENTER_UPPER     1129
#define IDC_KEY_CAPS_LOCK       1132
#define IDC_KEY_A               1081
#define IDC_KEY_S               1108
#define IDC_KEY_D               1109
#define IDC_KEY_F               1110
#define IDC_KEY_G               1111
#define IDC_KEY_H               1112
#define IDC_KEY_J               1113
#define IDC_KEY_K               1114
#define IDC_KEY_L               1115
#define IDC_KEY_SEMICOLON       1116
#define IDC_KEY_APOSTROPHE      1117
#define IDC_KEY_ENTER_LOWER     1130
#define IDC_KEY_SHIFT_LEFT      1133
#define IDC_KEY_Z               1118
#define IDC_KEY_X               1119
#define IDC_KEY_C               1120
#define IDC_KEY_V               1121
#define IDC_KEY_B               1122
#define IDC_KEY_N               1123
#define IDC_KEY_M               1124
#define IDC_KEY_COMMA           1126
#define IDC_KEY_PERIOD          1127
#define IDC_KEY_SLASH           1128
#define IDC_KEY_SHIFT_RIGHT     1134
#define IDC_KEY_CTRL_LEFT       1135
#define IDC_KEY_WIN_LEFT        1137
#define IDC_KEY_ALT_LEFT        1138
#define IDC_KEY_SPACE           1139
#define IDC_KEY_ALT_RIGHT       1140
#define IDC_KEY_WIN_RIGHT       1141
#define IDC_KEY_MENU            1142
#define IDC_KEY_CTRL_RIGHT      1136

// The hidden one-character input, which takes every keystroke
#define IDC_FINGER_INPUT        1143

// The group buttons (push-like radio buttons), groups 1-10
#define IDC_FINGER_GROUP1       1145
#define IDC_FINGER_GROUP2       1150
#define IDC_FINGER_GROUP3       1159
#define IDC_FINGER_GROUP4       1160
#define IDC_FINGER_GROUP5       1161
#define IDC_FINGER_GROUP6       1162
#define IDC_FINGER_GROUP7       1163
#define IDC_FINGER_GROUP8       1164
#define IDC_FINGER_GROUP9       1165
#define IDC_FINGER_GROUP10      1166

// Pictures shown by static controls
#define IDC_FINGER_CAPTION      1147    // IDB_FINGER_CAPTION, before the key list
#define IDC_FINGER_CHOOSE       1146    // IDB_FINGER_CHOOSE, left of the group buttons
#define IDC_FINGER_BORDER_TOP   1148
#define IDC_FINGER_BORDER_BOTTOM 1149
#define IDC_FINGER_BORDER_LEFT  1151
#define IDC_FINGER_BORDER_RIGHT 1152

// The exit button (pictures EXITBACK)
#define IDC_FINGER_EXIT         1170

// Statistics
#define IDC_FINGER_TOTAL        1256
#define IDC_FINGER_CORRECT      1395
#define IDC_FINGER_ERRORS       1396
#define IDC_FINGER_ACCURACY     1397
#define IDC_FINGER_TOTAL_LABEL  1401    // 击键次数
#define IDC_FINGER_CORRECT_LABEL 1402   // 正确
#define IDC_FINGER_CORRECT_UNIT 1403    // 次
#define IDC_FINGER_ERRORS_LABEL 1404    // 错误
#define IDC_FINGER_ERRORS_UNIT  1405    // 次
#define IDC_FINGER_ACCURACY_LABEL 1406  // 正确率
#define IDC_FINGER_ACCURACY_UNIT 1407   // %

// The chosen group's keys and the finger prompt, in large letters
#define IDC_FINGER_KEY_LIST     1416
#define IDC_FINGER_PROMPT       1417
