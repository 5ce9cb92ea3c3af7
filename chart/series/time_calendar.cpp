// Month-day arithmetic of packed interval times.
#include "time_calendar.h"

namespace time_calendar
{
namespace
{
const int kMonthDays[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int DayOfYear(int mmdd)
{
    int days = 0;
    for (int m = 1; m < mmdd / 100; ++m)
        days += kMonthDays[m];
    return days + mmdd % 100 - 1;
}
} // namespace

bool IsMonthDay(int mmdd)
{
    int m = mmdd / 100, d = mmdd % 100;
    return m >= 1 && m <= 12 && d >= 1 && d <= kMonthDays[m];
}

int AddDays(int mmdd, int days)
{
    if (!IsMonthDay(mmdd))
        return mmdd;
    int m = mmdd / 100, d = mmdd % 100;
    for (; days > 0; --days)
    {
        // A year without a date is taken as a common year: 02/28 is followed by 03/01.
        int last = m == 2 ? (d == 29 ? 29 : 28) : kMonthDays[m];
        if (++d > last)
        {
            d = 1;
            m = m == 12 ? 1 : m + 1;
        }
    }
    return m * 100 + d;
}

int DaysBetween(int a, int b)
{
    int diff = DayOfYear(a) - DayOfYear(b);
    if (diff < -183)
        diff += 366;
    else if (diff > 183)
        diff -= 366;
    return diff;
}

int PackTimeOfDay(int seconds)
{
    return seconds / 3600 * 10000 + seconds % 3600 / 60 * 100 + seconds % 60;
}
} // namespace time_calendar
