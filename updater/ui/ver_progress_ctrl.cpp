#include "ver_progress_ctrl.h"

#include <stdlib.h>
#include <algorithm>

#include "mem_dc.h"

BEGIN_MESSAGE_MAP(CVerProgressCtrl, CProgressCtrl)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CVerProgressCtrl::CVerProgressCtrl()
    : m_crText(RGB(255, 255, 255)), m_crBk(::GetSysColor(COLOR_BTNFACE)), m_crStart(RGB(255, 0, 0)),
      m_crEnd(RGB(0, 0, 255)), m_bShowPercent(FALSE), m_nLower(0), m_nUpper(100), m_nStep(10), m_nPos(0)
{
}

void CVerProgressCtrl::SetGradientColors(COLORREF crStart, COLORREF crEnd)
{
    m_crStart = crStart;
    m_crEnd = crEnd;
}

void CVerProgressCtrl::SetBounds(int nLower, int nUpper)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
    m_nPos = nLower;
    if (GetSafeHwnd())
    {
        SetRange32(nLower, nUpper);
        SetPos(nLower);
    }
}

void CVerProgressCtrl::SetPosition(int nPos)
{
    m_nPos = nPos;
    if (GetSafeHwnd())
    {
        SetPos(nPos);
        Invalidate(FALSE);
    }
}

void CVerProgressCtrl::SetStepSize(int nStep)
{
    m_nStep = nStep;
    if (GetSafeHwnd())
        SetStep(nStep);
}

BOOL CVerProgressCtrl::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CVerProgressCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CMemDC memDC(&dc);
    DrawBar(&memDC, rcClient);
}

void CVerProgressCtrl::DrawBar(CDC* pDC, const CRect& rcClient)
{
    if (m_nPos <= m_nLower || m_nPos >= m_nUpper)
    {
        pDC->FillSolidRect(&rcClient, ::GetSysColor(COLOR_BTNFACE));
        return;
    }
    const int nWidth = rcClient.Width();
    const int nFilled = (int)((double)m_nPos / m_nUpper * nWidth);
    const int dr = GetRValue(m_crEnd) - GetRValue(m_crStart);
    const int dg = GetGValue(m_crEnd) - GetGValue(m_crStart);
    const int db = GetBValue(m_crEnd) - GetBValue(m_crStart);
    // One band per step of the largest colour difference; equal colours make one band.
    int nBands = std::max(std::max(abs(dr), abs(dg)), abs(db));
    if (nBands < 1)
        nBands = 1;
    const double bandWidth = (double)nWidth / nBands;
    int nRight = rcClient.left;
    for (int i = 0; i < nBands; ++i)
    {
        int nLeft = rcClient.left + (int)(i * bandWidth);
        nRight = rcClient.left + (int)((i + 1) * bandWidth);
        COLORREF cr = RGB(GetRValue(m_crStart) + i * dr / nBands, GetGValue(m_crStart) + i * dg / nBands,
                          GetBValue(m_crStart) + i * db / nBands);
        if (nRight - rcClient.left > nFilled)
        {
            pDC->FillSolidRect(nLeft, rcClient.top, rcClient.left + nFilled - nLeft, rcClient.Height(), cr);
            nRight = rcClient.left + nFilled;
            break;
        }
        pDC->FillSolidRect(nLeft, rcClient.top, nRight - nLeft, rcClient.Height(), cr);
    }
    if (nRight < rcClient.right)
        pDC->FillSolidRect(nRight, rcClient.top, rcClient.right - nRight, rcClient.Height(), m_crBk);

    if (m_bShowPercent)
    {
        CString strPercent;
        strPercent.Format("%.0f%%", m_nPos * 100.0 / m_nUpper);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(m_crText);
        CRect rcText = rcClient;
        pDC->DrawText(strPercent, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}
