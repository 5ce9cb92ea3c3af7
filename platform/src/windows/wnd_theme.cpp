// CWnd and the theme service: uxtheme is asked for at run time, so a system without it only
// loses the call.
#include "afxwin.h"

HRESULT CWnd::SetWindowTheme(LPCWSTR pszSubAppName, LPCWSTR pszSubIdList)
{
    typedef HRESULT(WINAPI * SetWindowThemeFn)(HWND, LPCWSTR, LPCWSTR);
    static SetWindowThemeFn fn = NULL;
    static bool looked = false;
    if (!looked) {
        HMODULE uxtheme = ::LoadLibraryA("uxtheme.dll");
        if (uxtheme != NULL)
            fn = reinterpret_cast<SetWindowThemeFn>(::GetProcAddress(uxtheme, "SetWindowTheme"));
        looked = true;
    }
    if (!::IsWindow(m_hWnd))
        return E_HANDLE;
    if (fn == NULL)
        return E_NOTIMPL;
    return fn(m_hWnd, pszSubAppName, pszSubIdList);
}
