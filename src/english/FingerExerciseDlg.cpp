#include "english/FingerExerciseDlg.h"

#include "common/WindowLook.h"
#include "common/install_paths.h"
#include "english/finger_diagnostics.h"
#include "win/back_buffer.h"
#include "win/text.h"
#include "win/ui.h"

namespace {

constexpr win::PictureButton kKeys[] = {
#define QOPE_FINGER_KEY(id, base, x, y, width, height, upper, lower) {id, L"" base},
#include "english/finger_keys.def"
#undef QOPE_FINGER_KEY
};

// A deep blue ground: the bright label colours, the gold-framed cinnabar pictures, the
// border and the dark keyboard case all stand out on it.
constexpr COLORREF kGround = RGB(24, 40, 88);

// The group captions are too wide for their buttons in the template's 宋体 12 pt.
enum { kImpact12, kArial24, kArial10 };
constexpr win::PointFont kFonts[] = {{12, L"Impact"}, {24, L"Arial"}, {10, L"Arial"}};
constexpr win::LabelStyle kLabels[] = {
    {IDC_FINGER_TOTAL_LABEL, RGB(255, 0, 255), kImpact12},
    {IDC_FINGER_CORRECT_LABEL, RGB(255, 255, 0), kImpact12},
    {IDC_FINGER_CORRECT_UNIT, RGB(255, 255, 0), kImpact12},
    {IDC_FINGER_ERRORS_LABEL, RGB(0, 255, 0), kImpact12},
    {IDC_FINGER_ERRORS_UNIT, RGB(0, 255, 0), kImpact12},
    {IDC_FINGER_ACCURACY_LABEL, RGB(0, 255, 255), kImpact12},
    {IDC_FINGER_ACCURACY_UNIT, RGB(0, 255, 255), kImpact12},
    {IDC_FINGER_PROMPT, RGB(255, 255, 255), kArial24},
    {IDC_FINGER_KEY_LIST, RGB(255, 232, 150), kArial24},
#define QOPE_FINGER_GROUP(number, button, x, y, caption, token, keyList) {button, qope::kDialogText, kArial10},
#define QOPE_FINGER_TARGET(group, character, key, prompt)
#define QOPE_FINGER_WHOLE_KEYBOARD_PROMPT(character, prompt)
#include "english/finger_groups.def"
#undef QOPE_FINGER_GROUP
};
constexpr int kHandCursorIds[] = {
#define QOPE_FINGER_GROUP(number, button, x, y, caption, token, keyList) button,
#include "english/finger_groups.def"
#undef QOPE_FINGER_GROUP
#undef QOPE_FINGER_TARGET
#undef QOPE_FINGER_WHOLE_KEYBOARD_PROMPT
    IDC_FINGER_EXIT,
};
constexpr win::Look kLook{win::Ground::Framed, kGround, kFonts, kLabels, kHandCursorIds, qope::HandCursor};

// A button takes "&" as the mark of its mnemonic; doubled, it shows as itself.
std::wstring ButtonCaption(const char* caption) {
    std::wstring shown;
    for (wchar_t c : win::Widen(caption)) {
        if (c == L'&') shown += L'&';
        shown += c;
    }
    return shown;
}

}  // namespace

CFingerExerciseDlg::CFingerExerciseDlg(qope::Session& session) : Dialog(IDD_FINGER_EXERCISE), m_session(session) {
    // The wrong-key message is closed with Space or Enter: a second Enter must not end
    // the exercise.
    KeepOpenOnEnter();
}

const win::Look* CFingerExerciseDlg::GetLook() const { return &kLook; }

void CFingerExerciseDlg::Exchange(win::DataExchange& dx) {
    dx.Text(IDC_FINGER_INPUT, m_strTyped, 1);
    dx.Number(IDC_FINGER_TOTAL, m_nTotal);
    dx.Number(IDC_FINGER_CORRECT, m_nCorrect);
    dx.Number(IDC_FINGER_ERRORS, m_nErrors);
    dx.Text(IDC_FINGER_ACCURACY, m_strAccuracy);
    dx.Text(IDC_FINGER_KEY_LIST, m_strGroupKeys);
    dx.Text(IDC_FINGER_PROMPT, m_strPrompt);
}

