// The tooltip window as a user meets it: shown beside the point with the mouse captured, and
// gone, with the capture given up, on a key press, a button press, a move away or a hide; the
// input it takes reaches the window beneath.
#include <gtest/gtest.h>

#include <vector>

#include "MSToolTipCtrl.h"

namespace
{

struct Seen
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A top-most window at (100, 100) of 300 x 200 that notes the input it gets.
class COwner : public CWnd
{
public:
    std::vector<Seen> seen;

    BOOL Make()
    {
        return CreateEx(WS_EX_TOPMOST, NULL, "owner", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, NULL, NULL);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message)
        {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_TOOLTIP_LEFT:
            seen.push_back({message, wParam, lParam});
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    const Seen* Find(UINT message) const
    {
        for (const Seen& s : seen)
            if (s.message == message)
                return &s;
        return nullptr;
    }
};

void Pump()
{
    MSG msg;
    for (int round = 0; round < 3; ++round)
    {
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        ::Sleep(10);
    }
}

class Tooltip : public ::testing::Test
{
protected:
    COwner owner;
    CMSToolTipCtrl tip;

    void SetUp() override
    {
        ASSERT_TRUE(owner.Make());
        ASSERT_TRUE(tip.Create(&owner));
        tip.ShowText(CPoint(200, 200), "1,234");
        Pump();
        ASSERT_TRUE(tip.IsWindowVisible());
        ASSERT_EQ(tip.m_hWnd, ::GetCapture());
    }
    void TearDown() override
    {
        tip.DestroyWindow();
        owner.DestroyWindow();
    }
    // A point of the screen in the tooltip's client coordinates.
    LPARAM FromScreen(int x, int y)
    {
        CPoint p(x, y);
        tip.ScreenToClient(&p);
        return MAKELPARAM(p.x, p.y);
    }
    void ExpectGone()
    {
        EXPECT_FALSE(tip.IsWindowVisible());
        EXPECT_NE(tip.m_hWnd, ::GetCapture());
    }
};

TEST_F(Tooltip, ShownRightOfThePointVerticallyCentredAsATopMostToolWindow)
{
    CRect rect;
    tip.GetWindowRect(&rect);
    EXPECT_EQ(200, rect.left);
    EXPECT_LE(std::abs((rect.top + rect.bottom) / 2 - 200), 1);
    EXPECT_TRUE(tip.GetExStyle() & WS_EX_TOPMOST);
    EXPECT_TRUE(tip.GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_EQ(NULL, ::GetParent(tip.m_hWnd));
    char name[64] = {};
    ::GetClassNameA(tip.m_hWnd, name, sizeof name);
    EXPECT_STREQ("MSToolTip Control", name);

    tip.ShowText(CPoint(300, 200), "1,234", TRUE);
    tip.GetWindowRect(&rect);
    EXPECT_EQ(300, rect.right);
}

struct KeyCase
{
    UINT message;
    WPARAM key;
};

class TooltipKey : public Tooltip, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(TooltipKey, HidesItAndReachesTheOwner)
{
    const KeyCase& c = GetParam();
    ::PostMessage(tip.m_hWnd, c.message, c.key, MAKELPARAM(1, 0));
    Pump();
    ExpectGone();
    const Seen* key = owner.Find(c.message);
    ASSERT_NE(nullptr, key);
    EXPECT_EQ(c.key, key->wParam);
    EXPECT_EQ(1, LOWORD(key->lParam));
}

INSTANTIATE_TEST_SUITE_P(Table, TooltipKey,
                         ::testing::Values(KeyCase{WM_KEYDOWN, VK_F5}, KeyCase{WM_KEYDOWN, VK_ESCAPE},
                                           KeyCase{WM_SYSKEYDOWN, 'X'}));

struct ButtonCase
{
    UINT message;
    UINT expected;
};

class TooltipButton : public Tooltip, public ::testing::WithParamInterface<ButtonCase>
{
};

// Pressed over the owner's client area at screen (150, 150), that is (50, 50) of the owner.
TEST_P(TooltipButton, HidesItAndGoesToTheWindowBeneath)
{
    const ButtonCase& c = GetParam();
    ::SendMessage(tip.m_hWnd, c.message, 0, FromScreen(150, 150));
    Pump();
    ExpectGone();
    const Seen* press = owner.Find(c.expected);
    ASSERT_NE(nullptr, press);
    EXPECT_EQ(50, short(LOWORD(press->lParam)));
    EXPECT_EQ(50, short(HIWORD(press->lParam)));
}

INSTANTIATE_TEST_SUITE_P(Table, TooltipButton,
                         ::testing::Values(ButtonCase{WM_LBUTTONDOWN, WM_LBUTTONDOWN},
                                           ButtonCase{WM_RBUTTONDOWN, WM_RBUTTONDOWN},
                                           ButtonCase{WM_MBUTTONDOWN, WM_MBUTTONDOWN}));

TEST_F(Tooltip, MoveAwayTellsTheWindowBeneathAndPassesTheMoveOn)
{
    ::SendMessage(tip.m_hWnd, WM_MOUSEMOVE, 0, FromScreen(130, 120));
    Pump();
    ExpectGone();
    EXPECT_NE(nullptr, owner.Find(WM_TOOLTIP_LEFT));
    const Seen* move = owner.Find(WM_MOUSEMOVE);
    ASSERT_NE(nullptr, move);
    EXPECT_EQ(30, short(LOWORD(move->lParam)));
    EXPECT_EQ(20, short(HIWORD(move->lParam)));
}

TEST_F(Tooltip, MoveWithinKeepsItShown)
{
    CRect rect;
    tip.GetWindowRect(&rect);
    ::SendMessage(tip.m_hWnd, WM_MOUSEMOVE, 0, FromScreen(rect.left + 1, rect.top + 1));
    Pump();
    EXPECT_TRUE(tip.IsWindowVisible());
    EXPECT_EQ(tip.m_hWnd, ::GetCapture());
    EXPECT_EQ(nullptr, owner.Find(WM_TOOLTIP_LEFT));
}

TEST_F(Tooltip, HidingGivesUpTheCapture)
{
    tip.HideTip();
    ExpectGone();
    // Shown again it holds the capture again; a table shows the same way.
    tip.ShowTable(CPoint(200, 200), "시가\x14\x14" "1,000\x15\x15\x16\x16" "일자(시간)\x14\x14" "01/02 0930\x15\x15");
    EXPECT_TRUE(tip.IsWindowVisible());
    EXPECT_EQ(tip.m_hWnd, ::GetCapture());
    HWND shown = tip.m_hWnd;
    tip.DestroyWindow();
    EXPECT_NE(shown, ::GetCapture());
}

TEST_F(Tooltip, CaptureTakenByAnotherWindowHidesIt)
{
    owner.SetCapture();
    Pump();
    EXPECT_FALSE(tip.IsWindowVisible());
    ::ReleaseCapture();
}

} // namespace
