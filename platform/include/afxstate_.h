// Per-thread state of the window layer: the record of the message being handled, the pending
// window of a creation in progress, the current thread object and the temporary-object maps.
#pragma once

#include "afxplatform_.h"

class CWnd;
class CWinThread;
struct AfxTempWndMap_;

class AFX_PLATFORM_API _AFX_THREAD_STATE
{
public:
    _AFX_THREAD_STATE();
    ~_AFX_THREAD_STATE();

    // The message the framework's window procedure is handling now (what Default and
    // GetCurrentMessage see); saved and restored around every nested call.
    MSG m_lastSentMsg;
    // The message the thread's loop took from the queue last (AfxGetCurrentMessage).
    MSG m_msgCur;
    POINT m_ptCursorLast; // for idle detection of mouse moves
    UINT m_nMsgLast;

    // Window being created by CreateEx or a dialog creation: the creation hook attaches it to
    // the first window created on this thread.
    CWnd* m_pWndInit;
    HHOOK m_hHookOldCbtFilter;
    int m_nCbtHookUsers;

    CWinThread* m_pCurrentWinThread;

    // Temporary CWnd, CMenu, CDC and GDI objects made by FromHandle for handles nobody attached.
    AfxTempWndMap_* m_pTempWnds;
    int m_nTempMapLock;

private:
    _AFX_THREAD_STATE(const _AFX_THREAD_STATE&) = delete;
    _AFX_THREAD_STATE& operator=(const _AFX_THREAD_STATE&) = delete;
};

// The calling thread's state, created on first use and freed when the thread ends.
AFX_PLATFORM_API _AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

// Temporary objects (CWnd, CDC, GDI objects, menus) survive while the maps are locked; unlocking
// the last lock deletes them. Returns TRUE when the temporary objects were deleted.
AFX_PLATFORM_API void AFXAPI AfxLockTempMaps();
AFX_PLATFORM_API BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);
// Number of temporary CWnd objects the calling thread holds (diagnostics and tests).
AFX_PLATFORM_API int AFXAPI AfxGetTempWndCount();
