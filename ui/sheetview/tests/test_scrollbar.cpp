// The skinned scroll bar on real windows: the layout of arrows, thumb and page areas for
// ranges, pages and positions; the scroll-bar control messages and the framework's wrappers;
// what its owner hears from presses (repeats driven by sent timer messages), drags, the wheel
// and keys; its bitmaps by part and state; taking the place of a standard bar.
#include <gtest/gtest.h>

#include <climits>

#include "list_fixture.h"

namespace {

const int kThick = 17;

class ScrollBarTest : public ::testing::Test
{
protected:
    CScrollRecorder owner;
    CXeScrollBar bar;

    // A bar whose channel (between the two 17-pixel arrows) is `channel` pixels long.
    void Make(DWORD orientation, int channel, int min, int max, UINT page, int pos, DWORD extra = 0)
    {
        const int length = channel + 2 * kThick;
        const CRect rect = orientation == SBS_VERT ? CRect(10, 10, 10 + kThick, 10 + length)
                                                   : CRect(10, 10, 10 + length, 10 + kThick);
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | orientation | extra, rect, &owner, 77));
        SCROLLINFO info = {sizeof info, SIF_ALL, min, max, page, pos, 0};
        bar.SetScrollInfo(&info, TRUE);
    }
    int Along(const CRect& r) const { return bar.IsHorizontal() ? r.left : r.top; }
    int Length(const CRect& r) const { return bar.IsHorizontal() ? r.Width() : r.Height(); }
    CPoint Centre(const CRect& r) const { return r.CenterPoint(); }
    void Press(const CRect& r) { bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Centre(r).x, Centre(r).y)); }
    void Release(const CRect& r) { bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(Centre(r).x, Centre(r).y)); }
    // The desktop can bring an older pointer position back after a warp (more often on a busy
    // machine): the pointer is moved until it stays where it was put.
    void CursorOver(const CRect& r)
    {
        CPoint p = Centre(r);
        bar.ClientToScreen(&p);
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 10000) {
            ::SetCursorPos(p.x, p.y);
            // The desktop's news is read while messages are looked at; the bar's own timers
            // stay queued (the test sends them).
            MSG msg;
            while (::PeekMessage(&msg, NULL, 0, WM_TIMER - 1, PM_REMOVE) ||
                   ::PeekMessage(&msg, NULL, WM_TIMER + 1, 0xFFFF, PM_REMOVE))
                ::DispatchMessage(&msg);
            POINT now;
            ::GetCursorPos(&now);
            if (CPoint(now) == p)
                return;
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT); // the desktop's next news
        }
        ADD_FAILURE() << "the pointer did not stay at " << p.x << "," << p.y << " within 10 s";
    }
};

struct LayoutCase
{
    DWORD orientation;
    int channel, min, max;
    UINT page;
    int pos;
    int thumbStart, thumbLength; // along the bar; length 0: no thumb
};

