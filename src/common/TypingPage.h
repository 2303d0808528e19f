// What the two line-typing windows (English practice, article typing) have alike, as a
// part each owns: the copying (qope::LineCopy), the pairs of a reference line over its
// typing line, the totals, accuracy and speed they show, and the rebuild of the counts
// from the lines at every paint. Each window gives its numbers (the layout of its lines,
// the ids, the typing line's class) and keeps its own rules of moving on.
#pragma once

#include "common/EditControls.h"
#include "common/line_typing.h"
#include "common/line_typing_diagnostics.h"
#include "common/stopwatch.h"
#include "win/dialog.h"

#include <array>
#include <string>
#include <vector>

// The controls of a window's page.
template <int Pairs>
struct TypingPageIds {
    std::array<int, Pairs> references;
    std::array<int, Pairs> typing;
    int total, correct, errors, accuracy, speed;
};

template <class Line, int Pairs>
class TypingPage {
public:
    TypingPage(const qope::LineTypingRules& rules, const TypingPageIds<Pairs>& ids) : copy(rules), ids_(ids) {}

    qope::LineCopy copy;
    std::array<CColorEdit, Pairs> references;
    std::array<Line, Pairs> typing;

    void Exchange(win::DataExchange& dx) {
        for (size_t k = 0; k < Pairs; ++k) {
            dx.Text(ids_.references[k], reference_[k]);
            dx.Text(ids_.typing[k], typed_[k]);
        }
        dx.Number(ids_.total, totals_.total);
        dx.Number(ids_.correct, totals_.correct);
        dx.Number(ids_.errors, totals_.errors);
        dx.Text(ids_.accuracy, accuracy_);
        dx.Number(ids_.speed, speed_);
    }

    // Binds the lines of `window`; each typing line compares itself with its reference
    // line and draws its cells in `cellFont` (the window's, made once).
    void Bind(win::Dialog& window, HFONT cellFont) {
        for (int k = 0; k < Pairs; ++k) {
            window.Bind(references[size_t(k)], ids_.references[size_t(k)]);
            Line& line = typing[size_t(k)];
            window.Bind(line, ids_.typing[size_t(k)]);
            line.reference = [this, k]() -> const std::string& { return copy.Reference(k); };
            line.unit = copy.Rules().unit;
            line.cellFont = cellFont;
        }
    }

    // The typing line (0-based) of a control, -1 for another.
    int LineOf(int id) const {
        for (size_t k = 0; k < Pairs; ++k)
            if (ids_.typing[k] == id) return static_cast<int>(k);
        return -1;
    }
    void Focus(const win::Dialog& window, int line) const { ::SetFocus(window.Item(ids_.typing[size_t(line)])); }

    // Shows the copying: the reference lines (their line feed is where a line ends), the
    // typing lines emptied with `emptyTyping`, the totals.
    void Show(win::Dialog& window, bool emptyTyping) {
        for (size_t k = 0; k < Pairs; ++k) {
            const std::string& line = copy.Reference(static_cast<int>(k));
            reference_[k] = !line.empty() && line.back() == '\n' ? line.substr(0, line.size() - 1) : line;
            if (emptyTyping) typed_[k].clear();
        }
        ShowTotals(window);
        for (Line& line : typing) line.Invalidate();
    }

    void ShowTotals(win::Dialog& window) {
        const qope::TypingTotals totals = copy.Totals();
        totals_ = totals;
        accuracy_ = qope::FormatAccuracy(totals.accuracy);
        speed_ = copy.Speed();
        window.Push();
    }

    // A tick of the window's 100 ms timer.
    void Tick(win::Dialog& window) {
        copy.Tick();
        speed_ = copy.Speed();
        window.Push();
    }

    // A paint of the window rebuilds the counts from what the lines hold, as their cells
    // are rebuilt at each of theirs.
    void Recount(win::Dialog& window) {
        std::vector<qope::TypedChars> lines;
        for (const Line& line : typing) lines.push_back(line.Typed());
        const qope::TypingTotals before = copy.Totals();
        copy.Recount(lines);
        const qope::TypingTotals after = copy.Totals();
        if (after.total != before.total || after.correct != before.correct) ShowTotals(window);
    }

    // The line-typing diagnostics queries (common/line_typing_diagnostics.h); -1 for others.
    long long Diagnostics(const win::Dialog& window, unsigned query) const {
        switch (query) {
        case qope::kTypingText: return copy.Text();
        case qope::kTypingTicks: return copy.Ticks();
        case qope::kTypingAtEnd: return copy.AtEnd() ? 1 : 0;
        case qope::kTypingFocusLine: return LineOf(::GetDlgCtrlID(::GetFocus())) + 1;
        case qope::kTimeTypingLineRepaint: {
            const qope::Stopwatch watch;
            ::RedrawWindow(window.Item(ids_.typing[0]), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            return watch.Micros();
        }
        default: return -1;
        }
    }

private:
    TypingPageIds<Pairs> ids_;
    // Shown by the controls.
    std::array<std::string, Pairs> reference_;
    std::array<std::string, Pairs> typed_;
    qope::TypingTotals totals_;
    std::string accuracy_ = "0";
    int speed_ = 0;
};
