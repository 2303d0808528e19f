#include "english/finger_drill.h"

#include "common/crt_rand.h"
#include "english/FingerExerciseDlgRes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>
#include <string>

namespace {

using qope::FingerDrill;
using qope::FingerVerdict;

// The program's rand() sequence, counting its draws.
struct Draws {
    qope::CrtRand rand;
    int count = 0;
    FingerDrill::Rand Source() {
        return [this] { ++count; return rand.Next(); };
    }
};

// Types the lit character `times` times and returns the characters lit before each.
std::string TypeRight(FingerDrill& drill, int times, const FingerDrill::Rand& rand) {
    std::string lit;
    for (int i = 0; i < times; ++i) {
        const char ch = drill.Target()->character;
        lit += ch;
        EXPECT_EQ(drill.Type(std::string(1, ch), rand), FingerVerdict::Right);
        EXPECT_EQ(drill.Type("", rand), FingerVerdict::None);  // the window empties the input
    }
    return lit;
}

const qope::FingerGroup& Group(int n) { return qope::FingerGroups()[size_t(n - 1)]; }

TEST(FingerDrill, WalksUpAndDownThenNeverLightsAKeyTwiceInARow) {
    Draws draws;
    const auto rand = draws.Source();
    FingerDrill drill;
    drill.Choose(1, rand);
    EXPECT_EQ(drill.LitKey(), IDC_KEY_A);
    EXPECT_EQ(TypeRight(drill, 14, rand), "asdfjkl;lkjfds");
    EXPECT_EQ(drill.Target()->character, 'a');
    EXPECT_EQ(draws.count, 0);  // the walk draws nothing from the shared sequence

    const std::string random = TypeRight(drill, 301, rand);  // the walk's last 'a', then at random
    for (size_t i = 1; i < random.size(); ++i) ASSERT_NE(random[i], random[i - 1]) << i;
    EXPECT_EQ(std::set<char>(random.begin(), random.end()).size(), 8u);
    EXPECT_EQ(drill.Correct(), 315);

    // The key lit is the target's, and a draw equal to the last target is drawn again:
    // 0 and 8 both give the lit 'a' back, 19 gives 'f'.
    FingerDrill scripted;
    std::deque<int> values{0, 8, 19};
    const FingerDrill::Rand next = [&values] { int v = values.front(); values.pop_front(); return v; };
    scripted.Choose(1, next);
    TypeRight(scripted, 14, next);
    EXPECT_EQ(values.size(), 3u);
    TypeRight(scripted, 1, next);
    EXPECT_TRUE(values.empty());
    EXPECT_EQ(scripted.Target()->character, 'f');
    EXPECT_EQ(scripted.LitKey(), IDC_KEY_F);
}

TEST(FingerDrill, ASevenKeyGroupWalksThirteenTargetsThenDrawsModuloSeven) {
    FingerDrill drill;
    std::deque<int> values{7 * 1000 + 3};
    const FingerDrill::Rand next = [&values] { int v = values.front(); values.pop_front(); return v; };
    drill.Choose(9, next);
    const auto& targets = Group(9).targets;
    std::string walk;
    for (int i : {0, 1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1, 0}) walk += targets[size_t(i)].character;
    EXPECT_EQ(TypeRight(drill, 12, next), walk.substr(0, 12));
    EXPECT_EQ(drill.Target()->character, walk.back());
    TypeRight(drill, 1, next);
    EXPECT_EQ(drill.Target(), &targets[3]);
}

TEST(FingerDrill, StatisticsCountEveryJudgedKeyOnce) {
    Draws draws;
    const auto rand = draws.Source();
    FingerDrill drill;
    EXPECT_EQ(drill.AccuracyText(), "0");

    // Before any group: the no-group message, nothing counted, and nothing more judged
    // until its box has closed.
    EXPECT_EQ(drill.Type("a", rand), FingerVerdict::NoGroup);
    EXPECT_EQ(drill.Type("a", rand), FingerVerdict::None);
    drill.MessageClosed();
    EXPECT_EQ(drill.Type("a", rand), FingerVerdict::NoGroup);
    drill.MessageClosed();
    EXPECT_EQ(drill.Total(), 0);
    EXPECT_STREQ(drill.Prompt(), "");
    EXPECT_EQ(drill.LitKey(), 0);

    drill.Choose(1, rand);
    TypeRight(drill, 2, rand);
    EXPECT_EQ(drill.AccuracyText(), "100");
    // Three right, one wrong.
    EXPECT_EQ(drill.Target()->character, 'd');
    EXPECT_EQ(drill.Type("D", rand), FingerVerdict::Wrong);
    // A burst: the keys behind the wrong one, while its box is up, are not judged.
    EXPECT_EQ(drill.Type("x", rand), FingerVerdict::None);
    EXPECT_EQ(drill.Type("d", rand), FingerVerdict::None);
    drill.MessageClosed();
    EXPECT_EQ(drill.Target()->character, 'd');  // the same key stays lit
    EXPECT_EQ(drill.AccuracyText(), "66.6667");
    TypeRight(drill, 1, rand);
    EXPECT_EQ(drill.Total(), 4);
    EXPECT_EQ(drill.Correct(), 3);
    EXPECT_EQ(drill.Errors(), 1);
    EXPECT_EQ(drill.AccuracyText(), "75");
    EXPECT_FLOAT_EQ(drill.Accuracy(), 75.0f);
}

TEST(FingerDrill, CaseMatters) {
    Draws draws;
    const auto rand = draws.Source();
    FingerDrill drill;
    drill.Choose(1, rand);
    TypeRight(drill, 1, rand);
    EXPECT_EQ(drill.LitKey(), IDC_KEY_S);
    EXPECT_EQ(drill.Type("S", rand), FingerVerdict::Wrong);
    EXPECT_EQ(drill.Errors(), 1);
    EXPECT_EQ(drill.LitKey(), IDC_KEY_S);
}

TEST(FingerDrill, AnotherGroupStartsAfreshTheSameGroupOnlyMovesOn) {
    Draws draws;
    const auto rand = draws.Source();
    FingerDrill drill;
    drill.Choose(1, rand);
    TypeRight(drill, 3, rand);
    EXPECT_EQ(drill.Type("x", rand), FingerVerdict::Wrong);
    drill.MessageClosed();

    drill.Choose(2, rand);
    EXPECT_EQ(drill.Group(), 2);
    EXPECT_EQ(drill.Total(), 0);
    EXPECT_EQ(drill.Errors(), 0);
    EXPECT_EQ(drill.LitKey(), IDC_KEY_Q);
    EXPECT_STREQ(drill.KeyList(), "Q W E R U I O P");

    drill.Choose(2, rand);
    EXPECT_EQ(drill.LitKey(), IDC_KEY_W);
    EXPECT_EQ(drill.Total(), 0);
    TypeRight(drill, 1, rand);
    drill.Choose(2, rand);
    EXPECT_EQ(drill.Target()->character, 'r');
    EXPECT_EQ(drill.Correct(), 1);

    drill.Choose(0, rand);   // not a group: nothing changes
    EXPECT_EQ(drill.Group(), 2);
    EXPECT_EQ(qope::FingerGroupOfButton(IDC_FINGER_GROUP10), &Group(10));
    EXPECT_EQ(qope::FingerGroupOfButton(IDC_FINGER_EXIT), nullptr);
}

TEST(FingerGroups, MendedPromptsAndTheWholeKeyboardsOwnBlanks) {
    auto prompt = [](int group, char ch) -> std::string {
        for (const auto& t : Group(group).targets)
            if (t.character == ch) return t.prompt;
        return "(none)";
    };
    // { } : " ? lie under the right little finger; ^'s words in their order.
    EXPECT_EQ(prompt(9, '{'), "请用右小指按 { 键!");
    EXPECT_EQ(prompt(9, '}'), "请用右小指按 } 键!");
    EXPECT_EQ(prompt(9, ':'), "请用右小指按 : 键!");
    EXPECT_EQ(prompt(9, '"'), "请用右小指按 \" 键!");
    EXPECT_EQ(prompt(9, '?'), "请用右小指按?键!");
    EXPECT_EQ(prompt(8, '^'), "请用右食指按 ^ 键!");
    // GBK bytes: 请 C7EB, 用 D3C3.
    EXPECT_EQ(prompt(8, '^').substr(0, 4), "\xC7\xEB\xD3\xC3");

    // Group 10 is groups 1-6 in order, their prompts but for five blanks.
    std::string exceptions;
    size_t i = 0;
    const auto& whole = Group(10).targets;
    for (int g = 1; g <= 6; ++g) {
        for (const auto& t : Group(g).targets) {
            ASSERT_LT(i, whole.size());
            EXPECT_EQ(whole[i].character, t.character);
            EXPECT_EQ(whole[i].key, t.key);
            if (std::string(whole[i].prompt) != t.prompt) exceptions += t.character;
            ++i;
        }
    }
    EXPECT_EQ(i, whole.size());
    EXPECT_EQ(exceptions, "juc.0");
    EXPECT_EQ(prompt(10, 'j'), "请用右食指按J键!");
    EXPECT_EQ(prompt(10, 'u'), "请用右食指按U键!");
    EXPECT_EQ(prompt(10, 'c'), "请用左中指按C键! ");
    EXPECT_EQ(prompt(10, '.'), "请用右无名指按 . 键!");
    EXPECT_EQ(prompt(10, '0'), "请用右小指按0键!");
    EXPECT_EQ(whole.size(), 47u);
}

TEST(FingerGroups, EveryTargetLightsAKeyOfTheKeyboard) {
    std::set<int> keyboard;
#define QOPE_FINGER_KEY(id, base, x, y, w, h, upper, lower) keyboard.insert(id);
#include "english/finger_keys.def"
#undef QOPE_FINGER_KEY
    EXPECT_EQ(keyboard.size(), 62u);
    std::set<int> lit;
    for (const auto& g : qope::FingerGroups())
        for (const auto& t : g.targets) {
            EXPECT_TRUE(keyboard.count(t.key)) << g.number << " " << t.character;
            lit.insert(t.key);
        }
    const auto drillKeys = qope::DrillKeys();
    EXPECT_EQ(std::set<int>(drillKeys.begin(), drillKeys.end()), lit);
    EXPECT_EQ(drillKeys.size(), 47u);
}

}  // namespace
