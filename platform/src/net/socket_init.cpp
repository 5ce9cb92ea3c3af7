// AfxSocketInit: Windows Sockets starts once per process and stays up until the process ends
// (stopping it while other modules may still hold sockets would break them).
#include <afxsock.h>

namespace {
SRWLOCK g_startLock = SRWLOCK_INIT;
bool g_started;
WSADATA g_wsaData;
} // namespace

BOOL AFXAPI AfxSocketInit(WSADATA* lpwsaData)
{
    AcquireSRWLockExclusive(&g_startLock);
    // A failed start is not remembered, so a later call tries again.
    if (!g_started && WSAStartup(MAKEWORD(2, 2), &g_wsaData) == 0)
        g_started = true;
    const bool started = g_started;
    if (started && lpwsaData != NULL)
        *lpwsaData = g_wsaData;
    ReleaseSRWLockExclusive(&g_startLock);
    return started ? TRUE : FALSE;
}
