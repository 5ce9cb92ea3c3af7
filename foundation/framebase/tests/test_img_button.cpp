// The message line's bitmap button: looks by state, clicks, and bitmaps it only borrows.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ImgButtonCCL.h"
#include "pixel_probe.h"

namespace {

// Records the commands its children send.
class CCommandParent : public CWnd
{
public:
    std::vector<WPARAM> commands;

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        commands.push_back(wParam);
        return CWnd::OnCommand(wParam, lParam);
    }
};

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

CBitmap* SolidBitmap(COLORREF colour)
{
    CBitmap* bitmap = new CBitmap;
    HDC screen = ::GetDC(NULL);
    bitmap->Attach(::CreateCompatibleBitmap(screen, 4, 4));
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap->GetSafeHandle());
    RECT rc = {0, 0, 4, 4};
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &rc, brush);
    ::DeleteObject(brush);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ReleaseDC(NULL, screen);
    return bitmap;
}

class ImgButton : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            parent.CreateEx(0, AfxRegisterWndClass(0), "p", WS_POPUP | WS_VISIBLE, CRect(0, 0, 120, 60), NULL, 0));
        button.reset(new CImgButtonCCL);
        ASSERT_TRUE(button->Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 30, 30), &parent, 8000));
        EXPECT_TRUE(button->GetStyle() & BS_OWNERDRAW);
    }
    void TearDown() override
    {
        button.reset();
        parent.DestroyWindow();
    }

    CCommandParent parent;
    std::unique_ptr<CImgButtonCCL> button;
};

TEST_F(ImgButton, LooksFollowTheMouseFromBorrowedBitmaps)
{
    std::unique_ptr<CBitmap> normal(SolidBitmap(RGB(200, 0, 0)));
    std::unique_ptr<CBitmap> over(SolidBitmap(RGB(0, 200, 0)));
    std::unique_ptr<CBitmap> pressed(SolidBitmap(RGB(0, 0, 200)));
    button->LoadBitmaps(normal.get(), over.get(), pressed.get(), NULL);
    struct
    {
        UINT message;
        int state;
        COLORREF colour;
    } const steps[] = {
        {0, CImgButtonCCL::STATE_NORMAL, RGB(200, 0, 0)},
        {WM_MOUSEHOVER, CImgButtonCCL::STATE_OVER, RGB(0, 200, 0)},
        {WM_LBUTTONDOWN, CImgButtonCCL::STATE_PRESSED, RGB(0, 0, 200)},
        {WM_LBUTTONUP, CImgButtonCCL::STATE_OVER, RGB(0, 200, 0)},
        {WM_MOUSELEAVE, CImgButtonCCL::STATE_NORMAL, RGB(200, 0, 0)},
    };
    for (const auto& s : steps) {
        if (s.message != 0)
            button->SendMessage(s.message, s.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(5, 5));
        EXPECT_EQ(s.state, button->GetCurState()) << s.message;
        EXPECT_EQ(s.colour, ShownPixel(*button, 10, 10)) << s.message; // stretched over the whole button
    }
    button->EnableWindow(FALSE);
    EXPECT_EQ(CImgButtonCCL::STATE_DISABLED, button->GetCurState());
    EXPECT_EQ(RGB(200, 0, 0), ShownPixel(*button, 10, 10)); // no disabled bitmap: the normal one
}

TEST_F(ImgButton, BorrowedBitmapsOutliveTheButton)
{
    std::unique_ptr<CBitmap> normal(SolidBitmap(RGB(1, 2, 3)));
    HGDIOBJ handle = normal->GetSafeHandle();
    button->LoadBitmaps(normal.get(), NULL, NULL, NULL);
    button->LoadBitmaps(normal.get(), normal.get(), NULL, NULL); // reloading lets go of the old ones
    button->DestroyWindow();
    button.reset();
    BITMAP info;
    EXPECT_EQ(static_cast<int>(sizeof info), ::GetObject(handle, sizeof info, &info));
    EXPECT_EQ(handle, normal->GetSafeHandle());
}

TEST_F(ImgButton, ClicksOnlyWhenReleasedOverItself)
{
    struct
    {
        CPoint release;
        size_t clicks;
    } const cases[] = {{CPoint(-50, -50), 0}, {CPoint(40, 5), 0}, {CPoint(5, 5), 1}};
    for (const auto& c : cases) {
        parent.commands.clear();
        button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        button->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(c.release.x), static_cast<WORD>(c.release.y)));
        PumpPending();
        ASSERT_EQ(c.clicks, parent.commands.size()) << c.release.x;
        if (c.clicks)
            EXPECT_EQ(MAKEWPARAM(8000, 0), parent.commands[0]);
    }
    EXPECT_TRUE(button->GetCheck()); // the one click flipped it
    parent.commands.clear();
    button->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpPending();
    EXPECT_EQ(1u, parent.commands.size());
    EXPECT_EQ(CImgButtonCCL::STATE_PRESSED, button->GetCurState());
}

TEST_F(ImgButton, WithoutBitmapsItDrawsItsColourSet)
{
    const tagBtnColor normal = {RGB(50, 60, 70), RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    const tagBtnColor over = {RGB(90, 90, 90), RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    button->SetButtonColor(CImgButtonCCL::LOOK_NORMAL, normal);
    button->SetButtonColor(CImgButtonCCL::LOOK_OVER, over);
    EXPECT_EQ(RGB(50, 60, 70), ShownPixel(*button, 10, 10));
    EXPECT_EQ(RGB(255, 0, 0), ShownPixel(*button, 0, 0));   // frame
    EXPECT_EQ(RGB(0, 255, 0), ShownPixel(*button, 1, 5));   // highlight on the left
    EXPECT_EQ(RGB(0, 0, 255), ShownPixel(*button, 18, 10)); // shadow on the right
    button->SendMessage(WM_MOUSEHOVER, 0, 0);
    EXPECT_EQ(RGB(90, 90, 90), ShownPixel(*button, 10, 10));
    // A look without its own set uses the normal one.
    button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(RGB(50, 60, 70), ShownPixel(*button, 10, 10));
    button->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

} // namespace
