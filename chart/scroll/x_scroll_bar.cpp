// The chart tool bar's scroll bar: thumb arithmetic, mouse and skinned paint.
#include "XScrollBar.h"

#include <afxcontrolbarutil.h>

#include <cmath>

#include "SkinCache.h"

namespace
{
enum
{
    TIMER_REPEAT = 1,
    TIMER_DELAY = 2,
    TIMER_HOVER = 3,
    SCROLLBAR_ID = 20004,
};

int RoundHalfAway(double value) { return int(value < 0 ? std::ceil(value - 0.5) : std::floor(value + 0.5)); }
} // namespace

void XScrollGeometry::SizeThumb()
{
    const int track = Track();
    const int range = Range();
    if (track <= 0)
        thumbLength = 0;
    else if (range <= 0)
        thumbLength = track; // nothing to scroll: the thumb fills the track
    else
        thumbLength = int(double(page) * track / range);
    if (thumbLength < 0)
        thumbLength = 0;
}

void XScrollGeometry::HoldThumb()
{
    if (thumbLeft + thumbLength > width - arrow)
    {
        thumbLeft = width - thumbLength - arrow;
        position = maximum - page;
    }
    if (thumbLeft < arrow)
    {
        thumbLeft = arrow;
        position = minimum;
    }
}

void XScrollGeometry::PlaceThumb()
{
    const int track = Track();
    const int range = Range();
    if (track <= 0 || range <= 0)
    {
        thumbLeft = arrow;
        if (range <= 0)
            position = minimum;
        return;
    }
    thumbLeft = arrow + RoundHalfAway(double(position) * track / range);
    HoldThumb();
}

void XScrollGeometry::PositionFromThumb()
{
    const int track = Track();
    const int range = Range();
    HoldThumb();
    if (track <= 0 || range <= 0)
    {
        position = range <= 0 ? minimum : position;
        return;
    }
    position = int(double(thumbLeft - arrow) * range / track + 0.5);
    if (position < 0)
        position = 0;
    if (position > range)
        position = range;
}

int XScrollGeometry::PagePixels() const
{
    const int range = Range();
    const int track = Track();
    return range <= 0 || track <= 0 ? 0 : int(double(page) * track / range);
}

