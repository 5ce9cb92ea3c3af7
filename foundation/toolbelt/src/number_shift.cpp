#include "NumberFormat.h"
#include "TextUtils.h"

#include <stdlib.h>
#include <string.h>

void aexpa(char* s, short n)
{
    if (s == nullptr || n == 0)
        return;
    char* body = (*s == '-') ? s + 1 : s;
    const size_t len = strlen(body);
    const size_t k = static_cast<size_t>(abs(n));
    if (strlen(s) + k + 2 > TOOLBELT_MAX_NUMBER_TEXT)
        return;
    const char* point = strchr(body, '.');
    const size_t intLen = point ? static_cast<size_t>(point - body) : len;
    const char* frac = point ? point + 1 : body + len;

    char work[TOOLBELT_MAX_NUMBER_TEXT + 1];
    size_t w = 0;
    if (n < 0) {
        if (intLen > k) {
            memcpy(work, body, intLen - k);
            w = intLen - k;
        } else {
            work[w++] = '0';
        }
        work[w++] = '.';
        for (size_t z = intLen; z < k; ++z)
            work[w++] = '0';
        const size_t moved = intLen > k ? k : intLen;
        memcpy(work + w, body + intLen - moved, moved);
        w += moved;
        const size_t fracLen = strlen(frac);
        memcpy(work + w, frac, fracLen);
        w += fracLen;
    } else {
        // The digits without the point, followed by zeros.
        char digits[TOOLBELT_MAX_NUMBER_TEXT + 1];
        memset(digits, '0', sizeof digits);
        memcpy(digits, body, intLen);
        memcpy(digits + intLen, frac, strlen(frac));
        const size_t p = intLen + k;
        if (point == nullptr || p >= len) {
            memcpy(work, digits, p);
            w = p;
        } else {
            memcpy(work, digits, p);
            w = p;
            work[w++] = '.';
            memcpy(work + w, digits + p, len - p);
            w += len - p;
        }
        size_t lead = 0;
        while (lead + 1 < w && work[lead] == '0' && work[lead + 1] != '.')
            ++lead;
        memmove(work, work + lead, w - lead);
        w -= lead;
    }
    work[w] = '\0';
    memcpy(body, work, w + 1);
}
