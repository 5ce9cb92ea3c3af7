// CTime and CTimeSpan: conversions through the C runtime's 64-bit time functions.
#include "afx.h"

#include <time.h>

#include <vector>

namespace {

// strftime into a CString, growing the buffer until the text fits.
CString FormatTm(LPCSTR pFormat, const struct tm* ptm)
{
    if (pFormat == nullptr)
        AfxThrowInvalidArgException();
    if (*pFormat == '\0' || ptm == nullptr)
        return CString();
    for (size_t size = 128; size <= 64 * 1024; size *= 4) {
        std::vector<char> buf(size);
        size_t n = strftime(buf.data(), size, pFormat, ptm);
        if (n > 0)
            return CString(buf.data(), int(n));
    }
    return CString();
}

struct tm LocalFields(__time64_t t)
{
    struct tm* ptm = _localtime64(&t);
    if (ptm == nullptr)
        AfxThrowInvalidArgException();
    return *ptm;
}

__time64_t MakeLocal(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    if (nYear < 1900 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31 || nHour < 0 || nHour > 23 ||
        nMin < 0 || nMin > 59 || nSec < 0 || nSec > 59)
        AfxThrowInvalidArgException();
    struct tm atm = {};
    atm.tm_sec = nSec;
    atm.tm_min = nMin;
    atm.tm_hour = nHour;
    atm.tm_mday = nDay;
    atm.tm_mon = nMonth - 1;
    atm.tm_year = nYear - 1900;
    atm.tm_isdst = nDST;
    __time64_t t = _mktime64(&atm);
    if (t == -1)
        AfxThrowInvalidArgException();
    return t;
}

// A format string from the resource chain; a missing one is an invalid argument.
CString LoadFormat(UINT nFormatID)
{
    CString fmt;
    if (!fmt.LoadString(nFormatID))
        AfxThrowInvalidArgException();
    return fmt;
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CTimeSpan

CString CTimeSpan::Format(LPCSTR pFormat) const
{
    if (pFormat == nullptr)
        AfxThrowInvalidArgException();
    CString result;
    for (const char* p = pFormat; *p != '\0'; ++p) {
        if (*p != '%' || p[1] == '\0') {
            result.AppendChar(*p);
            continue;
        }
        switch (*++p) {
        case '%':
            result.AppendChar('%');
            break;
        case 'D':
            result.AppendFormat("%I64d", GetDays());
            break;
        case 'H':
            result.AppendFormat("%02ld", GetHours());
            break;
        case 'M':
            result.AppendFormat("%02ld", GetMinutes());
            break;
        case 'S':
            result.AppendFormat("%02ld", GetSeconds());
            break;
        default:
            // Unknown codes are kept as written.
            result.AppendChar('%');
            result.AppendChar(*p);
            break;
        }
    }
    return result;
}

CString CTimeSpan::Format(UINT nFormatID) const { return Format(LoadFormat(nFormatID)); }

/////////////////////////////////////////////////////////////////////////////
// CTime

CTime WINAPI CTime::GetCurrentTime() noexcept { return CTime(_time64(nullptr)); }

BOOL WINAPI CTime::IsValidFILETIME(const FILETIME& ft) noexcept
{
    FILETIME local;
    SYSTEMTIME st;
    return FileTimeToLocalFileTime(&ft, &local) && FileTimeToSystemTime(&local, &st) && st.wYear >= 1900;
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
    : m_time(MakeLocal(nYear, nMonth, nDay, nHour, nMin, nSec, nDST))
{
}

CTime::CTime(WORD wDosDate, WORD wDosTime, int nDST)
    : m_time(MakeLocal((wDosDate >> 9) + 1980, (wDosDate >> 5) & 0xF, wDosDate & 0x1F, wDosTime >> 11,
                       (wDosTime >> 5) & 0x3F, (wDosTime & 0x1F) * 2, nDST))
{
}

CTime::CTime(const SYSTEMTIME& st, int nDST)
    : m_time(MakeLocal(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST))
{
}

CTime::CTime(const FILETIME& ft, int nDST) : m_time(0)
{
    FILETIME local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&ft, &local) || !FileTimeToSystemTime(&local, &st))
        AfxThrowInvalidArgException();
    m_time = MakeLocal(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST);
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    if (ptm == nullptr)
        return nullptr;
    struct tm* p = _gmtime64(&m_time);
    if (p == nullptr)
        return nullptr;
    *ptm = *p;
    return ptm;
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    if (ptm == nullptr)
        return nullptr;
    struct tm* p = _localtime64(&m_time);
    if (p == nullptr)
        return nullptr;
    *ptm = *p;
    return ptm;
}

bool CTime::GetAsSystemTime(SYSTEMTIME& st) const noexcept
{
    struct tm* p = _localtime64(&m_time);
    if (p == nullptr)
        return false;
    st.wYear = WORD(1900 + p->tm_year);
    st.wMonth = WORD(1 + p->tm_mon);
    st.wDayOfWeek = WORD(p->tm_wday);
    st.wDay = WORD(p->tm_mday);
    st.wHour = WORD(p->tm_hour);
    st.wMinute = WORD(p->tm_min);
    st.wSecond = WORD(p->tm_sec);
    st.wMilliseconds = 0;
    return true;
}

int CTime::GetYear() const { return LocalFields(m_time).tm_year + 1900; }
int CTime::GetMonth() const { return LocalFields(m_time).tm_mon + 1; }
int CTime::GetDay() const { return LocalFields(m_time).tm_mday; }
int CTime::GetHour() const { return LocalFields(m_time).tm_hour; }
int CTime::GetMinute() const { return LocalFields(m_time).tm_min; }
int CTime::GetSecond() const { return LocalFields(m_time).tm_sec; }
int CTime::GetDayOfWeek() const { return LocalFields(m_time).tm_wday + 1; }

CString CTime::Format(LPCSTR pFormat) const
{
    struct tm local;
    return FormatTm(pFormat, GetLocalTm(&local));
}

CString CTime::FormatGmt(LPCSTR pFormat) const
{
    struct tm gmt;
    return FormatTm(pFormat, GetGmtTm(&gmt));
}

CString CTime::Format(UINT nFormatID) const { return Format(LoadFormat(nFormatID)); }

CString CTime::FormatGmt(UINT nFormatID) const { return FormatGmt(LoadFormat(nFormatID)); }
