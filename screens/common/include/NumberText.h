// What more than one screen plug-in compiles in: the texts of record fields and numbers shown
// by the grids (thousands separators), and the fixed list of coins the screens offer.
#pragma once

#include <afx.h>

// One coin of the screens' fixed list: its exchange code and its display name.
struct TRADE_COIN
{
    const char* code;
    const char* name;
};

#define TRADE_COIN_COUNT 12
// BTC ... EOS in the order the board shows them.
extern const TRADE_COIN TRADE_COINS[TRADE_COIN_COUNT];

// The bytes of an n-byte field up to its first zero byte (all n when it holds none).
CString FieldToText(const char* bytes, int n);
// The same with blanks removed at both ends.
CString FieldToTrimText(const char* bytes, int n);

// A plain number: leading blanks, a sign before the first significant character, digits and
// at most one point; an empty text counts as a number.
BOOL IsNumberText(const char* text);
// Trimmed, signs gathered in front, leading zeros dropped ("0" kept before a point or alone).
CString StripSignZeros(const char* text);
// Thousands separators in the integer part: "0098765.430" gives "98,765.430"; a text that is
// not a plain number gives an empty text.
CString FormatNumberText(const char* text);
// Won amounts and prices are 64-bit on every target.
CString IntToNumberText(LONGLONG value);
// The value with that many decimals, then separators: 2345.5 with 2 gives "2,345.50".
CString DoubleToNumberText(double value, int decimals);

// The code's 1-based row in TRADE_COINS (blanks trimmed, case kept); -1 for any other code.
int CoinCodeToRow(const char* code);
// The code at a 0-based place in TRADE_COINS; empty outside it.
CString RowToCoinCode(int index);

// Leading whole number of a field text ("12,345" reads 12; no leading number reads 0).
LONGLONG FieldToInteger(const char* bytes, int n);
// Leading decimal number of a field text (no leading number reads 0).
double FieldToDouble(const char* bytes, int n);
