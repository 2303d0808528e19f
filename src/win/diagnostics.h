// The diagnostics query every window of the program answers: how many handles the
// program holds right now. Tests and benchmarks send it from outside the process to see
// that repeated actions leave no handles behind.
//
//   SendMessage(window, RegisterWindowMessage(kDiagnosticsMessage), query, 0)
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
    // Timings of the main window, in microseconds (-1 before the first): a right answer
    // checked with its key hint drawn, and a set start with its file reads.
    kRightAnswerMedianMicros = 20,
    kRightAnswerWorstMicros = 21,
    kRightAnswerCount = 22,
    kSetStartMedianMicros = 23,
    kSetStartWorstMicros = 24,
    kSetStartCount = 25,
    kRootBatchMedianMicros = 26,
    kRootRedrawMedianMicros = 27,
    kRootRedrawCount = 28,
    kClearTimings = 29,
    // Runs one repaint of the root rows now and times it.
    kTimeRootRedraw = 30,
};

}  // namespace win
