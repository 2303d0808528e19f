#include "app/ToolWindows.h"

#include "app/PracticeDlgRes.h"
#include "chinese/ArticleTypingDlg.h"
#include "chinese/ChineseSpeedTestDlg.h"
#include "english/EnglishPracticeDlg.h"
#include "english/EnglishSpeedTestDlg.h"
#include "english/FingerExerciseDlg.h"
#include "lookup/DictionaryDlg.h"

namespace {

template <class Window>
std::unique_ptr<win::Dialog> Make(qope::Session&) {
    return std::make_unique<Window>();
}

// The speed tests draw their items from the run's one rand() sequence.
template <class Window>
std::unique_ptr<win::Dialog> MakeWithSession(qope::Session& session) {
    return std::make_unique<Window>(session);
}

const ToolWindow kToolWindows[] = {
    {IDC_MYENGLISHTYPEDLG, ID_ENGLISH_PRACTICE, true, false, Make<CEnglishPracticeDlg>},
    // Draws its random keys from the run's one rand() sequence.
    {IDC_HANDEXERCISE, ID_FINGER_EXERCISE, true, false,
     [](qope::Session& session) -> std::unique_ptr<win::Dialog> { return std::make_unique<CFingerExerciseDlg>(session); }},
    {IDC_INPUTTEST, ID_ARTICLE_TYPING, true, true, Make<CArticleTypingDlg>},
    // The dictionary searches the 86 list whatever the edition.
    {IDC_STUDYZBUTTON, ID_DICTIONARY, false, false, Make<CDictionaryDlg>},
    {IDC_ENGLISHTESTBUTTON, 0, false, false, MakeWithSession<CEnglishSpeedTestDlg>},
    {IDC_CHINESETESTBUTTON, 0, false, false, MakeWithSession<CChineseSpeedTestDlg>},
};

}  // namespace

std::span<const ToolWindow> ToolWindows() { return kToolWindows; }

const ToolWindow* ToolWindowOf(int command) {
    for (const ToolWindow& tool : kToolWindows)
        if (command != 0 && (tool.button == command || tool.menu == command)) return &tool;
    return nullptr;
}
