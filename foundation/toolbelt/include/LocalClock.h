// The local time every dated file and time stamp of ToolBelt reads. A replacement clock lets a
// test move the day (the log channels' midnight change) without waiting for it.
#pragma once

#include <windows.h>
#include "ToolBeltApi.h"

typedef void (*PFN_LOCALCLOCK)(SYSTEMTIME* now);

// Fills now with the local time of the current clock (GetLocalTime unless replaced).
TOOLBELT_API void GetLocalClockTime(SYSTEMTIME* now);
// Replaces the clock; null restores the system's.
TOOLBELT_API void SetLocalClock(PFN_LOCALCLOCK clock);
