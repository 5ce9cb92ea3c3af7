// A hook on an existing window: an object that is not a window takes the window's messages
// first by replacing its procedure. Several hooks may sit on one window, newest first; each
// answers a message or passes it on to the next older one, the oldest to the window's own
// procedure. The title bars are such hooks.
#pragma once

#include <afxwin.h>
#include "ToolBeltApi.h"

class TOOLBELT_API CSubclassWnd : public CObject
{
    DECLARE_DYNAMIC(CSubclassWnd)
public:
    CSubclassWnd();
    // Unhooks a hook that still sits on its window, so the window never reaches a freed hook.
    virtual ~CSubclassWnd();

    // With a window: installs this hook as the newest of the window's chain. With null: takes
    // this hook out of its chain (the window's own procedure comes back with the last hook).
    // A hook sits on one window once: hooking a hooked object again returns 0 and changes
    // nothing, as does a window without a handle.
    BOOL HookWindow(CWnd* pWnd);
    BOOL IsHooked() const { return m_pWndHooked != NULL; }

    // Passes the message on to the next older hook, or to the window's own procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Passes on the message being handled now (the framework's record of the current message).
    LRESULT Default();

    CWnd* m_pWndHooked;       // window this hook sits on; null while not hooked
    WNDPROC m_pOldWndProc;    // the window's own procedure; null while not hooked
    CSubclassWnd* m_pNext;    // next older hook of the same window; null for the oldest

protected:
    // The hooked window's handle, kept apart from m_pWndHooked so that a temporary window
    // object freed at idle time cannot take the hook's window away.
    HWND GetHookedHwnd() const { return m_hWndHooked; }

private:
    HWND m_hWndHooked;

    friend class CSubclassWndMap;
    friend LRESULT CALLBACK HookWndProc(HWND, UINT, WPARAM, LPARAM);

    CSubclassWnd(const CSubclassWnd&) = delete;
    CSubclassWnd& operator=(const CSubclassWnd&) = delete;
};
