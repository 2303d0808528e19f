#include "win/ui.h"

#include "win/text.h"

#include <mmsystem.h>

namespace win {

void ShowMessage(HWND owner, std::string_view text, BoxIcon icon) {
    const std::wstring wide = Widen(text);
    ::MessageBoxW(owner, wide.c_str(), kAppTitle, MB_OK | static_cast<UINT>(icon));
}

void ReportFileError(HWND owner, std::string_view path, std::string_view reason) {
    std::string text = "无法打开文件 ";
    text += path;
    text += "。";
    if (!reason.empty()) {
        text += "\n\n";
        text += reason;
    }
    ShowMessage(owner, text, BoxIcon::Error);
}

void DefaultBeep() { ::MessageBeep(0); }

namespace {
SoundObserver g_soundObserver = nullptr;
}

void ObserveSounds(SoundObserver observer) { g_soundObserver = observer; }

void PlaySoundAsync(const wchar_t* name) {
    if (g_soundObserver) g_soundObserver(name);
    // Not SND_FILENAME: the name is first looked up as a sound alias, then as a file.
    ::PlaySoundW(name, nullptr, SND_ASYNC);
}

}  // namespace win
