// Real-time updates of a loaded chart: ticks that open a bar or change the newest one, and the
// value of a line or a volume bar at the newest entry or at a given time.
#include <gtest/gtest.h>

#include <msgbox_recorder.h>

#include "chart_data_fixture.h"

using namespace chartdata;

namespace
{

TEST(ChartRealTime, NoSeriesNoTime)
{
    ChartPtr chart(GetNewControl());
    EXPECT_EQ(-1, chart->Add_Real_Time(20260302));
    EXPECT_EQ(0, chart->AddBongRealData("20260302", "100", "5"));
    EXPECT_EQ(0, chart->GetChartDataCount());
    EXPECT_EQ(0, chart->AddLineRealData(0, 0, 1));
}

struct TickCase
{
    const char* what;
    int timeKind;
    const char* time;
    int newBars;
    bool volumeAdds; // the tick's volume adds to the bar's (else the new bar holds it alone)
};

const TickCase kTicks[] = {
    {"day chart: the newest bar changes in place", 0, "20260302", 0, true},
    {"tick chart: every tick opens a bar", 4, "1", 1, false},
};

class ChartTicks : public ::testing::TestWithParam<TickCase>
{
};

TEST_P(ChartTicks, PriceAndVolumeReachTheNewestBar)
{
    const TickCase& c = GetParam();
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = Ctl(chart);
    BongData data(12);
    ASSERT_EQ(TRUE, chart->AddBongChart(data.pointers, 12, c.timeKind, 0));
    EXPECT_EQ(0, chart->AddBongRealData(c.time, "100", "5")) << c.what;
    EXPECT_EQ(12 + c.newBars, chart->GetChartDataCount());
    CDrawObject* candle = ctl->GetRegion(0)->GetDrawObject(0);
    const int current = ctl->GetMainTime().GetCurrentIndex();
    EXPECT_EQ(100, candle->GetS0()[current]);
    EXPECT_EQ(100, candle->GetS1()[current]);
    EXPECT_EQ(100, candle->GetS2()[current]);
    EXPECT_EQ(100, candle->GetS3()[current]);
    EXPECT_EQ(c.volumeAdds ? data.columns[5][0] + 5 : 5, Drawn(ctl, 1, 0)[0]);
    // The 5-bar average follows the new close.
    long sum = 100;
    for (int i = c.newBars ? 0 : 1; i < (c.newBars ? 4 : 5); ++i)
        sum += data.columns[4][size_t(i)];
    EXPECT_EQ(int(sum / 5), Drawn(ctl, 0, 1)[0]);
}

INSTANTIATE_TEST_SUITE_P(Table, ChartTicks, ::testing::ValuesIn(kTicks));

class ChartValues : public ::testing::Test
{
protected:
    ChartPtr chart{GetNewControl()};
    CMsgBoxRecorder boxes;
    BongData data{6};
    short line = -1, bars = -1;
    void SetUp() override
    {
        ASSERT_EQ(TRUE, chart->AddBongChart(data.pointers, 6, 0, 0));
        std::vector<long> values = {1, 2, 3, 4, 5, 6};
        line = chart->AddLineChart(0, "line", 1, 0, 1, reinterpret_cast<LONG_PTR>(data.columns[0].data()),
                                   reinterpret_cast<LONG_PTR>(values.data()), 6);
        OwnedVariant column;
        VariantArray(column, 0, {I4(10), I4(20), I4(30), I4(40), I4(50), I4(60)});
        bars = C()->AddBarChart(1, "bars", 0, 1, &column.v);
        ASSERT_EQ(4, line);
        ASSERT_EQ(1, bars);
    }
    CCtlChart* C() { return Ctl(chart); }
};

TEST_F(ChartValues, NewestValuesOfLinesAndBars)
{
    EXPECT_EQ(TRUE, chart->AddLineRealData(0, line, 777));
    EXPECT_EQ((std::vector<int>{777, 2, 3, 4, 5, 6}), Drawn(C(), 0, line));
    EXPECT_EQ(TRUE, C()->AddVolumeBarRealData(1, bars, 55));
    EXPECT_EQ((std::vector<int>{55, 20, 30, 40, 50, 60}), Drawn(C(), 1, bars));
    EXPECT_EQ(FALSE, chart->AddLineRealData(0, 9, 1));
    EXPECT_EQ(FALSE, chart->AddLineRealData(4, 0, 1));
    EXPECT_EQ(0u, boxes.Count());
}

// Objects above index 0 are written too: the column they draw, at the entry of the time.
TEST_F(ChartValues, ValuesAtAGivenTime)
{
    EXPECT_EQ(TRUE, C()->UpdateLineRealData(0, line, data.columns[0][3], 999));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 999, 5, 6}), Drawn(C(), 0, line));
    EXPECT_EQ(TRUE, C()->UpdateVolumeBarRealData(1, bars, data.columns[0][5], 321));
    EXPECT_EQ((std::vector<int>{10, 20, 30, 40, 50, 321}), Drawn(C(), 1, bars));
    EXPECT_EQ(TRUE, C()->UpdateVolumeBarRealData(1, 0, data.columns[0][0], 8));
    EXPECT_EQ(8, Drawn(C(), 1, 0)[0]);

    EXPECT_EQ(FALSE, C()->UpdateLineRealData(0, line, 19990101, 5)) << "a time not on the axis";
    EXPECT_EQ(FALSE, C()->UpdateLineRealData(0, line, E, 5)) << "the empty slots hold no time";
    EXPECT_EQ((std::vector<int>{1, 2, 3, 999, 5, 6}), Drawn(C(), 0, line));
    EXPECT_EQ(0u, boxes.Count());
}

struct KindCase
{
    const char* message;
    int (*call)(CCtlChart*);
};

const KindCase kKinds[] = {
    {"AddLineRealData 는 Line Chart만 적용 가능합니다.", [](CCtlChart* c) { return c->AddLineRealData(1, 0, 1); }},
    {"AddVolumeBarRealData 는 VolumeBar Chart만 적용 가능합니다.",
     [](CCtlChart* c) { return c->AddVolumeBarRealData(0, 0, 1); }},
    {"UpdateLineRealData 는 Line Chart만 적용 가능합니다.",
     [](CCtlChart* c) { return c->UpdateLineRealData(0, 0, 20260301, 1); }},
    {"UpdateVolumeBarRealData 는 VolumeBar Chart만 적용 가능합니다.",
     [](CCtlChart* c) { return c->UpdateVolumeBarRealData(0, 1, 20260301, 1); }},
};

class ChartValueKinds : public ChartValues, public ::testing::WithParamInterface<KindCase>
{
};

TEST_P(ChartValueKinds, WrongKindIsToldAndNothingChanges)
{
    const std::vector<int> candle = Drawn(C(), 0, 0), volume = Drawn(C(), 1, 0), average = Drawn(C(), 0, 1);
    EXPECT_EQ(FALSE, GetParam().call(C()));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(GetParam().message, boxes.Last().text);
    EXPECT_EQ(candle, Drawn(C(), 0, 0));
    EXPECT_EQ(volume, Drawn(C(), 1, 0));
    EXPECT_EQ(average, Drawn(C(), 0, 1));
}

INSTANTIATE_TEST_SUITE_P(Table, ChartValueKinds, ::testing::ValuesIn(kKinds));

TEST_F(ChartValues, OneNamedValueByTheTestEntry)
{
    EXPECT_EQ(1, (C()->TEST)("20260302", "close", "4321"));
    EXPECT_EQ(4321, C()->GetRegion(0)->GetDrawObject(0)->GetS3()[C()->GetMainTime().GetCurrentIndex()]);
}

} // namespace
