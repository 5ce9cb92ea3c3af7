// The base frame, window and tool bar.
#include <gtest/gtest.h>

#include <objbase.h>

#include "BaseFrame.h"
#include "BaseToolBar.h"
#include "BaseWnd.h"
#include "ColorMap.h"
#include "pixel_probe.h"

namespace {

TEST(BaseWnd, RegistersItsClassOnceAndFillsItselfWithItsColour)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "p", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), NULL, 0));
    CBaseWnd first, second;
    // Before the colour map is loaded the background is black, not left unset.
    EXPECT_EQ(RGB(0, 0, 0), first.GetColorBackBround());
    ASSERT_TRUE(first.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent, 1));
    EXPECT_TRUE(CBaseWnd::m_bRegisted);
    ASSERT_TRUE(second.Create(WS_CHILD | WS_VISIBLE, CRect(60, 0, 110, 50), &parent, 2));
    char name[64];
    ::GetClassNameA(second.m_hWnd, name, sizeof name);
    EXPECT_STREQ("Quelmar_WND", name);
    second.SetColorBackground(RGB(10, 200, 30));
    EXPECT_EQ(RGB(0, 0, 0), ShownPixel(first, 25, 25));
    EXPECT_EQ(RGB(10, 200, 30), ShownPixel(second, 25, 25));
    // Registering again finds the class there.
    EXPECT_TRUE(CBaseWnd::RegisterWnd());
    parent.DestroyWindow();
}

TEST(BaseToolBar, SpansItsFramesWidthAnd68PixelsAtTheTop)
{
    CBaseFrame* frame = new CBaseFrame;
    ASSERT_TRUE(frame->CFrameWnd::Create(NULL, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 1375, 600)));
    CBaseToolBar bar;
    ASSERT_TRUE(bar.Create(frame, 0x504028B4, 12000));
    EXPECT_EQ(static_cast<DWORD>(0x004028B4), bar.GetBarStyle());
    EXPECT_EQ(0u, bar.GetStyle() & WS_DLGFRAME);
    char name[64];
    ::GetClassNameA(bar.m_hWnd, name, sizeof name);
    EXPECT_STREQ("Quelmar_TOOLBAR", name);
    CString title;
    bar.GetWindowText(title);
    EXPECT_STREQ("Quelmar ToolBar", title);
    EXPECT_EQ(CSize(100, 100), bar.CalcFixedLayout(TRUE, TRUE));
    EXPECT_EQ(frame, bar.GetDockingFrame());

    frame->RecalcLayout();
    CRect placed;
    bar.GetWindowRect(&placed);
    frame->ScreenToClient(&placed);
    EXPECT_EQ(CRect(0, 0, 1375, 68), placed);
    // It follows the frame's width.
    frame->SetWindowPos(NULL, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER);
    bar.GetWindowRect(&placed);
    EXPECT_EQ(900, placed.Width());
    EXPECT_EQ(68, placed.Height());
    bar.DestroyWindow();
    frame->DestroyWindow();
}

TEST(BaseFrame, HasNoClientEdgeAndUndoesOnlyItsOwnComInitialisation)
{
    // COM is initialised by the test itself: the frame's teardown must leave it standing.
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(NULL)));
    {
        CBaseFrame* frame = new CBaseFrame;
        ASSERT_TRUE(frame->Create());
        EXPECT_TRUE(frame->IsComInitialized());
        EXPECT_EQ(0u, frame->GetExStyle() & WS_EX_CLIENTEDGE);
        EXPECT_TRUE(frame->IsKindOf(RUNTIME_CLASS(CBaseFrame)));
        frame->DestroyWindow(); // deletes the frame: one CoUninitialize for its one CoInitialize
    }
    // Still initialised once (ours): S_FALSE means "already initialised".
    EXPECT_EQ(S_FALSE, ::CoInitialize(NULL));
    ::CoUninitialize();
    ::CoUninitialize();

    // A frame that was never initialised uninitialises nothing.
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(NULL)));
    CBaseFrame* idle = new CBaseFrame;
    EXPECT_FALSE(idle->IsComInitialized());
    delete idle;
    EXPECT_EQ(S_FALSE, ::CoInitialize(NULL));
    ::CoUninitialize();
    ::CoUninitialize();

    CObject* made = RUNTIME_CLASS(CBaseFrame)->CreateObject();
    ASSERT_NE(nullptr, made);
    delete made;
}

} // namespace
