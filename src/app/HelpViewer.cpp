#include "app/HelpViewer.h"

#include "common/install_paths.h"
#include "win/text.h"

#include <htmlhelp.h>

#include <string>

namespace {
// The help file's default window, named in its project (qope.hhp).
constexpr const wchar_t* kWindowType = L"main";
}  // namespace

bool CHelpViewer::Load() {
    if (!m_htmlHelp && !m_tried) {
        m_tried = true;
        if (HMODULE viewer = ::LoadLibraryW(L"hhctrl.ocx"))
            m_htmlHelp = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(::GetProcAddress(viewer, "HtmlHelpW")));
    }
    return m_htmlHelp != nullptr;
}

void CHelpViewer::Show() {
    if (!Load()) return;
    const std::wstring file = win::Widen(qope::kHelpFile) + L">" + kWindowType;
    const std::wstring caption = win::Widen(qope::kHelpCaption);
    HH_WINTYPE type{};  // wide strings: the program is built with UNICODE
    type.cbStruct = sizeof type;
    type.fUniCodeStrings = TRUE;
    type.pszType = kWindowType;
    type.pszCaption = caption.c_str();
    m_htmlHelp(nullptr, file.c_str(), HH_SET_WIN_TYPE, reinterpret_cast<DWORD_PTR>(&type));
    m_htmlHelp(nullptr, file.c_str(), HH_DISPLAY_TOPIC, 0);
}

void CHelpViewer::CloseAll() {
    if (m_htmlHelp) m_htmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
}
