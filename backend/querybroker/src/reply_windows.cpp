#include "ReplyWindows.h"

#include <set>

namespace reply_windows {

namespace {

std::set<HWND>& Windows()
{
    static std::set<HWND> windows;
    return windows;
}

BOOL IsOwnWindow(HWND window)
{
    DWORD process = 0;
    return window != NULL && IsWindow(window) && GetWindowThreadProcessId(window, &process) != 0 &&
           process == GetCurrentProcessId();
}

} // namespace

BOOL Remember(HWND window)
{
    if (!IsOwnWindow(window))
        return FALSE;
    Windows().insert(window);
    return TRUE;
}

BOOL IsHandedOut(HWND window)
{
    return Windows().count(window) != 0 && IsOwnWindow(window);
}

void ForgetDead()
{
    std::set<HWND>& windows = Windows();
    for (auto it = windows.begin(); it != windows.end();)
        it = IsWindow(*it) ? std::next(it) : windows.erase(it);
}

void ForgetAll()
{
    Windows().clear();
}

} // namespace reply_windows
