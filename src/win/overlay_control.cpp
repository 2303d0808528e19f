#include "win/overlay_control.h"

#include "win/scoped.h"

namespace win {

namespace {

// Messages after which an edit shows something else: its text, its selection, the part
// of its text in view.
bool ChangesWhatShows(UINT message, WPARAM wp) {
    switch (message) {
    case WM_CHAR: case WM_IME_CHAR: case WM_KEYDOWN: case WM_SETTEXT: case WM_PASTE: case WM_CUT:
    case WM_CLEAR: case WM_UNDO: case WM_HSCROLL: case WM_VSCROLL: case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_SETFOCUS: case WM_KILLFOCUS: case WM_IME_COMPOSITION:
    case EM_REPLACESEL: case EM_SETSEL: case EM_LINESCROLL: case EM_SCROLL: case EM_SCROLLCARET: case EM_UNDO:
        return true;
    case WM_MOUSEMOVE:
        return (wp & MK_LBUTTON) != 0;  // dragging a selection
    default:
        return false;
    }
}

}  // namespace

POINT OverlayControl::Origin() const {
    POINT origin{0, 0};
    ::MapWindowPoints(Handle(), ::GetParent(Handle()), &origin, 1);
    return origin;
}

void OverlayControl::Invalidate(const RECT* area) const {
    if (Handle()) ::InvalidateRect(Handle(), area, FALSE);
}

void OverlayControl::InvalidateParentArea(const RECT& parentArea) const {
    if (!Handle()) return;
    RECT area = parentArea;
    const POINT origin = Origin();
    ::OffsetRect(&area, -origin.x, -origin.y);
    RECT client{}, both{};
    ::GetClientRect(Handle(), &client);
    if (::IntersectRect(&both, &area, &client)) Invalidate(&both);
}

void OverlayControl::Paint() {
    PaintDC paint(Handle());
    const RECT area = paint.Area();
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;  // BeginPaint validated it: nothing to draw
    // A buffer the size of the update area; drawing stays in client coordinates.
    ScopedMemoryDC memory(::CreateCompatibleDC(paint.Get()));
    ScopedBitmap buffer(::CreateCompatibleBitmap(paint.Get(), width, height));
    if (!memory || !buffer) {  // out of memory: the drawing over it straight onto the screen
        paintOver(paint.Get(), area);
        return;
    }
    SelectScope select(memory.Get(), buffer.Get());
    ::SetViewportOrgEx(memory.Get(), -area.left, -area.top, nullptr);
    if (drawsOwnLook) {
        // The control leaves its own clipping, font and colours in the context it printed
        // into (an edit clips to its text rectangle): they must not reach the drawing over it.
        const int saved = ::SaveDC(memory.Get());
        Default(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT | PRF_ERASEBKGND);
        ::RestoreDC(memory.Get(), saved);
    }
    ::IntersectClipRect(memory.Get(), area.left, area.top, area.right, area.bottom);
    paintOver(memory.Get(), area);
    ::SetViewportOrgEx(memory.Get(), 0, 0, nullptr);
    // The caret is drawn by inverting the screen, so a copy over a shown caret would leave
    // its inverse behind when it next blinks; BeginPaint has hidden it, EndPaint shows it.
    ::BitBlt(paint.Get(), area.left, area.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

std::optional<LRESULT> OverlayControl::OnMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_PAINT || message == WM_ERASEBKGND) {
        if (!Overlaid()) return std::nullopt;
        if (message == WM_ERASEBKGND) return 1;  // the ground is part of the paint
        Paint();
        return 0;
    }
    if (!ChangesWhatShows(message, wp) || !Overlaid()) return std::nullopt;
    const LRESULT result = Default(message, wp, lp);
    Invalidate();
    return result;
}

}  // namespace win
