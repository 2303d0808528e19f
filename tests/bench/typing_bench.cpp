// Benchmarks of the line-typing windows, printed for the notes, never judged: a repaint
// of a full typing line with its cells, timed inside the program, and the round trip of
// a key into a nearly full line from this process beside a key the line drops.
#include "app/PracticeDlgRes.h"
#include "chinese/ArticleTypingDlgRes.h"
#include "common/line_typing_diagnostics.h"
#include "driver/qope_driver.h"
#include "english/EnglishPracticeDlgRes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double SendChar(HWND line, wchar_t c) {
    const auto start = std::chrono::steady_clock::now();
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(line, WM_CHAR, c, 1, SMTO_NORMAL, 10000, &result);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Print(const char* what, std::vector<double> values, const char* unit) {
    std::sort(values.begin(), values.end());
    std::printf("%s: median %.2f %s, 90th %.2f %s, worst %.2f %s (%zu)\n", what, values[values.size() / 2], unit,
                values[values.size() * 9 / 10], unit, values.back(), unit, values.size());
}

// Opens a tool window by its menu item, chooses its first text and fills its first line
// but for the last few characters; returns the window.
e2e::Window Prepare(e2e::Qope& qope, int command, int button, const std::wstring& fill) {
    qope.PostCommand(command);
    HWND window = nullptr;
    e2e::WaitUntil([&] { return (window = qope.FindDialog()) != nullptr; });
    const e2e::Window w(window);
    qope.Settle();
    qope.Click(w.Item(button));
    for (wchar_t c : fill) SendChar(qope.Focus(), c);
    qope.Settle();
    return w;
}

void Measure(e2e::Qope& qope, const e2e::Window& w, HWND line, wchar_t key, wchar_t dropped, const char* name) {
    std::vector<double> repaints, right, drops;
    for (int i = 0; i < 200; ++i) repaints.push_back(double(w.Diagnostics(qope::kTimeTypingLineRepaint)));
    for (int i = 0; i < 200; ++i) {
        right.push_back(SendChar(line, key));
        SendChar(line, L'\b');
        drops.push_back(SendChar(line, dropped));
    }
    qope.Settle();
    std::printf("== %s\n", name);
    Print("full typing line repainted with its cells", repaints, "us");
    Print("key into the full line, round trip", right, "ms");
    Print("dropped key, round trip", drops, "ms");
}

}  // namespace

int wmain() {
    // A lesson and an article of known length, put back afterwards.
    e2e::InstalledFileChange lesson(L"基本键位.txt", L"Englishtype");
    lesson.Write(std::string(54, 'a') + "\r\n");
    e2e::InstalledFileChange article(L"小偷和商人.txt", L"freeinput");
    std::string han;
    for (int i = 0; i < 35; ++i) han += "\xB4\xBA";  // 春
    article.Write(han + "\r\n");

    auto qope = e2e::Qope::Start();
    if (!qope) return 1;
    {
        const e2e::Window w = Prepare(*qope, ID_ENGLISH_PRACTICE, IDC_LESSON_BASIC, std::wstring(52, L'a'));
        Measure(*qope, w, w.Item(IDC_EN_TYPING1), L'a', L'\r', "English practice, 52 of 54 characters typed");
        w.Command(IDOK);
    }
    qope->Settle();
    {
        const e2e::Window w = Prepare(*qope, ID_ARTICLE_TYPING, IDC_ARTICLE_THIEF, std::wstring(33, L'春'));
        Measure(*qope, w, w.Item(IDC_AR_TYPING1), L'春', L'1', "article typing, 33 of 35 characters typed");
        w.Command(IDOK);
    }
    qope->Settle();
    qope->PostCommand(ID_EXIT_SYSTEM);
    qope->WaitForExit();
    return 0;
}
