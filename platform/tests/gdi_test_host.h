// A plain window class for the GDI and control tests' host windows (the framework subclasses
// them on creation).
#pragma once

#include <windows.h>

#include <string.h>

inline void RegisterTestHostClass(const char* lpszClassName)
{
    WNDCLASSA wc;
    memset(&wc, 0, sizeof(wc));
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = lpszClassName;
    ::RegisterClassA(&wc);
}
