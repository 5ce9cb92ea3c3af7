// The updater's own controls: the gradient progress bar's painting and the image button's click.
#include <gtest/gtest.h>

#include "img_button.h"
#include "ver_progress_ctrl.h"

namespace {

// Paints the bar into a memory bitmap and reads its pixels back.
struct BarPicture
{
    CDC dc;
    CBitmap bitmap;
    CBitmap* old;
    static const int kWidth = 200, kHeight = 8;

    BarPicture()
    {
        CDC screen;
        screen.Attach(::GetDC(NULL));
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, kWidth, kHeight);
        ::ReleaseDC(NULL, screen.Detach());
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(1, 2, 3));
    }
    ~BarPicture() { dc.SelectObject(old); }
    COLORREF At(int x) const { return dc.GetPixel(x, kHeight / 2); }
};

// The bar from `start` to `end` at `pos` of 0..upper, over a black background colour.
void PaintGradient(BarPicture& picture, COLORREF start, COLORREF end, int upper, int pos)
{
    CVerProgressCtrl bar;
    bar.SetGradientColors(start, end);
    bar.SetBkColour(RGB(0, 0, 0));
    bar.SetBounds(0, upper);
    bar.SetPosition(pos);
    bar.DrawBar(&picture.dc, CRect(0, 0, BarPicture::kWidth, BarPicture::kHeight));
}

TEST(VerProgressCtrl, EqualGradientColoursPaintOneBand)
{
    BarPicture picture;
    PaintGradient(picture, RGB(255, 121, 31), RGB(255, 121, 31), 4, 1);
    EXPECT_EQ(RGB(255, 121, 31), picture.At(0));
    EXPECT_EQ(RGB(255, 121, 31), picture.At(49));
    EXPECT_EQ(RGB(0, 0, 0), picture.At(50));
    EXPECT_EQ(RGB(0, 0, 0), picture.At(199));
}

TEST(VerProgressCtrl, GradientRunsFromStartColourUpToThePosition)
{
    BarPicture picture;
    PaintGradient(picture, RGB(255, 191, 0), RGB(255, 121, 31), 10, 9);
    EXPECT_EQ(RGB(255, 191, 0), picture.At(0));
    COLORREF late = picture.At(170);
    EXPECT_EQ(255, GetRValue(late));
    EXPECT_LT(GetGValue(late), 140) << "the green part falls towards the end colour";
    EXPECT_GT(GetBValue(late), 20);
    EXPECT_NE(RGB(0, 0, 0), picture.At(179));
    EXPECT_EQ(RGB(0, 0, 0), picture.At(180));
}

TEST(VerProgressCtrl, AtEitherBoundTheBarIsButtonFace)
{
    for (int pos : {0, 3})
    {
        CVerProgressCtrl bar;
        bar.SetBounds(0, 3);
        bar.SetPosition(pos);
        BarPicture picture;
        bar.DrawBar(&picture.dc, CRect(0, 0, BarPicture::kWidth, BarPicture::kHeight));
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), picture.At(0)) << pos;
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), picture.At(199)) << pos;
    }
    CVerProgressCtrl empty; // nothing to fetch: the range is 0..0
    empty.SetBounds(0, 0);
    BarPicture picture;
    empty.DrawBar(&picture.dc, CRect(0, 0, BarPicture::kWidth, BarPicture::kHeight));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), picture.At(100));
}

// A parent that counts the commands its children post.
class CommandCounter : public CWnd
{
public:
    std::vector<UINT> ids;
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        ids.push_back(LOWORD(wParam));
        return TRUE;
    }
};

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

TEST(ImgButton, ClickInsidePostsOneCommandToTheParent)
{
    CommandCounter parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, 0, 0, 200, 100, NULL, NULL));
    CImgButton button;
    ASSERT_TRUE(button.Create("취소", WS_CHILD | WS_VISIBLE, CRect(10, 10, 70, 30), &parent, 77));
    EXPECT_TRUE(button.GetStyle() & BS_OWNERDRAW);

    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(CImgButton::STATE_PRESSED, button.GetCurrentState());
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ((std::vector<UINT>{77}), parent.ids);
    EXPECT_TRUE(button.IsToggled());

    // Released outside the button: no command.
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
    Pump();
    EXPECT_EQ(1u, parent.ids.size());

    button.EnableWindow(FALSE);
    EXPECT_EQ(CImgButton::STATE_NORMAL, button.GetCurrentState());
    parent.DestroyWindow();
}

} // namespace
