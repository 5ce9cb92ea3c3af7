// Texts of the chart: packed times, scaled numbers, delimited lists and fonts from their
// description, and a bitmap drawn with one colour transparent.
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "GraphKitApi.h"

// The value's two-digit groups from the right: kinds 0 and 1 "%02d/%02d/%02d", kind 2
// "%02d/%02d" of the last two, kinds 3 and 4 "%02d:%02d:%02d", any other kind empty.
GRAPHKIT_API CString FormatTimeValue(int value, int kind);

// A series value as text. With precision or fractionBase above 0 the value is shifted by
// decimalsOverride (or decimals) places and printed with precision places; otherwise it is
// divided by divisor (when that is 10 or more) and printed with decimals places. A negative
// precision adds thousands separators, any other precision the fraction notation of
// fractionBase (unless that is 10). The suffix ends the text.
GRAPHKIT_API CString FormatNumberValue(int value, int fractionBase, int precision, LPCSTR suffix, int divisor,
                                       int decimals, int decimalsOverride);

// The decimal fraction "0.<digits>" in units of 1/base: "%.0f" for base 8, else "%05.2f".
GRAPHKIT_API CString FormatFraction(LPCSTR digits, int base);

// Splits the trimmed text at every delimiter, at most maxParts times (no limit when maxParts is
// 0 or less); the rest is the last entry. Returns the number of entries (0 for an empty text).
GRAPHKIT_API int SplitByDelimiter(LPCSTR text, LPCSTR delimiter, CStringArray& list, int maxParts);

// Font from "face,height,weight,italic,underline,strikeout". With fewer than six fields the font
// is left as it is; a face longer than a font can hold is cut at a character boundary.
GRAPHKIT_API void FontFromDescription(LPCSTR description, CFont* font);

// Copies width x height pixels of the bitmap from (sourceX, sourceY) to (x, y) of the target,
// leaving the target unchanged where the bitmap has the transparent colour.
GRAPHKIT_API void DrawMaskedBitmap(CDC* target, int x, int y, int width, int height, CBitmap* bitmap, int sourceX,
                                   int sourceY, COLORREF transparentColour);
