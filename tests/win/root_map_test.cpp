// The root-map windows of both editions in a modal run: the whole map shows on the
// window's ground, 关闭键盘 ends the run with IDOK, Esc and the close box with IDCANCEL.
#include "lookup/RootMapDlg.h"
#include "win/gdi.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::function<void(HWND)> g_body;

// Runs `body` on the active window once the modal loop of the dialog runs.
INT_PTR RunWith(CRootMapDlg& dialog, std::function<void(HWND)> body) {
    g_body = std::move(body);
    ::SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        g_body(::GetActiveWindow());
    });
    return dialog.RunModal(nullptr);
}

TEST(RootMap, ShowsTheWholeMapOnItsGroundAndEndsAsAsked) {
    struct Case {
        int edition;
        std::function<void(HWND)> close;
        INT_PTR result;
    };
    const Case cases[] = {
        {86, [](HWND d) { ::SendMessageW(::GetDlgItem(d, IDOK), BM_CLICK, 0, 0); }, IDOK},
        {98, [](HWND d) { ::PostMessageW(::GetDlgItem(d, IDOK), WM_KEYDOWN, VK_ESCAPE, 0); }, IDCANCEL},
        {98, [](HWND d) { ::PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edition);
        CRootMapDlg dialog(c.edition);
        const INT_PTR result = RunWith(dialog, [&](HWND d) {
            HWND picture = ::GetDlgItem(d, IDC_ROOT_MAP_PICTURE);
            ASSERT_TRUE(picture);
            EXPECT_TRUE(::SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
            RECT map{}, client{}, button{};
            ::GetWindowRect(picture, &map);
            ::MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&map), 2);
            ::GetClientRect(d, &client);
            EXPECT_EQ(map.right - map.left, CRootMapDlg::kMapWidth);
            EXPECT_EQ(map.bottom - map.top, CRootMapDlg::kMapHeight);
            EXPECT_GE(map.left, 0);
            EXPECT_LE(map.right, client.right);
            EXPECT_LE(map.bottom, client.bottom);
            // The button lies below the map, inside the window.
            ::GetWindowRect(::GetDlgItem(d, IDOK), &button);
            ::MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&button), 2);
            EXPECT_GE(button.top, map.bottom);
            EXPECT_LE(button.bottom, client.bottom);
            // The ground beside the map.
            ::UpdateWindow(d);
            win::WindowDC dc(d);
            EXPECT_EQ(::GetPixel(dc.Get(), 2, client.bottom - 3), RGB(100, 100, 80));
            c.close(d);
        });
        EXPECT_EQ(result, c.result);
    }
}

}  // namespace
