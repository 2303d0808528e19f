// Resource and control ids of the main practice window (template 102, menu 501).
#pragma once

#include "res/resource.h"

#define IDD_PRACTICE            102
#define IDR_MAIN_MENU           501
#define IDS_ABOUTBOX            101

// Pictures
#define IDB_BACKGROUND          522
#define IDB_KEYMAP86            547
#define IDB_KEYMAP98            548
#define IDB_TITLE86             619
#define IDB_TITLE98             620
#define IDB_ANSWER_STRIP        976

// System menu item
#define IDM_ABOUTBOX            0x0010

// Display fields
#define IDC_COMPARE_TEXT        1033
#define IDC_INPUT_TEXT          1034
#define IDC_CODE_EDIT           1036
#define IDC_SPEED               1062
#define IDC_TYPING_SECS         1078
#define IDC_USE_HOURS           1256
#define IDC_USE_MINUTES         1412
#define IDC_USE_SECONDS         1413
#define IDC_CORRECT_BAR         1070
#define IDC_ERROR_BAR           1071
#define IDC_APP_ICON            1057
#define IDC_STATUS              1418

// Labels
#define IDC_LABEL_CHOOSE        1273
#define IDC_LABEL_COMPARE       1274
#define IDC_LABEL_INPUT         1275
#define IDC_LABEL_CODE          1276
#define IDC_LABEL_USE_TIME      1277
#define IDC_LABEL_SPEED         1279
#define IDC_LABEL_SPEED_UNIT    1280
#define IDC_CREDIT              1281
#define IDC_LABEL_TIMING        1282
#define IDC_LABEL_SECONDS       1283
#define IDC_LABEL_CORRECT_RATE  1284
#define IDC_LABEL_ERROR_RATE    1285

// Picture buttons
#define IDC_ALLWORDBOOT         1419
#define IDC_WORDOFBOOT          1420
#define IDC_TWOSIMPCODE         1421
#define IDC_ONESIMPCODE         1422
#define IDC_THREESIMPCODE       1423
#define IDC_ALLOFCODE           1424
#define IDC_SHIBUICODE          1425
#define IDC_TWOOFWORDS          1426
#define IDC_THREEOFWORDS        1427
#define IDC_FOUROFWORDS         1428
#define IDC_MOREOFWORDS         1429
#define IDC_INPUTTEST           1430
#define IDC_STUDYZBUTTON        1060
#define IDC_HANDEXERCISE        1169
#define IDC_KEYHELPBUTTON       1312
#define IDC_SYSHELPBUTTON       1047
#define IDC_MYENGLISHTYPEDLG    1314
#define IDC_CODEFINDBUTTON      1043
#define IDC_ENGLISHTESTBUTTON   1436
#define IDC_CHINESETESTBUTTON   1449
#define IDC_EXIT                1039

// Menu 501
#define ID_VERSION_HISTORY      32771
#define ID_EXIT_SYSTEM          32773
#define ID_FINGER_EXERCISE      32774
#define ID_ALL_ROOTS            32775
#define ID_WORD_ROOTS           32776
#define ID_ONE_SIMP             32777
#define ID_TWO_SIMP             32778
#define ID_THREE_SIMP           32779
#define ID_END_STROKE           32780
#define ID_ALL_CODES            32781
#define ID_TWO_WORDS            32782
#define ID_THREE_WORDS          32783
#define ID_FOUR_WORDS           32784
#define ID_MORE_WORDS           32785
#define ID_CODE_LOOKUP          32786
#define ID_DICTIONARY           32787
#define ID_ARTICLE_TYPING       32788
#define ID_WUBI_TUTORIAL        32789
#define ID_MUSIC_CHOICE         32791
#define ID_EDITION_98           32794
#define ID_EDITION_86           32795
#define ID_ENGLISH_PRACTICE     32796
#define ID_KEYBOARD_HELP        32798
#define ID_KEY_HINTS_ON         32799
#define ID_KEY_HINTS_OFF        32800
#define ID_ZONE_HENG            32801
#define ID_ZONE_SHU             32802
#define ID_ZONE_PIE             32803
#define ID_ZONE_NA              32804
#define ID_ZONE_ZHE             32805
