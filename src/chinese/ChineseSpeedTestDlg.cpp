#include "chinese/ChineseSpeedTestDlg.h"

#include "common/DataFile.h"
#include "common/WindowLook.h"
#include "win/back_buffer.h"
#include "win/id_list.h"
#include "common/install_paths.h"
#include "common/speed_test_diagnostics.h"

#include <algorithm>
#include <array>

namespace {

// By category 1-9, by level 1-6, by edition (86, 98).
constexpr int kCategoryIds[] = {IDC_CS_ONE_SIMP,   IDC_CS_TWO_SIMP,   IDC_CS_THREE_SIMP,
                                IDC_CS_ALL_CODES,  IDC_CS_END_STROKE, IDC_CS_TWO_WORDS,
                                IDC_CS_THREE_WORDS, IDC_CS_FOUR_WORDS, IDC_CS_MORE_WORDS};
constexpr int kLevelIds[] = {IDC_CS_LEVEL1, IDC_CS_LEVEL2, IDC_CS_LEVEL3, IDC_CS_LEVEL4, IDC_CS_LEVEL5, IDC_CS_LEVEL6};
constexpr int kEditionIds[] = {IDC_CS_EDITION86, IDC_CS_EDITION98};
constexpr int kEditions[] = {86, 98};
static_assert(std::size(kCategoryIds) == qope::kScrollCategories && std::size(kLevelIds) == qope::kScrollLevels);

constexpr win::PointFont kFonts[] = {{16, L"Impact"}};
constexpr auto kLabels = [] {
    constexpr size_t kOthers = 7;
    std::array<win::LabelStyle, kOthers + std::size(kCategoryIds) + std::size(kLevelIds) + std::size(kEditionIds)>
        labels{};
    size_t n = 0;
    labels[n++] = {IDC_CS_CATEGORY_GROUP, RGB(255, 0, 255)};
    labels[n++] = {IDC_CS_SPEED_GROUP, RGB(0, 255, 255)};
    labels[n++] = {IDC_CS_EDITION_GROUP, RGB(255, 0, 0)};
    labels[n++] = {IDC_CS_LABEL_HINT, RGB(255, 255, 0)};
    labels[n++] = {IDC_CS_LABEL_CODE, RGB(255, 255, 0)};
    labels[n++] = {IDC_CS_LABEL_CORRECT, RGB(255, 0, 0)};
    labels[n++] = {IDC_CS_LABEL_ERRORS, RGB(255, 0, 0)};
    for (int id : kCategoryIds) labels[n++] = {id, RGB(255, 0, 0)};
    for (int id : kLevelIds) labels[n++] = {id, RGB(0, 255, 0)};
    for (int id : kEditionIds) labels[n++] = {id, RGB(255, 255, 255)};
    return labels;
}();
constexpr auto kHandCursorIds = win::JoinIds(kCategoryIds, kLevelIds, kEditionIds, {IDC_CS_RETURN});
constexpr win::Look kLook{win::Ground::Framed, RGB(130, 170, 150), kFonts, kLabels, kHandCursorIds, qope::HandCursor};

}  // namespace

std::unique_ptr<qope::RecordSource> CChineseSpeedTestDlg::InstalledTables::Open(const std::string& name) {
    auto file = std::make_unique<qope::DataFile>(qope::InstallPath("selectfiles", name));
    if (!file->Open()) return nullptr;
    return file;
}

CChineseSpeedTestDlg::CChineseSpeedTestDlg(qope::Session& session)
    : Dialog(IDD_CHINESE_SPEED_TEST), m_pane(m_text, IDB_SCROLL_PICTURE, session) {
    KeepOpenOnEnter();
}

const win::Look* CChineseSpeedTestDlg::GetLook() const { return &kLook; }

