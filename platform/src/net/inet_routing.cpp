// Handle-to-session table for WinINet's status callbacks, and the option helpers.
#include "inet_routing.h"

#include <map>

namespace afx_inet {
namespace {

struct Registry
{
    SRWLOCK lock = SRWLOCK_INIT;
    std::map<HINTERNET, CInternetSession*> sessions;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

thread_local CInternetSession* t_pCreating;

CInternetSession* SessionOf(HINTERNET hInternet)
{
    Registry& r = TheRegistry();
    AcquireSRWLockShared(&r.lock);
    auto it = r.sessions.find(hInternet);
    CInternetSession* pSession = it != r.sessions.end() ? it->second : NULL;
    ReleaseSRWLockShared(&r.lock);
    return pSession != NULL ? pSession : t_pCreating;
}

} // namespace

void Register(HINTERNET hInternet, CInternetSession* pSession)
{
    if (hInternet == NULL || pSession == NULL)
        return;
    Registry& r = TheRegistry();
    AcquireSRWLockExclusive(&r.lock);
    r.sessions[hInternet] = pSession;
    ReleaseSRWLockExclusive(&r.lock);
}

void Unregister(HINTERNET hInternet)
{
    Registry& r = TheRegistry();
    AcquireSRWLockExclusive(&r.lock);
    r.sessions.erase(hInternet);
    ReleaseSRWLockExclusive(&r.lock);
}

void UnregisterSession(CInternetSession* pSession)
{
    Registry& r = TheRegistry();
    AcquireSRWLockExclusive(&r.lock);
    for (auto it = r.sessions.begin(); it != r.sessions.end();)
        it = it->second == pSession ? r.sessions.erase(it) : std::next(it);
    ReleaseSRWLockExclusive(&r.lock);
}

CreatingScope::CreatingScope(CInternetSession* pSession) : m_pPrevious(t_pCreating)
{
    t_pCreating = pSession;
}

CreatingScope::~CreatingScope()
{
    t_pCreating = m_pPrevious;
}

void CALLBACK StatusCallback(HINTERNET hInternet, DWORD_PTR dwContext, DWORD dwInternetStatus,
                             LPVOID lpvStatusInformation, DWORD dwStatusInformationLength)
{
    // Handles of a session that has closed meanwhile find no session and are ignored.
    CInternetSession* pSession = SessionOf(hInternet);
    if (pSession != NULL)
        pSession->OnStatusCallback(dwContext, dwInternetStatus, lpvStatusInformation, dwStatusInformationLength);
}

BOOL QueryOption(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen)
{
    return InternetQueryOptionA(hInternet, dwOption, lpBuffer, lpdwBufLen);
}

BOOL QueryOption(HINTERNET hInternet, DWORD dwOption, DWORD& dwValue)
{
    DWORD dwLen = sizeof dwValue;
    return InternetQueryOptionA(hInternet, dwOption, &dwValue, &dwLen);
}

BOOL QueryOption(HINTERNET hInternet, DWORD dwOption, CString& refString)
{
    DWORD dwLen = 0;
    InternetQueryOptionA(hInternet, dwOption, NULL, &dwLen);
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || dwLen == 0)
        return FALSE;
    LPSTR pBuf = refString.GetBuffer(static_cast<int>(dwLen));
    const BOOL bOk = InternetQueryOptionA(hInternet, dwOption, pBuf, &dwLen);
    refString.ReleaseBuffer(bOk ? -1 : 0);
    return bOk;
}

BOOL SetOption(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD dwFlags)
{
    if (dwFlags & ISO_GLOBAL)
        hInternet = NULL;
    return InternetSetOptionA(hInternet, dwOption, lpBuffer, dwBufferLength);
}

} // namespace afx_inet
