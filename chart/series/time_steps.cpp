// Real-time steps of the time series: comparing a new time, the next interval time, adding bars.
#include "TimeDataCell.h"

#include "SeriesSettings.h"
#include "time_calendar.h"

using namespace time_calendar;

int CTimeDataCell::SecondsOf(int hhmmss)
{
    return hhmmss / 10000 * 3600 + hhmmss % 10000 / 100 * 60 + hhmmss % 100;
}

namespace
{
// Seconds from newest to time for interval bars: a month-day part counts in days; without one,
// a time more than half a day before the newest is on the next day (the market runs round the
// clock).
long long IntervalDistance(int time, int newest)
{
    long long d = CTimeDataCell::SecondsOf(TimeOfDay(time)) - CTimeDataCell::SecondsOf(TimeOfDay(newest));
    int dt = DatePart(time), dn = DatePart(newest);
    if (IsMonthDay(dt) && IsMonthDay(dn))
        d += (long long)DaysBetween(dt, dn) * kDay;
    else if (d < -kDay / 2)
        d += kDay;
    return d;
}
} // namespace

int CTimeDataCell::CompareTime(int time, int& isSentinel)
{
    if (!m_pTimes || m_nLength <= 0)
        return 0;
    int newest = GetNewestTime();
    if (IsSentinel(newest))
    {
        m_nLastRealTime = time;
        return 1;
    }
    if (IsSentinel(time))
    {
        isSentinel = 1;
        m_nLastRealTime = time;
        return 1;
    }
    if (m_nKind != 3)
    {
        int a = SecondsOf(time), b = SecondsOf(newest);
        return a == b ? 0 : (a > b ? 1 : -1);
    }
    int interval = m_nInterval;
    if (interval <= 0)
        return -1;
    long long d = IntervalDistance(time, newest);
    long long n = m_pSettings && m_pSettings->m_nBarBoundary ? d + interval : d + interval - 1;
    // Rounded down, also before the newest bar: a time of an older bar counts negative instead
    // of falling into the newest one.
    long long steps = n >= 0 ? n / interval : -((-n + interval - 1) / interval);
    int result = steps > 1000000 ? 1000000 : (steps < -1000000 ? -1000000 : int(steps));
    if (result > 1)
        m_nLastRealTime = time;
    return result;
}

int CTimeDataCell::NextTime(int previous, int interval, int aligned) const
{
    if (interval <= 0)
        return previous;
    int date;
    long long seconds;
    if (!IsSentinel(previous) && !aligned)
    {
        date = DatePart(previous);
        seconds = SecondsOf(TimeOfDay(previous)) + (long long)interval;
    }
    else
    {
        int last = m_nLastRealTime;
        if (IsSentinel(last))
            return last;
        date = DatePart(last);
        long long s = SecondsOf(TimeOfDay(last));
        long long t = s - SecondsOf(90000);
        long long r = ((t % interval) + interval) % interval; // before 09:00 too
        seconds = s - r + interval;
    }
    int days = int(seconds / kDay);
    int timeOfDay = int(seconds % kDay);
    date = AddDays(date, days);
    return date * 1000000 + PackTimeOfDay(timeOfDay);
}

int CTimeDataCell::AddBars(int kind, int time, int count, int sentinel, int interval, int /*position*/)
{
    if (sentinel)
        count = 1;
    int madeRoom = 0;
    for (int i = 0; i < count; ++i)
    {
        if (m_nCurrent <= 0)
        {
            MakeRoom();
            madeRoom = 1;
        }
        int barTime = time;
        if (kind == 3)
        {
            int previous = m_nCurrent < m_nLength ? m_pTimes[m_nCurrent] : time;
            barTime = NextTime(previous, interval, sentinel);
        }
        --m_nCurrent;
        m_pTimes[m_nCurrent] = barTime;
    }
    return madeRoom;
}
