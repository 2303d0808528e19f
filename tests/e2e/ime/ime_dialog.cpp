// A Unicode dialog with one plain edit, typed into by ime_test.cpp through the input method.
// Every keyboard and input-method message the edit gets is written to the log file named by
// the first argument, one line each, flushed at once, so that the test can tell how each
// character arrived:
//   WM_KEYDOWN <vk>  WM_CHAR <unit>  WM_IME_CHAR <unit>  WM_IME_STARTCOMPOSITION
//   WM_IME_COMPOSITION <units of the result string, or "-" when there is none>
//   WM_IME_ENDCOMPOSITION  EN_CHANGE <units of the edit's whole text>
// (numbers in hexadecimal, UTF-16 units).
#include "ime_dialog.h"

#include <windows.h>
#include <imm.h>

#include <cstdio>
#include <string>

namespace {

FILE* g_log = nullptr;
WNDPROC g_editProc = nullptr;

std::wstring ResultString(HWND edit) {
    std::wstring text;
    HIMC context = ::ImmGetContext(edit);
    if (!context) return text;
    const LONG bytes = ::ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
    if (bytes > 0) {
        text.resize(size_t(bytes) / sizeof(wchar_t));
        ::ImmGetCompositionStringW(context, GCS_RESULTSTR, text.data(), DWORD(bytes));
    }
    ::ImmReleaseContext(edit, context);
    return text;
}

void Log(const char* name, const std::wstring& units = {}, bool none = false) {
    std::fputs(name, g_log);
    for (wchar_t unit : units) std::fprintf(g_log, " %04X", unsigned(unit));
    if (none) std::fputs(" -", g_log);
    std::fputc('\n', g_log);
    std::fflush(g_log);
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_KEYDOWN: Log("WM_KEYDOWN", std::wstring(1, wchar_t(wp))); break;
    case WM_CHAR: Log("WM_CHAR", std::wstring(1, wchar_t(wp))); break;
    case WM_IME_CHAR: Log("WM_IME_CHAR", std::wstring(1, wchar_t(wp))); break;
    case WM_IME_STARTCOMPOSITION: Log("WM_IME_STARTCOMPOSITION"); break;
    case WM_IME_ENDCOMPOSITION: Log("WM_IME_ENDCOMPOSITION"); break;
    case WM_IME_COMPOSITION:
        if (lp & GCS_RESULTSTR)
            Log("WM_IME_COMPOSITION", ResultString(edit));
        else
            Log("WM_IME_COMPOSITION", {}, true);
        break;
    default: break;
    }
    return ::CallWindowProcW(g_editProc, edit, message, wp, lp);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_INITDIALOG: {
        HWND edit = ::GetDlgItem(dialog, IDC_IME_EDIT);
        g_editProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
        ::SetFocus(edit);
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDC_IME_EDIT && HIWORD(wp) == EN_CHANGE) {
            HWND edit = reinterpret_cast<HWND>(lp);
            std::wstring text(size_t(::GetWindowTextLengthW(edit)) + 1, L'\0');
            text.resize(size_t(::GetWindowTextW(edit, text.data(), int(text.size()))));
            Log("EN_CHANGE", text);
        }
        if (LOWORD(wp) == IDCANCEL) ::EndDialog(dialog, 0);
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2 || !(g_log = _wfopen(argv[1], L"w"))) return 2;
    ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_IME_DIALOG), nullptr, DialogProc, 0);
    std::fclose(g_log);
    return 0;
}
