// Small window helpers: rectangles and text of a window, hover tracking for controls that
// light up under the mouse, a web page in its own browser window, and screen centring.
// The classes are header-inline: each library compiles its own copy.
#pragma once

#include <afxwin.h>
#include "ToolBeltApi.h"

// Client rectangle of a window (empty for a null window).
class TOOLBELT_API CClientRect : public CRect
{
public:
    explicit CClientRect(HWND hWnd)
    {
        SetRectEmpty();
        if (hWnd)
            ::GetClientRect(hWnd, this);
    }
    explicit CClientRect(const CWnd* pWnd) : CClientRect(pWnd ? pWnd->GetSafeHwnd() : HWND(nullptr)) {}
};

// Window rectangle of a window, in screen coordinates (empty for a null window).
class TOOLBELT_API CWindowRect : public CRect
{
public:
    explicit CWindowRect(HWND hWnd)
    {
        SetRectEmpty();
        if (hWnd)
            ::GetWindowRect(hWnd, this);
    }
    explicit CWindowRect(const CWnd* pWnd) : CWindowRect(pWnd ? pWnd->GetSafeHwnd() : HWND(nullptr)) {}
};

// The text of a window.
class TOOLBELT_API CWindowText : public CString
{
public:
    explicit CWindowText(HWND hWnd)
    {
        if (hWnd)
            CWnd::FromHandle(hWnd)->GetWindowText(*this);
    }
    explicit CWindowText(const CWnd* pWnd)
    {
        if (pWnd && pWnd->GetSafeHwnd())
            pWnd->GetWindowText(*this);
    }
};

// Tracks the mouse entering and leaving a window. Flags: 0x1 invalidates the client area on
// enter and leave, 0x2 redraws the frame.
class TOOLBELT_API CMouseMgr
{
public:
    CMouseMgr() : m_bMouseOver(false) {}

    void Init(HWND hWnd, WORD flags)
    {
        m_hWnd = hWnd;
        m_wFlags = flags;
    }
    // From WM_MOUSEMOVE (null: the own window); true only when the mouse has just entered.
    bool OnMouseMove(HWND hWnd = nullptr)
    {
        if (hWnd == nullptr)
            hWnd = m_hWnd;
        if (m_bMouseOver) {
            if (hWnd != m_hTracked) {
                Track(m_hTracked, TME_LEAVE | TME_CANCEL);
                Track(hWnd, TME_LEAVE);
                m_hTracked = hWnd;
            }
            return false;
        }
        m_bMouseOver = true;
        if (m_wFlags & 0x2)
            ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
        Track(hWnd, TME_LEAVE);
        m_hTracked = hWnd;
        if (m_wFlags & 0x1)
            ::InvalidateRect(hWnd, nullptr, FALSE);
        return true;
    }
    // From WM_MOUSELEAVE (null: the own window); true when it was for the tracked window.
    bool OnMouseOut(HWND hWnd = nullptr)
    {
        if (hWnd == nullptr)
            hWnd = m_hWnd;
        if (hWnd != m_hTracked)
            return false;
        m_bMouseOver = false;
        if (m_wFlags & 0x1)
            ::InvalidateRect(hWnd, nullptr, FALSE);
        if (m_wFlags & 0x2)
            ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
        return true;
    }
    bool MouseOver() const { return m_bMouseOver; }

private:
    static void Track(HWND hWnd, DWORD flags)
    {
        if (hWnd == nullptr)
            return;
        TRACKMOUSEEVENT track = {sizeof track, flags, hWnd, 0};
        ::TrackMouseEvent(&track);
    }

    HWND m_hWnd = nullptr;
    HWND m_hTracked = nullptr;
    WORD m_wFlags = 0;
    bool m_bMouseOver;
};

// Opens url in a new browser window placed at rc with the given bars; 1, or 0 when the browser
// cannot be created or configured (a half-made browser is closed again).
TOOLBELT_API BOOL ShowBrowser(const char* url, RECT* rc, BOOL menuBar, BOOL addressBar,
                              BOOL toolsRow, BOOL statusBar, BOOL resizable);
// Moves rc, keeping its size, to the centre of the primary screen.
TOOLBELT_API void GetScreenCenter(RECT* rc);
