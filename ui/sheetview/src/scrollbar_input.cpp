// The scroll bar and the user: mouse presses with repeat timers, thumb drags, hover, the wheel,
// keys, the focus blink and the context menu, each reported to the notify window.
#include "XeScrollBarBase.h"

#include <algorithm>
#include <cmath>

namespace {

// Menu ids of the system's own scroll-bar menus in user32.dll.
const int kSystemMenuHorizontal = 64;
const int kSystemMenuVertical = 80;

// The system's scroll-bar menu (its first submenu), or the same built by hand; the caller
// destroys `owner` (the loaded menu or the built one).
HMENU ScrollMenu(BOOL horizontal, HMENU& owner)
{
    owner = NULL;
    char path[MAX_PATH];
    const UINT n = ::GetWindowsDirectoryA(path, MAX_PATH);
    if (n > 0 && n < MAX_PATH - 24) {
        lstrcatA(path, "\\system32\\user32.dll");
        HMODULE module = ::LoadLibraryExA(path, NULL, LOAD_LIBRARY_AS_DATAFILE);
        if (module != NULL) {
            owner = ::LoadMenuA(module, MAKEINTRESOURCEA(horizontal ? kSystemMenuHorizontal : kSystemMenuVertical));
            ::FreeLibrary(module);
            HMENU sub = owner != NULL ? ::GetSubMenu(owner, 0) : NULL;
            if (sub != NULL)
                return sub;
            if (owner != NULL)
                ::DestroyMenu(owner);
            owner = NULL;
        }
    }
    owner = ::CreatePopupMenu();
    if (owner == NULL)
        return NULL;
    ::AppendMenuA(owner, MF_STRING, CXeScrollBarBase::CMD_SCROLL_HERE, "Scroll Here");
    ::AppendMenuA(owner, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(owner, MF_STRING, CXeScrollBarBase::CMD_TOP, horizontal ? "Left Edge" : "Top");
    ::AppendMenuA(owner, MF_STRING, CXeScrollBarBase::CMD_BOTTOM, horizontal ? "Right Edge" : "Bottom");
    ::AppendMenuA(owner, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(owner, MF_STRING, CXeScrollBarBase::CMD_PAGE_UP, horizontal ? "Page Left" : "Page Up");
    ::AppendMenuA(owner, MF_STRING, CXeScrollBarBase::CMD_PAGE_DOWN, horizontal ? "Page Right" : "Page Down");
    ::AppendMenuA(owner, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(owner, MF_STRING, CXeScrollBarBase::CMD_LINE_UP, horizontal ? "Scroll Left" : "Scroll Up");
    ::AppendMenuA(owner, MF_STRING, CXeScrollBarBase::CMD_LINE_DOWN, horizontal ? "Scroll Right" : "Scroll Down");
    return owner;
}

} // namespace

void CXeScrollBarBase::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetCapture();
    if (GetStyle() & WS_TABSTOP)
        SetFocus();
    m_nPressed = HitTest(point);
    m_bDragging = FALSE;
    if (m_nPressed >= AREA_ARROW1 && m_nPressed <= AREA_PAGE_AFTER) {
        NotifyLine((UINT)(m_nPressed - 1));
        m_bEndScrollOwed = TRUE;
        SetTimer(TIMER_DELAY, DELAY_MS, NULL);
    } else if (m_nPressed == AREA_THUMB) {
        m_nGrabOffset = AlongBar(point) - (m_bHorizontal ? m_rectThumb.left : m_rectThumb.top);
        m_nTrackPos = m_nPos;
    }
    Redraw();
    CScrollBar::OnLButtonDown(nFlags, point);
}

void CXeScrollBarBase::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case TIMER_DELAY:
        KillTimer(TIMER_DELAY);
        SetTimer(TIMER_REPEAT, REPEAT_MS, NULL);
        // fall through: the delay's end is the first repeat
    case TIMER_REPEAT: {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        const int area = HitTest(cursor);
        if (area == m_nPressed && area >= AREA_ARROW1 && area <= AREA_PAGE_AFTER)
            NotifyLine((UINT)(area - 1));
        break;
    }
    case TIMER_BLINK:
        m_bBlink = !m_bBlink;
        Redraw();
        break;
    default:
        CScrollBar::OnTimer(nIDEvent);
        break;
    }
}

void CXeScrollBarBase::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTrackingMouse) {
        TRACKMOUSEEVENT track;
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = m_hWnd;
        track.dwHoverTime = HOVER_DEFAULT;
        m_bTrackingMouse = ::TrackMouseEvent(&track);
    }
    const int hover = HitTest(point);
    if (m_nPressed == AREA_THUMB && m_dPxPerUnit > 0) {
        const int units = (int)std::lround((AlongBar(point) - m_nGrabOffset - ChannelStart()) / m_dPxPerUnit);
        const long long wanted = (long long)m_nMin + units;
        const int track = (int)std::max<long long>(m_nMin, std::min<long long>(wanted, m_nMaxReportedPos));
        if (!m_bDragging || track != m_nTrackPos) {
            m_bDragging = TRUE;
            m_nTrackPos = track;
            Notify(SB_THUMBTRACK, m_nTrackPos);
            RecalcLayout();
            Redraw();
        }
    }
    if (hover != m_nHover) {
        m_nHover = hover;
        Redraw();
    }
    CScrollBar::OnMouseMove(nFlags, point);
}

