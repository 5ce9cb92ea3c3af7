// The library's exported cell procedures: fore colours by comparison or sign, sign bits, and
// the up/down rate text.
#include "GridCellProcs.h"

#include <cmath>
#include <cstdio>

#include "CellText.h"
#include "OptionPricing.h"

extern "C" CColorInfo* SetFontColor(int a, int b, tagCell* cell)
{
    CColorInfo* info = CColorMap::GetColorInfo(a < b ? 102 : a == b ? 101 : 103);
    if (cell != NULL)
        cell->pForeColor = info;
    return info;
}

extern "C" void SetFontColorBySign(char sign, tagCell* cell)
{
    if (cell == NULL)
        return;
    switch (sign) {
    case '1':
    case '2':
        SetFore(cell, 102);
        break;
    case '3':
        SetFore(cell, 101);
        break;
    case '4':
    case '5':
        SetFore(cell, 103);
        break;
    default:
        break;
    }
}

extern "C" void SetSign(char sign, DWORD* flags)
{
    if (flags == NULL)
        return;
    DWORD bits;
    switch (sign) {
    case '1':
        bits = GCF_SIGN_CEILING;
        break;
    case '2':
        bits = GCF_SIGN_UP;
        break;
    case '3':
        bits = 0;
        break;
    case '4':
        bits = GCF_SIGN_FLOOR;
        break;
    case '5':
        bits = GCF_SIGN_DOWN;
        break;
    default:
        return;
    }
    *flags = (*flags & ~GCF_SIGN_MASK) | bits;
}

extern "C" void SetUDRate(int base, int value, char sign, tagCell* cell, const char* suffix)
{
    if (cell == NULL)
        return;
    const double rate = std::fabs((double)GetUDRate(base, value, sign));
    char text[64];
    if (suffix != NULL)
        snprintf(text, sizeof text, "(%.2f%.40s)", rate, suffix);
    else
        snprintf(text, sizeof text, "(%.2f)", rate);
    PutText(cell, text);
    SetFontColorBySign(sign, cell);
}

