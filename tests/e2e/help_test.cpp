// The help command through the running program: the viewer opens beside the main window,
// which stays usable, and closes with the program.
#include "app/PracticeDlgRes.h"
#include "driver/qope_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using e2e::Qope;
using namespace std::chrono_literals;

// A visible help viewer of the program.
HWND FindViewer(DWORD pid) {
    struct Find {
        DWORD pid;
        HWND found = nullptr;
    } find{pid};
    ::EnumWindows([](HWND w, LPARAM lp) -> BOOL {
        auto* f = reinterpret_cast<Find*>(lp);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(w, &owner);
        wchar_t cls[32] = {};
        ::GetClassNameW(w, cls, 32);
        if (owner != f->pid || !::IsWindowVisible(w) || std::wstring(cls) != L"HH Parent") return TRUE;
        f->found = w;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

TEST(Help, OpensBesideTheMainWindowAndClosesWithIt) {
    auto qope = Qope::Start();
    ASSERT_TRUE(qope);
    qope->PostCommand(ID_WUBI_TUTORIAL);
    HWND viewer = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] { return (viewer = FindViewer(qope->ProcessId())) != nullptr; }, 10s));
    EXPECT_EQ(::GetWindow(viewer, GW_OWNER), nullptr);  // its own window, not a modal one
    // The drill goes on beside it.
    qope->Command(ID_ALL_CODES);
    EXPECT_EQ(qope->Text(IDC_STATUS), L"你所练习的是全部编码！");
    // The button opens the same viewer again.
    qope->PostCommand(IDC_SYSHELPBUTTON);
    qope->Settle();
    EXPECT_EQ(FindViewer(qope->ProcessId()), viewer);
    qope->PostCommand(ID_EXIT_SYSTEM);
    EXPECT_TRUE(qope->WaitForExit(10s));
    EXPECT_FALSE(::IsWindow(viewer));
}

}  // namespace
