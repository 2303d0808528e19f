#include "app/HelpViewer.h"

#include "common/install_paths.h"

bool CHelpViewer::Load() {
    if (!m_htmlHelp && !m_tried) {
        m_tried = true;
        if (HMODULE viewer = ::LoadLibraryW(L"hhctrl.ocx"))
            m_htmlHelp = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(::GetProcAddress(viewer, "HtmlHelpA")));
    }
    return m_htmlHelp != nullptr;
}

void CHelpViewer::Show() {
    if (Load()) m_htmlHelp(nullptr, qope::kHelpFile, kHelpDisplayTopic, 0);
}

void CHelpViewer::CloseAll() {
    if (m_htmlHelp) m_htmlHelp(nullptr, nullptr, kHelpCloseAll, 0);
}
