// The screen title bar on a hooked popup: layout, hit codes, button looks and the messages
// its buttons send, through the non-client messages the system sends.
#include <gtest/gtest.h>

#include "screen_titlebar_fixture.h"
#include "wnd_test_util.h"

namespace {

const int kParked = -1;

// Button lefts as distances from the caption's right end (kParked: hidden); all at top 8.
struct LayoutCase
{
    const char* name;
    UINT style;
    bool minimised;
    int close, min, restore, pin;
};

class TitleBarLayout : public ScreenTitleBar, public ::testing::WithParamInterface<LayoutCase>
{
};

TEST_P(TitleBarLayout, PlacesButtonsRightToLeftTenPixelsApart)
{
    const LayoutCase& c = GetParam();
    Install(c.style);
    if (c.minimised) {
        m_host.ShowWindow(SW_MINIMIZE);
        ASSERT_TRUE(m_host.IsIconic());
    }
    const int w = WindowSize().cx;
    const struct
    {
        UINT code;
        int fromRight;
        int width;
    } expected[] = {{HTTB_CLOSE, c.close, SkinWidth(kClose)},     {HTTB_MINBUTTON, c.min, SkinWidth(kMin)},
                    {HTTB_RESTORE, c.restore, SkinWidth(kRestore)}, {HTTB_PIN, c.pin, SkinWidth(kPin)},
                    {HTTB_MAXBUTTON, kParked, SkinWidth(kMax)},      {HTTB_TOP, kParked, SkinWidth(kTop)},
                    {HTTB_HELP, kParked, SkinWidth(kHelp)}};
    for (const auto& e : expected) {
        const CSysButton* button = m_bar.ButtonOf(e.code);
        if (e.fromRight == kParked) {
            EXPECT_FALSE(button->IsVisible()) << e.code;
            EXPECT_EQ(button->GetRect().left, SYSBUTTON_PARKED) << e.code;
        } else {
            EXPECT_EQ(button->GetRect(), CRect(w - e.fromRight, 8, w - e.fromRight + e.width, 22)) << e.code;
        }
    }
}

const LayoutCase kLayouts[] = {
    {"CloseOnly", 0x00, false, 25, kParked, kParked, kParked},
    {"Minimise", 0x10, false, 25, 51, kParked, kParked},
    {"Pin", 0x20, false, 25, kParked, kParked, 47},
    {"MinimiseAndPin", 0x30, false, 25, 51, kParked, 73},
    // Once minimised the restore button takes the minimise button's place.
    {"Minimised", 0x30, true, 25, kParked, 53, 75},
};

INSTANTIATE_TEST_SUITE_P(Styles, TitleBarLayout, ::testing::ValuesIn(kLayouts),
                         [](const ::testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

TEST_F(ScreenTitleBar, TakesTheCaptionAndAOnePixelFrameFromTheWindow)
{
    Install(0x30);
    EXPECT_EQ(m_host.GetStyle() & (WS_CAPTION | WS_THICKFRAME), 0u);
    CRect client;
    m_host.GetClientRect(&client);
    EXPECT_EQ(client.Size(), CSize(298, 173));
    CPoint origin(0, 0);
    m_host.ClientToScreen(&origin);
    EXPECT_EQ(origin, CPoint(101, 126));
}

// Hit codes at window-relative points; negative coordinates count from the right or bottom.
struct HitCase
{
    const char* name;
    UINT style, sizing;
    CPoint point;
    LRESULT code;
};

class TitleBarHit : public ScreenTitleBar, public ::testing::WithParamInterface<HitCase>
{
};

TEST_P(TitleBarHit, AnswersTheNonClientHitTest)
{
    const HitCase& c = GetParam();
    Install(c.style, c.sizing);
    const CSize size = WindowSize();
    const CPoint point(c.point.x < 0 ? size.cx + c.point.x : c.point.x, c.point.y < 0 ? size.cy + c.point.y : c.point.y);
    EXPECT_EQ(NcHitTest(Hwnd(), point), c.code);
}

const UINT kAll = 0xF;
const HitCase kHits[] = {
    {"Close", 0x30, 0, {-15, 15}, HTTB_CLOSE},
    {"Minimise", 0x30, 0, {-43, 15}, HTTB_MINBUTTON},
    {"Pin", 0x30, 0, {-67, 15}, HTTB_PIN},
    {"Caption", 0x30, 0, {100, 15}, HTCAPTION},
    {"CaptionWhereNoMinimiseIs", 0x00, 0, {-43, 15}, HTCAPTION},
    {"CloseWithoutOtherButtons", 0x00, 0, {-15, 15}, HTTB_CLOSE},
    {"PinnedCaptionIsClient", 0x31, 0, {100, 15}, HTCLIENT},
    {"PinnedCloseStillWorks", 0x31, 0, {-15, 15}, HTTB_CLOSE},
    {"Client", 0x30, 0, {150, 100}, HTCLIENT},
    {"Outside", 0x30, 0, {400, 100}, HTNOWHERE},
    {"Left", 0x30, kAll, {1, 100}, HTLEFT},
    {"Right", 0x30, kAll, {-2, 100}, HTRIGHT},
    {"Top", 0x30, kAll, {150, 1}, HTTOP},
    {"TopLeft", 0x30, kAll, {1, 1}, HTTOPLEFT},
    {"TopRight", 0x30, kAll, {-2, 1}, HTTOPRIGHT},
    {"Bottom", 0x30, kAll, {150, -2}, HTBOTTOM},
    {"BottomLeft", 0x30, kAll, {1, -2}, HTBOTTOMLEFT},
    {"BottomRight", 0x30, kAll, {-2, -2}, HTBOTTOMRIGHT},
    {"NoSizingLeftIsClient", 0x30, 0, {1, 100}, HTCLIENT},
    {"NoSizingTopIsCaption", 0x30, 0, {150, 1}, HTCAPTION},
    {"LeftOnlyCorner", 0x30, 0x1, {1, -2}, HTLEFT},
    {"BottomOnlyCorner", 0x30, 0x8, {1, -2}, HTBOTTOM},
};

INSTANTIATE_TEST_SUITE_P(Points, TitleBarHit, ::testing::ValuesIn(kHits),
                         [](const ::testing::TestParamInfo<HitCase>& info) { return info.param.name; });

TEST_F(ScreenTitleBar, ButtonsShowHoverAndPressAndLoseThemWhenTheMouseLeaves)
{
    Install(0x30);
    const CPoint close = CentreOf(HTTB_CLOSE);
    ::SendMessageA(Hwnd(), WM_NCPAINT, 0, 0);
    EXPECT_EQ(LookOf(HTTB_CLOSE), Skin::Look(kClose, 0));
    EXPECT_EQ(NcHitTest(Hwnd(), close), HTTB_CLOSE);
    EXPECT_EQ(LookOf(HTTB_CLOSE), Skin::Look(kClose, 1));
    NcPress(Hwnd(), HTTB_CLOSE, close);
    EXPECT_EQ(LookOf(HTTB_CLOSE), Skin::Look(kClose, 2));
    // Leaving the button ends the press: a release elsewhere or back over it does nothing.
    EXPECT_EQ(NcHitTest(Hwnd(), CPoint(100, 15)), HTCAPTION);
    EXPECT_EQ(LookOf(HTTB_CLOSE), Skin::Look(kClose, 0));
    NcRelease(Hwnd(), HTCAPTION, CPoint(100, 15));
    EXPECT_EQ(NcHitTest(Hwnd(), close), HTTB_CLOSE);
    NcRelease(Hwnd(), HTTB_CLOSE, close);
    PumpPending();
    EXPECT_EQ(m_host.m_closes, 0);
    // A press and release on it closes.
    NcPress(Hwnd(), HTTB_CLOSE, close);
    NcRelease(Hwnd(), HTTB_CLOSE, close);
    EXPECT_EQ(LookOf(HTTB_CLOSE), Skin::Look(kClose, 1));
    PumpPending();
    EXPECT_EQ(m_host.m_closes, 1);
}

// A press and release of a button (by hit code, as the system reports them) and what reaches
// the window.
struct ButtonCase
{
    const char* name;
    UINT style;
    UINT code;
    bool pressFirst;
    int pins, tops, helps, closes;
    bool cancel;
};

class TitleBarButton : public ScreenTitleBar, public ::testing::WithParamInterface<ButtonCase>
{
};

TEST_P(TitleBarButton, SendsItsMessageOnlyAfterAPress)
{
    const ButtonCase& c = GetParam();
    Install(c.style);
    if (c.pressFirst)
        NcPress(Hwnd(), c.code, CPoint(10, 10));
    NcRelease(Hwnd(), c.code, CPoint(10, 10));
    PumpPending();
    EXPECT_EQ(m_host.m_pins, c.pins);
    EXPECT_EQ(m_host.m_tops, c.tops);
    EXPECT_EQ(m_host.m_helps, c.helps);
    EXPECT_EQ(m_host.m_closes, c.closes);
    if (c.cancel) {
        ASSERT_EQ(m_host.m_commands.size(), 1u);
        EXPECT_EQ(m_host.m_commands[0], WPARAM(IDCANCEL));
        EXPECT_EQ(m_host.m_commandLParams[0], 0);
    } else {
        EXPECT_TRUE(m_host.m_commands.empty());
    }
}

const ButtonCase kButtons[] = {
    {"Pin", 0x30, HTTB_PIN, true, 1, 0, 0, 0, false},
    {"Top", 0x30, HTTB_TOP, true, 0, 1, 0, 0, false},
    {"Help", 0x30, HTTB_HELP, true, 0, 0, 1, 0, false},
    {"PinReleasedWithoutPress", 0x30, HTTB_PIN, false, 0, 0, 0, 0, false},
    // Without minimise and pin buttons closing is cancelling.
    {"CloseBecomesCancel", 0x00, HTTB_CLOSE, true, 0, 0, 0, 0, true},
    {"CloseWithMinimise", 0x10, HTTB_CLOSE, true, 0, 0, 0, 1, false},
    {"CloseWithPin", 0x20, HTTB_CLOSE, true, 0, 0, 0, 1, false},
    {"CloseReleasedWithoutPress", 0x00, HTTB_CLOSE, false, 0, 0, 0, 0, false},
};

INSTANTIATE_TEST_SUITE_P(Buttons, TitleBarButton, ::testing::ValuesIn(kButtons),
                         [](const ::testing::TestParamInfo<ButtonCase>& info) { return info.param.name; });

TEST_F(ScreenTitleBar, MinimiseAndRestoreButtonsChangeTheShowState)
{
    Install(0x30);
    NcPress(Hwnd(), HTTB_MINBUTTON, CentreOf(HTTB_MINBUTTON));
    NcRelease(Hwnd(), HTTB_MINBUTTON, CentreOf(HTTB_MINBUTTON));
    EXPECT_TRUE(m_host.IsIconic());
    EXPECT_TRUE(m_bar.ButtonOf(HTTB_RESTORE)->IsVisible());
    NcPress(Hwnd(), HTTB_RESTORE, CentreOf(HTTB_RESTORE));
    NcRelease(Hwnd(), HTTB_RESTORE, CentreOf(HTTB_RESTORE));
    EXPECT_FALSE(m_host.IsIconic());
    EXPECT_TRUE(m_bar.ButtonOf(HTTB_MINBUTTON)->IsVisible());
    EXPECT_FALSE(m_bar.ButtonOf(HTTB_RESTORE)->IsVisible());
}

// Clicks of the real mouse of the test desktop: the system's own hit tests and non-client
// messages reach the bar.
struct RealClickCase
{
    const char* name;
    UINT style;
    UINT code;
    int pins, closes;
    bool cancel;
};

class TitleBarRealClick : public ScreenTitleBar, public ::testing::WithParamInterface<RealClickCase>
{
};

TEST_P(TitleBarRealClick, ReachesTheButtonUnderTheMouse)
{
    const RealClickCase& c = GetParam();
    Install(c.style);
    CRect window;
    m_host.GetWindowRect(&window);
    m_host.SetForegroundWindow();
    RealClick(window.TopLeft() + CentreOf(c.code), Hwnd(), c.code);
    EXPECT_EQ(m_host.m_pins, c.pins);
    EXPECT_EQ(m_host.m_closes, c.closes);
    EXPECT_EQ(m_host.m_commands.size(), c.cancel ? 1u : 0u);
    if (c.cancel && !m_host.m_commands.empty()) {
        EXPECT_EQ(m_host.m_commands[0], WPARAM(IDCANCEL));
    }
}

const RealClickCase kRealClicks[] = {
    {"Pin", 0x20, HTTB_PIN, 1, 0, false},
    {"CloseWithPin", 0x20, HTTB_CLOSE, 0, 1, false},
    {"CloseWithoutButtonsCancels", 0x00, HTTB_CLOSE, 0, 0, true},
};

INSTANTIATE_TEST_SUITE_P(Buttons, TitleBarRealClick, ::testing::ValuesIn(kRealClicks),
                         [](const ::testing::TestParamInfo<RealClickCase>& info) { return info.param.name; });

} // namespace
