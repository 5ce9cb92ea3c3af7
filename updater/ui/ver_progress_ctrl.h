// The updater's progress bar: a gradient between two colours up to the position, the rest in
// the background colour; the system's button face while the position is at either bound.
#pragma once

#include <afxcmn.h>

class CVerProgressCtrl : public CProgressCtrl
{
public:
    CVerProgressCtrl();

    void SetGradientColors(COLORREF crStart, COLORREF crEnd);
    void SetBkColour(COLORREF cr) { m_crBk = cr; }
    void SetTextColour(COLORREF cr) { m_crText = cr; }
    void SetShowPercent(BOOL bShow) { m_bShowPercent = bShow; }
    // Bounds and position: kept here and handed on to the control.
    void SetBounds(int nLower, int nUpper);
    void SetPosition(int nPos);
    void SetStepSize(int nStep);
    int GetPosition() const { return m_nPos; }
    int GetUpper() const { return m_nUpper; }

    // Paints the bar over rcClient of pDC (the paint handler's work, callable on any DC).
    void DrawBar(CDC* pDC, const CRect& rcClient);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_crText;
    COLORREF m_crBk;
    COLORREF m_crStart;
    COLORREF m_crEnd;
    BOOL m_bShowPercent;
    int m_nLower;
    int m_nUpper;
    int m_nStep;
    int m_nPos;
};
