// The link's image button: mouse states and clicks from real mouse messages, and what it paints
// for each state, with bitmaps or with colour sets.
#include <gtest/gtest.h>

#include <afxwin.h>

#include "ImgButton.h"
#include "LinkTestSupport.h"

using namespace link_test;

namespace {

const UINT kButtonID = 77;
const CRect kPlace(10, 10, 90, 40);

class Button : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_button.Create("", WS_CHILD | WS_VISIBLE, kPlace, CWnd::FromHandle(m_parent.Handle()), kButtonID));
        ::ShowWindow(m_parent.Handle(), SW_SHOWNOACTIVATE);
    }

    // Puts the cursor inside or outside the button; false when the display does not follow.
    // Pointer events queued before the move can still carry the old position, so the move is
    // checked again after they have been handled.
    bool PutCursor(bool inside)
    {
        CRect window;
        m_button.GetWindowRect(&window);
        const CPoint target = inside ? window.CenterPoint() : CPoint(window.right + 200, window.bottom + 200);
        for (int attempt = 0; attempt < 5; ++attempt) {
            ::SetCursorPos(target.x, target.y);
            PumpFor(50);
            CPoint now;
            ::GetCursorPos(&now);
            if (now != target)
                continue;
            PumpFor(50);
            ::GetCursorPos(&now);
            if (now == target)
                return true;
        }
        return false;
    }

    void Send(UINT message)
    {
        m_button.SendMessage(message, MK_LBUTTON, MAKELPARAM(5, 5));
    }

    int Clicks()
    {
        PumpFor(30);
        int clicks = 0;
        for (const auto& c : m_parent.commands) {
            EXPECT_EQ(MAKEWPARAM(kButtonID, BN_CLICKED), c.first);
            EXPECT_EQ(reinterpret_cast<LPARAM>(m_button.GetSafeHwnd()), c.second);
            ++clicks;
        }
        return clicks;
    }

    // Paints the button into a memory bitmap (pre-filled with `under`) and reads one pixel.
    COLORREF Pixel(int x, int y, COLORREF under = RGB(1, 2, 3))
    {
        HDC screen = ::GetDC(NULL);
        HDC dc = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, kPlace.Width(), kPlace.Height());
        ::ReleaseDC(NULL, screen);
        HGDIOBJ old = ::SelectObject(dc, bitmap);
        CRect all(0, 0, kPlace.Width(), kPlace.Height());
        HBRUSH brush = ::CreateSolidBrush(under);
        ::FillRect(dc, &all, brush);
        ::DeleteObject(brush);
        DRAWITEMSTRUCT dis = {ODT_BUTTON, kButtonID, 0, ODA_DRAWENTIRE, 0, m_button.GetSafeHwnd(), dc, all, 0};
        m_button.DrawItem(&dis);
        const COLORREF pixel = ::GetPixel(dc, x, y);
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
        return pixel;
    }

    RecordingWindow m_parent;
    CImgButton m_button;
};

TEST_F(Button, APressAndReleaseOnTheButtonClicksIt)
{
    if (!PutCursor(true))
        GTEST_SKIP() << "the cursor cannot be placed on this display";
    Send(WM_LBUTTONDOWN);
    EXPECT_EQ(CImgButton::kStatePressed, m_button.GetCurState());
    EXPECT_EQ(m_button.GetSafeHwnd(), ::GetCapture());
    Send(WM_LBUTTONUP);
    EXPECT_EQ(CImgButton::kStateOver, m_button.GetCurState());
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(1, Clicks());
    EXPECT_TRUE(m_button.GetCheckFlag());
}

TEST_F(Button, AReleaseOffTheButtonDoesNotClick)
{
    if (!PutCursor(false))
        GTEST_SKIP() << "the cursor cannot be placed on this display";
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(CImgButton::kStateOver, m_button.GetCurState());
    EXPECT_EQ(0, Clicks());
    EXPECT_FALSE(m_button.GetCheckFlag());
}

TEST_F(Button, ADoubleClickClicksOnceMore)
{
    if (!PutCursor(true))
        GTEST_SKIP() << "the cursor cannot be placed on this display";
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONUP);
    Send(WM_LBUTTONDBLCLK);
    EXPECT_EQ(CImgButton::kStatePressed, m_button.GetCurState());
    Send(WM_LBUTTONUP);
    EXPECT_EQ(2, Clicks());
    EXPECT_FALSE(m_button.GetCheckFlag()) << "two clicks restore the check flag";
}

TEST_F(Button, HoverAndLeaveMoveTheState)
{
    Send(WM_MOUSEHOVER);
    EXPECT_EQ(CImgButton::kStateOver, m_button.GetCurState());
    Send(WM_MOUSELEAVE);
    EXPECT_EQ(CImgButton::kStateNormal, m_button.GetCurState());
    // Disabled while hovered: it reports (and paints) the normal state.
    Send(WM_MOUSEHOVER);
    m_button.EnableWindow(FALSE);
    EXPECT_EQ(CImgButton::kStateNormal, m_button.GetCurState());
    m_button.EnableWindow(TRUE);
    EXPECT_EQ(CImgButton::kStateOver, m_button.GetCurState());
}

TEST_F(Button, WithoutColoursItPaintsBlack)
{
    const int w = kPlace.Width(), h = kPlace.Height();
    const CPoint points[] = {{w / 2, h / 2}, {0, 0}, {1, h / 2}, {w / 2, 1}, {w - 2, h / 2}, {w / 2, h - 2}};
    for (const CPoint& p : points)
        EXPECT_EQ(RGB(0, 0, 0), Pixel(p.x, p.y)) << p.x << "," << p.y;
}

