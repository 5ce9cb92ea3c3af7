// Window hooks: the process-wide map from a window to its newest hook, the shared window
// procedure and the chain operations.
#include "SubclassWnd.h"

#include <afxcoll.h>

IMPLEMENT_DYNAMIC(CSubclassWnd, CObject)

LRESULT CALLBACK HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Window handle to the newest hook of that window.
class CSubclassWndMap : private CMapPtrToPtr
{
public:
    CSubclassWndMap() : CMapPtrToPtr(10) {}

    static CSubclassWndMap& Instance()
    {
        static CSubclassWndMap map;
        return map;
    }

    CSubclassWnd* Lookup(HWND hWnd) const
    {
        void* pHook = NULL;
        return CMapPtrToPtr::Lookup(hWnd, pHook) ? static_cast<CSubclassWnd*>(pHook) : NULL;
    }

    void Add(HWND hWnd, CSubclassWnd* pHook)
    {
        pHook->m_pNext = Lookup(hWnd);
        SetAt(hWnd, pHook);
        if (pHook->m_pNext == NULL)
            pHook->m_pOldWndProc = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookWndProc)));
        else
            pHook->m_pOldWndProc = pHook->m_pNext->m_pOldWndProc;
    }

    void Remove(CSubclassWnd* pHook)
    {
        HWND hWnd = pHook->m_hWndHooked;
        CSubclassWnd* pEntry = Lookup(hWnd);
        if (pEntry == pHook) {
            if (pHook->m_pNext == NULL) {
                RemoveKey(hWnd);
                ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pHook->m_pOldWndProc));
            } else {
                SetAt(hWnd, pHook->m_pNext);
            }
        } else {
            for (CSubclassWnd* p = pEntry; p != NULL; p = p->m_pNext) {
                if (p->m_pNext == pHook) {
                    p->m_pNext = pHook->m_pNext;
                    break;
                }
            }
        }
    }
};

CSubclassWnd::CSubclassWnd() : m_pWndHooked(NULL), m_pOldWndProc(NULL), m_pNext(NULL), m_hWndHooked(NULL)
{
}

CSubclassWnd::~CSubclassWnd()
{
    if (IsHooked())
        HookWindow(NULL);
}

BOOL CSubclassWnd::HookWindow(CWnd* pWnd)
{
    if (pWnd != NULL) {
        HWND hWnd = pWnd->GetSafeHwnd();
        if (IsHooked() || hWnd == NULL || !::IsWindow(hWnd))
            return FALSE;
        m_hWndHooked = hWnd;
        CSubclassWndMap::Instance().Add(hWnd, this);
        m_pWndHooked = pWnd;
    } else if (IsHooked()) {
        CSubclassWndMap::Instance().Remove(this);
        m_pOldWndProc = NULL;
        m_pWndHooked = NULL;
        m_hWndHooked = NULL;
        m_pNext = NULL;
    }
    return TRUE;
}

LRESULT CSubclassWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pNext != NULL)
        return m_pNext->WindowProc(message, wParam, lParam);
    if (m_pOldWndProc == NULL)
        return 0; // unhooked while handling the message: the window is gone
    return ::CallWindowProcA(m_pOldWndProc, m_hWndHooked, message, wParam, lParam);
}

LRESULT CSubclassWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return CSubclassWnd::WindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CALLBACK HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    const MSG saved = state->m_lastSentMsg;
    state->m_lastSentMsg.hwnd = hWnd;
    state->m_lastSentMsg.message = message;
    state->m_lastSentMsg.wParam = wParam;
    state->m_lastSentMsg.lParam = lParam;

    CSubclassWndMap& map = CSubclassWndMap::Instance();
    CSubclassWnd* pHook = map.Lookup(hWnd);
    LRESULT result = 0;
    if (pHook == NULL) {
        result = ::DefWindowProcA(hWnd, message, wParam, lParam);
    } else if (message == WM_NCDESTROY) {
        // Every hook leaves before the window's own procedure sees its last message.
        WNDPROC pOldWndProc = pHook->m_pOldWndProc;
        while (CSubclassWnd* pEntry = map.Lookup(hWnd))
            pEntry->HookWindow(NULL);
        result = ::CallWindowProcA(pOldWndProc, hWnd, message, wParam, lParam);
    } else {
        result = pHook->WindowProc(message, wParam, lParam);
    }

    state->m_lastSentMsg = saved;
    return result;
}
