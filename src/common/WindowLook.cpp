#include "common/WindowLook.h"

#include "res/resource.h"

namespace qope {

HCURSOR HandCursor() {
    // A cursor resource loaded with LoadCursor is shared and never destroyed.
    static const HCURSOR hand = ::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_CURSOR));
    return hand;
}

}  // namespace qope
