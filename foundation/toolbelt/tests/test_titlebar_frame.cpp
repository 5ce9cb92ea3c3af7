// The screen title bar's frame work: activation, synchronous paints, sizing, the cached
// caption images, the caption's contents, double clicks, clicks reported to the main window,
// installation and the bar's own end.
#include <gtest/gtest.h>

#include "screen_titlebar_fixture.h"
#include "wnd_test_util.h"

namespace {

// The application of this test program, whose main window hears about tool-window clicks.
CWinApp theApp("ToolBeltTitleBarTests");

struct ActivationCase
{
    const char* name;
    UINT style;
    WPARAM flag;
    bool disabled, stayActive, foreground;
    BOOL active;
};

class TitleBarActivation : public ScreenTitleBar, public ::testing::WithParamInterface<ActivationCase>
{
};

TEST_P(TitleBarActivation, DrawsItsOwnLookAndNeverThePlatformCaption)
{
    const ActivationCase& c = GetParam();
    Install(c.style);
    m_bar.m_bActive = !c.active; // start from the other look
    if (c.disabled)
        m_host.EnableWindow(FALSE);
    if (c.stayActive)
        m_host.m_nFlags |= WF_STAYACTIVE;
    if (c.foreground) {
        m_host.SetForegroundWindow();
        ASSERT_EQ(::GetForegroundWindow(), Hwnd());
    }
    const int ownBefore = m_host.m_ncActivates;
    EXPECT_EQ(::SendMessageA(Hwnd(), WM_NCACTIVATE, c.flag, 0), TRUE);
    EXPECT_EQ(m_host.m_ncActivates, ownBefore);
    const BOOL expected = c.foreground && !c.flag ? !c.active : c.active;
    EXPECT_EQ(m_bar.m_bActive, expected);
    // A changed look is painted at once from the matching background.
    if (expected == c.active) {
        EXPECT_EQ(BitmapPixel(m_bar.m_bmpCaption[expected ? 1 : 0], 2, 2),
                  expected ? Skin::kActive : Skin::kInactive);
    }
}

const ActivationCase kActivations[] = {
    {"Activated", 0x30, TRUE, false, false, false, TRUE},
    {"Deactivated", 0x30, FALSE, false, false, false, FALSE},
    {"DisabledStaysInactive", 0x30, TRUE, true, false, false, FALSE},
    {"StayActiveFlag", 0x30, FALSE, false, true, false, TRUE},
    // A tool window in the foreground keeps its active look.
    {"ToolWindowInForeground", 0x70, FALSE, false, false, true, FALSE},
};

INSTANTIATE_TEST_SUITE_P(Flags, TitleBarActivation, ::testing::ValuesIn(kActivations),
                         [](const ::testing::TestParamInfo<ActivationCase>& info) { return info.param.name; });

// Records the activation looks its title bars ask it to take.
class CRecordFrame : public CFrameWnd
{
public:
    std::vector<WPARAM> m_activations;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NCACTIVATE && lParam == 0)
            m_activations.push_back(wParam);
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(ScreenTitleBar, TellsItsTopLevelFrameTheLookUnlessItIsAToolWindow)
{
    CRecordFrame* frame = new CRecordFrame; // deletes itself with its window
    ASSERT_TRUE(frame->Create(NULL, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    Install(0x30, 0, frame);
    frame->m_activations.clear();
    ::SendMessageA(Hwnd(), WM_NCACTIVATE, TRUE, 0);
    PumpPending();
    ASSERT_EQ(frame->m_activations.size(), 1u);
    EXPECT_EQ(frame->m_activations[0], WPARAM(TRUE));
    m_bar.SetWindowStyle(0x40);
    ::SendMessageA(Hwnd(), WM_NCACTIVATE, FALSE, 0);
    PumpPending();
    EXPECT_EQ(frame->m_activations.size(), 1u);
    m_host.DestroyWindow();
    frame->DestroyWindow();
}

TEST_F(ScreenTitleBar, SynchronousPaintErasesWithARealDeviceContext)
{
    Install(0x30);
    PumpPending();
    m_host.m_erase.clear();
    ::SendMessageA(Hwnd(), WM_SYNCPAINT, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !m_host.m_erase.empty(); })) << "the synchronous paint erased nothing";
    for (WPARAM hdc : m_host.m_erase)
        EXPECT_NE(hdc, WPARAM(0));
    EXPECT_EQ(BitmapPixel(m_bar.CurrentImage(), 2, 2), m_bar.m_bActive ? Skin::kActive : Skin::kInactive);
}

class TitleBarSizing : public ScreenTitleBar, public ::testing::WithParamInterface<UINT>
{
};

TEST_P(TitleBarSizing, APressOnAnEdgeStartsOneSizingLoopOnThatEdge)
{
    Install(0x30, 0xF);
    NcPress(Hwnd(), GetParam(), CPoint(1, 1));
    ASSERT_EQ(m_host.m_sizeCommands.size(), 1u);
    EXPECT_EQ(m_host.m_sizeCommands[0], WPARAM(SC_SIZE + GetParam() - 9));
}

INSTANTIATE_TEST_SUITE_P(Edges, TitleBarSizing, ::testing::Range(UINT(HTLEFT), UINT(HTBOTTOMRIGHT + 1)));

// What happens between two paints, and whether the caption images are made anew.
struct CacheCase
{
    const char* name;
    void (*change)(CTitleBar& bar, CWnd& host);
    bool recreated;
};

class CaptionCache : public ScreenTitleBar, public ::testing::WithParamInterface<CacheCase>
{
};

TEST_P(CaptionCache, ImagesAreMadeAnewOnlyWhenTheCaptionChanges)
{
    Install(0x30);
    m_bar.m_bActive = TRUE;
    ::SendMessageA(Hwnd(), WM_NCPAINT, 0, 0);
    const HGDIOBJ before = m_bar.m_bmpCaption[1].GetSafeHandle();
    ASSERT_NE(before, (HGDIOBJ)NULL);
    GetParam().change(m_bar, m_host);
    ::SendMessageA(Hwnd(), WM_NCPAINT, 0, 0);
    EXPECT_EQ(m_bar.m_bmpCaption[1].GetSafeHandle() != before, GetParam().recreated);
}

const CacheCase kCacheCases[] = {
    {"NothingChanged", [](CTitleBar&, CWnd&) {}, false},
    {"TimeText", [](CTitleBar& bar, CWnd&) { bar.SetTitlebarTime("12:00:00"); }, false},
    {"Refresh", [](CTitleBar& bar, CWnd&) { bar.Refresh(); }, true},
    {"Icon", [](CTitleBar& bar, CWnd&) { bar.SetIcon(::LoadIcon(NULL, IDI_APPLICATION)); }, true},
    {"WindowText", [](CTitleBar&, CWnd& host) { host.SetWindowText("new"); }, true},
    {"Colours", [](CTitleBar&, CWnd& host) { host.SendMessage(WM_SYSCOLORCHANGE); }, true},
    {"Settings", [](CTitleBar&, CWnd& host) { host.SendMessage(WM_SETTINGCHANGE); }, true},
    {"Size", [](CTitleBar&, CWnd& host) { host.SetWindowPos(NULL, 0, 0, 350, 220, SWP_NOMOVE | SWP_NOZORDER); }, true},
};

INSTANTIATE_TEST_SUITE_P(Changes, CaptionCache, ::testing::ValuesIn(kCacheCases),
                         [](const ::testing::TestParamInfo<CacheCase>& info) { return info.param.name; });

TEST_F(ScreenTitleBar, CaptionShowsBackgroundButtonsTextAndTime)
{
    Install(0x30);
    m_bar.m_bActive = TRUE;
    EXPECT_TRUE(::SetWindowTextA(Hwnd(), "Screen 1000"));
    m_bar.SetTitlebarTime("12:34:56");
    CBitmap& image = m_bar.m_bmpCaption[1];
    const int w = WindowSize().cx;
    EXPECT_EQ(BitmapPixel(image, 1, 1), Skin::kActive);
    EXPECT_EQ(BitmapPixel(image, w - 1, 25), Skin::kActive);
    EXPECT_EQ(LookOf(HTTB_CLOSE), Skin::Look(kClose, 0));
    EXPECT_EQ(LookOf(HTTB_MINBUTTON), Skin::Look(kMin, 0));
    EXPECT_EQ(LookOf(HTTB_PIN), Skin::Look(kPin, 0));
    // White window text from left 26, in the clear time colour from the middle on.
    EXPECT_GT(BitmapCount(image, CRect(26, 0, w / 2 - w / 10, 26), RGB(255, 255, 255)), 0);
    EXPECT_GT(BitmapCount(image, CRect(w / 2 - w / 10, 0, w, 26), RGB(255, 255, 251)), 0);
    EXPECT_EQ(BitmapCount(image, CRect(0, 0, 26, 26), RGB(255, 255, 255)), 0);

    ::SetWindowTextA(Hwnd(), "");
    m_bar.SetTitlebarTime("");
    EXPECT_EQ(BitmapCount(image, CRect(0, 0, w, 26), RGB(255, 255, 255)), 0);
    EXPECT_EQ(BitmapCount(image, CRect(0, 0, w, 26), RGB(255, 255, 251)), 0);
}

TEST_F(ScreenTitleBar, FrameIsOneBlackPixelRoundTheWindow)
{
    Install(0x30);
    ::SendMessageA(Hwnd(), WM_NCPAINT, 0, 0);
    const CSize size = WindowSize();
    HDC hDC = ::GetWindowDC(Hwnd());
    for (CPoint p : {CPoint(0, 100), CPoint(size.cx - 1, 100), CPoint(150, size.cy - 1), CPoint(0, 0)})
        EXPECT_EQ(::GetPixel(hDC, p.x, p.y), RGB(0, 0, 0)) << p.x << "," << p.y;
    EXPECT_NE(::GetPixel(hDC, 1, 100), RGB(0, 0, 0));
    ::ReleaseDC(Hwnd(), hDC);
}

struct ClickCase
{
    const char* name;
    UINT style;
    int doubleClicksSeen;
    int clicksReported;
};

class TitleBarClicks : public ScreenTitleBar, public ::testing::WithParamInterface<ClickCase>
{
};

TEST_P(TitleBarClicks, AToolWindowSwallowsDoubleClicksAndReportsPresses)
{
    CHostWnd mainWnd;
    ASSERT_TRUE(mainWnd.Make(CRect(0, 0, 50, 50)));
    theApp.m_pMainWnd = &mainWnd;
    Install(GetParam().style);
    ::SendMessageA(Hwnd(), WM_NCLBUTTONDBLCLK, HTCLIENT, 0);
    NcPress(Hwnd(), HTCLIENT, CPoint(10, 50));
    NcPress(Hwnd(), HTTB_CLOSE, CentreOf(HTTB_CLOSE));
    PumpPending();
    EXPECT_EQ(m_host.m_ncDoubleClicks, GetParam().doubleClicksSeen);
    EXPECT_EQ(mainWnd.m_ncClicks, GetParam().clicksReported);
    theApp.m_pMainWnd = NULL;
    mainWnd.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Styles, TitleBarClicks,
                         ::testing::Values(ClickCase{"Plain", 0x30, 1, 0}, ClickCase{"ToolWindow", 0x70, 0, 2}),
                         [](const ::testing::TestParamInfo<ClickCase>& info) { return info.param.name; });

TEST_F(ScreenTitleBar, InstallsOnOneWindowOnly)
{
    Install(0x30);
    EXPECT_TRUE(m_bar.Install(&m_host)); // again on its own window: only redrawn
    CHostWnd other;
    ASSERT_TRUE(other.Make(CRect(0, 0, 100, 100)));
    EXPECT_FALSE(m_bar.Install(&other));
    EXPECT_EQ(::SendMessageA(other.m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(50, 50)), HTCLIENT);
    other.DestroyWindow();
    CWnd noWindow;
    CTitleBar fresh;
    EXPECT_FALSE(fresh.Install(&noWindow));
}

TEST_F(ScreenTitleBar, IsTakenOffWhenTheWindowIsDestroyed)
{
    Install(0x30);
    m_host.DestroyWindow();
    EXPECT_FALSE(m_bar.IsHooked());
}

TEST(ScreenTitleBarLife, ABarDestroyedBeforeItsWindowLeavesTheWindowWorking)
{
    CHostWnd host;
    ASSERT_TRUE(host.Make());
    {
        CTitleBar bar;
        bar.SetWindowStyle(0x30);
        ASSERT_TRUE(bar.Install(&host));
        EXPECT_EQ(::SendMessageA(host.m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(150, 110)), HTCAPTION);
    }
    ::SendMessageA(host.m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(host.m_closes, 1);
    ::SendMessageA(host.m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(150, 250));
    EXPECT_TRUE(host.DestroyWindow());
}

TEST_F(ScreenTitleBar, SettingsChangeStyleAndPlacement)
{
    Install(0x30);
    m_bar.SetNoMove(TRUE);
    EXPECT_TRUE(m_bar.IsNoMove());
    EXPECT_EQ(m_bar.GetWindowStyle(), 0x30u);
    m_bar.SetWindowStyle(0x10);
    EXPECT_EQ(m_bar.GetWindowStyle(), 0x10u);
    EXPECT_TRUE(m_bar.IsNoMove());
    m_bar.SetStayOnTop(TRUE);
    EXPECT_TRUE(m_bar.IsStayOnTop());
    EXPECT_TRUE(m_host.GetExStyle() & WS_EX_TOPMOST);
    m_bar.SetStayOnTop(FALSE);
    EXPECT_FALSE(m_host.GetExStyle() & WS_EX_TOPMOST);
    CSize size;
    CTitleBar::GetImageSize(m_skin.Button(kClose, SkinWidth(kClose), 0), size);
    EXPECT_EQ(size, CSize(20, 14));
}

} // namespace
