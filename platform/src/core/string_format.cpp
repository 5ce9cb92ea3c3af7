// CString formatting with the C runtime's printf rules (msvcrt's, as the framework's own
// runtime formats: "%p" as all the hex digits of a pointer, "%I64d" for 64-bit values).
#include "afx.h"

#include <stdio.h>

namespace {

CString FormatToString(LPCSTR pszFormat, va_list args)
{
    if (pszFormat == nullptr)
        AfxThrowInvalidArgException();
    va_list measure;
    va_copy(measure, args);
    int n = _vscprintf(pszFormat, measure);
    va_end(measure);
    if (n < 0)
        AfxThrowInvalidArgException();
    CString result;
    if (n > 0) {
        LPSTR buf = result.GetBuffer(n);
        _vsnprintf(buf, size_t(n) + 1, pszFormat, args);
        result.ReleaseBufferSetLength(n);
    }
    return result;
}

} // namespace

// The arguments may point into this string, so the text is built apart and then taken over.
void CString::FormatV(LPCSTR pszFormat, va_list args) { *this = FormatToString(pszFormat, args); }

void CString::AppendFormatV(LPCSTR pszFormat, va_list args) { Append(FormatToString(pszFormat, args)); }

void CString::FormatImpl(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    try {
        FormatV(pszFormat, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
}

void CString::AppendFormatImpl(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    try {
        AppendFormatV(pszFormat, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
}
