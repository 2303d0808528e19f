// The background music through the running program: the choice window opened from the
// menu, its radios and the number it shows, 确定 and 放弃; the piece last started shows
// again even though the device here cannot play it; end-of-piece notices that are not a
// successful end of the open device start nothing; the hand cursor over its buttons.
#include "app/PracticeDlgRes.h"
#include "app/practice_diagnostics.h"
#include "common/MusicDlgRes.h"
#include "driver/qope_driver.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

namespace {

using e2e::Qope;

class Music : public ::testing::Test {
protected:
    void SetUp() override {
        qope = Qope::Start();
        ASSERT_TRUE(qope);
    }
    HWND Open() const {
        qope->PostCommand(ID_MUSIC_CHOICE);
        HWND dialog = qope->WaitForDialog(L"背景音乐选择");
        if (dialog) qope->Settle();
        return dialog;
    }
    void Close(HWND dialog, int button) const {
        qope->Click(::GetDlgItem(dialog, button));
        ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(dialog); }));
        qope->Settle();
    }
    static bool Checked(HWND dialog, int id) {
        return ::SendMessageW(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // The number shown, the one piece radio checked (1268 for 关闭音乐) and the loop radio.
    void ExpectShows(HWND dialog, int piece, int pieceId, int loopId) const {
        EXPECT_EQ(qope->Text(::GetDlgItem(dialog, IDC_MUSIC_SHOWN)), std::to_wstring(piece));
        for (int id : {IDC_MUSIC_1, IDC_MUSIC_2, IDC_MUSIC_3, IDC_MUSIC_4, IDC_MUSIC_5, IDC_MUSIC_6, IDC_MUSIC_7,
                       IDC_MUSIC_8, IDC_MUSIC_9, IDC_MUSIC_10, IDC_MUSIC_11, IDC_MUSIC_12, IDC_MUSIC_OFF})
            EXPECT_EQ(Checked(dialog, id), id == pieceId) << id;
        EXPECT_EQ(Checked(dialog, IDC_MUSIC_WHOLE_LIST), loopId == IDC_MUSIC_WHOLE_LIST);
        EXPECT_EQ(Checked(dialog, IDC_MUSIC_ONE_PIECE), loopId == IDC_MUSIC_ONE_PIECE);
    }
    long Opens() const { return qope->Diagnostics(qope::kMusicOpens); }

    std::unique_ptr<Qope> qope;
};

TEST_F(Music, ChoiceOkCancelAndNoticesThatStartNothing) {
    ASSERT_EQ(Opens(), 0);
    HWND dialog = Open();
    ASSERT_TRUE(dialog);
    ExpectShows(dialog, 0, IDC_MUSIC_OFF, IDC_MUSIC_WHOLE_LIST);
    // The ground inside its black frame, the piece names in their colour.
    {
        const e2e::Capture shot = qope->CaptureClient(dialog);
        EXPECT_EQ(shot.At(0, 0), RGB(0, 0, 0));
        EXPECT_EQ(shot.At(2, shot.Height() - 3), RGB(192, 192, 0));
        RECT radio{};
        ::GetWindowRect(::GetDlgItem(dialog, IDC_MUSIC_1), &radio);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&radio), 2);
        EXPECT_GT(shot.Count(radio, RGB(255, 0, 255)), 20);
    }

    // The hand over the buttons, the arrow over the number shown.
    qope->PointAt(::GetDlgItem(dialog, IDOK));
    EXPECT_TRUE(qope->ShowsHandCursor());
    qope->PointAt(::GetDlgItem(dialog, IDC_MUSIC_SHOWN));
    EXPECT_FALSE(qope->ShowsHandCursor());
    qope->PointAt(::GetDlgItem(dialog, IDC_MUSIC_12));
    EXPECT_TRUE(qope->ShowsHandCursor());

    // A piece button leaves the loop mode as chosen.
    qope->Click(::GetDlgItem(dialog, IDC_MUSIC_ONE_PIECE));
    qope->Click(::GetDlgItem(dialog, IDC_MUSIC_12));
    ExpectShows(dialog, 12, IDC_MUSIC_12, IDC_MUSIC_ONE_PIECE);
    qope->Click(::GetDlgItem(dialog, IDC_MUSIC_WHOLE_LIST));
    ExpectShows(dialog, 12, IDC_MUSIC_12, IDC_MUSIC_WHOLE_LIST);
    Close(dialog, IDOK);
    EXPECT_EQ(Opens(), 1);

    // Wine opens the sequencer even without a MIDI device: a device is open though nothing
    // sounds. Only a successful end of the device open now goes on: none of these opens
    // anything, over and over or at all.
    const long device = qope->Diagnostics(qope::kMusicDevice);
    ASSERT_NE(device, 0);
    for (WPARAM code : {MCI_NOTIFY_FAILURE, MCI_NOTIFY_ABORTED, MCI_NOTIFY_SUPERSEDED})
        ::PostMessageW(qope->Main(), MM_MCINOTIFY, code, device);
    ::PostMessageW(qope->Main(), MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, device + 1);
    qope->Settle();
    EXPECT_EQ(Opens(), 1);
    EXPECT_TRUE(qope->Running());

    // The piece last started shows again; 放弃 starts nothing and keeps the loop mode.
    dialog = Open();
    ASSERT_TRUE(dialog);
    ExpectShows(dialog, 12, IDC_MUSIC_12, IDC_MUSIC_WHOLE_LIST);
    qope->Click(::GetDlgItem(dialog, IDC_MUSIC_ONE_PIECE));
    qope->Click(::GetDlgItem(dialog, IDC_MUSIC_3));
    Close(dialog, IDCANCEL);
    EXPECT_EQ(Opens(), 1);
    // The window closed the device: its end is old news now.
    EXPECT_EQ(qope->Diagnostics(qope::kMusicDevice), 0);
    ::PostMessageW(qope->Main(), MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, device);
    qope->Settle();
    EXPECT_EQ(Opens(), 1);

    // 关闭音乐 then 确定.
    dialog = Open();
    ASSERT_TRUE(dialog);
    ExpectShows(dialog, 12, IDC_MUSIC_12, IDC_MUSIC_WHOLE_LIST);
    qope->Click(::GetDlgItem(dialog, IDC_MUSIC_OFF));
    ExpectShows(dialog, 0, IDC_MUSIC_OFF, IDC_MUSIC_WHOLE_LIST);
    Close(dialog, IDOK);
    EXPECT_EQ(Opens(), 1);

    dialog = Open();
    ASSERT_TRUE(dialog);
    ExpectShows(dialog, 0, IDC_MUSIC_OFF, IDC_MUSIC_WHOLE_LIST);
    ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(dialog); }));
    qope->Settle();
    EXPECT_EQ(Opens(), 1);
    EXPECT_EQ(qope->CountDialogs(), 0);
}

}  // namespace
