// The scroll bar's thumb arithmetic, and the bar as its tool bar meets it: real windows, sent
// mouse messages and sent timer ticks.
#include <gtest/gtest.h>

#include <vector>

#include "SkinCache.h"
#include "XScrollBar.h"

namespace
{

struct ThumbCase
{
    const char* what;
    int width, minimum, maximum, page, position;
    int thumbLeft, thumbLength, placedPosition;
};

// Arrows 16 wide: a 148-pixel bar has a 116-pixel track.
const ThumbCase kThumbCases[] = {
    {"page 50 of 200 on a 116 track", 148, 0, 200, 50, 0, 16, 29, 0},
    {"position 150 is the right end", 148, 0, 200, 50, 150, 103, 29, 150},
    {"past the end holds at max - page", 148, 0, 200, 50, 151, 103, 29, 150},
    {"halves round away from zero", 148, 0, 232, 50, 1, 17, 25, 1},
    {"a negative position holds at the minimum", 148, 0, 200, 50, -5, 16, 29, 0},
    {"range 0 fills the track at position 0", 148, 0, 0, 50, 7, 16, 116, 0},
    {"equal ends are range 0 too", 148, 30, 30, 10, 30, 16, 116, 30},
    {"a track of no width", 32, 0, 200, 50, 100, 16, 0, 100},
    {"a track below no width", 20, 0, 200, 50, 100, 16, 0, 100},
};

class ThumbFigures : public ::testing::TestWithParam<ThumbCase>
{
};

TEST_P(ThumbFigures, PlaceThumbFromPosition)
{
    const ThumbCase& c = GetParam();
    XScrollGeometry g;
    g.width = c.width;
    g.minimum = c.minimum;
    g.maximum = c.maximum;
    g.page = c.page;
    g.position = c.position;
    g.SizeThumb();
    g.PlaceThumb();
    EXPECT_EQ(c.thumbLength, g.thumbLength) << c.what;
    EXPECT_EQ(c.thumbLeft, g.thumbLeft) << c.what;
    EXPECT_EQ(c.placedPosition, g.position) << c.what;
    // Back from the thumb: never a division by zero, always inside 0 ... range.
    g.PositionFromThumb();
    EXPECT_GE(g.position, 0) << c.what;
    EXPECT_LE(g.position, g.Range() > 0 ? g.Range() : g.minimum) << c.what;
    EXPECT_GE(g.PagePixels(), 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, ThumbFigures, ::testing::ValuesIn(kThumbCases));

struct Notice
{
    int code;
    int position;
};

// The tool bar stand-in: notes the scroll notifications.
class CBarStandIn : public CWnd
{
public:
    std::vector<Notice> notices;
    BOOL Make()
    {
        return CreateEx(0, NULL, "bar", WS_POPUP | WS_VISIBLE, 0, 0, 400, 16, NULL, NULL);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CHART_SCROLL_ACTION)
        {
            notices.push_back({HIWORD(wParam), LOWORD(wParam)});
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class ScrollBarWindow : public ::testing::Test
{
protected:
    CSkinCache skins;
    CBarStandIn bar;
    CXScrollBar scroll;

    void SetUp() override
    {
        skins.Load();
        ASSERT_TRUE(bar.Make());
        TBBUTTONPROP prop;
        prop.nKind = TBKIND_SCROLLBAR;
        prop.nID = 10000;
        ASSERT_TRUE(scroll.Create(&bar, prop, &skins));
        scroll.MoveWindow(0, 0, 148, 16);
        scroll.SetEmntRect(CRect(0, 0, 148, 16));
        scroll.SetScrollRange(0, 200, 50);
        scroll.SetScrollPos(150);
    }
    void TearDown() override
    {
        scroll.DestroyWindow();
        bar.DestroyWindow();
    }
};

TEST_F(ScrollBarWindow, ClickOnTheRightArrowAtTheEndStaysAtTheEnd)
{
    scroll.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(140, 8));
    scroll.SendMessage(WM_LBUTTONUP, 0, At(140, 8));
    ASSERT_EQ(1u, bar.notices.size());
    EXPECT_EQ(XSB_STEP_RIGHT, bar.notices[0].code);
    EXPECT_EQ(150, bar.notices[0].position);
    EXPECT_EQ(103, scroll.Geometry().thumbLeft);
}

TEST_F(ScrollBarWindow, HoldingAnArrowStepsOnEveryRepeatTickAndOnceOnRelease)
{
    scroll.SetScrollPos(100);
    scroll.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 8));
    EXPECT_TRUE(bar.notices.empty()); // the press itself does not step
    scroll.SendMessage(WM_TIMER, 2, 0); // the delay: starts the repeat
    EXPECT_TRUE(bar.notices.empty());
    scroll.SendMessage(WM_TIMER, 1, 0);
    scroll.SendMessage(WM_TIMER, 1, 0);
    scroll.SendMessage(WM_LBUTTONUP, 0, At(5, 8));
    ASSERT_EQ(3u, bar.notices.size());
    EXPECT_EQ(99, bar.notices[0].position);
    EXPECT_EQ(97, bar.notices[2].position);
    EXPECT_EQ(XSB_STEP_LEFT, bar.notices[2].code);
}

TEST_F(ScrollBarWindow, ChannelPressJumpsAPageAndDragFollowsThePointer)
{
    scroll.SetScrollPos(0);
    scroll.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(100, 8)); // right of the thumb
    scroll.SendMessage(WM_LBUTTONUP, 0, At(100, 8));
    ASSERT_EQ(1u, bar.notices.size());
    EXPECT_EQ(XSB_MOVED, bar.notices[0].code);
    EXPECT_EQ(50, bar.notices[0].position); // 29 px of 116 for 200 items
    bar.notices.clear();
    const int left = scroll.Geometry().thumbLeft;
    scroll.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(left + 5, 8));
    scroll.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(left + 5 + 29, 8));
    scroll.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(left + 5 + 500, 8)); // far past the end
    scroll.SendMessage(WM_LBUTTONUP, 0, At(left + 5 + 500, 8));
    ASSERT_GE(bar.notices.size(), 2u);
    EXPECT_EQ(100, bar.notices[0].position);
    EXPECT_EQ(150, bar.notices.back().position);
    EXPECT_EQ(103, scroll.Geometry().thumbLeft);
}

