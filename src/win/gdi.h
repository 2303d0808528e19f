// Small GDI helpers: point-size fonts, resource bitmaps, copies through a memory DC.
#pragma once

#include "win/scoped.h"

#include <windows.h>

namespace win {

// A font of the given size in points (not tenths) for the screen, as dialogs size theirs.
ScopedFont CreatePointFont(int points, const wchar_t* face, bool bold = false);

// A bitmap resource of this program, by number or by name; empty when it is missing.
ScopedBitmap LoadBitmapResource(int id);
ScopedBitmap LoadBitmapResource(const wchar_t* name);
// A copy of a bitmap stretched to `size` (nearest pixel), in the bitmap's own format.
ScopedBitmap StretchedCopy(HBITMAP source, SIZE size);

SIZE BitmapSize(HBITMAP bitmap);

// Copies the bitmap 1:1 to (x, y) through a memory DC made for this copy.
void CopyBitmap(HDC target, int x, int y, HBITMAP bitmap, int width, int height);
// Copies many bitmaps 1:1 through one memory DC, for a paint that draws dozens.
class BitmapCopier {
public:
    explicit BitmapCopier(HDC target);
    ~BitmapCopier();
    BitmapCopier(const BitmapCopier&) = delete;
    BitmapCopier& operator=(const BitmapCopier&) = delete;
    void Copy(int x, int y, HBITMAP bitmap, int width, int height);

private:
    HDC target_;
    ScopedMemoryDC memory_;
    HGDIOBJ original_ = nullptr;
};

// Stretches the whole bitmap over the target rectangle.
void StretchBitmap(HDC target, const RECT& dest, HBITMAP bitmap);

// Fills the rectangle with a solid colour inside a one-pixel frame of the current pen.
void FillFramed(HDC dc, const RECT& rect, COLORREF colour);

}  // namespace win
