// A dialog's look, declared as a table and applied by the dialog base (win/dialog.h):
//
//   constexpr win::PointFont kFonts[] = {{16, L"Impact"}};
//   constexpr win::LabelStyle kLabels[] = {{IDC_PROMPT, RGB(255, 0, 255)}, {IDC_NOTE, RGB(255, 0, 0)}};
//   constexpr int kHandIds[] = {IDOK};
//   constexpr win::Look kLook{win::Ground::Framed, RGB(192, 192, 0), kFonts, kLabels, kHandIds};
//   const win::Look* CMyDlg::GetLook() const { return &kLook; }
//
//  - ground: painted by the base in WM_PAINT through the back buffer, under whatever the
//    window draws itself (Dialog::PaintOver); the erase does nothing;
//  - fonts: made once per window object when the window opens, kept until it goes;
//    Dialog::LookFont(i) hands them out for the window's own drawing;
//  - labels: each listed static, group box or radio button gets its font (WM_SETFONT at
//    start, since a static may select its own font after asking for its colours) and is
//    drawn in its colour, transparent on the hollow brush, or on an opaque ground;
//  - hand cursor: shown over the listed controls (the cursor comes from the look's
//    handCursor function: the layer does not know the program's resources).
#pragma once

#include <windows.h>

#include <span>

namespace win {

enum class Ground {
    None,    // the window paints all of itself
    Solid,   // its colour over the whole client area
    Framed,  // its colour inside a one-pixel frame of the default (black) pen
};

struct PointFont {
    int points;
    const wchar_t* face;
};

struct LabelStyle {
    int id;
    COLORREF text;
    int font = 0;                 // index into the look's fonts
    bool opaque = false;          // drawn on `ground` instead of transparent
    COLORREF ground = 0;
};

struct Look {
    Ground ground = Ground::None;
    COLORREF groundColour = 0;
    std::span<const PointFont> fonts;
    std::span<const LabelStyle> labels;
    std::span<const int> handCursorIds;
    HCURSOR (*handCursor)() = nullptr;
};

}  // namespace win
