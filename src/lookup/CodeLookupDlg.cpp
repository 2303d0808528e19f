#include "lookup/CodeLookupDlg.h"

#include "common/WindowLook.h"
#include "lookup/code_lookup.h"
#include "win/back_buffer.h"
#include "win/gdi.h"

#include <algorithm>

namespace {

constexpr win::PointFont kFonts[] = {{16, L"Impact"}};
constexpr win::LabelStyle kLabels[] = {
    {IDC_LOOKUP_CHARS_LABEL, RGB(0, 255, 255)},
    {IDC_LOOKUP_CODE_LABEL, RGB(255, 255, 255)},
};
constexpr int kHandCursorIds[] = {IDOK};
constexpr win::Look kLook{win::Ground::Solid, RGB(0, 0, 255), kFonts, kLabels, kHandCursorIds, qope::HandCursor};

}  // namespace

const win::Look* CCodeLookupDlg::GetLook() const { return &kLook; }

void CCodeLookupDlg::Exchange(win::DataExchange& dx) {
    dx.Text(IDC_LOOKUP_CHARS, m_strChars);
    dx.Text(IDC_LOOKUP_CODE, m_strCode);
    dx.Number(IDC_LOOKUP_EDITION, m_nEdition);
}

bool CCodeLookupDlg::OnInitDialog() {
    // Only the caps the code needs; the rest of the table would never be drawn.
    for (char key : m_strCode) {
        const int id = qope::KeyCapId(key, m_nEdition);
        m_caps.push_back(id ? win::LoadBitmapResource(id) : win::ScopedBitmap());
    }
    Push();
    return true;
}

// The caps over the blue ground.
void CCodeLookupDlg::PaintOver(HDC dc, const RECT& area) {
    for (size_t i = 0; i < m_strCode.size(); ++i) {
        const POINT at = CapOrigin(static_cast<int>(i));
        const RECT cell{at.x, at.y, at.x + kCapCell, at.y + kCapCell};
        if (win::Overlap(area, cell)) DrawCap(dc, static_cast<int>(i), m_strCode[i]);
    }
}

// A cap picture as it is (never more than its own size), or for a character without one
// a plain grey cap showing the character.
void CCodeLookupDlg::DrawCap(HDC dc, int i, char key) const {
    const POINT at = CapOrigin(i);
    HBITMAP picture = static_cast<size_t>(i) < m_caps.size() ? m_caps[size_t(i)].Get() : nullptr;
    if (picture) {
        const SIZE size = win::BitmapSize(picture);
        win::CopyBitmap(dc, at.x, at.y, picture, std::min<int>(size.cx, kCapCell), std::min<int>(size.cy, kCapCell));
        return;
    }
    const RECT cap{at.x + 1, at.y + 1, at.x + kCapCell - 2, at.y + kCapCell - 2};
    win::ScopedPen outline(::CreatePen(PS_SOLID, 1, RGB(64, 64, 64)));
    win::SelectScope pen(dc, outline.Get());
    win::FillFramed(dc, cap, RGB(200, 200, 200));
    const bool printable = static_cast<unsigned char>(key) >= 0x21 && static_cast<unsigned char>(key) < 0x7F;
    if (!printable) return;
    const wchar_t text[2] = {static_cast<wchar_t>(key), 0};
    win::SelectScope font(dc, LookFont(0));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(0, 0, 0));
    RECT inner = cap;
    ::DrawTextW(dc, text, 1, &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CCodeLookupDlg::ReleasePictures() { m_caps.clear(); }

// 关闭, Enter, Esc and the close box all release the caps before the window goes.
void CCodeLookupDlg::OnOK() {
    ReleasePictures();
    EndModal(IDOK);
}

void CCodeLookupDlg::OnCancel() {
    ReleasePictures();
    EndModal(IDCANCEL);
}
