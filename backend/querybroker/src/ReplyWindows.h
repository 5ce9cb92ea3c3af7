// The windows this agent has named as reply windows in its requests. A reply is delivered
// only to one of them: the window field of a reply is server data and could name any window,
// even one of another process.
#pragma once

#include <windows.h>

namespace reply_windows {

// Records a window of this process that a request names; FALSE for any other handle.
BOOL Remember(HWND window);
// TRUE for a live window that a request of this agent named.
BOOL IsHandedOut(HWND window);
// Forgets windows that no longer exist.
void ForgetDead();
void ForgetAll();

} // namespace reply_windows
