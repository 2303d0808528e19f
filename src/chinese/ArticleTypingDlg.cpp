#include "chinese/ArticleTypingDlg.h"

#include "common/InstalledFiles.h"
#include "common/WindowLook.h"
#include "common/install_paths.h"
#include "common/line_typing_diagnostics.h"
#include "common/stopwatch.h"
#include "lookup/RootMapDlg.h"
#include "win/ui.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kReferenceIds[] = {IDC_AR_REFERENCE1, IDC_AR_REFERENCE2, IDC_AR_REFERENCE3, IDC_AR_REFERENCE4,
                                 IDC_AR_REFERENCE5};
constexpr int kTypingIds[] = {IDC_AR_TYPING1, IDC_AR_TYPING2, IDC_AR_TYPING3, IDC_AR_TYPING4, IDC_AR_TYPING5};

// Typed characters on green where right; on red where wrong, and in free input, where
// nothing can be right, on a calmer teal.
constexpr COLORREF kMatch = RGB(0, 255, 0), kMismatch = RGB(255, 0, 0), kFreeMismatch = RGB(0, 192, 192);

enum { kImpact16, kImpact12, kSong16 };
constexpr win::PointFont kFonts[] = {{16, L"Impact"}, {12, L"Impact"}, {16, L"宋体"}};
constexpr win::LabelStyle kLabels[] = {
    {IDC_AR_LABEL_TOTAL, RGB(0, 0, 255), kImpact16},
    {IDC_AR_LABEL_CORRECT, RGB(255, 0, 0), kImpact16},
    {IDC_AR_PROMPT, RGB(255, 0, 0), kImpact16},
    {IDC_AR_LABEL_ERRORS, RGB(0, 255, 255), kImpact16},
    {IDC_AR_LABEL_ACCURACY, RGB(255, 255, 0), kImpact16},
    {IDC_AR_LABEL_PERCENT, RGB(255, 255, 0), kImpact16},
    {IDC_AR_LABEL_SPEED, RGB(255, 0, 255), kImpact16},
    {IDC_AR_LABEL_SPEED_UNIT, RGB(255, 0, 255), kImpact16},
    {IDC_AR_CREDIT, RGB(255, 255, 0), kImpact12},
};
constexpr int kHandCursorIds[] = {
#define QOPE_ARTICLE(id, caption, number, file, x, y) id,
#include "chinese/articles.def"
#undef QOPE_ARTICLE
    IDOK, IDC_AR_FREE_INPUT, IDC_AR_KEYBOARD86, IDC_AR_KEYBOARD98,
};
constexpr win::Look kLook{win::Ground::Framed, RGB(50, 150, 150), kFonts, kLabels, kHandCursorIds, qope::HandCursor};

int LineOf(int id) {
    const auto found = std::find(std::begin(kTypingIds), std::end(kTypingIds), id);
    return found == std::end(kTypingIds) ? -1 : static_cast<int>(found - std::begin(kTypingIds));
}

std::string Shown(const std::string& reference) {
    return !reference.empty() && reference.back() == '\n' ? reference.substr(0, reference.size() - 1) : reference;
}

}  // namespace

CArticleTypingDlg::CArticleTypingDlg() : Dialog(IDD_ARTICLE_TYPING) { KeepOpenOnEnter(); }

const win::Look* CArticleTypingDlg::GetLook() const { return &kLook; }

std::span<const win::CommandRoute> CArticleTypingDlg::CommandRoutes() const {
    static const win::CommandRoute routes[] = {
        win::OnCommand(IDC_AR_FREE_INPUT, &CArticleTypingDlg::OnFreeInput),
        win::OnCommand(IDC_AR_KEYBOARD86, &CArticleTypingDlg::OnKeyboard86),
        win::OnCommand(IDC_AR_KEYBOARD98, &CArticleTypingDlg::OnKeyboard98),
    };
    return routes;
}

void CArticleTypingDlg::Exchange(win::DataExchange& dx) {
    for (int k = 0; k < kLines; ++k) {
        dx.Text(kReferenceIds[k], m_strReference[size_t(k)]);
        dx.Text(kTypingIds[k], m_strTyping[size_t(k)]);
    }
    dx.Number(IDC_AR_TOTAL, m_nTotal);
    dx.Number(IDC_AR_CORRECT, m_nCorrect);
    dx.Number(IDC_AR_ERRORS, m_nErrors);
    dx.Text(IDC_AR_ACCURACY, m_strAccuracy);
    dx.Number(IDC_AR_SPEED, m_nSpeed);
}

bool CArticleTypingDlg::OnInitDialog() {
    for (int k = 0; k < kLines; ++k) {
        Bind(m_references[size_t(k)], kReferenceIds[k]);
        CImeInputEdit& line = m_typing[size_t(k)];
        Bind(line, kTypingIds[k]);
        line.reference = [this, k]() -> const std::string& { return m_copy.Reference(k); };
        line.unit = qope::kArticleLines.unit;
        line.byteLimit = qope::kArticleLineBytes;
        line.cellFont = LookFont(kSong16);
    }
    SetCellColours(kMismatch);
    ::SetFocus(Item(kTypingIds[0]));
    m_speedTimer.Start(Handle(), kSpeedTimer, 100);
    Push();
    return false;  // the focus is in the first typing line
}

