// The skinned dialog: image buttons for push buttons only, its own caption, frame, hit test,
// region and close box on a pop-up, grey colours, and a child dialog that keeps the system frame.
#include <gtest/gtest.h>

#include <memory>

#include "BaseDialog.h"
#include "dialog_test.h"
#include "test_skin.h"
#include "widget_host.h"

namespace {

class CClosingDialog : public CBaseDialog
{
public:
    explicit CClosingDialog(UINT id, CWnd* parent = NULL) : CBaseDialog(id, parent) {}
    int closes = 0;

protected:
    afx_msg void OnClose() { ++closes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClosingDialog, CBaseDialog)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

LPARAM ClientPoint(CWnd& wnd, CPoint screen)
{
    wnd.ScreenToClient(&screen);
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(screen.x)), static_cast<WORD>(static_cast<short>(screen.y)));
}

class BaseDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LoadTestSkin();
        ASSERT_TRUE(owner.CreateHost(CRect(0, 0, 20, 20)));
        dialog.reset(new CClosingDialog(IDD_TEST_POPUP, &owner));
        ASSERT_TRUE(dialog->Create(IDD_TEST_POPUP, &owner));
        dialog->SetWindowPos(NULL, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    void TearDown() override
    {
        if (dialog->m_hWnd != NULL)
            dialog->DestroyWindow();
        dialog.reset();
        owner.DestroyWindow();
    }

    CRecordingParent owner;
    std::unique_ptr<CClosingDialog> dialog;
};

TEST_F(BaseDialogTest, OnlyPushButtonsBecomeImageButtons)
{
    ASSERT_EQ(1, dialog->GetImageButtonCount());
    CImgButton* button = dialog->GetImageButton(0);
    EXPECT_EQ(IDC_TEST_PUSH, button->GetDlgCtrlID());
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button->GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(TestImageBitmap(913), button->GetLookBitmap(CImgButton::LOOK_NORMAL));
    EXPECT_EQ(TestImageBitmap(915), button->GetLookBitmap(CImgButton::LOOK_PRESSED));
    EXPECT_EQ(nullptr, button->GetLookBitmap(CImgButton::LOOK_DISABLED));
    EXPECT_EQ(static_cast<DWORD>(BS_AUTOCHECKBOX), dialog->GetDlgItem(IDC_TEST_CHECK)->GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(static_cast<DWORD>(BS_AUTORADIOBUTTON), dialog->GetDlgItem(IDC_TEST_RADIO)->GetStyle() & BS_TYPEMASK);
    // Clicking it clicks the dialog's button.
    owner.Clear();
    button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    button->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    HGDIOBJ borrowed = button->GetLookBitmap(CImgButton::LOOK_NORMAL);
    dialog->DestroyWindow();
    EXPECT_EQ(0, dialog->GetImageButtonCount()) << "freed with the window";
    BITMAP info;
    EXPECT_EQ(static_cast<int>(sizeof info), ::GetObject(borrowed, sizeof info, &info)) << "the image map's bitmap lives";
}

TEST_F(BaseDialogTest, PopupHasItsOwnFrameAndCaption)
{
    CDialog plain(IDD_TEST_POPUP, &owner);
    ASSERT_TRUE(plain.Create(IDD_TEST_POPUP, &owner));
    CRect plainWindow, window, client;
    plain.GetWindowRect(&plainWindow);
    plain.DestroyWindow();
    dialog->GetWindowRect(&window);
    dialog->GetClientRect(&client);
    EXPECT_EQ(plainWindow.Height() + 27, window.Height()) << "grown by 27 pixels";
    EXPECT_EQ(window.Width() - 2, client.Width());
    EXPECT_EQ(window.Height() - 26, client.Height());
    EXPECT_TRUE(dialog->GetStyle() & WS_BORDER);

    const struct
    {
        CPoint offset; // from the window's top-left
        LRESULT hit;
    } hits[] = {{CPoint(30, 10), HTCAPTION}, {CPoint(window.Width() - 10, 10), HTCLIENT}, {CPoint(30, 40), HTCLIENT}};
    for (const auto& h : hits) {
        const CPoint screen = window.TopLeft() + h.offset;
        EXPECT_EQ(h.hit, dialog->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y))) << h.offset.x;
    }
    EXPECT_EQ(CRect(window.right - 19, window.top + 4, window.right - 4, window.top + 20),
              dialog->GetSystemMenuRect(FALSE));
    EXPECT_TRUE(dialog->GetSystemMenuRect(TRUE).IsRectEmpty());

    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(ERROR, dialog->GetWindowRgn(region)) << "rounded corners";
    EXPECT_FALSE(region.PtInRegion(0, 0));
    EXPECT_TRUE(region.PtInRegion(window.Width() / 2, window.Height() / 2));

    Canvas canvas(window.Width(), window.Height());
    dialog->PaintFrame(canvas.DC());
    EXPECT_EQ(BASEDIALOG_FRAME, canvas.Pixel(0, window.Height() / 2)) << "frame";
    const COLORREF caption = canvas.Pixel(window.Width() - 30, 3);
    EXPECT_LT(GetRValue(caption), 100) << "the dark caption bitmap";
    EXPECT_LT(GetBValue(caption), 120);
    EXPECT_EQ(RGB(36, 42, 56), canvas.Pixel(window.Width() - 20, 8)) << "close box, normal";
}

