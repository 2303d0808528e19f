// The release history of the program (menu 关于Qope......): texts on a green ground.
#pragma once

#include "common/VersionHistoryDlgRes.h"
#include "win/dialog.h"

class CVersionHistoryDlg : public win::Dialog {
public:
    CVersionHistoryDlg() : Dialog(IDD_VERSION_HISTORY) {}

protected:
    const win::Look* GetLook() const override;
};
