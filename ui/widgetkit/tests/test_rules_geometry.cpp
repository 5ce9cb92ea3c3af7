// Gradient bands, tab colours, the message box layout and the candle, as tables.
#include <gtest/gtest.h>

#include "WidgetRules.h"

namespace {

TEST(GradientRules, BandsCoverTheWidth)
{
    const struct
    {
        int width;
        size_t bands;
        int firstRight;
    } cases[] = {{250, 100, 2}, {100, 100, 1}, {40, 40, 1}, {1, 1, 1}, {0, 1, 0}};
    for (const auto& c : cases) {
        const std::vector<GradientBand> bands = GradientBands(c.width, RGB(0, 0, 0), RGB(200, 100, 50));
        ASSERT_EQ(c.bands, bands.size()) << c.width;
        EXPECT_EQ(0, bands.front().nLeft);
        EXPECT_EQ(c.firstRight, bands.front().nRight) << c.width;
        EXPECT_EQ(c.width, bands.back().nRight) << c.width; // the last band ends at the right edge
        for (size_t i = 1; i < bands.size(); ++i)
            EXPECT_EQ(bands[i - 1].nRight, bands[i].nLeft);
    }
    const std::vector<GradientBand> bands = GradientBands(100, RGB(0, 0, 0), RGB(200, 100, 50));
    EXPECT_EQ(RGB(0, 0, 0), bands.front().clr);
    EXPECT_EQ(RGB(198, 99, 49), bands.back().clr); // 99 steps of (diff x 256) / 100
    EXPECT_EQ(RGB(100, 50, 25), bands[50].clr);
}

TEST(TabRules, ColoursBySelectionAndSet)
{
    const tagBtnColor set = {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)};
    const COLORREF sel = RGB(10, 0, 0), unsel = RGB(0, 10, 0), line = RGB(0, 0, 10);
    const struct
    {
        BOOL selected;
        const tagBtnColor* set;
        COLORREF fill, outline, text;
    } cases[] = {
        {TRUE, &set, RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)},
        {TRUE, nullptr, sel, line, line},
        {FALSE, &set, unsel, line, line},
        {FALSE, nullptr, unsel, line, line},
    };
    for (const auto& c : cases) {
        const TabColours colours = TabButtonColours(c.selected, c.set, sel, unsel, line);
        EXPECT_EQ(c.fill, colours.clrFill);
        EXPECT_EQ(c.outline, colours.clrLine);
        EXPECT_EQ(c.text, colours.clrText);
    }
}

TEST(MessageBoxRules, SizeAndButtons)
{
    const CSize nc(2, 27), button(60, 20);
    const struct
    {
        CSize text;
        int type;
        CSize window;
        CRect b1, b2;
        BOOL show1, show2;
    } cases[] = {
        // A short text still gives 300 pixels.
        {CSize(40, 12), 1, CSize(300, 27 + 12 + 30 + 20 + 5), CRect(119, 42, 179, 62), CRect(0, 0, 0, 0), TRUE, FALSE},
        // A long one widens the box.
        {CSize(500, 36), 3, CSize(532, 27 + 36 + 30 + 20 + 5), CRect(203, 66, 263, 86), CRect(267, 66, 327, 86), TRUE,
         TRUE},
        {CSize(10, 12), 0, CSize(300, 94), CRect(119, 42, 179, 62), CRect(0, 0, 0, 0), FALSE, FALSE},
        {CSize(10, 12), 2, CSize(300, 94), CRect(87, 42, 147, 62), CRect(151, 42, 211, 62), FALSE, TRUE},
    };
    for (const auto& c : cases) {
        const MessageBoxLayout layout = LayoutMessageBox(c.text, nc, button, c.type);
        EXPECT_EQ(c.window, layout.sizeWindow) << c.type;
        EXPECT_EQ(c.b1, layout.rcButton1) << c.type;
        EXPECT_EQ(c.b2, layout.rcButton2) << c.type;
        EXPECT_EQ(c.show1, layout.bShow1);
        EXPECT_EQ(c.show2, layout.bShow2);
    }
}

TEST(CandleRules, BodyWickAndColour)
{
    const CRect client(0, 0, 40, 96); // inner 90 high with the 3-pixel margin
    const struct
    {
        const char* name;
        int open, close, low, high;
        BOOL draw;
        WORD colour;
        int top, bottom;
    } cases[] = {
        {"rise 100/110/90/120", 100, 110, 90, 120, TRUE, 102, 33, 63}, // a third to two thirds of 90, + margin
        {"fall", 110, 100, 90, 120, TRUE, 103, 33, 63},
        {"unchanged", 100, 100, 90, 120, TRUE, 101, 48, 49},
        {"a zero price", 0, 110, 90, 120, FALSE, 102, 0, 0},
        {"high equal to low", 100, 100, 100, 100, TRUE, 101, 48, 49}, // no division by zero
        {"high below low", 100, 110, 120, 90, TRUE, 102, 48, 49},
    };
    for (const auto& c : cases) {
        const CandleShape shape = CandleGeometry(client, 3, c.open, c.close, c.low, c.high);
        EXPECT_EQ(c.draw, shape.bDraw) << c.name;
        if (!c.draw)
            continue;
        EXPECT_EQ(c.colour, shape.nColor) << c.name;
        EXPECT_EQ(c.top, shape.rcBody.top) << c.name;
        EXPECT_EQ(c.bottom, shape.rcBody.bottom) << c.name;
        EXPECT_EQ(6, shape.rcBody.left);
        EXPECT_EQ(34, shape.rcBody.right);
        EXPECT_EQ(20, shape.nWickX);
        EXPECT_EQ(3, shape.nWickTop);
        EXPECT_EQ(93, shape.nWickBottom);
    }
}

} // namespace
