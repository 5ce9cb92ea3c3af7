// The tooltip's table text: rows, titles, values and the date-time split, as a pure function;
// and the table's window size by a fixed-cell measurer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../series/tests/fixed_measurer.h"
#include "MSToolTipCtrl.h"

namespace
{

#define T "\x14\x14"
#define V "\x15\x15"
#define R "\x16\x16"

struct TableCase
{
    const char* name;
    const char* text;
    BOOL english;
    std::vector<std::string> titles;
    std::vector<std::string> values;
};

class TipTable : public ::testing::TestWithParam<TableCase>
{
};

TEST_P(TipTable, Table)
{
    const TableCase& c = GetParam();
    CStringArray titles, values;
    titles.Add("stale");
    values.Add("stale");
    int lines = ParseTipTable(c.text, c.english, titles, values);
    ASSERT_EQ(int(c.titles.size()), lines) << c.name;
    ASSERT_EQ(INT_PTR(lines), titles.GetSize()) << c.name;
    ASSERT_EQ(INT_PTR(lines), values.GetSize()) << c.name;
    for (int i = 0; i < lines; ++i)
    {
        EXPECT_STREQ(c.titles[size_t(i)].c_str(), titles[i]) << c.name << " line " << i;
        EXPECT_STREQ(c.values[size_t(i)].c_str(), values[i]) << c.name << " line " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TipTable,
    ::testing::Values(
        TableCase{"two rows", "시가" T "1,000" V R "고가" T "1,200" V, FALSE, {"시가", "고가"}, {"1,000", "1,200"}},
        TableCase{"separator after the last row", "종가" T "990" V R, FALSE, {"종가"}, {"990"}},
        TableCase{"date-time row", "일자(시간)" T "2024/01/02 09:30:00" V R "종가" T "990" V, FALSE,
                  {"일자", "시간", "종가"}, {"2024/01/02", "09:30:00", "990"}},
        TableCase{"English date-time row", "Date(TIME)" T "01/02 0930" V, TRUE, {"Date", "TIME"}, {"01/02", "0930"}},
        TableCase{"the other language's marker is plain text", "Date(TIME)" T "01/02 0930" V, FALSE,
                  {"Date(TIME)"}, {"01/02 0930"}},
        TableCase{"the time split at the first blank only", "(시간)" T "a b c" V, FALSE, {"", "시간"}, {"a", "b c"}},
        TableCase{"a date-time value without a blank", "일자(시간)" T "20240102" V, FALSE, {"일자", "시간"},
                  {"20240102", ""}},
        TableCase{"a row without its ends", "이름", FALSE, {"이름"}, {""}},
        TableCase{"a value without its end", "이름" T "값", FALSE, {"이름"}, {"값"}},
        TableCase{"single separator bytes stay in the text", "a\x14" "b" T "c\x15" "d" V, FALSE, {"a\x14" "b"},
                  {"c\x15" "d"}},
        TableCase{"empty rows are left out", R R "a" T "1" V R R, FALSE, {"a"}, {"1"}},
        TableCase{"empty text", "", FALSE, {}, {}}));

TEST(TipTable, NullTextGivesNoLines)
{
    CStringArray titles, values;
    EXPECT_EQ(0, ParseTipTable(nullptr, FALSE, titles, values));
}

// 6-pixel cells, 12-pixel lines: widest title 4 cells, two blanks, widest value 5, plus 3;
// 36 plus three lines.
TEST(TipTable, WindowSizeFromTheWidestColumns)
{
    CStringArray titles, values;
    ParseTipTable("ab" T "12345" V R "abcd(TIME)" T "x y" V, TRUE, titles, values);
    CSize size = TipTableSize(titles, values, FixedMeasurer(6, 12));
    EXPECT_EQ(6 * 4 + 12 + 6 * 5 + 3, size.cx);
    EXPECT_EQ(36 + 3 * 12, size.cy);
}

} // namespace
