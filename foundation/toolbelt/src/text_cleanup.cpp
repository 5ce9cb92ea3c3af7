#include "TextUtils.h"

#include <string.h>

void ApplyComma(char* s)
{
    if (s == nullptr)
        return;
    size_t blanks = strspn(s, " ");
    if (blanks)
        memmove(s, s + blanks, strlen(s + blanks) + 1);

    const char* sign = strchr(s, '-');
    if (sign == nullptr)
        sign = strchr(s, '+');
    const size_t start = sign ? static_cast<size_t>(sign - s) + 1 : 0;
    const char* point = strchr(s + start, '.');
    const size_t length = strlen(s);
    const size_t end = point ? static_cast<size_t>(point - s) : length;
    const size_t digits = end - start;
    if (digits < 4)
        return;
    const size_t commas = (digits - 1) / 3;
    if (length + commas > TOOLBELT_MAX_NUMBER_TEXT)
        return;

    char work[TOOLBELT_MAX_NUMBER_TEXT + 1];
    size_t w = 0;
    memcpy(work, s, start);
    w = start;
    for (size_t i = start; i < end; ++i) {
        work[w++] = s[i];
        const size_t left = end - i - 1;
        if (left && left % 3 == 0)
            work[w++] = ',';
    }
    memcpy(work + w, s + end, length - end + 1);
    memcpy(s, work, w + (length - end) + 1);
}

void RemoveComma(char* s)
{
    if (s == nullptr)
        return;
    char* w = s;
    for (const char* r = s; *r; ++r)
        if (*r != ',')
            *w++ = *r;
    *w = '\0';
}

void TrimSpace(char* buf, int len)
{
    if (buf == nullptr)
        return;
    for (int i = len - 1; i >= 0 && buf[i] == ' '; --i)
        buf[i] = '\0';
}

void TrimLeftZero(const char* src, int len, char* out)
{
    if (out == nullptr)
        return;
    *out = '\0';
    if (src == nullptr || len <= 0)
        return;
    // The field may end early at a NUL.
    int n = 0;
    while (n < len && src[n])
        ++n;
    int i = 0;
    char* w = out;
    if (i < n && src[i] == '-')
        *w++ = src[i++];
    else if (i < n && src[i] == '+')
        ++i;
    // Keep the last character of the field, and one zero in front of a point.
    while (i < n - 1 && src[i] == '0' && src[i + 1] != '.')
        ++i;
    memcpy(w, src + i, n - i);
    w[n - i] = '\0';
}

void TrimRightZero(char* s)
{
    if (s == nullptr)
        return;
    char* point = strchr(s, '.');
    if (point == nullptr)
        return;
    char* end = s + strlen(s);
    while (end > point + 1 && end[-1] == '0')
        *--end = '\0';
    if (end == point + 1)
        *point = '\0';
}

void TrimDecimalLength(char* s, int n)
{
    if (s == nullptr)
        return;
    if (n < 0)
        n = 0;
    char* point = strchr(s, '.');
    if (point && strlen(point + 1) > static_cast<size_t>(n))
        point[1 + n] = '\0';
}

int DataRegular(const char* src, char* out)
{
    if (out == nullptr)
        return 0;
    int n = 0;
    if (src)
        for (; src[n] && src[n] != '\r' && src[n] != '\n'; ++n)
            out[n] = src[n];
    out[n] = '\0';
    return n;
}

void GetString(const char* src, int len, char* out)
{
    if (out == nullptr)
        return;
    if (src == nullptr || len < 0)
        len = 0;
    memcpy(out, src ? src : "", len);
    out[len] = '\0';
}
