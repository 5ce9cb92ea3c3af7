// Typed double-byte characters handed on whole. The system gives such a character to an ANSI
// window as two WM_CHAR messages, lead byte then trail byte, in the code page of the thread's
// input language. Windows' controls join the pair behind their ANSI entry; Wine's edit control
// takes each byte for a character of its own and shows "??" (the dialog manager's ANSI entry
// too). Where the framework hands a typed character to a procedure that is not its own (the
// dialog manager, a control's class procedure below a subclass, a system window no object
// owns), it keeps the lead byte and hands over the pair as its UTF-16 character through the
// Unicode entry, which every procedure takes whole. The framework's own handlers still see the
// bytes, as a multi-byte program expects.
#include "afxwin.h"
#include "wndimpl_.h"

namespace {

// The code page in which the system made the bytes.
UINT InputCodePage()
{
    const LCID lcid = MAKELCID(LOWORD((ULONG_PTR)::GetKeyboardLayout(0)), SORT_DEFAULT);
    DWORD cp = CP_ACP;
    if (::GetLocaleInfoW(lcid, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER, (LPWSTR)&cp,
                         sizeof cp / sizeof(WCHAR)) == 0)
        cp = CP_ACP;
    return cp;
}

// One place's pair in progress: a lead byte kept for the window it was meant for.
class CCharPair
{
public:
    enum Step
    {
        PASS,  // not part of a pair: hand the message on as it is
        HELD,  // a lead byte, kept until its trail byte comes
        JOINED // the trail byte of the kept lead byte: *pwch is their character
    };

    Step Offer(HWND hWnd, UINT message, WPARAM wParam, WCHAR* pwch)
    {
        if (message != WM_CHAR || wParam > 0xFF)
            return PASS;
        const UINT cp = InputCodePage();
        if (m_lead != 0) {
            const char pair[2] = {(char)m_lead, (char)wParam};
            const bool bSameWindow = m_hWnd == hWnd;
            m_lead = 0;
            m_hWnd = NULL;
            if (bSameWindow && ::MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, pair, 2, pwch, 1) == 1)
                return JOINED;
            // A lead byte without its trail makes no character: it goes, this byte counts alone.
        }
        if (::IsDBCSLeadByteEx(cp, (BYTE)wParam)) {
            m_lead = (BYTE)wParam;
            m_hWnd = hWnd;
            return HELD;
        }
        return PASS;
    }

private:
    HWND m_hWnd = NULL;
    BYTE m_lead = 0;
};

// Each place keeps its own pair: a character on its way through the dialog manager reaches a
// subclassed control's procedure as bytes again.
thread_local CCharPair t_dialogChars;
thread_local CCharPair t_dispatchChars;
thread_local CCharPair t_superChars;

// The window's procedure, or the one below its subclass, is its class's own.
bool IsClassProc(HWND hWnd, WNDPROC pfn)
{
    return pfn == (WNDPROC)::GetClassLongPtrA(hWnd, GCLP_WNDPROC);
}

} // namespace

BOOL AfxIsDialogMessage_(HWND hDlg, LPMSG lpMsg)
{
    if (lpMsg->message == WM_CHAR && (lpMsg->hwnd == hDlg || ::IsChild(hDlg, lpMsg->hwnd))) {
        WCHAR wch = 0;
        switch (t_dialogChars.Offer(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, &wch)) {
        case CCharPair::HELD:
            return TRUE;
        case CCharPair::JOINED: {
            MSG msg = *lpMsg;
            msg.wParam = wch;
            return ::IsDialogMessageW(hDlg, &msg);
        }
        case CCharPair::PASS:
            break;
        }
    }
    return ::IsDialogMessageA(hDlg, lpMsg);
}

LRESULT AfxDispatchMessage_(const MSG* pMsg)
{
    if (pMsg->message == WM_CHAR && pMsg->hwnd != NULL &&
        IsClassProc(pMsg->hwnd, (WNDPROC)::GetWindowLongPtrA(pMsg->hwnd, GWLP_WNDPROC))) {
        WCHAR wch = 0;
        switch (t_dispatchChars.Offer(pMsg->hwnd, pMsg->message, pMsg->wParam, &wch)) {
        case CCharPair::HELD:
            return 0;
        case CCharPair::JOINED: {
            MSG msg = *pMsg;
            msg.wParam = wch;
            return ::DispatchMessageW(&msg);
        }
        case CCharPair::PASS:
            break;
        }
    }
    return ::DispatchMessageA(pMsg);
}

LRESULT AfxCallSuperProc_(WNDPROC pfnSuper, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Only the class's own procedure has a Unicode entry known to be the same procedure; another
    // subclass below ours gets the bytes as they came.
    if (message == WM_CHAR && IsClassProc(hWnd, pfnSuper)) {
        WCHAR wch = 0;
        switch (t_superChars.Offer(hWnd, message, wParam, &wch)) {
        case CCharPair::HELD:
            return 0;
        case CCharPair::JOINED:
            return ::CallWindowProcW((WNDPROC)::GetClassLongPtrW(hWnd, GCLP_WNDPROC), hWnd, message, wch, lParam);
        case CCharPair::PASS:
            break;
        }
    }
    return ::CallWindowProcA(pfnSuper, hWnd, message, wParam, lParam);
}
