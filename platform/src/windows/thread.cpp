// CWinThread: worker threads and user-interface threads with their own message loop, idle
// processing and pre-translation through the window chain.
#include "afxwin.h"
#include "wndimpl_.h"

#include <process.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

void CWinThread::CommonConstruct()
{
    m_pMainWnd = NULL;
    m_pActiveWnd = NULL;
    m_bAutoDelete = TRUE;
    m_hThread = NULL;
    m_nThreadID = 0;
    m_pThreadParams = NULL;
    m_pfnThreadProc = NULL;
}

CWinThread::CWinThread()
{
    CommonConstruct();
}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
{
    CommonConstruct();
    m_pfnThreadProc = pfnThreadProc;
    m_pThreadParams = pParam;
}

CWinThread::~CWinThread()
{
    if (m_hThread != NULL)
        ::CloseHandle(m_hThread);
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_pCurrentWinThread == this)
        state->m_pCurrentWinThread = NULL;
}

namespace {

struct ThreadStartup
{
    CWinThread* pThread;
    HANDLE hStarted;  // set by the new thread once it has its state and message queue
    HANDLE hContinue; // set by the creator; the new thread closes it
};

unsigned __stdcall ThreadEntry(void* pv)
{
    ThreadStartup* pStartup = static_cast<ThreadStartup*>(pv);
    CWinThread* pThread = pStartup->pThread;
    HANDLE hContinue = pStartup->hContinue;

    AfxGetThreadState()->m_pCurrentWinThread = pThread;
    MSG msg;
    ::PeekMessageA(&msg, NULL, WM_USER, WM_USER, PM_NOREMOVE); // the queue exists from now on
    ::SetEvent(pStartup->hStarted);                             // pStartup is gone after this

    ::WaitForSingleObject(hContinue, INFINITE);
    ::CloseHandle(hContinue);

    UINT nResult;
    if (pThread->m_pfnThreadProc != NULL)
        nResult = pThread->m_pfnThreadProc(pThread->m_pThreadParams);
    else if (!pThread->InitInstance())
        nResult = (UINT)pThread->ExitInstance();
    else
        nResult = (UINT)pThread->Run();
    AfxEndThread(nResult);
}

} // namespace

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    ThreadStartup startup = {this, ::CreateEventA(NULL, TRUE, FALSE, NULL), ::CreateEventA(NULL, TRUE, FALSE, NULL)};
    if (startup.hStarted == NULL || startup.hContinue == NULL) {
        if (startup.hStarted != NULL)
            ::CloseHandle(startup.hStarted);
        if (startup.hContinue != NULL)
            ::CloseHandle(startup.hContinue);
        return FALSE;
    }
    unsigned nThreadID = 0;
    HANDLE hThread = (HANDLE)_beginthreadex(lpSecurityAttrs, nStackSize, &ThreadEntry, &startup,
                                            CREATE_SUSPENDED | (dwCreateFlags & STACK_SIZE_PARAM_IS_A_RESERVATION),
                                            &nThreadID);
    if (hThread == NULL) {
        ::CloseHandle(startup.hStarted);
        ::CloseHandle(startup.hContinue);
        return FALSE;
    }
    m_hThread = hThread;
    m_nThreadID = nThreadID;
    ::ResumeThread(hThread);
    ::WaitForSingleObject(startup.hStarted, INFINITE);
    ::CloseHandle(startup.hStarted);
    if (dwCreateFlags & CREATE_SUSPENDED)
        ::SuspendThread(hThread);
    ::SetEvent(startup.hContinue);
    return TRUE;
}

int CWinThread::GetThreadPriority() { return ::GetThreadPriority(m_hThread); }
BOOL CWinThread::SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }
DWORD CWinThread::SuspendThread() { return ::SuspendThread(m_hThread); }
DWORD CWinThread::ResumeThread() { return ::ResumeThread(m_hThread); }
BOOL CWinThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostThreadMessageA(m_nThreadID, message, wParam, lParam);
}

CWnd* CWinThread::GetMainWnd()
{
    if (m_pActiveWnd != NULL)
        return m_pActiveWnd;
    if (m_pMainWnd != NULL)
        return m_pMainWnd;
    return CWnd::GetActiveWindow();
}

BOOL CWinThread::InitInstance()
{
    return FALSE; // a plain thread object has no loop to run
}

int CWinThread::ExitInstance()
{
    return (int)AfxGetThreadState()->m_msgCur.wParam;
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

namespace {

LRESULT DefaultWndProcException(CException* e, const MSG* pMsg)
{
    // The outcome first: a paint left invalid would come back while the report is shown.
    LRESULT lResult = 0;
    if (pMsg->message == WM_CREATE)
        lResult = -1; // the window is not created
    else if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, NULL); // or it would be painted again and again
    else if (pMsg->message == WM_COMMAND)
        lResult = TRUE; // handled, if unsuccessfully
    // A user exception was reported where it was thrown.
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
        e->ReportError(e->IsKindOf(RUNTIME_CLASS(CMemoryException)) ? MB_ICONEXCLAMATION : MB_ICONSTOP);
    return lResult;
}

} // namespace

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    return DefaultWndProcException(e, pMsg);
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        // A move to where the mouse already was does not end the idle time.
        if (state->m_nMsgLast == pMsg->message && state->m_ptCursorLast.x == pMsg->pt.x &&
            state->m_ptCursorLast.y == pMsg->pt.y)
            return FALSE;
        state->m_ptCursorLast = pMsg->pt;
        state->m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118; // 0x0118: the caret's timer
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && pMainWnd->IsWindowVisible()) {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
    } else if (AfxGetThreadState()->m_nTempMapLock == 0) {
        AfxLockTempMaps();
        AfxUnlockTempMaps();
    }
    return lCount < 1;
}

