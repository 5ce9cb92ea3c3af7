// The panel's static children on its colour, and the candle painted into a memory DC.
#include <gtest/gtest.h>

#include "ColorMap.h"
#include "Panel.h"
#include "test_skin.h"
#include "widget_host.h"

namespace {

class CandleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LoadTestSkin();
        ASSERT_TRUE(parent.CreateHost());
        ASSERT_TRUE(candle.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 106), &parent, 7701));
    }
    void TearDown() override
    {
        candle.DestroyWindow();
        parent.DestroyWindow();
    }
    Canvas& Painted()
    {
        canvas.Fill(RGB(1, 2, 3));
        candle.Paint(canvas.DC());
        return canvas;
    }

    CRecordingParent parent;
    CCandleCtrl candle;
    Canvas canvas{40, 96};
};

TEST_F(CandleTest, RisingCandleSpansAThirdToTwoThirds)
{
    candle.SetPrice(100, 110, 90, 120);
    int open, close, low, high;
    candle.GetPrice(open, close, low, high);
    EXPECT_EQ(100, open);
    EXPECT_EQ(110, close);
    EXPECT_EQ(90, low);
    EXPECT_EQ(120, high);
    Canvas& c = Painted();
    const COLORREF rise = TestColour(102);
    const COLORREF ground = ::GetSysColor(COLOR_WINDOW);
    // The inner height is 90 (96 less the margins): the body from 33 to 63.
    EXPECT_EQ(ground, c.Pixel(10, 32));
    EXPECT_EQ(rise, c.Pixel(10, 33));
    EXPECT_EQ(rise, c.Pixel(10, 62));
    EXPECT_EQ(ground, c.Pixel(10, 63));
    EXPECT_EQ(ground, c.Pixel(5, 48)) << "the body leaves 3 more pixels on each side";
    EXPECT_EQ(rise, c.Pixel(6, 48));
    EXPECT_EQ(rise, c.Pixel(33, 48));
    EXPECT_EQ(ground, c.Pixel(34, 48));
    // The wick runs from high to low at the centre.
    EXPECT_EQ(rise, c.Pixel(20, 3));
    EXPECT_EQ(rise, c.Pixel(20, 92));
    EXPECT_EQ(ground, c.Pixel(20, 2));
    EXPECT_EQ(ground, c.Pixel(20, 93));
}

TEST_F(CandleTest, ColoursAndShapes)
{
    const struct
    {
        const char* name;
        int open, close, low, high;
        COLORREF colour; // 0: nothing drawn
        int bodyRow;
    } cases[] = {
        {"fall", 110, 100, 90, 120, TestColour(103), 40},
        {"unchanged", 100, 100, 90, 120, TestColour(101), 48},
        {"a zero price", 100, 110, 0, 120, 0, 48},
        {"high equal to low", 100, 100, 100, 100, TestColour(101), 48},
    };
    for (const auto& c : cases) {
        candle.SetPrice(c.open, c.close, c.low, c.high);
        Canvas& painted = Painted();
        if (c.colour == 0) {
            EXPECT_EQ(40 * 96, painted.Count(CRect(0, 0, 40, 96), ::GetSysColor(COLOR_WINDOW))) << c.name;
            continue;
        }
        EXPECT_EQ(c.colour, painted.Pixel(10, c.bodyRow)) << c.name;
    }
}

TEST(Panel, StaticChildrenDrawOnThePanelColour)
{
    LoadTestSkin();
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateHost());
    CPanel panel;
    ASSERT_TRUE(panel.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &parent, 7702));
    EXPECT_TRUE(panel.GetStyle() & WS_CLIPCHILDREN);
    EXPECT_TRUE(panel.GetStyle() & WS_CLIPSIBLINGS);
    CStatic label;
    ASSERT_TRUE(label.Create("x", WS_CHILD | WS_VISIBLE, CRect(5, 5, 50, 20), &panel, 7703));
    HDC dc = ::GetDC(label.m_hWnd);
    HBRUSH brush = reinterpret_cast<HBRUSH>(
        panel.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label.m_hWnd)));
    LOGBRUSH lb;
    ASSERT_TRUE(::GetObject(brush, sizeof lb, &lb));
    EXPECT_EQ(TestColour(401), lb.lbColor);
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(dc));
    ::ReleaseDC(label.m_hWnd, dc);
    label.DestroyWindow();
    panel.DestroyWindow();
    parent.DestroyWindow();
}

} // namespace
