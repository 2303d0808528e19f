// What the windows' looks share: the dialog colours set at start, the message boxes'
// caption and the hand cursor. Each window declares its own look (win/look.h) with these.
#pragma once

#include <windows.h>

namespace qope {

// Every dialog's ground and text (labels, buttons, read-only fields), set at start.
inline constexpr COLORREF kDialogGround = RGB(192, 192, 192);
inline constexpr COLORREF kDialogText = RGB(0, 0, 255);
// The caption of every message box.
inline constexpr const wchar_t* kMessageCaption = L"Qope";

// The hand cursor (cursor 977) of the program, shown over the controls a window's look
// lists.
HCURSOR HandCursor();

}  // namespace qope
