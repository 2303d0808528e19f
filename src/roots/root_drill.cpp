#include "roots/root_drill.h"

#include "drill/key_hint.h"

namespace qope {

int RootDrill::StartIndex(int kind, int edition, int seconds, int randomValue) {
    const RootRule* rule = FindRootRule(kind, edition);
    return rule ? rule->Start(seconds, randomValue) : -1;
}

bool RootDrill::Start(int kind, int edition, int start) {
    kind_ = kind;
    edition_ = edition;
    rule_ = FindRootRule(kind, edition);
    row_.clear();
    keys_.clear();
    answered_ = current_ = 0;
    if (!rule_ || start < 0) return false;
    row_ = BatchIndices(*rule_, start);
    for (int index : row_) keys_ += RootKey(edition, index);
    current_ = start;
    return true;
}

Judgement RootDrill::Judge(const std::string& typed) {
    if (!Active()) return {};
    if (answered_ >= kRootBatch) return {Answer::Pending, true};
    if (typed.size() != 1) return {};
    if (typed[0] != keys_[static_cast<size_t>(answered_)]) return {Answer::Wrong, false};
    current_ = rule_->Next(current_);
    ++answered_;
    return {Answer::Right, answered_ == kRootBatch};
}

std::vector<char> RootDrill::HintKeys() const {
    if (!Active()) return {};
    return HintedKeys(keys_, answered_, 1);
}

}  // namespace qope
