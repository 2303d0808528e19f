// A bound control (an edit, a static) that paints itself through a back buffer, with its
// window's drawing over it.
//
// Its WM_PAINT draws the control's own look into a memory bitmap (WM_PRINTCLIENT), then
// calls the window's paintOver hook, which draws over it in the control's client
// coordinates, and copies the result to the screen once, with the caret hidden (BeginPaint
// hides it). What is drawn over the control is therefore repainted with it every time,
// whatever made the control paint: covering, scrolling, a selection, typing. After the
// messages that change what an edit shows (characters, editing keys, a selection with the
// mouse, scrolling, new text) the control repaints itself whole, since an edit may draw
// such a change straight onto the screen, under the drawing over it.
//
//   m_line.paintOver = [this](HDC dc, const RECT& area) { DrawCells(dc, area); };
//   m_line.Invalidate();   // the state behind the cells changed: this control repaints,
//                          // never its parent or its siblings
#pragma once

#include "win/control.h"

#include <functional>

namespace win {

class OverlayControl : public Control {
public:
    // Draws over the control, in its client coordinates, clipped to `area` (the same).
    std::function<void(HDC dc, const RECT& area)> paintOver;
    // Whether there is anything to draw over the control now; when not, it paints as it
    // always does. Unset: always.
    std::function<bool()> overlaid;
    // False when paintOver covers the whole control: its own look is not drawn first.
    bool drawsOwnLook = true;

    // Repaints this control alone: its client area, or `area` of it (client coordinates).
    void Invalidate(const RECT* area = nullptr) const;
    // The same for an area in the parent window's client coordinates.
    void InvalidateParentArea(const RECT& parentArea) const;
    // The control's client corner in its parent's client coordinates.
    POINT Origin() const;

protected:
    bool WantsMessages() const override { return true; }
    // Derived controls that filter messages of their own pass the rest on to this one.
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    bool Overlaid() const { return paintOver && (!overlaid || overlaid()); }
    void Paint();
};

}  // namespace win
