// CTime and CTimeSpan: fields, formatting, arithmetic and argument checks.
#include <afx.h>
#include <gtest/gtest.h>

#include "exception_probe.h"

#include <functional>

namespace {

TEST(TimeTest, FieldsOfALocalTime)
{
    const struct
    {
        CTime time;
        int year, month, day, hour, minute, second, dayOfWeek;
    } cases[] = {
        {CTime(2024, 1, 1, 12, 30, 45), 2024, 1, 1, 12, 30, 45, 2},
        {CTime(2026, 12, 9, 0, 0, 0), 2026, 12, 9, 0, 0, 0, 4},
        {CTime(2000, 2, 29, 23, 59, 59), 2000, 2, 29, 23, 59, 59, 3},
        {CTime(WORD((44 << 9) | (3 << 5) | 15), WORD((8 << 11) | (5 << 5) | 10)), 2024, 3, 15, 8, 5, 20, 6},
        {CTime(SYSTEMTIME{2025, 7, 0, 4, 9, 8, 7, 0}), 2025, 7, 4, 9, 8, 7, 6},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.time.GetYear(), c.year);
        EXPECT_EQ(c.time.GetMonth(), c.month);
        EXPECT_EQ(c.time.GetDay(), c.day);
        EXPECT_EQ(c.time.GetHour(), c.hour);
        EXPECT_EQ(c.time.GetMinute(), c.minute);
        EXPECT_EQ(c.time.GetSecond(), c.second);
        EXPECT_EQ(c.time.GetDayOfWeek(), c.dayOfWeek) << c.year << "-" << c.month << "-" << c.day;
    }
    SYSTEMTIME st;
    ASSERT_TRUE(CTime(2024, 1, 1, 12, 30, 45).GetAsSystemTime(st));
    EXPECT_EQ(st.wYear, 2024);
    EXPECT_EQ(st.wDayOfWeek, 1);
    EXPECT_EQ(st.wSecond, 45);
}

TEST(TimeTest, FormatUsesStrftimeCodes)
{
    const CTime t(2024, 3, 5, 7, 8, 9);
    const struct
    {
        const char* format;
        const char* expected;
    } cases[] = {
        {"%Y-%m-%d %H:%M:%S", "2024-03-05 07:08:09"},
        {"%y%m%d", "240305"},
        {"%A %a %B %b", "Tuesday Tue March Mar"},
        {"%I %p %j", "07 AM 065"},
        {"%%Y", "%Y"},
        {"날짜 %Y년", "날짜 2024년"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(t.Format(c.format), c.expected) << c.format;
    EXPECT_STREQ(CTime(0).FormatGmt("%Y-%m-%d %H:%M:%S"), "1970-01-01 00:00:00");
    EXPECT_STREQ(CTime(86400 + 3661).FormatGmt("%d %H:%M:%S"), "02 01:01:01");
}

TEST(TimeTest, ArithmeticWithSpans)
{
    const CTime start(2024, 1, 31, 22, 0, 0);
    const CTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ(span.GetTotalSeconds(), 93784);
    EXPECT_EQ(span.GetDays(), 1);
    EXPECT_EQ(span.GetHours(), 2);
    EXPECT_EQ(span.GetTotalHours(), 26);
    EXPECT_EQ(span.GetMinutes(), 3);
    EXPECT_EQ(span.GetTotalMinutes(), 1563);
    EXPECT_EQ(span.GetSeconds(), 4);
    EXPECT_STREQ(span.Format("%D일 %H:%M:%S %%"), "1일 02:03:04 %");

    CTime later = start + span;
    EXPECT_STREQ(later.Format("%Y-%m-%d %H:%M:%S"), "2024-02-02 00:03:04");
    EXPECT_EQ(later - start, span);
    EXPECT_EQ(later - span, start);
    EXPECT_TRUE(later > start);
    CTime moving = start;
    moving += CTimeSpan(0, 0, 0, 60);
    moving -= CTimeSpan(0, 0, 1, 0);
    EXPECT_EQ(moving, start);

    __time64_t now = _time64(NULL);
    EXPECT_LE(CTime::GetCurrentTime().GetTime() - now, 2);
}

TEST(TimeTest, OutOfRangeFieldsThrowInvalidArg)
{
    const std::vector<std::function<void()>> actions = {
        [] { CTime(1899, 12, 31, 0, 0, 0); }, [] { CTime(2024, 13, 1, 0, 0, 0); },
        [] { CTime(2024, 1, 0, 0, 0, 0); },   [] { CTime(2024, 1, 1, 24, 0, 0); },
        [] { CTime(2024, 1, 1, 0, 60, 0); },  [] { CTime(2024, 1, 1, 0, 0, 60); },
    };
    for (size_t i = 0; i < actions.size(); ++i)
        EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>(actions[i])) << "case " << i;
}

} // namespace
