#include "win/back_buffer.h"

#include "win/scoped.h"

namespace win {

void PaintBuffered(HWND window, const PaintFn& draw) {
    PaintDC paint(window);
    const RECT area = paint.Area();
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    ScopedMemoryDC memory(::CreateCompatibleDC(paint.Get()));
    ScopedBitmap buffer(::CreateCompatibleBitmap(paint.Get(), width, height));
    if (!memory || !buffer) {  // out of memory: draw straight onto the window
        draw(paint.Get(), area);
        return;
    }
    SelectScope select(memory.Get(), buffer.Get());
    // Draw in client coordinates: the buffer's origin is the area's corner.
    ::SetViewportOrgEx(memory.Get(), -area.left, -area.top, nullptr);
    ::IntersectClipRect(memory.Get(), area.left, area.top, area.right, area.bottom);
    draw(memory.Get(), area);
    ::SetViewportOrgEx(memory.Get(), 0, 0, nullptr);
    ::BitBlt(paint.Get(), area.left, area.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

void Invalidate(HWND window, const RECT* area) {
    ::RedrawWindow(window, area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void InvalidateWithGround(HWND control) {
    HWND parent = ::GetParent(control);
    RECT area{};
    ::GetWindowRect(control, &area);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    Invalidate(parent, &area);
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT both{};
    return ::IntersectRect(&both, &a, &b) != FALSE;
}

}  // namespace win
