// Scoped owners for GDI objects, device contexts and USER handles.
//
// Every handle the program creates lives in one of these, so none can leak and none is
// freed by hand. Each owner also counts itself in a per-kind live counter; the counters are
// the program's own handle census (Wine's GetGuiResources answers 0), read by the
// diagnostics query of the main window and by the tests.
#pragma once

#include <windows.h>

#include <utility>

namespace win {

enum class HandleKind { GdiObject, MemoryDC, WindowDC, Icon, Cursor, Menu, Count };

// Live handles of one kind owned by scoped owners right now.
long LiveHandles(HandleKind kind);
void CountHandle(HandleKind kind, int delta);

// Move-only owner of a handle with a release function and a census kind.
template <typename Handle, HandleKind Kind, void (*Release)(Handle)>
class Scoped {
public:
    Scoped() = default;
    explicit Scoped(Handle h) : handle_(h) { if (handle_) CountHandle(Kind, +1); }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    Scoped(Scoped&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Scoped& operator=(Scoped&& other) noexcept {
        if (this != &other) { Reset(); handle_ = std::exchange(other.handle_, nullptr); }
        return *this;
    }
    ~Scoped() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle h = nullptr) {
        if (handle_) { Release(handle_); CountHandle(Kind, -1); }
        handle_ = h;
        if (handle_) CountHandle(Kind, +1);
    }

private:
    Handle handle_ = nullptr;
};

namespace detail {
template <typename T> void DeleteGdi(T h) { ::DeleteObject(h); }
inline void DeleteMemoryDC(HDC h) { ::DeleteDC(h); }
inline void DestroyIconHandle(HICON h) { ::DestroyIcon(h); }
inline void DestroyCursorHandle(HCURSOR h) { ::DestroyCursor(h); }
inline void DestroyMenuHandle(HMENU h) { ::DestroyMenu(h); }
}  // namespace detail

using ScopedFont = Scoped<HFONT, HandleKind::GdiObject, detail::DeleteGdi<HFONT>>;
using ScopedBitmap = Scoped<HBITMAP, HandleKind::GdiObject, detail::DeleteGdi<HBITMAP>>;
using ScopedBrush = Scoped<HBRUSH, HandleKind::GdiObject, detail::DeleteGdi<HBRUSH>>;
using ScopedPen = Scoped<HPEN, HandleKind::GdiObject, detail::DeleteGdi<HPEN>>;
using ScopedMemoryDC = Scoped<HDC, HandleKind::MemoryDC, detail::DeleteMemoryDC>;
// Icons and cursors loaded with LoadImage without LR_SHARED are the caller's to destroy.
using ScopedIcon = Scoped<HICON, HandleKind::Icon, detail::DestroyIconHandle>;
using ScopedCursor = Scoped<HCURSOR, HandleKind::Cursor, detail::DestroyCursorHandle>;
using ScopedMenu = Scoped<HMENU, HandleKind::Menu, detail::DestroyMenuHandle>;

// GetDC / ReleaseDC of a window.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {
        if (dc_) CountHandle(HandleKind::WindowDC, +1);
    }
    ~WindowDC() {
        if (dc_) { ::ReleaseDC(hwnd_, dc_); CountHandle(HandleKind::WindowDC, -1); }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd) { ::BeginPaint(hwnd_, &ps_); }
    ~PaintDC() { ::EndPaint(hwnd_, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const { return ps_.hdc; }
    // The part of the client area to paint.
    const RECT& Area() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
};

// Selects an object into a DC and puts the previous one back at the end of the scope.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? ::SelectObject(dc, obj) : nullptr) {}
    ~SelectScope() { if (old_) ::SelectObject(dc_, old_); }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace win
