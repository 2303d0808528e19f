#include "common/WindowLook.h"

#include "res/resource.h"
#include "win/back_buffer.h"
#include "win/dialog.h"
#include "win/gdi.h"

#include <algorithm>

namespace qope {

HCURSOR HandCursor() {
    // A cursor resource loaded with LoadCursor is shared and never destroyed.
    static const HCURSOR hand = ::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_CURSOR));
    return hand;
}

bool ShowHandCursorOver(HWND under, std::span<const int> ids) {
    const int id = under ? ::GetDlgCtrlID(under) : 0;
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) return false;
    ::SetCursor(HandCursor());
    return true;
}

void EraseWithColour(HWND window, HDC dc, COLORREF colour) {
    RECT client{};
    ::GetClientRect(window, &client);
    win::FillFramed(dc, client, colour);
}

void PaintGround(HWND window, COLORREF colour) {
    win::PaintBuffered(window, [colour](HDC dc, const RECT& area) {
        win::ScopedBrush ground(::CreateSolidBrush(colour));
        ::FillRect(dc, &area, ground.Get());
    });
}

void SetLabelFont(HWND dialog, std::span<const LabelColour> table, HFONT font) {
    for (const LabelColour& row : table)
        ::SendDlgItemMessageW(dialog, row.id, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

HBRUSH ColourLabel(HDC dc, HWND control, int colourType, std::span<const LabelColour> table, HFONT font) {
    if (colourType != CTLCOLOR_STATIC) return nullptr;
    const int id = ::GetDlgCtrlID(control);
    const auto row = std::find_if(table.begin(), table.end(), [id](const LabelColour& r) { return r.id == id; });
    if (row == table.end()) return nullptr;
    return win::Dialog::PaintLabel(dc, font, row->text);
}

}  // namespace qope
