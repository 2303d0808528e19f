#include "app/MusicPlayer.h"

#include "win/text.h"

#include <mmsystem.h>

#include <string>

void CMusicPlayer::Do(const qope::MusicActions& actions) {
    if (actions.close) ::mciSendCommandW(actions.close, MCI_CLOSE, 0, 0);
    if (!actions.open) return;
    ++m_opens;
    const std::wstring path = win::Widen(qope::MusicPath(actions.open));
    MCI_OPEN_PARMSW open{};
    open.lpstrElementName = path.c_str();
    const MCIDEVICEID device = ::mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open))
                                   ? 0
                                   : open.wDeviceID;
    if (!m_music.Opened(device)) return;
    MCI_PLAY_PARMS play{};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(m_notified);
    if (::mciSendCommandW(device, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play)))
        Do(m_music.PlayFailed());
}
