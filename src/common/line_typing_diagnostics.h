// The diagnostics queries of the two line-typing windows (win/diagnostics.h tells how to
// send one), for the tests: what the window's copying stands at.
#pragma once

#include "win/diagnostics.h"

namespace qope {

enum LineTypingQuery : unsigned {
    kTypingText = win::kFirstWindowQuery,  // the lesson or article chosen, 0 none
    kTypingTicks,                          // 100 ms ticks of its clock
    kTypingAtEnd,                          // 1 when the page shown is the text's last
    kTypingFocusLine,                      // the typing line (1-based) with the focus, 0 none
    kTimeTypingLineRepaint,                // repaints the first typing line now: microseconds
};

}  // namespace qope
