// Which CInternetSession a WinINet handle belongs to, so that WinINet's status callback (one
// function for every handle) reaches the right session's OnStatusCallback.
#pragma once

#include <afxinet.h>

namespace afx_inet {

void Register(HINTERNET hInternet, CInternetSession* pSession);
void Unregister(HINTERNET hInternet);
// Forgets every handle of the session (when it closes).
void UnregisterSession(CInternetSession* pSession);

// While a session creates a handle, callbacks for the handle that is not registered yet (its
// "handle created" notice) belong to that session.
class CreatingScope
{
public:
    explicit CreatingScope(CInternetSession* pSession);
    ~CreatingScope();

private:
    CInternetSession* m_pPrevious;
};

void CALLBACK StatusCallback(HINTERNET hInternet, DWORD_PTR dwContext, DWORD dwInternetStatus,
                             LPVOID lpvStatusInformation, DWORD dwStatusInformationLength);

// Option helpers shared by sessions, connections and files.
BOOL QueryOption(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen);
BOOL QueryOption(HINTERNET hInternet, DWORD dwOption, DWORD& dwValue);
BOOL QueryOption(HINTERNET hInternet, DWORD dwOption, CString& refString);
BOOL SetOption(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD dwFlags);

} // namespace afx_inet
