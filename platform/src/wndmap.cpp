// Thread state and the window handle map: permanent objects (attached by creation, subclassing
// or Attach) are process-wide; temporary objects made for foreign handles belong to the thread
// that asked and are freed at its idle time or when it ends.
#include "afxwin.h"
#include "wndimpl_.h"


namespace {

class CriticalSection
{
public:
    CriticalSection() { ::InitializeCriticalSection(&m_cs); }
    ~CriticalSection() { ::DeleteCriticalSection(&m_cs); }
    void Lock() { ::EnterCriticalSection(&m_cs); }
    void Unlock() { ::LeaveCriticalSection(&m_cs); }

private:
    CRITICAL_SECTION m_cs;
};

struct PermanentMap
{
    CriticalSection lock;
    std::unordered_map<HWND, CWnd*> wnds;
};

PermanentMap& Permanent()
{
    static PermanentMap map;
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

void DeleteTempWnds(AfxTempWndMap_* map)
{
    if (map == NULL)
        return;
    // Move the objects out first: a destructor may ask for another temporary object.
    std::unordered_map<HWND, CWnd*> wnds;
    wnds.swap(map->wnds);
    for (auto& entry : wnds) {
        entry.second->m_hWnd = NULL; // a temporary object never owns its window
        delete entry.second;
    }
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
    DeleteTempWnds(m_pTempWnds);
    AfxDeleteTempMenus_(m_pTempWnds);
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
    return (int)AfxGetThreadState()->m_pTempWnds->wnds.size();
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    PermanentMap& map = Permanent();
    map.lock.Lock();
    auto it = map.wnds.find(hWnd);
    CWnd* pWnd = it == map.wnds.end() ? NULL : it->second;
    map.lock.Unlock();
    return pWnd;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    auto& temps = AfxGetThreadState()->m_pTempWnds->wnds;
    auto it = temps.find(hWnd);
    if (it != temps.end())
        return it->second;
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    temps[hWnd] = pWnd;
    return pWnd;
}

void PASCAL CWnd::DeleteTempMap()
{
    DeleteTempWnds(AfxGetThreadState()->m_pTempWnds);
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL)
        return FALSE;
    PermanentMap& map = Permanent();
    map.lock.Lock();
    map.wnds[hWndNew] = this;
    map.lock.Unlock();
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL) {
        PermanentMap& map = Permanent();
        map.lock.Lock();
        auto it = map.wnds.find(hWnd);
        if (it != map.wnds.end() && it->second == this)
            map.wnds.erase(it);
        map.lock.Unlock();
    }
    m_hWnd = NULL;
    return hWnd;
}
