// The owner-drawn button's modal click loop, its repeat timer and the flat highlight's timer.
#include "DrawBtn.h"

namespace {

// The click being tracked on this thread (the loop is modal, so there is one at a time).
struct RepeatState
{
    WORD notification;
};
thread_local RepeatState* t_repeat = NULL;

// Each tick of the repeat timer tells the owner's parent the pressed half's code again.
void CALLBACK RepeatTimerProc(HWND hOwner, UINT, UINT_PTR, DWORD)
{
    if (t_repeat == NULL)
        return;
    HWND hParent = ::GetParent(hOwner);
    if (hParent != NULL)
        ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hOwner), t_repeat->notification),
                       LPARAM(hOwner));
}

// While the cursor is elsewhere the owner gets a mouse move, so that its handler takes the
// flat highlight away.
void CALLBACK OverTimerProc(HWND hOwner, UINT, UINT_PTR, DWORD)
{
    POINT cursor;
    ::GetCursorPos(&cursor);
    if (::WindowFromPoint(cursor) == hOwner)
        return;
    ::ScreenToClient(hOwner, &cursor);
    ::PostMessageA(hOwner, WM_MOUSEMOVE, 0, MAKELPARAM(cursor.x, cursor.y));
}

// A point of the owner's client area in window coordinates.
CPoint ClientToWindow(HWND hWnd, CPoint point)
{
    CRect window;
    ::GetWindowRect(hWnd, &window);
    POINT origin = {0, 0};
    ::ClientToScreen(hWnd, &origin);
    return point + CPoint(origin.x - window.left, origin.y - window.top);
}

} // namespace

void CDrawBtn::DrawOnOwner(CWnd* pOwner, DWORD state)
{
    HWND hWnd = pOwner->GetSafeHwnd();
    const bool nonClient = (m_dwStyle & DBS_NONCLIENT) != 0;
    HDC hDC = nonClient ? ::GetWindowDC(hWnd) : ::GetDC(hWnd);
    if (hDC == NULL)
        return;
    CDC dc;
    dc.Attach(hDC);
    Draw(&dc, state);
    dc.Detach();
    ::ReleaseDC(hWnd, hDC);
}

DWORD CDrawBtn::Click(CWnd* pOwner, CPoint point, UINT codes)
{
    HWND hOwner = pOwner->GetSafeHwnd();
    if (hOwner == NULL || ::GetCapture() != NULL || (m_dwStyle & DBS_DISABLED))
        return 0;
    ::SetCapture(hOwner);

    const DWORD kind = m_dwStyle & DBS_KINDMASK;
    CRect tracked(m_rect);
    DWORD pushed = DBS_PUSHED;
    RepeatState repeat = {0};
    RepeatState* outer = t_repeat;
    bool repeating = false;
    if (kind == DBS_SPIN) {
        const int middle = (tracked.top + tracked.bottom) / 2;
        if (point.y < middle) {
            tracked.bottom = middle;
            repeat.notification = LOWORD(codes);
        } else {
            tracked.top = middle;
            pushed = DBS_PUSHEDLOW;
            repeat.notification = HIWORD(codes);
        }
        if (codes != 0 && ::SetTimer(hOwner, codes, 100, &RepeatTimerProc) != 0) {
            repeating = true;
            t_repeat = &repeat;
        }
    }

    int lastInside = -1;
    bool released = false;
    for (;;) {
        const int inside = tracked.PtInRect(point) ? 1 : 0;
        if (inside != lastInside) {
            DrawOnOwner(pOwner, (inside ? pushed : 0) | m_dwStyle);
            lastInside = inside;
        }
        MSG msg;
        const BOOL got = ::GetMessageA(&msg, NULL, 0, 0);
        if (got == 0) {
            // The quit message belongs to the thread's own loop.
            ::PostQuitMessage(int(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (::GetCapture() != hOwner) {
            ::DispatchMessageA(&msg);
            break;
        }
        bool done = false;
        switch (msg.message) {
        case WM_MOUSEMOVE:
            point = CPoint(short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam)));
            if (m_dwStyle & DBS_NONCLIENT)
                point = ClientToWindow(hOwner, point);
            break;
        case WM_CANCELMODE: done = true; break;
        case WM_KEYDOWN: done = msg.wParam == VK_ESCAPE; break;
        case WM_LBUTTONUP:
            released = inside != 0;
            done = true;
            break;
        case WM_RBUTTONDOWN: done = true; break;
        case WM_TIMER:
            if (repeating && msg.hwnd == hOwner && msg.wParam == codes) {
                if (inside)
                    ::DispatchMessageA(&msg);
                break;
            }
            ::DispatchMessageA(&msg);
            break;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            break;
        }
        if (done)
            break;
    }

    if (::GetCapture() == hOwner)
        ::ReleaseCapture();
    if (repeating) {
        ::KillTimer(hOwner, codes);
        t_repeat = outer;
    }
    if (lastInside == 1 && ::IsWindow(hOwner))
        DrawOnOwner(pOwner, 0);
    return released ? (kind | pushed) : 0;
}

void CDrawBtn::CheckForMouseOver(CWnd* pOwner, CPoint point)
{
    if (!(m_dwStyle & DBS_FLAT) || pOwner->GetSafeHwnd() == NULL)
        return;
    const bool over = (m_dwStyle & DBS_OVER) != 0;
    if (!over && PtInRect(point)) {
        if (pOwner->SetTimer(DRAWBTN_OVER_TIMER, 300, &OverTimerProc) != 0) {
            m_dwStyle |= DBS_OVER;
            DrawOnOwner(pOwner, 0);
        }
    } else if (over && !PtInRect(point)) {
        pOwner->KillTimer(DRAWBTN_OVER_TIMER);
        m_dwStyle &= ~DWORD(DBS_OVER);
        pOwner->InvalidateRect(&m_rect, TRUE);
    }
}
