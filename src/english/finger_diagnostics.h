// The finger exercise window's diagnostics query (win/diagnostics.h tells how to send
// one), for the tests: a headless Wine plays no sound, so the window counts what it asked.
#pragma once

#include "win/diagnostics.h"

namespace qope {

enum FingerQuery : unsigned {
    kFingerSorrySounds = win::kFirstWindowQuery,  // times the sound "sorry" was started
};

}  // namespace qope
