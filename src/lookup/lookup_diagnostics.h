// The reference windows' own diagnostics queries (win/diagnostics.h tells how to send one).
#pragma once

#include "win/diagnostics.h"

namespace qope {

enum LookupQuery : unsigned {
    // The dictionary's last search, from the change to the last result shown, in
    // microseconds (-1 before the first).
    kDictionarySearchMicros = win::kFirstWindowQuery + 50,
};

}  // namespace qope
