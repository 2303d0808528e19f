#include "common/music_sequence.h"

#include "common/install_paths.h"

namespace qope {

std::string MusicPath(int piece) {
    const char name[] = {'m', 'y', 'm', 'u', 's', 'i', 'c', char('0' + piece / 10), char('0' + piece % 10), 0};
    return InstallPath("wavefiles", std::string(name) + ".mid");
}

MusicActions MusicSequence::DialogOpened() {
    m_nChosen = 0;
    return Close();
}

MusicActions MusicSequence::DialogAccepted(int piece, int loopMode) {
    m_nLoopMode = loopMode;
    m_nChosen = piece;
    return Play(piece);
}

MusicActions MusicSequence::Play(int piece) {
    if (piece < 1 || piece > kMusicPieces) {
        m_nPlayingPiece = 0;
        return Close();
    }
    m_nPlayingPiece = piece;
    MusicActions actions = Close();
    actions.open = piece;
    return actions;
}

bool MusicSequence::Opened(unsigned device) {
    m_device = device;
    return device != 0;
}

MusicActions MusicSequence::PlayFailed() { return Close(); }

MusicActions MusicSequence::Notified(unsigned code, unsigned device) {
    if (code != kMciNotifySuccessful || m_device == 0 || device != m_device) return {};
    if (m_nLoopMode == 0) return Play(m_nPlayingPiece);
    if (m_nChosen == 0) return {};
    m_nChosen = m_nChosen >= kMusicPieces ? 1 : m_nChosen + 1;
    return Play(m_nChosen);
}

MusicActions MusicSequence::Close() {
    MusicActions actions;
    actions.close = m_device;
    m_device = 0;
    return actions;
}

}  // namespace qope
