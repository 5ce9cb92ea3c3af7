// Device contexts of real windows: CPaintDC, CClientDC, CWindowDC.
#include <gtest/gtest.h>

#include "afxwin.h"
#include "gdi_test_host.h"

namespace {

const char kPaintClass[] = "PlatformGdiPaintProbe";

// Paints its client area with CPaintDC and remembers what the paint saw.
class PaintProbe : public CWnd
{
public:
    int paints = 0;
    CRect paintRect;
    HDC paintDC = NULL;
    CWnd* dcWindow = nullptr;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++paints;
        paintRect = dc.m_ps.rcPaint;
        paintDC = dc.GetSafeHdc();
        dcWindow = dc.GetWindow();
        dc.FillSolidRect(&dc.m_ps.rcPaint, RGB(0, 0, 255));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintProbe, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// One window for the suite: hiding a mapped top-level window costs Wine's X11 driver a
// two-second wait.
class WindowDC : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        RegisterTestHostClass(kPaintClass);
        probe = new PaintProbe;
        probe->CreateEx(0, kPaintClass, "paint", WS_POPUP | WS_BORDER | WS_VISIBLE, 20, 20, 200, 150, NULL, NULL);
        probe->UpdateWindow();
    }

    static void TearDownTestSuite()
    {
        delete probe;
        probe = nullptr;
    }

    void SetUp() override { ASSERT_TRUE(::IsWindow(probe->GetSafeHwnd())); }
    void TearDown() override { AfxUnlockTempMaps(TRUE); }

    static PaintProbe* probe;
};

PaintProbe* WindowDC::probe = nullptr;

TEST_F(WindowDC, PaintDCValidatesTheUpdateRegion)
{
    int before = probe->paints;
    probe->InvalidateRect(CRect(10, 10, 30, 30), FALSE);
    CRect pending;
    EXPECT_TRUE(probe->GetUpdateRect(&pending));
    probe->UpdateWindow();
    EXPECT_EQ(probe->paints, before + 1);
    EXPECT_TRUE(CRect(probe->paintRect).PtInRect(CPoint(10, 10)));
    EXPECT_NE(probe->paintDC, (HDC)NULL);
    EXPECT_EQ(probe->dcWindow, probe);
    // EndPaint ran: nothing is left to paint.
    EXPECT_FALSE(probe->GetUpdateRect(&pending));
}

TEST_F(WindowDC, ClientAndWindowDCsBelongToTheWindow)
{
    {
        CClientDC dc(probe);
        ASSERT_NE(dc.GetSafeHdc(), (HDC)NULL);
        EXPECT_EQ(dc.GetWindow(), probe);
        EXPECT_EQ(::WindowFromDC(dc), probe->m_hWnd);
        CRect clip;
        EXPECT_NE(dc.GetClipBox(&clip), ERROR);
        CRect client;
        probe->GetClientRect(&client);
        EXPECT_TRUE(clip == client);
    }
    {
        CWindowDC dc(probe);
        ASSERT_NE(dc.GetSafeHdc(), (HDC)NULL);
        EXPECT_EQ(::WindowFromDC(dc), probe->m_hWnd);
        // The window DC starts at the frame, the client DC inside it.
        CRect window, client;
        probe->GetWindowRect(&window);
        probe->GetClientRect(&client);
        probe->ClientToScreen(&client);
        POINT windowOrg = {-1, -1};
        ::GetDCOrgEx(dc, &windowOrg);
        EXPECT_TRUE(CPoint(windowOrg) == window.TopLeft());
        CClientDC clientDC(probe);
        POINT clientOrg = {-1, -1};
        ::GetDCOrgEx(clientDC, &clientOrg);
        EXPECT_TRUE(CPoint(clientOrg) == client.TopLeft());
        EXPECT_TRUE(window.TopLeft() != client.TopLeft());
    }
    {
        CClientDC screen(nullptr); // the whole screen
        EXPECT_GT(screen.GetDeviceCaps(HORZRES), 0);
    }
}

} // namespace
