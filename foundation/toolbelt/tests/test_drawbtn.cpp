// The owner-drawn button's click loop on a real child window: what it draws, what it returns,
// its repeat timer, Escape, the right button, a lost capture and the quit message, and the flat
// highlight's timer.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "DrawBtn.h"
#include "wnd_test_util.h"

namespace {

const UINT kOwnerId = 123;

// Records every state the button is drawn in.
class CRecordBtn : public CDrawBtn
{
public:
    using CDrawBtn::CDrawBtn;
    std::vector<DWORD> m_draws;
    void Draw(CDC* pDC, DWORD state) override
    {
        m_draws.push_back(state);
        CDrawBtn::Draw(pDC, state);
    }
};

// The parent hears the repeated commands; the owner hears keys that reach it and calls the
// button's mouse-over check from its mouse-move handler.
class CRecordWnd : public CWnd
{
public:
    std::vector<WPARAM> m_commands;
    std::vector<LPARAM> m_commandSenders;
    int m_keys = 0;
    CDrawBtn* m_pButton = NULL;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_COMMAND:
            m_commands.push_back(wParam);
            m_commandSenders.push_back(lParam);
            return 0;
        case WM_KEYDOWN: ++m_keys; return 0;
        case WM_MOUSEMOVE:
            if (m_pButton != NULL)
                m_pButton->CheckForMouseOver(this, CPoint(short(LOWORD(lParam)), short(HIWORD(lParam))));
            return 0;
        case WM_APP: ::ReleaseCapture(); return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class DrawButtonClick : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, NULL, "parent", WS_POPUP | WS_VISIBLE, 300, 300, 200, 150, NULL, NULL));
        ASSERT_TRUE(m_owner.CreateEx(0, NULL, "owner", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 120, 100,
                                     m_parent.m_hWnd, HMENU(UINT_PTR(kOwnerId))));
    }
    void TearDown() override
    {
        ::ReleaseCapture();
        m_parent.DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        }
    }
    void Post(UINT message, CPoint point, WPARAM wParam = 0)
    {
        ::PostMessageA(m_owner.m_hWnd, message, wParam, MAKELPARAM(point.x, point.y));
    }
    // Posts the release from another thread after a while, as a user holding the button would.
    std::thread ReleaseLater(DWORD ms, CPoint point)
    {
        HWND hOwner = m_owner.m_hWnd;
        return std::thread([=] {
            ::Sleep(ms);
            ::PostMessageA(hOwner, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        });
    }

    CRecordWnd m_parent, m_owner;
};

struct Step
{
    UINT message;
    CPoint point;
    WPARAM wParam;
};

struct ClickCase
{
    const char* name;
    DWORD style;
    CRect rect;
    CPoint press;
    std::vector<Step> steps;
    DWORD result;
    std::vector<DWORD> draws;
};

class DrawButtonScript : public DrawButtonClick, public ::testing::WithParamInterface<ClickCase>
{
};

TEST_P(DrawButtonScript, DrawsPressedWhileInsideAndReportsAReleaseOverItself)
{
    const ClickCase& c = GetParam();
    CRecordBtn button(c.style, &c.rect);
    for (const Step& step : c.steps)
        Post(step.message, step.point, step.wParam);
    EXPECT_EQ(button.Click(&m_owner, c.press), c.result);
    EXPECT_EQ(button.m_draws, c.draws);
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    EXPECT_EQ(m_owner.m_keys, 0);
}

