// Character rules of the multi-byte build: the ANSI code page decides which bytes lead a
// double-byte character. A character is one byte, or a lead byte and the byte after it (a lead
// byte right before the terminating NUL counts as one byte). Searches and case changes work on
// whole characters, so a trail byte is never matched or changed on its own.
#pragma once

#include <stddef.h>

namespace afx_mbcs {

bool IsLeadByte(unsigned char c) noexcept;

// Bytes taken by the character at p: 2 for a lead byte followed by a non-NUL byte, else 1.
inline int CharLength(const char* p) noexcept
{
    return (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') ? 2 : 1;
}

// The first single-byte character ch in s (the terminator for ch == 0), or null.
const char* FindChar(const char* s, char ch) noexcept;
// The last single-byte character ch in s, or null.
const char* FindLastChar(const char* s, char ch) noexcept;
// The first place where sub starts on a character boundary of s, or null; s for an empty sub.
const char* FindString(const char* s, const char* sub) noexcept;
// Whether the character at p (len bytes) is one of the characters of set.
bool IsInSet(const char* p, int len, const char* set) noexcept;
// The first character of s that is in set, or null.
const char* FindOneOf(const char* s, const char* set) noexcept;
// Bytes at the start of s made of characters in set / not in set.
size_t SpanIncluding(const char* s, const char* set) noexcept;
size_t SpanExcluding(const char* s, const char* set) noexcept;
// ASCII letters only; double-byte characters are left as they are.
void MakeUpper(char* s, size_t len) noexcept;
void MakeLower(char* s, size_t len) noexcept;
// Reverses the order of characters, keeping each double-byte character's bytes in order.
void Reverse(char* s, size_t len) noexcept;
// Byte comparison with ASCII letters folded to lower case outside double-byte characters.
int CompareNoCase(const char* a, const char* b) noexcept;

} // namespace afx_mbcs