TEST_F(ScrollBarTest, LayoutOfThumbAndPagesByRangePageAndPosition)
{
    const LayoutCase cases[] = {
        {SBS_HORZ, 100, 0, 99, 10, 0, 17, 10},  // one pixel a unit: page 10 gives 10 pixels
        {SBS_HORZ, 100, 0, 99, 10, 90, 107, 10},
        {SBS_HORZ, 100, 0, 99, 1, 0, 17, 8},    // page 1: the 8-pixel minimum
        {SBS_HORZ, 100, 0, 99, 1, 50, 63, 8},   // the grown thumb moves back by (8 - 1) / 100 x 50
        {SBS_HORZ, 100, 0, 99, 1, 99, 109, 8},  // and stays inside the channel
        {SBS_VERT, 200, 0, 99, 10, 0, 17, 20},
        {SBS_VERT, 200, 0, 99, 50, 25, 67, 100},
        {SBS_HORZ, 100, INT_MIN, INT_MAX, 0, 0, 63, 8}, // a range over the whole int: computed wide
        {SBS_HORZ, 8, 0, 99, 10, 0, 0, 0},       // channel no longer than the minimum thumb
        {SBS_HORZ, -4, 0, 99, 10, 0, 0, 0},      // shorter than two arrows
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "channel " << c.channel << " page " << c.page << " pos " << c.pos);
        Make(c.orientation, c.channel, c.min, c.max, c.page, c.pos);
        const CRect thumb = bar.GetThumbRect();
        if (c.thumbLength == 0) {
            EXPECT_TRUE(thumb.IsRectEmpty());
            EXPECT_TRUE(bar.GetPageAfterRect().IsRectEmpty());
        } else {
            EXPECT_EQ(c.thumbStart, Along(thumb));
            EXPECT_EQ(c.thumbLength, Length(thumb));
            // The page areas fill the channel before and after the thumb (empty when none is left).
            const CRect before = bar.GetPageBeforeRect(), after = bar.GetPageAfterRect();
            EXPECT_EQ(Along(thumb) - kThick, Length(before));
            if (!before.IsRectEmpty())
                EXPECT_EQ(kThick, Along(before));
            EXPECT_EQ(kThick + c.channel - Along(thumb) - Length(thumb), Length(after));
            if (!after.IsRectEmpty())
                EXPECT_EQ(Along(thumb) + Length(thumb), Along(after));
        }
        bar.DestroyWindow();
    }
}

TEST_F(ScrollBarTest, ArrowsTakeTheThicknessOrHalfOfAShortBar)
{
    Make(SBS_HORZ, 100, 0, 99, 10, 0);
    EXPECT_EQ(CRect(0, 0, 17, 17), bar.GetArrow1Rect());
    EXPECT_EQ(CRect(117, 0, 134, 17), bar.GetArrow2Rect());
    bar.DestroyWindow();
    Make(SBS_VERT, -10, 0, 99, 10, 0); // 24 pixels long
    EXPECT_EQ(CRect(0, 0, 17, 12), bar.GetArrow1Rect());
    EXPECT_EQ(CRect(0, 12, 17, 24), bar.GetArrow2Rect());
    EXPECT_TRUE(bar.GetThumbRect().IsRectEmpty());
}

TEST_F(ScrollBarTest, ControlMessagesRoundTrip)
{
    Make(SBS_HORZ, 100, 0, 99, 10, 0);
    EXPECT_EQ(0, bar.SendMessage(SBM_SETPOS, 40, TRUE));
    EXPECT_EQ(40, bar.SendMessage(SBM_GETPOS));
    EXPECT_EQ(40, bar.SendMessage(SBM_SETPOS, 500, FALSE)); // kept within max - page + 1
    EXPECT_EQ(90, bar.GetScrollPos());
    EXPECT_EQ(90, bar.SendMessage(SBM_SETRANGE, 50, 10)); // the larger is the maximum; the position moved
    int lo = -1, hi = -1;
    bar.GetScrollRange(&lo, &hi);
    EXPECT_EQ(10, lo);
    EXPECT_EQ(50, hi);
    EXPECT_EQ(41, bar.GetScrollPos());
    EXPECT_EQ(0, bar.SendMessage(SBM_SETRANGEREDRAW, 0, 99)); // unchanged position: 0

    SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE, 5, 8, 20, 0, 0};
    bar.SetScrollInfo(&info, TRUE);
    SCROLLINFO got = {sizeof got, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(bar.GetScrollInfo(&got, SIF_ALL));
    EXPECT_EQ(5, got.nMin);
    EXPECT_EQ(8, got.nMax);
    EXPECT_EQ(4u, got.nPage); // cut to the range's size
    EXPECT_EQ(5, got.nPos);

    SCROLLINFO wrong = {sizeof(SCROLLINFO) - 1, SIF_ALL, 0, 0, 0, 0, 0};
    EXPECT_EQ(0, bar.SendMessage(SBM_GETSCROLLINFO, 0, (LPARAM)&wrong));
    EXPECT_EQ(0, bar.SendMessage(SBM_SETSCROLLINFO, TRUE, (LPARAM)&wrong));

    SCROLLBARINFO sbi;
    sbi.cbSize = sizeof sbi;
    ASSERT_TRUE(bar.SendMessage(SBM_GETSCROLLBARINFO, 0, (LPARAM)&sbi));
    EXPECT_EQ(17, sbi.dxyLineButton);

    bar.SendMessage(SBM_ENABLE_ARROWS, ESB_DISABLE_BOTH);
    EXPECT_FALSE(bar.IsWindowEnabled());
    EXPECT_TRUE(bar.GetThumbRect().IsRectEmpty()); // a disabled bar shows no thumb
    bar.SendMessage(SBM_ENABLE_ARROWS, ESB_DISABLE_LTUP);
    EXPECT_TRUE(bar.IsWindowEnabled());
}

