#include "lookup/DictionaryDlg.h"

#include "common/DataFile.h"
#include "common/WindowLook.h"
#include "common/install_paths.h"
#include "lookup/dictionary.h"
#include "lookup/lookup_diagnostics.h"
#include "win/gdi.h"
#include "win/text.h"
#include "win/ui.h"

namespace {

constexpr COLORREF kGround = RGB(100, 180, 240);
constexpr qope::LabelColour kLabels[] = {
    {IDC_DICT_PROMPT, RGB(255, 0, 255)},
    {IDC_DICT_NOTE, RGB(255, 0, 0)},
};
constexpr int kHandCursorIds[] = {IDOK};
constexpr long long kFrameMs = 30;

}  // namespace

std::span<const win::MessageRoute> CDictionaryDlg::MessageRoutes() const {
    static const win::MessageRoute routes[] = {
        win::OnMessage(WM_PAINT, &CDictionaryDlg::OnPaint),
        win::OnMessage(WM_ERASEBKGND, &CDictionaryDlg::OnEraseBackground),
        win::OnMessage(WM_SETCURSOR, &CDictionaryDlg::OnSetCursor),
    };
    return routes;
}

std::span<const win::CommandRoute> CDictionaryDlg::CommandRoutes() const {
    static const win::CommandRoute routes[] = {
        win::OnCommand(IDC_DICT_INPUT, &CDictionaryDlg::OnCodeChanged, EN_CHANGE),
        win::OnCommand(IDC_DICT_RESULT, &CDictionaryDlg::OnResultFocus, EN_SETFOCUS),
    };
    return routes;
}

void CDictionaryDlg::Exchange(win::DataExchange& dx) {
    // The result box is written by appending (AppendResult), not exchanged whole.
    dx.Text(IDC_DICT_INPUT, m_strInput, 4);
}

bool CDictionaryDlg::OnInitDialog() {
    Bind(m_editInput, IDC_DICT_INPUT);
    m_fontLabel = win::CreatePointFont(16, L"Impact");
    qope::SetLabelFont(Handle(), kLabels, m_fontLabel.Get());
    Push();
    ::SetFocus(Item(IDC_DICT_INPUT));
    return false;
}

std::optional<INT_PTR> CDictionaryDlg::OnEraseBackground(WPARAM, LPARAM) { return TRUE; }

std::optional<INT_PTR> CDictionaryDlg::OnPaint(WPARAM, LPARAM) {
    qope::PaintGround(Handle(), kGround);
    return 0;
}

std::optional<INT_PTR> CDictionaryDlg::OnSetCursor(WPARAM wp, LPARAM) {
    if (qope::ShowHandCursorOver(reinterpret_cast<HWND>(wp), kHandCursorIds)) return TRUE;
    return std::nullopt;
}

HBRUSH CDictionaryDlg::OnColour(HDC dc, HWND control, int colourType) {
    if (HBRUSH brush = qope::ColourLabel(dc, control, colourType, kLabels, m_fontLabel.Get())) return brush;
    return Dialog::OnColour(dc, control, colourType);
}

void CDictionaryDlg::OnResultFocus() { ::SetFocus(Item(IDC_DICT_INPUT)); }

// Appends to the result box without rewriting what it shows already.
void CDictionaryDlg::AppendResult(std::string_view text) {
    m_strResult += text;
    HWND box = Item(IDC_DICT_RESULT);
    const int end = ::GetWindowTextLengthW(box);
    ::SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(end), end);
    const std::wstring wide = win::Widen(text);
    ::SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void CDictionaryDlg::OnCodeChanged() {
    LARGE_INTEGER start{}, end{}, frequency{};
    ::QueryPerformanceCounter(&start);
    Read();
    m_strResult.clear();
    ::SetWindowTextW(Item(IDC_DICT_RESULT), L"");
    const qope::DictQuery query = qope::ClassifyDictInput(m_strInput);
    if (query.verdict != qope::DictPattern::Search) {
        if (const char* message = qope::DictPatternMessage(query.verdict)) win::ShowMessage(Handle(), message);
        return;
    }
    const qope::CodeTableFile& table = qope::DictionaryTable();
    const std::string codePath = qope::InstallPath("selectfiles", table.codeFile);
    const std::string charPath = qope::InstallPath("selectfiles", table.itemFile);
    qope::DataFile codes(codePath), chars(charPath);
    if (!codes.Open() || !chars.Open()) {
        qope::ReportFileError(Handle(), codes.Open() ? charPath : codePath);
        return;
    }
    // Entries are shown as they are found, gathered for a frame at a time: a box that
    // scrolls and repaints for every line would make a long list cost seconds.
    std::string pending;
    LARGE_INTEGER shown = start;
    ::QueryPerformanceFrequency(&frequency);
    const qope::DictResult result = qope::SearchDictionary(m_strInput, codes, chars, [&](std::string_view entry) {
        pending += entry;
        LARGE_INTEGER now{};
        ::QueryPerformanceCounter(&now);
        if ((now.QuadPart - shown.QuadPart) * 1000 / frequency.QuadPart >= kFrameMs) {
            AppendResult(pending);
            pending.clear();
            ::UpdateWindow(Item(IDC_DICT_RESULT));
            shown = now;
        }
    });
    if (!pending.empty()) AppendResult(pending);
    ::UpdateWindow(Item(IDC_DICT_RESULT));
    ::QueryPerformanceCounter(&end);
    m_lastSearchMicros = (end.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart;
    if (result.damage == qope::DictDamage::CodeFile) qope::ReportDamagedFile(Handle(), codePath);
    if (result.damage == qope::DictDamage::CharFile) qope::ReportDamagedFile(Handle(), charPath);
}

long long CDictionaryDlg::OnDiagnostics(unsigned query) {
    return query == qope::kDictionarySearchMicros ? m_lastSearchMicros : -1;
}
