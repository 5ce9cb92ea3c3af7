// The main title bar on a hooked popup: its 32-pixel layout, menu buttons that ask the window
// for a menu, the clock text and no window text.
#include <gtest/gtest.h>

#include "titlebar_fixture.h"
#include "wnd_test_util.h"

namespace {

enum { kMin = 1, kMax, kRestore, kClose, kMenu0 = 8 };
const int kWidths[] = {0, 16, 17, 18, 20, 0, 0, 0, 30, 31, 32, 33};
const int kMenuLefts[] = {84, 116, 149, 183};

class CMainTitleBarProbe : public CMainTitleBar
{
public:
    using CMainTitleBar::ButtonOf;
    using CMainTitleBar::CurrentImage;
    using CMainTitleBar::m_bActive;
    using CMainTitleBar::m_bmpCaption;
};

class MainTitleBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_bar.SetBackgroundImage(m_skin.Background(true), m_skin.Background(false));
        auto set = [this](int n, void (CMainTitleBar::*setter)(CBitmap*, CBitmap*, CBitmap*)) {
            (m_bar.*setter)(m_skin.Button(n, kWidths[n], 0), m_skin.Button(n, kWidths[n], 1),
                            m_skin.Button(n, kWidths[n], 2));
        };
        set(kMin, &CMainTitleBar::SetMinButtonImage);
        set(kMax, &CMainTitleBar::SetMaxButtonImage);
        set(kRestore, &CMainTitleBar::SetRestoreButtonImage);
        set(kClose, &CMainTitleBar::SetCloseButtonImage);
        for (int i = 0; i < 4; ++i)
            m_bar.SetMenuButtonImage(i, m_skin.Button(kMenu0 + i, kWidths[kMenu0 + i], 0),
                                     m_skin.Button(kMenu0 + i, kWidths[kMenu0 + i], 1),
                                     m_skin.Button(kMenu0 + i, kWidths[kMenu0 + i], 2));
        m_bar.SetWindowStyle(0x50);
        ASSERT_TRUE(m_host.Make(CRect(50, 50, 650, 350)));
        ASSERT_TRUE(m_bar.Install(&m_host));
    }
    void TearDown() override
    {
        if (m_host.m_hWnd != NULL)
            m_host.DestroyWindow();
    }
    HWND Hwnd() const { return m_host.m_hWnd; }
    CRect Window() const
    {
        CRect rect;
        ::GetWindowRect(Hwnd(), &rect);
        return rect;
    }
    CPoint CentreOf(UINT code) { return m_bar.ButtonOf(code)->GetRect().CenterPoint(); }

    Skin m_skin;
    CHostWnd m_host;
    CMainTitleBarProbe m_bar;
};

TEST_F(MainTitleBar, InNormalStateShowsCloseMinimiseAndTheFourMenuButtons)
{
    const int w = Window().Width();
    EXPECT_EQ(m_bar.ButtonOf(HTTB_CLOSE)->GetRect(), CRect(w - 30, 12, w - 10, 26));
    EXPECT_EQ(m_bar.ButtonOf(HTTB_MINBUTTON)->GetRect(), CRect(w - 56, 12, w - 40, 26));
    EXPECT_FALSE(m_bar.ButtonOf(HTTB_MAXBUTTON)->IsVisible());
    EXPECT_FALSE(m_bar.ButtonOf(HTTB_RESTORE)->IsVisible());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(m_bar.ButtonOf(HTTB_MENU0 + i)->GetRect(),
                  CRect(kMenuLefts[i], 4, kMenuLefts[i] + kWidths[kMenu0 + i], 18))
            << i;
    CPoint origin(0, 0);
    m_host.ClientToScreen(&origin);
    EXPECT_EQ(origin, Window().TopLeft() + CPoint(1, 32));
}

TEST_F(MainTitleBar, MinimisedShowsMaximiseAndRestoreInsteadOfMinimise)
{
    m_host.ShowWindow(SW_MINIMIZE);
    ASSERT_TRUE(m_host.IsIconic());
    const int w = Window().Width();
    EXPECT_EQ(m_bar.ButtonOf(HTTB_CLOSE)->GetRect().left, w - 30);
    EXPECT_EQ(m_bar.ButtonOf(HTTB_MAXBUTTON)->GetRect().left, w - 57);
    EXPECT_EQ(m_bar.ButtonOf(HTTB_RESTORE)->GetRect().left, w - 85);
    EXPECT_FALSE(m_bar.ButtonOf(HTTB_MINBUTTON)->IsVisible());
    EXPECT_EQ(m_bar.ButtonOf(HTTB_MENU0)->GetRect().left, 84);
}