TEST_F(ScrollBarTest, HeldArrowRepeatsOnTimersWhileTheCursorStaysOnIt)
{
    Make(SBS_HORZ, 100, 0, 99, 10, 0);
    const CRect arrow = bar.GetArrow2Rect();
    CursorOver(arrow);
    Press(arrow);
    EXPECT_EQ(std::vector<UINT>({SB_LINEDOWN}), owner.Codes());
    bar.SendMessage(WM_TIMER, CXeScrollBarBase::TIMER_DELAY);
    bar.SendMessage(WM_TIMER, CXeScrollBarBase::TIMER_REPEAT);
    bar.SendMessage(WM_TIMER, CXeScrollBarBase::TIMER_REPEAT);
    EXPECT_EQ(std::vector<UINT>({SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN}), owner.Codes());
    CursorOver(bar.GetArrow1Rect()); // off the pressed arrow: no more steps
    bar.SendMessage(WM_TIMER, CXeScrollBarBase::TIMER_REPEAT);
    Release(arrow);
    EXPECT_EQ(std::vector<UINT>({SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_ENDSCROLL}), owner.Codes());
    for (const ScrollNote& n : owner.notes) {
        EXPECT_EQ((UINT)WM_HSCROLL, n.message);
        EXPECT_EQ(bar.m_hWnd, n.bar);
    }
}

TEST_F(ScrollBarTest, PagePressesAndTheFirstArrowSendTheirCodes)
{
    Make(SBS_VERT, 100, 0, 99, 10, 50);
    const CRect before = bar.GetPageBeforeRect(), after = bar.GetPageAfterRect(), up = bar.GetArrow1Rect();
    Press(before);
    Release(before);
    Press(after);
    Release(after);
    Press(up);
    Release(up);
    EXPECT_EQ(std::vector<UINT>({SB_PAGEUP, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL, SB_LINEUP, SB_ENDSCROLL}),
              owner.Codes());
    EXPECT_EQ((UINT)WM_VSCROLL, owner.notes[0].message);
}

TEST_F(ScrollBarTest, ThumbDragTracksThenSetsThePosition)
{
    Make(SBS_HORZ, 100, 0, 99, 10, 0);
    const CRect thumb = bar.GetThumbRect();
    const CPoint grab = thumb.CenterPoint();
    Press(thumb);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(grab.x + 30, grab.y));
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(grab.x + 30, grab.y)); // same place: nothing new
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(grab.x + 500, grab.y)); // kept to the last position
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(grab.x + 500, grab.y));
    ASSERT_EQ(3u, owner.notes.size());
    EXPECT_EQ((UINT)SB_THUMBTRACK, owner.notes[0].code);
    EXPECT_EQ(30, owner.notes[0].pos);
    EXPECT_EQ((UINT)SB_THUMBTRACK, owner.notes[1].code);
    EXPECT_EQ(90, owner.notes[1].pos);
    EXPECT_EQ((UINT)SB_THUMBPOSITION, owner.notes[2].code);
    EXPECT_EQ(90, owner.notes[2].pos);
    EXPECT_EQ(0, bar.GetScrollPos()); // the owner moves the bar, not the drag
}

