// The background music of the main window played through the MIDI sequencer (MCI): the
// sequence of pieces decides, this carries its actions out and reports back what the
// device did. Notifications of a finished piece go to the window handed to Attach().
#pragma once

#include "common/music_sequence.h"

#include <windows.h>

class CMusicPlayer {
public:
    void Attach(HWND notified) { m_notified = notified; }

    int Playing() const { return m_music.Playing(); }
    int LoopMode() const { return m_music.LoopMode(); }
    unsigned Device() const { return m_music.Device(); }
    // How many times a piece was opened (the device may have refused it).
    long long Opens() const { return m_opens; }

    // The choice window opens (the music stops), and ends with 确定.
    void ChoiceOpened() { Do(m_music.DialogOpened()); }
    void ChoiceAccepted(int piece, int loopMode) { Do(m_music.DialogAccepted(piece, loopMode)); }
    // MM_MCINOTIFY of the window.
    void Notified(WPARAM code, LPARAM device) {
        Do(m_music.Notified(static_cast<unsigned>(code), static_cast<unsigned>(device)));
    }
    // The window ends: the device would outlive it.
    void Close() { Do(m_music.Close()); }

private:
    void Do(const qope::MusicActions& actions);

    qope::MusicSequence m_music;
    HWND m_notified = nullptr;
    long long m_opens = 0;
};
