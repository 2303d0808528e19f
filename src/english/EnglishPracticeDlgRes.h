// Resource and control ids of the English practice window (template 594).
#pragma once

#include "res/resource.h"

#define IDD_ENGLISH_PRACTICE    594

// Reference lines 1-7 and the typing line under each.
#define IDC_EN_REFERENCE1       1256
#define IDC_EN_REFERENCE2       1317
#define IDC_EN_REFERENCE3       1320
#define IDC_EN_REFERENCE4       1322
#define IDC_EN_REFERENCE5       1325
#define IDC_EN_REFERENCE6       1327
#define IDC_EN_REFERENCE7       1331
#define IDC_EN_TYPING1          1316
#define IDC_EN_TYPING2          1318
#define IDC_EN_TYPING3          1321
#define IDC_EN_TYPING4          1323
#define IDC_EN_TYPING5          1326
#define IDC_EN_TYPING6          1328
#define IDC_EN_TYPING7          1332

// Statistics and their labels
#define IDC_EN_TOTAL            1341
#define IDC_EN_CORRECT          1342
#define IDC_EN_ERRORS           1343
#define IDC_EN_ACCURACY         1344
#define IDC_EN_SPEED            1345
#define IDC_EN_LABEL_TOTAL      1269
#define IDC_EN_LABEL_CORRECT    1270
#define IDC_EN_LABEL_ERRORS     1335
#define IDC_EN_LABEL_ACCURACY   1336
#define IDC_EN_LABEL_PERCENT    1338
#define IDC_EN_LABEL_SPEED      1272
#define IDC_EN_LABEL_SPEED_UNIT 1337

// Side and group captions
#define IDC_EN_CAPTION_LEFT     1339
#define IDC_EN_CAPTION_RIGHT    1340
#define IDC_EN_GROUP_KEYS       1351
#define IDC_EN_GROUP_ARTICLES   1352

// Lesson buttons (english_lessons.def)
#define IDC_LESSON_BASIC        1334
#define IDC_LESSON_DIGITS       1347
#define IDC_LESSON_EI           1349
#define IDC_LESSON_GH           1350
#define IDC_LESSON_RTUY         1354
#define IDC_LESSON_VBMN         1355
#define IDC_LESSON_WQOP         1358
#define IDC_LESSON_CXZ          1356
#define IDC_LESSON_ALL          1357
#define IDC_LESSON_CASE         1359
#define IDC_LESSON_CURIE        1333
#define IDC_LESSON_COOK         1360
#define IDC_LESSON_AUSTRALIA    1361
#define IDC_LESSON_EINSTEIN     1362