TEST_F(ScrollBarTest, WheelStepsAVerticalBarOnlyByWholeNotches)
{
    Make(SBS_VERT, 100, 0, 99, 10, 0);
    bar.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -240), 0);
    bar.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);
    bar.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(std::vector<UINT>({SB_LINEDOWN, SB_LINEDOWN, SB_ENDSCROLL, SB_LINEUP, SB_ENDSCROLL}), owner.Codes());
    bar.DestroyWindow();
    owner.notes.clear();
    Make(SBS_HORZ, 100, 0, 99, 10, 0);
    bar.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -240), 0);
    EXPECT_TRUE(owner.notes.empty());
}

TEST_F(ScrollBarTest, KeysSendTheirCodesAndKeyUpEndsTheScroll)
{
    Make(SBS_VERT, 100, 0, 99, 10, 0);
    const struct
    {
        UINT key, code;
    } keys[] = {{VK_PRIOR, SB_PAGEUP}, {VK_NEXT, SB_PAGEDOWN}, {VK_END, SB_BOTTOM}, {VK_HOME, SB_TOP},
                {VK_LEFT, SB_LINEUP},  {VK_UP, SB_LINEUP},     {VK_RIGHT, SB_LINEDOWN}, {VK_DOWN, SB_LINEDOWN}};
    for (const auto& k : keys) {
        owner.notes.clear();
        bar.SendMessage(WM_KEYDOWN, k.key, 1);
        bar.SendMessage(WM_KEYUP, k.key, 0xC0000001);
        EXPECT_EQ(std::vector<UINT>({k.code, SB_ENDSCROLL}), owner.Codes()) << k.key;
    }
    EXPECT_EQ((LRESULT)DLGC_WANTARROWS, bar.SendMessage(WM_GETDLGCODE));
}

TEST_F(ScrollBarTest, ContextMenuCommandsScroll)
{
    Make(SBS_HORZ, 100, 0, 99, 10, 0);
    const struct
    {
        UINT command, code;
    } commands[] = {{CXeScrollBarBase::CMD_LINE_UP, SB_LINEUP},     {CXeScrollBarBase::CMD_LINE_DOWN, SB_LINEDOWN},
                    {CXeScrollBarBase::CMD_PAGE_UP, SB_PAGEUP},     {CXeScrollBarBase::CMD_PAGE_DOWN, SB_PAGEDOWN},
                    {CXeScrollBarBase::CMD_TOP, SB_TOP},            {CXeScrollBarBase::CMD_BOTTOM, SB_BOTTOM}};
    for (const auto& c : commands) {
        owner.notes.clear();
        bar.SendMessage(WM_COMMAND, MAKEWPARAM(c.command, 0), 0);
        EXPECT_EQ(std::vector<UINT>({c.code, SB_ENDSCROLL}), owner.Codes()) << c.command;
    }
}

TEST_F(ScrollBarTest, PartsAreDrawnFromTheBitmapOfTheirState)
{
    Make(SBS_HORZ, 100, 0, 99, 10, 50);
    {
        ListPicture picture(bar);
        // Arrows are as large as their bitmap region; page fills tile 1:1.
        EXPECT_EQ(BarBitmapPixel(IDB_XSB_HORZ_NORMAL, 3, 8), picture.Pixel(3, 8));
        EXPECT_EQ(BarBitmapPixel(IDB_XSB_HORZ_NORMAL, 61 + 7, 8), picture.Pixel(117 + 7, 8));
        EXPECT_EQ(BarBitmapPixel(IDB_XSB_HORZ_NORMAL, 20, 8), picture.Pixel(20, 8));
        const CRect thumb = bar.GetThumbRect();
        EXPECT_EQ(BarBitmapPixel(IDB_XSB_HORZ_NORMAL, 27, 8), picture.Pixel(thumb.left, 8)); // start cap
    }
    const CRect thumb = bar.GetThumbRect();
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(thumb.CenterPoint().x, 8));
    EXPECT_EQ(CXeScrollBarBase::STATE_HOT, bar.GetAreaState(CXeScrollBarBase::AREA_THUMB));
    {
        ListPicture picture(bar);
        EXPECT_EQ(BarBitmapPixel(IDB_XSB_HORZ_HOT, 27, 8), picture.Pixel(thumb.left, 8));
        EXPECT_EQ(BarBitmapPixel(IDB_XSB_HORZ_NORMAL, 3, 8), picture.Pixel(3, 8));
    }
    Press(bar.GetArrow1Rect());
    {
        ListPicture picture(bar);
        EXPECT_EQ(BarBitmapPixel(IDB_XSB_HORZ_PRESSED, 3, 8), picture.Pixel(3, 8));
    }
    Release(bar.GetArrow1Rect());
    bar.EnableWindow(FALSE);
    {
        ListPicture picture(bar);
        EXPECT_EQ(BarBitmapPixel(IDB_XSB_HORZ_DISABLED, 3, 8), picture.Pixel(3, 8));
        EXPECT_EQ(BarBitmapPixel(IDB_XSB_HORZ_DISABLED, 20, 8), picture.Pixel(60, 8)); // all channel
    }
}

