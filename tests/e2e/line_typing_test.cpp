// The two line-typing windows through the running program: a lesson and an article of
// the test's own written into the install tree, typed as real keys (English) or as the
// characters an input method delivers (Chinese), the counts, the focus and the cells read
// back from the screen.
#include "app/PracticeDlgRes.h"
#include "app/practice_diagnostics.h"
#include "chinese/ArticleTypingDlgRes.h"
#include "common/line_typing_diagnostics.h"
#include "driver/qope_driver.h"
#include "english/EnglishPracticeDlgRes.h"
#include "lookup/RootMapDlgRes.h"

#include <gtest/gtest.h>

namespace {

using e2e::Qope;
using e2e::Window;

constexpr COLORREF kGreen = RGB(0, 255, 0), kRed = RGB(255, 0, 0), kTeal = RGB(0, 192, 192);

// Pixels of `colour` in the cell of character `k` of a typing line, as the screen shows it.
int CellPixels(HWND line, int k, COLORREF colour) {
    const LRESULT at = ::SendMessageW(line, EM_POSFROMCHAR, WPARAM(k), 0);
    if (at == -1) return 0;
    const int x = short(LOWORD(at)), y = short(HIWORD(at));
    const e2e::Capture shot = e2e::CaptureClientOf(line);
    return shot.Count(RECT{x, y, x + 10, y + 16}, colour);
}

class LineTyping : public ::testing::Test {
protected:
    void SetUp() override {
        qope = Qope::Start();
        ASSERT_TRUE(qope);
    }
    Window Open(int command) const { return qope->OpenToolWindow(command); }
    int FocusLine(const Window& w) const { return int(w.Diagnostics(qope::kTypingFocusLine)); }
    std::string Stats(const Window& w, int total, int correct, int errors, int accuracy) const {
        return w.Gbk(total) + " " + w.Gbk(correct) + " " + w.Gbk(errors) + " " + w.Gbk(accuracy);
    }
    std::unique_ptr<Qope> qope;
};

TEST_F(LineTyping, EnglishLessonFromTheFirstKeyToItsEnd) {
    // Nine lines: a page of seven, then one of two.
    e2e::InstalledFileChange lesson(L"基本键位.txt", L"Englishtype");
    lesson.Write("asdf\r\njkl;\r\nasdf\r\njkl;\r\nasdf\r\njkl;\r\nasdf\r\nfdsa\r\nlast\r\n");
    qope->Command(ID_ALL_CODES);  // a drill the window leaves
    const Window w = Open(ID_ENGLISH_PRACTICE);
    ASSERT_TRUE(w);
    EXPECT_EQ(qope->Gbk(IDC_STATUS), "你还没有选择练习内容！");
    EXPECT_EQ(qope->Gbk(IDC_COMPARE_TEXT), "");
    EXPECT_EQ(FocusLine(w), 1);
    EXPECT_EQ(w.Gbk(IDC_EN_ACCURACY), "0");  // nothing typed: 0, not a division by zero

    // Typing before a lesson: the message, and nothing moves.
    qope->TypeKeys(L"a");
    EXPECT_EQ(qope->AnswerMessageBox(), L"对不起！你未选择对照文章，请选择后使用！");
    EXPECT_EQ(FocusLine(w), 1);
    ::SetWindowTextW(w.Item(IDC_EN_TYPING1), L"");

    qope->Click(w.Item(IDC_LESSON_BASIC));
    EXPECT_EQ(w.Gbk(IDC_EN_REFERENCE1), "asdf");
    EXPECT_EQ(FocusLine(w), 1);
    // a s d g against a s d f: 4, 3, 1, 75; complete after four characters, the focus
    // on the next line; the g on red, the others on green.
    qope->TypeKeys(L"asdg");
    EXPECT_EQ(Stats(w, IDC_EN_TOTAL, IDC_EN_CORRECT, IDC_EN_ERRORS, IDC_EN_ACCURACY), "4 3 1 75");
    EXPECT_EQ(FocusLine(w), 2);
    HWND line1 = w.Item(IDC_EN_TYPING1);
    for (int k = 0; k < 3; ++k) {
        EXPECT_GT(CellPixels(line1, k, kGreen), 20) << k;
        EXPECT_EQ(CellPixels(line1, k, kRed), 0) << k;
    }
    EXPECT_GT(CellPixels(line1, 3, kRed), 20);
    EXPECT_EQ(CellPixels(line1, 3, kGreen), 0);

    // Line 2 full: on to line 3; emptied again, back to line 2. Enter closes nothing.
    qope->TypeKeys(L"jkl;");
    EXPECT_EQ(FocusLine(w), 3);
    qope->Key(VK_RETURN);
    EXPECT_TRUE(::IsWindowVisible(w.Handle()));
    EXPECT_EQ(FocusLine(w), 3);
    qope->TypeKeys(L"a");
    qope->Key(VK_BACK);
    EXPECT_EQ(FocusLine(w), 2);

    // The active lesson again: the next page, the totals and the clock go on; the first
    // character there adds exactly 1.
    const long ticks = w.Diagnostics(qope::kTypingTicks);
    qope->Click(w.Item(IDC_LESSON_BASIC));
    EXPECT_EQ(w.Gbk(IDC_EN_REFERENCE1), "fdsa");
    EXPECT_EQ(w.Gbk(IDC_EN_REFERENCE3), "");
    EXPECT_EQ(w.Gbk(IDC_EN_TOTAL), "8");
    EXPECT_GE(w.Diagnostics(qope::kTypingTicks), ticks);
    qope->TypeKeys(L"f");
    EXPECT_EQ(w.Gbk(IDC_EN_TOTAL), "9");
    // Its last page shown, the lesson's button only beeps: the page counts once.
    qope->Click(w.Item(IDC_LESSON_BASIC));
    EXPECT_EQ(w.Gbk(IDC_EN_TOTAL), "9");
    EXPECT_EQ(w.Gbk(IDC_EN_REFERENCE1), "fdsa");
    EXPECT_EQ(w.Text(IDC_EN_TYPING1), L"f");

    // The line of the last reference line complete: the lesson ends and starts again
    // from its first page, everything at 0.
    qope->TypeKeys(L"dsa");
    qope->TypeKeys(L"last");
    EXPECT_EQ(qope->AnswerMessageBox(), L"练习结束,请重新选择练习内容!");
    EXPECT_EQ(w.Gbk(IDC_EN_REFERENCE1), "asdf");
    EXPECT_EQ(Stats(w, IDC_EN_TOTAL, IDC_EN_CORRECT, IDC_EN_ERRORS, IDC_EN_ACCURACY), "0 0 0 0");
    EXPECT_LT(w.Diagnostics(qope::kTypingTicks), 30);

    // Esc closes it; the code field has the focus again.
    qope->Key(VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(w.Handle()); }));
    EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));
}

