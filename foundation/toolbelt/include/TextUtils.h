// Splitting, colour text and in-place clean-up of 8-bit (code page 949) text in caller buffers.
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include "ToolBeltApi.h"

// Splits text at every delimiter byte into out (emptied first); a double-byte character is
// never split, even when its trail byte equals the delimiter. Empty fields stay, so the result
// is the number of delimiters plus one (an empty text gives one empty field).
TOOLBELT_API int ExStrTok(CStringArray& out, const char* text, char delimiter);

// "r,g,b" in decimal to a colour; a missing or non-numeric field reads as 0.
TOOLBELT_API COLORREF StringToRGB(CString text);
// Writes "RGB(r,g,b)" (a form StringToRGB does not read back).
TOOLBELT_API void RGBToString(COLORREF colour, CString& out);

// In-place number text helpers. Those that make the text longer never produce more than
// TOOLBELT_MAX_NUMBER_TEXT characters: a text that would outgrow that is left as it is.
#define TOOLBELT_MAX_NUMBER_TEXT 40

// Drops leading blanks and puts "," between groups of three integer digits (-7,654,321.891).
TOOLBELT_API void ApplyComma(char* s);
TOOLBELT_API void RemoveComma(char* s);
// Turns the blanks at the end of the len-byte field into NULs (an all-blank field becomes empty).
TOOLBELT_API void TrimSpace(char* buf, int len);
// Copies the len-byte number field into out (len + 1 bytes at most) without its leading zeros:
// "-000.50" gives "-0.50", "+0012" gives "12", "0000" gives "0".
TOOLBELT_API void TrimLeftZero(const char* src, int len, char* out);
// "12.500" gives "12.5", "3.00" gives "3"; text without a point is unchanged.
TOOLBELT_API void TrimRightZero(char* s);
// Cuts the text n characters after its point.
TOOLBELT_API void TrimDecimalLength(char* s, int n);
// Copies src up to its first CR, LF or NUL; returns the number of bytes copied.
TOOLBELT_API int DataRegular(const char* src, char* out);
// Copies the len-byte field and terminates it (out holds len + 1 bytes).
TOOLBELT_API void GetString(const char* src, int len, char* out);
