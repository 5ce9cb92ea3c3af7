// The agent's one table of window tokens, kept to live windows of this process.
#include "AgentWindows.h"

#include "WindowTokens.h"

namespace agent_windows {

namespace {

CWindowTokens& Tokens()
{
    static CWindowTokens tokens;
    return tokens;
}

BOOL IsOwnWindow(HWND window)
{
    DWORD process = 0;
    return window != NULL && IsWindow(window) && GetWindowThreadProcessId(window, &process) != 0 &&
           process == GetCurrentProcessId();
}

// Run before every hand-out and lookup: the token of a destroyed window leads nowhere, and a
// new window gets a new token (its handle comes back only after the reuse counter wraps).
void ForgetDead()
{
    Tokens().ForgetIf([](HWND window) { return !IsWindow(window); });
}

} // namespace

int Ask(HWND window)
{
    ForgetDead();
    return IsOwnWindow(window) ? Tokens().Ask(window) : 0;
}

int Register(HWND window)
{
    ForgetDead();
    return IsOwnWindow(window) ? Tokens().Register(window) : 0;
}

void Unregister(HWND window)
{
    Tokens().Unregister(window);
}

void UnregisterAll()
{
    Tokens().UnregisterAll();
}

HWND ReplyWindow(int token)
{
    ForgetDead();
    const HWND window = Tokens().ReplyWindow(token);
    return IsOwnWindow(window) ? window : NULL;
}

} // namespace agent_windows
