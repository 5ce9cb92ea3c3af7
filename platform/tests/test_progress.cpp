// CProgressCtrl drives comctl32's progress bar: each call's result is the control's previous value.
#include <afxcmn.h>
#include <gtest/gtest.h>

namespace {

class ProgressTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 50, NULL, NULL, NULL, NULL);
        ASSERT_NE(parent, nullptr);
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | PBS_SMOOTH, CRect(11, 44, 187, 50), CWnd::FromHandle(parent), 1008));
    }
    void TearDown() override
    {
        bar.DestroyWindow();
        DestroyWindow(parent);
    }
    HWND parent = NULL;
    CProgressCtrl bar;
};

TEST_F(ProgressTest, CreatesAChildWithTheControlsDefaults)
{
    EXPECT_EQ(GetParent(bar.m_hWnd), parent);
    EXPECT_EQ(GetDlgCtrlID(bar.m_hWnd), 1008);
    int lower = -1, upper = -1;
    bar.GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 100);
    EXPECT_EQ(bar.GetPos(), 0);
}

TEST_F(ProgressTest, PositionCallsReturnThePreviousValue)
{
    bar.SetRange32(0, 50);
    const struct
    {
        const char* what;
        int (*call)(CProgressCtrl&);
        int previous;
        int after;
    } steps[] = {
        {"SetPos(10)", [](CProgressCtrl& b) { return b.SetPos(10); }, 0, 10},
        {"OffsetPos(5)", [](CProgressCtrl& b) { return b.OffsetPos(5); }, 10, 15},
        {"SetStep(1)", [](CProgressCtrl& b) { return b.SetStep(1); }, 10, 15},
        {"StepIt()", [](CProgressCtrl& b) { return b.StepIt(); }, 15, 16},
        {"SetPos(80) clamps", [](CProgressCtrl& b) { return b.SetPos(80); }, 16, 50},
        {"SetPos(-3) clamps", [](CProgressCtrl& b) { return b.SetPos(-3); }, 50, 0},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(s.call(bar), s.previous) << s.what;
        EXPECT_EQ(bar.GetPos(), s.after) << s.what;
    }
}

TEST_F(ProgressTest, RangesOfBothWidths)
{
    int lower = 0, upper = 0;
    bar.SetRange(5, 300);
    bar.GetRange(lower, upper);
    EXPECT_EQ(lower, 5);
    EXPECT_EQ(upper, 300);
    bar.SetRange32(-100000, 2000000);
    bar.GetRange(lower, upper);
    EXPECT_EQ(lower, -100000);
    EXPECT_EQ(upper, 2000000);
    bar.SetPos(1500000);
    EXPECT_EQ(bar.GetPos(), 1500000);
}

TEST_F(ProgressTest, ColoursReturnThePreviousColour)
{
    EXPECT_EQ(bar.SetBarColor(RGB(255, 191, 0)), CLR_DEFAULT);
    EXPECT_EQ(bar.SetBarColor(RGB(255, 121, 31)), RGB(255, 191, 0));
    EXPECT_EQ(bar.SetBkColor(RGB(40, 80, 130)), CLR_DEFAULT);
    EXPECT_EQ(bar.SetBkColor(CLR_DEFAULT), RGB(40, 80, 130));
}

} // namespace
