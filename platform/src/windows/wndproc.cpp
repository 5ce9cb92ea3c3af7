// The framework's window procedure, the creation hook that attaches a window to its object
// before its first message, subclassing, and the per-thread record of the current message.
#include "afxwin.h"
#include "wndimpl_.h"

#include <exception>

WNDPROC AFXAPI AfxGetAfxWndProc()
{
    return &AfxWndProc;
}

namespace {

// A failure that is not the framework's (a standard exception or anything else thrown), carried
// to the thread's handler as a framework exception with its text.
class CForeignFailure : public CException
{
public:
    explicit CForeignFailure(const CString& strText) : CException(FALSE), m_strText(strText) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override
    {
        if (pnHelpContext != NULL)
            *pnHelpContext = 0;
        if (lpszError == NULL || nMaxError == 0)
            return FALSE;
        lstrcpynA(lpszError, m_strText, (int)nMaxError);
        return TRUE;
    }

private:
    CString m_strText;
};

// Depth of failures being handled on this thread: a report's message box runs a loop, and a
// handler failing again inside it (a paint that throws before it validates) must not stack
// box on box.
thread_local int t_nFailuresHandled = 0;

LRESULT HandleWndProcFailure(CException* e, const MSG* pMsg)
{
    if (t_nFailuresHandled > 0) {
        // Only the outcome the message needs, without a second report.
        if (pMsg->message == WM_CREATE)
            return -1;
        if (pMsg->message == WM_PAINT)
            ::ValidateRect(pMsg->hwnd, NULL);
        return pMsg->message == WM_COMMAND ? TRUE : 0;
    }
    struct Depth
    {
        Depth() { ++t_nFailuresHandled; }
        ~Depth() { --t_nFailuresHandled; }
    } depth;
    return AfxProcessWndProcException(e, pMsg);
}

} // namespace

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    MSG saved = state->m_lastSentMsg;
    state->m_lastSentMsg.hwnd = hWnd;
    state->m_lastSentMsg.message = nMsg;
    state->m_lastSentMsg.wParam = wParam;
    state->m_lastSentMsg.lParam = lParam;

    RECT rectOld = {};
    DWORD dwStyleOld = 0;
    if (nMsg == WM_INITDIALOG) {
        dwStyleOld = (DWORD)::GetWindowLongA(hWnd, GWL_STYLE);
        ::GetWindowRect(hWnd, &rectOld);
    }

    // Nothing may unwind through the system's window procedures: failures end here, every kind
    // under one policy.
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (CException* e) {
        lResult = HandleWndProcFailure(e, &state->m_lastSentMsg);
        e->Delete();
    } catch (const std::exception& e) {
        CString text;
        text.Format("Internal failure: %s", e.what());
        CForeignFailure failure(text);
        lResult = HandleWndProcFailure(&failure, &state->m_lastSentMsg);
    } catch (...) {
        CForeignFailure failure("Internal failure: an unknown exception");
        lResult = HandleWndProcFailure(&failure, &state->m_lastSentMsg);
    }

    if (nMsg == WM_INITDIALOG)
        AfxPostInitDialog_(pWnd, rectOld, dwStyleOld);
    state->m_lastSentMsg = saved;
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        // A derived WM_NCDESTROY handler skipped the base one: still release the handle so that
        // the map never points at a destroyed window, and still end with PostNcDestroy, where
        // objects that delete themselves do so (the last use of pWnd).
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_QUERYAFXWNDPROC)
        return 1;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL || pWnd->m_hWnd != hWnd)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

/////////////////////////////////////////////////////////////////////////////
// Creation hook

namespace {

// Windows the system creates on its own while another is being created (input-method windows)
// must not take the pending object.
bool IsSystemHelperWindow(HWND hWnd)
{
    char name[32] = "";
    ::GetClassNameA(hWnd, name, sizeof(name));
    return lstrcmpiA(name, "IME") == 0 || lstrcmpiA(name, "MSCTFIME UI") == 0;
}

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    if (code == HCBT_CREATEWND && state->m_pWndInit != NULL) {
        HWND hWnd = (HWND)wParam;
        if (!IsSystemHelperWindow(hWnd)) {
            CWnd* pWndInit = state->m_pWndInit;
            state->m_pWndInit = NULL;
            pWndInit->Attach(hWnd);
            pWndInit->PreSubclassWindow();
            WNDPROC* ppfnSuper = pWndInit->GetSuperWndProcAddr();
            WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
            if (pfnOld != &AfxWndProc)
                *ppfnSuper = pfnOld;
        }
    }
    return ::CallNextHookEx(state->m_hHookOldCbtFilter, code, wParam, lParam);
}

} // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_hHookOldCbtFilter == NULL)
        state->m_hHookOldCbtFilter = ::SetWindowsHookExA(WH_CBT, &CbtFilterHook, NULL, ::GetCurrentThreadId());
    ++state->m_nCbtHookUsers;
    state->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_nCbtHookUsers > 0 && --state->m_nCbtHookUsers == 0 && state->m_hHookOldCbtFilter != NULL) {
        ::UnhookWindowsHookEx(state->m_hHookOldCbtFilter);
        state->m_hHookOldCbtFilter = NULL;
    }
    if (state->m_pWndInit != NULL) {
        state->m_pWndInit = NULL;
        return FALSE; // no window was created
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Dispatch entry points of CWnd

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    state->m_lastSentMsg.time = ::GetMessageTime();
    DWORD pos = ::GetMessagePos();
    state->m_lastSentMsg.pt.x = (short)LOWORD(pos);
    state->m_lastSentMsg.pt.y = (short)HIWORD(pos);
    return &state->m_lastSentMsg;
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return AfxCallSuperProc_(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

WNDPROC* CWnd::GetSuperWndProcAddr()
{
    return &m_pfnSuper;
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == NULL || FromHandlePermanent(hWnd) != NULL || AfxIsFrameworkProc_(hWnd))
        return FALSE; // already owned by a framework object
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC* ppfnSuper = GetSuperWndProcAddr();
    WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
    *ppfnSuper = pfnOld;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID);
    return hWndControl != NULL && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* ppfnSuper = GetSuperWndProcAddr();
    if (m_hWnd != NULL && *ppfnSuper != NULL)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*ppfnSuper);
    *ppfnSuper = NULL;
    return Detach();
}
