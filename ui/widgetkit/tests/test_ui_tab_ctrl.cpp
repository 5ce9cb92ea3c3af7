// The tab strip painted into a memory DC: unselected and selected colours, a tab's own set, the
// border, colour sets kept with their tabs, and the static children's background.
#include <gtest/gtest.h>

#include <memory>

#include "UITabCtrl.h"
#include "test_skin.h"
#include "widget_host.h"

namespace {

const tagBtnColor kRedSet = {RGB(220, 0, 0), RGB(0, 0, 120), RGB(255, 255, 255), 0};
const tagBtnColor kGreenSet = {RGB(0, 200, 0), RGB(120, 0, 120), RGB(0, 0, 0), 0};

class TabTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LoadTestSkin();
        ASSERT_TRUE(parent.CreateHost(CRect(0, 0, 500, 200)));
        tabs.reset(new CUITabCtrl);
        ASSERT_TRUE(tabs->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 150), &parent, 7601));
        EXPECT_TRUE(tabs->GetStyle() & WS_CLIPCHILDREN);
    }
    void TearDown() override
    {
        tabs.reset();
        parent.DestroyWindow();
    }
    // The fill of a tab, away from its text and outline.
    COLORREF TabFill(Canvas& canvas, int index)
    {
        CRect rect;
        tabs->GetItemRect(index, &rect);
        return canvas.Pixel(rect.left + 6, rect.top + 8);
    }
    Canvas& Painted()
    {
        canvas.Fill(RGB(1, 2, 3));
        tabs->Paint(canvas.DC());
        return canvas;
    }

    CRecordingParent parent;
    std::unique_ptr<CUITabCtrl> tabs;
    Canvas canvas{480, 150};
};

TEST_F(TabTest, TabsAreAHundredByTwentyTwo)
{
    tabs->InsertItem(0, "A");
    CRect rect;
    tabs->GetItemRect(0, &rect);
    EXPECT_EQ(100, rect.Width());
    EXPECT_EQ(22, rect.Height());
    EXPECT_EQ(23, tabs->GetBtnHight());
}

TEST_F(TabTest, TextOnlyTabsUseTheControlsColours)
{
    tabs->InsertItem(0, "A");
    tabs->InsertItem(1, "B");
    tabs->InsertItem(2, "C");
    tabs->SetCurSel(1);
    Canvas& c = Painted();
    EXPECT_EQ(TestColour(632), TabFill(c, 0));
    EXPECT_EQ(TestColour(631), TabFill(c, 1)) << "selected fill";
    EXPECT_EQ(TestColour(632), TabFill(c, 2));
    EXPECT_EQ(TestColour(633), c.Pixel(470, 23)) << "border in the line colour";
    EXPECT_EQ(TestColour(633), c.Pixel(0, 100));
    EXPECT_EQ(TestColour(401), c.Pixel(470, 10)) << "background";
    EXPECT_EQ(TestColour(401), c.Pixel(200, 100));
}

TEST_F(TabTest, NoSelectionDrawsEveryTabUnselected)
{
    tabs->InsertItem(0, "A", kRedSet);
    tabs->InsertItem(1, "B");
    tabs->SetCurSel(-1);
    Canvas& c = Painted();
    EXPECT_EQ(TestColour(632), TabFill(c, 0));
    EXPECT_EQ(TestColour(632), TabFill(c, 1));
    EXPECT_EQ(TestColour(633), c.Pixel(470, 23));
}

TEST_F(TabTest, SelectedTabWithItsOwnSet)
{
    tabs->InsertItem(0, "A", kRedSet);
    tabs->InsertItem(1, "B");
    tabs->SetCurSel(0);
    Canvas& c = Painted();
    EXPECT_EQ(RGB(220, 0, 0), TabFill(c, 0));
    EXPECT_EQ(TestColour(632), TabFill(c, 1));
    EXPECT_EQ(RGB(0, 0, 120), c.Pixel(470, 23)) << "border in the set's line colour";
    CRect rect;
    tabs->GetItemRect(0, &rect);
    EXPECT_EQ(RGB(0, 0, 120), c.Pixel(rect.left, rect.bottom - 3)) << "outline";
}

TEST_F(TabTest, ColourSetsStayWithTheirTabs)
{
    tabs->InsertItem(0, "A", kRedSet);
    tabs->InsertItem(1, "C", kGreenSet);
    tabs->InsertItem(1, "B", kRedSet);   // a set inserted in the middle shifts the later ones
    tabs->InsertItem(0, "plain");        // as does a tab without colours
    const struct
    {
        int index;
        COLORREF fill;
    } cases[] = {{0, TestColour(631)}, {1, RGB(220, 0, 0)}, {2, RGB(220, 0, 0)}, {3, RGB(0, 200, 0)}};
    for (const auto& c : cases) {
        tabs->SetCurSel(c.index);
        EXPECT_EQ(c.fill, TabFill(Painted(), c.index)) << c.index;
    }
    tabs->DeleteItem(0);
    tabs->SetCurSel(2);
    EXPECT_EQ(RGB(0, 200, 0), TabFill(Painted(), 2)) << "deleting keeps them in step";
}

TEST_F(TabTest, NewColoursReachStaticChildren)
{
    CStatic label;
    ASSERT_TRUE(label.Create("x", WS_CHILD | WS_VISIBLE, CRect(10, 40, 60, 60), tabs.get(), 7602));
    HDC dc = ::GetDC(label.m_hWnd);
    HBRUSH before = reinterpret_cast<HBRUSH>(tabs->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                               reinterpret_cast<LPARAM>(label.m_hWnd)));
    LOGBRUSH lb;
    ASSERT_TRUE(::GetObject(before, sizeof lb, &lb));
    EXPECT_EQ(TestColour(401), lb.lbColor);
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(dc));
    tabs->SetTabColor(RGB(9, 99, 199), RGB(0, 0, 0), RGB(1, 1, 1), RGB(2, 2, 2));
    HBRUSH after = reinterpret_cast<HBRUSH>(tabs->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                              reinterpret_cast<LPARAM>(label.m_hWnd)));
    ASSERT_TRUE(::GetObject(after, sizeof lb, &lb));
    EXPECT_EQ(RGB(9, 99, 199), lb.lbColor);
    EXPECT_EQ(0, ::GetObject(before, sizeof lb, &lb)) << "the old brush is deleted";
    ::ReleaseDC(label.m_hWnd, dc);
    EXPECT_EQ(RGB(9, 99, 199), Painted().Pixel(470, 10));
    label.DestroyWindow();
}

} // namespace
