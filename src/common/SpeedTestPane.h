// The pane of both speed tests: a landscape stretched over a disabled edit, with the test's
// moving text (common/speed_pane.h) drawn over it in Arial 36 and stepped by the pane's
// own timer.
//
//   qope::FallingLetter m_letter;
//   SpeedTestPane m_pane{m_letter, IDB_LETTER_PICTURE, session};
//   m_pane.Attach(*this, IDC_PANE);   // in OnInitDialog: the pacing starts at its first paint
//
// A tick steps the motion, repaints where the text was and where it is now (never the
// whole pane), and re-arms the timer in place when the level's period changed. A failed
// step is reported once by the name of its file, in a box owned by the window; it stops
// the pacing (the motion's period is 0) until a choice of the learner lifts the stop and
// the window calls Pace() again. When the window changes the motion itself (a hit, a
// choice), it calls Refresh().
#pragma once

#include "common/session.h"
#include "common/speed_pane.h"
#include "win/dialog.h"
#include "win/overlay_control.h"
#include "win/scoped.h"
#include "win/timer.h"

#include <cstdint>
#include <string>

class SpeedTestPane : public win::OverlayControl {
public:
    SpeedTestPane(qope::PaneMotion& motion, int pictureId, qope::Session& session);

    // Binds the pane to control `id` of `dialog`, its picture stretched to the control's
    // client area once and its font made; false when there is no such control.
    bool Attach(win::Dialog& dialog, int id);
    // Arms the timer with the motion's period (in place, when it runs with another one);
    // stops it while the pacing is stopped.
    void Pace();
    // The motion changed outside a step (a hit emptied the text, a choice): repaints where
    // the text showed and where it shows now.
    void Refresh();

    // The queries about the pane of common/speed_test_diagnostics.h, for tests and
    // benchmarks; -1 for any other. A held pane moves only by the step query, which makes
    // one step as a tick does and paints it at once.
    long long Diagnose(unsigned query);

private:
    void Tick();
    void Hold(bool held);
    // One tick and its paint: the microseconds they took.
    std::int64_t Step();
    std::int64_t TimePaint();
    void Draw(HDC dc, const RECT& area);
    // Where a text of the motion shows, with room for glyphs that reach past their cell.
    RECT TextRect(const qope::PaneText& text);
    void Report(const qope::PaneFailure& failure) const;

    qope::PaneMotion& motion_;
    qope::RandFn rand_;
    int pictureId_;
    win::ScopedBitmap picture_;  // the landscape as large as the client area, in the screen's format
    win::ScopedFont font_;
    SIZE client_{};
    // The last text measured and its extent: the text changes far less often than it moves.
    std::string measured_;
    SIZE extent_{};
    RECT shown_{};  // where the text shows on the screen, or is about to
    win::Timer timer_{[this] { Tick(); }};
    bool started_ = false;
    bool held_ = false;
    long steps_ = 0;
    long paints_ = 0;
};
