#include "common/VersionHistoryDlg.h"

#include "common/WindowLook.h"
#include "win/gdi.h"

namespace {

constexpr COLORREF kGround = RGB(128, 200, 100);

constexpr qope::LabelColour kLabels[] = {
    {IDC_HISTORY_TITLE, RGB(255, 255, 255)}, {IDC_HISTORY_V1, RGB(0, 0, 255)},
    {IDC_HISTORY_V2, RGB(100, 75, 55)},      {IDC_HISTORY_V3, RGB(255, 255, 255)},
    {IDC_HISTORY_V4, RGB(255, 255, 0)},      {IDC_HISTORY_CLOSING, RGB(255, 0, 0)},
};

constexpr int kHandCursorIds[] = {IDOK};

}  // namespace

bool CVersionHistoryDlg::OnInitDialog() {
    m_fontText = win::CreatePointFont(12, L"Arial");
    qope::SetLabelFont(Handle(), kLabels, m_fontText.Get());
    return true;
}

std::span<const win::MessageRoute> CVersionHistoryDlg::MessageRoutes() const {
    static const win::MessageRoute routes[] = {
        win::OnMessage(WM_ERASEBKGND, &CVersionHistoryDlg::OnEraseBackground),
        win::OnMessage(WM_SETCURSOR, &CVersionHistoryDlg::OnSetCursor),
    };
    return routes;
}

std::optional<INT_PTR> CVersionHistoryDlg::OnEraseBackground(WPARAM wp, LPARAM) {
    qope::EraseWithColour(Handle(), reinterpret_cast<HDC>(wp), kGround);
    return TRUE;
}

std::optional<INT_PTR> CVersionHistoryDlg::OnSetCursor(WPARAM wp, LPARAM) {
    if (qope::ShowHandCursorOver(reinterpret_cast<HWND>(wp), kHandCursorIds)) return TRUE;
    return std::nullopt;
}

HBRUSH CVersionHistoryDlg::OnColour(HDC dc, HWND control, int colourType) {
    if (HBRUSH brush = qope::ColourLabel(dc, control, colourType, kLabels, m_fontText.Get())) return brush;
    return Dialog::OnColour(dc, control, colourType);
}
