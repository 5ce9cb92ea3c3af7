// The image button: looks per state drawn into a memory DC, clicks, Enter, hints, and bitmaps
// it owns or only borrows.
#include <gtest/gtest.h>

#include <memory>

#include "ImgButton.h"
#include "bmp_file.h"
#include "widget_host.h"

namespace {

void DrawButton(CWnd& wnd, LPDRAWITEMSTRUCT dis)
{
    static_cast<CImgButton&>(wnd).DrawItem(dis);
}

class ImgButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateHost());
        button.reset(new CImgButton);
        ASSERT_TRUE(button->Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 50, 34), &parent, 7001));
        EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button->GetStyle() & BS_TYPEMASK);
    }
    void TearDown() override
    {
        button.reset();
        parent.DestroyWindow();
    }
    COLORREF Painted(int x, int y)
    {
        Canvas canvas(40, 24, RGB(1, 2, 3));
        DrawInto(*button, canvas, DrawButton);
        return canvas.Pixel(x, y);
    }

    CRecordingParent parent;
    std::unique_ptr<CImgButton> button;
};

TEST_F(ImgButtonTest, ColourSetsPerState)
{
    tagBtnColor normal = {RGB(50, 60, 70), RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    tagBtnColor pressed = {RGB(90, 90, 90), RGB(255, 0, 0), 0, static_cast<COLORREF>(-1)};
    tagBtnColor disabled = {RGB(200, 200, 200), RGB(128, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    button->LoadColors(&normal, NULL, &pressed, &disabled);
    const struct
    {
        const char* name;
        UINT message;
        int state;
        COLORREF fill, frame, left, right;
    } steps[] = {
        {"normal", 0, BTN_STATE_NORMAL, RGB(50, 60, 70), RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
        // No over set: the normal colours while hovered.
        {"over", WM_MOUSEHOVER, BTN_STATE_OVER, RGB(50, 60, 70), RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
        // Highlight 0 and shadow -1 draw no lines: the fill shows there.
        {"pressed", WM_LBUTTONDOWN, BTN_STATE_PRESSED, RGB(90, 90, 90), RGB(255, 0, 0), RGB(90, 90, 90),
         RGB(90, 90, 90)},
    };
    for (const auto& s : steps) {
        if (s.message != 0)
            button->SendMessage(s.message, s.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(5, 5));
        EXPECT_EQ(s.state, button->GetCurState()) << s.name;
        EXPECT_EQ(s.fill, Painted(20, 12)) << s.name;
        EXPECT_EQ(s.frame, Painted(0, 0)) << s.name;
        EXPECT_EQ(s.left, Painted(1, 10)) << s.name;
        EXPECT_EQ(s.right, Painted(38, 10)) << s.name;
    }
    button->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    DispatchQueued();
    button->EnableWindow(FALSE);
    EXPECT_EQ(BTN_STATE_DISABLED, button->GetCurState());
    EXPECT_EQ(RGB(200, 200, 200), Painted(20, 12));
    EXPECT_EQ(RGB(128, 0, 0), Painted(0, 0));
}

TEST_F(ImgButtonTest, TextColourAndDisabledTextColour)
{
    tagBtnColor normal = {RGB(255, 255, 255), RGB(255, 255, 255), 0, 0};
    button->LoadColors(&normal);
    button->SetWindowText("WWWWWWWW");
    button->SetTextColor(RGB(0, 0, 200));
    Canvas canvas(40, 24, RGB(1, 2, 3));
    DrawInto(*button, canvas, DrawButton);
    EXPECT_GT(canvas.Count(CRect(0, 0, 40, 24), RGB(0, 0, 200)), 0);
    button->EnableWindow(FALSE);
    canvas.Fill(RGB(1, 2, 3));
    DrawInto(*button, canvas, DrawButton);
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 40, 24), RGB(0, 0, 200)));
    EXPECT_GT(canvas.Count(CRect(0, 0, 40, 24), RGB(128, 128, 128)), 0);
}

TEST_F(ImgButtonTest, OnlyANormalBitmapPaintsEveryState)
{
    std::unique_ptr<CBitmap> normal(SolidBitmap(RGB(200, 0, 0)));
    button->LoadBitmaps(normal.get(), NULL, NULL, NULL);
    EXPECT_EQ(RGB(200, 0, 0), Painted(20, 12));
    button->SendMessage(WM_MOUSEHOVER, 0, 0);
    EXPECT_EQ(RGB(200, 0, 0), Painted(20, 12));
    button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(RGB(200, 0, 0), Painted(39, 23)); // stretched over the whole button
    button->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    button->EnableWindow(FALSE);
    EXPECT_EQ(RGB(200, 0, 0), Painted(20, 12));
    DispatchQueued();
}

TEST_F(ImgButtonTest, BitmapsByState)
{
    std::unique_ptr<CBitmap> n(SolidBitmap(RGB(200, 0, 0))), o(SolidBitmap(RGB(0, 200, 0))),
        p(SolidBitmap(RGB(0, 0, 200))), d(SolidBitmap(RGB(90, 90, 90)));
    button->LoadBitmaps(n.get(), o.get(), p.get(), d.get());
    EXPECT_EQ(RGB(200, 0, 0), Painted(20, 12));
    button->SendMessage(WM_MOUSEHOVER, 0, 0);
    EXPECT_EQ(RGB(0, 200, 0), Painted(20, 12));
    button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(RGB(0, 0, 200), Painted(20, 12));
    button->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    button->EnableWindow(FALSE);
    EXPECT_EQ(RGB(90, 90, 90), Painted(20, 12));
    DispatchQueued();
}

TEST_F(ImgButtonTest, ClicksOnlyWhenReleasedOverItself)
{
    const struct
    {
        CPoint release;
        size_t clicks;
    } cases[] = {{CPoint(-30, -30), 0}, {CPoint(60, 5), 0}, {CPoint(5, 5), 1}};
    for (const auto& c : cases) {
        parent.Clear();
        button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        button->SendMessage(WM_LBUTTONUP, 0,
                            MAKELPARAM(static_cast<WORD>(c.release.x), static_cast<WORD>(c.release.y)));
        DispatchQueued();
        const std::vector<RecordedMessage> commands = parent.Of(WM_COMMAND);
        ASSERT_EQ(c.clicks, commands.size()) << c.release.x;
        if (c.clicks) {
            EXPECT_EQ(MAKEWPARAM(7001, 0), commands[0].wParam);
            EXPECT_EQ(reinterpret_cast<LPARAM>(button->m_hWnd), commands[0].lParam);
        }
        EXPECT_EQ(BTN_STATE_OVER, button->GetCurState());
    }
    EXPECT_EQ(1, button->GetCheck()); // the one click flipped it
    parent.Clear();
    button->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    DispatchQueued();
    EXPECT_EQ(1u, parent.Of(WM_COMMAND).size());
    EXPECT_EQ(BTN_STATE_PRESSED, button->GetCurState());
}

TEST_F(ImgButtonTest, EnterClicksTheButtonWithTheFocus)
{
    button->SetFocus();
    MSG msg = {button->m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg));
    DispatchQueued();
    EXPECT_EQ(1u, parent.Of(WM_COMMAND).size());
    // Another key does nothing.
    parent.Clear();
    msg.wParam = VK_SPACE;
    CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg);
    DispatchQueued();
    EXPECT_EQ(0u, parent.Of(WM_COMMAND).size());
}

