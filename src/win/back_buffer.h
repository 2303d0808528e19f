// Painting from state through a back buffer.
//
// A window, or a child control that owns a picture area, keeps what it shows as state.
// When the state changes it invalidates only the part that changed (Invalidate below);
// WM_PAINT then draws what the window shows into a memory bitmap the size of the part
// being painted, in client coordinates, and copies it to the screen once. Nothing is
// drawn onto a window outside WM_PAINT, so covering, uncovering and quick changes never
// lose or tear a picture, and a small change costs a small copy.
//
//   std::optional<INT_PTR> CMyDlg::OnEraseBackground(WPARAM, LPARAM) {
//       return TRUE;  // the ground is part of the paint below
//   }
//   std::optional<INT_PTR> CMyDlg::OnPaint(WPARAM, LPARAM) {
//       win::PaintBuffered(Handle(), [&](HDC dc, const RECT& area) {
//           DrawGround(dc, area);      // client coordinates; clipped to `area`
//           DrawPictures(dc);
//       });
//       return 0;
//   }
//   void CMyDlg::OnAnswer() {
//       m_answered += 1;                         // change the state ...
//       win::Invalidate(Handle(), CellRect(i));  // ... and say where it shows
//   }
#pragma once

#include <windows.h>

#include <functional>

namespace win {

using PaintFn = std::function<void(HDC dc, const RECT& area)>;

// Handles WM_PAINT: BeginPaint, `draw` into a buffer covering the update area (clipped to
// it, client coordinates), one copy to the window, EndPaint.
void PaintBuffered(HWND window, const PaintFn& draw);

// Marks a part of a window (the whole client area for nullptr) for painting, with the
// child windows that lie over it, since a parent's paint covers them.
void Invalidate(HWND window, const RECT* area = nullptr);

// Repaints a child control together with its parent's ground under it: for a control
// drawn transparent, whose own repaint would draw over what it showed before (a radio's
// focus rectangle, once the focus has left it).
void InvalidateWithGround(HWND control);

// Whether two rectangles overlap.
bool Overlap(const RECT& a, const RECT& b);

}  // namespace win
