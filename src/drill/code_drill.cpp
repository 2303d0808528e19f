#include "drill/drill_engine.h"

#include "common/crt_rand.h"
#include "roots/root_catalogue.h"

namespace qope {

namespace {

const DrillKind kDrillKinds[] = {
#define QOPE_DRILL_KIND(kind, button, menu, status, codeWidth, setLength, referenceStep, speedDivisor) \
    {kind, status, codeWidth, setLength, referenceStep, speedDivisor},
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

void DrillEngine::AbandonSet() {
    m_strStatus = kNoDrillStatus;
    m_strExpectedCode.clear();
}

void DrillEngine::StartCodeSet(int kind) {
    const DrillKind* drill = FindDrillKind(kind);
    if (!drill) return;
    m_strStatus = drill->status;
    ReleaseRootPictures();
    FocusCodeEdit();
    DefaultBeep();
    ResetBars();
    m_nPracticeKind = kind;
    m_strInput.clear();
    m_strComparison.clear();
    m_strCode.clear();
    m_nCodePos = m_nRefPos = m_nAnswered = m_nStartIndex = m_nDrillTicks = 0;

    const CodeTableFile* table = FindCodeTable(kind, m_nEdition);
    if (!table) {
        // Only the 86 edition has this drill. No set stays loaded, so typing meets the
        // "no reference" message instead of the codes of the set before.
        m_strCompare.clear();
        m_strInput.clear();
        m_strExpectedCode.clear();
        m_strReference.clear();
        PushMembers();
        ShowMessage(kOnly86Message, false);
        return;
    }

    const int start = ChooseStartIndex(LocalSeconds(), ProgramRand().Next(), table->starts);
    CodeTable set;
    if (!ReadCodeTable(*table, start, set)) {
        // A missing or damaged file: the learner was told which; no set is loaded.
        m_strCompare.clear();
        m_strReference.clear();
        m_strExpectedCode.clear();
        PushMembers();
        return;
    }
    m_nStartIndex = start;
    m_strCompare = m_strReference = set.items;
    m_strExpectedCode.clear();
    PushMembers();
    m_strExpectedCode = set.codes;
    if (m_bKeyHints == 1) DrawKeyHint();
}

void DrillEngine::CheckTypedCode() {
    ReadMembers();
    if (m_strExpectedCode.empty()) {
        ShowMessage(kNoReferenceMessage, true);
        m_strCode.clear();
        PushMembers();
        return;
    }
    if (m_nPracticeKind == kRootDrill) {
        CheckRootAnswer();
        return;
    }
    const DrillKind* drill = FindDrillKind(m_nPracticeKind);
    if (!drill) return;
    if (m_nAnswered == drill->setLength) {
        StartCodeSet(m_nPracticeKind);
        return;
    }
    if (static_cast<int>(m_strCode.size()) != drill->codeWidth) return;

    m_strComparison = m_strExpectedCode.substr(static_cast<size_t>(m_nCodePos), static_cast<size_t>(drill->codeWidth));
    if (m_strComparison == m_strCode) {
        m_strInput += m_strReference.substr(static_cast<size_t>(m_nRefPos), static_cast<size_t>(drill->referenceStep));
        m_strComparison.clear();
        m_strCode.clear();
        StepCorrectBar();
        PushMembers();
        m_nCodePos += drill->codeWidth;
        m_nRefPos += drill->referenceStep;
        ++m_nAnswered;
        if (m_bKeyHints == 1) DrawKeyHint();
    } else {
        m_strComparison.clear();
        m_strCode.clear();
        PushMembers();
        StepErrorBar();
        PlayWrongAnswerSound();
    }
    if (m_nAnswered == drill->setLength) StartCodeSet(m_nPracticeKind);
}

void DrillEngine::DrillTick() {
    const int t = ++m_nDrillTicks;
    const int bytes = static_cast<int>(m_strInput.size());
    if (m_nPracticeKind == kRootDrill) {
        m_nSpeed = m_nAnswered * 600 / t;
    } else if (const DrillKind* drill = FindDrillKind(m_nPracticeKind)) {
        m_nSpeed = (bytes / drill->speedDivisor) * 600 / t;
    }
    m_nTypingSecs = t * 100 / 1000;
}

}  // namespace qope

namespace qope {

void DrillEngine::StartRootBatch(int rootKind) {
    const RootDrill* drill = FindRootDrill(rootKind);
    if (!drill) return;
    m_nRootDrillKind = rootKind;
    FocusCodeEdit();
    DefaultBeep();
    ResetBars();
    m_nPracticeKind = kRootDrill;
    m_strCompare = m_strInput = " ";
    m_strCode.clear();
    m_strExpectedCode.clear();
    m_strComparison.clear();
    m_strReference.clear();
    m_nAnswered = m_nCodePos = m_nRefPos = m_nCurrentRoot = m_nDrillTicks = 0;
    m_strStatus = drill->status;

    const RootRule* rule = FindRootRule(rootKind, m_nEdition);
    if (!rule) return;  // an edition without a catalogue: no pictures, no answers
    LoadRootPictures(m_nEdition);
    DrawRootStrip();
    m_nRootStart = m_nCurrentRoot = rule->Start(LocalSeconds(), ProgramRand().Next());
    const std::vector<int> indices = BatchIndices(*rule, m_nRootStart);
    for (int i = 0; i < kRootBatch; ++i) {
        DrawRootPicture(indices[size_t(i)], kRowX + kRowPitch * i, kQuestionY);
        m_strExpectedCode += RootKey(m_nEdition, indices[size_t(i)]);
    }
    if (m_bKeyHints == 1) DrawKeyHint();
    PushMembers();
}

void DrillEngine::CheckRootAnswer() {
    if (m_nAnswered == kRootBatch) {
        StartRootBatch(m_nRootDrillKind);
        return;
    }
    if (m_strCode.size() != 1) return;
    const RootRule* rule = FindRootRule(m_nRootDrillKind, m_nEdition);
    if (!rule || m_nCodePos >= static_cast<int>(m_strExpectedCode.size())) return;
    m_strComparison = std::string() + m_strExpectedCode[static_cast<size_t>(m_nCodePos)];
    if (m_strComparison != m_strCode) {
        StepErrorBar();
        m_strComparison.clear();
        m_strCode.clear();
        PushMembers();
        PlayWrongAnswerSound();
        return;
    }
    DrawRootPicture(m_nCurrentRoot, kRowX + kRowPitch * m_nAnswered, kAnswerY);
    m_nCurrentRoot = rule->Next(m_nCurrentRoot);
    m_strComparison.clear();
    m_strCode.clear();
    PushMembers();
    StepCorrectBar();
    m_nCodePos += 1;
    m_nRefPos += 2;
    m_nAnswered += 1;
    if (m_bKeyHints == 1) DrawKeyHint();
    if (m_nAnswered == kRootBatch) StartRootBatch(m_nRootDrillKind);
}

void DrillEngine::RedrawRootRows() {
    if (m_nPracticeKind != kRootDrill || m_strExpectedCode.empty() || !RootPicturesLoaded(m_nEdition)) return;
    const RootRule* rule = FindRootRule(m_nRootDrillKind, m_nEdition);
    if (!rule) return;
    const std::vector<int> indices = BatchIndices(*rule, m_nRootStart);
    for (int i = 0; i < kRootBatch; ++i) DrawRootPicture(indices[size_t(i)], kRowX + kRowPitch * i, kQuestionY);
    for (int i = 0; i < m_nAnswered && i < kRootBatch; ++i)
        DrawRootPicture(indices[size_t(i)], kRowX + kRowPitch * i, kAnswerY);
}

}  // namespace qope
