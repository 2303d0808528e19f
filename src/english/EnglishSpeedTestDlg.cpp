#include "english/EnglishSpeedTestDlg.h"

#include "common/WindowLook.h"
#include "win/back_buffer.h"
#include "win/id_list.h"

#include <algorithm>
#include <array>

namespace {

// By level 1-5 and by character set 1-4.
constexpr int kLevelIds[] = {IDC_ES_LEVEL1, IDC_ES_LEVEL2, IDC_ES_LEVEL3, IDC_ES_LEVEL4, IDC_ES_LEVEL5};
constexpr int kCategoryIds[] = {IDC_ES_LOWER, IDC_ES_UPPER, IDC_ES_MIXED, IDC_ES_ALL};
static_assert(std::size(kLevelIds) == qope::kLetterLevels && std::size(kCategoryIds) == qope::kLetterCategories);

constexpr win::PointFont kFonts[] = {{16, L"Impact"}};
constexpr auto kLabels = [] {
    std::array<win::LabelStyle, 4 + std::size(kLevelIds) + std::size(kCategoryIds)> labels{};
    size_t n = 0;
    labels[n++] = {IDC_ES_CATEGORY_GROUP, RGB(0, 0, 255)};
    labels[n++] = {IDC_ES_SPEED_GROUP, RGB(255, 255, 0)};
    labels[n++] = {IDC_ES_LABEL_CORRECT, RGB(255, 0, 0)};
    labels[n++] = {IDC_ES_LABEL_ERRORS, RGB(255, 0, 0)};
    for (int id : kLevelIds) labels[n++] = {id, RGB(255, 0, 255)};
    for (int id : kCategoryIds) labels[n++] = {id, RGB(255, 0, 0)};
    return labels;
}();
constexpr auto kHandCursorIds = win::JoinIds(kLevelIds, kCategoryIds, {IDC_ES_RETURN});
constexpr win::Look kLook{win::Ground::Framed, RGB(130, 170, 150), kFonts, kLabels, kHandCursorIds, qope::HandCursor};

}  // namespace

CEnglishSpeedTestDlg::CEnglishSpeedTestDlg(qope::Session& session)
    : Dialog(IDD_ENGLISH_SPEED_TEST), m_pane(m_letter, IDB_LETTER_PICTURE, session) {
    KeepOpenOnEnter();
}

const win::Look* CEnglishSpeedTestDlg::GetLook() const { return &kLook; }

std::span<const win::CommandRoute> CEnglishSpeedTestDlg::CommandRoutes() const {
    static const win::CommandRoute routes[] = {
        win::OnCommand(IDC_ES_INPUT, &CEnglishSpeedTestDlg::OnTyped, EN_CHANGE),
        win::OnCommand(IDC_ES_RETURN, &CEnglishSpeedTestDlg::OnReturn),
        win::OnCommand(IDC_ES_CORRECT, &CEnglishSpeedTestDlg::FocusInput, EN_SETFOCUS),
        win::OnCommand(IDC_ES_ERRORS, &CEnglishSpeedTestDlg::FocusInput, EN_SETFOCUS),
    };
    return routes;
}

void CEnglishSpeedTestDlg::Exchange(win::DataExchange& dx) {
    dx.Text(IDC_ES_INPUT, m_strTyped);
    dx.Number(IDC_ES_CORRECT, m_nCorrect);
    dx.Number(IDC_ES_ERRORS, m_nErrors);
}

bool CEnglishSpeedTestDlg::OnInitDialog() {
    // The template's System 10 as Windows makes it: the columns of the letters lie in
    // pixels, and the fourth must show in the pane.
    win::LayOutInBaseUnits(Handle(), SIZE{8, 16});
    m_pane.Attach(*this, IDC_ES_PANE);
    win::CheckRadioAt(Handle(), kLevelIds, m_letter.Level());
    win::CheckRadioAt(Handle(), kCategoryIds, m_letter.Category());
    Push();
    FocusInput();
    return false;  // the focus is in the hidden input
}

// The radios: a new speed from the next tick on, a new set from the next letter on.
bool CEnglishSpeedTestDlg::OnOtherCommand(int id, WORD notification) {
    if (notification != BN_CLICKED) return false;
    if (const int level = win::PlaceIn(kLevelIds, id)) {
        FocusInputFrom(id);
        m_letter.SetLevel(level);
        return true;
    }
    if (const int category = win::PlaceIn(kCategoryIds, id)) {
        FocusInputFrom(id);
        m_letter.SetCategory(category);
        return true;
    }
    return false;
}

// Every key alone: the field is emptied after each.
void CEnglishSpeedTestDlg::OnTyped() {
    Read();
    switch (m_letter.Judge(m_strTyped)) {
    case qope::Hit::Right:
        m_nCorrect += 1;
        m_pane.Refresh();  // the letter vanishes; its slot falls on
        break;
    case qope::Hit::Wrong: m_nErrors += 1; break;
    case qope::Hit::None: break;
    }
    m_strTyped.clear();
    Push();
}

void CEnglishSpeedTestDlg::OnReturn() { EndModal(IDOK); }

void CEnglishSpeedTestDlg::FocusInput() { ::SetFocus(Item(IDC_ES_INPUT)); }

// The ground under the radio is painted again, or the focus rectangle it drew over its
// transparent label would stay once the focus has left it.
void CEnglishSpeedTestDlg::FocusInputFrom(int radio) {
    FocusInput();
    win::InvalidateWithGround(Item(radio));
}

// Whatever took the focus (a radio clicked, the window uncovered), the keys come back to
// the hidden input; not while a box of the window is up.
void CEnglishSpeedTestDlg::PaintOver(HDC, const RECT&) {
    if (::IsWindowEnabled(Handle())) FocusInput();
}

long long CEnglishSpeedTestDlg::OnDiagnostics(unsigned query) { return m_pane.Diagnose(query); }