void CXeScrollBarBase::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    KillTimer(TIMER_DELAY);
    KillTimer(TIMER_REPEAT);
    const int pressed = m_nPressed;
    m_nPressed = AREA_NONE;
    if (pressed == AREA_THUMB) {
        Notify(SB_THUMBPOSITION, m_nTrackPos);
        m_bDragging = FALSE;
        RecalcLayout();
    }
    if (m_bEndScrollOwed) {
        m_bEndScrollOwed = FALSE;
        NotifyLine(SB_ENDSCROLL);
    }
    Redraw();
    CScrollBar::OnLButtonUp(nFlags, point);
}

void CXeScrollBarBase::OnMouseLeave()
{
    m_bTrackingMouse = FALSE;
    m_nHover = AREA_NONE;
    Redraw();
    CScrollBar::OnMouseLeave();
}

BOOL CXeScrollBarBase::OnMouseWheel(UINT, short zDelta, CPoint)
{
    if (m_bHorizontal)
        return FALSE;
    const int steps = std::abs((int)zDelta) / WHEEL_DELTA;
    if (steps == 0)
        return TRUE;
    for (int i = 0; i < steps; ++i)
        NotifyLine(zDelta > 0 ? SB_LINEUP : SB_LINEDOWN);
    NotifyLine(SB_ENDSCROLL);
    return TRUE;
}

void CXeScrollBarBase::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    int code = -1;
    switch (nChar) {
    case VK_PRIOR:
        code = SB_PAGEUP;
        break;
    case VK_NEXT:
        code = SB_PAGEDOWN;
        break;
    case VK_END:
        code = SB_BOTTOM;
        break;
    case VK_HOME:
        code = SB_TOP;
        break;
    case VK_LEFT:
    case VK_UP:
        code = SB_LINEUP;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        code = SB_LINEDOWN;
        break;
    default:
        break;
    }
    if (code >= 0) {
        NotifyLine((UINT)code);
        m_bEndScrollOwed = TRUE;
        return;
    }
    CScrollBar::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CXeScrollBarBase::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bEndScrollOwed) {
        m_bEndScrollOwed = FALSE;
        NotifyLine(SB_ENDSCROLL);
    }
    CScrollBar::OnKeyUp(nChar, nRepCnt, nFlags);
}

UINT CXeScrollBarBase::OnGetDlgCode()
{
    return (GetStyle() & WS_TABSTOP) ? DLGC_WANTALLKEYS | DLGC_WANTARROWS : DLGC_WANTARROWS;
}

void CXeScrollBarBase::OnSetFocus(CWnd* pOldWnd)
{
    CScrollBar::OnSetFocus(pOldWnd);
    m_bHasFocus = TRUE;
    SetTimer(TIMER_BLINK, BLINK_MS, NULL);
}

void CXeScrollBarBase::OnKillFocus(CWnd* pNewWnd)
{
    CScrollBar::OnKillFocus(pNewWnd);
    KillTimer(TIMER_BLINK);
    m_bHasFocus = FALSE;
    m_bBlink = TRUE;
    Redraw();
}

void CXeScrollBarBase::OnContextMenu(CWnd*, CPoint pos)
{
    if (pos.x == -1 && pos.y == -1) { // from the keyboard: the bar's centre
        pos = m_rectClient.CenterPoint();
        ClientToScreen(&pos);
    }
    m_ptMenu = pos;
    ScreenToClient(&m_ptMenu);
    HMENU owner = NULL;
    HMENU menu = ScrollMenu(m_bHorizontal, owner);
    if (menu == NULL)
        return;
    const UINT command =
        (UINT)::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, pos.x, pos.y, 0, m_hWnd, NULL);
    ::DestroyMenu(owner);
    if (command != 0)
        SendMessage(WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

BOOL CXeScrollBarBase::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    switch (id) {
    case CMD_LINE_UP:
    case CMD_LINE_DOWN:
    case CMD_PAGE_UP:
    case CMD_PAGE_DOWN:
        NotifyLine(id - CMD_LINE_UP); // SB_LINEUP .. SB_PAGEDOWN
        break;
    case CMD_TOP:
        NotifyLine(SB_TOP);
        break;
    case CMD_BOTTOM:
        NotifyLine(SB_BOTTOM);
        break;
    case CMD_SCROLL_HERE: {
        if (m_rectThumb.IsRectEmpty() || m_dPxPerUnit <= 0)
            return TRUE;
        const int offset = std::max(0, AlongBar(m_ptMenu) - ChannelStart());
        const long long wanted = (long long)m_nMin + std::lround(offset / m_dPxPerUnit);
        m_nTrackPos = (int)std::max<long long>(m_nMin, std::min<long long>(wanted, m_nMaxReportedPos));
        Notify(SB_THUMBPOSITION, m_nTrackPos);
        break;
    }
    default:
        return CScrollBar::OnCommand(wParam, lParam);
    }
    NotifyLine(SB_ENDSCROLL);
    return TRUE;
}
