// CPanel (static children on the panel's colour) and CCandleCtrl (one candle).
#include "Panel.h"

#include "ColorMap.h"
#include "MemDC.h"
#include "WidgetRules.h"

IMPLEMENT_DYNAMIC(CPanel, CBaseWnd)
IMPLEMENT_DYNAMIC(CCandleCtrl, CBaseWnd)

BEGIN_MESSAGE_MAP(CPanel, CBaseWnd)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CCandleCtrl, CBaseWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CPanel::CPanel() : m_clrPanel(CColorMap::GetColor(CLR_VIEW_BACKGROUND))
{
    m_clrBackground = m_clrPanel;
    m_brPanel.CreateSolidBrush(m_clrPanel);
}

CPanel::~CPanel() {}

BOOL CPanel::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    return CBaseWnd::Create(style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect, parent, id);
}

HBRUSH CPanel::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(m_brPanel.GetSafeHandle());
    }
    return CBaseWnd::OnCtlColor(pDC, pWnd, nCtlColor);
}

CCandleCtrl::CCandleCtrl() : m_nMargin(3), m_nOpen(0), m_nClose(0), m_nLow(0), m_nHigh(0)
{
    m_clrBackground = ::GetSysColor(COLOR_WINDOW);
}

CCandleCtrl::~CCandleCtrl() {}

void CCandleCtrl::SetPrice(int open, int close, int low, int high)
{
    m_nOpen = open;
    m_nClose = close;
    m_nLow = low;
    m_nHigh = high;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CCandleCtrl::GetPrice(int& open, int& close, int& low, int& high) const
{
    open = m_nOpen;
    close = m_nClose;
    low = m_nLow;
    high = m_nHigh;
}

void CCandleCtrl::Paint(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, ::GetSysColor(COLOR_WINDOW));
    const CandleShape shape = CandleGeometry(client, m_nMargin, m_nOpen, m_nClose, m_nLow, m_nHigh);
    if (!shape.bDraw)
        return;
    const COLORREF colour = CColorMap::GetColor(shape.nColor);
    dc->FillSolidRect(&shape.rcBody, colour);
    CPen pen(PS_SOLID, 1, colour);
    CPen* old = dc->SelectObject(&pen);
    dc->MoveTo(shape.nWickX, shape.nWickTop);
    dc->LineTo(shape.nWickX, shape.nWickBottom);
    dc->SelectObject(old);
}

void CCandleCtrl::OnPaint()
{
    CPaintDC paint(this);
    CMDC buffer(&paint);
    Paint(&buffer);
}

BOOL CCandleCtrl::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}
