#include "roots/RootRowEdit.h"

#include "win/back_buffer.h"

POINT CRootRowEdit::Origin() const {
    POINT origin{0, 0};
    ::MapWindowPoints(Handle(), ::GetParent(Handle()), &origin, 1);
    return origin;
}

void CRootRowEdit::Invalidate(const RECT* parentArea) const {
    if (!Handle()) return;
    if (!parentArea) {
        win::Invalidate(Handle());
        return;
    }
    RECT area = *parentArea;
    const POINT origin = Origin();
    ::OffsetRect(&area, -origin.x, -origin.y);
    win::Invalidate(Handle(), &area);
}

std::optional<LRESULT> CRootRowEdit::OnMessage(UINT message, WPARAM, LPARAM) {
    if (message != WM_PAINT && message != WM_ERASEBKGND) return std::nullopt;
    if (!showsRow || !paintRow || !showsRow()) return std::nullopt;
    if (message == WM_ERASEBKGND) return 1;  // the ground is part of the paint
    const POINT origin = Origin();
    win::PaintBuffered(Handle(), [&](HDC dc, const RECT& area) {
        ::OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
        RECT parentArea = area;
        ::OffsetRect(&parentArea, origin.x, origin.y);
        paintRow(dc, parentArea);
    });
    return 0;
}
