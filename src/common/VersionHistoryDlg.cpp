#include "common/VersionHistoryDlg.h"

#include "common/WindowLook.h"

namespace {

constexpr win::PointFont kFonts[] = {{12, L"Arial"}};
constexpr win::LabelStyle kLabels[] = {
    {IDC_HISTORY_TITLE, RGB(255, 255, 255)}, {IDC_HISTORY_V1, RGB(0, 0, 255)},
    {IDC_HISTORY_V2, RGB(100, 75, 55)},      {IDC_HISTORY_V3, RGB(255, 255, 255)},
    {IDC_HISTORY_V4, RGB(255, 255, 0)},      {IDC_HISTORY_CLOSING, RGB(255, 0, 0)},
};
constexpr int kHandCursorIds[] = {IDOK};
constexpr win::Look kLook{win::Ground::Framed, RGB(128, 200, 100), kFonts, kLabels, kHandCursorIds, qope::HandCursor};

}  // namespace

const win::Look* CVersionHistoryDlg::GetLook() const { return &kLook; }
