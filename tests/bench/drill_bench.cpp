// Drill benchmarks of the running program, printed for the notes, never judged:
//  - timings measured inside the program (diagnostics queries): a right answer (its
//    check, the fields, what changed invalidated), the paints of the main window that
//    follow (the key hint), a set start with its file reads, a root batch start, a repaint of
//    both root rows with 27 answered;
//  - the round trip of one key sent from this process to the code field during an
//    all-roots batch: a right key against a key the field drops (a capital), interleaved.
#include "app/PracticeDlgRes.h"
#include "app/practice_diagnostics.h"
#include "driver/qope_driver.h"
#include "lookup/lookup_diagnostics.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

double Millis(const LARGE_INTEGER& a, const LARGE_INTEGER& b) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return double(b.QuadPart - a.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double SendKey(HWND field, wchar_t key) {
    LARGE_INTEGER start{}, end{};
    ::QueryPerformanceCounter(&start);
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(field, WM_CHAR, key, 1, SMTO_NORMAL, 10000, &result);
    ::QueryPerformanceCounter(&end);
    return Millis(start, end);
}

void PrintSpread(const char* what, std::vector<double> values) {
    if (values.empty()) return;
    std::sort(values.begin(), values.end());
    std::printf("%s: median %.2f ms, 90th %.2f ms, worst %.2f ms (%zu keys)\n", what, values[values.size() / 2],
                values[values.size() * 9 / 10], values.back(), values.size());
}

}  // namespace

int wmain() {
    auto qope = e2e::Qope::Start();
    if (!qope) {
        std::fprintf(stderr, "qope.exe did not show its main window\n");
        return 1;
    }
    auto query = [&](unsigned q) { return qope->Diagnostics(q); };

    // Right answers with the hint on the map, 1000 of them over whole sets.
    qope->Command(IDC_KEYHELPBUTTON);
    qope->Diagnostics(qope::kClearTimings);
    for (int answered = 0; answered < 1000;) {
        qope->Command(ID_ALL_CODES);
        qope->Settle();
        const std::string codes = qope->ShownSetCodes(4, 86);
        if (codes.empty()) return 1;
        for (int i = 0; i < 28 && answered < 1000; ++i, ++answered) {
            const std::string code = codes.substr(size_t(4 * i), 4);
            qope->TypeKeys(std::wstring(code.begin(), code.end()));
        }
    }
    std::printf("right answer with hint: median %ld us, worst %ld us (%ld answers)\n",
                query(qope::kRightAnswerMedianMicros), query(qope::kRightAnswerWorstMicros),
                query(qope::kRightAnswerCount));
    std::printf("main window paint during those: median %ld us, worst %ld us (%ld paints)\n",
                query(qope::kPaintMedianMicros), query(qope::kPaintWorstMicros), query(qope::kPaintCount));
    std::printf("set start with file reads: median %ld us, worst %ld us (%ld starts)\n",
                query(qope::kSetStartMedianMicros), query(qope::kSetStartWorstMicros), query(qope::kSetStartCount));

    // Root rows with 27 answered, repainted 200 times; batch starts with the set loaded.
    qope->Command(IDC_ALLWORDBOOT);
    qope->Settle();
    const std::string keys = e2e::Qope::RootKeys(qope->RootRow(390, 86), 86);
    qope->TypeKeys(std::wstring(keys.begin(), keys.begin() + 27));
    qope->Diagnostics(qope::kClearTimings);
    for (int i = 0; i < 200; ++i) qope->Diagnostics(qope::kTimeRootRepaint);
    for (int i = 0; i < 50; ++i) {
        qope->Command(i % 2 ? ID_ZONE_NA : ID_ALL_ROOTS);
        qope->Settle();
    }
    std::printf("root rows repaint with 27 answered: median %ld us (%ld repaints)\n",
                query(qope::kRootRepaintMedianMicros), query(qope::kRootRepaintCount));
    std::printf("root batch start (set loaded): median %ld us\n", query(qope::kRootBatchMedianMicros));

    // Round trips from this process: right keys and dropped keys, one after the other.
    HWND field = qope->Item(IDC_CODE_EDIT);
    qope->Diagnostics(qope::kClearTimings);
    std::vector<double> right, dropped;
    for (int batch = 0; batch < 8; ++batch) {
        qope->Command(ID_ALL_ROOTS);
        qope->Settle();
        const std::string row = e2e::Qope::RootKeys(qope->RootRow(390, 86), 86);
        if (row.find('?') != std::string::npos) return 1;
        for (int i = 0; i < 27; ++i) {
            dropped.push_back(SendKey(field, L'Q'));
            right.push_back(SendKey(field, wchar_t(row[size_t(i)])));
        }
        qope->Settle();
    }
    std::printf("all-roots batch, right key handled inside: median %ld us, worst %ld us\n",
                query(qope::kRightAnswerMedianMicros), query(qope::kRightAnswerWorstMicros));
    PrintSpread("all-roots batch, right key round trip", right);
    PrintSpread("all-roots batch, dropped key round trip", dropped);
    // The dictionary: a search from the change of the pattern to the last result shown.
    qope->PostCommand(ID_DICTIONARY);
    HWND dictionary = qope->WaitForDialog(L"字典查询                                    谢谢使用！");
    if (!dictionary) return 1;
    qope->Settle();
    const UINT diagnostics = ::RegisterWindowMessageW(win::kDiagnosticsMessage);
    auto search = [&](const wchar_t* pattern) {
        std::vector<long> times;
        for (int i = 0; i < 10; ++i) {
            for (int k = 0; k < 4; ++k) qope->Key(VK_BACK);
            qope->TypeKeys(pattern);
            times.push_back(long(::SendMessageW(dictionary, diagnostics, qope::kDictionarySearchMicros, 0)));
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    std::printf("dictionary \"azzz\": median %ld us\n", search(L"azzz"));
    long slowest = 0;
    const wchar_t* slowestPattern = L"";
    for (const wchar_t* pattern : {L"zhgg", L"gzgg", L"ggzg", L"gggz", L"azzz", L"ttzz"}) {
        const long t = search(pattern);
        if (std::wcslen(pattern) == 4 && std::count(pattern, pattern + 4, L'z') == 1 && t > slowest) {
            slowest = t;
            slowestPattern = pattern;
        }
    }
    std::printf("dictionary, slowest one-z pattern (%ls): median %ld us\n", slowestPattern, slowest);
    ::PostMessageW(dictionary, WM_COMMAND, IDOK, 0);
    qope->Settle();

    qope->PostCommand(ID_EXIT_SYSTEM);
    qope->WaitForExit();
    return 0;
}
