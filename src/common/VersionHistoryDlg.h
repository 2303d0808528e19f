// The release history of the program (menu 关于Qope......).
#pragma once

#include "common/VersionHistoryDlgRes.h"
#include "win/dialog.h"
#include "win/scoped.h"

class CVersionHistoryDlg : public win::Dialog {
public:
    CVersionHistoryDlg() : Dialog(IDD_VERSION_HISTORY) {}

protected:
    bool OnInitDialog() override;
    std::span<const win::MessageRoute> MessageRoutes() const override;
    HBRUSH OnColour(HDC dc, HWND control, int colourType) override;

private:
    std::optional<INT_PTR> OnEraseBackground(WPARAM wp, LPARAM lp);
    std::optional<INT_PTR> OnSetCursor(WPARAM wp, LPARAM lp);

    win::ScopedFont m_fontText;
};
