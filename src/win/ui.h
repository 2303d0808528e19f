// Message boxes, beeps and sounds, the way every window uses them.
//
// Handlers never propagate failures: they tell the learner in a modal box and return.
// A box is never opened while another is shown: a modal box's loop still delivers posted
// input and commands to the windows beneath, and each would stack a box of its own.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win {

// The caption of every message box, set once at start.
void SetMessageCaption(const wchar_t* caption);

enum class BoxIcon : UINT {
    None = 0,
    Information = MB_ICONINFORMATION,
    Warning = MB_ICONWARNING,
    Error = MB_ICONERROR,
};

// A modal box with an OK button; `text` is GBK, '\n' breaks the line. Does nothing while
// another box is shown.
void ShowMessage(HWND owner, std::string_view text, BoxIcon icon = BoxIcon::None);
// Whether a box of ShowMessage is open now: input meant for a window beneath is dropped.
bool MessageShown();

// The default system beep (MessageBeep with 0).
void DefaultBeep();

// Starts a sound by name and returns at once; a new sound cuts off one still playing.
// Failure (no file, no device, as under a headless Wine) is normal and silent.
void PlaySoundAsync(const wchar_t* name);

// Tests watch the sounds asked for, since a headless Wine plays none. nullptr stops it.
using SoundObserver = void (*)(const wchar_t* name);
void ObserveSounds(SoundObserver observer);

}  // namespace win