TEST_F(BaseDialogTest, CloseBoxHoverPressAndRelease)
{
    CRect window;
    dialog->GetWindowRect(&window);
    const CRect box = dialog->GetSystemMenuRect(FALSE);
    const LPARAM inside = ClientPoint(*dialog, box.CenterPoint());
    const LPARAM outside = ClientPoint(*dialog, CPoint(box.left - 40, box.top + 30));
    Canvas canvas(window.Width(), window.Height());

    dialog->SendMessage(WM_MOUSEMOVE, 0, inside);
    EXPECT_EQ(2, dialog->GetCloseState());
    dialog->PaintFrame(canvas.DC());
    EXPECT_EQ(RGB(60, 72, 98), canvas.Pixel(window.Width() - 20, 8)) << "close box, over";
    dialog->SendMessage(WM_MOUSEMOVE, 0, outside);
    EXPECT_EQ(0, dialog->GetCloseState());

    // Pressed and released outside: no close.
    dialog->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, inside);
    EXPECT_EQ(3, dialog->GetCloseState());
    dialog->PaintFrame(canvas.DC());
    EXPECT_EQ(RGB(196, 54, 54), canvas.Pixel(window.Width() - 20, 8)) << "close box, pressed";
    dialog->SendMessage(WM_LBUTTONUP, 0, outside);
    DispatchQueued();
    EXPECT_EQ(0, dialog->GetCloseState());
    EXPECT_EQ(0, dialog->closes);
    // Released inside: closes.
    dialog->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, inside);
    dialog->SendMessage(WM_LBUTTONUP, 0, inside);
    DispatchQueued();
    EXPECT_EQ(1, dialog->closes);
}

TEST_F(BaseDialogTest, GreyForTheDialogStaticsAndButtonsThatAreNotPushButtons)
{
    CDC* dc = dialog->GetDC();
    const struct
    {
        UINT message;
        int id; // 0: the dialog itself
        BOOL grey;
    } cases[] = {{WM_CTLCOLORDLG, 0, TRUE},
                 {WM_CTLCOLORSTATIC, IDC_TEST_LABEL, TRUE},
                 {WM_CTLCOLORSTATIC, IDC_TEST_CHECK, TRUE},
                 {WM_CTLCOLORBTN, IDC_TEST_GROUP, TRUE},
                 // The image button is owner-drawn now, a style other than 0: grey as well.
                 {WM_CTLCOLORBTN, IDC_TEST_PUSH, TRUE}};
    for (const auto& c : cases) {
        HWND control = c.id == 0 ? dialog->m_hWnd : dialog->GetDlgItem(c.id)->m_hWnd;
        HBRUSH brush = reinterpret_cast<HBRUSH>(
            dialog->SendMessage(c.message, reinterpret_cast<WPARAM>(dc->m_hDC), reinterpret_cast<LPARAM>(control)));
        LOGBRUSH lb = {};
        const BOOL grey = brush != NULL && ::GetObject(brush, sizeof lb, &lb) && lb.lbColor == BASEDIALOG_GREY;
        EXPECT_EQ(c.grey, grey) << c.message << " " << c.id;
    }
    dialog->ReleaseDC(dc);
}

TEST(ChildBaseDialog, KeepsTheSystemFrameAndGetsImageButtons)
{
    LoadTestSkin();
    CRecordingParent host;
    ASSERT_TRUE(host.CreateHost(CRect(0, 0, 500, 400)));
    CDialog plain(IDD_TEST_CHILD, &host);
    ASSERT_TRUE(plain.Create(IDD_TEST_CHILD, &host));
    CRect plainWindow;
    plain.GetWindowRect(&plainWindow);
    plain.DestroyWindow();
    CBaseDialog child(IDD_TEST_CHILD, &host);
    ASSERT_TRUE(child.Create(IDD_TEST_CHILD, &host));
    CRect window;
    child.GetWindowRect(&window);
    EXPECT_EQ(plainWindow.Height(), window.Height()) << "no growth for a child";
    EXPECT_EQ(1, child.GetImageButtonCount());
    CPoint caption(window.left + 30, window.top + 5);
    EXPECT_EQ(HTCAPTION, child.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)));
    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ERROR, child.GetWindowRgn(region)) << "no rounded region";
    child.DestroyWindow();
    host.DestroyWindow();
}

} // namespace
