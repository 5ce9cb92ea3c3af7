#include "Utils.h"

#include <string.h>

WinVer CUtils::GetWinVersion()
{
    static WinVer cached = wvUnknown;
    if (cached != wvUnknown)
        return cached;
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!::GetVersionExA(&info))
        return wvUnknown;
    WinVer version;
    switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
        version = wvWin32s;
        break;
    case VER_PLATFORM_WIN32_NT:
        if (info.dwMajorVersion == 4)
            version = wvNT4;
        else if (info.dwMajorVersion == 5 && info.dwMinorVersion == 0)
            version = wvWin2000;
        else if (info.dwMajorVersion == 5 && info.dwMinorVersion == 1)
            version = wvWinXP;
        else
            version = wvNT;
        break;
    default:
        if (info.dwMajorVersion == 4 && info.dwMinorVersion == 10)
            version = wvWin98;
        else if (info.dwMajorVersion == 4 && info.dwMinorVersion == 90)
            version = wvWinMe;
        else
            version = wvWin95;
        break;
    }
    cached = version;
    return version;
}

int CUtils::GetCurrentTheme()
{
    if (GetWinVersion() == wvWin2000)
        return 0;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Plus!\\Themes\\Current", 0,
                        KEY_READ, &key) != ERROR_SUCCESS)
        return 1;
    char value[261] = {};
    DWORD size = 260;
    DWORD type = 0;
    const LONG result = ::RegQueryValueExA(key, nullptr, nullptr, &type,
                                           reinterpret_cast<BYTE*>(value), &size);
    ::RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return 1;
    static const char classic[] = "Windows Classic.theme";
    const size_t length = strlen(value);
    const size_t tail = sizeof classic - 1;
    if (length >= tail && lstrcmpiA(value + length - tail, classic) == 0)
        return 0;
    return 1;
}
