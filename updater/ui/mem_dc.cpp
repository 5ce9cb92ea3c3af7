#include "mem_dc.h"

CMemDC::CMemDC(CDC* pDC) : m_pOldBitmap(NULL), m_pDC(pDC), m_bMemDC(!pDC->IsPrinting())
{
    pDC->GetClipBox(&m_rect);
    if (m_bMemDC)
    {
        CreateCompatibleDC(pDC);
        m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
        m_pOldBitmap = SelectObject(&m_bitmap);
        SetWindowOrg(m_rect.left, m_rect.top);
    }
    else
    {
        m_bPrinting = pDC->m_bPrinting;
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
    }
}

CMemDC::~CMemDC()
{
    if (m_bMemDC)
    {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top,
                      SRCCOPY);
        SelectObject(m_pOldBitmap);
    }
    else
    {
        m_hDC = m_hAttribDC = NULL;
    }
}
