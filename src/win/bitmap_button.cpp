#include "win/bitmap_button.h"

#include "win/dialog.h"
#include "win/gdi.h"

#include <string>

namespace win {

bool BitmapButton::AutoLoad(Dialog& dialog, int id) {
    HWND button = dialog.Item(id);
    if (!button) return false;
    wchar_t caption[64] = {};
    ::GetWindowTextW(button, caption, 64);
    const std::wstring base = caption;
    up_ = LoadBitmapResource((base + L"U").c_str());
    down_ = LoadBitmapResource((base + L"D").c_str());
    focused_ = LoadBitmapResource((base + L"F").c_str());
    disabled_ = LoadBitmapResource((base + L"X").c_str());
    if (!dialog.Bind(*this, id)) return false;
    if (!up_) return false;
    const SIZE size = BitmapSize(up_.Get());
    ::SetWindowPos(button, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool BitmapButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
    HBITMAP picture = up_.Get();
    if ((item.itemState & ODS_SELECTED) && down_) picture = down_.Get();
    else if ((item.itemState & ODS_DISABLED) && disabled_) picture = disabled_.Get();
    else if ((item.itemState & ODS_FOCUS) && focused_) picture = focused_.Get();
    if (!picture) return true;
    const SIZE size = BitmapSize(picture);
    CopyBitmap(item.hDC, item.rcItem.left, item.rcItem.top, picture, size.cx, size.cy);
    return true;
}

}  // namespace win
