// The one message-box function of the layer and the framework's AfxMessageBox on top of it.
#include "afxmodal_.h"
#include "afxwin.h"

#include <atomic>

namespace {

int AFXAPI ShowSystemMessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
}

std::atomic<AFX_MSGBOX_HANDLER> g_pfnHandler{&ShowSystemMessageBox};

} // namespace

AFX_MSGBOX_HANDLER AFXAPI AfxSetMessageBoxHandler(AFX_MSGBOX_HANDLER fn)
{
    if (fn == NULL)
        fn = &ShowSystemMessageBox;
    return g_pfnHandler.exchange(fn);
}

int AFXAPI AfxPlatformMessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    AFX_MSGBOX_HANDLER fn = g_pfnHandler.load();
    CPlatformModalScope modal;
    return fn(hWndOwner, lpszText != NULL ? lpszText : "", lpszCaption, nType);
}

int AFXAPI AfxPlatformOwnMessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType,
                                   AFX_OWNBOX_PROC pfnShow, void* pContext)
{
    AFX_MSGBOX_HANDLER fn = g_pfnHandler.load();
    CPlatformModalScope modal;
    if (fn == &ShowSystemMessageBox && pfnShow != NULL)
        return pfnShow(pContext);
    return fn(hWndOwner, lpszText != NULL ? lpszText : "", lpszCaption, nType);
}

namespace {

// The framework's box: owned by the main window (whose top level is disabled meanwhile), with the
// application's name and an icon chosen by the buttons when the caller gave none.
int ShowAppMessageBox(CWinApp* pApp, LPCTSTR lpszPrompt, UINT nType)
{
    HWND hWndTop = NULL;
    HWND hWnd = CWnd::GetSafeOwner_(NULL, &hWndTop);
    if ((nType & MB_ICONMASK) == 0) {
        switch (nType & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    LPCTSTR lpszCaption = pApp != NULL ? pApp->m_pszAppName : AfxGetAppName();
    int nResult = AfxPlatformMessageBox(hWnd, lpszPrompt, lpszCaption, nType);
    if (hWndTop != NULL)
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

} // namespace

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    (void)nIDPrompt;
    return ShowAppMessageBox(this, lpszPrompt, nType);
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ShowAppMessageBox(NULL, lpszText, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString prompt;
    prompt.LoadString(nIDPrompt);
    if (nIDHelp == (UINT)-1)
        nIDHelp = nIDPrompt;
    return AfxMessageBox(prompt.GetString(), nType, nIDHelp);
}
