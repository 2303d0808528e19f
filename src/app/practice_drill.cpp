#include "app/practice_drill.h"

namespace qope {

void PracticeDrill::BeginSet(PracticeKind kind) {
    kind_ = kind;
    roots_.Abandon();
    codes_.Begin(kind);
}

void PracticeDrill::BeginBatch(int rootKind, int edition, int start) {
    kind_ = kRootDrill;
    codes_.Abandon();
    roots_.Start(rootKind, edition, start);
}

void PracticeDrill::Abandon() {
    codes_.Abandon();
    roots_.Abandon();
}

Judgement PracticeDrill::Judge(const std::string& typed) {
    return IsRootBatch() ? roots_.Judge(typed) : codes_.Judge(typed);
}

std::optional<Lookup> PracticeDrill::LookupNow() const {
    if (IsRootBatch()) return LookupOf(kind_, roots_.Keys(), roots_.Answered(), std::string(), 0);
    return LookupOf(kind_, codes_.Expected(), codes_.CodePos(), codes_.Reference(), codes_.RefPos());
}

std::optional<int> PracticeDrill::Speed(std::size_t inputBytes, const DrillTimer& timer) const {
    return DrillSpeed(kind_, inputBytes, roots_.Answered(), timer);
}

}  // namespace qope
