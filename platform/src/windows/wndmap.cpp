// Thread state and the window handle map: permanent objects (attached by creation, subclassing
// or Attach) are process-wide; temporary objects made for foreign handles belong to the thread
// that asked and are freed at its idle time or when it ends.
#include "afxwin.h"
#include "wndimpl_.h"


namespace {

AfxHandleMap_<HWND, CWnd>& Map()
{
    static AfxHandleMap_<HWND, CWnd> map(
        [](HWND h) {
            CWnd* p = new CWnd;
            p->m_hWnd = h;
            return p;
        },
        [](CWnd*, HWND) { return true; },
        [](CWnd* p) {
            p->m_hWnd = NULL;
            delete p;
        });
    return map;
}

void WINAPI FreeThreadState(void* p)
{
    delete static_cast<_AFX_THREAD_STATE*>(p);
}

DWORD ThreadStateSlot()
{
    static DWORD slot = ::FlsAlloc(&FreeThreadState);
    return slot;
}

} // namespace

_AFX_THREAD_STATE::_AFX_THREAD_STATE()
    : m_lastSentMsg(), m_msgCur(), m_ptCursorLast(), m_nMsgLast(0), m_pWndInit(NULL), m_hHookOldCbtFilter(NULL),
      m_nCbtHookUsers(0), m_pCurrentWinThread(NULL), m_pTempWnds(new AfxTempWndMap_), m_nTempMapLock(0)
{
    m_ptCursorLast.x = m_ptCursorLast.y = -1;
}

_AFX_THREAD_STATE::~_AFX_THREAD_STATE()
{
    // The thread ends: its temporary objects of every kind go with it.
    AfxDeleteTempWnds_(m_pTempWnds);
    AfxDeleteTempMenus_(m_pTempWnds);
    AfxDeleteTempDCs_(m_pTempWnds);
    AfxDeleteTempGdiObjects_(m_pTempWnds);
    delete m_pTempWnds;
    if (m_hHookOldCbtFilter != NULL)
        ::UnhookWindowsHookEx(m_hHookOldCbtFilter);
}

_AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    DWORD slot = ThreadStateSlot();
    auto* state = static_cast<_AFX_THREAD_STATE*>(::FlsGetValue(slot));
    if (state == NULL) {
        state = new _AFX_THREAD_STATE;
        ::FlsSetValue(slot, state);
    }
    return state;
}

void AFXAPI AfxLockTempMaps()
{
    ++AfxGetThreadState()->m_nTempMapLock;
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_nTempMapLock > 0 && --state->m_nTempMapLock > 0)
        return FALSE;
    if (!bDeleteTemps)
        return FALSE;
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    return TRUE;
}

int AFXAPI AfxGetTempWndCount()
{
    return (int)AfxGetThreadState()->m_pTempWnds->wnds.live.size();
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    return Map().FindPermanent(hWnd);
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return hWnd == NULL ? NULL : Map().FromHandle(hWnd, AfxGetThreadState()->m_pTempWnds->wnds);
}

void AfxDeleteTempWnds_(AfxTempWndMap_* map)
{
    Map().DeleteTemporaries(map->wnds);
}

void PASCAL CWnd::DeleteTempMap()
{
    AfxDeleteTempWnds_(AfxGetThreadState()->m_pTempWnds);
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL)
        return FALSE;
    Map().SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL && Map().FindPermanent(hWnd) == this) {
        Map().RemovePermanent(hWnd, this);
        // The window goes on without this object: it gets back the procedure it had before,
        // or the framework's procedure would find nobody and a control would stop working.
        WNDPROC* ppfnSuper = GetSuperWndProcAddr();
        if (*ppfnSuper != NULL && ::IsWindow(hWnd) && AfxIsFrameworkProc_(hWnd))
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)*ppfnSuper);
        *ppfnSuper = NULL;
    }
    m_hWnd = NULL;
    return hWnd;
}
