#include "list_fixture.h"

CScrollRecorder::CScrollRecorder()
{
    CreateEx(0, AfxRegisterWndClass(0), "scroll notes", WS_POPUP | WS_VISIBLE, CRect(40, 40, 440, 340), NULL, 0);
    SetForegroundWindow();
}

CScrollRecorder::~CScrollRecorder()
{
    if (::GetCapture() != NULL)
        ::ReleaseCapture();
    DestroyWindow();
}

std::vector<UINT> CScrollRecorder::Codes() const
{
    std::vector<UINT> codes;
    for (const ScrollNote& n : notes)
        codes.push_back(n.code);
    return codes;
}

LRESULT CScrollRecorder::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HSCROLL || message == WM_VSCROLL) {
        notes.push_back({message, LOWORD(wParam), (int)(short)HIWORD(wParam), (HWND)lParam});
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

namespace {

CSize ClientSize(CWnd& wnd)
{
    CRect client;
    wnd.GetClientRect(&client);
    return client.Size();
}

} // namespace

ListPicture::ListPicture(CGridList& list)
{
    const CSize size = ClientSize(list);
    m_canvas.reset(new Canvas(size.cx, size.cy, RGB(1, 1, 1)));
    list.Paint(m_canvas->DC(), CRect(CPoint(0, 0), size));
}

ListPicture::ListPicture(CXeScrollBarBase& bar)
{
    const CSize size = ClientSize(bar);
    m_canvas.reset(new Canvas(size.cx, size.cy, RGB(1, 1, 1)));
    bar.Paint(m_canvas->DC());
}

COLORREF BarBitmapPixel(UINT id, int x, int y)
{
    HBITMAP bitmap = ::LoadBitmap(::GetModuleHandleA("SheetView.dll"), MAKEINTRESOURCE(id));
    if (bitmap == NULL)
        return CLR_INVALID;
    Canvas canvas(100, 100);
    HDC mem = ::CreateCompatibleDC(canvas.Handle());
    HGDIOBJ old = ::SelectObject(mem, bitmap);
    ::BitBlt(canvas.Handle(), 0, 0, 100, 100, mem, 0, 0, SRCCOPY);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    ::DeleteObject(bitmap);
    return canvas.Pixel(x, y);
}
