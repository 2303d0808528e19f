// The diagnostics queries of the two speed-test windows (win/diagnostics.h tells how to
// send one), for the tests and the benchmark: where the moving text is, what it is, how
// the pane paces.
#pragma once

#include "win/diagnostics.h"

#include <cstdint>
#include <string_view>

namespace qope {

enum SpeedTestQuery : unsigned {
    kSpeedTextX = win::kFirstWindowQuery + 70,  // the moving text's corner in the pane, pixels
    kSpeedTextY,
    kSpeedTextLength,   // its bytes (GBK), 0 when nothing is drawn
    kSpeedCode,         // the item's code, its bytes packed as by kSpeedTextBytes (Chinese test)
    kSpeedSteps,        // steps made since the window opened
    kSpeedPanePaints,   // paints of the pane
    kSpeedPeriod,       // the period the pane's timer runs with, ms; 0 while it does not run
    kSpeedHold,         // stops the pacing: the pane moves only by kSpeedStep (answers 1)
    kSpeedResume,       // paces again (answers 1)
    kSpeedStep,         // one step as a tick makes it, painted at once: microseconds
    kSpeedTimePaint,    // the whole pane repainted at once, not stepped: microseconds
    // Bytes 4k .. 4k + 3 of the moving text, the first in the lowest byte, for k = 0 .. 5.
    kSpeedTextBytes,
};

inline constexpr int kSpeedTextChunks = 6;

// Four bytes of a text as one answer, the first in the lowest byte.
inline std::int32_t PackBytes(std::string_view bytes) {
    std::uint32_t packed = 0;
    for (size_t i = 0; i < bytes.size() && i < 4; ++i) packed |= std::uint32_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return static_cast<std::int32_t>(packed);
}

}  // namespace qope
