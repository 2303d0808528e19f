// Chinese typed through the session's real input method (driver/ime_keyboard.h) into the
// plain Unicode edit of a dialog of its own (ime_dialog.cpp), which logs every message its
// edit gets: the text arrives whole and in order, each character as WM_IME_CHAR and then
// WM_CHAR, the code letters never. Keys sent with SendInput, and keys in a program started
// without the input method in its environment (as every other test's are), arrive plain.
#include "driver/ime_keyboard.h"
#include "driver/qope_driver.h"
#include "ime_dialog.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

class ImeTyping : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t dir[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, dir);
        log_ = std::wstring(dir) + L"qope-ime-test.log";
        ::DeleteFileW(log_.c_str());
    }
    void TearDown() override {
        if (process_.hProcess) {
            ::TerminateProcess(process_.hProcess, 0);
            ::WaitForSingleObject(process_.hProcess, 5000);
            ::CloseHandle(process_.hProcess);
            ::CloseHandle(process_.hThread);
        }
        ::DeleteFileW(log_.c_str());
    }

    // Starts the dialog and returns its edit, which has the keyboard focus; nullptr when
    // no dialog came.
    HWND Start() {
        const std::wstring exe = e2e::PathFromEnv(L"QOPE_IME_DIALOG");
        std::wstring command = L"\"" + exe + L"\" \"" + log_ + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!::CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process_)) {
            why_ = L"cannot start " + exe + L" (error " + std::to_wstring(::GetLastError()) + L")";
            return nullptr;
        }
        ::AssignProcessToJobObject(e2e::TestJob(), process_.hProcess);
        HWND dialog = nullptr;
        e2e::WaitUntil([&] {
            HWND found = ::FindWindowW(L"#32770", L"输入法测试");
            DWORD pid = 0;
            ::GetWindowThreadProcessId(found, &pid);
            if (pid == process_.dwProcessId && ::IsWindowVisible(found)) dialog = found;
            return dialog != nullptr;
        }, 30s);
        if (!dialog) {
            why_ = L"no dialog came";
            return nullptr;
        }
        HWND edit = ::GetDlgItem(dialog, IDC_IME_EDIT);
        ::SetForegroundWindow(dialog);
        e2e::WaitUntil([&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info) && info.hwndFocus == edit &&
                   ::GetForegroundWindow() == dialog;
        });
        return edit;
    }

    // What the edit got so far, one message a line as the dialog logs it, with the
    // characters as text: "WM_IME_CHAR 你", "EN_CHANGE 你好", "WM_IME_COMPOSITION -".
    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        FILE* in = _wfopen(log_.c_str(), L"r");
        if (!in) return messages;
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, in)) {
            std::istringstream fields(buffer);
            std::string name, field, none;
            std::wstring units;
            fields >> name;
            while (fields >> field)
                if (field == "-")
                    none = " -";
                else
                    units.push_back(wchar_t(std::stoul(field, nullptr, 16)));
            messages.push_back(name + (units.empty() ? "" : " " + Utf8(units)) + none);
        }
        std::fclose(in);
        return messages;
    }

    // What the edit gets for these commits: per commit a composition with the result
    // string (after one without), each character as WM_IME_CHAR, the composition's end,
    // then each character as WM_CHAR, by which the edit inserts it; its text never holds
    // anything but what was committed.
    static std::vector<std::string> MessagesOf(const std::vector<std::wstring>& commits) {
        std::vector<std::string> messages;
        std::wstring text;
        for (const std::wstring& commit : commits) {
            messages.insert(messages.end(),
                            {"WM_IME_STARTCOMPOSITION", "WM_IME_COMPOSITION -", "WM_IME_COMPOSITION " + Utf8(commit)});
            for (wchar_t ch : commit) messages.push_back("WM_IME_CHAR " + Utf8(std::wstring(1, ch)));
            messages.push_back("WM_IME_ENDCOMPOSITION");
            for (wchar_t ch : commit) {
                messages.push_back("WM_CHAR " + Utf8(std::wstring(1, ch)));
                messages.push_back("EN_CHANGE " + Utf8(text += ch));
            }
        }
        return messages;
    }

    // What the edit gets for keys that reach it as themselves: per key its WM_KEYDOWN
    // (the virtual key, a capital letter), WM_CHAR and the change.
    static std::vector<std::string> PlainMessagesOf(const std::string& keys) {
        std::vector<std::string> messages;
        std::string text;
        for (char key : keys) {
            messages.push_back("WM_KEYDOWN " + std::string(1, char(std::toupper(key))));
            messages.push_back("WM_CHAR " + std::string(1, key));
            messages.push_back("EN_CHANGE " + (text += key));
        }
        return messages;
    }

    static std::string Utf8(const std::wstring& text) {
        std::string out(text.size() * 3, '\0');
        out.resize(size_t(::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(),
                                                int(out.size()), nullptr, nullptr)));
        return out;
    }

    // The edit's text, asked of its own process.
    static std::wstring Text(HWND edit) {
        wchar_t text[256] = {};
        DWORD_PTR result = 0;
        ::SendMessageTimeoutW(edit, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &result);
        return text;
    }

    std::wstring log_;
    std::wstring why_;  // why Start failed
    PROCESS_INFORMATION process_{};
};

