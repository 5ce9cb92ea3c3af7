// Two small windows on the base window: CPanel, the container of layout views whose static
// children draw transparently on its colour, and CCandleCtrl, one price candle.
#pragma once

#include <afxwin.h>

#include "BaseWnd.h"
#include "WidgetKitApi.h"

class WIDGETKIT_API CPanel : public CBaseWnd
{
    DECLARE_DYNAMIC(CPanel)
public:
    CPanel();
    virtual ~CPanel();

    // The base window with WS_CLIPSIBLINGS | WS_CLIPCHILDREN added.
    BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);
    HBRUSH GetPanelBrush() const { return static_cast<HBRUSH>(m_brPanel.GetSafeHandle()); }

protected:
    COLORREF m_clrPanel;
    CBrush m_brPanel;

    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};

class WIDGETKIT_API CCandleCtrl : public CBaseWnd
{
    DECLARE_DYNAMIC(CCandleCtrl)
public:
    CCandleCtrl();
    virtual ~CCandleCtrl();

    void SetPrice(int open, int close, int low, int high);
    void GetPrice(int& open, int& close, int& low, int& high) const;
    // Draws the candle as its paint does, into dc (client coordinates).
    void Paint(CDC* dc);

protected:
    int m_nMargin;
    int m_nOpen;
    int m_nClose;
    int m_nLow;
    int m_nHigh;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
