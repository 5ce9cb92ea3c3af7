// Saturating decimal text to int.
#include "ClampedNumber.h"

#include <limits.h>

int ClampedAtoi(LPCSTR lpszText)
{
    if (lpszText == NULL)
        return 0;
    const char* p = lpszText;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool bNegative = false;
    if (*p == '+' || *p == '-')
        bNegative = *p++ == '-';
    // Accumulate as a negative number: its range holds INT_MIN.
    long long nValue = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        nValue = nValue * 10 - (*p - '0');
        if (nValue < (long long)INT_MIN)
            return bNegative ? INT_MIN : INT_MAX;
    }
    if (bNegative)
        return int(nValue);
    return nValue < -(long long)INT_MAX ? INT_MAX : int(-nValue);
}

int ClampedAtoi(LPCSTR lpszText, int nMin, int nMax)
{
    int nValue = ClampedAtoi(lpszText);
    return nValue < nMin ? nMin : (nValue > nMax ? nMax : nValue);
}