std::span<const win::CommandRoute> CChineseSpeedTestDlg::CommandRoutes() const {
    static const win::CommandRoute routes[] = {
        win::OnCommand(IDC_CS_CODE, &CChineseSpeedTestDlg::OnCodeChanged, EN_CHANGE),
        win::OnCommand(IDC_CS_RETURN, &CChineseSpeedTestDlg::OnReturn),
        // The counts are only read: the keys stay in the code field.
        win::OnCommand(IDC_CS_CORRECT, &CChineseSpeedTestDlg::FocusCode, EN_SETFOCUS),
        win::OnCommand(IDC_CS_ERRORS, &CChineseSpeedTestDlg::FocusCode, EN_SETFOCUS),
    };
    return routes;
}

void CChineseSpeedTestDlg::Exchange(win::DataExchange& dx) {
    dx.Text(IDC_CS_CODE, m_strTyped);
    dx.Text(IDC_CS_HINT, m_strHint);
    dx.Number(IDC_CS_CORRECT, m_nCorrect);
    dx.Number(IDC_CS_ERRORS, m_nErrors);
}

bool CChineseSpeedTestDlg::OnInitDialog() {
    m_pane.Attach(*this, IDC_CS_PANE);
    win::CheckRadioAt(Handle(), kCategoryIds, m_text.Category());
    win::CheckRadioAt(Handle(), kLevelIds, m_text.Level());
    win::CheckRadioAt(Handle(), kEditionIds, m_text.Edition() == kEditions[1] ? 2 : 1);
    Push();
    FocusCode();
    return false;  // the focus is in the code field
}

// The radios: a new speed from the next tick on; a category or an edition empties the item,
// and the slot draws the next one when it has left.
bool CChineseSpeedTestDlg::OnOtherCommand(int id, WORD notification) {
    if (notification != BN_CLICKED) return false;
    if (const int category = win::PlaceIn(kCategoryIds, id)) {
        FocusCodeFrom(id);
        m_text.SetCategory(category);
        Chosen();
        return true;
    }
    if (const int level = win::PlaceIn(kLevelIds, id)) {
        FocusCodeFrom(id);
        m_text.SetLevel(level);
        return true;
    }
    if (const int edition = win::PlaceIn(kEditionIds, id)) {
        FocusCodeFrom(id);
        m_text.SetEdition(kEditions[edition - 1]);
        Chosen();
        return true;
    }
    return false;
}

void CChineseSpeedTestDlg::Chosen() {
    m_pane.Refresh();
    m_pane.Pace();
}

// The hint shows the item's code from the first key on; after a right code it keeps that
// code until the next key, since emptying the field is a push, not a key.
void CChineseSpeedTestDlg::OnCodeChanged() {
    Read();
    const qope::CodeCheck check = m_text.Check(m_strTyped);
    m_strHint = check.hint;
    switch (check.verdict) {
    case qope::CodeVerdict::Unjudged: break;
    case qope::CodeVerdict::Right:
        m_nCorrect += 1;
        m_strTyped.clear();
        m_pane.Refresh();  // the item vanishes; its slot moves on
        break;
    case qope::CodeVerdict::Wrong:
        m_nErrors += 1;
        m_strTyped.clear();
        break;
    }
    Push();
}

void CChineseSpeedTestDlg::OnReturn() { EndModal(IDOK); }

void CChineseSpeedTestDlg::FocusCode() { ::SetFocus(Item(IDC_CS_CODE)); }

// The ground under the radio is painted again, or the focus rectangle it drew over its
// transparent label would stay once the focus has left it.
void CChineseSpeedTestDlg::FocusCodeFrom(int radio) {
    FocusCode();
    win::InvalidateWithGround(Item(radio));
}

// Whatever took the focus (a radio clicked, the window uncovered), the keys come back to
// the code field; not while a box of the window is up.
void CChineseSpeedTestDlg::PaintOver(HDC, const RECT&) {
    if (::IsWindowEnabled(Handle())) FocusCode();
}

long long CChineseSpeedTestDlg::OnDiagnostics(unsigned query) {
    if (query == qope::kSpeedCode) return qope::PackBytes(m_text.Item().code);
    return m_pane.Diagnose(query);
}
