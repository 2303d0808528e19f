// Resource and control ids of the article typing window (template 489).
#pragma once

#include "res/resource.h"

#define IDD_ARTICLE_TYPING      489

// Reference lines 1-5 and the typing line under each.
#define IDC_AR_REFERENCE1       1214
#define IDC_AR_REFERENCE2       1217
#define IDC_AR_REFERENCE3       1219
#define IDC_AR_REFERENCE4       1221
#define IDC_AR_REFERENCE5       1223
#define IDC_AR_TYPING1          1216
#define IDC_AR_TYPING2          1218
#define IDC_AR_TYPING3          1220
#define IDC_AR_TYPING4          1222
#define IDC_AR_TYPING5          1224

// Statistics and their labels
#define IDC_AR_TOTAL            1232
#define IDC_AR_CORRECT          1233
#define IDC_AR_ERRORS           1234
#define IDC_AR_ACCURACY         1236
#define IDC_AR_SPEED            1249
#define IDC_AR_LABEL_TOTAL      1290
#define IDC_AR_LABEL_CORRECT    1291
#define IDC_AR_LABEL_ERRORS     1292
#define IDC_AR_LABEL_ACCURACY   1293
#define IDC_AR_LABEL_PERCENT    1294
#define IDC_AR_LABEL_SPEED      1295
#define IDC_AR_LABEL_SPEED_UNIT 1296
#define IDC_AR_PROMPT           1297
#define IDC_AR_CREDIT           1298

// Buttons
#define IDC_AR_FREE_INPUT       1168
#define IDC_AR_KEYBOARD86       1227
#define IDC_AR_KEYBOARD98       1313
#define IDC_ARTICLE_THIEF       1225
#define IDC_ARTICLE_BLIND       1226
#define IDC_ARTICLE_EMPEROR     1228
#define IDC_ARTICLE_FISHERMAN   1239
#define IDC_ARTICLE_PETREL      1240
#define IDC_ARTICLE_BIRDS       1241
#define IDC_ARTICLE_SUNRISE     1242
#define IDC_ARTICLE_OX          1243
#define IDC_ARTICLE_STADIUM     1244
#define IDC_ARTICLE_WATCHES     1245
#define IDC_ARTICLE_PAPER       1246
#define IDC_ARTICLE_PRINTING    1247
