// Internals shared by the window layer's sources.
#pragma once

#include "afxwin.h"

#include "handle_map_.h"

// Temporary objects of one thread, one set per kind of handle (see handle_map_.h).
struct AfxTempWndMap_
{
    AfxTempObjects_<HWND, CWnd> wnds;
    AfxTempObjects_<HMENU, CMenu> menus;
    AfxTempObjects_<HDC, CDC> dcs;
    AfxTempObjects_<HGDIOBJ, CGdiObject> gdiObjects;
};
// Free one kind of the given thread's temporary objects (thread end passes its own state).
void AfxDeleteTempWnds_(AfxTempWndMap_* map);
void AfxDeleteTempMenus_(AfxTempWndMap_* map);
void AfxDeleteTempDCs_(AfxTempWndMap_* map);
void AfxDeleteTempGdiObjects_(AfxTempWndMap_* map);
int AfxGetTempGdiObjectCount_();

// The window's procedure is the framework's.
inline bool AfxIsFrameworkProc_(HWND hWnd)
{
    return (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == AfxGetAfxWndProc();
}

// The top-level ancestor of hWnd through parents and owners.
inline HWND AfxGetTopLevel_(HWND hWnd)
{
    HWND hTop = hWnd;
    for (HWND h = hWnd; h != NULL; h = ::GetParent(h))
        hTop = h;
    return hTop;
}

// The instance with which the window class lpszClass was registered: the application's, this
// layer's, or an extension library's; hDefault when none of them has it (system classes).
HINSTANCE AfxFindClassInstance_(LPCTSTR lpszClass, HINSTANCE hDefault);

// Every module of the resource chain in search order (program's resource module first).
int AfxGetChainModules_(HMODULE* phModules, int nMax);

// The layer's own module handle.
HINSTANCE AfxGetPlatformModule_();

// Centres a just-initialised dialog as the framework does (see wndproc.cpp).
void AfxPostInitDialog_(CWnd* pWnd, const RECT& rectOld, DWORD dwStyleOld);

// Typed double-byte characters handed on whole (wnd_chars.cpp): the dialog manager's keyboard
// handling of hDlg, the loop's dispatch, and a subclassed window's previous procedure.
BOOL AfxIsDialogMessage_(HWND hDlg, LPMSG lpMsg);
LRESULT AfxDispatchMessage_(const MSG* pMsg);
LRESULT AfxCallSuperProc_(WNDPROC pfnSuper, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
