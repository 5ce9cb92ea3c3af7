// Local "hh:mm:ss" of milliseconds since 1970, by the time-zone API rather than the C runtime
// the library uses.
#pragma once

#include <windows.h>
#include <stdio.h>
#include <string>

inline std::string LocalClock(unsigned long long ms)
{
    ULONGLONG ticks = ms * 10000ULL + 116444736000000000ULL;
    FILETIME ft = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME utc, local;
    FileTimeToSystemTime(&ft, &utc);
    SystemTimeToTzSpecificLocalTime(NULL, &utc, &local);
    char sz[16];
    snprintf(sz, sizeof(sz), "%02d:%02d:%02d", local.wHour, local.wMinute, local.wSecond);
    return sz;
}
