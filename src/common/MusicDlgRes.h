// Resource and control ids of the background music window (template 506).
#pragma once

#include "res/resource.h"

#define IDD_MUSIC               506
#define IDC_MUSIC_SHOWN         1256
#define IDC_MUSIC_1             1260
#define IDC_MUSIC_2             1261
#define IDC_MUSIC_3             1262
#define IDC_MUSIC_4             1263
#define IDC_MUSIC_5             1264
#define IDC_MUSIC_6             1265
#define IDC_MUSIC_7             1266
#define IDC_MUSIC_8             1267
#define IDC_MUSIC_OFF           1268
#define IDC_MUSIC_PIECES_GROUP  1269
#define IDC_MUSIC_LOOP_GROUP    1270
#define IDC_MUSIC_SHOWN_LABEL   1305
#define IDC_MUSIC_WHOLE_LIST    1369
#define IDC_MUSIC_ONE_PIECE     1370
#define IDC_MUSIC_9             1371
#define IDC_MUSIC_10            1372
#define IDC_MUSIC_11            1373
#define IDC_MUSIC_12            1374
