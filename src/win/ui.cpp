#include "win/ui.h"

#include "win/text.h"

#include <mmsystem.h>

namespace win {

void ShowMessage(HWND owner, std::string_view text, BoxIcon icon) {
    const std::wstring wide = Widen(text);
    ::MessageBoxW(owner, wide.c_str(), kAppTitle, MB_OK | static_cast<UINT>(icon));
}

void ReportFileError(HWND owner, std::string_view path) {
    std::string text = "无法打开文件 ";
    text += path;
    text += "。";
    ShowMessage(owner, text, BoxIcon::Error);
}

void ReportDamagedFile(HWND owner, std::string_view path) {
    std::string text = "文件 ";
    text += path;
    text += " 不完整或已损坏，\n\n无法读取练习内容。";
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