bool CArticleTypingDlg::OnOtherCommand(int id, WORD notification) {
    if (notification == BN_CLICKED) {
        if (const qope::Article* article = qope::ArticleOfButton(id)) {
            ChooseArticle(*article);
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

void CArticleTypingDlg::SetCellColours(COLORREF mismatch) {
    for (CImeInputEdit& line : m_typing) {
        if (line.matchColour == kMatch && line.mismatchColour == mismatch) continue;
        line.matchColour = kMatch;
        line.mismatchColour = mismatch;
        line.Invalidate();
    }
}

void CArticleTypingDlg::ChooseArticle(const qope::Article& article) {
    win::DefaultBeep();
    ::SetFocus(Item(kTypingIds[0]));
    SetCellColours(kMismatch);
    if (m_copy.Choose(article.number)) {
        m_lastLength5 = 0;
        ShowCopy(true);
    }
    LoadPage();
}

// A read article stays as it is: its last page, its counts.
void CArticleTypingDlg::LoadPage() {
    const qope::Article* article = qope::FindArticle(m_copy.Text());
    if (!article) return;
    std::string file;
    if (!qope::ReadTextFile(Handle(), qope::InstallPath("freeinput", article->file), file)) return;
    if (!m_copy.LoadPage(qope::TextOfFile(file))) return;
    m_lastLength5 = 0;
    ShowCopy(true);
}

// Free input has nothing to copy: blank reference lines, every character counted.
void CArticleTypingDlg::OnFreeInput() {
    win::DefaultBeep();
    ::SetFocus(Item(kTypingIds[0]));
    SetCellColours(kFreeMismatch);
    m_copy.Choose(qope::kFreeInput, false);
    m_copy.FillReferences(std::string(qope::kFreeInputBlanks, ' '));
    m_lastLength5 = 0;
    ShowCopy(true);
}

void CArticleTypingDlg::OnKeyboard86() { ShowRootMap(86); }
void CArticleTypingDlg::OnKeyboard98() { ShowRootMap(98); }

// Closed with 关闭键盘, the map hands the typing on to the first line not yet full.
void CArticleTypingDlg::ShowRootMap(int edition) {
    CRootMapDlg map(edition);
    if (map.RunModal(Handle()) != IDOK) return;
    for (int k = 0; k < kLines; ++k) {
        if (qope::TypedBytes(m_typing[size_t(k)].Typed()) != qope::kArticleLineBytes) {
            ::SetFocus(Item(kTypingIds[k]));
            return;
        }
    }
}

void CArticleTypingDlg::OnTypingChanged(int line) {
    const qope::TypedChars typed = m_typing[size_t(line)].Typed();
    const int bytes = qope::TypedBytes(typed);
    const qope::LineStep step = qope::ArticleLineChanged(m_copy, line, bytes, m_lastLength5);
    if (step.noText) {
        win::ShowMessage(Handle(), qope::kNoTextMessage);
        return;
    }
    if (step.focus >= 0) ::SetFocus(Item(kTypingIds[step.focus]));
    Read();
    m_copy.Typed(line, typed);
    ShowTotals();
    if (line == kLines - 1) m_lastLength5 = bytes;
    if (!step.turnPage) return;
    if (m_copy.Text() == qope::kFreeInput) OnFreeInput();
    else if (const qope::Article* article = qope::FindArticle(m_copy.Text())) ChooseArticle(*article);
}

void CArticleTypingDlg::OnSpeedTick() {
    m_copy.Tick();
    m_nSpeed = m_copy.Speed();
    Push();
}

void CArticleTypingDlg::ShowCopy(bool emptyTyping) {
    for (int k = 0; k < kLines; ++k) {
        m_strReference[size_t(k)] = Shown(m_copy.Reference(k));
        if (emptyTyping) m_strTyping[size_t(k)].clear();
    }
    ShowTotals();
    for (CImeInputEdit& line : m_typing) line.Invalidate();
}

void CArticleTypingDlg::ShowTotals() {
    const qope::TypingTotals totals = m_copy.Totals();
    m_nTotal = totals.total;
    m_nCorrect = totals.correct;
    m_nErrors = totals.errors;
    m_strAccuracy = qope::FormatAccuracy(totals.accuracy);
    m_nSpeed = m_copy.Speed();
    Push();
}

// Every paint rebuilds the counts from what the lines hold, as their cells are.
void CArticleTypingDlg::PaintOver(HDC, const RECT&) {
    std::vector<qope::TypedChars> lines;
    for (const CImeInputEdit& line : m_typing) lines.push_back(line.Typed());
    const qope::TypingTotals before = m_copy.Totals();
    m_copy.Recount(lines);
    const qope::TypingTotals after = m_copy.Totals();
    if (after.total != before.total || after.correct != before.correct) ShowTotals();
}

long long CArticleTypingDlg::OnDiagnostics(unsigned query) {
    switch (query) {
    case qope::kTypingText: return m_copy.Text();
    case qope::kTypingTicks: return m_copy.Ticks();
    case qope::kTypingAtEnd: return m_copy.AtEnd() ? 1 : 0;
    case qope::kTypingFocusLine: return LineOf(::GetDlgCtrlID(::GetFocus())) + 1;
    case qope::kTimeTypingLineRepaint: {
        const qope::Stopwatch watch;
        ::RedrawWindow(Item(IDC_AR_TYPING1), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return watch.Micros();
    }
    default: return -1;
    }
}
