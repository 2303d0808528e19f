// The Wubi tutorial in the HTML Help viewer (hhctrl.ocx, loaded on first use). Its windows
// have no owner, so the drill goes on beside them; they are closed with the program. The
// viewer is never unloaded: a window of it may still be on its way out.
#pragma once

#include <windows.h>

class CHelpViewer {
public:
    // Opens the help file at its default page; nothing when the viewer is missing.
    void Show();
    // Closes every help window the viewer opened.
    void CloseAll();

private:
    bool Load();

    using HtmlHelpFn = HWND(WINAPI*)(HWND caller, const char* file, UINT command, DWORD_PTR data);
    static constexpr UINT kHelpDisplayTopic = 0x0000, kHelpCloseAll = 0x0012;
    HtmlHelpFn m_htmlHelp = nullptr;
    bool m_tried = false;
};