TEST_F(ScrollBarWindow, RangeZeroAndANarrowBarNeverDivideByZero)
{
    scroll.SetScrollRange(0, 0, 20);
    scroll.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(100, 8));
    scroll.SendMessage(WM_LBUTTONUP, 0, At(100, 8));
    EXPECT_EQ(0, scroll.GetScrollPos());
    scroll.MoveWindow(0, 0, 20, 16);
    scroll.SetEmntRect(CRect(0, 0, 20, 16));
    scroll.SetScrollRange(0, 200, 50);
    scroll.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 8));
    scroll.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(15, 8));
    scroll.SendMessage(WM_LBUTTONUP, 0, At(15, 8));
    scroll.UpdateWindow();
    SUCCEED();
}

struct RepaintCase
{
    const char* what;
    int maximum, page, position;       // before, with minimum 0
    int nextMaximum, nextPage, nextPosition;
    bool repaints;
};

// A live chart sets the range and position on every new bar: the bar paints again only when the
// thumb lands on other pixels. 148 wide: a 116-pixel track.
const RepaintCase kRepaintCases[] = {
    {"the whole series shown, one item more", 200, 200, 0, 201, 201, 0, false},
    {"nothing changes", 200, 50, 150, 200, 50, 150, false},
    {"a step of one item within a pixel", 2000, 50, 1000, 2000, 50, 1001, false},
    {"a step of a page", 200, 50, 100, 200, 50, 150, true},
    {"more items shrink the thumb", 200, 50, 0, 400, 50, 0, true},
};

class ThumbRepaint : public ScrollBarWindow, public ::testing::WithParamInterface<RepaintCase>
{
};

TEST_P(ThumbRepaint, OnlyWhenTheThumbMoves)
{
    const RepaintCase& c = GetParam();
    SCOPED_TRACE(c.what);
    scroll.SetScrollRange(0, c.maximum, c.page);
    scroll.SetScrollPos(c.position);
    scroll.ValidateRect(nullptr);
    scroll.SetScrollRange(0, c.nextMaximum, c.nextPage);
    scroll.SetScrollPos(c.nextPosition);
    EXPECT_EQ(c.repaints, scroll.GetUpdateRect(nullptr) != FALSE);
}

INSTANTIATE_TEST_SUITE_P(Table, ThumbRepaint, ::testing::ValuesIn(kRepaintCases));

TEST_F(ScrollBarWindow, InformationIsTheConstructionTemplate)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    scroll.GetScrollInfo(&info);
    EXPECT_EQ(UINT(SIF_ALL), info.fMask);
    EXPECT_EQ(0, info.nMin);
    EXPECT_EQ(100, info.nMax);
    EXPECT_EQ(10u, info.nPage);
    EXPECT_EQ(0, info.nPos); // not the live 150
}

} // namespace
