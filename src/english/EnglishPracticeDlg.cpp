#include "english/EnglishPracticeDlg.h"

#include "common/InstalledFiles.h"
#include "common/WindowLook.h"
#include "common/install_paths.h"
#include "win/ui.h"

namespace {

constexpr TypingPageIds<qope::kEnglishLines.pairs> kPageIds{
    {IDC_EN_REFERENCE1, IDC_EN_REFERENCE2, IDC_EN_REFERENCE3, IDC_EN_REFERENCE4, IDC_EN_REFERENCE5,
     IDC_EN_REFERENCE6, IDC_EN_REFERENCE7},
    {IDC_EN_TYPING1, IDC_EN_TYPING2, IDC_EN_TYPING3, IDC_EN_TYPING4, IDC_EN_TYPING5, IDC_EN_TYPING6, IDC_EN_TYPING7},
    IDC_EN_TOTAL, IDC_EN_CORRECT, IDC_EN_ERRORS, IDC_EN_ACCURACY, IDC_EN_SPEED,
};

constexpr COLORREF kMatch = RGB(0, 255, 0), kMismatch = RGB(255, 0, 0);

enum { kImpact14, kHei40, kSong16 };
constexpr win::PointFont kFonts[] = {{14, L"Impact"}, {40, L"黑体"}, {16, L"宋体"}};
constexpr win::LabelStyle kLabels[] = {
    {IDC_EN_LABEL_TOTAL, RGB(0, 0, 255), kImpact14},
    {IDC_EN_LABEL_CORRECT, RGB(255, 0, 0), kImpact14},
    {IDC_EN_LABEL_ERRORS, RGB(0, 255, 0), kImpact14},
    {IDC_EN_LABEL_ACCURACY, RGB(255, 255, 0), kImpact14},
    {IDC_EN_LABEL_PERCENT, RGB(255, 255, 0), kImpact14},
    {IDC_EN_LABEL_SPEED, RGB(255, 0, 255), kImpact14},
    {IDC_EN_LABEL_SPEED_UNIT, RGB(255, 0, 255), kImpact14},
    {IDC_EN_CAPTION_LEFT, RGB(0, 255, 255), kHei40},
    {IDC_EN_CAPTION_RIGHT, RGB(0, 255, 255), kHei40},
    {IDC_EN_GROUP_KEYS, RGB(255, 255, 255), kImpact14},
    {IDC_EN_GROUP_ARTICLES, RGB(0, 255, 255), kImpact14},
};
constexpr int kHandCursorIds[] = {
#define QOPE_LESSON(id, caption, number, file, endLine, x, y) id,
#include "english/english_lessons.def"
#undef QOPE_LESSON
    IDOK,
};
constexpr win::Look kLook{win::Ground::Framed, RGB(125, 125, 125), kFonts, kLabels, kHandCursorIds, qope::HandCursor};

}  // namespace

CEnglishPracticeDlg::CEnglishPracticeDlg() : Dialog(IDD_ENGLISH_PRACTICE), m_page(qope::kEnglishLines, kPageIds) {
    KeepOpenOnEnter();
}

const win::Look* CEnglishPracticeDlg::GetLook() const { return &kLook; }

void CEnglishPracticeDlg::Exchange(win::DataExchange& dx) { m_page.Exchange(dx); }

bool CEnglishPracticeDlg::OnInitDialog() {
    m_page.Bind(*this, LookFont(kSong16));
    for (CLineInputEdit& line : m_page.typing) {
        line.matchColour = kMatch;
        line.mismatchColour = kMismatch;
    }
    m_page.Focus(*this, 0);
    m_speedTimer.Start(Handle(), kSpeedTimer, 100);
    Push();
    return false;  // the focus is in the first typing line
}

bool CEnglishPracticeDlg::OnOtherCommand(int id, WORD notification) {
    if (notification == BN_CLICKED) {
        if (const qope::Lesson* lesson = qope::LessonOfButton(id)) {
            ChooseLesson(*lesson);
            return true;
        }
    }
    if (notification == EN_CHANGE) {
        const int line = m_page.LineOf(id);
        if (line < 0) return false;
        OnTypingChanged(line);
        return true;
    }
    return false;
}

void CEnglishPracticeDlg::ChooseLesson(const qope::Lesson& lesson) {
    win::DefaultBeep();
    m_page.Focus(*this, 0);
    m_lastLength.fill(0);
    // A lesson read to its end stays as it is: the page shown, what it counted.
    if (m_page.copy.Text() == lesson.number && m_page.copy.AtEnd()) return;
    if (m_page.copy.Choose(lesson.number)) m_page.Show(*this, true);
    LoadPage();
}

void CEnglishPracticeDlg::LoadPage() {
    const qope::Lesson* lesson = qope::FindLesson(m_page.copy.Text());
    if (!lesson) return;
    std::string file;
    if (!qope::ReadTextFile(Handle(), qope::InstallPath("Englishtype", lesson->file), file)) return;
    if (!m_page.copy.LoadPage(qope::TextOfFile(file))) return;
    m_page.Show(*this, true);
}

void CEnglishPracticeDlg::FinishLesson() {
    win::ShowMessage(Handle(), qope::kLessonDoneMessage);
    m_page.copy.Restart();
    if (const qope::Lesson* lesson = qope::FindLesson(m_page.copy.Text())) ChooseLesson(*lesson);
}

void CEnglishPracticeDlg::OnTypingChanged(int line) {
    Read();
    const qope::TypedChars typed = m_page.typing[size_t(line)].Typed();
    const int length = static_cast<int>(typed.size());
    const qope::LineStep step = qope::EnglishLineChanged(m_page.copy, line, length, m_lastLength[size_t(line)]);
    if (step.noText) {
        win::ShowMessage(Handle(), qope::kNoTextMessage);
        return;
    }
    if (step.finished) {
        FinishLesson();
        return;
    }
    if (step.focus >= 0) m_page.Focus(*this, step.focus);
    m_lastLength[size_t(line)] = length;
    m_page.copy.Typed(line, typed);
    m_page.ShowTotals(*this);
    if (step.turnPage) ChooseLesson(*qope::FindLesson(m_page.copy.Text()));
}

void CEnglishPracticeDlg::PaintOver(HDC, const RECT&) { m_page.Recount(*this); }

long long CEnglishPracticeDlg::OnDiagnostics(unsigned query) { return m_page.Diagnostics(*this, query); }
