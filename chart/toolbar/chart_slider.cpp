// The tool bar's zoom slider: a block on a track, 0 to 100. The block stands further left the
// higher the position (a press left of the block raises it), so the block always moves toward
// the pointer.
#include <afxcontrolbarutil.h>

#include "ChartToolBar.h"
#include "SkinCache.h"

namespace
{
enum
{
    SLIDER_ID = 20004,
    TIMER_DELAY = 1,
    TIMER_REPEAT = 2,
    TRACK_LEFT_INSET = 8,
    TRACK_RIGHT_INSET = 14,
};
} // namespace

BEGIN_MESSAGE_MAP(CChartSliderBar, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CChartSliderBar::CChartSliderBar()
    : m_nMin(0), m_nMax(100), m_nPos(0), m_nHit(SLIDER_HIT_NONE), m_nDelayTimer(-1), m_nRepeatTimer(-1),
      m_nDragOffset(0), m_dwBody(0), m_dwBlock(0), m_pSkins(nullptr)
{
}

CChartSliderBar::~CChartSliderBar() {}

BOOL CChartSliderBar::Create(CWnd* bar, const TBBUTTONPROP& prop, CSkinCache* skins)
{
    m_Prop = prop;
    m_pSkins = skins;
    if (skins)
    {
        m_dwBody = skins->GetID(SKIN_SLIDE_BODY);
        m_dwBlock = skins->GetID(SKIN_SLIDE_BLOCK);
    }
    return CWnd::Create(NULL, "ChartSliderBar", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                        CRect(100, 100, 400, 300), bar, SLIDER_ID);
}

void CChartSliderBar::SetEmntRect(const CRect& rect)
{
    CBaseEmnt::SetEmntRect(rect);
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CChartSliderBar::SetRange(int minimum, int maximum)
{
    m_nMin = minimum;
    m_nMax = maximum;
}

void CChartSliderBar::SetPos(int position)
{
    const int held = position < m_nMin ? m_nMin : (position > m_nMax ? m_nMax : position);
    // The chart sets the position again on every new bar, mostly to the same value.
    if (held == m_nPos)
        return;
    m_nPos = held;
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

CSize CChartSliderBar::BlockSize() const
{
    const CSize size = SkinBitmapSize(m_pSkins ? m_pSkins->GetBitmap(m_dwBlock) : NULL);
    return size.cx > 0 ? size : CSize(9, 12);
}

CRect CChartSliderBar::GetTrackRect() const
{
    const int width = m_rcEmnt.Width();
    const int height = m_rcEmnt.Height();
    const int middle = height / 2;
    return CRect(TRACK_LEFT_INSET, middle - 2, width - TRACK_RIGHT_INSET, middle + 2);
}

CRect CChartSliderBar::GetBlockRect() const
{
    const CRect track = GetTrackRect();
    const CSize block = BlockSize();
    const int range = m_nMax - m_nMin;
    const int span = track.Width() > 0 ? track.Width() : 0;
    const int offset = range > 0 ? int(double(m_nPos - m_nMin) * span / range) : 0;
    const int centre = track.right - offset;
    const int top = (m_rcEmnt.Height() - block.cy) / 2 + 2; // two pixels lower
    return CRect(centre - block.cx / 2, top, centre - block.cx / 2 + block.cx, top + block.cy);
}

int CChartSliderBar::PositionAt(int x) const
{
    const CRect track = GetTrackRect();
    if (track.Width() <= 0 || m_nMax <= m_nMin)
        return m_nMin;
    int position = m_nMin + int(double(track.right - x) * (m_nMax - m_nMin) / track.Width() + 0.5);
    return position < m_nMin ? m_nMin : (position > m_nMax ? m_nMax : position);
}

int CChartSliderBar::HitCode(CPoint point) const
{
    const CRect block = GetBlockRect();
    if (point.x >= block.left && point.x < block.right)
        return SLIDER_HIT_BLOCK;
    if (point.y < 0 || point.y >= m_rcEmnt.Height() || point.x < 0 || point.x >= m_rcEmnt.Width())
        return SLIDER_HIT_NONE;
    return point.x < block.left ? SLIDER_HIT_LEFT : SLIDER_HIT_RIGHT;
}

void CChartSliderBar::Notify(int code)
{
    CWnd* bar = GetParent();
    if (bar)
        bar->SendMessage(WM_CHART_SLIDER_ACTION, MAKEWPARAM(WORD(m_nPos), WORD(code)), (LPARAM)this);
}

void CChartSliderBar::Act()
{
    int step = (m_nMax - m_nMin) / 10;
    if (step < 1)
        step = 1;
    if (m_nHit == SLIDER_HIT_LEFT)
    {
        m_nPos = m_nPos + step > m_nMax ? m_nMax : m_nPos + step;
        Invalidate(FALSE);
        Notify(SLIDER_UP);
    }
    else if (m_nHit == SLIDER_HIT_RIGHT)
    {
        m_nPos = m_nPos - step < m_nMin ? m_nMin : m_nPos - step;
        Invalidate(FALSE);
        Notify(SLIDER_DOWN);
    }
}

void CChartSliderBar::StopTimers()
{
    if (m_nDelayTimer != -1)
        KillTimer(TIMER_DELAY);
    if (m_nRepeatTimer != -1)
        KillTimer(TIMER_REPEAT);
    m_nDelayTimer = m_nRepeatTimer = -1;
}

void CChartSliderBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    SetCapture();
    m_nHit = HitCode(point);
    if (m_nHit == SLIDER_HIT_BLOCK)
    {
        m_nDragOffset = point.x - GetBlockRect().CenterPoint().x;
        return;
    }
    Act();
    m_nDelayTimer = int(SetTimer(TIMER_DELAY, 500, NULL) ? TIMER_DELAY : -1);
}

void CChartSliderBar::OnMouseMove(UINT nFlags, CPoint point)
{
    (void)nFlags;
    RequestElementTip(this, point);
    if (m_nHit != SLIDER_HIT_BLOCK || GetCapture() != this)
        return;
    const int position = PositionAt(point.x - m_nDragOffset);
    if (position != m_nPos)
    {
        m_nPos = position;
        Invalidate(FALSE);
        Notify(SLIDER_DRAGGED);
    }
}

void CChartSliderBar::OnMouseLeave() { HideElementTip(this); }

void CChartSliderBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    (void)nFlags;
    (void)point;
    StopTimers();
    m_nHit = SLIDER_HIT_NONE;
    if (GetCapture() == this)
        ReleaseCapture();
}

void CChartSliderBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_DELAY)
    {
        KillTimer(TIMER_DELAY);
        m_nDelayTimer = -1;
        m_nRepeatTimer = int(SetTimer(TIMER_REPEAT, 100, NULL) ? TIMER_REPEAT : -1);
    }
    else if (nIDEvent == TIMER_REPEAT)
    {
        // Held means this slider's own press, which keeps the capture until its release: the
        // mouse button's global state would also count a button held over another program.
        if (GetCapture() == this)
            Act();
    }
    else
        CWnd::OnTimer(nIDEvent);
}

BOOL CChartSliderBar::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CChartSliderBar::Draw(CDC* pDC, const CRect& client)
{
    pDC->FillSolidRect(client, RGB(0xC6, 0xC6, 0xC6));
    HBITMAP body = m_pSkins ? m_pSkins->GetBitmap(m_dwBody) : NULL;
    DrawSkinBitmap(pDC, body, CRect(0, 0, client.Width(), SkinBitmapSize(body).cy));
    CRect track = GetTrackRect();
    track.InflateRect(1, 1);
    pDC->Draw3dRect(track, RGB(255, 255, 255), RGB(255, 255, 255));
    DrawSkinBitmapTransparent(pDC, m_pSkins ? m_pSkins->GetBitmap(m_dwBlock) : NULL, GetBlockRect(), RGB(255, 0, 255));
}

void CChartSliderBar::OnPaint()
{
    CPaintDC dc(this);
    CMemDC memory(dc, this);
    CRect client;
    GetClientRect(&client);
    Draw(&memory.GetDC(), client);
}
