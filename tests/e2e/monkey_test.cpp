// Random input on the main window: keys typed and posted to the code field, clicks on the
// drill buttons, menu commands (drills, roots, editions, hints, the map), some of them
// while a message box is up, whose modal loop still delivers posted input. Throughout,
// the program lives and shows at most one message box; once the boxes are closed its
// handle census is where it started.
#include "app/PracticeDlgRes.h"
#include "chinese/ArticleTypingDlgRes.h"
#include "chinese/ChineseSpeedTestDlgRes.h"
#include "driver/qope_driver.h"
#include "english/EnglishPracticeDlgRes.h"
#include "english/EnglishSpeedTestDlgRes.h"
#include "english/FingerExerciseDlgRes.h"
#include "english/finger_drill.h"
#include "win/diagnostics.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

namespace {

using e2e::Qope;

constexpr int kSteps = 2500;
constexpr int kToolSteps = 250;  // in each tool window
constexpr int kMenuCommands[] = {
    ID_EDITION_86, ID_EDITION_98, ID_KEY_HINTS_ON, ID_KEY_HINTS_OFF, ID_KEYBOARD_HELP, ID_ALL_ROOTS,
    ID_ZONE_HENG,  ID_ZONE_SHU,   ID_ZONE_PIE,     ID_ZONE_NA,       ID_ZONE_ZHE,      ID_WORD_ROOTS,
    ID_ONE_SIMP,   ID_TWO_SIMP,   ID_THREE_SIMP,   ID_ALL_CODES,     ID_END_STROKE,    ID_TWO_WORDS,
    ID_THREE_WORDS, ID_FOUR_WORDS, ID_MORE_WORDS,
};
constexpr int kButtons[] = {IDC_ALLWORDBOOT, IDC_WORDOFBOOT, IDC_ONESIMPCODE, IDC_ALLOFCODE,
                            IDC_TWOOFWORDS,  IDC_KEYHELPBUTTON};
// Printable keys and Backspace; Enter and Esc close the window by design.
constexpr wchar_t kKeys[] = L"abcdefghijklmnopqrstuvwxyz       ABCZ019;,./'[-=\b\b";

std::array<long, 7> Census(const Qope& qope) {
    std::array<long, 7> census{};
    const unsigned queries[] = {win::kLiveGdiObjects, win::kLiveMemoryDCs, win::kLiveWindowDCs, win::kLiveIcons,
                                win::kLiveCursors,    win::kLiveMenus,     win::kThreadWindows};
    for (size_t i = 0; i < census.size(); ++i) census[i] = qope.Diagnostics(queries[i]);
    return census;
}

// Closes every message box, one at a time, until none is left.
void CloseBoxes(const Qope& qope) {
    for (int i = 0; i < 100 && qope.CountDialogs(L"Qope") > 0; ++i) qope.AnswerMessageBox();
}

TEST(Monkey, RandomInputKeepsOneBoxAtMostAndLeavesNoHandles) {
    auto qope = Qope::Start();
    ASSERT_TRUE(qope);
    // The census with a code drill loaded (which releases root pictures), 86, title shown.
    qope->Command(ID_ALL_CODES);
    const std::array<long, 7> before = Census(*qope);

    std::mt19937 random(20261208);  // fixed: every run takes the same path
    HWND field = qope->Item(IDC_CODE_EDIT);
    int mostBoxes = 0, boxesSeen = 0;
    auto randomKey = [&] { return kKeys[random() % (std::size(kKeys) - 1)]; };
    for (int step = 0; step < kSteps; ++step) {
        const int roll = int(random() % 1000);
        if (roll < 600) {
            ::PostMessageW(field, WM_CHAR, randomKey(), 1);
        } else if (roll < 680) {
            // Real keys go to the focus: the code field, or a box that is up (Space closes it).
            std::wstring keys;
            for (int i = 0; i < 4; ++i) keys += randomKey();
            qope->TypeKeys(keys);
        } else if (roll < 940) {
            qope->PostCommand(kMenuCommands[random() % std::size(kMenuCommands)]);
        } else if (roll < 955) {
            if (qope->CountDialogs(L"Qope") == 0) qope->Click(qope->Item(kButtons[random() % std::size(kButtons)]));
        } else {
            qope->Settle();
            if (qope->CountDialogs(L"Qope") > 0) {
                ++boxesSeen;
                qope->AnswerMessageBox();
            }
        }
        if (step % 50 == 49) {
            qope->Settle();
            ASSERT_TRUE(qope->Running()) << "the program ended at step " << step;
            const int boxes = qope->CountDialogs(L"Qope");
            mostBoxes = std::max(mostBoxes, boxes);
            ASSERT_LE(boxes, 1) << "at step " << step;
            ASSERT_LE(qope->Diagnostics(win::kOpenMessageBoxes), 1);
        }
    }
    qope->Settle();
    ASSERT_TRUE(qope->Running());
    CloseBoxes(*qope);
    qope->Command(ID_EDITION_86);
    qope->Command(ID_ALL_CODES);
    CloseBoxes(*qope);
    EXPECT_EQ(Census(*qope), before);
    std::printf("monkey: %d steps, %d boxes answered, at most %d open at once\n", kSteps, boxesSeen, mostBoxes);
}

// A tool window of the main window, walked the same way: its buttons clicked, keys and
// characters sent to whatever has the focus, boxes answered; then it is closed as a
// learner closes it, and the census is where it was before it opened.
struct ToolWindow {
    const char* name;
    int command;                  // the menu item or the button that opens it
    std::vector<int> buttons;     // what a learner clicks in it
    std::wstring characters;      // what reaches its fields as character messages
    int exit;                     // the button that closes it
};

std::vector<int> FingerGroupButtons() {
    std::vector<int> ids;
    for (const qope::FingerGroup& group : qope::FingerGroups()) ids.push_back(group.button);
    return ids;
}

TEST(Monkey, ToolWindowsTakeRandomInputAndLeaveNoHandles) {
    const ToolWindow windows[] = {
        {"English practice", ID_ENGLISH_PRACTICE,
         {IDC_LESSON_BASIC, IDC_LESSON_DIGITS, IDC_LESSON_CASE, IDC_LESSON_COOK, IDC_LESSON_AUSTRALIA,
          IDC_EN_TYPING1, IDC_EN_TYPING4, IDC_EN_TYPING7},
         L"asdfjkl; ASDF\b\b\b\r\t", IDOK},
        {"article typing", ID_ARTICLE_TYPING,
         {IDC_ARTICLE_THIEF, IDC_ARTICLE_PETREL, IDC_ARTICLE_PRINTING, IDC_AR_FREE_INPUT, IDC_AR_TYPING1,
          IDC_AR_TYPING5},
         L"的一是在不了有和人这中大为上个国我以要他，。\b\ba1 \r", IDOK},
        {"English speed test", IDC_ENGLISHTESTBUTTON,
         {IDC_ES_LEVEL1, IDC_ES_LEVEL3, IDC_ES_LEVEL5, IDC_ES_LOWER, IDC_ES_UPPER, IDC_ES_MIXED, IDC_ES_ALL},
         L"asdfjklpAQZ1;[ \b\r\t", IDC_ES_RETURN},
        {"Chinese speed test", IDC_CHINESETESTBUTTON,
         {IDC_CS_ONE_SIMP, IDC_CS_TWO_SIMP, IDC_CS_ALL_CODES, IDC_CS_TWO_WORDS, IDC_CS_MORE_WORDS, IDC_CS_LEVEL1,
          IDC_CS_LEVEL4, IDC_CS_LEVEL6, IDC_CS_EDITION86, IDC_CS_EDITION98, IDC_CS_CODE},
         L"qwertyuiopasdfghjkxcvbnm Z9\b\b\r", IDC_CS_RETURN},
        {"finger exercise", ID_FINGER_EXERCISE, FingerGroupButtons(), L"asdfjkl;qweruiop ASDF{}:\"?!1`\\\b\r\t",
         IDC_FINGER_EXIT},
    };
    auto qope = Qope::Start();
    ASSERT_TRUE(qope);
    const std::array<long, 7> before = Census(*qope);
    std::mt19937 random(20261208);
    for (const ToolWindow& tool : windows) {
        SCOPED_TRACE(tool.name);
        qope->PostCommand(tool.command);
        HWND window = nullptr;
        ASSERT_TRUE(e2e::WaitUntil([&] { return (window = qope->FindDialog()) != nullptr; }));
        const e2e::Window w(window);
        for (int step = 0; step < kToolSteps; ++step) {
            const int roll = int(random() % 100);
            HWND focus = qope->Focus();
            if (roll < 70) {
                const wchar_t c = tool.characters[random() % tool.characters.size()];
                ::PostMessageW(focus ? focus : window, WM_CHAR, c, 1);
            } else if (roll < 85) {
                if (qope->CountDialogs(L"Qope") == 0) qope->Click(w.Item(tool.buttons[random() % tool.buttons.size()]));
            } else {
                qope->Settle();
                if (qope->CountDialogs(L"Qope") > 0) qope->AnswerMessageBox();
            }
            if (step % 50 == 49) {
                qope->Settle();
                ASSERT_TRUE(qope->Running()) << "the program ended at step " << step;
                ASSERT_LE(qope->CountDialogs(L"Qope"), 1) << "at step " << step;
                ASSERT_TRUE(::IsWindow(window)) << "the window closed at step " << step;
            }
        }
        qope->Settle();
        CloseBoxes(*qope);
        w.Command(tool.exit);
        ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(window); }));
        qope->Settle();
    }
    EXPECT_EQ(Census(*qope), before);
}

}  // namespace
