// The main window's own diagnostics queries (win/diagnostics.h tells how to send one):
// timings measured inside the program for the benchmarks, in microseconds, -1 before the
// first.
#pragma once

#include "win/diagnostics.h"

namespace qope {

enum PracticeQuery : unsigned {
    // A right answer: its check, the fields set, what changed invalidated.
    kRightAnswerMedianMicros = win::kFirstWindowQuery,
    kRightAnswerWorstMicros,
    kRightAnswerCount,
    // A set start with its file reads.
    kSetStartMedianMicros,
    kSetStartWorstMicros,
    kSetStartCount,
    // A root batch start with its picture set loaded.
    kRootBatchMedianMicros,
    // A repaint of both root rows, timed by kTimeRootRepaint.
    kRootRepaintMedianMicros,
    kRootRepaintCount,
    kClearTimings,
    // Repaints both root rows now and times it.
    kTimeRootRepaint,
    // A paint of the main window (the ground, the picture area, the key hint).
    kPaintMedianMicros,
    kPaintWorstMicros,
    kPaintCount,
    // How many times a music piece was opened (the device may have refused it), and the
    // MCI device open now (0 none).
    kMusicOpens,
    kMusicDevice,
    // The program's hand cursor, to compare with the cursor the system shows.
    kHandCursor,
    // How many times the window activated the US keyboard layout (Wine's layouts are a
    // stub that keeps the layout there is, so the request is what a test can see).
    kUsKeyboardRequests,
};

}  // namespace qope
