#include "driver/ime_keyboard.h"

#include "driver/qope_driver.h"
#include "drill/code_drill.h"
#include "drill/code_table.h"

#include <fstream>
#include <iterator>

namespace e2e {

namespace {

std::string ReadSelectFile(const char* name) {
    std::ifstream in(std::string("C:\\Program Files\\zel\\qope\\selectfiles\\") + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::wstring EditText(HWND edit) {
    wchar_t buffer[1024] = {};
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(edit, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                          &result);
    return buffer;
}

std::wstring EnvironmentValue(const wchar_t* name) {
    wchar_t buffer[64] = {};
    const DWORD n = ::GetEnvironmentVariableW(name, buffer, 64);
    return n && n < 64 ? buffer : L"";
}

// Wine's X driver names the X window of every top-level window in this property.
unsigned long XWindowOf(HWND topLevel) {
    return static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(::GetPropW(topLevel, L"__wine_x11_whole_window")));
}

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// Why a commit may not have come: the test did not ask for the input method.
std::wstring NoImeHint() {
    return EnvironmentValue(L"XMODIFIERS").empty()
               ? L" (no QOPE_IME=1 in this test's environment: its windows have no input method)"
               : L"";
}

const char* PunctuationKey(wchar_t mark) {
    static const struct {
        wchar_t mark;
        const char* key;
    } kKeys[] = {
#define QOPE_IME_PUNCTUATION(mark, key) {mark, key},
#include "driver/ime_punctuation.def"
#undef QOPE_IME_PUNCTUATION
    };
    for (const auto& entry : kKeys)
        if (entry.mark == mark) return entry.key;
    return nullptr;
}

}  // namespace

std::string WubiCode86(wchar_t character) {
    static const std::string items = ReadSelectFile(qope::FindCodeTable(qope::kFullCode, 86)->itemFile);
    static const std::string codes = ReadSelectFile(qope::FindCodeTable(qope::kFullCode, 86)->codeFile);
    const qope::CodeTableFile& table = *qope::FindCodeTable(qope::kFullCode, 86);
    char gbk[2] = {};
    BOOL lossy = FALSE;
    if (::WideCharToMultiByte(936, 0, &character, 1, gbk, 2, nullptr, &lossy) != 2 || lossy) return {};
    const size_t itemLength = size_t(qope::ItemRecordLength(table)), codeLength = size_t(qope::CodeRecordLength(table));
    for (size_t i = 0; (i + 1) * itemLength <= items.size() && (i + 1) * codeLength <= codes.size(); ++i) {
        if (items.compare(i * itemLength, 2, gbk, 2) != 0) continue;
        std::string code = codes.substr(i * codeLength, size_t(table.codeWidth));
        code.erase(code.find_last_not_of(' ') + 1);
        return code;
    }
    return {};
}

ImeKeyboard::ImeKeyboard() {
    if (EnvironmentValue(L"QOPE_IME_READY") != L"1")
        problem_ = L"no input method in this session (scripts/test.sh starts it; see build/wine/logs/ime.log)";
    else if ((xdotool_ = EnvironmentValue(L"QOPE_XDOTOOL")).empty())
        problem_ = L"QOPE_XDOTOOL does not name xdotool";
}

// Starts xdotool on the keys; false, with the problem, when it cannot.
bool ImeKeyboard::Press(HWND window, const std::string& keys) {
    if (!xdotool_.empty()) problem_.clear();
    if (!problem_.empty()) return false;
    // One shell runs the steps in order. They are separate xdotool runs: after a
    // windowfocus in the same run, xdotool would send the keys to that window as
    // synthetic events, which the input method does not compose.
    std::wstring script = L"\"" + xdotool_ + L" key --delay 30 " + Wide(keys) + L"\"";
    HWND top = ::GetAncestor(window, GA_ROOT);
    if (top != focused_) {
        const unsigned long xWindow = XWindowOf(top);
        if (!xWindow) {
            problem_ = L"the window has no X window";
            return false;
        }
        // The input method gets the focus of its input context a moment after the X
        // focus; keys before it would reach the program as plain letters.
        script = L"\"" + xdotool_ + L" windowfocus --sync " + std::to_wstring(xWindow) + L" && sleep 0.3 && " +
                 script.substr(1);
        focused_ = top;
    }
    std::wstring command = L"sh -c " + script;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        problem_ = L"cannot start /bin/sh (error " + std::to_wstring(::GetLastError()) + L")";
        focused_ = nullptr;
        return false;
    }
    // A Unix program gets no process handle; its keys show in the program.
    if (process.hProcess) ::CloseHandle(process.hProcess);
    if (process.hThread) ::CloseHandle(process.hThread);
    return true;
}

bool ImeKeyboard::TypeKeys(HWND window, const std::string& keys, const std::function<bool()>& committed,
                           std::chrono::milliseconds timeout) {
    if (!Press(window, keys)) return false;
    if (WaitUntil(committed, timeout)) return true;
    problem_ = L"keys \"" + Wide(keys) + L"\": the commit did not come" + NoImeHint();
    return false;
}

bool ImeKeyboard::TypeKeys(HWND edit, const std::string& keys, const std::wstring& commit,
                           std::chrono::milliseconds timeout) {
    const std::wstring before = EditText(edit), expected = before + commit;
    if (!Press(edit, keys)) return false;
    std::wstring shown;
    // The characters of one commit are inserted one message after another, so the edit
    // may show part of it on the way; anything else is wrong at once.
    WaitUntil([&] {
        shown = EditText(edit);
        return shown == expected || shown.size() < before.size() || expected.compare(0, shown.size(), shown) != 0;
    }, timeout);
    if (shown == expected) return true;
    problem_ = L"keys \"" + Wide(keys) + L"\" for \"" + commit + L"\": the edit shows \"" + shown + L"\" instead of \"" +
               expected + L"\"" + NoImeHint();
    return false;
}

bool ImeKeyboard::TypeCode(HWND edit, const std::string& code, const std::wstring& commit,
                           std::chrono::milliseconds timeout) {
    std::string keys;
    for (char letter : code) keys += std::string(1, letter) + ' ';
    return TypeKeys(edit, keys + "space", commit, timeout);
}

bool ImeKeyboard::TypeText(HWND edit, const std::wstring& text) {
    for (wchar_t character : text) {
        const std::wstring commit(1, character);
        if (const char* key = PunctuationKey(character)) {
            if (!TypeKeys(edit, key, commit)) return false;
            continue;
        }
        const std::string code = WubiCode86(character);
        if (code.empty()) {
            problem_ = L"no 86 code for \"" + commit + L"\"";
            return false;
        }
        if (!TypeCode(edit, code, commit)) return false;
    }
    return true;
}

}  // namespace e2e