TEST_F(ImeTyping, GreetingCodeByCodeWithAWordCode) {
    e2e::ImeKeyboard ime;
    ASSERT_EQ(ime.Problem(), L"");
    HWND edit = Start();
    ASSERT_TRUE(edit) << why_;
    // 中国 is one word code: one commit of two characters.
    const std::pair<const char*, std::wstring> steps[] = {{"wqiy", L"你"}, {"vbg", L"好"}, {"trnt", L"我"},
                                                          {"wun", L"们"},  {"jghu", L"是"}, {"khlg", L"中国"},
                                                          {"wwww", L"人"}};
    std::vector<std::wstring> commits;
    for (const auto& [code, commit] : steps) {
        ASSERT_TRUE(ime.TypeCode(edit, code, commit)) << ime.Problem();
        commits.push_back(commit);
    }
    // The same once more, its commit awaited by the test's own condition.
    ASSERT_TRUE(ime.TypeKeys(edit, "w w w w space", [&] { return Text(edit).size() == 9; })) << ime.Problem();
    commits.push_back(L"人");
    EXPECT_EQ(Text(edit), L"你好我们是中国人人");
    EXPECT_EQ(Messages(), MessagesOf(commits));
}

TEST_F(ImeTyping, ArticleLineByFullCodesAndPunctuationKeys) {
    // 35 characters, an article's line: hanzi that are the first candidates of their full
    // codes, and punctuation.
    const std::wstring line = L"清晨，小河边有一位老人坐在石头上，静静地看着远山和天空中飞过的一群鸟。";
    ASSERT_EQ(line.size(), 35u);
    e2e::ImeKeyboard ime;
    ASSERT_EQ(ime.Problem(), L"");
    HWND edit = Start();
    ASSERT_TRUE(edit) << why_;
    const DWORD start = ::GetTickCount();
    ASSERT_TRUE(ime.TypeText(edit, line)) << ime.Problem();
    std::printf("35 characters typed in %lu ms\n", static_cast<unsigned long>(::GetTickCount() - start));
    EXPECT_EQ(Text(edit), line);
    std::vector<std::wstring> commits;
    for (wchar_t ch : line) commits.emplace_back(1, ch);
    EXPECT_EQ(Messages(), MessagesOf(commits));
}

// Keys sent with SendInput (the driver's Qope::Type) enter Wine below X and pass the input
// method by, even in a window that has it.
TEST_F(ImeTyping, SendInputKeysPassTheInputMethodBy) {
    HWND edit = Start();
    ASSERT_TRUE(edit) << why_;
    for (WORD key : {WORD('W'), WORD('Q'), WORD(VK_SPACE)}) {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = key;
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, input, sizeof input[0]);
    }
    EXPECT_TRUE(e2e::WaitUntil([&] { return Text(edit) == L"wq "; })) << Text(edit);
    EXPECT_EQ(Messages(), PlainMessagesOf("wq "));
}

// Run without QOPE_IME (ctest's e2e.ime.plain), as every other test is: while the input
// method runs on the screen, the program gets the keys themselves.
using WithoutIme = ImeTyping;

TEST_F(WithoutIme, TheKeysArriveAsTyped) {
    e2e::ImeKeyboard ime;
    HWND edit = Start();
    ASSERT_TRUE(edit) << why_;
    ASSERT_TRUE(ime.TypeCode(edit, "wqiy", L"wqiy ")) << ime.Problem();
    EXPECT_EQ(Messages(), PlainMessagesOf("wqiy "));
}

}  // namespace

