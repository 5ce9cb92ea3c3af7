// The series store: columns, extremes, moving averages, the real-time rules and new bars.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DataCell.h"
#include "SeriesSettings.h"
#include "SeriesValues.h"
#include "TimeDataCell.h"

namespace
{

const int N = SERIES_NODATA, X = SERIES_NOTCOMPUTED;

std::vector<int> Column(const CDataCell& cell, int index)
{
    return std::vector<int>(cell.m_ppSeries[index], cell.m_ppSeries[index] + cell.m_nLength);
}

void Fill(CStringArray& list, std::vector<std::string> texts)
{
    list.RemoveAll();
    for (const std::string& t : texts)
        list.Add(t.c_str());
}

std::vector<std::string> Texts(const CStringArray& list)
{
    std::vector<std::string> texts;
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        texts.push_back(list[i].GetString());
    return texts;
}

TEST(SeriesStore, AlignedColumnsAreFilledAtTheFront)
{
    CDataCell cell;
    cell.AllocSeriesTable(2);
    int values[3] = {7, 8, 9};
    EXPECT_EQ(5, cell.SetSeriesData(values, 3, 0, 5, 1));
    cell.m_nLength = 5;
    EXPECT_EQ((std::vector<int>{N, N, 7, 8, 9}), Column(cell, 0));
    EXPECT_EQ(3, cell.SetSeriesData(values, 3, 1, 2, 1));
    EXPECT_EQ(0, cell.SetSeriesData(values, 3, 2, 5, 1)); // no such series
}

TEST(SeriesStore, ASeriesOfNoDataHasTheEmptyExtremes)
{
    CDataCell cell;
    cell.AllocSeriesTable(2);
    int empty[3] = {N, N, N}, prices[3] = {N, 5, 3};
    cell.SetSeriesData(empty, 3, 0, 3, 0);
    cell.SetSeriesData(prices, 3, 1, 3, 0);
    cell.m_nLength = 3;
    cell.ComputeMinMax(10); // more than the series holds: only what is there
    EXPECT_EQ(-2147483647 - 1, cell.m_pMax[0]);
    EXPECT_EQ(2147483647, cell.m_pMin[0]);
    EXPECT_EQ(5, cell.m_pMax[1]);
    EXPECT_EQ(3, cell.m_pMin[1]);
}

TEST(SeriesStore, NamesAndCodedEntries)
{
    CDataCell cell;
    cell.m_arNames.Add("open");
    cell.m_arNames.Add("close");
    cell.RegisterSeriesCode("close", "C");
    cell.RegisterSeriesCode("close", "C");
    cell.RegisterSeriesCode("volume", "V");
    EXPECT_EQ(2, cell.m_arCodedNames.GetSize());
    EXPECT_EQ(1, cell.FindSeriesIndex("close"));
    EXPECT_EQ(-1, cell.FindSeriesIndex("Close"));
    char code = 0;
    EXPECT_EQ(0, cell.FindCodedEntry("close", SERIES_CODES_PRICE, &code));
    EXPECT_EQ('C', code);
    EXPECT_EQ(1, cell.FindCodedEntry("volume", SERIES_CODES_VOLUME));
    EXPECT_EQ(-1, cell.FindCodedEntry("volume", SERIES_CODES_PRICE));
    EXPECT_EQ(-1, cell.FindCodedEntry("clos", SERIES_CODES_PRICE));
}

// A candle store as the chart builds it, a volume store, and their time series; the newest
// bar is at slot 2 behind two free slots.
class CandleStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.m_pMainTime = &time;
        time.SetupDrawer(&settings);
        time.SetKind(3);
        time.SetFreeBlock(2);
        int times[3] = {90200, 90100, 90000};
        time.SetTimes(times, 3, 5, 1);
        Build(candles, {"date", "open", "high", "low", "close"},
              {{90200, 90100, 90000}, {100, 90, 80}, {120, 95, 85}, {90, 85, 75}, {110, 90, 82}});
        const char* codes[4][2] = {{"open", "O"}, {"high", "H"}, {"low", "L"}, {"close", "C"}};
        for (auto& c : codes)
            candles.RegisterSeriesCode(c[0], c[1]);
        Build(volume, {"volume"}, {{0, 300, 200}});
        volume.RegisterSeriesCode("volume", "V");
    }

    void Build(CDataCell& cell, std::vector<std::string> names, std::vector<std::vector<int>> columns)
    {
        cell.m_pSettings = &settings;
        cell.m_pTime = &time;
        cell.AllocSeriesTable(int(columns.size()));
        for (size_t k = 0; k < columns.size(); ++k)
        {
            cell.m_arNames.Add(names[k].c_str());
            cell.SetSeriesData(columns[k].data(), int(columns[k].size()), int(k), 5, 1);
        }
        cell.m_nLength = 5;
    }

    int At(CDataCell& cell, LPCSTR name) { return cell.m_ppSeries[cell.FindSeriesIndex(name)][time.GetCurrentIndex()]; }

    void Apply(CDataCell& cell, std::vector<std::string> names, std::vector<std::string> values, int opensBar = 0)
    {
        Fill(m_names, names);
        Fill(m_values, values);
        cell.ApplyRealData(m_names, m_values, opensBar, lastVolume);
    }

    CSeriesSettings settings;
    CTimeDataCell time;
    CDataCell candles, volume;
    CStringArray m_names, m_values;
    int lastVolume = 0;
};

