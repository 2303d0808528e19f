#include "win/bitmap_button.h"

#include "win/dialog.h"
#include "win/gdi.h"

#include <string>

namespace win {

bool BitmapButton::Load(Dialog& dialog, int id, const wchar_t* pictureBase) {
    const std::wstring base = pictureBase;
    up_ = LoadBitmapResource((base + L"U").c_str());
    down_ = LoadBitmapResource((base + L"D").c_str());
    focused_ = LoadBitmapResource((base + L"F").c_str());
    disabled_ = LoadBitmapResource((base + L"X").c_str());
    if (!dialog.Bind(*this, id)) return false;
    if (!up_) return false;
    const SIZE size = BitmapSize(up_.Get());
    ::SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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

bool BitmapButton::OnCommand(WORD notification) {
    if (notification != BN_CLICKED || !onClick) return false;
    onClick();
    return true;
}

bool ButtonGroup::Load(Dialog& dialog, std::span<const PictureButton> table) {
    buttons_ = std::vector<BitmapButton>(table.size());
    ids_.clear();
    bool all = true;
    for (size_t i = 0; i < table.size(); ++i) {
        all &= buttons_[i].Load(dialog, table[i].id, table[i].pictureBase);
        ids_.push_back(table[i].id);
    }
    return all;
}

bool ButtonGroup::OnClick(int id, std::function<void()> handler) {
    for (size_t i = 0; i < ids_.size(); ++i) {
        if (ids_[i] != id) continue;
        buttons_[i].onClick = std::move(handler);
        return true;
    }
    return false;
}

}  // namespace win
