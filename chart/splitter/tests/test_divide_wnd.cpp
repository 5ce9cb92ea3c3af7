// The splitter's boundary rule, and the bar as a user drags it: the distance it reports is
// measured from its own top row.
#include <gtest/gtest.h>

#include <vector>

#include "DivideWnd.h"
#include "Properties.h"

namespace
{

struct BoundaryCase
{
    const char* what;
    int dy;
    int boundary;
};

// Upper region 0 ... 100, lower 100 ... 150.
const BoundaryCase kBoundaryCases[] = {
    {"no move", 0, 100},
    {"up a little", -30, 70},
    {"up by one less than the upper height", -99, 1},
    {"up by the upper height leaves 4 pixels", -100, 4},
    {"far above the upper region leaves 4 pixels", -1000, 4},
    {"down a little", 20, 120},
    {"down by one less than the lower height", 49, 149},
    {"down by the lower height leaves 4 pixels", 50, 146},
    {"far below the lower region leaves 4 pixels", 1000, 146},
};

class Boundary : public ::testing::TestWithParam<BoundaryCase>
{
};

TEST_P(Boundary, Rule)
{
    const BoundaryCase& c = GetParam();
    EXPECT_EQ(c.boundary, SplitterBoundary(CRect(0, 0, 300, 100), CRect(0, 100, 300, 150), c.dy)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, Boundary, ::testing::ValuesIn(kBoundaryCases));

struct Release
{
    WPARAM index;
    LPARAM dy;
};

class CCanvasStandIn : public CWnd
{
public:
    std::vector<Release> releases;
    BOOL Make() { return CreateEx(0, NULL, "canvas", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, NULL, NULL); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DIVIDE_RELEASED)
            releases.push_back({wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class Splitter : public ::testing::Test
{
protected:
    CProperties properties;
    CCanvasStandIn canvas;
    CDivideWnd splitter;

    void SetUp() override
    {
        ASSERT_TRUE(canvas.Make());
        ASSERT_TRUE(splitter.Create(&canvas, 3, &properties));
        splitter.Move(CRect(15, 0, 340, 100), CRect(15, 100, 340, 150));
    }
    void TearDown() override
    {
        splitter.DestroyWindow();
        canvas.DestroyWindow();
    }
};

TEST_F(Splitter, SitsOnTheLowerRegionsTopAcrossTheInnerMargins)
{
    CRect rect;
    splitter.GetWindowRect(&rect);
    canvas.ScreenToClient(&rect);
    const int left = properties.GetLeftMargin();
    const int right = properties.GetRMargin();
    EXPECT_EQ(CRect(15 - left + 1, 99, 15 - left + 1 + 325 + left + right - 1, 101), rect);
    EXPECT_TRUE(splitter.IsWindowVisible());
}

TEST_F(Splitter, AReleaseOnItsOwnTopRowSendsZero)
{
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 1));
    EXPECT_TRUE(splitter.IsDragging());
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 0));
    ASSERT_EQ(1u, canvas.releases.size());
    EXPECT_EQ(3u, canvas.releases[0].index);
    EXPECT_EQ(0, canvas.releases[0].dy);
    EXPECT_FALSE(splitter.IsDragging());
    EXPECT_EQ(nullptr, CWnd::GetCapture());
}

TEST_F(Splitter, ADragReportsTheReleaseYFromItsTop)
{
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 1));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 15));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, -40));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, WORD(short(-40))));
    ASSERT_EQ(1u, canvas.releases.size());
    EXPECT_EQ(-40, int(canvas.releases[0].dy));
}

} // namespace
