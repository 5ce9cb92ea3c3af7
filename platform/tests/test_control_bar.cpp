// Control bars and the bar layout: bars take their edges of the parent's client area in child
// order, hidden bars take nothing, and the left-over window gets the rest.
#include <gtest/gtest.h>

#include <afxext.h>

namespace {

// A bar of a fixed thickness along its edge, stretched across the free area.
class CTestBar : public CControlBar
{
public:
    explicit CTestBar(int thickness) : m_nThickness(thickness) {}
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz)
    {
        const CSize stretched = CControlBar::CalcFixedLayout(bStretch, bHorz);
        return bHorz ? CSize(stretched.cx, m_nThickness) : CSize(m_nThickness, stretched.cy);
    }
    virtual void OnUpdateCmdUI(CFrameWnd*, BOOL) {}
    BOOL CreateBar(CWnd* pParent, DWORD dwBarStyle, UINT nID)
    {
        m_dwStyle = dwBarStyle;
        return Create(AfxRegisterWndClass(0), "bar", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID);
    }

private:
    int m_nThickness;
};

class ControlBarLayout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, CRect(0, 0, 400, 300), NULL, 0));
        ASSERT_TRUE(top.CreateBar(&parent, CBRS_TOP | CBRS_SIZE_DYNAMIC, 100));
        ASSERT_TRUE(bottom.CreateBar(&parent, CBRS_BOTTOM, 101));
        ASSERT_TRUE(left.CreateBar(&parent, CBRS_LEFT, 102));
        ASSERT_TRUE(pane.Create(AfxRegisterWndClass(0), "pane", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &parent,
                                AFX_IDW_PANE_FIRST));
    }
    void TearDown() override { parent.DestroyWindow(); }

    static CRect Placed(CWnd& wnd)
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        wnd.GetParent()->ScreenToClient(&rc);
        return rc;
    }

    CWnd parent;
    CTestBar top{30};
    CTestBar bottom{20};
    CTestBar left{50};
    CWnd pane;
};

TEST_F(ControlBarLayout, BarsTakeTheirEdgesAndTheLeftOverPaneGetsTheRest)
{
    AfxRepositionBars(&parent, 0, 0xFFFF, AFX_IDW_PANE_FIRST);
    EXPECT_EQ(CRect(0, 0, 400, 30), Placed(top));
    EXPECT_EQ(CRect(0, 280, 400, 300), Placed(bottom));
    EXPECT_EQ(CRect(0, 30, 50, 280), Placed(left));
    EXPECT_EQ(CRect(50, 30, 400, 280), Placed(pane));
    EXPECT_EQ(&parent, top.GetParent());
    EXPECT_EQ(nullptr, top.GetDockingFrame()); // the parent is no frame
}

TEST_F(ControlBarLayout, QueryMovesNothingAndHiddenBarsTakeNoRoom)
{
    bottom.ShowWindow(SW_HIDE);
    CRect free;
    AfxRepositionBars(&parent, 0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &free);
    EXPECT_EQ(CRect(50, 30, 400, 300), free);
    EXPECT_EQ(CRect(0, 0, 1, 1), Placed(pane));
}

TEST(ControlBar, DockedInAFrameItKnowsTheFrame)
{
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(NULL, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CTestBar bar(10);
    ASSERT_TRUE(bar.CreateBar(frame, CBRS_TOP, 100));
    EXPECT_EQ(frame, bar.GetDockingFrame());
    EXPECT_EQ(CSize(0, 0), bar.CControlBar::CalcFixedLayout(FALSE, TRUE));
    EXPECT_EQ(CSize(32767, 10), bar.CalcDynamicLayout(-1, LM_STRETCH | LM_HORZ | LM_HORZDOCK));
    bar.DestroyWindow();
    frame->DestroyWindow(); // frames delete themselves
}

} // namespace
