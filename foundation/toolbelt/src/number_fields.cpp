#include "NumberFormat.h"
#include "TextUtils.h"

#include <ctype.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>

namespace {

// Copies at most cap bytes of the len-byte field into out (cap + 1 bytes), stopping at a NUL.
void CopyField(const char* src, int len, char* out, int cap)
{
    int n = 0;
    if (src)
        for (; n < len && n < cap && src[n]; ++n)
            out[n] = src[n];
    out[n] = '\0';
}

// Shifts the n characters behind the point one place left and writes the point behind them,
// padding missing decimals with zeros; text without a point gets n zeros.
void ShiftPoint(char* s, size_t cap, short n)
{
    if (n <= 0)
        return;
    char* point = strchr(s, '.');
    size_t len = strlen(s);
    if (point == nullptr) {
        point = s + len;
        if (len + 1 > cap)
            return;
        *point = '.';
        point[1] = '\0';
        ++len;
    }
    const size_t have = strlen(point + 1);
    for (size_t i = have; i < static_cast<size_t>(n); ++i) {
        if (len + 1 > cap)
            return;
        s[len++] = '0';
        s[len] = '\0';
    }
    memmove(point, point + 1, n);
    point[n] = '.';
}

} // namespace

LONGLONG StrToInteger(const char* src, int len, BOOL removeComma)
{
    char buf[32] = {};
    CopyField(src, len, buf, 31);
    if (removeComma)
        RemoveComma(buf);
    return _atoi64(buf);
}

double StrToDouble(const char* src, int len)
{
    char buf[64];
    CopyField(src, len, buf, 63);
    size_t n = strlen(buf);
    while (n && buf[n - 1] == ' ')
        buf[--n] = '\0';
    char digits[64];
    size_t w = 0;
    int decimals = -1;
    for (size_t i = 0; i < n; ++i) {
        if (buf[i] == ',')
            continue;
        if (buf[i] == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        digits[w++] = buf[i];
        if (decimals >= 0)
            ++decimals;
    }
    digits[w] = '\0';
    double value = static_cast<double>(_atoi64(digits));
    return decimals > 0 ? value / pow(10.0, decimals) : value;
}

LONGLONG DblStrToInteger(const char* src, int len, short n)
{
    char buf[64];
    CopyField(src, len, buf, 31);
    ShiftPoint(buf, sizeof buf - 1, n);
    return _atoi64(buf);
}

double DblStrToDouble(const char* src, int len, short n)
{
    const LONGLONG scaled = DblStrToInteger(src, len, n);
    return static_cast<double>(scaled) * pow(10.0, -n);
}

LONGLONG HexStringToInteger(char* s)
{
    if (s == nullptr)
        return 0;
    unsigned long long sum = 0;
    for (char* p = s; *p; ++p) {
        *p = static_cast<char>(toupper(static_cast<unsigned char>(*p)));
        const int digit = (*p < 'A') ? *p - '0' : *p - 55;
        sum = sum * 16 + static_cast<unsigned long long>(static_cast<long long>(digit));
    }
    return static_cast<LONGLONG>(sum);
}

char GetItemType(const char* code)
{
    if (code == nullptr)
        return 0;
    switch (code[0]) {
    case '1': return 'F';
    case '2': return 'C';
    case '3': return 'P';
    case '4': return 'S';
    default: return 0;
    }
}

double GetExecPrice(const char* code)
{
    char digits[4] = {};
    if (code != nullptr && strnlen(code, 5) == 5)
        CopyField(code + 5, 3, digits, 3);
    const int price = atoi(digits);
    return (price % 5 == 0) ? price : price + 0.5;
}

int GetConDispColor(int a1, int a2, int a3, int a4, int a5, int a6, char sign)
{
    if ((a4 == 0 && a5 == 0) || (a1 == 0 && a2 == 0))
        return (sign == '1' || sign == '2') ? 1 : -1;
    if (a6 > a3)
        return 1;
    if (a6 < a3)
        return -1;
    if (a4 > a1)
        return a6 < a1 ? -1 : 1;
    if (a4 != a1)
        return -1;
    if (a6 >= a1)
        return a4 >= 1 ? 1 : -1;
    if (a6 <= a2)
        return -1;
    return a5 < a2 ? -1 : 1;
}