struct ColourCase
{
    UINT message;      // how the state is reached
    bool giveOver;     // an over set is given
    bool givePressed;  // a pressed set is given
    COLORREF fill;     // expected fill
};

class ButtonColours : public Button, public ::testing::WithParamInterface<ColourCase>
{
};

const tagBtnColor kNormal = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0)};
const tagBtnColor kOver = {RGB(10, 20, 30), RGB(40, 50, 60), RGB(70, 80, 90), RGB(100, 110, 120)};
const tagBtnColor kPressed = {RGB(0, 90, 90), RGB(90, 0, 90), RGB(90, 90, 0), RGB(30, 30, 30)};

TEST_P(ButtonColours, EachStatePaintsItsSetOrElseTheNormalOne)
{
    const ColourCase& c = GetParam();
    m_button.SetColorSet(CImgButton::kStateNormal, kNormal);
    if (c.giveOver)
        m_button.SetColorSet(CImgButton::kStateOver, kOver);
    if (c.givePressed)
        m_button.SetColorSet(CImgButton::kStatePressed, kPressed);
    if (c.message != 0)
        Send(c.message);
    const tagBtnColor expected = c.fill == kOver.clrFill ? kOver : (c.fill == kPressed.clrFill ? kPressed : kNormal);
    const int w = kPlace.Width(), h = kPlace.Height();
    EXPECT_EQ(expected.clrFill, Pixel(w / 2, h / 2));
    EXPECT_EQ(expected.clrBorder, Pixel(0, h / 2));
    EXPECT_EQ(expected.clrBorder, Pixel(w - 1, h - 1));
    EXPECT_EQ(expected.clrHighlight, Pixel(1, h / 2));
    EXPECT_EQ(expected.clrHighlight, Pixel(w / 2, 1));
    EXPECT_EQ(expected.clrShadow, Pixel(w - 2, h / 2));
    EXPECT_EQ(expected.clrShadow, Pixel(w / 2, h - 2));
    ::ReleaseCapture();
}

INSTANTIATE_TEST_SUITE_P(States, ButtonColours,
                         ::testing::Values(ColourCase{0, true, true, kNormal.clrFill},
                                           ColourCase{WM_MOUSEHOVER, true, false, kOver.clrFill},
                                           ColourCase{WM_MOUSEHOVER, false, true, kNormal.clrFill},
                                           ColourCase{WM_LBUTTONDOWN, true, true, kPressed.clrFill},
                                           ColourCase{WM_LBUTTONDOWN, true, false, kNormal.clrFill}));

TEST_F(Button, EachStatePaintsItsBitmapOrElseTheNormalOne)
{
    TempFolder folder;
    const std::string normal = folder.Path() + "\\n.bmp", over = folder.Path() + "\\o.bmp",
                      pressed = folder.Path() + "\\p.bmp";
    WriteBitmapFile(normal, 4, 4, RGB(255, 0, 0));
    WriteBitmapFile(over, 4, 4, RGB(0, 255, 0));
    WriteBitmapFile(pressed, 4, 4, RGB(0, 0, 255));
    const int w = kPlace.Width(), h = kPlace.Height();

    m_button.LoadBitmaps(normal.c_str(), over.c_str(), pressed.c_str());
    EXPECT_EQ(RGB(255, 0, 0), Pixel(w - 1, h - 1)) << "stretched over the whole button";
    Send(WM_MOUSEHOVER);
    EXPECT_EQ(RGB(0, 255, 0), Pixel(w / 2, h / 2));
    Send(WM_LBUTTONDOWN);
    EXPECT_EQ(RGB(0, 0, 255), Pixel(w / 2, h / 2));
    ::ReleaseCapture();

    CImgButton onlyNormal;
    ASSERT_TRUE(onlyNormal.Create("", WS_CHILD, CRect(0, 0, 20, 20), CWnd::FromHandle(m_parent.Handle()), 78));
    onlyNormal.LoadBitmaps(normal.c_str(), (folder.Path() + "\\missing.bmp").c_str(), NULL);
    CBitmap* normalBitmap = onlyNormal.GetCurBitmap();
    ASSERT_NE(nullptr, normalBitmap->GetSafeHandle());
    onlyNormal.SendMessage(WM_MOUSEHOVER, 0, 0);
    EXPECT_EQ(normalBitmap, onlyNormal.GetCurBitmap());
    onlyNormal.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(normalBitmap, onlyNormal.GetCurBitmap());
    ::ReleaseCapture();
}

TEST_F(Button, OnlyATabStopButtonWithTheFocusShowsAFocusRectangle)
{
    const tagBtnColor white = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    m_button.SetColorSet(CImgButton::kStateNormal, white);
    m_button.SetFocus();
    ASSERT_EQ(m_button.GetSafeHwnd(), ::GetFocus());
    auto darkOnRowTwo = [&] {
        int dark = 0;
        for (int x = 3; x < kPlace.Width() - 3; ++x)
            dark += Pixel(x, 2) != RGB(255, 255, 255);
        return dark;
    };
    EXPECT_EQ(0, darkOnRowTwo());
    m_button.ModifyStyle(0, WS_TABSTOP);
    EXPECT_GT(darkOnRowTwo(), 0);
}

} // namespace
