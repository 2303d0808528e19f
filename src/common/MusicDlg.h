// The background music choice (背景音乐选择): a piece or 关闭音乐, and whether the whole
// list or one piece repeats. 确定 hands both to the main window, 放弃 nothing.
#pragma once

#include "common/MusicDlgRes.h"
#include "win/dialog.h"

class CMusicDlg : public win::Dialog {
public:
    CMusicDlg() : Dialog(IDD_MUSIC) {}

    int m_nChosen = 0;    // 0 关闭音乐, 1-12; set before the run to the piece last started
    int m_nShown = 0;     // the number the field shows
    int m_nLoopMode = 1;  // 1 全曲循环播放, 0 单曲循环播放

    // The radio of piece 1-12, or of 关闭音乐 for 0.
    static int PieceId(int piece);

protected:
    bool OnInitDialog() override;
    const win::Look* GetLook() const override;
    std::span<const win::CommandRoute> CommandRoutes() const override;
    void Exchange(win::DataExchange& dx) override;
    bool OnOtherCommand(int id, WORD notification) override;

private:
    void OnWholeList();
    void OnOnePiece();
    // Both radio groups show the members: the chosen piece and the loop mode in force.
    void ShowChecks();
};
