// Extremes, moving averages and rates over integer series.
#include <gtest/gtest.h>

#include <vector>

#include "Calculater.h"
#include "SeriesValues.h"

namespace
{

const int N = SERIES_NODATA, X = SERIES_NOTCOMPUTED, E = SERIES_EMPTYMIN;

struct ExtremeCase
{
    const char* what;
    std::vector<int> values;
    int skipSwitch;
    int skipValue;
    int max;
    int min;
};

class Extremes : public ::testing::TestWithParam<ExtremeCase>
{
};

TEST_P(Extremes, LeaveReservedAndSkippedValuesOut)
{
    const ExtremeCase& c = GetParam();
    CCalculater calc;
    EXPECT_EQ(c.max, calc.MaxOf(c.values.data(), int(c.values.size()), c.skipSwitch, c.skipValue)) << c.what;
    EXPECT_EQ(c.min, calc.MinOf(c.values.data(), int(c.values.size()), c.skipSwitch, c.skipValue)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Extremes,
    ::testing::Values(ExtremeCase{"reserved values between", {N, 5, X, 3}, 1, N, 5, 3},
                      ExtremeCase{"only no-data", {N, N, N}, 1, N, E, X},
                      ExtremeCase{"nothing", {}, 1, N, E, X},
                      ExtremeCase{"the minimum's empty value", {E, 7, 9}, 1, N, 9, 7},
                      ExtremeCase{"skip value while the switch is on", {0, 4, 0, 8}, 1, 0, 8, 4},
                      // The skip value never starts an extreme; with the switch off later ones count.
                      ExtremeCase{"skip value with the switch off", {0, 4, 0, 8}, 0, 0, 8, 0},
                      ExtremeCase{"negative values", {-5, -9, -1}, 1, N, -1, -9}));

TEST(MovingAverage, WritesOnlyWhereTheWindowFits)
{
    int values[5] = {10, 20, 30, 40, 50};
    int out[5] = {X, X, X, X, X};
    CCalculater().MovingAverage(values, 5, out, 3, 0);
    EXPECT_EQ(20, out[0]);
    EXPECT_EQ(30, out[1]);
    EXPECT_EQ(40, out[2]); // the three oldest values
    EXPECT_EQ(X, out[3]);
    EXPECT_EQ(X, out[4]);
}

TEST(MovingAverage, TruncatesAndStartsAtTheGivenPosition)
{
    int values[10] = {N, N, 1, 2, 2, 3, 3, 3, 4, 4};
    int out[10];
    std::fill(out, out + 10, X);
    CCalculater().MovingAverage(values, 10, out, 5, 2);
    int expected[10] = {X, X, 2, 2, 3, 3, X, X, X, X}; // 10/5, 13/5, 15/5, 17/5
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(expected[i], out[i]) << i;
}

TEST(MovingAverage, AWindowHoldingNoDataGetsNoAverage)
{
    // Series are newest first: a gap in the middle spoils every window across it.
    int values[8] = {4, 4, N, 4, 4, 4, 4, 4};
    int out[8];
    std::fill(out, out + 8, X);
    CCalculater().MovingAverage(values, 8, out, 3, 0);
    int expected[8] = {X, X, X, 4, 4, 4, X, X};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(expected[i], out[i]) << i;
    int at[8];
    std::fill(at, at + 8, X);
    CCalculater().MovingAverageAt(values, 8, 1, at, 3);
    EXPECT_EQ(X, at[1]);
    CCalculater().MovingAverageAt(values, 8, 3, at, 3);
    EXPECT_EQ(4, at[3]);
}

TEST(MovingAverage, RefusesWindowsThatDoNotFit)
{
    int values[3] = {1, 2, 3};
    int out[3] = {X, X, X};
    CCalculater calc;
    calc.MovingAverage(values, 3, out, 4, 0);
    calc.MovingAverage(values, 3, out, 0, 0);
    calc.MovingAverage(values, 3, out, 2, 2);
    calc.MovingAverageAt(values, 3, 2, out, 2);
    EXPECT_EQ(X, out[0]);
    EXPECT_EQ(X, out[2]);
    calc.MovingAverageAt(values, 3, 1, out, 0);
    EXPECT_EQ(0, out[1]);
}

TEST(Rate, IsInHundredthsOfAPerCentOfTheValue)
{
    int values[4] = {110, 0, 90, N};
    int out[4] = {0, 0, 0, 0};
    CCalculater calc;
    calc.RateAt(values, 4, 0, out, 100);
    calc.RateAt(values, 4, 2, out, 100);
    EXPECT_EQ(909, out[0]);   // 10 / 110
    EXPECT_EQ(-1111, out[2]); // -10 / 90
    // A value of 0, or no value, has no rate: the drawers' empty value.
    calc.RateAt(values, 4, 1, out, 100);
    calc.RateAt(values, 4, 3, out, 100);
    EXPECT_EQ(X, out[1]);
    EXPECT_EQ(X, out[3]);
    calc.RateAt(values, 4, 4, out, 100); // past the end: nothing
}

} // namespace
