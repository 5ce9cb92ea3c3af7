// The text slider and ticker bar: a new text scrolls in on timer ticks and leaves only the new
// picture; texts arriving mid-scroll never grow the picture; the ticker's sign cells.
#include <gtest/gtest.h>

#include "TxtSlider.h"
#include "widget_host.h"

namespace {

const COLORREF kRise = RGB(237, 13, 76);
const COLORREF kFall = RGB(66, 36, 248);

class SliderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateHost());
        ASSERT_TRUE(slider.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 30), &parent, 7801));
        slider.SetSpeed(100000); // ticks come from the test alone
    }
    void TearDown() override
    {
        slider.DestroyWindow();
        parent.DestroyWindow();
    }
    void Tick(int n)
    {
        for (int i = 0; i < n; ++i)
            slider.SendMessage(WM_TIMER, TXTSLIDER_TIMER, 0);
    }

    CRecordingParent parent;
    CTxtSlider slider;
};

TEST_F(SliderTest, NewTextScrollsInAndOnlyItStays)
{
    slider.SetText("first", RGB(0, 0, 0), RGB(255, 255, 255));
    Tick(40);
    EXPECT_FALSE(slider.IsScrolling());
    slider.SetBGColor(RGB(0, 0, 90));
    slider.SetText("second");
    EXPECT_TRUE(slider.IsScrolling());
    EXPECT_EQ(CSize(200, 40), slider.GetBitmapSize()) << "old picture above the new";
    EXPECT_EQ(RGB(0, 0, 90), slider.GetBitmapPixel(199, 39));
    Tick(10);
    EXPECT_EQ(10, slider.GetOffset());
    EXPECT_TRUE(slider.IsScrolling());
    Tick(11); // one past the height difference
    EXPECT_FALSE(slider.IsScrolling());
    EXPECT_EQ(0, slider.GetOffset());
    EXPECT_EQ(CSize(200, 20), slider.GetBitmapSize());
    EXPECT_EQ(RGB(0, 0, 90), slider.GetBitmapPixel(199, 0)) << "only the new picture";
    Canvas canvas(200, 20);
    slider.Paint(canvas.DC());
    EXPECT_GT(canvas.Count(CRect(0, 0, 200, 20), RGB(255, 255, 255)), 0) << "the text shows";
}

TEST_F(SliderTest, TextsArrivingMidScrollNeverGrowThePicture)
{
    slider.SetText("a");
    for (int i = 0; i < 50; ++i) {
        slider.SetText(i % 2 ? "b" : "c");
        Tick(3);
        EXPECT_LE(slider.GetBitmapSize().cy, 40) << i;
    }
    Tick(40);
    EXPECT_FALSE(slider.IsScrolling());
    EXPECT_EQ(CSize(200, 20), slider.GetBitmapSize());
}

TEST_F(SliderTest, WithoutScrollANewTextReplacesTheOldAtOnce)
{
    slider.ModifyStyle(TXTSLIDER_SCROLL, 0);
    EXPECT_EQ(0, slider.GetSliderStyle());
    slider.SetBGColor(RGB(10, 20, 30));
    slider.SetText("now");
    EXPECT_FALSE(slider.IsScrolling());
    EXPECT_EQ(CSize(200, 20), slider.GetBitmapSize());
    EXPECT_EQ(RGB(10, 20, 30), slider.GetBitmapPixel(199, 19));
}

TEST(TickerBar, SignCellsAndTexts)
{
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateHost());
    CTickerBar ticker;
    ASSERT_TRUE(ticker.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 30), &parent, 7802));
    ticker.SetSpeed(100000);
    ticker.ModifyStyle(TXTSLIDER_SCROLL, 0);
    ticker.SetBGColor(RGB(255, 255, 255));
    tagTickerItem items[5];
    const char signs[] = {'2', '3', '5', '1', '4'};
    for (int i = 0; i < 5; ++i) {
        items[i].nFormat = DT_LEFT;
        items[i].nWidth = 60;
        items[i].nKind = 1;
        items[i].chSign = signs[i];
        items[i].clrText = 0;
    }
    ticker.SetDrawItem(items, 5);
    EXPECT_EQ(5, ticker.GetItemCount());
    Canvas canvas(300, 30);
    ticker.Paint(canvas.DC());
    const struct
    {
        int cell;
        COLORREF colour; // 0: empty
    } cases[] = {{0, kRise}, {1, 0}, {2, kFall}, {3, kRise}, {4, kFall}};
    for (const auto& c : cases) {
        const CRect cell(c.cell * 60, 0, c.cell * 60 + 60, 30);
        const int rise = canvas.Count(cell, kRise), fall = canvas.Count(cell, kFall);
        if (c.colour == 0) {
            EXPECT_EQ(0, rise + fall) << c.cell;
        } else {
            EXPECT_GT(c.colour == kRise ? rise : fall, 5) << c.cell;
            // In the cell's last 20 pixels only.
            EXPECT_EQ(0, canvas.Count(CRect(cell.left, 0, cell.right - 20, 30), c.colour)) << c.cell;
        }
    }
    // Text items in their colours; nothing without items.
    tagTickerItem text;
    text.nFormat = DT_LEFT;
    text.nWidth = 300;
    text.nKind = 0;
    text.chSign = 0;
    text.strText = "BTC 비트코인 WWWW";
    text.clrText = RGB(0, 120, 0);
    ticker.SetDrawItem(&text, 1);
    canvas.Fill(RGB(1, 2, 3));
    ticker.Paint(canvas.DC());
    EXPECT_GT(canvas.Count(CRect(0, 0, 300, 30), RGB(0, 120, 0)), 0);
    ticker.SetDrawItem(NULL, 0);
    canvas.Fill(RGB(1, 2, 3));
    ticker.Paint(canvas.DC());
    EXPECT_EQ(300 * 30, canvas.Count(CRect(0, 0, 300, 30), RGB(255, 255, 255)));
    ticker.DestroyWindow();
    parent.DestroyWindow();
}

} // namespace