TEST_F(ImgButtonTest, HintIsToolOneFiftyOverTheWholeButton)
{
    EXPECT_EQ(NULL, button->GetToolTip());
    button->SetHint("매수");
    ASSERT_NE(nullptr, button->GetToolTip());
    EXPECT_EQ(1, button->GetToolTip()->GetToolCount());
    CString text;
    button->GetToolTip()->GetText(text, button.get(), IMGBUTTON_HINT_TOOL);
    EXPECT_STREQ("매수", text.GetString());
    button->SetHint("매도"); // registered again, not twice
    EXPECT_EQ(1, button->GetToolTip()->GetToolCount());
    button->GetToolTip()->GetText(text, button.get(), IMGBUTTON_HINT_TOOL);
    EXPECT_STREQ("매도", text.GetString());
    EXPECT_STREQ("매도", button->GetHint().GetString());
}

TEST_F(ImgButtonTest, SubclassedButtonBecomesOwnerDrawn)
{
    // A button of the system's own, as a dialog template makes it.
    HWND hWnd = ::CreateWindowA("BUTTON", "x", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 0, 20, 20, parent.m_hWnd,
                                reinterpret_cast<HMENU>(7002), NULL, NULL);
    ASSERT_NE(nullptr, hWnd);
    CImgButton subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(hWnd));
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), subclassed.GetStyle() & BS_TYPEMASK);
    // It paints itself now: the colour set fills it.
    tagBtnColor fill = {RGB(0, 90, 0), RGB(0, 90, 0), 0, 0};
    subclassed.LoadColors(&fill);
    Canvas canvas(20, 20);
    DrawInto(subclassed, canvas, DrawButton);
    EXPECT_EQ(RGB(0, 90, 0), canvas.Pixel(3, 3));
    subclassed.DestroyWindow();
}

