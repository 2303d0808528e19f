#include "lookup/RootMapDlg.h"

#include "common/WindowLook.h"

#include <algorithm>

namespace {
constexpr int kHandCursorIds[] = {IDOK};
constexpr win::Look kLook{win::Ground::Solid, RGB(100, 100, 80), {}, {}, kHandCursorIds, qope::HandCursor};
constexpr int kMargin = 10;  // pixels between the map, the button and the edges
}  // namespace

const win::Look* CRootMapDlg::GetLook() const { return &kLook; }

// The template is laid out in dialog units of the system font, which differ from system
// to system; the map is pixels. Make sure the whole map shows and the button lies below it.
bool CRootMapDlg::OnInitDialog() {
    HWND picture = Item(IDC_ROOT_MAP_PICTURE), button = Item(IDOK);
    if (!picture || !button) return true;
    RECT map{}, close{}, client{};
    ::GetWindowRect(picture, &map);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&map), 2);
    ::GetWindowRect(button, &close);
    const int buttonWidth = close.right - close.left, buttonHeight = close.bottom - close.top;
    const int top = map.top + kMapHeight + kMargin;
    ::GetClientRect(Handle(), &client);
    const int width = std::max<int>(client.right, map.left + kMapWidth + map.left);
    const int height = std::max<int>(client.bottom, top + buttonHeight + kMargin);
    ::SetWindowPos(button, nullptr, (width - buttonWidth) / 2, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    if (width != client.right || height != client.bottom) {
        RECT window{}, frame{0, 0, width, height};
        ::GetWindowRect(Handle(), &window);
        ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongW(Handle(), GWL_STYLE)), FALSE,
                             static_cast<DWORD>(::GetWindowLongW(Handle(), GWL_EXSTYLE)));
        ::SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                       SWP_NOMOVE | SWP_NOZORDER);
    }
    return true;
}
