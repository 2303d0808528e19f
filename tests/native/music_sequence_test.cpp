#include "common/music_sequence.h"

#include <gtest/gtest.h>

namespace {

using qope::MusicActions;
using qope::MusicSequence;

// Accepts the choice window with `piece` and `loop`, the device opening as `device`.
MusicSequence Accepted(int piece, int loop, unsigned device) {
    MusicSequence music;
    music.DialogOpened();
    const MusicActions actions = music.DialogAccepted(piece, loop);
    if (actions.open) music.Opened(device);
    return music;
}

TEST(MusicSequence, PieceFilesAreNumberedWithTwoDigits) {
    EXPECT_EQ(qope::MusicPath(1), "C:\\Program Files\\zel\\qope\\wavefiles\\mymusic01.mid");
    EXPECT_EQ(qope::MusicPath(12), "C:\\Program Files\\zel\\qope\\wavefiles\\mymusic12.mid");
}

TEST(MusicSequence, TheChoiceWindowStopsTheMusicAndItsAnswerDecides) {
    MusicSequence music = Accepted(5, 1, 7);
    EXPECT_EQ(music.Playing(), 5);
    EXPECT_EQ(music.Device(), 7u);

    // Opening the window closes the device; 放弃 leaves it so, the window shows piece 5
    // again next time and the loop mode stays.
    EXPECT_EQ(music.DialogOpened(), (MusicActions{7, 0}));
    EXPECT_EQ(music.Device(), 0u);
    EXPECT_EQ(music.Chosen(), 0);
    EXPECT_EQ(music.Playing(), 5);
    EXPECT_EQ(music.LoopMode(), 1);
    EXPECT_EQ(music.Notified(qope::kMciNotifySuccessful, 7), MusicActions{});

    // 关闭音乐 then 确定: nothing opens and nothing plays.
    EXPECT_EQ(music.DialogAccepted(0, 0), MusicActions{});
    EXPECT_EQ(music.Playing(), 0);
    EXPECT_EQ(music.LoopMode(), 0);

    // A new piece replaces the one playing: the old device closes first.
    music = Accepted(3, 0, 9);
    EXPECT_EQ(music.DialogAccepted(4, 0), (MusicActions{9, 4}));
}

TEST(MusicSequence, EndOfPieceGoesOnByLoopMode) {
    // One piece: the same piece again, whatever was chosen.
    MusicSequence one = Accepted(6, 0, 3);
    EXPECT_EQ(one.Notified(qope::kMciNotifySuccessful, 3), (MusicActions{3, 6}));
    EXPECT_TRUE(one.Opened(4));

    // The whole list: the next piece, 12 wraps to 1.
    MusicSequence list = Accepted(11, 1, 3);
    EXPECT_EQ(list.Notified(qope::kMciNotifySuccessful, 3), (MusicActions{3, 12}));
    list.Opened(4);
    EXPECT_EQ(list.Notified(qope::kMciNotifySuccessful, 4), (MusicActions{4, 1}));
    EXPECT_EQ(list.Chosen(), 1);
    EXPECT_EQ(list.Playing(), 1);
}

TEST(MusicSequence, OnlyASuccessfulEndFromTheOpenDeviceGoesOn) {
    MusicSequence music = Accepted(2, 1, 5);
    for (unsigned code : {qope::kMciNotifyAborted, qope::kMciNotifySuperseded, qope::kMciNotifyFailure})
        EXPECT_EQ(music.Notified(code, 5), MusicActions{}) << code;
    EXPECT_EQ(music.Notified(qope::kMciNotifySuccessful, 4), MusicActions{});  // an old device
    EXPECT_EQ(music.Playing(), 2);
    EXPECT_EQ(music.Device(), 5u);
    EXPECT_EQ(music.Close(), (MusicActions{5, 0}));
    EXPECT_EQ(music.Close(), MusicActions{});
}

TEST(MusicSequence, AFailedOpenOrPlayLeavesNoDeviceAndNothingRestarts) {
    // No MIDI device: the open fails, the piece still counts as the one last started.
    MusicSequence music = Accepted(12, 0, 0);
    EXPECT_EQ(music.Device(), 0u);
    EXPECT_EQ(music.Playing(), 12);
    EXPECT_EQ(music.Notified(qope::kMciNotifySuccessful, 0), MusicActions{});
    EXPECT_EQ(music.Notified(qope::kMciNotifyFailure, 0), MusicActions{});
    EXPECT_EQ(music.Close(), MusicActions{});

    // Opened but the play failed: the device closes.
    MusicSequence silent = Accepted(1, 0, 8);
    EXPECT_EQ(silent.PlayFailed(), (MusicActions{8, 0}));
    EXPECT_EQ(silent.Notified(qope::kMciNotifySuccessful, 8), MusicActions{});
}

}  // namespace
