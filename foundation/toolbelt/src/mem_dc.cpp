// Double-buffer device contexts.
#include "MemDC.h"

CMDC::CMDC(CDC* pDC, const CRect* rect) : m_oldBitmap(NULL), m_pDC(pDC), m_bMemDC(!pDC->IsPrinting())
{
    if (rect == NULL)
        pDC->GetClipBox(&m_rect);
    else
        m_rect = *rect;

    if (m_bMemDC) {
        CreateCompatibleDC(pDC);
        pDC->LPtoDP(&m_rect);
        m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
        m_oldBitmap = SelectObject(&m_bitmap);
        SetMapMode(pDC->GetMapMode());
        if (pDC->GetMapMode() == MM_ANISOTROPIC || pDC->GetMapMode() == MM_ISOTROPIC) {
            SetWindowExt(pDC->GetWindowExt());
            SetViewportExt(pDC->GetViewportExt());
        }
        pDC->DPtoLP(&m_rect);
        SetWindowOrg(m_rect.left, m_rect.top);
    } else {
        m_bPrinting = pDC->m_bPrinting;
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
    }
}

CMDC::~CMDC()
{
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top,
                      SRCCOPY);
        SelectObject(m_oldBitmap);
    } else {
        // The handles belong to the target.
        m_hDC = m_hAttribDC = NULL;
    }
}

CBufferDC::CBufferDC(HDC hDestDC, const CRect& rcPaint) : m_hDestDC(hDestDC), m_rect(rcPaint), m_hOldBitmap(NULL)
{
    if (m_rect.IsRectEmpty())
        ::GetClipBox(hDestDC, &m_rect);
    Attach(::CreateCompatibleDC(hDestDC));
    m_bitmap.Attach(::CreateCompatibleBitmap(hDestDC, m_rect.right, m_rect.bottom));
    m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap);
    if (m_rect.top > 0)
        ExcludeClipRect(0, 0, m_rect.right, m_rect.top);
    if (m_rect.left > 0)
        ExcludeClipRect(0, m_rect.top, m_rect.left, m_rect.bottom);
}

CBufferDC::~CBufferDC()
{
    ::BitBlt(m_hDestDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left, m_rect.top,
             SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
}
