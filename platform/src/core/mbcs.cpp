#include "mbcs.h"

#include <windows.h>
#include <string.h>

#include <vector>

namespace afx_mbcs {

namespace {

struct LeadByteTable
{
    bool lead[256];
    LeadByteTable() noexcept
    {
        for (int c = 0; c < 256; ++c)
            lead[c] = IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(c)) != FALSE;
    }
};

const LeadByteTable& Table() noexcept
{
    static const LeadByteTable table;
    return table;
}

inline char FoldLower(char c) noexcept { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

} // namespace

bool IsLeadByte(unsigned char c) noexcept { return Table().lead[c]; }

const char* FindChar(const char* s, char ch) noexcept
{
    for (; *s != '\0'; s += CharLength(s)) {
        if (*s == ch && CharLength(s) == 1)
            return s;
    }
    return ch == '\0' ? s : nullptr;
}

const char* FindLastChar(const char* s, char ch) noexcept
{
    const char* found = nullptr;
    for (; *s != '\0'; s += CharLength(s)) {
        if (*s == ch && CharLength(s) == 1)
            found = s;
    }
    return ch == '\0' ? s : found;
}

const char* FindString(const char* s, const char* sub) noexcept
{
    size_t n = strlen(sub);
    if (n == 0)
        return s;
    for (; *s != '\0'; s += CharLength(s)) {
        if (*s == *sub && strncmp(s, sub, n) == 0)
            return s;
    }
    return nullptr;
}

bool IsInSet(const char* p, int len, const char* set) noexcept
{
    for (; *set != '\0'; set += CharLength(set)) {
        int setLen = CharLength(set);
        if (setLen == len && memcmp(set, p, len) == 0)
            return true;
    }
    return false;
}

const char* FindOneOf(const char* s, const char* set) noexcept
{
    for (; *s != '\0'; s += CharLength(s)) {
        if (IsInSet(s, CharLength(s), set))
            return s;
    }
    return nullptr;
}

size_t SpanIncluding(const char* s, const char* set) noexcept
{
    const char* p = s;
    while (*p != '\0' && IsInSet(p, CharLength(p), set))
        p += CharLength(p);
    return size_t(p - s);
}

size_t SpanExcluding(const char* s, const char* set) noexcept
{
    const char* p = s;
    while (*p != '\0' && !IsInSet(p, CharLength(p), set))
        p += CharLength(p);
    return size_t(p - s);
}

void MakeUpper(char* s, size_t len) noexcept
{
    for (size_t i = 0; i < len;) {
        if (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < len) {
            i += 2;
            continue;
        }
        if (s[i] >= 'a' && s[i] <= 'z')
            s[i] = char(s[i] - 'a' + 'A');
        ++i;
    }
}

void MakeLower(char* s, size_t len) noexcept
{
    for (size_t i = 0; i < len;) {
        if (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < len) {
            i += 2;
            continue;
        }
        s[i] = FoldLower(s[i]);
        ++i;
    }
}

void Reverse(char* s, size_t len) noexcept
{
    std::vector<char> copy(s, s + len);
    size_t out = len;
    for (size_t i = 0; i < len;) {
        size_t n = (IsLeadByte(static_cast<unsigned char>(copy[i])) && i + 1 < len) ? 2 : 1;
        out -= n;
        memcpy(s + out, &copy[i], n);
        i += n;
    }
}

int CompareNoCase(const char* a, const char* b) noexcept
{
    bool inDouble = false; // the previous pair of bytes was the lead of a double-byte character
    for (;; ++a, ++b) {
        unsigned char ca = static_cast<unsigned char>(*a);
        unsigned char cb = static_cast<unsigned char>(*b);
        if (!inDouble) {
            ca = static_cast<unsigned char>(FoldLower(char(ca)));
            cb = static_cast<unsigned char>(FoldLower(char(cb)));
        }
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
        inDouble = !inDouble && IsLeadByte(static_cast<unsigned char>(*a));
    }
}

} // namespace afx_mbcs
