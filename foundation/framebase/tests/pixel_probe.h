// Reads what a window shows: repaints it now, then the colour of one client pixel.
#pragma once

#include <afxwin.h>

inline COLORREF ShownPixel(CWnd& wnd, int x, int y)
{
    wnd.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = ::GetDC(wnd.m_hWnd);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(wnd.m_hWnd, dc);
    return colour;
}
