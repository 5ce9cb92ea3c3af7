// Bounded text copies of the session store: nothing is written past a field or a caller's
// buffer, and a double-byte character is never cut in half.
#pragma once

#include <windows.h>

#include <cstddef>

namespace text_fields {

// Zero-fills the cap bytes of dst, then copies src up to its terminator, at most maxChars bytes
// and at most cap - 1 (dst stays terminated). A double-byte character that would not fit whole
// is left out. NULL src leaves the field empty.
void CopyField(char* dst, size_t cap, const char* src, size_t maxChars = static_cast<size_t>(-1));

// The same for a counted run of bytes (src need not be terminated).
void CopyCounted(char* dst, size_t cap, const char* src, size_t len);

// A heap copy of text that replaces (and frees) the stored one; NULL clears it.
void ReplaceHeapCopy(char*& stored, const char* text);

// The copy rule of the store's getters: 0 when nothing is stored or when size cannot hold the
// text and its terminator; else buf zero-filled over size bytes, the text copied, 1.
int CopyOut(const char* stored, char* buf, int size);

} // namespace text_fields
