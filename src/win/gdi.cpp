#include "win/gdi.h"

#include "win/text.h"

namespace win {

ScopedFont CreatePointFont(int points, const wchar_t* face, bool bold) {
    WindowDC screen(nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -::MulDiv(points, ::GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    // The program's text is GBK whatever the system's code page. On a Chinese system the
    // face named gives the Latin letters and the system links in the Chinese ones; on any
    // other, DEFAULT_CHARSET finds no Chinese glyphs (boxes), so ask for GB2312 there.
    lf.lfCharSet = ::GetACP() == kGbkCodePage ? DEFAULT_CHARSET : GB2312_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    return ScopedFont(::CreateFontIndirectW(&lf));
}

// Kept as DIB sections in the file's own format: a 16-colour map stays 4 bits a pixel
// instead of growing to the screen's 32.
ScopedBitmap LoadBitmapResource(int id) { return LoadBitmapResource(MAKEINTRESOURCEW(id)); }

ScopedBitmap LoadBitmapResource(const wchar_t* name) {
    return ScopedBitmap(static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

ScopedBitmap StretchedCopy(HBITMAP source, SIZE size) {
    DIBSECTION section{};
    if (!source || ::GetObjectW(source, sizeof section, &section) != sizeof section) return {};
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    info.header = section.dsBmih;
    info.header.biWidth = size.cx;
    info.header.biHeight = size.cy;
    info.header.biCompression = BI_RGB;
    info.header.biSizeImage = 0;
    WindowDC screen(nullptr);
    ScopedMemoryDC from(::CreateCompatibleDC(screen.Get()));
    SelectScope selectFrom(from.Get(), source);
    if (info.header.biBitCount <= 8) {
        info.header.biClrUsed = ::GetDIBColorTable(from.Get(), 0, 256, info.colours);
    }
    void* bits = nullptr;
    ScopedBitmap copy(::CreateDIBSection(screen.Get(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                                         nullptr, 0));
    if (!copy) return {};
    ScopedMemoryDC to(::CreateCompatibleDC(screen.Get()));
    SelectScope selectTo(to.Get(), copy.Get());
    ::SetStretchBltMode(to.Get(), COLORONCOLOR);
    ::StretchBlt(to.Get(), 0, 0, size.cx, size.cy, from.Get(), 0, 0, section.dsBm.bmWidth, section.dsBm.bmHeight,
                 SRCCOPY);
    return copy;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

void CopyBitmap(HDC target, int x, int y, HBITMAP bitmap, int width, int height) {
    if (!bitmap) return;
    ScopedMemoryDC memory(::CreateCompatibleDC(target));
    SelectScope select(memory.Get(), bitmap);
    ::BitBlt(target, x, y, width, height, memory.Get(), 0, 0, SRCCOPY);
}

BitmapCopier::BitmapCopier(HDC target) : target_(target), memory_(::CreateCompatibleDC(target)) {}

BitmapCopier::~BitmapCopier() {
    if (original_) ::SelectObject(memory_.Get(), original_);
}

void BitmapCopier::Copy(int x, int y, HBITMAP bitmap, int width, int height) {
    if (!bitmap || !memory_) return;
    HGDIOBJ previous = ::SelectObject(memory_.Get(), bitmap);
    if (!original_) original_ = previous;
    ::BitBlt(target_, x, y, width, height, memory_.Get(), 0, 0, SRCCOPY);
}

void StretchBitmap(HDC target, const RECT& dest, HBITMAP bitmap) {
    if (!bitmap) return;
    const SIZE size = BitmapSize(bitmap);
    ScopedMemoryDC memory(::CreateCompatibleDC(target));
    SelectScope select(memory.Get(), bitmap);
    ::SetStretchBltMode(target, COLORONCOLOR);
    ::StretchBlt(target, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, memory.Get(), 0, 0,
                 size.cx, size.cy, SRCCOPY);
}

void FillFramed(HDC dc, const RECT& rect, COLORREF colour) {
    ScopedBrush brush(::CreateSolidBrush(colour));
    SelectScope select(dc, brush.Get());
    ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace win
