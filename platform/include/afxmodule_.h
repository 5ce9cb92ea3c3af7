// Module resources and message boxes: the process-wide resource search chain of extension
// libraries, window-class registration, and the one message-box function of the layer.
// Included by afxwin.h.
#pragma once

#include "afxwnd_.h"

/////////////////////////////////////////////////////////////////////////////
// Resource chain: the program's resource module first, then every extension library that made a
// CDynLinkLibrary, newest first.

AFX_PLATFORM_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    void* pFirstSharedFactory;
};

// Records the library's module in state (once; later calls only return TRUE).
AFX_PLATFORM_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes and deletes the library's CDynLinkLibrary objects (all of them with bAll).
AFX_PLATFORM_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// Membership of an extension library in the resource chain; made with new in the library's
// DllMain and deleted by AfxTermExtensionModule.
class AFX_PLATFORM_API CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem; // searched after the other libraries
    CDynLinkLibrary* m_pNextDLL;
};

/////////////////////////////////////////////////////////////////////////////
// Window classes

// Registers the class unless a class of that name and instance exists; TRUE when it exists after.
AFX_PLATFORM_API BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass);
// A class with the default window procedure and the given attributes, named after them
// ("Afx:<instance>:<style>[:<cursor>:<brush>:<icon>]"); the name stays valid until the next call
// on the same thread.
AFX_PLATFORM_API LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0,
                                                    HBRUSH hbrBackground = 0, HICON hIcon = 0);

// Names of the framework's own window classes.
AFX_PLATFORM_API extern const TCHAR _afxWnd[];
AFX_PLATFORM_API extern const TCHAR _afxWndFrameOrView[];
AFX_PLATFORM_API extern const TCHAR _afxWndControlBar[];
#define AFX_WND_REG 0x00001
#define AFX_WNDFRAMEORVIEW_REG 0x00008
#define AFX_WNDCONTROLBAR_REG 0x00002
// Registers the framework classes named by the AFX_*_REG flags.
AFX_PLATFORM_API BOOL AFXAPI AfxDeferRegisterClass(LONG fToRegister);

/////////////////////////////////////////////////////////////////////////////
// Message boxes: AfxMessageBox, CWnd::MessageBox and the system's own boxes all end in
// AfxPlatformMessageBox, which calls the installed handler (MessageBoxA by default).

typedef int(AFXAPI* AFX_MSGBOX_HANDLER)(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType);

// Installs fn (null restores the default) for every thread; returns the previous handler.
AFX_PLATFORM_API AFX_MSGBOX_HANDLER AFXAPI AfxSetMessageBoxHandler(AFX_MSGBOX_HANDLER fn);
AFX_PLATFORM_API int AFXAPI AfxPlatformMessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType);
// A box of the system's own making (a skinned dialog): pfnShow(pContext) shows it while the
// default handler is installed; an installed handler answers for it instead, as for any box.
typedef int(AFXAPI* AFX_OWNBOX_PROC)(void* pContext);
AFX_PLATFORM_API int AFXAPI AfxPlatformOwnMessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption,
                                                     UINT nType, AFX_OWNBOX_PROC pfnShow, void* pContext);

// Through the application's DoMessageBox: owned by the main window, the application's name as
// caption, and an icon by button set when nType has none.
AFX_PLATFORM_API int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
AFX_PLATFORM_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
