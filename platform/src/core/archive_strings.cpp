// CArchive strings and time values.
#include "afx.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// Reads a length prefix; sets *pnCharSize to 2 after the UTF-16 marker (0xFF 0xFFFE).
ULONGLONG ReadStringLength(CArchive& ar, int* pnCharSize)
{
    *pnCharSize = 1;
    BYTE bLen;
    ar >> bLen;
    if (bLen < 0xFF)
        return bLen;
    WORD wLen;
    ar >> wLen;
    if (wLen == 0xFFFE) {
        *pnCharSize = 2;
        ar >> bLen;
        if (bLen < 0xFF)
            return bLen;
        ar >> wLen;
    }
    if (wLen < 0xFFFF)
        return wLen;
    DWORD dwLen;
    ar >> dwLen;
    if (dwLen < 0xFFFFFFFF)
        return dwLen;
    ULONGLONG qwLen;
    ar >> qwLen;
    return qwLen;
}

// Reads n units of size bytes each, 64 KB at a time, so that a corrupt length on a short archive ends
// in endOfFile instead of one huge allocation.
std::vector<BYTE> ReadUnits(CArchive& ar, ULONGLONG nUnits, int nSize)
{
    const ULONGLONG limit = ULONGLONG(std::numeric_limits<int>::max() / 2);
    if (nUnits > limit / ULONGLONG(nSize))
        AfxThrowArchiveException(CArchiveException::genericException);
    UINT nTotal = UINT(nUnits) * UINT(nSize);
    std::vector<BYTE> bytes;
    const UINT step = 64 * 1024;
    while (bytes.size() < nTotal) {
        UINT n = std::min(step, nTotal - UINT(bytes.size()));
        size_t at = bytes.size();
        bytes.resize(at + n);
        if (ar.Read(bytes.data() + at, n) != n)
            AfxThrowArchiveException(CArchiveException::endOfFile);
    }
    return bytes;
}

} // namespace

CArchive& AFXAPI operator<<(CArchive& ar, const CString& str)
{
    DWORD nLength = DWORD(str.GetLength());
    if (nLength < 0xFF) {
        ar << BYTE(nLength);
    } else if (nLength < 0xFFFE) {
        ar << BYTE(0xFF) << WORD(nLength);
    } else {
        ar << BYTE(0xFF) << WORD(0xFFFF) << nLength;
    }
    ar.Write(str.GetString(), nLength);
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, LPCSTR lpsz) { return ar << CString(lpsz); }

CArchive& AFXAPI operator>>(CArchive& ar, CString& str)
{
    int nCharSize;
    ULONGLONG nLength = ReadStringLength(ar, &nCharSize);
    std::vector<BYTE> bytes = ReadUnits(ar, nLength, nCharSize);
    if (nCharSize == 2)
        str = CString(reinterpret_cast<LPCWSTR>(bytes.data()), int(nLength));
    else
        str = CString(reinterpret_cast<LPCSTR>(bytes.data()), int(nLength));
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, CTime time) { return ar << LONGLONG(time.GetTime()); }

CArchive& AFXAPI operator>>(CArchive& ar, CTime& rtime)
{
    LONGLONG t;
    ar >> t;
    rtime = CTime(t);
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, CTimeSpan span) { return ar << LONGLONG(span.GetTimeSpan()); }

CArchive& AFXAPI operator>>(CArchive& ar, CTimeSpan& rspan)
{
    LONGLONG t;
    ar >> t;
    rspan = CTimeSpan(t);
    return ar;
}
