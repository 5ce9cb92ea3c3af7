// Applying an attribute change to both handles of a CDC: the output DC first (when it is a
// separate handle), then the attribute DC, whose previous value is the result.
#pragma once

#include "afxgdi_.h"

namespace afx_gdi {

template <class R, class Fn, class... Args>
R SetOnBoth(CDC& dc, R failed, Fn fn, Args... args)
{
    R result = failed;
    if (dc.m_hDC != NULL && dc.m_hDC != dc.m_hAttribDC)
        result = fn(dc.m_hDC, args...);
    if (dc.m_hAttribDC != NULL)
        result = fn(dc.m_hAttribDC, args...);
    return result;
}

// For the ...Ex functions that report the previous value through a last POINT* or SIZE*.
template <class Out, class Fn, class... Args>
Out SetOutOnBoth(CDC& dc, Fn fn, Args... args)
{
    Out previous;
    if (dc.m_hDC != NULL && dc.m_hDC != dc.m_hAttribDC)
        fn(dc.m_hDC, args..., &previous);
    if (dc.m_hAttribDC != NULL)
        fn(dc.m_hAttribDC, args..., &previous);
    return previous;
}

// For operations that return an int status and take no out-parameter (clipping, for example).
template <class Fn, class... Args>
int ApplyOnBoth(CDC& dc, Fn fn, Args... args)
{
    return SetOnBoth(dc, (int)ERROR, fn, args...);
}

} // namespace afx_gdi