struct PriceCase
{
    const char* what;
    int timeKind;
    int opensBar;
    std::vector<std::string> names;
    std::vector<std::string> values;
    int open, high, low, close;
};

class PriceRules : public CandleStore, public ::testing::WithParamInterface<PriceCase>
{
};

TEST_P(PriceRules, ApplyToTheNewestBar)
{
    const PriceCase& c = GetParam();
    time.SetKind(c.timeKind);
    Apply(candles, c.names, c.values, c.opensBar);
    EXPECT_EQ(c.open, At(candles, "open")) << c.what;
    EXPECT_EQ(c.high, At(candles, "high")) << c.what;
    EXPECT_EQ(c.low, At(candles, "low")) << c.what;
    EXPECT_EQ(c.close, At(candles, "close")) << c.what;
    EXPECT_TRUE(m_names.IsEmpty()) << c.what;
}

// The bar before: open 100, high 120, low 90, close 110.
INSTANTIATE_TEST_SUITE_P(
    Table, PriceRules,
    ::testing::Values(
        PriceCase{"a high of 0 within a bar", 3, 0, {"high"}, {"0"}, 100, 120, 90, 110},
        PriceCase{"a close of 0 within a bar", 3, 0, {"close"}, {"0"}, 100, 120, 90, 110},
        PriceCase{"a close that is no number", 3, 0, {"close"}, {"abc"}, 100, 120, 90, 110},
        PriceCase{"a higher high", 3, 0, {"high"}, {"130"}, 100, 130, 90, 110},
        PriceCase{"a lower high", 3, 0, {"high"}, {"115"}, 100, 120, 90, 110},
        PriceCase{"a lower low", 3, 0, {"low"}, {"80"}, 100, 120, 80, 110},
        PriceCase{"a higher low", 3, 0, {"low"}, {"95"}, 100, 120, 90, 110},
        PriceCase{"an open within an interval bar", 3, 0, {"open"}, {"105"}, 100, 120, 90, 110},
        PriceCase{"an open within a day", 0, 0, {"open"}, {"105"}, 105, 120, 90, 110},
        PriceCase{"a high within a day", 0, 0, {"high"}, {"115"}, 100, 115, 90, 110},
        PriceCase{"a bar that opens", 3, 1, {"open", "high", "low", "close"}, {"105", "105", "105", "105"}, 105,
                  105, 105, 105},
        // A candle tick: the repeated close lands in the close series itself.
        PriceCase{"a candle tick", 3, 0, {"open", "high", "low", "close", "close"}, {"130", "130", "130", "130", "130"},
                  100, 130, 90, 130}));

TEST_F(CandleStore, TheBarBoundarySwitchOpensBarsByTheTimeSeries)
{
    settings.m_nBarBoundary = 1;
    time.m_nBarOpen = 1;
    Apply(candles, {"open"}, {"105"}, 1); // the caller's word no longer counts
    EXPECT_EQ(100, At(candles, "open"));
    time.m_nBarOpen = 0;
    Apply(candles, {"open"}, {"105"}, 0);
    EXPECT_EQ(105, At(candles, "open"));
}

TEST_F(CandleStore, ACumulativeVolumeAddsWhatItGrewBy)
{
    Apply(volume, {"volume"}, {"1000"});
    EXPECT_EQ(1000, At(volume, "volume"));
    Apply(volume, {"volume"}, {"1200"});
    EXPECT_EQ(1200, At(volume, "volume"));
    EXPECT_EQ(1200, lastVolume);
    // The host's total started anew: all of it is new, nothing is taken off.
    Apply(volume, {"volume"}, {"50"});
    EXPECT_EQ(1250, At(volume, "volume"));
    EXPECT_EQ(50, lastVolume);
    time.SetKind(1); // week bars add nothing
    Apply(volume, {"volume"}, {"70"});
    EXPECT_EQ(1250, At(volume, "volume"));
}

