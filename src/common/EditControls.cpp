#include "common/EditControls.h"

#include "common/install_paths.h"
#include "common/key_filters.h"
#include "win/scoped.h"
#include "win/text.h"
#include "win/ui.h"

#include <algorithm>
#include <vector>

namespace {

constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

HBRUSH BlackGround(HDC dc) {
    ::SetBkColor(dc, kBlack);
    return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
}

HBRUSH GreenOnBlack(HDC dc) {
    ::SetTextColor(dc, kGreen);
    return BlackGround(dc);
}

// Acts on a character verdict: the warning box is owned by the field's window.
std::optional<LRESULT> Apply(qope::CharVerdict verdict, HWND field, const char* warning) {
    using qope::CharVerdict;
    if (verdict == CharVerdict::DropAndWarn || verdict == CharVerdict::PassAndWarn)
        win::ShowMessage(::GetParent(field), warning);
    if (verdict == CharVerdict::Pass || verdict == CharVerdict::PassAndWarn) return std::nullopt;
    return 0;
}

}  // namespace

HBRUSH CColorEdit::OnReflectedColour(HDC dc) { return GreenOnBlack(dc); }

CTypingLine::CTypingLine() {
    paintOver = [this](HDC dc, const RECT&) { DrawCells(dc); };
}

std::wstring CTypingLine::Text() const {
    const int length = ::GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(::GetWindowTextW(Handle(), text.data(), length + 1), 0)));
    return text;
}

qope::TypedChars CTypingLine::Typed() const {
    qope::TypedChars typed;
    for (win::GbkChar& c : win::GbkChars(Text())) typed.push_back(std::move(c.gbk));
    return typed;
}

// Every character again where the edit shows it, on its colour: rebuilt from the line's
// text at every paint, so nothing stale or missing stays whatever made the line paint.
void CTypingLine::DrawCells(HDC dc) const {
    const std::wstring text = Text();
    if (text.empty()) return;
    const std::vector<win::GbkChar> chars = win::GbkChars(text);
    qope::TypedChars typed;
    for (const win::GbkChar& c : chars) typed.push_back(c.gbk);
    static const std::string none;
    const std::vector<bool> matches = qope::CompareTyped(typed, reference ? reference() : none, unit);
    win::SelectScope font(dc, cellFont);
    ::SetBkMode(dc, OPAQUE);
    ::SetTextColor(dc, kBlack);
    // Characters of one colour in a row are drawn at once from where the edit shows the
    // first: the same font advances as the edit does. A tab stands alone, as the edit
    // spreads it.
    for (size_t first = 0; first < chars.size();) {
        size_t end = first + 1;
        const auto isTab = [&](size_t k) { return text[size_t(chars[k].at)] == L'\t'; };
        if (!isTab(first))
            while (end < chars.size() && matches[end] == matches[first] && !isTab(end)) ++end;
        const LRESULT at = ::SendMessageW(Handle(), EM_POSFROMCHAR, static_cast<WPARAM>(chars[first].at), 0);
        if (at != -1) {
            const int from = chars[first].at;
            const int to = end < chars.size() ? chars[end].at : static_cast<int>(text.size());
            ::SetBkColor(dc, matches[first] ? matchColour : mismatchColour);
            ::TextOutW(dc, static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at)), text.data() + from,
                       isTab(first) ? 0 : to - from);
        }
        first = end;
    }
}

std::optional<LRESULT> CTypingLine::OnMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_KEYDOWN && wp == VK_RETURN) return 0;
    return OverlayControl::OnMessage(message, wp, lp);
}

HBRUSH CImeInputEdit::OnReflectedColour(HDC dc) { return greenText ? GreenOnBlack(dc) : BlackGround(dc); }

bool CImeInputEdit::Fits(std::wstring_view added) const {
    if (byteLimit <= 0) return true;
    DWORD start = 0, end = 0;
    ::SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::wstring text = Text();
    if (start <= end && end <= text.size()) text.replace(start, end - start, added);
    qope::TypedChars typed;
    for (win::GbkChar& c : win::GbkChars(text)) typed.push_back(std::move(c.gbk));
    return qope::TypedBytes(typed) <= byteLimit;
}

// A paste takes what fits of the clipboard's first line, character by character.
void CImeInputEdit::Paste() {
    if (!::OpenClipboard(Handle())) return;
    std::wstring text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = chars;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    text = text.substr(0, text.find_first_of(L"\r\n"));
    while (!text.empty() && !Fits(text)) text.pop_back();
    if (!text.empty()) ::SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

std::optional<LRESULT> CImeInputEdit::OnMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_PASTE) {
        Paste();
        return 0;
    }
    if (message == WM_CHAR) {
        if (auto dropped = Apply(qope::ImeInputChar(static_cast<unsigned>(wp)), Handle(), qope::kImeMissingMessage))
            return dropped;
        const wchar_t ch = static_cast<wchar_t>(wp);
        if (ch >= 0x20 && !Fits(std::wstring_view(&ch, 1))) return 0;
    }
    return CTypingLine::OnMessage(message, wp, lp);
}

HBRUSH CLineInputEdit::OnReflectedColour(HDC dc) { return BlackGround(dc); }

std::optional<LRESULT> CLineInputEdit::OnMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_CHAR)
        if (auto dropped = Apply(qope::LineInputChar(static_cast<unsigned>(wp)), Handle(), nullptr)) return dropped;
    return CTypingLine::OnMessage(message, wp, lp);
}

std::optional<LRESULT> CKeyClickEdit::OnMessage(UINT message, WPARAM, LPARAM) {
    if (message == WM_CHAR) win::PlaySoundAsync(qope::kSoundKeyClick);
    return std::nullopt;
}

std::optional<LRESULT> CCodeEntryEdit::OnMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_CHAR) {
        // A box of the window is open: a character that still reaches the field (posted
        // ones do) would raise a box of its own beneath it.
        if (win::MessageShown()) return 0;
        win::PlaySoundAsync(qope::kSoundCodeClick);
        return Apply(qope::CodeEntryChar(static_cast<unsigned>(wp)), Handle(), nullptr);
    }
    if (message != WM_KEYDOWN) return std::nullopt;
    switch (qope::CodeEntryKeyDown(static_cast<unsigned>(wp))) {
    case qope::CodeKey::Drop:
        return 0;
    case qope::CodeKey::WarnThenPass:
        win::ShowMessage(::GetParent(Handle()), qope::kF1NotHelpMessage);
        break;
    case qope::CodeKey::HelpThenPass:
        if (onHelp) onHelp();
        break;
    case qope::CodeKey::Pass:
        break;
    }
    return Default(message, wp, lp);
}

std::optional<LRESULT> CDictInputEdit::OnMessage(UINT message, WPARAM wp, LPARAM) {
    if (message != WM_CHAR) return std::nullopt;
    win::PlaySoundAsync(qope::kSoundKeyClick);
    return Apply(qope::DictInputChar(static_cast<unsigned>(wp)), Handle(), qope::kSwitchToEnglishMessage);
}
