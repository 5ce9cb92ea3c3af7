// Waiting on the user-interface thread without deadlocking the link's worker threads, which
// reach that thread's windows with SendMessage and block until it is handled.
#pragma once

#include <windows.h>

// Waits up to `timeout` ms for `handle`, handling messages sent to the calling thread's windows
// meanwhile (posted messages stay queued). TRUE when the handle was signalled.
BOOL WaitPumpingSent(HANDLE handle, DWORD timeout);
