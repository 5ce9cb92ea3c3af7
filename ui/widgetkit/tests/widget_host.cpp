// Helpers of the control tests.
#include "widget_host.h"

BOOL CRecordingParent::CreateHost(const CRect& rect)
{
    return CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, rect, NULL,
                    0);
}

std::vector<RecordedMessage> CRecordingParent::Of(UINT message) const
{
    std::vector<RecordedMessage> out;
    for (const RecordedMessage& m : messages)
        if (m.message == message)
            out.push_back(m);
    return out;
}

LRESULT CRecordingParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND || message == WM_NOTIFY || message == WM_KILLFOCUS ||
        (message >= WM_USER && message < 0x8000))
        messages.push_back({message, wParam, lParam});
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CForeignChild::CreateChild(CWnd* parent, const CRect& rect, UINT id)
{
    return CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, rect, parent, id);
}

LRESULT CForeignChild::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_USER && message < 0x8000)
        userMessages.push_back(message);
    return CWnd::WindowProc(message, wParam, lParam);
}

void DispatchQueued()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

CBitmap* SolidBitmap(COLORREF colour)
{
    CBitmap* bitmap = new CBitmap;
    HDC screen = ::GetDC(NULL);
    bitmap->Attach(::CreateCompatibleBitmap(screen, 4, 4));
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap->GetSafeHandle());
    RECT rc = {0, 0, 4, 4};
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &rc, brush);
    ::DeleteObject(brush);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ReleaseDC(NULL, screen);
    return bitmap;
}

void DrawInto(CWnd& control, Canvas& canvas, void (*draw)(CWnd&, LPDRAWITEMSTRUCT))
{
    DRAWITEMSTRUCT dis;
    memset(&dis, 0, sizeof dis);
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = control.GetDlgCtrlID();
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = control.m_hWnd;
    dis.hDC = canvas.Handle();
    control.GetClientRect(&dis.rcItem);
    draw(control, &dis);
}
