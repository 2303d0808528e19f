// The diagnostics query every window answers, for tests and benchmarks outside the
// process:
//
//   SendMessage(window, RegisterWindowMessage(kDiagnosticsMessage), query, 0)
//
// The layer answers the handle census below; a window declares and answers queries of
// its own (numbered from kFirstWindowQuery) in Dialog::OnDiagnostics. -1: no answer.
#pragma once

namespace win {

inline constexpr const wchar_t* kDiagnosticsMessage = L"Qope.Diagnostics";

enum DiagnosticsQuery : unsigned {
    // Live handles owned by the scoped owners, by kind (the order of HandleKind).
    kLiveGdiObjects = 0,
    kLiveMemoryDCs = 1,
    kLiveWindowDCs = 2,
    kLiveIcons = 3,
    kLiveCursors = 4,
    kLiveMenus = 5,
    // Windows of the GUI thread, top-level and child.
    kThreadWindows = 10,
    // What the system itself counts (GetGuiResources); Wine answers 0.
    kSystemGdiObjects = 11,
    kSystemUserObjects = 12,
    // Message boxes of the program open right now.
    kOpenMessageBoxes = 13,
    kFirstWindowQuery = 100,
};

}  // namespace win
