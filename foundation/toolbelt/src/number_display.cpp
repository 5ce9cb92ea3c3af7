#include "LocalClock.h"
#include "NumberFormat.h"
#include "TextUtils.h"

#include <stdio.h>
#include <string.h>

namespace {

// Inserts sep after the given character counts of the original text, then cuts at maxLen.
void InsertSeparators(char* s, char sep, const int* after, int count, size_t maxLen)
{
    char work[32];
    size_t w = 0;
    const size_t len = strlen(s);
    int next = 0;
    for (size_t i = 0; i < len && w < sizeof work - 2; ++i) {
        work[w++] = s[i];
        if (next < count && i + 1 == static_cast<size_t>(after[next])) {
            ++next;
            if (i + 1 < len)
                work[w++] = sep;
        }
    }
    work[w] = '\0';
    if (w > maxLen)
        work[maxLen] = '\0';
    strcpy(s, work);
}

void StripTrailingBlanks(char* s)
{
    size_t n = strlen(s);
    while (n && s[n - 1] == ' ')
        s[--n] = '\0';
}

} // namespace

void IntToPriceString(LONGLONG value, char* out, BOOL comma, int shift)
{
    sprintf(out, "%lld", value);
    aexpa(out, static_cast<short>(shift));
    if (comma)
        ApplyComma(out);
}

int IntToHKELWPriceString(LONGLONG value, char* out)
{
    return sprintf(out, "%0.3f", static_cast<double>(value) / 1000.0);
}

void IntToRateString(int rate, char* out, BOOL keepSign)
{
    LONGLONG value = rate;
    if (!keepSign && value < 0)
        value = -value;
    sprintf(out, "%lld", value);
    aexpa(out, -2);
}

void IntToQuantityString(LONGLONG qty, char* out, BOOL showZero)
{
    if (qty == 0 && !showZero) {
        *out = '\0';
        return;
    }
    sprintf(out, "%lld", qty);
    ApplyComma(out);
}

namespace {

const int kTimeBreaks[] = {2, 4};
const int kDateBreaks[] = {4, 6};

// digits with sep after the given places, cut at maxLen, into out.
void Separated(const char* digits, char* out, char sep, const int* after, size_t maxLen)
{
    char text[32];
    snprintf(text, sizeof text, "%s", digits);
    InsertSeparators(text, sep, after, 2, maxLen);
    strcpy(out, text);
}

} // namespace

void IntToTimeString(int hhmmss, char* out)
{
    char digits[16];
    snprintf(digits, sizeof digits, "%.6d", hhmmss);
    Separated(digits, out, ':', kTimeBreaks, 8);
}

void StrToTimeString(char* buf)
{
    char digits[16];
    snprintf(digits, sizeof digits, "%.8s", buf);
    Separated(digits, buf, ':', kTimeBreaks, 8);
}

void IntToDateString(int yyyymmdd, char* out)
{
    char digits[16];
    snprintf(digits, sizeof digits, "%.8d", yyyymmdd);
    Separated(digits, out, '/', kDateBreaks, 10);
}

void StrToDateString(char* buf)
{
    char digits[16];
    snprintf(digits, sizeof digits, "%.10s", buf);
    Separated(digits, buf, '/', kDateBreaks, 10);
}

void StrToPriceString(const char* src, int len, char* out, BOOL comma, int shift)
{
    if (len > TOOLBELT_MAX_NUMBER_TEXT)
        len = TOOLBELT_MAX_NUMBER_TEXT;
    TrimLeftZero(src, len, out);
    StripTrailingBlanks(out);
    aexpa(out, static_cast<short>(shift));
    if (comma)
        ApplyComma(out);
}

void StrToQuantityString(const char* src, int len, char* out)
{
    if (len > TOOLBELT_MAX_NUMBER_TEXT)
        len = TOOLBELT_MAX_NUMBER_TEXT;
    TrimLeftZero(src, len, out);
    StripTrailingBlanks(out);
    if (strlen(out) >= 4)
        ApplyComma(out);
}

void StrToAccountString(char* s)
{
    StripTrailingBlanks(s);
    char text[24];
    snprintf(text, sizeof text, "%.17s", s);
    if (strlen(text) < 12) {
        static const int after[] = {3, 5};
        InsertSeparators(text, '-', after, 2, 13);
    } else {
        static const int after[] = {3, 5, 11};
        InsertSeparators(text, '-', after, 3, 17);
    }
    strcpy(s, text);
}

int GetToday()
{
    SYSTEMTIME now;
    GetLocalClockTime(&now);
    return now.wYear * 10000 + now.wMonth * 100 + now.wDay;
}
