#include <afxwin.h>

#include "Utils.h"

BOOL CUtils::NotifyParent(CWnd* control, UINT code)
{
    if (control == nullptr || control->GetSafeHwnd() == nullptr)
        return FALSE;
    HWND parent = ::GetParent(control->GetSafeHwnd());
    if (parent == nullptr)
        return FALSE;
    const int id = ::GetDlgCtrlID(control->GetSafeHwnd());
    ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code),
                   reinterpret_cast<LPARAM>(control->GetSafeHwnd()));
    return TRUE;
}

void CUtils::ReDrawNCClient(HWND hWnd)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

HBITMAP CUtils::GetScreenBitmap(const RECT* rc)
{
    if (rc == nullptr)
        return nullptr;
    const int width = rc->right - rc->left;
    const int height = rc->bottom - rc->top;
    HDC screen = ::CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (screen == nullptr)
        return nullptr;
    HBITMAP bitmap = nullptr;
    HDC memory = ::CreateCompatibleDC(screen);
    if (memory != nullptr) {
        bitmap = ::CreateCompatibleBitmap(screen, width, height);
        if (bitmap != nullptr) {
            HGDIOBJ old = ::SelectObject(memory, bitmap);
            ::BitBlt(memory, 0, 0, width, height, screen, rc->left, rc->top, SRCCOPY);
            ::SelectObject(memory, old);
        }
        ::DeleteDC(memory);
    }
    ::DeleteDC(screen);
    return bitmap;
}

void CUtils::ScreenToClient(HWND hWnd, RECT* rc)
{
    ::ScreenToClient(hWnd, reinterpret_cast<POINT*>(&rc->left));
    ::ScreenToClient(hWnd, reinterpret_cast<POINT*>(&rc->right));
}

void CUtils::ClientToScreen(HWND hWnd, RECT* rc)
{
    ::ClientToScreen(hWnd, reinterpret_cast<POINT*>(&rc->left));
    ::ClientToScreen(hWnd, reinterpret_cast<POINT*>(&rc->right));
}
