// Time axis: label spacing, labels where the date or time changes, no overlap, grid positions.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "SeriesSettings.h"
#include "SeriesValues.h"
#include "TimeAxis.h"
#include "TimeDataCell.h"
#include "fixed_measurer.h"
#include "picture.h"

namespace
{

// Times are newest first; the axis runs from the oldest on the left.
struct Axis
{
    std::vector<std::string> texts;
    std::vector<int> x;
    std::vector<int> grid;
    int ticks = 0;
};

Axis Layout(std::vector<int> newestFirst, int kind, float barWidth, int xDivisor = 0, int xDecimals = 0)
{
    TimeAxisInput in;
    in.times = newestFirst.data();
    in.length = int(newestFirst.size());
    in.kind = kind;
    in.barWidth = barWidth;
    in.barCount = in.length;
    in.xDivisor = xDivisor;
    in.xDecimals = xDecimals;
    CArray<TimeAxisMark, const TimeAxisMark&> marks;
    CArray<int, int> grid;
    LayoutTimeAxis(in, FixedMeasurer(), marks, grid);
    Axis axis;
    for (INT_PTR i = 0; i < marks.GetSize(); ++i)
    {
        ++axis.ticks;
        if (!marks[i].text.IsEmpty())
        {
            axis.texts.push_back(marks[i].text.GetString());
            axis.x.push_back(marks[i].x);
        }
    }
    for (INT_PTR i = 0; i < grid.GetSize(); ++i)
        axis.grid.push_back(grid[i]);
    return axis;
}

using Texts = std::vector<std::string>;

TEST(DayAxis, LabelsEachNewDateWhenTheBarsAreWideEnough)
{
    Axis axis = Layout({20210104, 20201230, 20201229}, 0, 40);
    EXPECT_EQ((Texts{"12/29", "12/30", "01/04"}), axis.texts);
    EXPECT_EQ((std::vector<int>{20, 60, 100}), axis.x);
    EXPECT_EQ(axis.x, axis.grid);
}

TEST(DayAxis, SkipsALabelThatWouldOverlapTheOneBefore)
{
    // 25-pixel bars under 30-pixel labels.
    Axis axis = Layout({20210104, 20201230, 20201229}, 0, 25);
    EXPECT_EQ((Texts{"12/29", "01/04"}), axis.texts);
}

TEST(DayAxis, AnEmptySlotEndsTheWalk)
{
    Axis axis = Layout({SERIES_NODATA, 20201230, SERIES_NODATA, 20201228}, 0, 40);
    EXPECT_EQ((Texts{"12/28"}), axis.texts);
}

struct StepCase
{
    int labelWidth;
    float barWidth;
    int barCount;
    int step;
};

class LabelStep : public ::testing::TestWithParam<StepCase>
{
};

TEST_P(LabelStep, WidensUntilAtMostSevenLabels)
{
    const StepCase& c = GetParam();
    EXPECT_EQ(c.step, TimeLabelStep(c.labelWidth, c.barWidth, c.barCount));
}

INSTANTIATE_TEST_SUITE_P(Table, LabelStep,
                         ::testing::Values(StepCase{30, 0, 100, 1},   // no bar width
                                           StepCase{30, 40, 3, 1},    // a step of 1.5 x 30 / 40 rounds to 1
                                           StepCase{30, 100, 50, 1},  // below 1 before it divides
                                           StepCase{30, 10, 20, 4},   // 1.5 x 30 / 10
                                           StepCase{30, 10, 40, 6},   // 40 / 4 > 7: 2 x 30 / 10
                                           StepCase{30, 10, 100, 7})); // still > 7: 2.5 x 30 / 10

TEST(TimeAxis, NoBarWidthStillGivesLabelsWithoutDividingByZero)
{
    Axis day = Layout({20210104, 20201230, 20201229}, 0, 0);
    EXPECT_EQ((Texts{"12/29"}), day.texts);
    Axis minutes = Layout({90200, 90100, 90000}, 3, 0);
    EXPECT_EQ((Texts{"9:00"}), minutes.texts);
    Axis ticks = Layout({90200, 90100, 90000}, 4, 0);
    EXPECT_EQ((Texts{"09:00"}), ticks.texts);
}

TEST(MinuteAxis, LabelsTheMinutesOfTheStep)
{
    std::vector<int> times;
    for (int m = 20; m >= 0; --m)
        times.push_back(90000 + m * 100);
    // 10-pixel one-minute bars, 30-pixel labels: n = 35 / 10 = 3, a five-minute step.
    Axis axis = Layout(times, 3, 10);
    EXPECT_EQ((Texts{"9:00", "9:05", "9:10", "9:15", "9:20"}), axis.texts);
    EXPECT_EQ(1, TimeMinuteStep(30, 40, 1));
    EXPECT_EQ(2, TimeMinuteStep(30, 15, 1));
    EXPECT_EQ(10, TimeMinuteStep(30, 5, 1));
    EXPECT_EQ(20, TimeMinuteStep(30, 1, 2));
}

// Counts the texts it measures.
class CountingMeasurer : public FixedMeasurer
{
public:
    CSize Measure(LPCSTR text) const override
    {
        ++m_count;
        return FixedMeasurer::Measure(text);
    }
    int Count() const { return m_count; }

private:
    mutable int m_count = 0;
};

// A half year of five-minute bars fitted to 1,500 pixels, about 35 bars a pixel: each time of
// day comes back every day, and nearly every candidate falls under the label before it.
TEST(MinuteAxis, AFittedAxisMeasuresEachTextOnceAndKeepsItsLabelsApart)
{
    const int bars = 52000;
    std::vector<int> times;
    for (int i = 0; i < bars; ++i)
    {
        const int minutes = (5 * (bars - 1 - i)) % 1440;
        times.push_back(minutes / 60 * 10000 + minutes % 60 * 100);
    }
    TimeAxisInput in;
    in.times = times.data();
    in.length = bars;
    in.kind = 3;
    in.barWidth = 1500.0f / bars;
    in.barCount = bars;
    CountingMeasurer measurer;
    CArray<TimeAxisMark, const TimeAxisMark&> marks;
    CArray<int, int> grid;
    LayoutTimeAxis(in, measurer, marks, grid);

    // A twenty-minute step: 72 texts a day at most, and the sample.
    EXPECT_LE(measurer.Count(), 73);
    int labels = 0;
    long long end = LLONG_MIN;
    for (INT_PTR i = 0; i < marks.GetSize(); ++i)
    {
        if (marks[i].text.IsEmpty())
            continue;
        ++labels;
        EXPECT_GT(marks[i].textLeft, end + 6) << "label " << i << " " << marks[i].text.GetString();
        EXPECT_EQ(measurer.FixedMeasurer::Measure(marks[i].text).cx, marks[i].textSize.cx);
        end = (long long)marks[i].textLeft + marks[i].textSize.cx;
    }
    // 1,500 pixels of labels at most 30 pixels wide with 6 between them, tried every 14 pixels.
    EXPECT_GE(labels, 1500 / (30 + 6 + 14));
}

TEST(MinuteAxis, AnHourChangeIsLabelledButMidnightIsNot)
{
    Axis axis = Layout({100, 0, 235900, 235800}, 3, 40);
    EXPECT_EQ((Texts{"23:58", "23:59", "0:01"}), axis.texts);
}

TEST(TickAxis, LabelsEachMinuteOnce)
{
    Axis axis = Layout({90130, 90110, 90059, 90001, 90000}, 4, 40);
    EXPECT_EQ((Texts{"09:00", "09:01"}), axis.texts);
}

TEST(MonthAxis, LabelsEveryExaminedBarAndThinsTheGrid)
{
    std::vector<int> months;
    for (int i = 23; i >= 0; --i)
        months.push_back((2020 + i / 12) * 100 + i % 12 + 1);
    Axis axis = Layout(months, 2, 100);
    ASSERT_EQ(24u, axis.texts.size());
    EXPECT_EQ("20/01", axis.texts[0]);
    EXPECT_EQ("02", axis.texts[1]);
    EXPECT_EQ("21/01", axis.texts[12]);
    EXPECT_EQ(4u, axis.grid.size()); // 24 positions: every sixth
    EXPECT_EQ(50, axis.grid[0]);
    EXPECT_EQ(650, axis.grid[1]);
}

TEST(WeekAxis, ShowsTheYearOnlyWhenItChanges)
{
    Axis axis = Layout({20210111, 20210104, 20201228, 20201221, 20201130}, 1, 50);
    EXPECT_EQ((Texts{"20/11", "12", "21/01"}), axis.texts);
}

TEST(NumericAxis, LabelsOnlyMultiplesOfTheStepOfTheDivisor)
{
    std::vector<int> values;
    for (int v = 45; v >= 0; v -= 5)
        values.push_back(v);
    Axis axis = Layout(values, 5, 100, 50, 2);
    EXPECT_EQ((Texts{"0.00", "0.40", "0.80"}), axis.texts);
    EXPECT_EQ((std::vector<int>{50, 450, 850}), axis.x);
}

TEST(TimeDrawer, PaintsTheStripWithATickAtEachLabel)
{
    CSeriesSettings settings;
    settings.m_crTimeBack = RGB(255, 255, 255);
    settings.m_crTimeText = RGB(0, 0, 255);
    settings.m_crFrame = RGB(0, 128, 0);
    CTimeDataCell cell;
    cell.SetupDrawer(&settings);
    int times[3] = {20210104, 20201230, 20201229};
    cell.SetTimesRaw(times, 3);
    cell.SetDrawRange(60, 0, 3);
    Picture target(200, 20, RGB(1, 2, 3));
    Picture memory(200, 20, RGB(4, 5, 6));
    CArray<int, int> grid;
    cell.Draw(&target.dc(), CRect(10, 2, 190, 18), &memory.dc(), nullptr, grid);
    ASSERT_EQ(3, grid.GetSize());
    EXPECT_EQ(40, grid[0]);
    EXPECT_EQ(RGB(0, 128, 0), target.At(100, 2));   // the separating line
    EXPECT_EQ(RGB(0, 0, 255), target.At(40, 4));    // a tick
    EXPECT_EQ(RGB(255, 255, 255), target.At(70, 4)); // between ticks: the background
    EXPECT_EQ(RGB(1, 2, 3), target.At(5, 10));       // outside the strip
}

} // namespace
