// The tool bar's push, toggle and separator buttons, and the two-part split button.
#include "ChartToolBar.h"
#include "SkinCache.h"

namespace
{
enum
{
    ELEMENT_ID = 20002,
};

// Asks for a leave notification so the tooltip goes when the pointer leaves.
void TrackLeave(CWnd* wnd)
{
    TRACKMOUSEEVENT track = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, wnd->GetSafeHwnd(), 0};
    ::TrackMouseEvent(&track);
}

void Edge(CDC* pDC, const CRect& rect, BOOL sunken)
{
    pDC->Draw3dRect(rect, ::GetSysColor(sunken ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT),
                    ::GetSysColor(sunken ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
}
} // namespace

void RequestElementTip(CWnd* element, CPoint point)
{
    TrackLeave(element);
    CWnd* bar = element->GetParent();
    if (!bar)
        return;
    CPoint screen = point;
    element->ClientToScreen(&screen);
    bar->SendMessage(WM_CHART_SHOW_TIP, (WPARAM)element->GetSafeHwnd(), MAKELPARAM(screen.x, screen.y));
}

void HideElementTip(CWnd* element)
{
    CWnd* bar = element->GetParent();
    if (bar)
        bar->SendMessage(WM_CHART_HIDE_TIP, (WPARAM)element->GetSafeHwnd(), 0);
}

BEGIN_MESSAGE_MAP(CChartButton, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CChartButton::CChartButton() : m_pSkins(nullptr), m_bHover(0), m_bPressed(0), m_bChecked(0) {}

BOOL CChartButton::Create(CWnd* bar, const TBBUTTONPROP& prop, CSkinCache* skins)
{
    m_Prop = prop;
    m_pSkins = skins;
    return CWnd::Create(NULL, "ChartButton", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                        CRect(100, 100, 300, 300), bar, ELEMENT_ID);
}

void CChartButton::SetCheck(int checked)
{
    m_bChecked = checked ? 1 : 0;
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CChartButton::TipAndHover(CPoint point)
{
    CRect client;
    GetClientRect(&client);
    const BOOL inside = client.PtInRect(point);
    if (inside && !m_bHover)
    {
        m_bHover = 1;
        SetCapture();
        Invalidate(FALSE);
    }
    else if (!inside && m_bHover)
    {
        m_bHover = 0;
        if (!m_bPressed && GetCapture() == this)
            ReleaseCapture();
        Invalidate(FALSE);
    }
    if (inside)
        RequestElementTip(this, point);
    else
        HideElementTip(this);
}

void CChartButton::OnMouseMove(UINT nFlags, CPoint point)
{
    (void)nFlags;
    if (m_Prop.nKind == TBKIND_SEPARATOR)
        return;
    TipAndHover(point);
}

void CChartButton::OnMouseLeave() { HideElementTip(this); }

void CChartButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    (void)point;
    if (m_Prop.nKind == TBKIND_SEPARATOR)
        return;
    m_bPressed = 1;
    SetCapture();
    Invalidate(FALSE);
}

void CChartButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    (void)nFlags;
    Release(point, m_Prop.nKind == TBKIND_TOGGLE);
}

void CChartButton::Release(CPoint point, BOOL toggles)
{
    if (!m_bPressed)
        return;
    m_bPressed = 0;
    CRect client;
    GetClientRect(&client);
    const BOOL inside = client.PtInRect(point);
    if (inside && toggles)
        m_bChecked = !m_bChecked;
    if (GetCapture() == this)
        ReleaseCapture();
    m_bHover = inside ? 1 : 0;
    Invalidate(FALSE);
    // The command goes to the bar's parent, the canvas, only when released over the button.
    CWnd* bar = GetParent();
    CWnd* canvas = bar ? bar->GetParent() : nullptr;
    if (inside && canvas)
        canvas->SendMessage(WM_COMMAND, MAKEWPARAM(m_Prop.nID, 0), (LPARAM)GetSafeHwnd());
}

BOOL CChartButton::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CChartButton::DrawImage(CDC* pDC, const CRect& area, int shift)
{
    HBITMAP bitmap = m_pSkins ? m_pSkins->GetBitmap(m_Prop.dwBitmapID) : NULL;
    const CSize size = SkinBitmapSize(bitmap); // an image that could not be loaded is left out
    const int x = area.left + (16 - size.cx) / 2 + shift;
    const int y = area.top + (16 - size.cy) / 2 + shift;
    DrawSkinBitmap(pDC, bitmap, CRect(x, y, x + size.cx, y + size.cy));
}

void CChartButton::Draw(CDC* pDC, const CRect& client)
{
    pDC->FillSolidRect(client, ::GetSysColor(COLOR_BTNFACE));
    if (m_Prop.nKind == TBKIND_SEPARATOR)
    {
        const int x = client.left + client.Width() / 2 - 1;
        pDC->FillSolidRect(x, client.top, 1, client.Height(), ::GetSysColor(COLOR_BTNSHADOW));
        pDC->FillSolidRect(x + 1, client.top, 1, client.Height(), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        return;
    }
    const BOOL sunken = m_bPressed || (m_Prop.nKind == TBKIND_TOGGLE && m_bChecked);
    DrawImage(pDC, client, sunken ? 1 : 0);
    if (sunken)
        Edge(pDC, client, TRUE);
    else if (m_bHover)
        Edge(pDC, client, FALSE);
}

void CChartButton::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    Draw(&dc, client);
}

BEGIN_MESSAGE_MAP(CChartMsButton, CChartButton)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CChartMsButton::CChartMsButton() : m_nMainWidth(16), m_bVertical(FALSE), m_nPressedPart(0) {}

BOOL CChartMsButton::Create(CWnd* bar, const TBBUTTONPROP& prop, CSkinCache* skins, int mainWidth, BOOL vertical)
{
    m_Prop = prop;
    m_pSkins = skins;
    m_nMainWidth = mainWidth;
    m_bVertical = vertical;
    return CWnd::Create(NULL, "ChartToolbar", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                        CRect(100, 100, 300, 300), bar, ELEMENT_ID);
}

CRect CChartMsButton::MainPart(const CRect& client) const
{
    CRect part = client;
    if (m_bVertical)
        part.bottom = part.top + m_nMainWidth;
    else
        part.right = part.left + m_nMainWidth;
    return part;
}

CRect CChartMsButton::DropPart(const CRect& client) const
{
    CRect part = client;
    if (m_bVertical)
        part.top += m_nMainWidth;
    else
        part.left += m_nMainWidth;
    return part;
}

void CChartMsButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    m_nPressedPart = (m_bVertical ? point.y : point.x) <= m_nMainWidth ? 1 : 2;
    m_bPressed = 1;
    SetCapture();
    Invalidate(FALSE);
}

void CChartMsButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    (void)nFlags;
    Release(point, m_Prop.nKind == TBKIND_SPLIT_TOGGLE && m_nPressedPart == 1);
}

void CChartMsButton::Draw(CDC* pDC, const CRect& client)
{
    pDC->FillSolidRect(client, RGB(0xD6, 0xD7, 0xDC)); // COLORREF 0xDCD7D6
    const CRect main = MainPart(client);
    const CRect drop = DropPart(client);
    if (m_bVertical)
    {
        pDC->FillSolidRect(client.left, drop.top - 1, client.Width(), 1, ::GetSysColor(COLOR_BTNSHADOW));
        pDC->FillSolidRect(client.left, drop.top, client.Width(), 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    }
    else
    {
        pDC->FillSolidRect(drop.left - 1, client.top, 1, client.Height(), ::GetSysColor(COLOR_BTNSHADOW));
        pDC->FillSolidRect(drop.left, client.top, 1, client.Height(), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    }
    const BOOL mainSunken = (m_bPressed && m_nPressedPart == 1) || (m_Prop.nKind == TBKIND_SPLIT_TOGGLE && m_bChecked);
    DrawImage(pDC, main, mainSunken ? 1 : 0);
    if (mainSunken)
        Edge(pDC, main, TRUE);
    else if (m_bHover)
        Edge(pDC, main, FALSE);
    if (m_bPressed && m_nPressedPart == 2)
        Edge(pDC, drop, TRUE);
    else if (m_bHover)
        Edge(pDC, drop, FALSE);
    // The drop mark: a small filled triangle about 2/9 of the part wide and 1/3 of it high.
    const int w = drop.Width() * 2 / 9;
    const int h = drop.Height() / 3;
    const CPoint centre = drop.CenterPoint();
    POINT corners[3] = {{centre.x - w / 2, centre.y - h / 2}, {centre.x + w / 2 + 1, centre.y - h / 2},
                        {centre.x, centre.y + h / 2 + 1}};
    HRGN mark = ::CreatePolygonRgn(corners, 3, WINDING);
    ::FillRgn(pDC->GetSafeHdc(), mark, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    ::DeleteObject(mark);
}

void CChartMsButton::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    Draw(&dc, client);
}