const CRect kRect(10, 10, 30, 30);
const CRect kSpin(10, 10, 30, 50);
const CPoint kIn(15, 15), kIn2(20, 20), kOut(60, 60);
const ClickCase kClicks[] = {
    {"ReleasedInside", DBS_UP, kRect, kIn, {{WM_LBUTTONUP, kIn, 0}}, DBS_UP | DBS_PUSHED, {0x1001, 0}},
    {"OutAndBackIn",
     DBS_UP,
     kRect,
     kIn,
     {{WM_MOUSEMOVE, kOut, 0}, {WM_MOUSEMOVE, kIn2, 0}, {WM_LBUTTONUP, kIn2, 0}},
     DBS_UP | DBS_PUSHED,
     {0x1001, 0x0001, 0x1001, 0}},
    {"ReleasedOutside", DBS_UP, kRect, kIn, {{WM_MOUSEMOVE, kOut, 0}, {WM_LBUTTONUP, kOut, 0}}, 0, {0x1001, 0x0001}},
    {"Escape", DBS_DOWN, kRect, kIn, {{WM_KEYDOWN, kIn, VK_ESCAPE}, {WM_LBUTTONUP, kIn, 0}}, 0, {0x1002, 0}},
    {"OtherKeysAreSwallowed", DBS_DOWN, kRect, kIn, {{WM_KEYDOWN, kIn, 'A'}, {WM_LBUTTONUP, kIn, 0}},
     DBS_DOWN | DBS_PUSHED, {0x1002, 0}},
    {"RightButton", DBS_CROSS, kRect, kIn, {{WM_RBUTTONDOWN, kIn, 0}, {WM_LBUTTONUP, kIn, 0}}, 0, {0x1008, 0}},
    {"CancelMode", DBS_CROSS, kRect, kIn, {{WM_CANCELMODE, kIn, 0}, {WM_LBUTTONUP, kIn, 0}}, 0, {0x1008, 0}},
    {"Disabled", DBS_UP | DBS_DISABLED, kRect, kIn, {}, 0, {}},
    {"SpinUpperHalf", DBS_SPIN, kSpin, kIn, {{WM_LBUTTONUP, kIn, 0}}, DBS_SPIN | DBS_PUSHED, {0x1005, 0}},
    {"SpinLowerHalf", DBS_SPIN, kSpin, CPoint(15, 40), {{WM_LBUTTONUP, CPoint(15, 40), 0}},
     DBS_SPIN | DBS_PUSHEDLOW, {0x2005, 0}},
    // Only the pressed half counts.
    {"SpinLowerReleasedOnUpper", DBS_SPIN, kSpin, CPoint(15, 40),
     {{WM_MOUSEMOVE, kIn, 0}, {WM_LBUTTONUP, kIn, 0}}, 0, {0x2005, 0x0005}},
};

INSTANTIATE_TEST_SUITE_P(Scripts, DrawButtonScript, ::testing::ValuesIn(kClicks),
                         [](const ::testing::TestParamInfo<ClickCase>& info) { return info.param.name; });

TEST_F(DrawButtonClick, NothingHappensWhileAnotherWindowHoldsTheCapture)
{
    CRecordBtn button(DBS_UP, &kRect);
    ::SetCapture(m_parent.m_hWnd);
    EXPECT_EQ(button.Click(&m_owner, kIn), 0u);
    EXPECT_TRUE(button.m_draws.empty());
    EXPECT_EQ(::GetCapture(), m_parent.m_hWnd);
}

TEST_F(DrawButtonClick, EndsWhenTheOwnerLosesTheCapture)
{
    CRecordBtn button(DBS_UP, &kRect);
    ::PostMessageA(m_owner.m_hWnd, WM_APP, 0, 0); // its handler releases the capture
    ::PostMessageA(m_owner.m_hWnd, WM_NULL, 0, 0);
    Post(WM_LBUTTONUP, kIn);
    EXPECT_EQ(button.Click(&m_owner, kIn), 0u);
    // The release was not taken by the loop.
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, m_owner.m_hWnd, WM_LBUTTONUP, WM_LBUTTONUP, PM_NOREMOVE));
}

TEST_F(DrawButtonClick, TheQuitMessageIsLeftForTheThreadsLoop)
{
    CRecordBtn button(DBS_UP, &kRect);
    ::PostQuitMessage(42);
    EXPECT_EQ(button.Click(&m_owner, kIn), 0u);
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM(42));
}

