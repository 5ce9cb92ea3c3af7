// Packed interval times that may carry a month-day part above their six time digits.
#pragma once

namespace time_calendar
{
const int kDay = 86400;

inline int DatePart(int time) { return time / 1000000; }
inline int TimeOfDay(int time) { return time % 1000000; }
inline bool IsSentinel(int time) { return TimeOfDay(time) == 888888 || TimeOfDay(time) == 999999; }

// Whether mmdd is a month and day (February may have 29).
bool IsMonthDay(int mmdd);
// mmdd moved by days (12/31 goes on to 01/01); anything that is no month-day stays as it is.
int AddDays(int mmdd, int days);
// Days from b to a, taken the short way round the year.
int DaysBetween(int a, int b);
// HHMMSS of seconds within a day.
int PackTimeOfDay(int seconds);
} // namespace time_calendar
