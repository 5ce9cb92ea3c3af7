#include "LocalClock.h"

namespace {
PFN_LOCALCLOCK g_clock = nullptr;
}

void GetLocalClockTime(SYSTEMTIME* now)
{
    PFN_LOCALCLOCK clock = g_clock;
    if (clock)
        clock(now);
    else
        GetLocalTime(now);
}

void SetLocalClock(PFN_LOCALCLOCK clock)
{
    g_clock = clock;
}
