// The colour set of an image button or tab in one state (16 bytes).
#pragma once

#include <windows.h>

struct tagBtnColor
{
    COLORREF clrFill;
    COLORREF clrBorder;
    COLORREF clrHighlight;
    COLORREF clrShadow;
};
static_assert(sizeof(tagBtnColor) == 16, "tagBtnColor is 16 bytes");
