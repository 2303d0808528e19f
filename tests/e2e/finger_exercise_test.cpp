// The finger exercise through the running program: real keys typed into its hidden input,
// the lit key read as the one key button enabled, the statistics as the window shows them.
#include "app/PracticeDlgRes.h"
#include "driver/qope_driver.h"
#include "english/FingerExerciseDlgRes.h"
#include "english/finger_diagnostics.h"
#include "english/finger_drill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using e2e::Qope;
using e2e::Window;

constexpr int kKeyIds[] = {
#define QOPE_FINGER_KEY(id, base, x, y, width, height, upper, lower) id,
#include "english/finger_keys.def"
#undef QOPE_FINGER_KEY
};

const qope::FingerGroup& Group(int n) { return qope::FingerGroups()[size_t(n - 1)]; }

class FingerExercise : public ::testing::Test {
protected:
    void SetUp() override {
        qope = Qope::Start();
        ASSERT_TRUE(qope);
    }
    Window Open(int command) const { return qope->OpenToolWindow(command); }
    // The one key button enabled (lit); 0 when none is, -1 when more than one.
    int LitKey(const Window& w) const {
        int lit = 0;
        for (int id : kKeyIds)
            if (::IsWindowEnabled(w.Item(id))) lit = lit == 0 ? id : -1;
        return lit;
    }
    // The character of group `group` whose key is lit.
    wchar_t LitCharacter(const Window& w, int group) const {
        for (const qope::FingerTarget& t : Group(group).targets)
            if (t.key == LitKey(w)) return wchar_t(t.character);
        return L'?';
    }
    // Types the lit key `times` times; the keys lit before each, as their characters.
    std::string TypeLit(const Window& w, int group, int times) const {
        std::string lit;
        for (int i = 0; i < times; ++i) {
            const wchar_t c = LitCharacter(w, group);
            lit += char(c);
            qope->TypeKeys(std::wstring(1, c));
        }
        return lit;
    }
    std::string Stats(const Window& w) const {
        return w.Gbk(IDC_FINGER_TOTAL) + " " + w.Gbk(IDC_FINGER_CORRECT) + " " + w.Gbk(IDC_FINGER_ERRORS) + " " +
               w.Gbk(IDC_FINGER_ACCURACY);
    }
    bool Focused(const Window& w, int id) const { return qope->Focus() == w.Item(id); }
    std::unique_ptr<Qope> qope;
};

