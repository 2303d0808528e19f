// Resource ids that several windows share: the icon, the hand cursor, IDC_STATIC and
// the help command of the code field. Each window names its own ids in the header
// beside it (PracticeDlgRes.h ...). Included by the resource scripts and by the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

#define IDR_MAINFRAME           128
#define IDC_HAND_CURSOR         977

// The help command of the code field (F8)
#define ID_HELP_FINDER          0xE143
