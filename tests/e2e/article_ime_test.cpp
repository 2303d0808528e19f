// An article line typed through the session's real Wubi input method (IBus), code by code
// as a learner types it, into the article window of the running program: what the line
// receives, the cells, the counts, the focus moving on at 70 bytes.
#include "app/PracticeDlgRes.h"
#include "chinese/ArticleTypingDlgRes.h"
#include "common/line_typing_diagnostics.h"
#include "driver/ime_keyboard.h"
#include "driver/qope_driver.h"

#include <gtest/gtest.h>

namespace {

TEST(ArticleThroughTheInputMethod, ALineTypedCodeByCode) {
    e2e::ImeKeyboard ime;
    ASSERT_EQ(ime.Problem(), L"");
    auto qope = e2e::Qope::Start();
    ASSERT_TRUE(qope);
    const e2e::Window w = qope->OpenToolWindow(ID_ARTICLE_TYPING);
    ASSERT_TRUE(w);
    qope->Click(w.Item(IDC_ARTICLE_THIEF));
    const std::wstring line = w.Text(IDC_AR_REFERENCE1);
    ASSERT_EQ(line.size(), 35u);

    // The line with its sixth character typed wrong: another character by its own code.
    std::wstring typed = line;
    typed[5] = typed[5] == L'人' ? L'大' : L'人';
    HWND first = w.Item(IDC_AR_TYPING1);
    ASSERT_TRUE(ime.TypeText(first, typed)) << ime.Problem();
    EXPECT_EQ(w.Text(IDC_AR_TYPING1), typed);
    EXPECT_EQ(w.Gbk(IDC_AR_TOTAL) + " " + w.Gbk(IDC_AR_CORRECT) + " " + w.Gbk(IDC_AR_ERRORS) + " " +
                  w.Gbk(IDC_AR_ACCURACY),
              "35 34 1 97.1429");
    // 70 bytes: the focus moved on as the last character landed; the next line takes the
    // following characters.
    EXPECT_EQ(w.Diagnostics(qope::kTypingFocusLine), 2);
    const std::wstring second = w.Text(IDC_AR_REFERENCE2).substr(0, 3);
    ASSERT_TRUE(ime.TypeText(w.Item(IDC_AR_TYPING2), second)) << ime.Problem();
    EXPECT_EQ(w.Gbk(IDC_AR_TOTAL), "38");
    EXPECT_EQ(w.Gbk(IDC_AR_CORRECT), "37");
    // A letter that passes the input method by is refused with the advice to switch it on.
    qope->Type(L"a");
    EXPECT_NE(qope->AnswerMessageBox().find(L"你没有启动汉字输入法"), std::wstring::npos);
    EXPECT_EQ(w.Text(IDC_AR_TYPING2), second);
    w.Command(IDOK);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(w.Handle()); }));
}

}  // namespace
