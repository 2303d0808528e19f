// The Wubi tutorial in the HTML Help viewer (hhctrl.ocx, loaded on first use). Its windows
// have no owner, so the drill goes on beside them; they are closed with the program. The
// viewer is never unloaded: a window of it may still be on its way out.
//
// The help file's own strings are GBK, and the viewer decodes its title with the system's
// code page: on a Western system the caption would read as Latin-1. So the file's window
// is opened under a window type of ours whose caption is a wide string.
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

    using HtmlHelpFn = HWND(WINAPI*)(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data);
    HtmlHelpFn m_htmlHelp = nullptr;
    bool m_tried = false;
};