// Bitmaps the button borrowed survive every way of letting go of them; its own are freed.
TEST_F(ImgButtonTest, BorrowedBitmapsAreNeverDeleted)
{
    std::unique_ptr<CBitmap> borrowed(SolidBitmap(RGB(1, 2, 3)));
    HGDIOBJ handle = borrowed->GetSafeHandle();
    BITMAP info;

    button->LoadBitmaps(borrowed.get(), borrowed.get(), NULL, NULL);
    button->UnLoadBitmaps();
    EXPECT_EQ(static_cast<int>(sizeof info), ::GetObject(handle, sizeof info, &info)) << "UnLoadBitmaps";

    button->LoadBitmaps(borrowed.get(), NULL, NULL, NULL);
    button->LoadBitmaps(static_cast<UINT>(32754), 0, 0, 0); // a system bitmap id: not in our chain
    EXPECT_EQ(static_cast<int>(sizeof info), ::GetObject(handle, sizeof info, &info)) << "loading by id";
    EXPECT_FALSE(button->IsBorrowed());

    // Owned bitmaps from a file are deleted when let go.
    char path[MAX_PATH];
    ::GetTempPathA(MAX_PATH, path);
    strcat(path, "widgetkit_button.bmp");
    const std::string bytes = MakeBmp(24, 2, 2, std::vector<COLORREF>(4, RGB(9, 9, 9)));
    FILE* file = fopen(path, "wb");
    ASSERT_NE(nullptr, file);
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
    button->LoadBitmaps(path, NULL, NULL, NULL);
    HGDIOBJ owned = button->GetLookBitmap(CImgButton::LOOK_NORMAL);
    ASSERT_NE(nullptr, owned);
    EXPECT_EQ(RGB(9, 9, 9), Painted(20, 12));
    ::DeleteFileA(path);
    button->LoadBitmaps(borrowed.get(), NULL, NULL, NULL);
    EXPECT_EQ(0, ::GetObject(owned, sizeof info, &info)) << "the button's own bitmap is freed";
    EXPECT_TRUE(button->IsBorrowed());
    button->DestroyWindow();
    button.reset();
    EXPECT_EQ(static_cast<int>(sizeof info), ::GetObject(handle, sizeof info, &info)) << "destruction";
    EXPECT_EQ(handle, borrowed->GetSafeHandle());
}

} // namespace