bool CFingerExerciseDlg::OnInitDialog() {
    // The keys have no click handlers: a click only takes the focus. The template starts
    // them all grey.
    m_keys.Load(*this, kKeys);
    m_btnExit.Load(*this, IDC_FINGER_EXIT, L"EXITBACK");
    m_btnExit.onClick = [this] { OnOK(); };
    Bind(m_editInput, IDC_FINGER_INPUT);
    for (const qope::FingerGroup& group : qope::FingerGroups())
        ::SetWindowTextW(Item(group.button), ButtonCaption(group.caption).c_str());
    Push();
    // The first tab stop is the exit button, which Space (the key that closes the
    // messages) would press.
    ::SetFocus(Item(IDC_FINGER_INPUT));
    return false;
}

bool CFingerExerciseDlg::OnOtherCommand(int id, WORD notification) {
    if (id == IDC_FINGER_INPUT && notification == EN_CHANGE) {
        OnTyped();
        return true;
    }
    if (notification != BN_CLICKED) return false;
    const qope::FingerGroup* group = qope::FingerGroupOfButton(id);
    if (!group) return false;
    ChooseGroup(group->number);
    return true;
}

void CFingerExerciseDlg::ChooseGroup(int group) {
    ::SetFocus(Item(IDC_FINGER_INPUT));
    m_drill.Choose(group, m_rand);
    m_strTyped.clear();
    ShowDrill();
}

void CFingerExerciseDlg::OnTyped() {
    Read();
    const qope::FingerVerdict verdict = m_drill.Type(m_strTyped, m_rand);
    if (m_strTyped.empty()) return;  // the input emptied
    m_strTyped.clear();
    ShowDrill();
    switch (verdict) {
    case qope::FingerVerdict::NoGroup:
        win::ShowMessage(Handle(), qope::kFingerNoGroupMessage);
        m_drill.MessageClosed();
        break;
    case qope::FingerVerdict::Wrong:
        ++m_sorrySounds;
        win::PlaySoundAsync(qope::kSoundSorry);
        win::ShowMessage(Handle(), qope::kFingerWrongKeyMessage);
        m_drill.MessageClosed();
        break;
    case qope::FingerVerdict::None:
    case qope::FingerVerdict::Right:
        break;
    }
}

void CFingerExerciseDlg::ShowDrill() {
    m_nTotal = m_drill.Total();
    m_nCorrect = m_drill.Correct();
    m_nErrors = m_drill.Errors();
    m_strAccuracy = m_drill.AccuracyText();
    const bool newPrompt = m_strPrompt != m_drill.Prompt();
    const bool newKeyList = m_strGroupKeys != m_drill.KeyList();
    m_strPrompt = m_drill.Prompt();
    m_strGroupKeys = m_drill.KeyList();
    Push();
    if (newPrompt) RepaintUnder(IDC_FINGER_PROMPT);
    if (newKeyList) RepaintUnder(IDC_FINGER_KEY_LIST);
    LightKey(m_drill.LitKey());
}

void CFingerExerciseDlg::LightKey(int key) {
    for (int id : qope::DrillKeys()) {
        HWND button = Item(id);
        const bool lit = id == key;
        if ((::IsWindowEnabled(button) != FALSE) != lit) ::EnableWindow(button, lit);
    }
}

void CFingerExerciseDlg::RepaintUnder(int id) {
    RECT area{};
    HWND label = Item(id);
    ::GetWindowRect(label, &area);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    win::Invalidate(Handle(), &area);
}

long long CFingerExerciseDlg::OnDiagnostics(unsigned query) {
    return query == qope::kFingerSorrySounds ? m_sorrySounds : -1;
}
