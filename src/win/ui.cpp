#include "win/ui.h"

#include "win/text.h"

#include <mmsystem.h>

namespace win {

namespace {
const wchar_t* g_caption = L"";
bool g_boxShown = false;
SoundObserver g_soundObserver = nullptr;
}  // namespace

void SetMessageCaption(const wchar_t* caption) { g_caption = caption ? caption : L""; }

void ShowMessage(HWND owner, std::string_view text, BoxIcon icon) {
    if (g_boxShown) return;
    const std::wstring wide = Widen(text);
    g_boxShown = true;
    ::MessageBoxW(owner, wide.c_str(), g_caption, MB_OK | static_cast<UINT>(icon));
    g_boxShown = false;
}

bool MessageShown() { return g_boxShown; }

void DefaultBeep() { ::MessageBeep(0); }

void ObserveSounds(SoundObserver observer) { g_soundObserver = observer; }

void PlaySoundAsync(const wchar_t* name) {
    if (g_soundObserver) g_soundObserver(name);
    // Not SND_FILENAME: the name is first looked up as a sound alias, then as a file.
    ::PlaySoundW(name, nullptr, SND_ASYNC);
}

}  // namespace win
