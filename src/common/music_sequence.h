// The background music of the main window as a value: which piece plays, which the learner
// chose, how the list repeats, the device open now. Each operation changes the state and
// says what the window must do with the MCI device; the window reports back what the
// device did (the id it opened, a failed play, end-of-piece notifications).
#pragma once

#include <string>

namespace qope {

// MCI's notification codes (MM_MCINOTIFY's wParam).
inline constexpr unsigned kMciNotifySuccessful = 0x0001;
inline constexpr unsigned kMciNotifySuperseded = 0x0002;
inline constexpr unsigned kMciNotifyAborted = 0x0004;
inline constexpr unsigned kMciNotifyFailure = 0x0008;

inline constexpr int kMusicPieces = 12;

// The file of piece 1-12 (GBK): wavefiles\mymusicNN.mid.
std::string MusicPath(int piece);

// What the window does next, in this order: close device `close` (0: none), then open
// piece `open` (0: none), report the id with Opened() and, when that says so, play it
// with a notification to the window.
struct MusicActions {
    unsigned close = 0;
    int open = 0;
    bool operator==(const MusicActions&) const = default;
};

class MusicSequence {
public:
    int Playing() const { return m_nPlayingPiece; }  // 1-12, 0 none
    int Chosen() const { return m_nChosen; }         // 0 off, 1-12
    int LoopMode() const { return m_nLoopMode; }     // 1 the whole list, 0 one piece
    unsigned Device() const { return m_device; }     // 0 none open

    // The choice window opens: the music stops while it is shown.
    MusicActions DialogOpened();
    // 确定 with the window's piece and loop mode. (放弃 changes nothing: the music stays
    // stopped.)
    MusicActions DialogAccepted(int piece, int loopMode);
    // Starts piece 1-12 from the beginning, or stops the music (0).
    MusicActions Play(int piece);
    // The id the open returned, 0 when it failed; true: play it now.
    bool Opened(unsigned device);
    // The play command failed: close the device rather than keep a silent one open.
    MusicActions PlayFailed();
    // MM_MCINOTIFY. Only a piece that ended well from the device open now goes on: an
    // aborted or superseded play was stopped on purpose, a failed one would fail again,
    // and an old device's notice comes from a piece already replaced.
    MusicActions Notified(unsigned code, unsigned device);
    // The window ends.
    MusicActions Close();

private:
    int m_nPlayingPiece = 0;
    int m_nChosen = 0;
    int m_nLoopMode = 1;
    unsigned m_device = 0;
};

}  // namespace qope
