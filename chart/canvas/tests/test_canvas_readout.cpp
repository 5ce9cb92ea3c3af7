// The read-out builder as a pure function: change rates, time texts by time kind, and whole
// entries with and without the change.
#include <gtest/gtest.h>

#include <climits>

#include "CanvasReadOut.h"
#include "TimeDataCell.h"

namespace
{

struct RateCase
{
    const char* what;
    int value;
    int previous;
    const char* expected;
};

class ChangeRate : public ::testing::TestWithParam<RateCase>
{
};

TEST_P(ChangeRate, IsNineCharactersOrTheWholeRate)
{
    const RateCase& c = GetParam();
    EXPECT_EQ(CString(c.expected), FormatChangeRate(c.value, c.previous)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChangeRate,
    ::testing::Values(RateCase{"rise padded to nine", 1015, 1000, "(+1.50%) "},
                      RateCase{"fall padded to nine", 985, 1000, "(-1.50%) "},
                      RateCase{"no change", 1000, 1000, "(+0.00%) "},
                      RateCase{"nine already", 1234, 1000, "(+23.40%)"},
                      RateCase{"wider than nine stays whole", 3235, 1000, "(+223.50%)"},
                      RateCase{"previous not computed", 5, INT_MAX, "(+0.00%) "},
                      RateCase{"previous empty minimum", 5, INT_MIN, "(+0.00%) "},
                      RateCase{"no previous value", 5, 99999999, "         "},
                      // A bar without volume before this one: no rate stands against 0.
                      RateCase{"previous zero", 500, 0, "         "},
                      RateCase{"both zero", 0, 0, "         "}));

struct TimeCase
{
    const char* what;
    int kind;
    BOOL english;
    int value;
    int subCount;
    const char* label;
    const char* text;
};

class ReadOutTime : public ::testing::TestWithParam<TimeCase>
{
};

TEST_P(ReadOutTime, FollowsTheTimeKind)
{
    ASSERT_EQ(949u, ::GetACP());
    const TimeCase& c = GetParam();
    ReadOutItem item;
    item.label = c.english ? "DATE" : "일자";
    item.value = c.value;
    item.isTime = TRUE;
    item.subCount = c.subCount;
    CString label;
    EXPECT_EQ(CString(c.text), FormatReadOutTime(item, c.kind, c.english, label)) << c.what;
    EXPECT_EQ(CString(c.label), label) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadOutTime,
    ::testing::Values(TimeCase{"tick time", 4, FALSE, 93015, 0, "시간", "09:30:15"},
                      TimeCase{"tick close English", 4, TRUE, 999999, 0, "TIME", "Market Close"},
                      TimeCase{"tick close Korean", 4, FALSE, 888888, 0, "시간", "장마감"},
                      TimeCase{"interval without date", 3, FALSE, 143000, 0, "일자", "14:30:00"},
                      TimeCase{"interval without date closed", 3, TRUE, 999999, 0, "DATE", "Market Close"},
                      TimeCase{"interval with date", 3, FALSE, 1231143000, 0, "일자(시간)", "12/31 14:30:00"},
                      TimeCase{"interval with date closed", 3, TRUE, 1231999999, 0, "DATE(TIME)",
                               "12/31 Market Close"},
                      TimeCase{"interval with date closed Korean", 3, FALSE, 1231999999, 0, "일자(시간)",
                               "12/31 장마감"},
                      TimeCase{"day", 0, FALSE, 260115, 0, "일자", "26/01/15"},
                      TimeCase{"day ignores the close marks", 0, TRUE, 999999, 0, "DATE", "99/99/99"},
                      TimeCase{"month", 2, FALSE, 202601, 0, "일자", "26/01"},
                      TimeCase{"sub-count appended", 4, FALSE, 93015, 3, "시간", "09:30:15+3"}));

ReadOutItem Item(const char* label, int value, int previous, int decimals = 0, const char* unit = "")
{
    ReadOutItem item;
    item.label = label;
    item.value = value;
    item.previous = previous;
    item.decimals = decimals;
    item.unit = unit;
    return item;
}

TEST(ReadOutText, EntriesCarryTheChangeOnlyForDayWeekAndMonth)
{
    CArray<ReadOutItem, const ReadOutItem&> items;
    ReadOutItem time;
    time.label = "일자";
    time.value = 260115;
    time.isTime = TRUE;
    items.Add(time);
    items.Add(Item("종가", 1015, 1000));
    items.Add(Item("거래량", 500, 0));
    const CString expected = "일자\x14\x14" "26/01/15" "         \x15\x15\x16\x16"
                             "종가\x14\x14" "1,015(+1.50%) \x15\x15\x16\x16"
                             "거래량\x14\x14" "500         \x15\x15\x16\x16";
    EXPECT_EQ(expected, BuildReadOutText(items, 0, FALSE, 1));
    for (int kind : {1, 2})
        EXPECT_GE(BuildReadOutText(items, kind, FALSE, 1).Find("1,015(+1.50%) \x15"), 0) << kind;
    const CString plain = "일자\x14\x14" "26/01/15\x15\x15\x16\x16"
                          "종가\x14\x14" "1,015\x15\x15\x16\x16"
                          "거래량\x14\x14" "500\x15\x15\x16\x16";
    EXPECT_EQ(plain, BuildReadOutText(items, 0, FALSE, 0)) << "fluctuation off";
    // Intraday kinds never show the change, whatever the switch says.
    const CString intraday = BuildReadOutText(items, 3, FALSE, 1);
    EXPECT_EQ(-1, intraday.Find('%'));
    EXPECT_EQ(-1, BuildReadOutText(items, 4, FALSE, 1).Find('%'));
}

TEST(ReadOutText, ReservedValuesShowAnEmptyValue)
{
    for (int reserved : {99999999, INT_MAX, INT_MIN})
    {
        CArray<ReadOutItem, const ReadOutItem&> items;
        items.Add(Item("종가", reserved, 1000));
        EXPECT_EQ(CString("종가\x14\x14" "         \x15\x15\x16\x16"), BuildReadOutText(items, 0, FALSE, 1))
            << reserved;
    }
}

TEST(ReadOutText, ValuesUseTheirDecimalsAndUnit)
{
    CArray<ReadOutItem, const ReadOutItem&> items;
    ReadOutItem item = Item("RSI", 5012, 99999999, 2, "%");
    item.divisor = 100;
    items.Add(item);
    const CString text = BuildReadOutText(items, 3, FALSE, 1);
    EXPECT_EQ(0, text.Find("RSI\x14\x14" "50.12")) << LPCSTR(text);
}

// Ticks of one second: the time item read from the time series' own row counts the older
// entries at the time of the one under the pointer.
TEST(ReadOutFromRows, TheTimeItemCountsTheOlderEntriesOfItsTime)
{
    CTimeDataCell time;
    time.SetKind(4);
    const int times[] = {93016, 93015, 93015, 93015, 93014}; // newest first
    time.SetTimesRaw(times, 5);
    const struct
    {
        int index;
        int subCount;
        const char* text;
    } cases[] = {{0, 0, "09:30:16"}, {1, 2, "09:30:15+2"}, {2, 1, "09:30:15+1"}, {3, 0, "09:30:15"},
                 {4, 0, "09:30:14"}};
    for (const auto& c : cases)
    {
        CObList rows;
        time.AddLookupRow(c.index, rows);
        ASSERT_EQ(1, rows.GetCount());
        CSearchData* row = static_cast<CSearchData*>(rows.GetHead());
        const ReadOutItem item = ReadOutItemFromRow(*row, TRUE);
        delete row;
        EXPECT_EQ(c.subCount, item.subCount) << c.index;
        CString label;
        EXPECT_EQ(CString(c.text), FormatReadOutTime(item, 4, TRUE, label)) << c.index;
    }
}

} // namespace
