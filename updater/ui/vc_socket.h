// The link to the version server: one TCP connection through the framework's asynchronous
// socket on the UI thread. Sends 146-byte requests and hands every complete reply frame to
// its owner window with WM_VERSION_FRAME. Every way the link can fail is reported to the
// owner with WM_VERSION_LINK_FAILED, so that no failure passes for a working link.
#pragma once

#include <afxwin.h>
#include <afxsock.h>

#include "version_frame.h"

// wParam: frame code; lParam: the complete frame, valid only during the call. A nonzero
// result closes the link after the current batch.
#define WM_VERSION_FRAME (WM_USER + 53)
// wParam: socket error code (0 when none); lParam: LPCTSTR message text for the user.
#define WM_VERSION_LINK_FAILED (WM_USER + 54)

class CQuelmar_VCSocket : public CAsyncSocket
{
public:
    CQuelmar_VCSocket();
    virtual ~CQuelmar_VCSocket();

    // 0 only when the socket cannot be created; otherwise 1, with the connected flag telling
    // whether the connection stands (a failed connect has been reported to the owner).
    int ConnectServer(LPCTSTR lpszAddress, int nPort);
    // Queues one request; FALSE (and nothing queued) without a connection or room.
    BOOL SendFrame(const char* pFrame, int nLength);
    // Reads and drops what can still be received, then closes. Only while connected.
    void CloseLink();
    // Tick count of the last bytes received or the last request sent.
    DWORD GetLastActivity() const { return m_dwLastActivity; }

    CWnd* m_pOwner;
    int m_bConnected;
    int m_nSendLen;

protected:
    virtual void OnReceive(int nErrorCode);
    virtual void OnSend(int nErrorCode);
    virtual void OnConnect(int nErrorCode);
    virtual void OnClose(int nErrorCode);

private:
    // Takes what the socket holds into the assembler; FALSE when the link ended.
    BOOL ReceiveAvailable();
    void FlushSend();
    void Fail(LPCTSTR lpszWord, int nError);
    void FailText(const CString& strText, int nError);

    char m_szScratch[VERSION_MAX_FRAME];
    char m_szSend[1024];
    VersionFrameAssembler m_assembler;
    DWORD m_dwLastActivity;
    BOOL m_bInReceive;
    BOOL m_bReceiveMissed;
};
