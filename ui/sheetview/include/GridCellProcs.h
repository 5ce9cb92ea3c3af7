// The library's exported cell procedures (undecorated names): colours and signs a record-bound
// list's cell callback, or any screen, applies to a cell.
#pragma once

#include <windows.h>

#include "SheetViewApi.h"

class CColorInfo;
struct tagCell;

extern "C" {
// Fore colour 102 when a < b, 101 when equal, 103 when a > b; the colour entry set.
SHEETVIEW_API CColorInfo* SetFontColor(int a, int b, tagCell* cell);
// '1', '2' up colour; '3' plain; '4', '5' down colour; other signs change nothing.
SHEETVIEW_API void SetFontColorBySign(char sign, tagCell* cell);
// The sign bits of a cell's flags as CGrid::SetSign sets them; other signs change nothing.
SHEETVIEW_API void SetSign(char sign, DWORD* flags);
// "(rate%s)" of the up/down rate of value against base, coloured by the sign.
SHEETVIEW_API void SetUDRate(int base, int value, char sign, tagCell* cell, const char* suffix);
}
