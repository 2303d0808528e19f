// What the pane of a speed test moves: the state of its one slot of text, stepped by the
// pane's timer. The English and the Chinese tests each give one; the one pane class of
// both draws it over its picture and asks for the next step.
//
// A tick of the pane goes:  paint the picture, draw Text(), Step(), re-arm the timer with
// PeriodMs() (none while it is 0).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qope {

// The moving text's face: Arial at 36 points, regular, drawn with a transparent ground.
inline constexpr const char* kPaneFontFace = "Arial";
inline constexpr int kPaneFontPoints = 36;
// The pane's timer.
inline constexpr int kPaneTimerId = 5;

struct PaneColour {
    std::uint8_t r, g, b;
};

// What the pane draws now: `text` (GBK; empty draws nothing) with the top-left corner of
// its cell at (x, y) of the client area. `text` stays valid until the next call that
// changes the motion.
struct PaneText {
    std::string_view text;
    int x = 0;
    int y = 0;
    PaneColour colour{};
};

// A step that could not be done: a code-table file that cannot be opened, or one too
// short or damaged for the record drawn. `file` is its name in selectfiles.
struct PaneFailure {
    enum Kind { None, CannotOpen, Damaged } kind = None;
    std::string file;
    explicit operator bool() const { return kind != None; }
};

// The run's rand(): called only when a step chooses new text, so every draw of the
// C runtime's sequence is the one the program would make.
using RandFn = std::function<int()>;

// rand() % count, as the C runtime's values (0 .. 32767) give it; any other value still
// lands in 0 .. count − 1.
inline int RandBelow(int randomValue, int count) {
    if (count <= 0) return 0;
    const int index = randomValue % count;
    return index < 0 ? index + count : index;
}

class PaneMotion {
public:
    virtual ~PaneMotion() = default;
    // The timer period of the current speed level in ms; 0 while the pacing is stopped.
    virtual int PeriodMs() const = 0;
    virtual PaneText Text() const = 0;
    // One step in a client area of width × height pixels. A failure stops the pacing
    // (PeriodMs() 0, later steps do nothing) until a choice of the learner lifts it; it is
    // returned by the step that met it only, so it is reported once.
    virtual PaneFailure Step(int width, int height, const RandFn& rand) = 0;
};

}  // namespace qope
