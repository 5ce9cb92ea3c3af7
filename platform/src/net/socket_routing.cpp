// Notification windows and the socket routing table.
//
// Handle values are reused as soon as a socket is closed, so a handle alone cannot tell whether a
// queued notification is still meant for the object that now owns it. Detaching a socket therefore
// posts a marker behind everything already queued for it on its window; until the window has
// taken the marker off its queue, notifications for that handle value are dropped there.
#include "socket_routing.h"

#include <map>
#include <utility>

namespace afx_socket {
namespace {

const UINT WM_SOCKET_DEAD = 0x0374;
const char kWindowClass[] = "AfxSocketNotifySink";

struct Route
{
    CAsyncSocket* pSocket;
    HWND hWnd;
    DWORD threadId;
};

struct Registry
{
    SRWLOCK lock = SRWLOCK_INIT;
    std::map<SOCKET, Route> routes;
    // Markers posted and not yet taken off the window's queue, per window and handle.
    std::map<std::pair<HWND, SOCKET>, int> pendingDead;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

struct ExclusiveLock
{
    explicit ExclusiveLock(SRWLOCK& l) : lock(l) { AcquireSRWLockExclusive(&lock); }
    ~ExclusiveLock() { ReleaseSRWLockExclusive(&lock); }
    SRWLOCK& lock;
};

thread_local HWND t_hNotifyWnd;

LRESULT CALLBACK NotifyWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SOCKET_NOTIFY:
        CAsyncSocket::DoCallBack(wParam, lParam);
        return 0;
    case WM_SOCKET_DEAD: {
        Registry& r = TheRegistry();
        ExclusiveLock hold(r.lock);
        auto it = r.pendingDead.find(std::make_pair(hWnd, static_cast<SOCKET>(wParam)));
        if (it != r.pendingDead.end() && --it->second <= 0)
            r.pendingDead.erase(it);
        return 0;
    }
    case WM_DESTROY: {
        Registry& r = TheRegistry();
        ExclusiveLock hold(r.lock);
        for (auto it = r.pendingDead.begin(); it != r.pendingDead.end();)
            it = it->first.first == hWnd ? r.pendingDead.erase(it) : std::next(it);
        if (t_hNotifyWnd == hWnd)
            t_hNotifyWnd = NULL;
        return 0;
    }
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

HINSTANCE ThisModule()
{
    HMODULE hModule = NULL;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       kWindowClass, &hModule);
    return hModule;
}

BOOL RegisterWindowClass()
{
    static const BOOL registered = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = NotifyWndProc;
        wc.hInstance = ThisModule();
        wc.lpszClassName = kWindowClass;
        return RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

} // namespace

HWND ThreadWindow()
{
    if (t_hNotifyWnd != NULL && IsWindow(t_hNotifyWnd))
        return t_hNotifyWnd;
    t_hNotifyWnd = NULL;
    if (!RegisterWindowClass())
        return NULL;
    // A message-only window: never shown, never enumerated, still fed by the thread's loop.
    t_hNotifyWnd = CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, ThisModule(), NULL);
    return t_hNotifyWnd;
}

BOOL Attach(SOCKET hSocket, CAsyncSocket* pSocket, HWND hWnd)
{
    if (hWnd == NULL && (hWnd = ThreadWindow()) == NULL)
        return FALSE;
    Registry& r = TheRegistry();
    ExclusiveLock hold(r.lock);
    r.routes[hSocket] = Route{pSocket, hWnd, GetWindowThreadProcessId(hWnd, NULL)};
    return TRUE;
}

HWND OwnerWindow(SOCKET hSocket, CAsyncSocket* pSocket)
{
    Registry& r = TheRegistry();
    {
        ExclusiveLock hold(r.lock);
        auto it = r.routes.find(hSocket);
        if (it != r.routes.end() && it->second.pSocket == pSocket && IsWindow(it->second.hWnd))
            return it->second.hWnd;
    }
    HWND hWnd = ThreadWindow();
    if (hWnd != NULL && !Attach(hSocket, pSocket, hWnd))
        return NULL;
    return hWnd;
}

void Detach(SOCKET hSocket, CAsyncSocket* pSocket)
{
    Registry& r = TheRegistry();
    ExclusiveLock hold(r.lock);
    auto it = r.routes.find(hSocket);
    if (it == r.routes.end() || it->second.pSocket != pSocket)
        return;
    HWND hWnd = it->second.hWnd;
    r.routes.erase(it);
    // Posted under the lock so that the count is in place before the window can see the marker.
    auto key = std::make_pair(hWnd, hSocket);
    ++r.pendingDead[key];
    if (!PostMessageA(hWnd, WM_SOCKET_DEAD, static_cast<WPARAM>(hSocket), 0) && --r.pendingDead[key] <= 0)
        r.pendingDead.erase(key);
}

CAsyncSocket* FromHandle(SOCKET hSocket)
{
    Registry& r = TheRegistry();
    ExclusiveLock hold(r.lock);
    auto it = r.routes.find(hSocket);
    if (it == r.routes.end() || it->second.threadId != GetCurrentThreadId())
        return NULL;
    return it->second.pSocket;
}

CAsyncSocket* Recipient(SOCKET hSocket)
{
    HWND hWnd = t_hNotifyWnd;
    if (hWnd == NULL)
        return NULL;
    Registry& r = TheRegistry();
    ExclusiveLock hold(r.lock);
    if (r.pendingDead.count(std::make_pair(hWnd, hSocket)) != 0)
        return NULL;
    auto it = r.routes.find(hSocket);
    if (it == r.routes.end() || it->second.hWnd != hWnd)
        return NULL;
    return it->second.pSocket;
}

} // namespace afx_socket
