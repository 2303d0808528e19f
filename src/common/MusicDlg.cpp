#include "common/MusicDlg.h"

#include "common/WindowLook.h"

#include <algorithm>
#include <iterator>

namespace {

// By piece: 关闭音乐 (0), then 音乐1 to 音乐12.
constexpr int kPieceIds[] = {
    IDC_MUSIC_OFF, IDC_MUSIC_1, IDC_MUSIC_2, IDC_MUSIC_3,  IDC_MUSIC_4,  IDC_MUSIC_5,  IDC_MUSIC_6,
    IDC_MUSIC_7,   IDC_MUSIC_8, IDC_MUSIC_9, IDC_MUSIC_10, IDC_MUSIC_11, IDC_MUSIC_12,
};

constexpr COLORREF kPieceText = RGB(255, 0, 255);
constexpr win::PointFont kFonts[] = {{16, L"Impact"}};
constexpr win::LabelStyle kLabels[] = {
    {IDC_MUSIC_1, kPieceText},  {IDC_MUSIC_2, kPieceText},  {IDC_MUSIC_3, kPieceText},
    {IDC_MUSIC_4, kPieceText},  {IDC_MUSIC_5, kPieceText},  {IDC_MUSIC_6, kPieceText},
    {IDC_MUSIC_7, kPieceText},  {IDC_MUSIC_8, kPieceText},  {IDC_MUSIC_9, kPieceText},
    {IDC_MUSIC_10, kPieceText}, {IDC_MUSIC_11, kPieceText}, {IDC_MUSIC_12, kPieceText},
    {IDC_MUSIC_OFF, RGB(0, 255, 255)},
    {IDC_MUSIC_PIECES_GROUP, RGB(0, 0, 255)},
    {IDC_MUSIC_LOOP_GROUP, RGB(255, 255, 255)},
    {IDC_MUSIC_WHOLE_LIST, RGB(255, 255, 0)},
    {IDC_MUSIC_ONE_PIECE, RGB(0, 255, 0)},
    {IDC_MUSIC_SHOWN_LABEL, RGB(255, 0, 0)},
};

constexpr int kHandCursorIds[] = {
    IDOK,        IDCANCEL,    IDC_MUSIC_1,  IDC_MUSIC_2,  IDC_MUSIC_3,  IDC_MUSIC_4,         IDC_MUSIC_5,
    IDC_MUSIC_6, IDC_MUSIC_7, IDC_MUSIC_8,  IDC_MUSIC_OFF, IDC_MUSIC_WHOLE_LIST, IDC_MUSIC_ONE_PIECE,
    IDC_MUSIC_9, IDC_MUSIC_10, IDC_MUSIC_11, IDC_MUSIC_12,
};

constexpr win::Look kLook{win::Ground::Framed, RGB(192, 192, 0), kFonts, kLabels, kHandCursorIds, qope::HandCursor};

}  // namespace

int CMusicDlg::PieceId(int piece) {
    return piece >= 0 && piece < int(std::size(kPieceIds)) ? kPieceIds[piece] : 0;
}

const win::Look* CMusicDlg::GetLook() const { return &kLook; }

std::span<const win::CommandRoute> CMusicDlg::CommandRoutes() const {
    static const win::CommandRoute routes[] = {
        win::OnCommand(IDC_MUSIC_WHOLE_LIST, &CMusicDlg::OnWholeList),
        win::OnCommand(IDC_MUSIC_ONE_PIECE, &CMusicDlg::OnOnePiece),
    };
    return routes;
}

void CMusicDlg::Exchange(win::DataExchange& dx) { dx.Number(IDC_MUSIC_SHOWN, m_nShown); }

bool CMusicDlg::OnInitDialog() {
    m_nShown = m_nChosen;
    Push();
    ShowChecks();
    return true;
}

// The piece radios: ids of two ranges, found in the table rather than routed one by one.
bool CMusicDlg::OnOtherCommand(int id, WORD notification) {
    const auto row = std::find(std::begin(kPieceIds), std::end(kPieceIds), id);
    if (row == std::end(kPieceIds) || notification != BN_CLICKED) return false;
    m_nChosen = int(row - std::begin(kPieceIds));
    m_nShown = m_nChosen;
    Push();
    ShowChecks();
    return true;
}

void CMusicDlg::OnWholeList() {
    m_nLoopMode = 1;
    ShowChecks();
}

void CMusicDlg::OnOnePiece() {
    m_nLoopMode = 0;
    ShowChecks();
}

void CMusicDlg::ShowChecks() {
    for (int piece = 0; piece < int(std::size(kPieceIds)); ++piece)
        ::CheckDlgButton(Handle(), kPieceIds[piece], piece == m_nChosen ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(Handle(), IDC_MUSIC_WHOLE_LIST, m_nLoopMode == 1 ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(Handle(), IDC_MUSIC_ONE_PIECE, m_nLoopMode == 0 ? BST_CHECKED : BST_UNCHECKED);
}

