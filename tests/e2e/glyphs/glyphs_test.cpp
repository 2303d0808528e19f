// Every text the windows show draws with real glyphs, not boxes, whatever the system's code
// page. The program's text is GBK and its fonts must still find Chinese glyphs on a system
// whose code page is not 936; ctest runs this in the Chinese prefix and, through
// scripts/wine-locale-run.sh, in a Western one (code page 1252).
//
// Measured inside the program, with the font each window really draws with, by the glyph
// probe (glyph_probe.h) hooked into its GUI thread.
#include "driver/qope_driver.h"
#include "app/PracticeDlgRes.h"
#include "common/VersionHistoryDlgRes.h"
#include "glyph_probe.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace {

using e2e::Qope;

std::string Utf8(const std::wstring& text) {
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

struct Text {
    std::wstring what;
    int missing = 0, measured = 0;
    std::wstring text;
};

class Glyphs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { std::printf("system code page %u\n", ::GetACP()); }

    void SetUp() override {
        qope = Qope::Start();
        ASSERT_TRUE(qope) << "qope.exe did not show its main window";
        const std::wstring path = e2e::PathFromEnv(L"QOPE_GLYPH_PROBE");
        library = ::LoadLibraryW(path.c_str());
        ASSERT_TRUE(library) << "no glyph probe at QOPE_GLYPH_PROBE";
        const auto proc = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(::GetProcAddress(library, glyph_probe::kHookProc)));
        hook = ::SetWindowsHookExW(WH_CALLWNDPROC, proc, library, ::GetWindowThreadProcessId(qope->Main(), nullptr));
        ASSERT_TRUE(hook);
        report = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, glyph_probe::kReportBytes,
                                      glyph_probe::kReport);
        ASSERT_TRUE(report);
    }

    void TearDown() override {
        if (hook) ::UnhookWindowsHookEx(hook);
        if (report) ::CloseHandle(report);
        if (library) ::FreeLibrary(library);
    }

    // What the probe measured in a top-level window of the program.
    std::vector<Text> Probe(HWND window) const {
        auto* view = static_cast<wchar_t*>(::MapViewOfFile(report, FILE_MAP_ALL_ACCESS, 0, 0, 0));
        if (!view) return {};
        view[0] = L'\0';
        static const UINT message = ::RegisterWindowMessageW(glyph_probe::kMessage);
        ::SendMessageW(window, message, 0, 0);
        std::wistringstream lines{std::wstring(view)};
        ::UnmapViewOfFile(view);
        std::vector<Text> texts;
        for (std::wstring line; std::getline(lines, line);) {
            Text t;
            std::wistringstream fields(line);
            std::wstring missing, measured;
            std::getline(fields, t.what, L'\t');
            std::getline(fields, missing, L'\t');
            std::getline(fields, measured, L'\t');
            std::getline(fields, t.text);
            t.missing = std::stoi(missing);
            t.measured = std::stoi(measured);
            texts.push_back(t);
        }
        return texts;
    }

    // Fails naming each text with characters that draw as boxes.
    static testing::AssertionResult NoBoxes(const std::vector<Text>& texts) {
        std::string boxes;
        for (const Text& t : texts)
            if (t.missing > 0)
                boxes += "\n" + Utf8(t.what) + ": " + std::to_string(t.missing) + " of " + std::to_string(t.measured) +
                         " characters without a glyph in \"" + Utf8(t.text) + "\"";
        if (boxes.empty()) return testing::AssertionSuccess();
        return testing::AssertionFailure() << "boxes:" << boxes;
    }

    // Characters measured in one text, so that a probe that saw nothing cannot pass.
    static int Measured(const std::vector<Text>& texts, const std::wstring& what) {
        for (const Text& t : texts)
            if (t.what == what) return t.measured;
        return 0;
    }
    static std::wstring Control(int id) { return L"control " + std::to_wstring(id); }

    std::unique_ptr<Qope> qope;
    HMODULE library = nullptr;
    HHOOK hook = nullptr;
    HANDLE report = nullptr;
};

TEST_F(Glyphs, MainWindowWithADrillShowing) {
    qope->Command(ID_ALL_CODES);  // the reference line fills with Chinese characters
    qope->Settle();
    const std::vector<Text> texts = Probe(qope->Main());
    EXPECT_GT(Measured(texts, L"caption"), 0);
    EXPECT_GT(Measured(texts, L"menu 2 0"), 0);
    EXPECT_GT(Measured(texts, Control(IDC_LABEL_CHOOSE)), 0);
    EXPECT_GT(Measured(texts, Control(IDC_STATUS)), 0);
    EXPECT_GT(Measured(texts, Control(IDC_COMPARE_TEXT)), 0);
    EXPECT_TRUE(NoBoxes(texts));
}

TEST_F(Glyphs, VersionHistoryAboutBoxAndMessageBox) {
    qope->PostCommand(ID_VERSION_HISTORY);
    HWND history = qope->WaitForDialog(L"关于Qope......");
    ASSERT_TRUE(history);
    qope->Settle();
    std::vector<Text> texts = Probe(history);
    EXPECT_GT(Measured(texts, Control(IDC_HISTORY_V4)), 0);
    EXPECT_GT(Measured(texts, Control(IDOK)), 0);
    EXPECT_TRUE(NoBoxes(texts));
    ::SendMessageW(history, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(history); }));

    qope->PostSysCommand(IDM_ABOUTBOX);
    HWND about = qope->WaitForDialog(L"关于 Qope");
    ASSERT_TRUE(about);
    qope->Settle();
    texts = Probe(about);
    EXPECT_GT(Measured(texts, L"caption"), 0);
    EXPECT_TRUE(NoBoxes(texts));
    ::SendMessageW(about, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(about); }));

    qope->BringToFront();
    qope->Type(L"a");  // no set chosen: refused with a message box
    HWND box = qope->WaitForDialog(L"Qope");
    ASSERT_TRUE(box);
    texts = Probe(box);
    EXPECT_GT(Measured(texts, Control(0xFFFF)), 0);
    EXPECT_TRUE(NoBoxes(texts));
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// The help viewer, opened as the learner opens it: its caption is the help file's title,
// read right on any code page, and drawn with real glyphs.
TEST_F(Glyphs, HelpWindowCaption) {
    qope->PostCommand(ID_WUBI_TUTORIAL);
    std::pair<DWORD, HWND> found{qope->ProcessId(), nullptr};
    ASSERT_TRUE(e2e::WaitUntil([&] {
        ::EnumWindows([](HWND h, LPARAM p) {
            auto* f = reinterpret_cast<std::pair<DWORD, HWND>*>(p);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(h, &pid);
            wchar_t cls[32] = {};
            ::GetClassNameW(h, cls, 32);
            if (pid == f->first && std::wstring(cls) == L"HH Parent" && ::IsWindowVisible(h)) f->second = h;
            return TRUE;
        }, reinterpret_cast<LPARAM>(&found));
        return found.second != nullptr;
    }, std::chrono::seconds(15)));
    const HWND viewer = found.second;
    qope->Settle();
    EXPECT_EQ(e2e::TextOf(viewer), L"Qope 五笔字型练习 帮助");
    const std::vector<Text> texts = Probe(viewer);
    EXPECT_GT(Measured(texts, L"caption"), 0);
    EXPECT_TRUE(NoBoxes(texts));
}

}  // namespace