BOOL CWinThread::DispatchThreadMessageEx(MSG* pMsg)
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL) {
        for (const AFX_MSGMAP_ENTRY* lpEntry = pMap->lpEntries; lpEntry->nSig != AfxSig_end; ++lpEntry) {
            bool bMatch = pMsg->message >= 0xC000
                              ? lpEntry->nMessage == 0xC000 && *reinterpret_cast<const UINT*>(lpEntry->nSig) == pMsg->message
                              : lpEntry->nMessage == pMsg->message && lpEntry->nSig == AfxSig_vWPLP;
            if (bMatch) {
                AFX_PMSGT pfn = lpEntry->pfn;
                (this->*reinterpret_cast<void (CWinThread::*)(WPARAM, LPARAM)>(pfn))(pMsg->wParam, pMsg->lParam);
                return TRUE;
            }
        }
    }
    return FALSE;
}

namespace {

BOOL PreTranslateThroughWindows(CWnd* pMainWnd, MSG* pMsg)
{
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    // Windows outside the main window's tree (modeless pop-ups) still get its accelerators.
    if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && pMsg->hwnd != NULL &&
        AfxGetTopLevel_(pMsg->hwnd) != pMainWnd->m_hWnd)
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL PumpOne(CWinThread* pThread)
{
    MSG& msg = AfxGetThreadState()->m_msgCur;
    if (::GetMessageA(&msg, NULL, 0, 0) <= 0)
        return FALSE; // WM_QUIT (or a broken queue)
    if (msg.message != WM_KICKIDLE) {
        BOOL bTranslated = pThread != NULL ? pThread->PreTranslateMessage(&msg) : AfxPreTranslateMessage(&msg);
        if (!bTranslated) {
            ::TranslateMessage(&msg);
            AfxDispatchMessage_(&msg);
        }
    }
    return TRUE;
}

} // namespace

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == NULL && DispatchThreadMessageEx(pMsg))
        return TRUE;
    return PreTranslateThroughWindows(AfxGetMainWnd(), pMsg);
}

BOOL CWinThread::PumpMessage()
{
    return PumpOne(this);
}

int CWinThread::Run()
{
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessageA(&state->m_msgCur, NULL, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&state->m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&state->m_msgCur, NULL, 0, 0, PM_NOREMOVE));
    }
}

/////////////////////////////////////////////////////////////////////////////
// Global functions

CWinThread* AFXAPI AfxGetThread()
{
    return AfxGetThreadState()->m_pCurrentWinThread;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL) {
        if (CWnd* pWnd = pThread->GetMainWnd())
            return pWnd;
    }
    // Threads without a main window of their own use the application's.
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp != pThread ? pApp->m_pMainWnd : NULL;
}

MSG* AFXAPI AfxGetCurrentMessage()
{
    return &AfxGetThreadState()->m_msgCur;
}

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg)
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PreTranslateMessage(pMsg);
    return PreTranslateThroughWindows(AfxGetMainWnd(), pMsg);
}

BOOL AFXAPI AfxPumpMessage()
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PumpMessage();
    return PumpOne(NULL);
}

BOOL AFXAPI AfxIsIdleMessage(MSG* pMsg)
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->IsIdleMessage(pMsg);
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118 && pMsg->message != WM_MOUSEMOVE &&
           pMsg->message != WM_NCMOUSEMOVE;
}

LRESULT AFXAPI AfxProcessWndProcException(CException* e, const MSG* pMsg)
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->ProcessWndProcException(e, pMsg);
    return DefaultWndProcException(e, pMsg);
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}

namespace {

// Starts pThread at nPriority; null (and the object deleted) when the thread cannot be made.
CWinThread* StartThread(CWinThread* pThread, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                        LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
        pThread->Delete();
        return NULL;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        pThread->ResumeThread();
    return pThread;
}

} // namespace

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    return StartThread(new CWinThread(pfnThreadProc, pParam), nPriority, nStackSize, dwCreateFlags, lpSecurityAttrs);
}

CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (pThreadClass == NULL || !pThreadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread)))
        AfxThrowInvalidArgException();
    CWinThread* pThread = static_cast<CWinThread*>(pThreadClass->CreateObject());
    if (pThread == NULL)
        AfxThrowMemoryException();
    return StartThread(pThread, nPriority, nStackSize, dwCreateFlags, lpSecurityAttrs);
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete)
{
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    CWinThread* pThread = state->m_pCurrentWinThread;
    if (pThread != NULL && bDelete)
        pThread->Delete();
    state->m_pCurrentWinThread = NULL;
    // The thread's temporary objects go with its state when the thread ends.
    _endthreadex(nExitCode);
    for (;;) {
    }
}
