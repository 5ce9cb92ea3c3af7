// CDumpContext: diagnostic output to the debugger (or to a file when one is given).
#include "afx.h"

#include <stdio.h>

CDumpContext afxDump;

CDumpContext::CDumpContext(CFile* pFile) : m_nDepth(0), m_pFile(pFile) {}

CDumpContext& CDumpContext::operator<<(LPCSTR lpsz)
{
    if (lpsz == nullptr)
        lpsz = "(NULL)";
    if (m_pFile != nullptr)
        m_pFile->Write(lpsz, UINT(strlen(lpsz)));
    else
        OutputDebugStringA(lpsz);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const void* lp)
{
    char buf[16];
    sprintf(buf, "$%lX", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(lp)));
    return *this << buf;
}

CDumpContext& CDumpContext::operator<<(const CObject* pOb)
{
    if (pOb == nullptr)
        return *this << "NULL";
    pOb->Dump(*this);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject& ob) { return *this << &ob; }

namespace {
template <typename... Args>
CString Text(const char* fmt, Args... args)
{
    CString s;
    s.Format(fmt, args...);
    return s;
}
} // namespace

CDumpContext& CDumpContext::operator<<(BYTE by) { return *this << Text("%d", int(by)).GetString(); }
CDumpContext& CDumpContext::operator<<(WORD w) { return *this << Text("%u", unsigned(w)).GetString(); }
CDumpContext& CDumpContext::operator<<(UINT u) { return *this << Text("%u", u).GetString(); }
CDumpContext& CDumpContext::operator<<(LONG l) { return *this << Text("%ld", l).GetString(); }
CDumpContext& CDumpContext::operator<<(DWORD dw) { return *this << Text("%lu", dw).GetString(); }
CDumpContext& CDumpContext::operator<<(int n) { return *this << Text("%d", n).GetString(); }
CDumpContext& CDumpContext::operator<<(double d) { return *this << Text("%f", d).GetString(); }
CDumpContext& CDumpContext::operator<<(float f) { return *this << Text("%f", double(f)).GetString(); }
CDumpContext& CDumpContext::operator<<(LONGLONG n) { return *this << Text("%I64d", n).GetString(); }
CDumpContext& CDumpContext::operator<<(ULONGLONG n) { return *this << Text("%I64u", n).GetString(); }

void CDumpContext::HexDump(LPCSTR lpszLine, BYTE* pby, int nBytes, int nWidth)
{
    for (int i = 0; i < nBytes; i += nWidth) {
        CString line(lpszLine);
        for (int j = i; j < i + nWidth && j < nBytes; ++j)
            line.AppendFormat(" %02X", pby[j]);
        line += "\n";
        *this << line.GetString();
    }
}

void CDumpContext::Flush()
{
    if (m_pFile != nullptr)
        m_pFile->Flush();
}
