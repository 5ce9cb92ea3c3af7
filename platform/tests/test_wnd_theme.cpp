// CWnd::SetWindowTheme: the theme service answers for a live window; a window object without a
// live window is refused before the service is asked.
#include <gtest/gtest.h>

#include <afxwin.h>

TEST(WindowTheme, LiveWindowGetsTheServicesAnswer)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "theme", WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
    EXPECT_EQ(S_OK, wnd.SetWindowTheme(L"Explorer", NULL));
    wnd.DestroyWindow();
}

TEST(WindowTheme, WindowWithoutHandleIsRefused)
{
    CWnd wnd;
    EXPECT_EQ(E_HANDLE, wnd.SetWindowTheme(L"", L""));
    CWnd gone;
    ASSERT_TRUE(gone.CreateEx(0, AfxRegisterWndClass(0), "gone", WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
    HWND stale = gone.m_hWnd;
    gone.DestroyWindow();
    CWnd view;
    view.m_hWnd = stale; // a handle whose window is gone
    EXPECT_EQ(E_HANDLE, view.SetWindowTheme(L"", L""));
    view.m_hWnd = NULL;
}
