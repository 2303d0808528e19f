// The keyboard root map of an edition in a window of its own (显示字根在键盘中的分布), for
// looking roots up while typing an article. 关闭键盘 ends it with IDOK, Esc and the close
// box with IDCANCEL.
#pragma once

#include "lookup/RootMapDlgRes.h"
#include "win/dialog.h"

class CRootMapDlg : public win::Dialog {
public:
    explicit CRootMapDlg(int edition) : Dialog(edition == 98 ? IDD_ROOT_MAP98 : IDD_ROOT_MAP86) {}

    static constexpr int kMapWidth = 762, kMapHeight = 265;

protected:
    bool OnInitDialog() override;
    const win::Look* GetLook() const override;
};
