// CString to UTF-16 BSTR, for COM interfaces.
#include "afx.h"

namespace {

int WideLength(const CString& s)
{
    if (s.IsEmpty())
        return 0;
    return MultiByteToWideChar(CP_ACP, 0, s.GetString(), s.GetLength(), nullptr, 0);
}

} // namespace

BSTR CString::AllocSysString() const
{
    int n = WideLength(*this);
    BSTR bstr = SysAllocStringLen(nullptr, UINT(n));
    if (bstr == nullptr)
        AfxThrowMemoryException();
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, GetString(), GetLength(), bstr, n);
    return bstr;
}

BSTR CString::SetSysString(BSTR* pbstr) const
{
    if (pbstr == nullptr)
        AfxThrowInvalidArgException();
    int n = WideLength(*this);
    if (!SysReAllocStringLen(pbstr, nullptr, UINT(n)))
        AfxThrowMemoryException();
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, GetString(), GetLength(), *pbstr, n);
    return *pbstr;
}
