// CWnd::SetWindowTheme: the theme service's answer for a live window, a refusal without one.
#include <gtest/gtest.h>

#include <afxwin.h>

TEST(WindowTheme, LiveWindowTakesEmptyThemeNames)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "theme", WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
    EXPECT_EQ(S_OK, wnd.SetWindowTheme(L"", L""));
    wnd.DestroyWindow();
}

TEST(WindowTheme, WindowWithoutHandleIsRefused)
{
    CWnd wnd;
    EXPECT_TRUE(FAILED(wnd.SetWindowTheme(L"", L"")));
    CWnd gone;
    ASSERT_TRUE(gone.CreateEx(0, AfxRegisterWndClass(0), "gone", WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
    HWND stale = gone.m_hWnd;
    gone.DestroyWindow();
    CWnd view;
    view.m_hWnd = stale; // a handle whose window is gone
    EXPECT_TRUE(FAILED(view.SetWindowTheme(L"", L"")));
    view.m_hWnd = NULL;
}
