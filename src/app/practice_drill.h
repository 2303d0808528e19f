// The drill in progress in the main window: a set of codes or a batch of roots, whichever
// was started last. The window asks it, never the kind: whether something is loaded, how
// a typed code is judged, which keys the hint lights, what the code lookup shows, the
// speed over the drill's ticks.
#pragma once

#include "drill/code_drill.h"
#include "lookup/code_lookup.h"
#include "roots/root_drill.h"

#include <optional>
#include <string>
#include <vector>

namespace qope {

class PracticeDrill {
public:
    PracticeKind Kind() const { return kind_; }
    bool IsRootBatch() const { return kind_ == kRootDrill; }

    // A set of codes of `kind` begins with nothing loaded; Load() gives it its set.
    void BeginSet(PracticeKind kind);
    void Load(const CodeTable& set) { codes_.Load(set); }
    // A batch of roots of `rootKind` in `edition` from catalogue index `start` (-1: the
    // edition has none, and nothing is asked).
    void BeginBatch(int rootKind, int edition, int start);
    // Leaves what is loaded: typing is refused until the next start.
    void Abandon();

    bool Loaded() const { return IsRootBatch() ? roots_.Active() : codes_.Loaded(); }
    Judgement Judge(const std::string& typed);
    std::vector<char> HintKeys() const { return IsRootBatch() ? roots_.HintKeys() : codes_.HintKeys(); }
    // What the code lookup shows for the item asked now, and in which edition's caps;
    // nullopt when the kind has no lookup.
    std::optional<Lookup> LookupNow() const;
    int LookupEdition(int windowEdition) const { return IsRootBatch() ? roots_.Edition() : windowEdition; }
    // The speed over the ticks, of the input line's `inputBytes` for code sets (the line
    // the window shows: emptied when the edition changes) or of the roots answered;
    // nullopt: none for this kind, the shown speed stays.
    std::optional<int> Speed(std::size_t inputBytes, const DrillTimer& timer) const;

    // The items of the set and those answered (code sets); the rows (root batches).
    const std::string& Reference() const { return codes_.Reference(); }
    const std::string& Input() const { return codes_.Input(); }
    const RootDrill& Roots() const { return roots_; }
    // Whether the root rows show a batch drawn in `edition`'s pictures.
    bool ShowsRootRows(int edition) const { return IsRootBatch() && roots_.Active() && roots_.Edition() == edition; }

private:
    PracticeKind kind_ = kNoDrill;
    CodeDrill codes_;
    RootDrill roots_;
};

}  // namespace qope