TEST_F(DrawButtonClick, APressedSpinHalfRepeatsItsCodeToTheParentWhileTheMouseStaysOnIt)
{
    CRecordBtn button(DBS_SPIN, &kSpin);
    std::thread release = ReleaseLater(450, CPoint(15, 40));
    EXPECT_EQ(button.Click(&m_owner, CPoint(15, 40), MAKELONG(7001, 7002)), DWORD(DBS_SPIN | DBS_PUSHEDLOW));
    release.join();
    ASSERT_GE(m_parent.m_commands.size(), 2u);
    for (size_t i = 0; i < m_parent.m_commands.size(); ++i) {
        EXPECT_EQ(m_parent.m_commands[i], MAKEWPARAM(kOwnerId, 7002));
        EXPECT_EQ(m_parent.m_commandSenders[i], LPARAM(m_owner.m_hWnd));
    }
    // The timer is gone with the loop.
    EXPECT_FALSE(::KillTimer(m_owner.m_hWnd, MAKELONG(7001, 7002)));
}

TEST_F(DrawButtonClick, TheRepeatStopsWhileTheMouseIsOutside)
{
    CRecordBtn button(DBS_SPIN, &kSpin);
    Post(WM_MOUSEMOVE, kOut);
    std::thread release = ReleaseLater(450, kOut);
    EXPECT_EQ(button.Click(&m_owner, kIn, MAKELONG(7001, 7002)), 0u);
    release.join();
    EXPECT_TRUE(m_parent.m_commands.empty());
}

TEST_F(DrawButtonClick, ANonClientButtonTracksInWindowCoordinates)
{
    // The owner's border is one pixel: client (x, y) is window (x + 1, y + 1).
    const CRect rect(0, 0, 12, 12);
    CRecordBtn button(DBS_UP | DBS_NONCLIENT, &rect);
    Post(WM_MOUSEMOVE, CPoint(11, 11)); // window (12, 12): outside
    Post(WM_MOUSEMOVE, CPoint(10, 10)); // window (11, 11): inside
    Post(WM_LBUTTONUP, CPoint(10, 10));
    EXPECT_EQ(button.Click(&m_owner, CPoint(5, 5)), DWORD(DBS_UP | DBS_PUSHED));
    EXPECT_EQ(button.m_draws, (std::vector<DWORD>{0x1401, 0x0401, 0x1401, 0}));
}

TEST_F(DrawButtonClick, TheFlatHighlightGoesOnceTheCursorHasLeftTheOwner)
{
    const CRect rect(10, 10, 30, 30);
    CRecordBtn button(DBS_UP | DBS_FLAT, &rect);
    m_owner.m_pButton = &button;
    ::SetCursorPos(5, 5); // far from the owner
    button.CheckForMouseOver(&m_owner, CPoint(15, 15));
    EXPECT_TRUE(button.GetStyle() & DBS_OVER);
    ASSERT_FALSE(button.m_draws.empty());
    EXPECT_EQ(button.m_draws.back(), 0u); // drawn at once in its own (highlighted) style
    const DWORD start = ::GetTickCount();
    EXPECT_TRUE(PumpUntil([&] { return !(button.GetStyle() & DBS_OVER); }, 1500));
    EXPECT_LT(::GetTickCount() - start, 1000u);
    EXPECT_FALSE(::KillTimer(m_owner.m_hWnd, DRAWBTN_OVER_TIMER));
    m_owner.m_pButton = NULL;
}

TEST_F(DrawButtonClick, OnlyFlatButtonsLightUp)
{
    const CRect rect(10, 10, 30, 30);
    CRecordBtn button(DBS_UP, &rect);
    button.CheckForMouseOver(&m_owner, CPoint(15, 15));
    EXPECT_FALSE(button.GetStyle() & DBS_OVER);
    EXPECT_TRUE(button.m_draws.empty());
}

} // namespace
