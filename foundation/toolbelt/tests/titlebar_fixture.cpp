#include "titlebar_fixture.h"

#include <gtest/gtest.h>

#include "real_mouse.h"
#include "wnd_test_util.h"

BOOL CHostWnd::Make(const CRect& rect, CWnd* pParent)
{
    return CreateEx(0, NULL, "Host", WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE, rect.left, rect.top,
                    rect.Width(), rect.Height(), pParent->GetSafeHwnd(), NULL);
}

LRESULT CHostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        m_commands.push_back(wParam);
        m_commandLParams.push_back(lParam);
        return 0;
    case WM_TITLEBAR_PIN: ++m_pins; return 0;
    case WM_TITLEBAR_TOP: ++m_tops; return 0;
    case WM_TITLEBAR_HELP: ++m_helps; return 0;
    case WM_TITLEBAR_NCCLICK: ++m_ncClicks; return 0;
    case WM_CLOSE: ++m_closes; return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_SIZE) {
            m_sizeCommands.push_back(wParam);
            return 0;
        }
        if ((wParam & 0xFFF0) == SC_MOVE)
            return 0; // no modal move loop on a test thread
        break;
    case WM_ERASEBKGND: m_erase.push_back(wParam); break;
    case WM_SHOW_SYSTEM_MENU:
        m_menuPoints.push_back(*reinterpret_cast<POINT*>(wParam));
        m_menuIds.push_back(lParam);
        return 0;
    case WM_NCLBUTTONDBLCLK: ++m_ncDoubleClicks; break;
    case WM_NCACTIVATE: ++m_ncActivates; break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void MakeSolidBitmap(CBitmap& bitmap, int width, int height, COLORREF color)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    DWORD* pixels = static_cast<DWORD*>(bits);
    for (int i = 0; i < width * height; ++i)
        pixels[i] = (DWORD(GetRValue(color)) << 16) | (DWORD(GetGValue(color)) << 8) | GetBValue(color);
    bitmap.Attach(hBitmap);
}

COLORREF BitmapPixel(CBitmap& bitmap, int x, int y)
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ old = ::SelectObject(hDC, bitmap.GetSafeHandle());
    COLORREF color = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, old);
    ::DeleteDC(hDC);
    return color;
}

int BitmapCount(CBitmap& bitmap, const CRect& area, COLORREF color)
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ old = ::SelectObject(hDC, bitmap.GetSafeHandle());
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += ::GetPixel(hDC, x, y) == color;
    ::SelectObject(hDC, old);
    ::DeleteDC(hDC);
    return n;
}

Skin::Skin()
{
    MakeSolidBitmap(m_active, 1000, 40, kActive);
    MakeSolidBitmap(m_inactive, 1000, 40, kInactive);
}

CBitmap* Skin::Button(int n, int width, int look)
{
    if (m_buttons.size() < size_t(n + 1) * 3)
        m_buttons.resize(size_t(n + 1) * 3);
    std::unique_ptr<CBitmap>& slot = m_buttons[size_t(n) * 3 + look];
    if (!slot) {
        slot.reset(new CBitmap);
        MakeSolidBitmap(*slot, width, 14, Look(n, look));
    }
    return slot.get();
}

void RealClick(CPoint screen, HWND hWnd, UINT expectedHit)
{
    MouseTo(screen);
    POINT cursor;
    ::GetCursorPos(&cursor);
    ASSERT_EQ(CPoint(cursor), screen);
    ASSERT_EQ(::SendMessageA(hWnd, WM_NCHITTEST, 0, MAKELPARAM(cursor.x, cursor.y)), LRESULT(expectedHit));
    MouseButton(true);
    MouseButton(false);
    MouseTo(CPoint(5, 5));
}

namespace {

LPARAM ScreenPoint(HWND hWnd, CPoint local)
{
    CRect window;
    ::GetWindowRect(hWnd, &window);
    return MAKELPARAM(window.left + local.x, window.top + local.y);
}

} // namespace

LRESULT NcHitTest(HWND hWnd, CPoint local)
{
    return ::SendMessageA(hWnd, WM_NCHITTEST, 0, ScreenPoint(hWnd, local));
}

void NcPress(HWND hWnd, UINT hitCode, CPoint local)
{
    ::SendMessageA(hWnd, WM_NCLBUTTONDOWN, hitCode, ScreenPoint(hWnd, local));
}

void NcRelease(HWND hWnd, UINT hitCode, CPoint local)
{
    ::SendMessageA(hWnd, WM_NCLBUTTONUP, hitCode, ScreenPoint(hWnd, local));
}
