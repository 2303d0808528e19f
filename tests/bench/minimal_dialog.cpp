// The yardstick for start-up time: the smallest Win32 program that shows a dialog and
// waits, built from an in-memory template so it needs no resources.
#include <windows.h>

namespace {

INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wp, LPARAM) {
    if (message == WM_INITDIALOG) {
        ::SetWindowTextW(hwnd, L"Minimal dialog");
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        ::EndDialog(hwnd, IDOK);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    struct alignas(4) Template {
        DLGTEMPLATE dialog;
        WORD menu, windowClass, title;
    } tmpl{};
    tmpl.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_CENTER;
    tmpl.dialog.cx = 200;
    tmpl.dialog.cy = 100;
    return int(::DialogBoxIndirectParamW(instance, &tmpl.dialog, nullptr, Proc, 0));
}
