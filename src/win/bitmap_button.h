// Owner-drawn buttons that show one of four pictures: up, down, focused, disabled.
//
// A button's pictures are the bitmap resources BASE + "U", "D", "F" and "X", named by the
// window apart from the button's caption, which stays free for the window's own use. The
// button takes the size of its up picture. A click runs the button's own handler.
//
// A ButtonGroup is a window's table of such buttons, loaded once with their pictures:
//
//   constexpr win::PictureButton kKeys[] = {{IDC_KEY_Q, L"KEYQ"}, {IDC_KEY_W, L"KEYW"}};
//   m_keys.Load(*this, kKeys);
//   m_keys.OnClick(IDC_KEY_Q, [this] { Press('q'); });
#pragma once

#include "win/control.h"
#include "win/scoped.h"

#include <functional>
#include <span>
#include <vector>

namespace win {

class Dialog;

class BitmapButton : public Control {
public:
    // Binds the button `id` of `dialog` and loads the pictures of `pictureBase`; false when
    // the control or its up picture is missing (the button then draws nothing).
    bool Load(Dialog& dialog, int id, const wchar_t* pictureBase);
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnCommand(WORD notification) override;

    std::function<void()> onClick;

private:
    ScopedBitmap up_, down_, focused_, disabled_;
};

struct PictureButton {
    int id;
    const wchar_t* pictureBase;
};

class ButtonGroup {
public:
    // Loads every button of the table; false when any failed to load.
    bool Load(Dialog& dialog, std::span<const PictureButton> table);
    // The click handler of button `id`; false when the group has no such button.
    bool OnClick(int id, std::function<void()> handler);
    std::span<const int> Ids() const { return ids_; }

private:
    // Buttons are bound by address: the list is made once and never grows afterwards.
    std::vector<BitmapButton> buttons_;
    std::vector<int> ids_;
};

}  // namespace win
