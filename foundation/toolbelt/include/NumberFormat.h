// Number display of grids and screens and conversions of fixed-width server fields. Amounts
// (prices, quantities, won and coin amounts with implied decimals) are 64-bit throughout.
// Outputs go to caller buffers of at least TOOLBELT_MAX_NUMBER_TEXT + 1 bytes unless noted.
#pragma once

#include <windows.h>
#include "ToolBeltApi.h"

// Moves the decimal point of the number text s by n places in place (n < 0 divides: "5" with
// -2 gives "0.05"; n > 0 multiplies: "9876" with 2 gives "987600"). A leading "-" stays.
TOOLBELT_API void aexpa(char* s, short n);

// "%lld" of value, shifted by shift places (negative for implied decimals), with commas when
// asked: 987654 with shift -2 gives "9,876.54".
TOOLBELT_API void IntToPriceString(LONGLONG value, char* out, BOOL comma, int shift);
// "%0.3f" of value / 1000; returns the length.
TOOLBELT_API int IntToHKELWPriceString(LONGLONG value, char* out);
// Rate in hundredths: -2575 gives "25.75", or "-25.75" with keepSign.
TOOLBELT_API void IntToRateString(int rate, char* out, BOOL keepSign);
// Quantity with commas; 0 gives an empty text unless showZero.
TOOLBELT_API void IntToQuantityString(LONGLONG qty, char* out, BOOL showZero);
// 93005 gives "09:30:05" (out holds 9 bytes).
TOOLBELT_API void IntToTimeString(int hhmmss, char* out);
// "HHMMSS" to "HH:MM:SS" in place (buf holds 9 bytes).
TOOLBELT_API void StrToTimeString(char* buf);
// 20261209 gives "2026/12/09" (out holds 11 bytes).
TOOLBELT_API void IntToDateString(int yyyymmdd, char* out);
// "YYYYMMDD" to "YYYY/MM/DD" in place (buf holds 11 bytes).
TOOLBELT_API void StrToDateString(char* buf);
// A len-byte price field without leading zeros and trailing blanks, shifted, with commas.
TOOLBELT_API void StrToPriceString(const char* src, int len, char* out, BOOL comma, int shift);
// A len-byte quantity field without leading zeros and trailing blanks, with commas.
TOOLBELT_API void StrToQuantityString(const char* src, int len, char* out);
// Account number with dashes in place: "9876543210" gives "987-65-43210",
// "987654321098" gives "987-65-432109-8" (s holds 18 bytes).
TOOLBELT_API void StrToAccountString(char* s);
// Today's local date as yyyymmdd.
TOOLBELT_API int GetToday();

// Integer value of a len-byte field, commas removed when asked.
TOOLBELT_API LONGLONG StrToInteger(const char* src, int len, BOOL removeComma);
// Value of a len-byte decimal field with commas ("9,876.5" gives 9876.5).
TOOLBELT_API double StrToDouble(const char* src, int len);
// Decimal field as an integer with n implied decimals: "98.76" with 2 gives 9876, "98.765"
// gives 9876 (cut), "98.7" gives 9870 and "12" gives 1200 (missing decimals read as 0).
TOOLBELT_API LONGLONG DblStrToInteger(const char* src, int len, short n);
// The decimal field cut to n decimals: "98.765" with 2 gives 98.76.
TOOLBELT_API double DblStrToDouble(const char* src, int len, short n);
// Hexadecimal text (upper-cased in place) to its value: "1a" gives 26.
TOOLBELT_API LONGLONG HexStringToInteger(char* s);
// Item kind by the first character of a code: 'F', 'C', 'P', 'S' or 0.
TOOLBELT_API char GetItemType(const char* code);
// Strike of an option code: the 3 digits at offset 5, plus 0.5 unless a multiple of 5.
TOOLBELT_API double GetExecPrice(const char* code);
// 1 (rise colour) or -1 (fall colour) for a conditional display.
TOOLBELT_API int GetConDispColor(int a1, int a2, int a3, int a4, int a5, int a6, char sign);
