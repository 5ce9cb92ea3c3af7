// Decimal text to int by the C library's atoi rule, but saturated at the int range instead of
// overflowing: every number the chart reads from host text goes through it.
#pragma once

#include <afx.h>

#include "GraphKitApi.h"

// Leading white space, an optional sign, then digits; anything else ends the number, and text
// without digits gives 0. Values beyond the int range give INT_MIN or INT_MAX.
GRAPHKIT_API int ClampedAtoi(LPCSTR lpszText);
// The same, then clamped to [nMin, nMax].
GRAPHKIT_API int ClampedAtoi(LPCSTR lpszText, int nMin, int nMax);
