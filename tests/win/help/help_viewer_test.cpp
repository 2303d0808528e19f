// The installed help file in the HTML Help viewer, opened by the program's own viewer
// (app/HelpViewer.h: hhctrl.ocx loaded on first use, a window type of its own). The
// viewer must show the caption, contents and index of data/help right, whatever the
// system's code page (ctest runs this on the Chinese system and on a Western one), and
// closing all must take its window down.
#include "app/HelpViewer.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

namespace {

constexpr const char* kHelpFile = "C:\\Program Files\\zel\\qope\\qope.chm";

std::wstring FromGbk(const std::string& s) {
    std::wstring w(s.size(), L'\0');
    w.resize(::MultiByteToWideChar(936, 0, s.data(), static_cast<int>(s.size()), w.data(),
                                   static_cast<int>(w.size())));
    return w;
}

std::string ReadSource(const char* name) {
    std::ifstream in(std::string(QOPE_HELP_SOURCE_DIR "/") + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The entry names of a contents or index file, in file order.
std::vector<std::wstring> SitemapNames(const char* name) {
    std::string text = ReadSource(name);
    std::regex param(R"re(<param\s+name="Name"\s+value="([^"]*)")re", std::regex::icase);
    std::vector<std::wstring> names;
    for (std::sregex_iterator it(text.begin(), text.end(), param), end; it != end; ++it)
        names.push_back(FromGbk((*it)[1]));
    return names;
}

std::wstring ProjectTitle() {
    std::string text = ReadSource("qope.hhp");
    std::smatch m;
    return std::regex_search(text, m, std::regex("\nTitle=([^\r\n]*)")) ? FromGbk(m[1]) : L"";
}

HWND FindChild(HWND parent, const wchar_t* cls) {
    struct Search { const wchar_t* cls; HWND found; } search{cls, nullptr};
    ::EnumChildWindows(parent, [](HWND h, LPARAM p) {
        auto* s = reinterpret_cast<Search*>(p);
        wchar_t name[64];
        ::GetClassNameW(h, name, 64);
        if (wcscmp(name, s->cls) != 0) return TRUE;
        s->found = h;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring ClassOf(HWND h) {
    wchar_t name[64] = L"";
    ::GetClassNameW(h, name, 64);
    return name;
}

std::wstring TextOf(HWND h) {
    wchar_t text[256] = L"";
    ::GetWindowTextW(h, text, 256);
    return text;
}

// Depth first, as the contents file lists them.
void TreeTexts(HWND tree, HTREEITEM item, std::vector<std::wstring>& out) {
    for (; item; item = TreeView_GetNextSibling(tree, item)) {
        wchar_t text[256] = L"";
        TVITEMW tv{};
        tv.mask = TVIF_TEXT;
        tv.hItem = item;
        tv.pszText = text;
        tv.cchTextMax = 256;
        TreeView_GetItem(tree, &tv);
        out.push_back(text);
        TreeTexts(tree, TreeView_GetChild(tree, item), out);
    }
}

std::vector<std::wstring> ListTexts(HWND list) {
    std::vector<std::wstring> out;
    int count = ListView_GetItemCount(list);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        ListView_GetItemText(list, i, 0, text, 256);
        out.push_back(text);
    }
    return out;
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

HWND ThreadWindowOfClass(const wchar_t* cls) {
    struct Search { const wchar_t* cls; HWND found; } search{cls, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND h, LPARAM p) {
        auto* s = reinterpret_cast<Search*>(p);
        if (ClassOf(h) == s->cls) s->found = h;
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(HelpViewer, ShowsTheInstalledHelpAndClosesOnCloseAll) {
    ASSERT_NE(::GetFileAttributesA(kHelpFile), INVALID_FILE_ATTRIBUTES)
        << kHelpFile << " is not installed (build target qope_help, then scripts/wine-env.sh data)";
    std::printf("system code page %u\n", ::GetACP());
    CHelpViewer help;
    help.Show();
    PumpMessages();
    HWND viewer = ThreadWindowOfClass(L"HH Parent");
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(::IsWindowVisible(viewer));
    EXPECT_EQ(::GetWindow(viewer, GW_OWNER), nullptr);  // beside the program's windows
    EXPECT_EQ(TextOf(viewer), ProjectTitle());

    HWND contents = FindChild(viewer, WC_TREEVIEWW);
    HWND index = FindChild(viewer, WC_LISTVIEWW);
    ASSERT_NE(contents, nullptr);
    ASSERT_NE(index, nullptr) << "no index tab: the default window of qope.hhp names no index";
    std::vector<std::wstring> shown;
    TreeTexts(contents, TreeView_GetRoot(contents), shown);
    EXPECT_EQ(shown, SitemapNames("contents.hhc"));
    EXPECT_EQ(ListTexts(index), SitemapNames("index.hhk"));

    help.CloseAll();
    PumpMessages();
    EXPECT_FALSE(::IsWindow(viewer));
    EXPECT_EQ(ThreadWindowOfClass(L"HH Parent"), nullptr);
}

}  // namespace