// Characters as an input method hands them on: one character message each to the line
// that has the focus then (a line that is full hands the focus on).
void Deliver(const Qope& qope, const Window& w, const std::wstring& text) {
    for (wchar_t c : text) {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutW(qope.Focus() ? qope.Focus() : w.Handle(), WM_CHAR, c, 1, SMTO_NORMAL, 1000, &result);
    }
    qope.Settle();
}

std::wstring Repeat(const std::wstring& part, size_t chars) {
    std::wstring out;
    while (out.size() < chars) out += part;
    return out.substr(0, chars);
}

TEST_F(LineTyping, ArticleLinesPagesFreeInputAndTheMaps) {
    // Seven lines of 35 characters and a short last one: a page of five, then one of three.
    const std::wstring line = Repeat(L"春风吹绿了江南的田野，", 35);
    std::wstring article;
    for (int i = 0; i < 7; ++i) article += line + L"\r\n";
    article += L"完。\r\n";
    e2e::InstalledFileChange file(L"小偷和商人.txt", L"freeinput");
    std::string gbk(article.size() * 2, '\0');
    gbk.resize(size_t(::WideCharToMultiByte(936, 0, article.data(), int(article.size()), gbk.data(), int(gbk.size()),
                                            nullptr, nullptr)));
    file.Write(gbk);

    const long usLayouts = qope->Diagnostics(qope::kUsKeyboardRequests);
    const Window w = Open(ID_ARTICLE_TYPING);
    ASSERT_TRUE(w);
    EXPECT_EQ(w.Gbk(IDC_AR_ACCURACY), "0");
    // Before an article: the message, and nothing moves.
    Deliver(*qope, w, L"春");
    EXPECT_EQ(qope->AnswerMessageBox(), L"对不起！你未选择对照文章，请选择后使用！");
    EXPECT_EQ(FocusLine(w), 1);
    ::SetWindowTextW(w.Item(IDC_AR_TYPING1), L"");

    qope->Click(w.Item(IDC_ARTICLE_THIEF));
    EXPECT_EQ(w.Text(IDC_AR_REFERENCE1), line);
    // 35 characters, one wrong: 70 bytes move the focus on.
    Deliver(*qope, w, line.substr(0, 20) + L"秋" + line.substr(21));
    EXPECT_EQ(Stats(w, IDC_AR_TOTAL, IDC_AR_CORRECT, IDC_AR_ERRORS, IDC_AR_ACCURACY), "35 34 1 97.1429");
    EXPECT_EQ(FocusLine(w), 2);
    EXPECT_GT(CellPixels(w.Item(IDC_AR_TYPING1), 20, kRed), 20);
    EXPECT_GT(CellPixels(w.Item(IDC_AR_TYPING1), 19, kGreen), 20);
    // The line can take no more; an emptied line sends the focus back.
    Deliver(*qope, w, L"春");
    qope->Key(VK_BACK);
    EXPECT_EQ(FocusLine(w), 1);
    EXPECT_EQ(w.Text(IDC_AR_TYPING1).size(), 35u);
    // Lines 2 to 4, then line 5: at 70 bytes it turns the page, as it grows to 70.
    ::SetFocus(w.Item(IDC_AR_TYPING2));
    qope->Click(w.Item(IDC_AR_TYPING2));
    Deliver(*qope, w, line + line + line);
    EXPECT_EQ(FocusLine(w), 5);
    Deliver(*qope, w, line.substr(0, 34));
    EXPECT_EQ(w.Diagnostics(qope::kTypingAtEnd), 0);
    Deliver(*qope, w, line.substr(34));
    EXPECT_EQ(w.Text(IDC_AR_REFERENCE4), L"");  // the second page: three lines
    EXPECT_EQ(w.Gbk(IDC_AR_TOTAL), "175");
    EXPECT_EQ(FocusLine(w), 1);
    Deliver(*qope, w, L"春");
    EXPECT_EQ(w.Gbk(IDC_AR_TOTAL), "176");
    // The active article again, on its last page: nothing turns, nothing counts twice.
    const long ticks = w.Diagnostics(qope::kTypingTicks);
    qope->Click(w.Item(IDC_ARTICLE_THIEF));
    EXPECT_EQ(w.Gbk(IDC_AR_TOTAL), "176");
    EXPECT_GE(w.Diagnostics(qope::kTypingTicks), ticks);

    // Free input: blank references, every character on teal, only the total counts.
    qope->Click(w.Item(IDC_AR_FREE_INPUT));
    Deliver(*qope, w, L"自由输入");
    EXPECT_EQ(Stats(w, IDC_AR_TOTAL, IDC_AR_CORRECT, IDC_AR_ERRORS, IDC_AR_ACCURACY), "4 0 0 0");
    EXPECT_GT(CellPixels(w.Item(IDC_AR_TYPING1), 0, kTeal), 20);

    // The 86 map closed with 关闭键盘: the focus on the first line not full; the 98 map
    // closed with Esc leaves it where it was.
    qope->Click(w.Item(IDC_AR_KEYBOARD86));
    const Window map = qope->WaitForWindow(L"显示字根在键盘中的分布                                              谢谢使用");
    ASSERT_TRUE(map);
    qope->Click(map.Item(IDOK));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(map.Handle()); }));
    EXPECT_EQ(FocusLine(w), 1);
    qope->Click(w.Item(IDC_AR_KEYBOARD98));
    const Window map98 = qope->WaitForWindow(L"Dialog");
    ASSERT_TRUE(map98);
    qope->Key(VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(map98.Handle()); }));

    // Enter closes nothing; 结束返回 does, and the US keyboard layout is back.
    ::SetFocus(w.Item(IDC_AR_TYPING1));
    qope->Key(VK_RETURN);
    EXPECT_TRUE(::IsWindowVisible(w.Handle()));
    qope->Click(w.Item(IDOK));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(w.Handle()); }));
    EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));
    EXPECT_EQ(qope->Diagnostics(qope::kUsKeyboardRequests), usLayouts + 1);
}

}  // namespace
