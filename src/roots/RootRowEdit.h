// A display line of the main window over which a row of root pictures lies during a root
// batch. While its window shows a row there, the line paints the row itself, from the
// window's state, through a back buffer; otherwise it is the plain read-only edit.
#pragma once

#include "win/control.h"

#include <functional>

class CRootRowEdit : public win::Control {
public:
    // Whether a row is shown now; if not, the edit paints itself.
    std::function<bool()> showsRow;
    // Draws the row into `dc`, in the parent window's client coordinates, clipped to
    // `area` (the same coordinates).
    std::function<void(HDC dc, const RECT& area)> paintRow;

    // Repaints the line, or the part of it that covers `parentArea` (parent coordinates).
    void Invalidate(const RECT* parentArea = nullptr) const;

protected:
    bool WantsMessages() const override { return true; }
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    POINT Origin() const;  // the line's client corner in parent coordinates
};
