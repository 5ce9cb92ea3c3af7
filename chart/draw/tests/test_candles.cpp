// Candles: body and wick pixels, fills, doji colours, selection squares in XOR, the hit test and
// the price-band overlay.
#include <gtest/gtest.h>

#include <vector>

#include "../../series/tests/picture.h"
#include "draw_fixture.h"

namespace
{

const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF RISE = RGB(255, 0, 0); // 0x0000FF
const COLORREF FALL = RGB(0, 0, 255); // 0xFF0000
const CRect AREA(0, 0, 200, 100);

// A candle object over open, high, low, close (and volume), newest first; rows are 100 - value.
struct Candles : DrawFixture
{
    Candles(std::vector<int> open, std::vector<int> high, std::vector<int> low, std::vector<int> close, float step,
            std::vector<int> volume = {})
        : DrawFixture(DRAWKIND_CANDLE,
                      {std::vector<int>(open.size(), 0), open, high, low, close,
                       volume.empty() ? std::vector<int>(open.size(), 0) : volume},
                      step)
    {
        object.BindCandleSeries();
        object.m_pS4 = store.m_ppSeries[5];
    }
};

std::vector<DWORD> Bytes(Picture& picture, int width, int height)
{
    std::vector<DWORD> out;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.push_back(picture.At(x, y));
    return out;
}

TEST(CandlePixels, SevenPixelSlotGivesASevenWideBodyWithTheWickInItsFourthColumn)
{
    Candles c({20}, {80}, {10}, {60}, 7);
    Picture picture(200, 100, WHITE);
    c.object.Draw(AREA, &picture.dc(), FALSE);
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(RISE, picture.At(x, 50)) << x;
    EXPECT_EQ(WHITE, picture.At(7, 50));
    EXPECT_EQ(RISE, picture.At(3, 30)); // upper wick, above the body (rows 40..79)
    EXPECT_EQ(WHITE, picture.At(2, 30));
    EXPECT_EQ(WHITE, picture.At(4, 30));
    EXPECT_EQ(RISE, picture.At(3, 85)); // lower wick
}

TEST(CandlePixels, EightPixelSlotGivesASevenWideBody)
{
    Candles c({20}, {80}, {10}, {60}, 8);
    Picture picture(200, 100, WHITE);
    c.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(RISE, picture.At(6, 50));
    EXPECT_EQ(WHITE, picture.At(7, 50));
    EXPECT_EQ(RISE, picture.At(3, 30));
}

TEST(CandlePixels, WithoutFallingFillAFallingCandleIsAnOutline)
{
    Candles c({60}, {80}, {10}, {20}, 9);
    c.object.SetStyle(0, 1, 0xFF0000, 0x0000FF, 0);
    Picture picture(200, 100, WHITE);
    c.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(FALL, picture.At(0, 60));
    EXPECT_EQ(FALL, picture.At(8, 60));
    EXPECT_EQ(WHITE, picture.At(2, 60));
    EXPECT_EQ(FALL, picture.At(4, 30)); // wick above the open
    c.object.SetStyle(1, 1, 0xFF0000, 0x0000FF, 0);
    c.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(FALL, picture.At(2, 60));
}

struct DojiCase
{
    const char* name;
    std::vector<int> open, close; // newest first; index 0 is the doji
    COLORREF colour;
};

class Doji : public ::testing::TestWithParam<DojiCase>
{
};

TEST_P(Doji, TakesItsPenFromTheBarsBefore)
{
    const DojiCase& d = GetParam();
    std::vector<int> high(d.open.size(), 90), low(d.open.size(), 5);
    Candles c(d.open, high, low, d.close, 10);
    Picture picture(200, 100, WHITE);
    c.object.Draw(AREA, &picture.dc(), FALSE);
    int slot = int(d.open.size()) - 1; // the newest stands furthest right
    EXPECT_EQ(d.colour, picture.At(slot * 10 + 1, 100 - d.open[0])) << d.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Doji,
    ::testing::Values(DojiCase{"after a higher close", {50, 50}, {50, 70}, FALL},
                      DojiCase{"after a lower close", {50, 50}, {50, 30}, RISE},
                      DojiCase{"oldest", {50}, {50}, FALL},
                      DojiCase{"equal close, an older rising bar decides", {50, 50, 50, 40}, {50, 50, 50, 50}, RISE},
                      DojiCase{"equal close, an older close below decides", {50, 50, 50}, {50, 50, 40}, RISE},
                      DojiCase{"equal close, an older falling bar decides", {50, 50, 60}, {50, 50, 50}, FALL},
                      DojiCase{"a flat run keeps the oldest bar's pen", {50, 50, 50}, {50, 50, 50}, FALL}));

TEST(CandleSelection, XorTwiceLeavesThePictureAsItWas)
{
    std::vector<int> open, high, low, close;
    for (int i = 0; i < 40; ++i)
    {
        open.push_back(30 + i % 7);
        close.push_back(40 - i % 5);
        high.push_back(60);
        low.push_back(20);
    }
    Candles c(open, high, low, close, 5);
    Picture picture(200, 100, RGB(12, 34, 56));
    c.object.Draw(AREA, &picture.dc(), FALSE);
    std::vector<DWORD> before = Bytes(picture, 200, 100);
    c.object.DrawSelection(AREA, &picture.dc());
    EXPECT_NE(before, Bytes(picture, 200, 100));
    c.object.DrawSelection(AREA, &picture.dc());
    EXPECT_EQ(before, Bytes(picture, 200, 100));
}

TEST(CandleSelection, SquaresStandEverySeventhAtStepFiveAndEveryTenthAtStepZero)
{
    std::vector<int> flat(30, 50);
    Candles c(flat, flat, flat, flat, 5);
    Picture picture(200, 100, RGB(0, 0, 0));
    c.object.DrawSelection(AREA, &picture.dc());
    // Squares at slot middles 2, 37, 72, ... on row 50.
    EXPECT_EQ(RGB(0xC8, 0xC8, 0xC8), picture.At(2, 50));
    EXPECT_EQ(RGB(0xC8, 0xC8, 0xC8), picture.At(37, 50));
    EXPECT_EQ(RGB(0, 0, 0), picture.At(12, 50));

    c.object.SetXStep(0);
    Picture zero(200, 100, RGB(0, 0, 0));
    c.object.DrawSelection(AREA, &zero.dc());
    EXPECT_EQ(RGB(0xC8, 0xC8, 0xC8), zero.At(0, 50)); // every position stands at x 0
}

struct HitCase
{
    int x, y, hit;
};

class CandleHit : public ::testing::TestWithParam<HitCase>
{
};

// One rising candle in a 20-pixel slot: body rows 40..60 (open 40, close 60), wick column 10, high 80
// (row 20), low 10 (row 90).
TEST_P(CandleHit, BodyAndWickWithThreePixels)
{
    Candles c({40}, {80}, {10}, {60}, 20);
    EXPECT_EQ(GetParam().hit, c.object.HitTest(AREA, GetParam().x, GetParam().y, FALSE))
        << GetParam().x << "," << GetParam().y;
}

INSTANTIATE_TEST_SUITE_P(Table, CandleHit,
                         ::testing::Values(HitCase{1, 37, 1}, HitCase{1, 36, 0}, HitCase{1, 63, 1},
                                           HitCase{1, 64, 0}, HitCase{12, 20, 1}, HitCase{13, 17, 1},
                                           HitCase{14, 25, 0}, HitCase{10, 16, 0}, HitCase{25, 50, 0}));

TEST(CandleHit, AZeroStepHitsNothing)
{
    Candles c({40}, {80}, {10}, {60}, 0);
    EXPECT_EQ(0, c.object.HitTest(AREA, 0, 50, FALSE));
    EXPECT_EQ(0, c.object.HitTest(AREA, 10, 50, FALSE));
}

// Four bars; the window shows positions 2 and 3, which hold data indices 1 and 0 (close 20,
// the largest); indices 2 and 3 close at 10. Rows are 100 - 2 * value.
struct Bands : Candles
{
    Bands(std::vector<int> volume)
        : Candles({20, 20, 10, 10}, {20, 20, 10, 10}, {20, 20, 10, 10}, {20, 20, 10, 10}, 10, volume)
    {
        object.SetYScale(2);
        object.SetFirstVisible(2);
        object.SetVisibleCount(2);
        object.SetStyle(1, 1, 0xFF0000, 0x0000FF, 1);
    }
};

const COLORREF GREEN = RGB(0, 0xC8, 0);

TEST(PriceBands, CountTheBarsOnScreenByTheirDataIndex)
{
    Bands b({100, 100, 100, 100});
    Picture picture(200, 100, WHITE);
    b.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(GREEN, picture.At(30, 61)); // band 9 (19..20, rows 60..62) holds everything
    EXPECT_EQ(WHITE, picture.At(30, 79)); // band 0 holds nothing on screen
}

TEST(PriceBands, AnEmptyVolumeCountsNowhere)
{
    Bands b({100, EMPTY, 100, 100});
    Picture picture(200, 100, WHITE);
    b.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(GREEN, picture.At(190, 61)); // still the full width
}

TEST(PriceBands, NoVolumeDrawsNoBands)
{
    for (int v : {0, EMPTY})
    {
        Bands b({v, v, v, v});
        Picture picture(200, 100, WHITE);
        b.object.Draw(AREA, &picture.dc(), FALSE);
        for (int x = 30; x < 200; ++x)
            for (int y = 0; y < 100; ++y)
                ASSERT_EQ(WHITE, picture.At(x, y)) << v;
    }
}

TEST(PriceBands, AFlatCloseStillDraws)
{
    Bands b({100, 100, 100, 100});
    for (int k = 1; k < 6; ++k)
        b.store.m_ppSeries[4][k % 4] = 20;
    Picture picture(200, 100, WHITE);
    b.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(RGB(0x80, 0x80, 0x82), picture.At(100, 60)); // band 9 is one row high
}

} // namespace
