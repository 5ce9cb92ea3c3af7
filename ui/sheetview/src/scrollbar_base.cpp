// The self-drawn scroll bar: class registration, creation (directly or over an existing
// control), the layout of arrows, page areas and thumb, the hit test and the SBM_* messages.
#include "XeScrollBarBase.h"

#include <algorithm>
#include <cmath>
#include <cstring>

IMPLEMENT_DYNAMIC(CXeScrollBarBase, CScrollBar)

BEGIN_MESSAGE_MAP(CXeScrollBarBase, CScrollBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_ENABLE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_TIMER()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(SBM_SETPOS, OnSbmSetPos)
    ON_MESSAGE(SBM_GETPOS, OnSbmGetPos)
    ON_MESSAGE(SBM_SETRANGE, OnSbmSetRange)
    ON_MESSAGE(SBM_SETRANGEREDRAW, OnSbmSetRangeRedraw)
    ON_MESSAGE(SBM_GETRANGE, OnSbmGetRange)
    ON_MESSAGE(SBM_ENABLE_ARROWS, OnSbmEnableArrows)
    ON_MESSAGE(SBM_SETSCROLLINFO, OnSbmSetScrollInfo)
    ON_MESSAGE(SBM_GETSCROLLINFO, OnSbmGetScrollInfo)
    ON_MESSAGE(SBM_GETSCROLLBARINFO, OnSbmGetScrollBarInfo)
END_MESSAGE_MAP()

namespace {

const char kClassName[] = "XeScrollBarWndClass";

// Half away from zero.
int Round(double v)
{
    return (int)std::lround(v);
}

} // namespace

CXeScrollBarBase::CXeScrollBarBase()
    : m_hNotify(NULL), m_bEnabled(TRUE), m_bHasFocus(FALSE), m_bBlink(TRUE), m_bHorizontal(TRUE), m_nPos(0),
      m_nTrackPos(0), m_nPage(0), m_nMin(0), m_nMax(100), m_bAutoDisabled(FALSE), m_nMaxReportedPos(100),
      m_bDragging(FALSE), m_bTrackingMouse(FALSE), m_bEndScrollOwed(FALSE), m_nHover(AREA_NONE),
      m_nPressed(AREA_NONE), m_dPxPerUnit(0), m_nArrowSize(0), m_nMinThumb(MIN_THUMB), m_nGrabOffset(0),
      m_ptMenu(0, 0)
{
}

CXeScrollBarBase::~CXeScrollBarBase() {}

BOOL CXeScrollBarBase::RegisterWindowClass()
{
    WNDCLASS wc;
    HINSTANCE instance = AfxGetInstanceHandle();
    if (::GetClassInfo(instance, kClassName, &wc))
        return TRUE;
    memset(&wc, 0, sizeof wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = kClassName;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return TRUE;
}

BOOL CXeScrollBarBase::Create(DWORD style, const CRect& rect, CWnd* notify, UINT id)
{
    RegisterWindowClass();
    m_hNotify = notify != NULL ? notify->GetSafeHwnd() : NULL;
    m_bHorizontal = (style & SBS_VERT) == 0;
    m_bEnabled = (style & WS_DISABLED) == 0;
    if (!CWnd::CreateEx(0, kClassName, "", style, rect, notify, id))
        return FALSE;
    GetClientRect(&m_rectClient);
    RecalcLayout();
    return TRUE;
}

BOOL CXeScrollBarBase::CreateFromExisting(CWnd* parent, UINT id)
{
    if (parent == NULL || !::IsWindow(parent->GetSafeHwnd()))
        return FALSE;
    HWND child = ::GetDlgItem(parent->m_hWnd, (int)id);
    if (child == NULL)
        return FALSE;
    const DWORD style = (DWORD)::GetWindowLongPtr(child, GWL_STYLE);
    CRect rect;
    ::GetWindowRect(child, &rect);
    parent->ScreenToClient(&rect);
    if (style & SBS_VERT)
        rect.right = rect.left + ::GetSystemMetrics(SM_CXVSCROLL);
    else
        rect.bottom = rect.top + ::GetSystemMetrics(SM_CYHSCROLL);

    SCROLLINFO info;
    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(child, SB_CTL, &info);

    if (!Create(style, rect, parent, 0))
        return FALSE;
    ::SetWindowPos(m_hWnd, child, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::DestroyWindow(child);
    ::SetWindowLongPtr(m_hWnd, GWLP_ID, (LONG_PTR)id);
    info.fMask = SIF_ALL;
    ApplyScrollInfo(info, TRUE);
    m_nTrackPos = ClampPos(info.nTrackPos);
    return TRUE;
}

// --- layout ------------------------------------------------------------------------------

int CXeScrollBarBase::MaxReportedPos() const
{
    if (m_nPage == 0)
        return m_nMax;
    // Wide: a range over the whole int must not wrap.
    const long long v = (long long)m_nMax - (long long)m_nPage + 1;
    return (int)std::max<long long>(std::min<long long>(v, m_nMax), m_nMin);
}

int CXeScrollBarBase::ClampPos(int pos) const
{
    return std::max(m_nMin, std::min(pos, m_nMaxReportedPos));
}

int CXeScrollBarBase::ChannelStart() const
{
    return m_bHorizontal ? m_rectArrow1.right : m_rectArrow1.bottom;
}

void CXeScrollBarBase::RecalcLayout()
{
    const CRect& c = m_rectClient;
    const int length = m_bHorizontal ? c.Width() : c.Height();
    const int thick = m_bHorizontal ? c.Height() : c.Width();
    int arrow = m_nArrowSize > 0 ? m_nArrowSize : thick;
    if (length < 2 * arrow)
        arrow = length / 2;
    auto span = [&](int from, int to) {
        return m_bHorizontal ? CRect(c.left + from, c.top, c.left + to, c.bottom)
                             : CRect(c.left, c.top + from, c.right, c.top + to);
    };
    m_rectArrow1 = span(0, arrow);
    m_rectArrow2 = span(length - arrow, length);
    const int channel = length - 2 * arrow;
    m_rectThumb.SetRectEmpty();
    m_dPxPerUnit = 0;
    if (channel > m_nMinThumb && m_bEnabled) {
        const double range = std::fabs((double)m_nMax - (double)m_nMin) + 1.0;
        m_dPxPerUnit = channel / range;
        const int pos = (m_nPressed == AREA_THUMB && m_bDragging) ? m_nTrackPos : m_nPos;
        int offset = Round(((double)pos - (double)m_nMin) * m_dPxPerUnit);
        int thumb = Round(m_nPage * m_dPxPerUnit);
        if (thumb < m_nMinThumb) {
            offset -= Round((double)(m_nMinThumb - thumb) / channel * offset);
            thumb = m_nMinThumb;
        }
        offset = std::max(0, std::min(offset, channel - thumb));
        thumb = std::min(thumb, channel - offset);
        m_rectThumb = span(arrow + offset, arrow + offset + thumb);
        m_rectPageBefore = span(arrow, arrow + offset);
        m_rectPageAfter = span(arrow + offset + thumb, length - arrow);
    } else {
        m_rectPageBefore = span(arrow, length - arrow);
        m_rectPageAfter = span(length - arrow, length - arrow);
    }
    if (m_rectPageBefore.IsRectEmpty())
        m_rectPageBefore.SetRectEmpty();
    if (m_rectPageAfter.IsRectEmpty())
        m_rectPageAfter.SetRectEmpty();
}

int CXeScrollBarBase::HitTest(CPoint point) const
{
    if (!m_rectClient.PtInRect(point))
        return AREA_NONE;
    if (m_rectThumb.PtInRect(point))
        return AREA_THUMB;
    if (m_rectArrow1.PtInRect(point))
        return AREA_ARROW1;
    if (m_rectArrow2.PtInRect(point))
        return AREA_ARROW2;
    if (m_rectPageBefore.PtInRect(point))
        return AREA_PAGE_BEFORE;
    if (m_rectPageAfter.PtInRect(point))
        return AREA_PAGE_AFTER;
    return AREA_NONE;
}

int CXeScrollBarBase::GetAreaState(int area) const
{
    if (!m_bEnabled)
        return STATE_DISABLED;
    if (m_nPressed == area)
        return STATE_PRESSED;
    if (m_nHover == area && m_nPressed == AREA_NONE)
        return STATE_HOT;
    return STATE_NORMAL;
}

void CXeScrollBarBase::Redraw()
{
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CXeScrollBarBase::OnSize(UINT nType, int cx, int cy)
{
    CScrollBar::OnSize(nType, cx, cy);
    GetClientRect(&m_rectClient);
    RecalcLayout();
    Redraw();
}

void CXeScrollBarBase::OnEnable(BOOL bEnable)
{
    CScrollBar::OnEnable(bEnable);
    m_bEnabled = bEnable;
    RecalcLayout();
    Redraw();
}

void CXeScrollBarBase::Notify(UINT code, int pos)
{
    if (m_hNotify != NULL && ::IsWindow(m_hNotify))
        ::SendMessage(m_hNotify, m_bHorizontal ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(code, (WORD)pos), (LPARAM)m_hWnd);
}

// --- drawing -----------------------------------------------------------------------------

void CXeScrollBarBase::DrawScrollBar(CDC*) {}

BOOL CXeScrollBarBase::OnEraseBkgnd(CDC*)
{
    return TRUE; // the whole bar is painted at once
}

void CXeScrollBarBase::OnPaint()
{
    CPaintDC dc(this);
    DrawScrollBar(&dc);
}

// --- scroll-bar control messages ---------------------------------------------------------

LRESULT CXeScrollBarBase::OnSbmSetPos(WPARAM wParam, LPARAM lParam)
{
    const int old = m_nPos;
    m_nPos = ClampPos((int)wParam);
    if (m_bAutoDisabled && m_bEnabled) {
        m_bAutoDisabled = FALSE;
        EnableWindow(TRUE);
    }
    RecalcLayout();
    if (lParam)
        Redraw();
    return old;
}

LRESULT CXeScrollBarBase::OnSbmGetPos(WPARAM, LPARAM)
{
    return m_nPos;
}

LRESULT CXeScrollBarBase::OnSbmSetRange(WPARAM wParam, LPARAM lParam)
{
    const int a = (int)wParam, b = (int)lParam;
    m_nMin = std::min(a, b);
    m_nMax = std::max(a, b);
    const long long size = (long long)m_nMax - (long long)m_nMin + 1;
    if ((long long)m_nPage > size)
        m_nPage = (UINT)size;
    m_nMaxReportedPos = MaxReportedPos();
    const int old = m_nPos;
    m_nPos = ClampPos(m_nPos);
    RecalcLayout();
    return m_nPos != old ? old : 0;
}

LRESULT CXeScrollBarBase::OnSbmSetRangeRedraw(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = OnSbmSetRange(wParam, lParam);
    Redraw();
    return result;
}

LRESULT CXeScrollBarBase::OnSbmGetRange(WPARAM wParam, LPARAM lParam)
{
    if (wParam != 0)
        *(LPINT)wParam = m_nMin;
    if (lParam != 0)
        *(LPINT)lParam = m_nMax;
    return 0;
}

LRESULT CXeScrollBarBase::OnSbmEnableArrows(WPARAM wParam, LPARAM)
{
    EnableWindow(wParam != ESB_DISABLE_BOTH);
    return TRUE;
}

BOOL CXeScrollBarBase::ApplyScrollInfo(const SCROLLINFO& info, BOOL redraw)
{
    if (info.fMask & SIF_RANGE) {
        m_nMin = std::min(info.nMin, info.nMax);
        m_nMax = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE)
        m_nPage = info.nPage;
    const long long size = (long long)m_nMax - (long long)m_nMin + 1;
    if ((long long)m_nPage > size)
        m_nPage = (UINT)size;
    m_nMaxReportedPos = MaxReportedPos();
    if (info.fMask & SIF_POS)
        m_nPos = info.nPos;
    m_nPos = ClampPos(m_nPos);
    // Lists refresh their bar with every record: only a bar that looks different is repainted.
    const CRect thumb = m_rectThumb, before = m_rectPageBefore;
    RecalcLayout();
    if (redraw && (thumb != m_rectThumb || before != m_rectPageBefore))
        Redraw();
    return TRUE;
}

LRESULT CXeScrollBarBase::OnSbmSetScrollInfo(WPARAM wParam, LPARAM lParam)
{
    const SCROLLINFO* info = (const SCROLLINFO*)lParam;
    if (info == NULL || info->cbSize != sizeof(SCROLLINFO))
        return 0;
    ApplyScrollInfo(*info, (BOOL)wParam);
    return m_nPos;
}

LRESULT CXeScrollBarBase::OnSbmGetScrollInfo(WPARAM, LPARAM lParam)
{
    SCROLLINFO* info = (SCROLLINFO*)lParam;
    if (info == NULL || info->cbSize != sizeof(SCROLLINFO))
        return 0;
    info->nMin = m_nMin;
    info->nMax = m_nMax;
    info->nPage = m_nPage;
    info->nPos = m_nPos;
    info->nTrackPos = m_nTrackPos;
    return TRUE;
}

LRESULT CXeScrollBarBase::OnSbmGetScrollBarInfo(WPARAM, LPARAM lParam)
{
    SCROLLBARINFO* info = (SCROLLBARINFO*)lParam;
    if (info == NULL || info->cbSize != sizeof(SCROLLBARINFO))
        return 0;
    GetWindowRect(&info->rcScrollBar);
    info->dxyLineButton = m_bHorizontal ? m_rectArrow1.Width() : m_rectArrow1.Height();
    info->xyThumbTop = m_bHorizontal ? m_rectThumb.left : m_rectThumb.top;
    info->xyThumbBottom = m_bHorizontal ? m_rectThumb.right : m_rectThumb.bottom;
    info->reserved = 0;
    memset(info->rgstate, 0, sizeof info->rgstate);
    if (!m_bEnabled)
        info->rgstate[0] = STATE_SYSTEM_UNAVAILABLE;
    if (m_rectThumb.IsRectEmpty())
        info->rgstate[3] = STATE_SYSTEM_INVISIBLE;
    const int areas[] = {AREA_NONE, AREA_ARROW1, AREA_PAGE_BEFORE, AREA_THUMB, AREA_PAGE_AFTER, AREA_ARROW2};
    for (int i = 1; i < 6; ++i)
        if (m_nPressed == areas[i])
            info->rgstate[i] |= STATE_SYSTEM_PRESSED;
    return TRUE;
}
