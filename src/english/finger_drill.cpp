#include "english/finger_drill.h"

#include "english/FingerExerciseDlgRes.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

namespace qope {

const char* const kFingerNoGroupMessage = "对不起,你没有选择要练习的键位,\n\n请选择后使用!";
const char* const kFingerWrongKeyMessage = "对不起!按键错误，\n\n请按空格键或回车键重来!";

namespace {

constexpr int kGroupCount = 10;
// Group 10 drills the targets of groups 1 to 6: every key of the keyboard that a
// character is typed on unshifted.
constexpr int kWholeKeyboardGroup = 10;
constexpr int kLastSingleKeyGroup = 6;

struct GroupRow {
    int number;
    int button;
    const char* caption;
    const char* token;
    const char* keyList;
};

struct TargetRow {
    int group;
    FingerTarget target;
};

struct PromptRow {
    char character;
    const char* prompt;
};

#define QOPE_FINGER_TARGET(group, character, key, prompt)
#define QOPE_FINGER_WHOLE_KEYBOARD_PROMPT(character, prompt)
#define QOPE_FINGER_GROUP(number, button, x, y, caption, token, keyList) {number, button, caption, token, keyList},
constexpr GroupRow kGroupRows[] = {
#include "english/finger_groups.def"
};
#undef QOPE_FINGER_GROUP
#undef QOPE_FINGER_TARGET
#define QOPE_FINGER_GROUP(number, button, x, y, caption, token, keyList)
#define QOPE_FINGER_TARGET(group, character, key, prompt) {group, {character, key, prompt}},
constexpr TargetRow kTargetRows[] = {
#include "english/finger_groups.def"
};
#undef QOPE_FINGER_TARGET
#undef QOPE_FINGER_WHOLE_KEYBOARD_PROMPT
#define QOPE_FINGER_TARGET(group, character, key, prompt)
#define QOPE_FINGER_WHOLE_KEYBOARD_PROMPT(character, prompt) {character, prompt},
constexpr PromptRow kWholeKeyboardPrompts[] = {
#include "english/finger_groups.def"
};
#undef QOPE_FINGER_GROUP
#undef QOPE_FINGER_TARGET
#undef QOPE_FINGER_WHOLE_KEYBOARD_PROMPT

static_assert(std::size(kGroupRows) == kGroupCount);

// The groups with their target lists, made once from the rows above.
struct Tables {
    std::array<std::vector<FingerTarget>, kGroupCount> targets;
    std::array<FingerGroup, kGroupCount> groups{};
    std::vector<int> drillKeys;

    Tables() {
        for (const TargetRow& row : kTargetRows) targets[size_t(row.group - 1)].push_back(row.target);
        auto& whole = targets[kWholeKeyboardGroup - 1];
        for (int g = 1; g <= kLastSingleKeyGroup; ++g) {
            for (FingerTarget t : targets[size_t(g - 1)]) {
                for (const PromptRow& p : kWholeKeyboardPrompts)
                    if (p.character == t.character) t.prompt = p.prompt;
                whole.push_back(t);
                if (std::find(drillKeys.begin(), drillKeys.end(), t.key) == drillKeys.end())
                    drillKeys.push_back(t.key);
            }
        }
        for (size_t i = 0; i < groups.size(); ++i) {
            const GroupRow& r = kGroupRows[i];
            groups[i] = {r.number, r.button, r.caption, r.token, r.keyList, targets[i]};
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

}  // namespace

std::span<const FingerGroup> FingerGroups() { return tables().groups; }

const FingerGroup* FingerGroupOfButton(int button) {
    for (const FingerGroup& g : FingerGroups())
        if (g.button == button) return &g;
    return nullptr;
}

std::span<const int> DrillKeys() { return tables().drillKeys; }

void FingerDrill::Choose(int group, const Rand& rand) {
    if (group < 1 || group > kGroupCount) return;
    const FingerGroup& chosen = FingerGroups()[size_t(group - 1)];
    m_nGroup = group;
    if (m_group == nullptr || std::strcmp(m_group->token, chosen.token) != 0) {
        m_group = &chosen;
        m_nSteps = 0;
        m_nSweep = -1;
        m_nTarget = -1;
        m_nCorrect = 0;
        m_nErrors = 0;
    }
    NextTarget(rand);
}

void FingerDrill::NextTarget(const Rand& rand) {
    const int n = static_cast<int>(m_group->targets.size());
    if (m_nSteps < n) {
        ++m_nSteps;
        ++m_nSweep;
        ++m_nTarget;
    } else if (m_nSweep > 0) {
        m_nTarget = --m_nSweep;
    } else if (n > 1) {
        const int previous = m_nTarget;
        do m_nTarget = rand() % n;
        while (m_nTarget == previous);
    }
}

FingerVerdict FingerDrill::Type(std::string_view typed, const Rand& rand) {
    if (typed.empty() || m_bMessageUp) return FingerVerdict::None;
    if (m_group == nullptr) {
        m_bMessageUp = true;
        return FingerVerdict::NoGroup;
    }
    if (typed != std::string_view(&Target()->character, 1)) {
        ++m_nErrors;
        m_bMessageUp = true;
        return FingerVerdict::Wrong;
    }
    ++m_nCorrect;
    NextTarget(rand);
    return FingerVerdict::Right;
}

const FingerTarget* FingerDrill::Target() const {
    return m_group ? &m_group->targets[size_t(m_nTarget)] : nullptr;
}

int FingerDrill::LitKey() const { return m_group ? Target()->key : 0; }

const char* FingerDrill::Prompt() const { return m_group ? Target()->prompt : ""; }

const char* FingerDrill::KeyList() const { return m_group ? m_group->keyList : ""; }

float FingerDrill::Accuracy() const {
    const int total = Total();
    return total == 0 ? 0.0f : static_cast<float>(m_nCorrect) / static_cast<float>(total) * 100.0f;
}

std::string FingerDrill::AccuracyText() const {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", static_cast<double>(Accuracy()));
    return text;
}

}  // namespace qope
