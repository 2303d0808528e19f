// The dictionary through the running program: patterns typed as real keys, the listed
// entries checked against the installed files, the messages, the filter, the 98 edition,
// and a code list of the test's own with z stored where no pattern puts one.
#include "app/PracticeDlgRes.h"
#include "driver/qope_driver.h"
#include "lookup/DictionaryDlgRes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using e2e::Qope;

const wchar_t kCaption[] = L"字典查询                                    谢谢使用！";

std::string Installed(const char* file) {
    std::ifstream in(std::string("C:\\Program Files\\zel\\qope\\selectfiles\\") + file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// What the dictionary should list for `pattern`, worked out from the raw files here.
std::wstring Expected(const std::string& pattern) {
    const std::string codes = Installed("AllCodeen.txt"), chars = Installed("AllCodech.txt");
    std::string text;
    int onLine = 0;
    for (size_t i = 0; i < 7300 && 6 * i + 6 <= codes.size(); ++i) {
        bool match = true;
        for (size_t k = 0; k < 4; ++k) match &= pattern[k] == 'z' || pattern[k] == codes[6 * i + k];
        if (!match) continue;
        text += chars.substr(4 * i, 2) + codes.substr(6 * i, 4) + " ";
        if (++onLine == 5) {
            text += "\r\n";
            onLine = 0;
        }
    }
    const int n = ::MultiByteToWideChar(936, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    ::MultiByteToWideChar(936, 0, text.data(), int(text.size()), wide.data(), n);
    return wide;
}

class Dictionary : public ::testing::Test {
protected:
    void SetUp() override {
        qope = Qope::Start();
        ASSERT_TRUE(qope);
    }
    HWND Open() {
        qope->PostCommand(IDC_STUDYZBUTTON);
        dialog = qope->WaitForDialog(kCaption);
        if (dialog) qope->Settle();
        return dialog;
    }
    std::wstring Input() const { return qope->Text(::GetDlgItem(dialog, IDC_DICT_INPUT)); }
    std::wstring Result() const { return qope->Text(::GetDlgItem(dialog, IDC_DICT_RESULT)); }
    // Empties the pattern with Backspace.
    void Clear() const {
        for (size_t i = Input().size(); i > 0; --i) qope->Key(VK_BACK);
    }

    std::unique_ptr<Qope> qope;
    HWND dialog = nullptr;
};

TEST_F(Dictionary, PatternsMessagesAndTheFilter) {
    ASSERT_TRUE(Open());
    EXPECT_EQ(qope->Focus(), ::GetDlgItem(dialog, IDC_DICT_INPUT));
    // Every entry of "azzz", checked against the installed files; five to a line.
    qope->TypeKeys(L"azzz");
    const std::wstring azzz = Expected("azzz");
    ASSERT_GT(azzz.size(), 100u);
    EXPECT_EQ(Result(), azzz);
    // A deleted character empties the result at once.
    qope->Key(VK_BACK);
    EXPECT_EQ(Result(), L"");
    // Capitals are dropped; a digit warns and is dropped; a blank warns and is typed.
    qope->TypeKeys(L"A");
    EXPECT_EQ(Input(), L"azz");
    qope->TypeKeys(L"1");
    EXPECT_EQ(qope->AnswerMessageBox(), L"请转换成英文输入状态！");
    EXPECT_EQ(Input(), L"azz");
    Clear();
    // Four letters without z; four z.
    qope->TypeKeys(L"ggll");
    EXPECT_EQ(qope->AnswerMessageBox(), L"请输入带z的编码!!");
    EXPECT_EQ(Result(), L"");
    Clear();
    qope->TypeKeys(L"zzzz");
    EXPECT_EQ(qope->AnswerMessageBox(), L"对不起,最多只能输入带三个z的编码!!");
    EXPECT_EQ(Result(), L"");
    Clear();
    qope->TypeKeys(L"z ");
    EXPECT_EQ(qope->AnswerMessageBox(), L"请转换成英文输入状态！");
    EXPECT_EQ(Input(), L"z ");
    ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(dialog); }));
    EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));

    // The 86 list also while the window is set to 98.
    qope->Command(ID_EDITION_98);
    ASSERT_TRUE(Open());
    qope->TypeKeys(L"zzhg");
    EXPECT_EQ(Result(), Expected("zzhg"));
}

// A list of the test's own: z stored in a code matches only where the pattern has a z.
TEST_F(Dictionary, ZStandsForAnyKeyAndDamagedListsAreReportedOnce) {
    e2e::InstalledFileChange codes(L"AllCodeen.txt"), chars(L"AllCodech.txt");
    codes.Write("abcd\r\nabce\r\nxbcd\r\nabcf\r\n");
    chars.Write("\xB0\xA1\r\n\xB0\xA2\r\n\xB0\xA3\r\n\xB0\xA4\r\n");
    ASSERT_TRUE(Open());
    qope->TypeKeys(L"abcz");  // z at 3: abcd, abce, abcf
    EXPECT_EQ(Result(), L"啊abcd 阿abce 挨abcf ");
    Clear();
    qope->TypeKeys(L"zbcd");  // z at 0: abcd and xbcd
    EXPECT_EQ(Result(), L"啊abcd 埃xbcd ");
    // A z stored in the code list is no key of any code: the list is damaged there,
    // reported once by name, the entries before it kept.
    codes.Write("abcd\r\nabce\r\nzbcd\r\nabcf\r\n");
    Clear();
    qope->TypeKeys(L"abcz");
    EXPECT_NE(qope->AnswerMessageBox().find(L"AllCodeen.txt"), std::wstring::npos);
    EXPECT_EQ(Result(), L"啊abcd 阿abce ");
    EXPECT_EQ(qope->CountDialogs(L"Qope"), 0);
    // A character list one record short: the same.
    codes.Write("abcd\r\nabce\r\nxbcd\r\nabcf\r\n");
    chars.Truncate(12);
    Clear();
    qope->TypeKeys(L"azzz");
    EXPECT_NE(qope->AnswerMessageBox().find(L"AllCodech.txt"), std::wstring::npos);
    EXPECT_EQ(Result(), L"啊abcd 阿abce ");
    EXPECT_EQ(qope->CountDialogs(L"Qope"), 0);
}

}  // namespace
