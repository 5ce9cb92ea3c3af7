// Fixtures of the scrolling-list and scroll-bar tests: a window that records the scroll
// notifications it receives, a host for a list on a recording parent, pictures of a list or a
// bar in a 32-bpp canvas, and the pixels of the bar's own bitmaps.
#pragma once

#include <afxwin.h>

#include <memory>
#include <string>
#include <vector>

#include "GridDataList.h"
#include "XeScrollBar.h"
#include "canvas.h"
#include "grid_fixture.h"

// One WM_HSCROLL / WM_VSCROLL a window received.
struct ScrollNote
{
    UINT message;
    UINT code;
    int pos;
    HWND bar;
};

class CScrollRecorder : public CWnd
{
public:
    CScrollRecorder();
    ~CScrollRecorder();
    std::vector<ScrollNote> notes;
    std::vector<UINT> Codes() const;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};

// Sends every pending message of the thread (posted ones included) to its window.
void PumpMessages();

// A visible parent in the foreground holding a list `L` with id 1001 at (10, 10), the size
// given; `setup` runs before the list's window is made.
template <class L>
class ListHost
{
public:
    template <class Setup>
    ListHost(UINT cols, UINT rows, UINT colHeads, UINT rowHeads, DWORD style, CSize size, Setup setup)
    {
        parent.CreateEx(0, AfxRegisterWndClass(0), "list host", WS_POPUP | WS_VISIBLE, CRect(40, 40, 640, 560), NULL, 0);
        setup(list);
        list.Create(colHeads, rowHeads, cols, rows, WS_CHILD | WS_VISIBLE | style,
                    CRect(CPoint(10, 10), size), &parent, 1001);
        parent.SetForegroundWindow();
        list.SetFocus();
    }
    ListHost(UINT cols, UINT rows, UINT colHeads, UINT rowHeads, DWORD style, CSize size)
        : ListHost(cols, rows, colHeads, rowHeads, style, size, [](L&) {})
    {
    }
    ~ListHost()
    {
        if (::GetCapture() != NULL)
            ::ReleaseCapture();
        parent.DestroyWindow();
    }
    LRESULT Mouse(UINT message, int x, int y, WPARAM keys = 0)
    {
        return list.SendMessage(message, keys, MAKELPARAM(x, y));
    }

    CRecordingParent parent;
    L list;
};

// Paints a list (or a bar) into a canvas of its client size.
class ListPicture
{
public:
    explicit ListPicture(CGridList& list);
    explicit ListPicture(CXeScrollBarBase& bar);
    COLORREF Pixel(int x, int y) const { return m_canvas->Pixel(x, y); }
    int Count(const CRect& area, COLORREF colour) const { return m_canvas->Count(area, colour); }

private:
    std::unique_ptr<Canvas> m_canvas;
};

// A pixel of one of the scroll bar's bitmaps, as the library holds it.
COLORREF BarBitmapPixel(UINT id, int x, int y);
