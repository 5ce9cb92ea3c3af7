#include "PumpWait.h"

BOOL WaitPumpingSent(HANDLE handle, DWORD timeout)
{
    if (handle == NULL)
        return FALSE;
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        const DWORD left = timeout == INFINITE ? INFINITE : (elapsed >= timeout ? 0 : timeout - elapsed);
        const DWORD r = MsgWaitForMultipleObjects(1, &handle, FALSE, left, QS_SENDMESSAGE);
        if (r == WAIT_OBJECT_0)
            return TRUE;
        if (r != WAIT_OBJECT_0 + 1)
            return FALSE;
        // Peeking delivers the messages other threads are sending to us; nothing is removed.
        MSG msg;
        PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}
