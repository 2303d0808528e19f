// Types Chinese through the session's real input method, as a learner does: Wubi codes on
// the X keyboard, IBus with its Wubi 86 table (scripts/wine-env.sh starts it) composing
// and committing each character into the program's focused edit.
//
// Only a test with QOPE_IME=1 in its environment has the input method in its windows and
// in those of the programs it starts; in the test's CMakeLists.txt, for example:
//   set_property(TEST e2e.article APPEND PROPERTY ENVIRONMENT QOPE_IME=1)
// and RUN_SERIAL, since the keys go to whatever has the X focus. Every other test's
// windows get keys as before, with no input method (e2e.ime.plain checks it).
//
// The keys are real X key events from xdotool, run through /bin/sh (Wine starts a Unix
// program by its Z: path), not SendInput: SendInput enters Wine below X and never reaches
// the input method. They go to the X window of the edit's top-level window, which gets
// the X focus first whenever it is another than last time; the edit itself must have the
// program's keyboard focus. IBus reorders or drops a commit typed while the one before is
// still on its way, so each code is typed alone and its commit awaited in the edit.
//
// What a Unicode edit gets per commit (tests/e2e/ime/ime_test.cpp checks it):
// WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION without and then with the result string,
// one WM_IME_CHAR per character, WM_IME_ENDCOMPOSITION, then one posted WM_CHAR per
// character, by which the edit inserts it (one EN_CHANGE each). Nothing for the code's
// letters or the space: no WM_KEYDOWN, no WM_CHAR, and the code being typed never shows in
// the edit (the prefix's input style, see scripts/wine-env.sh).
// Keys sent with SendInput (Qope::Type) pass the input method by even in such a test: the
// program gets them as it would without one, WM_KEYDOWN and WM_CHAR.
//
//   e2e::ImeKeyboard ime;
//   ASSERT_EQ(ime.Problem(), L"");
//   ASSERT_TRUE(ime.TypeText(line, L"清晨，小河边")) << ime.Problem();  // code by code
//   ASSERT_TRUE(ime.TypeCode(line, "khlg", L"中国")) << ime.Problem();  // a word code
//   ASSERT_TRUE(ime.TypeKeys(line, "quotedbl", L"“")) << ime.Problem();  // any keys
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace e2e {

// The full code of a character in the installed 86 code table (全部编码, the files
// AllCodech.txt and AllCodeen.txt); "" for a character the table does not hold.
std::string WubiCode86(wchar_t character);

class ImeKeyboard {
public:
    ImeKeyboard();

    // Why the last step failed, or why this process cannot type through the input method
    // at all; empty when all went well.
    const std::wstring& Problem() const { return problem_; }

    // Presses `keys` (X key names as xdotool takes them, separated by blanks: "w q i y
    // space"), then waits until `edit` shows its old text followed by `commit`. False, with
    // Problem() telling what the edit showed, when that does not come within `timeout`.
    bool TypeKeys(HWND edit, const std::string& keys, const std::wstring& commit,
                  std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // The same keys into the X window of `window`'s top-level window, then waits until
    // `committed` holds: for a commit that the program answers by more than showing it,
    // such as a line that is cleared when it is full.
    bool TypeKeys(HWND window, const std::string& keys, const std::function<bool()>& committed,
                  std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // The letters of `code` and the space that commits its first candidate.
    bool TypeCode(HWND edit, const std::string& code, const std::wstring& commit,
                  std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // Each character of `text`, one commit after another: a hanzi by its full code
    // (WubiCode86), a punctuation mark of driver/ime_punctuation.def by its key. Stops at
    // the first that fails. A hanzi must be the first candidate of its full code in the
    // input method's table: tools/ime/first_candidates.py checks a text (of GB2312's 6763
    // characters 5879 are, of the 500 most frequent 495).
    bool TypeText(HWND edit, const std::wstring& text);

private:
    bool Press(HWND window, const std::string& keys);

    std::wstring xdotool_;  // Unix path of the program
    std::wstring problem_;
    HWND focused_ = nullptr;  // the top-level window that was given the X focus
};

}  // namespace e2e
