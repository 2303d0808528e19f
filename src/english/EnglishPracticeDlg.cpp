#include "english/EnglishPracticeDlg.h"

#include "common/InstalledFiles.h"
#include "common/WindowLook.h"
#include "common/install_paths.h"
#include "common/line_typing_diagnostics.h"
#include "common/stopwatch.h"
#include "win/ui.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kReferenceIds[] = {IDC_EN_REFERENCE1, IDC_EN_REFERENCE2, IDC_EN_REFERENCE3, IDC_EN_REFERENCE4,
                                 IDC_EN_REFERENCE5, IDC_EN_REFERENCE6, IDC_EN_REFERENCE7};
constexpr int kTypingIds[] = {IDC_EN_TYPING1, IDC_EN_TYPING2, IDC_EN_TYPING3, IDC_EN_TYPING4,
                              IDC_EN_TYPING5, IDC_EN_TYPING6, IDC_EN_TYPING7};

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

int LineOf(int id) {
    const auto found = std::find(std::begin(kTypingIds), std::end(kTypingIds), id);
    return found == std::end(kTypingIds) ? -1 : static_cast<int>(found - std::begin(kTypingIds));
}

// A reference line as the edit shows it: its line feed is where the line ends.
std::string Shown(const std::string& reference) {
    return !reference.empty() && reference.back() == '\n' ? reference.substr(0, reference.size() - 1) : reference;
}

}  // namespace

CEnglishPracticeDlg::CEnglishPracticeDlg() : Dialog(IDD_ENGLISH_PRACTICE) { KeepOpenOnEnter(); }

const win::Look* CEnglishPracticeDlg::GetLook() const { return &kLook; }

void CEnglishPracticeDlg::Exchange(win::DataExchange& dx) {
    for (int k = 0; k < kLines; ++k) {
        dx.Text(kReferenceIds[k], m_strReference[size_t(k)]);
        dx.Text(kTypingIds[k], m_strTyping[size_t(k)]);
    }
    dx.Number(IDC_EN_TOTAL, m_nTotal);
    dx.Number(IDC_EN_CORRECT, m_nCorrect);
    dx.Number(IDC_EN_ERRORS, m_nErrors);
    dx.Text(IDC_EN_ACCURACY, m_strAccuracy);
    dx.Number(IDC_EN_SPEED, m_nSpeed);
}

bool CEnglishPracticeDlg::OnInitDialog() {
    for (int k = 0; k < kLines; ++k) {
        Bind(m_references[size_t(k)], kReferenceIds[k]);
        CLineInputEdit& line = m_typing[size_t(k)];
        Bind(line, kTypingIds[k]);
        line.reference = [this, k]() -> const std::string& { return m_copy.Reference(k); };
        line.unit = qope::kEnglishLines.unit;
        line.matchColour = kMatch;
        line.mismatchColour = kMismatch;
        line.cellFont = LookFont(kSong16);
    }
    ::SetFocus(Item(kTypingIds[0]));
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
        const int line = LineOf(id);
        if (line < 0) return false;
        OnTypingChanged(line);
        return true;
    }
    return false;
}

void CEnglishPracticeDlg::ChooseLesson(const qope::Lesson& lesson) {
    win::DefaultBeep();
    ::SetFocus(Item(kTypingIds[0]));
    m_lastLength.fill(0);
    // A lesson read to its end stays as it is: the page shown, what it counted.
    if (m_copy.Text() == lesson.number && m_copy.AtEnd()) return;
    if (m_copy.Choose(lesson.number)) ShowCopy(true);
    LoadPage();
}

void CEnglishPracticeDlg::LoadPage() {
    const qope::Lesson* lesson = qope::FindLesson(m_copy.Text());
    if (!lesson) return;
    std::string file;
    if (!qope::ReadTextFile(Handle(), qope::InstallPath("Englishtype", lesson->file), file)) return;
    if (!m_copy.LoadPage(qope::TextOfFile(file))) return;
    ShowCopy(true);
}

void CEnglishPracticeDlg::FinishLesson() {
    win::ShowMessage(Handle(), qope::kLessonDoneMessage);
    m_copy.Restart();
    if (const qope::Lesson* lesson = qope::FindLesson(m_copy.Text())) ChooseLesson(*lesson);
}

void CEnglishPracticeDlg::OnTypingChanged(int line) {
    Read();
    const qope::TypedChars typed = m_typing[size_t(line)].Typed();
    const int length = static_cast<int>(typed.size());
    const qope::LineStep step = qope::EnglishLineChanged(m_copy, line, length, m_lastLength[size_t(line)]);
    if (step.noText) {
        win::ShowMessage(Handle(), qope::kNoTextMessage);
        return;
    }
    if (step.finished) {
        FinishLesson();
        return;
    }
    if (step.focus >= 0) ::SetFocus(Item(kTypingIds[step.focus]));
    m_lastLength[size_t(line)] = length;
    m_copy.Typed(line, typed);
    ShowTotals();
    if (step.turnPage) ChooseLesson(*qope::FindLesson(m_copy.Text()));
}

void CEnglishPracticeDlg::OnSpeedTick() {
    m_copy.Tick();
    m_nSpeed = m_copy.Speed();
    Push();
}

void CEnglishPracticeDlg::ShowCopy(bool emptyTyping) {
    for (int k = 0; k < kLines; ++k) {
        m_strReference[size_t(k)] = Shown(m_copy.Reference(k));
        if (emptyTyping) m_strTyping[size_t(k)].clear();
    }
    ShowTotals();
    for (CLineInputEdit& line : m_typing) line.Invalidate();
}

void CEnglishPracticeDlg::ShowTotals() {
    const qope::TypingTotals totals = m_copy.Totals();
    m_nTotal = totals.total;
    m_nCorrect = totals.correct;
    m_nErrors = totals.errors;
    m_strAccuracy = qope::FormatAccuracy(totals.accuracy);
    m_nSpeed = m_copy.Speed();
    Push();
}

// Every paint rebuilds the counts from what the lines hold, as their cells are.
void CEnglishPracticeDlg::PaintOver(HDC, const RECT&) {
    std::vector<qope::TypedChars> lines;
    for (const CLineInputEdit& line : m_typing) lines.push_back(line.Typed());
    const qope::TypingTotals before = m_copy.Totals();
    m_copy.Recount(lines);
    const qope::TypingTotals after = m_copy.Totals();
    if (after.total != before.total || after.correct != before.correct) ShowTotals();
}

long long CEnglishPracticeDlg::OnDiagnostics(unsigned query) {
    switch (query) {
    case qope::kTypingText: return m_copy.Text();
    case qope::kTypingTicks: return m_copy.Ticks();
    case qope::kTypingAtEnd: return m_copy.AtEnd() ? 1 : 0;
    case qope::kTypingFocusLine: return LineOf(::GetDlgCtrlID(::GetFocus())) + 1;
    case qope::kTimeTypingLineRepaint: {
        const qope::Stopwatch watch;
        ::RedrawWindow(Item(IDC_EN_TYPING1), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return watch.Micros();
    }
    default: return -1;
    }
}
