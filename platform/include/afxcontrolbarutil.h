// CMemDC: double buffering for a paint. Drawing goes to a memory DC the size of the target
// area and reaches the target in one copy when the CMemDC ends. Not part of afxwin.h, as in
// the framework: include this header where it is used.
#pragma once

#include "afxwin.h"

class AFX_PLATFORM_API CMemDC
{
public:
    // FALSE: every CMemDC draws straight onto its target (to look at a paint step by step).
    static BOOL m_bUseMemoryDC;

    // The window's client area of dc.
    CMemDC(CDC& dc, CWnd* pWnd);
    // rect, in dc's logical coordinates; the memory DC uses the same coordinates.
    CMemDC(CDC& dc, const CRect& rect);
    virtual ~CMemDC();

    // Where to draw: the memory DC, or the target itself when no memory DC could be made.
    CDC& GetDC() { return m_bMemDC ? m_dcMem : m_dc; }
    BOOL IsMemDC() const { return m_bMemDC; }
    BOOL IsVistaDC() const { return FALSE; }

protected:
    CDC& m_dc;
    BOOL m_bMemDC;
    CDC m_dcMem;
    CBitmap m_bmp;
    HGDIOBJ m_hOldBmp;
    CRect m_rect;

private:
    void Init();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;
};
