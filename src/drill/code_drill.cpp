#include "drill/code_drill.h"

#include "drill/key_hint.h"

namespace qope {

namespace {

const DrillKind kDrillKinds[] = {
#define QOPE_DRILL_KIND(kind, button, menu, status, codeWidth, setLength, referenceStep, speedDivisor) \
    {PracticeKind(kind), status, codeWidth, setLength, referenceStep, speedDivisor},
#include "drill/drill_kinds.def"
#undef QOPE_DRILL_KIND
};

}  // namespace

const char* const kNoReferenceMessage = "对不起,您未选择对照汉字,\n\n暂不能输入,请选择后再输入!";
const char* const kOnly86Message = "此项功能只对86版有效！";
const char* const kNoDrillStatus = "你还没有选择练习内容！";

const DrillKind* FindDrillKind(int kind) {
    for (const DrillKind& row : kDrillKinds)
        if (row.kind == kind) return &row;
    return nullptr;
}

void CodeDrill::Begin(PracticeKind kind) {
    kind_ = kind;
    expected_.clear();
    reference_.clear();
    input_.clear();
    answered_ = codePos_ = refPos_ = startIndex_ = 0;
}

void CodeDrill::Load(const CodeTable& set) {
    reference_ = set.items;
    expected_ = set.codes;
    startIndex_ = set.start;
}

Judgement CodeDrill::Judge(const std::string& typed) {
    const DrillKind* drill = FindDrillKind(kind_);
    if (!drill || !Loaded()) return {};
    if (answered_ >= drill->setLength) return {Answer::Pending, true};
    if (static_cast<int>(typed.size()) != drill->codeWidth) return {};

    const size_t width = static_cast<size_t>(drill->codeWidth);
    // A set shorter than its kind (a damaged file) never gets here: the reader refuses it.
    const std::string expected =
        static_cast<size_t>(codePos_) < expected_.size() ? expected_.substr(size_t(codePos_), width) : std::string();
    if (expected != typed) return {Answer::Wrong, false};

    if (static_cast<size_t>(refPos_) < reference_.size())
        input_ += reference_.substr(static_cast<size_t>(refPos_), static_cast<size_t>(drill->referenceStep));
    codePos_ += drill->codeWidth;
    refPos_ += drill->referenceStep;
    ++answered_;
    return {Answer::Right, answered_ == drill->setLength};
}

std::vector<char> CodeDrill::HintKeys() const {
    if (!Loaded()) return {};
    return HintedKeys(expected_, codePos_, HintLength(kind_));
}

std::optional<int> DrillSpeed(PracticeKind kind, std::size_t inputBytes, int rootsAnswered, const DrillTimer& timer) {
    if (kind == kRootDrill) return timer.PerMinute(rootsAnswered);
    const DrillKind* drill = FindDrillKind(kind);
    if (!drill) return std::nullopt;
    return timer.PerMinute(static_cast<std::int64_t>(inputBytes / static_cast<std::size_t>(drill->speedDivisor)));
}

}  // namespace qope
