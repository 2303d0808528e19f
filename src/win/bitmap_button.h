// An owner-drawn button that shows one of four pictures: up, down, focused, disabled.
//
// The pictures are found from the button's caption in the template: the bitmap resources
// CAPTION + "U", "D", "F" and "X". The button takes the size of its up picture.
#pragma once

#include "win/control.h"
#include "win/scoped.h"

namespace win {

class BitmapButton : public Control {
public:
    // Binds the button `id` of `dialog` and loads its pictures; false when the control or
    // its up picture is missing (the button then draws nothing).
    bool AutoLoad(class Dialog& dialog, int id);
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    ScopedBitmap up_, down_, focused_, disabled_;
};

}  // namespace win