TEST_F(FingerExercise, GroupsSweepsJudgingAndClosing) {
    qope->Command(ID_ALL_CODES);  // a drill the window leaves
    const Window w = Open(ID_FINGER_EXERCISE);
    ASSERT_TRUE(w);
    EXPECT_EQ(qope->Gbk(IDC_STATUS), "你还没有选择练习内容！");
    EXPECT_EQ(LitKey(w), 0);  // the whole keyboard grey
    EXPECT_TRUE(Focused(w, IDC_FINGER_INPUT));
    EXPECT_EQ(Stats(w), "0 0 0 0");
    // The ampersand of group 7 shows as itself.
    EXPECT_EQ(w.Text(IDC_FINGER_GROUP7), L"!@#$&&*( )");

    // Before a group: the message, nothing counted.
    qope->TypeKeys(L"a");
    EXPECT_EQ(qope->AnswerMessageBox(), L"对不起,你没有选择要练习的键位,\n\n请选择后使用!");
    EXPECT_EQ(Stats(w), "0 0 0 0");
    EXPECT_EQ(w.Diagnostics(qope::kFingerSorrySounds), 0);
    EXPECT_EQ(LitKey(w), 0);

    // The home row up and down, then at random, never the same key twice in a row.
    qope->Click(w.Item(IDC_FINGER_GROUP1));
    EXPECT_TRUE(Focused(w, IDC_FINGER_INPUT));
    EXPECT_EQ(w.Gbk(IDC_FINGER_KEY_LIST), "A S D F J K L ;");
    EXPECT_EQ(w.Gbk(IDC_FINGER_PROMPT), "请用左小指按A键!");
    EXPECT_EQ(TypeLit(w, 1, 15), "asdfjkl;lkjfdsa");
    const std::string random = TypeLit(w, 1, 25);
    for (size_t i = 1; i < random.size(); ++i) EXPECT_NE(random[i], random[i - 1]) << random;
    EXPECT_EQ(random.find_first_not_of("asdfjkl;"), std::string::npos) << random;
    EXPECT_EQ(Stats(w), "40 40 0 100");

    // Another group starts afresh at Q; the same group again moves on, counting nothing.
    qope->Click(w.Item(IDC_FINGER_GROUP2));
    EXPECT_EQ(Stats(w), "0 0 0 0");
    EXPECT_EQ(LitKey(w), IDC_KEY_Q);
    EXPECT_EQ(w.Gbk(IDC_FINGER_KEY_LIST), "Q W E R U I O P");
    qope->Click(w.Item(IDC_FINGER_GROUP2));
    EXPECT_EQ(LitKey(w), IDC_KEY_W);
    EXPECT_EQ(Stats(w), "0 0 0 0");

    // Case matters: S where s is lit is an error, with the sound and one message, however
    // many keys come while it is up.
    qope->Click(w.Item(IDC_FINGER_GROUP1));
    qope->TypeKeys(L"aS");
    ASSERT_TRUE(qope->WaitForDialog(L"Qope"));
    ::PostMessageW(w.Item(IDC_FINGER_INPUT), WM_CHAR, L'x', 1);
    ::PostMessageW(w.Item(IDC_FINGER_INPUT), WM_CHAR, L's', 1);
    qope->Settle();
    EXPECT_EQ(qope->CountDialogs(L"Qope"), 1);
    EXPECT_EQ(qope->AnswerMessageBox(), L"对不起!按键错误，\n\n请按空格键或回车键重来!");
    EXPECT_EQ(qope->CountDialogs(L"Qope"), 0);
    EXPECT_EQ(LitKey(w), IDC_KEY_S);
    EXPECT_EQ(Stats(w), "2 1 1 50");
    EXPECT_EQ(w.Diagnostics(qope::kFingerSorrySounds), 1);
    EXPECT_TRUE(Focused(w, IDC_FINGER_INPUT));
    qope->TypeKeys(L"sd");
    EXPECT_EQ(Stats(w), "4 3 1 75");

    // A click on the lit key only takes the focus: typing then does nothing until a group
    // button is pressed again.
    qope->Click(w.Item(IDC_KEY_F));
    EXPECT_TRUE(Focused(w, IDC_KEY_F));
    qope->TypeKeys(L"fx");
    EXPECT_EQ(qope->CountDialogs(L"Qope"), 0);
    EXPECT_EQ(Stats(w), "4 3 1 75");
    EXPECT_EQ(LitKey(w), IDC_KEY_F);
    qope->Click(w.Item(IDC_FINGER_GROUP1));
    EXPECT_TRUE(Focused(w, IDC_FINGER_INPUT));
    EXPECT_EQ(LitKey(w), IDC_KEY_J);
    EXPECT_EQ(Stats(w), "4 3 1 75");

    // Enter closes nothing and leaves the focus where it is.
    qope->Key(VK_RETURN);
    EXPECT_TRUE(::IsWindowVisible(w.Handle()));
    EXPECT_TRUE(Focused(w, IDC_FINGER_INPUT));
    EXPECT_EQ(Stats(w), "4 3 1 75");

    // Seven shifted keys, walked 0 1 2 3 4 5 6 5 4 3 2 1 0 on their unshifted keys.
    qope->Click(w.Item(IDC_FINGER_GROUP9));
    std::string sweep;
    for (int i : {0, 1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1, 0}) sweep += Group(9).targets[size_t(i)].character;
    EXPECT_EQ(TypeLit(w, 9, 13), sweep);
    EXPECT_EQ(Stats(w), "13 13 0 100");

    // The hand over the group buttons and the exit; the exit ends the window, and the
    // code field has the focus again.
    qope->PointAt(w.Item(IDC_FINGER_GROUP10));
    EXPECT_TRUE(qope->ShowsHandCursor());
    qope->PointAt(w.Item(IDC_FINGER_EXIT));
    EXPECT_TRUE(qope->ShowsHandCursor());
    qope->Click(w.Item(IDC_FINGER_EXIT));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(w.Handle()); }));
    EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));

    // The main window's button opens it too; Esc closes it.
    qope->Click(qope->Item(IDC_HANDEXERCISE));
    const Window again(qope->WaitForDialog());
    ASSERT_TRUE(again);
    qope->Settle();
    EXPECT_EQ(LitKey(again), 0);
    qope->Key(VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(again.Handle()); }));
    EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));
}

}  // namespace
