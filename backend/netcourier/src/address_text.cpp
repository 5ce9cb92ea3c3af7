#include "AddressText.h"

#include <cstring>

namespace address_text {

namespace {

const size_t kMaxText = 15;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool IsIPv4(const char* text)
{
    if (text == NULL || strlen(text) > kMaxText)
        return false;
    int parts = 0;
    const char* p = text;
    for (;;) {
        int digits = 0;
        int value = 0;
        while (IsDigit(*p)) {
            value = value * 10 + (*p - '0');
            ++digits;
            ++p;
        }
        if (digits == 0 || digits > 3 || value > 255)
            return false;
        ++parts;
        if (*p == '\0')
            return parts == 4;
        if (*p != '.' || parts == 4)
            return false;
        ++p;
    }
}

bool IsServerAddress(const char* text)
{
    if (text == NULL || *text == '\0' || strlen(text) > kMaxText)
        return false;
    for (const char* p = text; *p != '\0'; ++p) {
        const char c = *p;
        if (!(IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '.'))
            return false;
    }
    return true;
}

} // namespace address_text
