// Message boxes, beeps and sounds, the way every window of the program uses them.
//
// Handlers never propagate failures: they tell the learner in a modal box and return.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win {

// The caption of every message box of the program.
inline constexpr const wchar_t* kAppTitle = L"Qope";

enum class BoxIcon : UINT {
    None = 0,
    Information = MB_ICONINFORMATION,
    Warning = MB_ICONWARNING,
    Error = MB_ICONERROR,
};

// A modal box with an OK button; `text` is GBK, '\n' breaks the line.
void ShowMessage(HWND owner, std::string_view text, BoxIcon icon = BoxIcon::None);

// The report of a data file that cannot be opened: names the full path (GBK). The caller
// abandons the command that needed the file and changes nothing else.
void ReportFileError(HWND owner, std::string_view path);
// The report of a data file that opened but is too short or damaged to be read.
void ReportDamagedFile(HWND owner, std::string_view path);

// The default system beep (MessageBeep with 0).
void DefaultBeep();

// Starts a sound by name and returns at once; a new sound cuts off one still playing.
// Failure (no file, no device, as under a headless Wine) is normal and silent.
void PlaySoundAsync(const wchar_t* name);

// Tests watch the sounds asked for, since a headless Wine plays none. nullptr stops it.
using SoundObserver = void (*)(const wchar_t* name);
void ObserveSounds(SoundObserver observer);

}  // namespace win
