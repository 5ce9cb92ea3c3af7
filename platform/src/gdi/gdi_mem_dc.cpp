// CMemDC: a memory DC over a target area, copied to the target at the end.
#include "afxcontrolbarutil.h"

BOOL CMemDC::m_bUseMemoryDC = TRUE;

CMemDC::CMemDC(CDC& dc, CWnd* pWnd) : m_dc(dc), m_bMemDC(FALSE), m_hOldBmp(NULL)
{
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
        pWnd->GetClientRect(&m_rect);
    else
        dc.GetClipBox(&m_rect);
    Init();
}

CMemDC::CMemDC(CDC& dc, const CRect& rect) : m_dc(dc), m_bMemDC(FALSE), m_hOldBmp(NULL), m_rect(rect)
{
    Init();
}

void CMemDC::Init()
{
    if (!m_bUseMemoryDC || m_rect.IsRectEmpty() || m_dc.IsPrinting())
        return;
    if (!m_dcMem.CreateCompatibleDC(&m_dc))
        return;
    if (!m_bmp.CreateCompatibleBitmap(&m_dc, m_rect.Width(), m_rect.Height())) {
        m_dcMem.DeleteDC();
        return;
    }
    m_hOldBmp = ::SelectObject(m_dcMem.m_hDC, m_bmp.m_hObject);
    // The bitmap's top left is the area's top left: drawing code keeps the target's coordinates.
    m_dcMem.SetWindowOrg(m_rect.left, m_rect.top);
    m_bMemDC = TRUE;
}

CMemDC::~CMemDC()
{
    if (!m_bMemDC)
        return;
    m_dc.BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), &m_dcMem, m_rect.left, m_rect.top,
                SRCCOPY);
    ::SelectObject(m_dcMem.m_hDC, m_hOldBmp);
}