TEST_F(ScrollBarTest, TheGripBlinksOnlyWhileTheBarHasTheFocus)
{
    Make(SBS_HORZ, 100, 0, 99, 40, 0); // a 40-pixel thumb: room for the grip
    const CRect thumb = bar.GetThumbRect();
    const int gripLine = thumb.left + thumb.Width() / 2 - 4 + 1; // the grip's first dark line
    const COLORREF grip = BarBitmapPixel(IDB_XSB_HORZ_NORMAL, 27 + 9, 8);
    const COLORREF fill = BarBitmapPixel(IDB_XSB_HORZ_NORMAL, 27 + 5, 8);
    ASSERT_NE(grip, fill);
    EXPECT_EQ(grip, ListPicture(bar).Pixel(gripLine, 8));
    bar.SendMessage(WM_TIMER, CXeScrollBarBase::TIMER_BLINK);
    EXPECT_EQ(fill, ListPicture(bar).Pixel(gripLine, 8));
    bar.SendMessage(WM_TIMER, CXeScrollBarBase::TIMER_BLINK);
    EXPECT_EQ(grip, ListPicture(bar).Pixel(gripLine, 8));
    bar.SendMessage(WM_TIMER, CXeScrollBarBase::TIMER_BLINK);
    bar.SendMessage(WM_KILLFOCUS, 0, 0); // without the focus the grip stays
    EXPECT_EQ(grip, ListPicture(bar).Pixel(gripLine, 8));
}

TEST_F(ScrollBarTest, VerticalBarsUseTheirOwnBitmaps)
{
    Make(SBS_VERT, 100, 0, 99, 10, 0);
    ListPicture picture(bar);
    EXPECT_EQ(BarBitmapPixel(IDB_XSB_VERT_NORMAL, 8, 3), picture.Pixel(8, 3));
    EXPECT_EQ(BarBitmapPixel(IDB_XSB_VERT_NORMAL, 8, 51), picture.Pixel(8, 17 + 10 + 30)); // page after, first tile
}

TEST_F(ScrollBarTest, TakesThePlaceOfAStandardBar)
{
    CScrollBar standard;
    ASSERT_TRUE(standard.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(50, 20, 90, 220), &owner, 42));
    SCROLLINFO info = {sizeof info, SIF_ALL, 0, 49, 5, 12, 0};
    standard.SetScrollInfo(&info, TRUE);
    EXPECT_FALSE(bar.CreateFromExisting(&owner, 43));
    ASSERT_TRUE(bar.CreateFromExisting(&owner, 42));
    EXPECT_EQ(bar.m_hWnd, ::GetDlgItem(owner.m_hWnd, 42));
    CRect rect;
    bar.GetWindowRect(&rect);
    owner.ScreenToClient(&rect);
    EXPECT_EQ(CRect(50, 20, 50 + ::GetSystemMetrics(SM_CXVSCROLL), 220), rect);
    SCROLLINFO got = {sizeof got, SIF_ALL, 0, 0, 0, 0, 0};
    bar.GetScrollInfo(&got, SIF_ALL);
    EXPECT_EQ(49, got.nMax);
    EXPECT_EQ(5u, got.nPage);
    EXPECT_EQ(12, got.nPos);
    EXPECT_FALSE(bar.IsHorizontal());
}

} // namespace
