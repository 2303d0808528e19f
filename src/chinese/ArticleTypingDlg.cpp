#include "chinese/ArticleTypingDlg.h"

#include "common/InstalledFiles.h"
#include "common/WindowLook.h"
#include "common/install_paths.h"
#include "lookup/RootMapDlg.h"
#include "win/ui.h"

namespace {

constexpr TypingPageIds<qope::kArticleLines.pairs> kPageIds{
    {IDC_AR_REFERENCE1, IDC_AR_REFERENCE2, IDC_AR_REFERENCE3, IDC_AR_REFERENCE4, IDC_AR_REFERENCE5},
    {IDC_AR_TYPING1, IDC_AR_TYPING2, IDC_AR_TYPING3, IDC_AR_TYPING4, IDC_AR_TYPING5},
    IDC_AR_TOTAL, IDC_AR_CORRECT, IDC_AR_ERRORS, IDC_AR_ACCURACY, IDC_AR_SPEED,
};

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

}  // namespace

CArticleTypingDlg::CArticleTypingDlg() : Dialog(IDD_ARTICLE_TYPING), m_page(qope::kArticleLines, kPageIds) {
    KeepOpenOnEnter();
}

const win::Look* CArticleTypingDlg::GetLook() const { return &kLook; }

std::span<const win::CommandRoute> CArticleTypingDlg::CommandRoutes() const {
    static const win::CommandRoute routes[] = {
        win::OnCommand(IDC_AR_FREE_INPUT, &CArticleTypingDlg::OnFreeInput),
        win::OnCommand(IDC_AR_KEYBOARD86, &CArticleTypingDlg::OnKeyboard86),
        win::OnCommand(IDC_AR_KEYBOARD98, &CArticleTypingDlg::OnKeyboard98),
    };
    return routes;
}

void CArticleTypingDlg::Exchange(win::DataExchange& dx) { m_page.Exchange(dx); }

bool CArticleTypingDlg::OnInitDialog() {
    m_page.Bind(*this, LookFont(kSong16));
    m_page.typing[0].greenText = true;  // the first line's own text shows like a reference
    for (CImeInputEdit& line : m_page.typing) line.byteLimit = qope::kArticleLineBytes;
    SetCellColours(kMismatch);
    m_page.Focus(*this, 0);
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
        const int line = m_page.LineOf(id);
        if (line < 0) return false;
        OnTypingChanged(line);
        return true;
    }
    return false;
}

void CArticleTypingDlg::SetCellColours(COLORREF mismatch) {
    for (CImeInputEdit& line : m_page.typing) {
        if (line.matchColour == kMatch && line.mismatchColour == mismatch) continue;
        line.matchColour = kMatch;
        line.mismatchColour = mismatch;
        line.Invalidate();
    }
}

void CArticleTypingDlg::ChooseArticle(const qope::Article& article) {
    win::DefaultBeep();
    m_page.Focus(*this, 0);
    SetCellColours(kMismatch);
    if (m_page.copy.Choose(article.number)) {
        m_lastLength5 = 0;
        m_page.Show(*this, true);
    }
    LoadPage();
}

// A read article stays as it is: its last page, its counts.
void CArticleTypingDlg::LoadPage() {
    const qope::Article* article = qope::FindArticle(m_page.copy.Text());
    if (!article) return;
    std::string file;
    if (!qope::ReadTextFile(Handle(), qope::InstallPath("freeinput", article->file), file)) return;
    if (!m_page.copy.LoadPage(qope::TextOfFile(file))) return;
    m_lastLength5 = 0;
    m_page.Show(*this, true);
}

// Free input has nothing to copy: blank reference lines, every character counted.
void CArticleTypingDlg::OnFreeInput() {
    win::DefaultBeep();
    m_page.Focus(*this, 0);
    SetCellColours(kFreeMismatch);
    m_page.copy.Choose(qope::kFreeInput, false);
    m_page.copy.FillReferences(std::string(qope::kFreeInputBlanks, ' '));
    m_lastLength5 = 0;
    m_page.Show(*this, true);
}

void CArticleTypingDlg::OnKeyboard86() { ShowRootMap(86); }
void CArticleTypingDlg::OnKeyboard98() { ShowRootMap(98); }

// Closed with 关闭键盘, the map hands the typing on to the first line not yet full.
void CArticleTypingDlg::ShowRootMap(int edition) {
    CRootMapDlg map(edition);
    if (map.RunModal(Handle()) != IDOK) return;
    for (int k = 0; k < kLines; ++k) {
        if (qope::TypedBytes(m_page.typing[size_t(k)].Typed()) != qope::kArticleLineBytes) {
            m_page.Focus(*this, k);
            return;
        }
    }
}

void CArticleTypingDlg::OnTypingChanged(int line) {
    const qope::TypedChars typed = m_page.typing[size_t(line)].Typed();
    const int bytes = qope::TypedBytes(typed);
    const qope::LineStep step = qope::ArticleLineChanged(m_page.copy, line, bytes, m_lastLength5);
    if (step.noText) {
        win::ShowMessage(Handle(), qope::kNoTextMessage);
        return;
    }
    if (step.focus >= 0) m_page.Focus(*this, step.focus);
    Read();
    m_page.copy.Typed(line, typed);
    m_page.ShowTotals(*this);
    if (line == kLines - 1) m_lastLength5 = bytes;
    if (!step.turnPage) return;
    if (m_page.copy.Text() == qope::kFreeInput) OnFreeInput();
    else if (const qope::Article* article = qope::FindArticle(m_page.copy.Text())) ChooseArticle(*article);
}

void CArticleTypingDlg::PaintOver(HDC, const RECT&) { m_page.Recount(*this); }

long long CArticleTypingDlg::OnDiagnostics(unsigned query) { return m_page.Diagnostics(*this, query); }