TEST_F(MainTitleBar, HitCodesOfButtonsAndCaption)
{
    const struct
    {
        CPoint point;
        LRESULT code;
    } cases[] = {{CentreOf(HTTB_CLOSE), HTTB_CLOSE},          {CentreOf(HTTB_MINBUTTON), HTTB_MINBUTTON},
                 {CentreOf(HTTB_MENU0), HTTB_MENU0},          {CentreOf(HTTB_MENU0 + 1), HTTB_MENU0 + 1},
                 {CentreOf(HTTB_MENU0 + 2), HTTB_MENU0 + 2},  {CentreOf(HTTB_MENU0 + 3), HTTB_MENU0 + 3},
                 {CPoint(40, 20), HTCAPTION},                 {CPoint(300, 31), HTCAPTION},
                 {CPoint(300, 32), HTCLIENT},                 {CPoint(115, 10), HTCAPTION}};
    for (const auto& c : cases) {
        const CRect window = Window();
        EXPECT_EQ(::SendMessageA(Hwnd(), WM_NCHITTEST, 0, MAKELPARAM(window.left + c.point.x, window.top + c.point.y)),
                  c.code)
            << c.point.x << "," << c.point.y;
    }
}

class MainTitleBarMenu : public MainTitleBar, public ::testing::WithParamInterface<int>
{
};

TEST_P(MainTitleBarMenu, AReleaseOverThePressedButtonAsksForItsMenuBelowIt)
{
    const int i = GetParam();
    const UINT code = HTTB_MENU0 + i;
    NcHitTest(Hwnd(), CentreOf(code));
    NcPress(Hwnd(), code, CentreOf(code));
    NcRelease(Hwnd(), code, CentreOf(code));
    ASSERT_EQ(m_host.m_menuIds.size(), 1u);
    EXPECT_EQ(m_host.m_menuIds[0], LPARAM(200 + i));
    const CRect window = Window();
    EXPECT_EQ(CPoint(m_host.m_menuPoints[0]), CPoint(window.left + kMenuLefts[i], window.top + 32));
    EXPECT_FALSE(m_bar.ButtonOf(code)->IsPressed());
    // Released elsewhere: the press is gone once the mouse leaves, and nothing is asked.
    NcPress(Hwnd(), code, CentreOf(code));
    NcHitTest(Hwnd(), CPoint(40, 20));
    NcRelease(Hwnd(), HTCAPTION, CPoint(40, 20));
    NcHitTest(Hwnd(), CentreOf(code));
    NcRelease(Hwnd(), code, CentreOf(code));
    EXPECT_EQ(m_host.m_menuIds.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Buttons, MainTitleBarMenu, ::testing::Range(0, 4));

TEST_F(MainTitleBar, ARealClickOnAMenuButtonAsksOnceForItsMenu)
{
    const CRect window = Window();
    m_host.SetForegroundWindow();
    RealClick(window.TopLeft() + CentreOf(HTTB_MENU0 + 2), Hwnd(), HTTB_MENU0 + 2);
    ASSERT_EQ(m_host.m_menuIds.size(), 1u);
    EXPECT_EQ(m_host.m_menuIds[0], 202);
    EXPECT_EQ(CPoint(m_host.m_menuPoints[0]), CPoint(window.left + 149, window.top + 32));
}

TEST_F(MainTitleBar, CloseAndMinimiseActOnTheWindow)
{
    NcPress(Hwnd(), HTTB_CLOSE, CentreOf(HTTB_CLOSE));
    NcRelease(Hwnd(), HTTB_CLOSE, CentreOf(HTTB_CLOSE));
    PumpPending();
    EXPECT_EQ(m_host.m_closes, 1);
    EXPECT_TRUE(m_host.m_commands.empty());
    NcPress(Hwnd(), HTTB_MINBUTTON, CentreOf(HTTB_MINBUTTON));
    NcRelease(Hwnd(), HTTB_MINBUTTON, CentreOf(HTTB_MINBUTTON));
    EXPECT_TRUE(m_host.IsIconic());
    EXPECT_TRUE(m_host.m_menuIds.empty());
}

TEST_F(MainTitleBar, SwallowsNonClientDoubleClicks)
{
    ::SendMessageA(Hwnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(m_host.m_ncDoubleClicks, 0);
}

TEST_F(MainTitleBar, CaptionShowsTheClockButNoWindowText)
{
    m_bar.m_bActive = TRUE;
    ::SetWindowTextA(Hwnd(), "Molvane");
    CBitmap& image = m_bar.m_bmpCaption[1];
    const int w = Window().Width();
    EXPECT_EQ(BitmapPixel(image, 1, 1), Skin::kActive);
    EXPECT_EQ(BitmapPixel(image, w - 1, 31), Skin::kActive);
    EXPECT_EQ(BitmapCount(image, CRect(0, 0, w, 32), RGB(255, 255, 255)), 0);
    EXPECT_EQ(BitmapCount(image, CRect(0, 0, w, 32), RGB(255, 255, 251)), 0);
    m_bar.SetTitlebarTime("2024-01-02 12:34:56");
    EXPECT_GT(BitmapCount(image, CRect(w / 2 - w / 15, 0, w, 32), RGB(255, 255, 251)), 0);
    EXPECT_EQ(BitmapCount(image, CRect(0, 0, w / 2 - w / 15, 32), RGB(255, 255, 251)), 0);
    EXPECT_EQ(BitmapPixel(image, kMenuLefts[1] + 5, 10), Skin::Look(kMenu0 + 1, 0));
}

} // namespace
