#include "lookup/DictionaryDlg.h"

#include "common/DataFile.h"
#include "common/WindowLook.h"
#include "common/install_paths.h"
#include "lookup/dictionary.h"
#include "lookup/lookup_diagnostics.h"
#include "common/stopwatch.h"
#include "win/text.h"
#include "win/ui.h"

namespace {

constexpr win::PointFont kFonts[] = {{16, L"Impact"}};
constexpr win::LabelStyle kLabels[] = {
    {IDC_DICT_PROMPT, RGB(255, 0, 255)},
    {IDC_DICT_NOTE, RGB(255, 0, 0)},
};
constexpr int kHandCursorIds[] = {IDOK};
constexpr win::Look kLook{win::Ground::Solid, RGB(100, 180, 240), kFonts, kLabels, kHandCursorIds, qope::HandCursor};
constexpr long long kFrameMs = 30;

}  // namespace

const win::Look* CDictionaryDlg::GetLook() const { return &kLook; }

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
    Push();
    ::SetFocus(Item(IDC_DICT_INPUT));
    return false;
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
    const qope::Stopwatch search;
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
    qope::Stopwatch frame;
    const qope::DictResult result = qope::SearchDictionary(m_strInput, codes, chars, [&](std::string_view entry) {
        pending += entry;
        if (frame.Millis() >= kFrameMs) {
            AppendResult(pending);
            pending.clear();
            ::UpdateWindow(Item(IDC_DICT_RESULT));
            frame.Restart();
        }
    });
    if (!pending.empty()) AppendResult(pending);
    ::UpdateWindow(Item(IDC_DICT_RESULT));
    m_lastSearchMicros = search.Micros();
    if (result.damage == qope::DictDamage::CodeFile) qope::ReportDamagedFile(Handle(), codePath);
    if (result.damage == qope::DictDamage::CharFile) qope::ReportDamagedFile(Handle(), charPath);
}

long long CDictionaryDlg::OnDiagnostics(unsigned query) {
    return query == qope::kDictionarySearchMicros ? m_lastSearchMicros : -1;
}