BEGIN_MESSAGE_MAP(CXScrollBar, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CXScrollBar::CXScrollBar()
    : m_hCursor(NULL), m_bOwnCursor(0), m_bHover(0), m_nAnchorX(0), m_bLeftPressed(0), m_bRightPressed(0),
      m_bThumbPressed(0), m_bDragging(0), m_dwLeft(0), m_dwRight(0), m_dwChannel(0), m_dwThumb(0), m_pSkins(nullptr)
{
    m_Info.cbSize = sizeof(SCROLLINFO);
    m_Info.fMask = SIF_ALL;
    m_Info.nMin = 0;
    m_Info.nMax = 100;
    m_Info.nPage = 10;
    m_Info.nPos = 0;
    m_Info.nTrackPos = 0;
}

CXScrollBar::~CXScrollBar()
{
    if (m_hCursor)
        ::DestroyCursor(m_hCursor);
}

BOOL CXScrollBar::Create(CWnd* bar, const TBBUTTONPROP& prop, CSkinCache* skins)
{
    m_Prop = prop;
    m_pSkins = skins;
    if (skins)
    {
        m_dwLeft = skins->GetID(SKIN_SCROLL_LEFT);
        m_dwRight = skins->GetID(SKIN_SCROLL_RIGHT);
        m_dwChannel = skins->GetID(SKIN_SCROLL_CHANNEL);
        m_dwThumb = skins->GetID(SKIN_SCROLL_THUMB);
    }
    return CWnd::Create(NULL, "ChartSliderBar", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                        CRect(100, 100, 300, 300), bar, SCROLLBAR_ID);
}

void CXScrollBar::SetScrollRange(int minimum, int maximum, int page, BOOL redraw)
{
    const XScrollGeometry before = m_Geo;
    m_Geo.minimum = minimum;
    m_Geo.maximum = maximum;
    m_Geo.page = page;
    m_Geo.SizeThumb();
    m_Geo.PlaceThumb();
    if (redraw)
        InvalidateIfMoved(before);
}

void CXScrollBar::SetScrollPos(int position, BOOL redraw)
{
    const XScrollGeometry before = m_Geo;
    m_Geo.position = position;
    m_Geo.PlaceThumb();
    if (redraw)
        InvalidateIfMoved(before);
}

// A live chart sets the range and position on every new bar, and most new bars leave the thumb
// on the same pixels (all do while the whole series is shown): painting the bar again then only
// adds to the chart's repaint.
void CXScrollBar::InvalidateIfMoved(const XScrollGeometry& before)
{
    if (GetSafeHwnd() && (m_Geo.thumbLeft != before.thumbLeft || m_Geo.thumbLength != before.thumbLength))
        Invalidate(FALSE);
}

void CXScrollBar::GetScrollInfo(SCROLLINFO* info) const
{
    if (!info)
        return;
    info->fMask = m_Info.fMask;
    info->nMin = m_Info.nMin;
    info->nMax = m_Info.nMax;
    info->nPage = m_Info.nPage;
    info->nPos = m_Info.nPos;
    info->nTrackPos = m_Info.nTrackPos;
}

void CXScrollBar::SetEmntRect(const CRect& rect)
{
    CBaseEmnt::SetEmntRect(rect);
    m_Geo.width = rect.Width();
    m_Geo.SizeThumb();
    m_Geo.PlaceThumb();
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

CRect CXScrollBar::ThumbRect() const
{
    CRect client;
    GetClientRect(&client);
    return CRect(m_Geo.thumbLeft, 0, m_Geo.thumbLeft + m_Geo.thumbLength, client.bottom);
}

CRect CXScrollBar::LeftArrowRect() const
{
    CRect client;
    GetClientRect(&client);
    return CRect(0, 0, m_Geo.arrow, client.bottom);
}

CRect CXScrollBar::RightArrowRect() const
{
    CRect client;
    GetClientRect(&client);
    return CRect(client.right - m_Geo.arrow, 0, client.right, client.bottom);
}

void CXScrollBar::Notify(int code, int position)
{
    CWnd* bar = GetParent();
    if (bar)
        bar->SendMessage(WM_CHART_SCROLL_ACTION, MAKEWPARAM(WORD(position), WORD(code)), (LPARAM)this);
}

void CXScrollBar::Step(int direction)
{
    int position = m_Geo.position + direction;
    if (position < 0)
        position = 0;
    if (position > m_Geo.Range())
        position = m_Geo.Range();
    m_Geo.position = position;
    m_Geo.PlaceThumb();
    Invalidate(FALSE);
    Notify(direction < 0 ? XSB_STEP_LEFT : XSB_STEP_RIGHT, m_Geo.position);
}

void CXScrollBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    SetCapture();
    if (ThumbRect().PtInRect(point))
    {
        m_nAnchorX = point.x;
        m_bThumbPressed = 1;
    }
    else if (RightArrowRect().PtInRect(point))
    {
        m_bRightPressed = 1;
        SetTimer(TIMER_DELAY, 150, NULL);
    }
    else if (LeftArrowRect().PtInRect(point))
    {
        m_bLeftPressed = 1;
        SetTimer(TIMER_DELAY, 150, NULL);
    }
    else
    {
        const int pagePixels = m_Geo.PagePixels();
        m_Geo.thumbLeft += point.x < m_Geo.thumbLeft ? -pagePixels : pagePixels;
        m_Geo.PositionFromThumb();
        Invalidate(FALSE);
        Notify(XSB_MOVED, m_Geo.position);
    }
}

void CXScrollBar::OnMouseMove(UINT nFlags, CPoint point)
{
    (void)nFlags;
    RequestElementTip(this, point);
    const int hover = ThumbRect().PtInRect(point) ? 1 : 0;
    if (m_bThumbPressed)
        m_bDragging = 1;
    if (m_bDragging)
    {
        const int before = m_Geo.thumbLeft + (point.x - m_nAnchorX);
        m_Geo.thumbLeft = before;
        m_Geo.PositionFromThumb();
        if (m_Geo.thumbLeft == before)
            m_nAnchorX = point.x; // the anchor follows only while the thumb stays inside
        Notify(XSB_MOVED, m_Geo.position - m_Geo.minimum);
        Invalidate(FALSE);
    }
    if (hover != m_bHover)
    {
        m_bHover = hover;
        Invalidate(FALSE);
        SetTimer(TIMER_HOVER, 50, NULL);
    }
}

void CXScrollBar::OnMouseLeave() { HideElementTip(this); }

void CXScrollBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    (void)nFlags;
    m_Geo.PlaceThumb();
    KillTimer(TIMER_REPEAT);
    KillTimer(TIMER_DELAY);
    if (GetCapture() == this)
        ReleaseCapture();
    if (!m_bDragging)
    {
        if (m_bLeftPressed && LeftArrowRect().PtInRect(point))
            Step(-1);
        else if (m_bRightPressed && RightArrowRect().PtInRect(point))
            Step(1);
        else if (ThumbRect().PtInRect(point))
            SetTimer(TIMER_HOVER, 50, NULL);
    }
    m_bLeftPressed = m_bRightPressed = m_bThumbPressed = m_bDragging = 0;
    Invalidate(FALSE);
}

void CXScrollBar::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case TIMER_DELAY:
        KillTimer(TIMER_DELAY);
        if (m_bLeftPressed || m_bRightPressed)
            SetTimer(TIMER_REPEAT, 100, NULL);
        break;
    case TIMER_REPEAT:
        if (m_bLeftPressed)
            Step(-1);
        if (m_bRightPressed)
            Step(1);
        break;
    case TIMER_HOVER:
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        if (!ThumbRect().PtInRect(point))
        {
            m_bHover = 0;
            KillTimer(TIMER_HOVER);
            ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
            Invalidate(FALSE);
        }
        break;
    }
    default:
        CWnd::OnTimer(nIDEvent);
    }
}

BOOL CXScrollBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    (void)pWnd;
    (void)nHitTest;
    (void)message;
    ::SetCursor(m_bOwnCursor && m_bHover && m_hCursor ? m_hCursor : ::LoadCursor(NULL, IDC_ARROW));
    return TRUE;
}

BOOL CXScrollBar::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CXScrollBar::DrawSkin(CDC* pDC, DWORD id, const CRect& rect)
{
    DrawSkinBitmap(pDC, m_pSkins ? m_pSkins->GetBitmap(id) : NULL, rect);
}

void CXScrollBar::OnPaint()
{
    CPaintDC dc(this);
    CMemDC memory(dc, this);
    CDC& target = memory.GetDC();
    CRect client;
    GetClientRect(&client);
    target.FillSolidRect(client, RGB(220, 223, 230));
    DrawSkin(&target, m_dwLeft, LeftArrowRect());
    DrawSkin(&target, m_dwRight, RightArrowRect());
    DrawSkin(&target, m_dwChannel, CRect(m_Geo.arrow, 0, client.right - m_Geo.arrow, client.bottom));
    DrawSkin(&target, m_dwThumb, ThumbRect());
}
