// Window classes: registration helpers and the framework's own classes.
#include "afxwin.h"

#include <stdio.h>

const TCHAR _afxWnd[] = "AfxWnd120s";
const TCHAR _afxWndFrameOrView[] = "AfxFrameOrView120s";
const TCHAR _afxWndControlBar[] = "AfxControlBar120s";

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASSA wc;
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &wc))
        return TRUE;
    if (::RegisterClassA(lpWndClass) != 0)
        return TRUE;
    // Another thread may have registered it meanwhile.
    return ::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &wc);
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static thread_local char name[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (hCursor == NULL && hbrBackground == NULL && hIcon == NULL)
        snprintf(name, sizeof(name), "Afx:%p:%x", (void*)hInst, nClassStyle);
    else
        snprintf(name, sizeof(name), "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor,
                 (void*)hbrBackground, (void*)hIcon);

    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInst, name, &wc))
        return name;
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return name;
}

BOOL AFXAPI AfxDeferRegisterClass(LONG fToRegister)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    BOOL bResult = TRUE;
    if (fToRegister & AFX_WND_REG) {
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpszClassName = _afxWnd;
        bResult &= AfxRegisterClass(&wc);
    }
    if (fToRegister & AFX_WNDFRAMEORVIEW_REG) {
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.hIcon = ::LoadIconA(NULL, (LPCSTR)IDI_APPLICATION);
        wc.lpszClassName = _afxWndFrameOrView;
        bResult &= AfxRegisterClass(&wc);
        wc.hbrBackground = NULL;
        wc.hIcon = NULL;
    }
    if (fToRegister & AFX_WNDCONTROLBAR_REG) {
        wc.style = CS_DBLCLKS;
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = _afxWndControlBar;
        bResult &= AfxRegisterClass(&wc);
    }
    return bResult;
}
