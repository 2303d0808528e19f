// The look the windows share: coloured grounds, coloured labels, the hand cursor.
#pragma once

#include <windows.h>

#include <span>

namespace qope {

// Every dialog's ground and text (labels, buttons, read-only fields), set at start.
inline constexpr COLORREF kDialogGround = RGB(192, 192, 192);
inline constexpr COLORREF kDialogText = RGB(0, 0, 255);
// The caption of every message box.
inline constexpr const wchar_t* kMessageCaption = L"Qope";

// One row of a window's label table: the control and the colour of its text.
struct LabelColour {
    int id;
    COLORREF text;
};

// The hand cursor (cursor 977) of the program.
HCURSOR HandCursor();

// For WM_SETCURSOR: shows the hand cursor when the control under the mouse is one of
// `ids`; true means the request was answered.
bool ShowHandCursorOver(HWND under, std::span<const int> ids);

// A window's ground: its colour inside a one-pixel black frame over the client area.
void EraseWithColour(HWND window, HDC dc, COLORREF colour);

// WM_PAINT of a window that shows only a solid ground (its controls draw the rest).
void PaintGround(HWND window, COLORREF colour);

// Gives the labels of the table their font. The colour handler selects the font too, but
// a static control may select its own font after asking for its colours (Wine does), so
// the label's own font must already be the right one.
void SetLabelFont(HWND dialog, std::span<const LabelColour> table, HFONT font);

// A label of the table drawn transparent in its colour and `font`; nullptr for a control
// that is not a label of the table, which then keeps the dialog colours.
HBRUSH ColourLabel(HDC dc, HWND control, int colourType, std::span<const LabelColour> table, HFONT font);

}  // namespace qope