TEST_F(CandleStore, ItemsOfOtherStoresStayInTheLists)
{
    Apply(candles, {"close", "volume"}, {"111", "1000"});
    EXPECT_EQ(111, At(candles, "close"));
    EXPECT_EQ((std::vector<std::string>{"volume"}), Texts(m_names));
    EXPECT_EQ((std::vector<std::string>{"1000"}), Texts(m_values));
    volume.ApplyRealData(m_names, m_values, 0, lastVolume);
    EXPECT_TRUE(m_names.IsEmpty());
    EXPECT_EQ(1000, At(volume, "volume"));
}

TEST_F(CandleStore, FrozenPricesStayInTheListsAndStopTheUpdate)
{
    settings.m_nFreeze = 1;
    Apply(candles, {"date", "close", "open"}, {"90300", "130", "130"});
    EXPECT_EQ(90300, At(candles, "date")); // before the price: applied
    EXPECT_EQ(110, At(candles, "close"));
    EXPECT_EQ((std::vector<std::string>{"close", "open"}), Texts(m_names));
    EXPECT_EQ((std::vector<std::string>{"130", "130"}), Texts(m_values));
}

TEST_F(CandleStore, AShortValueListLeavesTheNamesWithoutValues)
{
    Apply(candles, {"close", "high"}, {"130"});
    EXPECT_EQ(130, At(candles, "close"));
    EXPECT_EQ(120, At(candles, "high"));
    EXPECT_EQ((std::vector<std::string>{"high"}), Texts(m_names));
}

TEST_F(CandleStore, ARepeatedNameNeverWritesPastTheSeries)
{
    CDataCell pair;
    Build(pair, {"a", "b"}, {{1, 1, 1}, {2, 2, 2}});
    Apply(pair, {"x", "b", "b", "b"}, {"0", "5", "6", "7"});
    EXPECT_EQ(5, At(pair, "b"));
    EXPECT_EQ(1, At(pair, "a"));
    EXPECT_EQ((std::vector<std::string>{"x", "b", "b"}), Texts(m_names));
}

TEST_F(CandleStore, TradeSizesGoByTheirSide)
{
    CDataCell trades;
    Build(trades, {"side", "buy", "size"}, {{0, 0, 0}, {10, 0, 0}, {20, 0, 0}});
    trades.RegisterSeriesCode("side", "s");
    trades.RegisterSeriesCode("size", "S");
    Apply(trades, {"side", "size"}, {"+", "7"});
    EXPECT_EQ(17, At(trades, "buy"));
    EXPECT_EQ(20, At(trades, "size"));
    Apply(trades, {"side", "size"}, {"-", "5"});
    EXPECT_EQ(25, At(trades, "size"));
    Apply(trades, {"size"}, {"9"}); // no side in this update: nothing
    EXPECT_EQ(25, At(trades, "size"));
    EXPECT_TRUE(m_names.IsEmpty());

    // A size series with no series before it: a buy goes nowhere, and nothing is overrun.
    CDataCell first;
    Build(first, {"size", "side"}, {{3, 3, 3}, {0, 0, 0}});
    first.RegisterSeriesCode("size", "S");
    first.RegisterSeriesCode("side", "s");
    Apply(first, {"side", "size"}, {"+", "4"});
    EXPECT_EQ(3, At(first, "size"));
}

TEST_F(CandleStore, ANewBarOpensAtThePreviousClose)
{
    candles.AddNewBars(1, 5);
    volume.AddNewBars(1, 5);
    time.AddBars(3, 0, 1, 0, 60, 5);
    EXPECT_EQ(1, time.GetCurrentIndex());
    EXPECT_EQ(110, At(candles, "open"));
    EXPECT_EQ(110, At(candles, "high"));
    EXPECT_EQ(110, At(candles, "low"));
    EXPECT_EQ(110, At(candles, "close"));
    EXPECT_EQ(90200, At(candles, "date")); // a plain series carries its value
    EXPECT_EQ(0, At(volume, "volume"));
    EXPECT_EQ(90300, time.GetNewestTime());
}

TEST_F(CandleStore, AveragesFollowANewBar)
{
    CDataCell average;
    average.SetPeriod(2);
    ASSERT_EQ(1, average.BuildMovingAverage(0, &candles, "close"));
    EXPECT_EQ((std::vector<int>{X, X, 100, 86, X}), Column(average, 0));
    candles.AddNewBars(1, 5);
    average.AddNewBars(1, 5);
    time.AddBars(3, 0, 1, 0, 60, 5);
    EXPECT_EQ(100, average.m_ppSeries[0][1]); // carried until worked out
    Apply(candles, {"close"}, {"130"}, 1);
    average.UpdateDerived(&candles, 1);
    EXPECT_EQ(120, average.m_ppSeries[0][1]);
}

