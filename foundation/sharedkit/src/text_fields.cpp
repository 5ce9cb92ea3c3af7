#include "text_fields.h"

#include <cstring>

namespace text_fields {

namespace {

// The number of bytes of src (at most limit) that end on a character boundary.
size_t WholeCharacters(const char* src, size_t len, size_t limit)
{
    size_t n = 0;
    while (n < len && n < limit) {
        const size_t step = (::IsDBCSLeadByte(static_cast<BYTE>(src[n])) && n + 1 < len) ? 2 : 1;
        if (n + step > limit)
            break;
        n += step;
    }
    return n;
}

} // namespace

namespace {

void CopyLimited(char* dst, size_t cap, const char* src, size_t len, size_t limit)
{
    if (dst == NULL || cap == 0)
        return;
    memset(dst, 0, cap);
    if (src == NULL)
        return;
    if (limit > cap - 1)
        limit = cap - 1;
    memcpy(dst, src, WholeCharacters(src, len, limit));
}

} // namespace

void CopyCounted(char* dst, size_t cap, const char* src, size_t len)
{
    CopyLimited(dst, cap, src, len, len);
}

void CopyField(char* dst, size_t cap, const char* src, size_t maxChars)
{
    const size_t limit = maxChars < cap - 1 ? maxChars : cap - 1;
    // One byte beyond the limit is read (when there) so that a character across it is seen whole.
    const size_t len = src != NULL ? strnlen(src, limit + 1) : 0;
    CopyLimited(dst, cap, src, len, limit);
}

void ReplaceHeapCopy(char*& stored, const char* text)
{
    char* copy = NULL;
    if (text != NULL) {
        const size_t n = strlen(text);
        copy = new char[n + 1];
        memcpy(copy, text, n + 1);
    }
    delete[] stored;
    stored = copy;
}

int CopyOut(const char* stored, char* buf, int size)
{
    if (stored == NULL || buf == NULL || size <= 0)
        return 0;
    const size_t n = strlen(stored);
    if (static_cast<size_t>(size) <= n)
        return 0;
    memset(buf, 0, size);
    memcpy(buf, stored, n);
    return 1;
}

} // namespace text_fields
