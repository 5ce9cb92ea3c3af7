// The time series: seconds, interval steps over midnight, new bars, merging and lookup rows.
#include <gtest/gtest.h>

#include <vector>

#include "SearchData.h"
#include "SeriesSettings.h"
#include "SeriesValues.h"
#include "TimeDataCell.h"

namespace
{

const int N = SERIES_NODATA;

std::vector<int> TimesOf(const CTimeDataCell& cell)
{
    return std::vector<int>(cell.GetTimes(), cell.GetTimes() + cell.GetLength());
}

TEST(SecondsOf, CountsHoursMinutesAndSeconds)
{
    EXPECT_EQ(34215, CTimeDataCell::SecondsOf(93015));
    EXPECT_EQ(0, CTimeDataCell::SecondsOf(0));
    EXPECT_EQ(86399, CTimeDataCell::SecondsOf(235959));
}

struct NextCase
{
    const char* what;
    int lastReal;
    int previous;
    int interval;
    int aligned;
    int next;
};

class NextTime : public ::testing::TestWithParam<NextCase>
{
};

TEST_P(NextTime, StepsOrAlignsToTheIntervalGrid)
{
    const NextCase& c = GetParam();
    CTimeDataCell cell;
    cell.m_nLastRealTime = c.lastReal;
    EXPECT_EQ(c.next, cell.NextTime(c.previous, c.interval, c.aligned)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, NextTime,
    ::testing::Values(
        NextCase{"aligned to the next five minutes", 90710, 0, 300, 1, 91000},
        NextCase{"aligned on a boundary goes one on", 91000, 0, 300, 1, 91500},
        NextCase{"aligned before 09:00 reaches 09:00", 85950, 0, 300, 1, 90000},
        NextCase{"aligned before 09:00 on the grid", 84510, 0, 600, 1, 85000},
        NextCase{"stepping carries seconds into minutes and hours", 0, 95930, 90, 0, 100100},
        // Past midnight: plain times wrap to the small hours, CompareTime counts them later.
        NextCase{"stepping past midnight wraps", 0, 235900, 120, 0, 100},
        NextCase{"aligned past midnight wraps", 235930, 0, 60, 1, 0},
        // With a month-day part the day carries into it.
        NextCase{"stepping carries into the month-day", 0, 131235900, 120, 0, 201000100},
        NextCase{"aligned carries into the next year", 1231235930, 0, 60, 1, 101000000},
        NextCase{"a 28th of February goes on to March", 0, 228235959, 1, 0, 301000000},
        NextCase{"a sentinel previous aligns from the last real time", 90710, 888888, 300, 0, 91000},
        NextCase{"a sentinel last real time stays", 999999, 0, 300, 1, 999999},
        NextCase{"no interval leaves the time", 90710, 93000, 0, 0, 93000},
        NextCase{"no interval when aligning either", 90710, 93000, 0, 1, 93000},
        NextCase{"a negative interval leaves the time", 90710, 93000, -60, 1, 93000}));

struct CompareCase
{
    const char* what;
    int kind;
    int interval;
    int boundary;
    int newest;
    int time;
    int result;
};

class CompareTime : public ::testing::TestWithParam<CompareCase>
{
};

TEST_P(CompareTime, CountsTheBarsAfterTheNewest)
{
    const CompareCase& c = GetParam();
    CSeriesSettings settings;
    settings.m_nBarBoundary = c.boundary;
    CTimeDataCell cell;
    cell.SetupDrawer(&settings);
    cell.SetKind(c.kind);
    cell.m_nInterval = c.interval;
    int times[2] = {c.newest, c.newest - 100};
    cell.SetTimesRaw(times, 2);
    int sentinel = 0;
    EXPECT_EQ(c.result, cell.CompareTime(c.time, sentinel)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CompareTime,
    ::testing::Values(CompareCase{"150 seconds on 60-second bars", 3, 60, 0, 90000, 90230, 3},
                      CompareCase{"two bars", 3, 60, 0, 90000, 90200, 2},
                      CompareCase{"on the boundary with the switch on", 3, 60, 1, 90000, 90200, 3},
                      CompareCase{"the same time", 3, 60, 0, 90000, 90000, 0},
                      CompareCase{"the same time with the switch on", 3, 60, 1, 90000, 90000, 1},
                      CompareCase{"within the newest 5-minute bar", 3, 300, 0, 170500, 170100, 0},
                      CompareCase{"the end of the bar before the newest", 3, 300, 0, 170500, 170000, -1},
                      CompareCase{"within the bar before the newest", 3, 300, 0, 170500, 165800, -1},
                      CompareCase{"two bars before the newest", 3, 300, 0, 170500, 165500, -2},
                      CompareCase{"no interval", 3, 0, 0, 90000, 90230, -1},
                      CompareCase{"a negative interval", 3, -60, 0, 90000, 90230, -1},
                      CompareCase{"after midnight is later", 3, 60, 0, 235900, 30, 2},
                      CompareCase{"the next day by its month-day", 3, 60, 0, 1231235900, 101000000, 1},
                      CompareCase{"a day's bars", 0, 60, 0, 20201230, 20201231, 1},
                      CompareCase{"an earlier day", 0, 60, 0, 20201230, 20201229, -1},
                      CompareCase{"the same day", 0, 60, 0, 20201230, 20201230, 0}));

TEST(CompareTime, SentinelsStartABarAndBecomeTheLastRealTime)
{
    CTimeDataCell cell;
    cell.SetKind(3);
    int times[1] = {90000};
    cell.SetTimesRaw(times, 1);
    int sentinel = 0;
    EXPECT_EQ(1, cell.CompareTime(999999, sentinel));
    EXPECT_EQ(1, sentinel);
    EXPECT_EQ(999999, cell.m_nLastRealTime);

    int closed[1] = {888888};
    cell.SetTimesRaw(closed, 1);
    sentinel = 0;
    EXPECT_EQ(1, cell.CompareTime(90500, sentinel));
    EXPECT_EQ(0, sentinel);
    EXPECT_EQ(90500, cell.m_nLastRealTime);

    CTimeDataCell empty;
    EXPECT_EQ(0, empty.CompareTime(90500, sentinel));
}

TEST(TimeSeries, AlignedTimesFillTheFrontWithEmptySlots)
{
    CTimeDataCell cell;
    int times[3] = {30, 20, 10};
    EXPECT_EQ(5, cell.SetTimes(times, 3, 5, 1));
    EXPECT_EQ((std::vector<int>{N, N, 30, 20, 10}), TimesOf(cell));
    EXPECT_EQ(2, cell.GetCurrentIndex());
    EXPECT_EQ(30, cell.GetNewestTime());
    EXPECT_EQ(3, cell.SetTimes(times, 3, 2, 1)); // more values than slots: no fill
    EXPECT_EQ(0, cell.GetCurrentIndex());
}

TEST(TimeSeries, NewBarsTakeTheFreeSlotsThenShiftOutTheOldest)
{
    CSeriesSettings settings;
    CTimeDataCell cell;
    cell.SetupDrawer(&settings);
    cell.SetFreeBlock(2);
    int times[3] = {30, 20, 10};
    cell.SetTimes(times, 3, 4, 1);
    EXPECT_EQ(0, cell.AddBars(0, 40, 1, 0, 60, 4));
    EXPECT_EQ((std::vector<int>{40, 30, 20, 10}), TimesOf(cell));
    EXPECT_EQ(1, cell.AddBars(0, 50, 1, 0, 60, 4));
    EXPECT_EQ((std::vector<int>{N, 50, 40, 30}), TimesOf(cell));
    EXPECT_EQ(1, cell.GetCurrentIndex());
}

TEST(TimeSeries, NewBarsGrowTheSeriesWhenAsked)
{
    CSeriesSettings settings;
    settings.m_nGrow = 1;
    CTimeDataCell cell;
    cell.SetupDrawer(&settings);
    cell.SetFreeBlock(3);
    int times[2] = {20, 10};
    cell.SetTimesRaw(times, 2);
    EXPECT_EQ(1, cell.AddBars(0, 30, 2, 0, 60, 2));
    EXPECT_EQ((std::vector<int>{N, 30, 30, 20, 10}), TimesOf(cell));
    EXPECT_EQ(0, cell.m_nViewStart);
    EXPECT_EQ(4, cell.m_nViewEnd);
}

TEST(TimeSeries, IntervalBarsStepFromTheNewestTime)
{
    CTimeDataCell cell;
    cell.SetFreeBlock(5);
    cell.SetKind(3);
    int times[1] = {235900};
    cell.SetTimesRaw(times, 1);
    cell.AddBars(3, 0, 2, 0, 60, 1);
    EXPECT_EQ((std::vector<int>{N, N, N, 100, 0, 235900}), TimesOf(cell));
}

struct MergeCase
{
    const char* what;
    std::vector<int> a;
    std::vector<int> b;
    int result;
    std::vector<int> joined;
};

class Merge : public ::testing::TestWithParam<MergeCase>
{
};

TEST_P(Merge, JoinsByTheTimesTheyShare)
{
    const MergeCase& c = GetParam();
    CTimeDataCell a, b;
    a.SetTimesRaw(c.a.data(), int(c.a.size()));
    b.SetTimesRaw(c.b.data(), int(c.b.size()));
    EXPECT_EQ(c.result, a.MergeFrom(b)) << c.what;
    EXPECT_EQ(c.joined, TimesOf(a)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Merge,
    ::testing::Values(
        MergeCase{"the same", {5, 4, 3}, {5, 4, 3}, TIME_MERGE_SAME, {5, 4, 3}},
        MergeCase{"already covered", {5, 4, 3, 2}, {4, 3}, TIME_MERGE_COVERED, {5, 4, 3, 2}},
        MergeCase{"the other covers this one", {4, 3}, {5, 4, 3, 2}, TIME_MERGE_COPIED, {5, 4, 3, 2}},
        MergeCase{"newer times in front", {4, 3, 2}, {6, 5, 4, 3}, TIME_MERGE_JOINED, {6, 5, 4, 3, 2}},
        MergeCase{"older times behind", {6, 5, 4}, {4, 3, 2}, TIME_MERGE_JOINED, {6, 5, 4, 3, 2}},
        MergeCase{"a block wholly after", {3, 2}, {6, 5}, TIME_MERGE_JOINED, {6, 5, 3, 2}},
        MergeCase{"a block wholly before", {6, 5}, {3, 2}, TIME_MERGE_JOINED, {6, 5, 3, 2}},
        MergeCase{"overlap without a shared time", {6, 4, 2}, {7, 5, 3}, TIME_MERGE_NO_MATCH, {6, 4, 2}},
        MergeCase{"into an empty series", {}, {6, 5}, TIME_MERGE_COPIED, {6, 5}},
        MergeCase{"an empty block", {6, 5}, {}, TIME_MERGE_COVERED, {6, 5}}));

TEST(Merge, KeepsTheFreeSlotsInFront)
{
    CTimeDataCell a, b;
    int times[2] = {4, 3}, newer[2] = {6, 5};
    a.SetTimes(times, 2, 4, 1);
    b.SetTimesRaw(newer, 2);
    EXPECT_EQ(TIME_MERGE_JOINED, a.MergeFrom(b));
    EXPECT_EQ((std::vector<int>{N, N, 6, 5, 4, 3}), TimesOf(a));
    EXPECT_EQ(2, a.GetCurrentIndex());
    EXPECT_EQ(6, a.GetNewestTime());
}

TEST(TimeSeries, MatchViewFindsTheNewestAndOldestTimesInTheOther)
{
    CTimeDataCell part, whole;
    int a[2] = {5, 4}, b[5] = {6, 5, 4, 4, 3};
    part.SetTimesRaw(a, 2);
    whole.SetTimesRaw(b, 5);
    part.MatchViewTo(whole);
    EXPECT_EQ(1, part.m_nViewStart);
    EXPECT_EQ(3, part.m_nViewEnd);
    int c[1] = {9};
    part.SetTimesRaw(c, 1);
    part.MatchViewTo(whole);
    EXPECT_EQ(-1, part.m_nViewStart);
    EXPECT_EQ(-1, part.m_nViewEnd);
}

TEST(TimeSeries, LookupRowsAndExportColumnsTitleByKind)
{
    CSeriesSettings settings;
    CTimeDataCell cell;
    cell.SetupDrawer(&settings);
    int times[2] = {93000, 92900};
    cell.SetTimesRaw(times, 2);
    cell.SetKind(3);
    CObList list;
    cell.AddLookupRow(1, list);
    settings.m_nEnglish = 1;
    cell.SetKind(0);
    cell.AddLookupRow(0, list);
    cell.AddExportColumn(list);
    settings.m_nXDivisor = 50;
    settings.m_strXName = "X";
    cell.SetKind(5);
    cell.AddLookupRow(7, list);
    ASSERT_EQ(4, list.GetCount());
    POSITION pos = list.GetHeadPosition();
    CSearchData* row = static_cast<CSearchData*>(list.GetNext(pos));
    EXPECT_STREQ("시간", row->m_strTitle);
    EXPECT_EQ(92900, row->m_nValue);
    EXPECT_EQ(1, row->m_nHighlight);
    EXPECT_EQ(3, row->m_nTimeKind);
    row = static_cast<CSearchData*>(list.GetNext(pos));
    EXPECT_STREQ("DATE", row->m_strTitle);
    row = static_cast<CSearchData*>(list.GetNext(pos));
    EXPECT_STREQ("DATE", row->m_strTitle);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(cell.GetTimes()), row->m_nData2);
    EXPECT_EQ(2, row->m_nData3);
    row = static_cast<CSearchData*>(list.GetNext(pos));
    EXPECT_STREQ("X", row->m_strTitle);
    EXPECT_EQ(50, row->m_nScale);
    EXPECT_EQ(N, row->m_nValue); // no such slot
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

TEST(TimeSeries, ResetFreesTheTimesAndTheDrawer)
{
    CTimeDataCell cell;
    CSeriesSettings settings;
    cell.SetupDrawer(&settings);
    int times[2] = {2, 1};
    cell.SetTimesRaw(times, 2);
    cell.m_nInterval = 300;
    cell.Reset();
    EXPECT_EQ(nullptr, cell.GetTimes());
    EXPECT_EQ(nullptr, cell.m_pDrawer);
    EXPECT_EQ(60, cell.m_nInterval);
    EXPECT_EQ(1, cell.GetFreeBlock());
    EXPECT_EQ(0, cell.GetNewestTime());
}

} // namespace