TEST_F(CandleStore, GrowingRepointsABoundDrawer)
{
    settings.m_nGrow = 1;
    int* drawn = nullptr;
    int* bound = candles.BindSeries(4, &drawn);
    ASSERT_EQ(bound, drawn);
    for (int bar = 0; bar < 3; ++bar)
    {
        candles.AddNewBars(1, time.GetLength());
        time.AddBars(3, 0, 1, 0, 60, time.GetLength());
    }
    EXPECT_EQ(7, time.GetLength());
    EXPECT_EQ(7, candles.m_nLength);
    EXPECT_EQ(candles.m_ppSeries[4], drawn);
    EXPECT_EQ((std::vector<int>{N, 110, 110, 110, 110, 90, 82}), Column(candles, 4));
    // The drawers' view runs from the oldest slot to the newest bar, which stands at slot 1.
    EXPECT_EQ(1, time.GetCurrentIndex());
    EXPECT_EQ(6, candles.GetViewFirst());
    EXPECT_EQ(1, candles.GetViewLast());
    candles.UnbindSeries(&drawn);
    EXPECT_EQ(0, candles.m_arBindings.GetSize());
}

TEST_F(CandleStore, ShiftingDropsTheOldestBars)
{
    int* drawn = nullptr;
    candles.BindSeries(4, &drawn);
    // Twice: once into the room in front of the arrays, once into a new block.
    for (int bar = 0; bar < 5; ++bar)
    {
        candles.AddNewBars(1, time.GetLength());
        time.AddBars(3, 0, 1, 0, 60, time.GetLength());
    }
    EXPECT_EQ(5, candles.m_nLength);
    EXPECT_EQ((std::vector<int>{N, 110, 110, 110, 110}), Column(candles, 4));
    EXPECT_EQ(candles.m_ppSeries[4], drawn);
    candles.UnbindSeries(&drawn);
}

TEST_F(CandleStore, AStoreShorterThanItsTimeSeriesIsBroughtToItsLength)
{
    CDataCell line;
    line.m_pSettings = &settings;
    line.m_pTime = &time;
    line.AllocSeriesTable(1);
    line.m_arNames.Add("");
    int values[2] = {7, 6};
    line.SetSeriesData(values, 2, 0, 2, 1);
    line.m_nLength = 2;
    line.AddNewBars(1, 6);
    // Aligned at the old end: the line had no value at the newest bar, and the new bar carries that.
    EXPECT_EQ((std::vector<int>{N, N, N, 7, 6}), Column(line, 0));
}

TEST_F(CandleStore, MovingAveragesLeaveWhatDoesNotFitEmpty)
{
    CDataCell source;
    std::vector<int> closes = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    Build(source, {"close"}, {closes});
    source.m_nLength = 10;
    source.SetSeriesData(closes.data(), 10, 0, 10, 0);
    CTimeDataCell tenBars;
    int times[10] = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    tenBars.SetTimesRaw(times, 10);
    source.m_pTime = &tenBars;
    CDataCell average;
    average.SetPeriod(5);
    EXPECT_EQ(0, average.BuildMovingAverage(1, &source, "open"));
    ASSERT_EQ(1, average.BuildMovingAverage(1, &source, "close"));
    EXPECT_EQ((std::vector<int>{30, 40, 50, 60, 70, 80, X, X, X, X}), Column(average, 0));
    EXPECT_EQ(5, average.GetPeriod());
    EXPECT_EQ(X, average.m_nSkipValue);

    // Kept current: a new close at the newest bar.
    source.m_ppSeries[0][0] = 60;
    average.UpdateDerived(&source, 0);
    EXPECT_EQ(40, average.m_ppSeries[0][0]);
    // A rebuild after the source grew follows its new length.
    std::vector<int> longer(12, 10);
    source.SetSeriesData(longer.data(), 12, 0, 12, 0);
    source.m_nLength = 12;
    ASSERT_EQ(1, average.BuildMovingAverage(-1, nullptr, nullptr));
    EXPECT_EQ(12, average.m_nLength);
    EXPECT_EQ(10, average.m_ppSeries[0][7]);
    EXPECT_EQ(X, average.m_ppSeries[0][8]);
}

TEST(SeriesStore, ARateOfAZeroValueIsEmpty)
{
    CDataCell source, rate;
    source.AllocSeriesTable(1);
    source.m_arNames.Add("close");
    int values[3] = {0, 110, 100};
    source.SetSeriesData(values, 3, 0, 3, 0);
    source.m_nLength = 3;
    source.m_nBase = 100;
    rate.AllocSeriesTable(1);
    int empty[3] = {X, X, X};
    rate.SetSeriesData(empty, 3, 0, 3, 0);
    rate.m_nLength = 3;
    rate.m_nKind = DATACELL_RATE;
    rate.m_strSourceName = "close";
    rate.UpdateDerived(&source, 2);
    EXPECT_EQ(X, rate.m_ppSeries[0][0]);
    EXPECT_EQ(909, rate.m_ppSeries[0][1]);
}

} // namespace
