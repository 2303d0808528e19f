// The glyph probe: a library the glyph tests hook into qope.exe's GUI thread, so that it
// measures with the fonts the windows really draw with (a font handle means nothing in
// another process).
//
// SendMessage(window, RegisterWindowMessage(kMessage), 0, 0) to a top-level window of the
// program writes into the shared memory kReport, as UTF-16, one line per text the window
// shows (caption, menu bar and system menu items, controls):
//     <what> TAB <characters without a glyph> TAB <characters measured> TAB <text> LF
#pragma once

namespace glyph_probe {

inline constexpr const wchar_t* kMessage = L"Qope.GlyphProbe";
inline constexpr const wchar_t* kReport = L"Local\\Qope.GlyphProbe";
inline constexpr unsigned kReportBytes = 1u << 20;
inline constexpr const char* kHookProc = "GlyphProbeHook";

}  // namespace glyph_probe
