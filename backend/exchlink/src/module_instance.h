// This library's own module handle.
#pragma once

#include <windows.h>

extern "C" IMAGE_DOS_HEADER __ImageBase;

inline HINSTANCE ExchLinkInstance()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}
