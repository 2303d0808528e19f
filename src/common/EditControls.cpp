#include "common/EditControls.h"

#include "common/install_paths.h"
#include "common/key_filters.h"
#include "win/ui.h"

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

HBRUSH CImeInputEdit::OnReflectedColour(HDC dc) { return greenText_ ? GreenOnBlack(dc) : BlackGround(dc); }

std::optional<LRESULT> CImeInputEdit::OnMessage(UINT message, WPARAM wp, LPARAM) {
    if (message != WM_CHAR) return std::nullopt;
    return Apply(qope::ImeInputChar(static_cast<unsigned>(wp)), Handle(), qope::kImeMissingMessage);
}

HBRUSH CLineInputEdit::OnReflectedColour(HDC dc) { return BlackGround(dc); }

std::optional<LRESULT> CLineInputEdit::OnMessage(UINT message, WPARAM wp, LPARAM) {
    if (message != WM_CHAR) return std::nullopt;
    return Apply(qope::LineInputChar(static_cast<unsigned>(wp)), Handle(), nullptr);
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
