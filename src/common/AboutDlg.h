// The about box of the system menu: icon, name and version, 确定.
#pragma once

#include "common/AboutDlgRes.h"
#include "win/dialog.h"

class CAboutDlg : public win::Dialog {
public:
    CAboutDlg() : Dialog(IDD_ABOUTBOX) {}
};
