#include "dialog_harness.h"

#include "win/ui.h"

namespace {
MessageBoxCatcher* g_catcher = nullptr;
}

MessageBoxCatcher::MessageBoxCatcher() {
    g_catcher = this;
    hook_ = ::SetWindowsHookExW(WH_CBT, Hook, nullptr, ::GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher() {
    ::UnhookWindowsHookEx(hook_);
    g_catcher = nullptr;
}

LRESULT CALLBACK MessageBoxCatcher::Hook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE && g_catcher) {
        HWND window = reinterpret_cast<HWND>(wp);
        wchar_t text[1024] = {};
        if (::GetDlgItemTextW(window, 0xFFFF, text, 1024) > 0) {
            g_catcher->texts.push_back(text);
            ::PostMessageW(window, WM_COMMAND, IDOK, 0);
        }
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

std::vector<std::wstring>& SoundCatcher::Names() {
    static std::vector<std::wstring> names;
    return names;
}

SoundCatcher::SoundCatcher() {
    Names().clear();
    win::ObserveSounds([](const wchar_t* name) { Names().push_back(name); });
}

SoundCatcher::~SoundCatcher() { win::ObserveSounds(nullptr); }

std::wstring ControlText(HWND control) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(control, text, 1024);
    return text;
}
