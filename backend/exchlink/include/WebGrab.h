// A small HTTP(S) GET client over the framework's internet session, used by the market-data
// feeds (one per feed, on its fetch thread). The session stays open between fetches.
#pragma once

#include <afxwin.h>
#include <afxinet.h>
#include "ExchLinkExport.h"

class CProgressCtrl;

// The internet session of a CWebGrab: turns WinINet's status callbacks into one-line texts in
// an optional status window.
class EXCHLINK_API CWebGrabSession : public CInternetSession
{
public:
    explicit CWebGrabSession(LPCTSTR szAgentName);
    CWebGrabSession(LPCTSTR szAgentName, CWnd* pStatusWnd);
    virtual ~CWebGrabSession();

    void CommonConstruct();
    void SetStatusWnd(CWnd* pWnd) { m_pStatusWnd = pWnd; }
    // Formats into a 512-byte buffer (cut, never overrun) and shows the text in the status window.
    void SetStatus(LPCTSTR fmt, ...);

    virtual void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                                  DWORD dwStatusInformationLength);

protected:
    CWnd* m_pStatusWnd; // not owned, may be null
};

class EXCHLINK_API CWebGrab
{
public:
    CWebGrab();
    virtual ~CWebGrab();

    // Opens a new session (closing any open one); nonzero when a session exists afterwards.
    BOOL Initialise(LPCTSTR szAgentName = NULL, CWnd* pStatusWnd = NULL);
    void Close();

    // GETs szURL into strBuffer; 1 on success, 0 on failure (strBuffer then keeps its content).
    BOOL GetFile(LPCTSTR szURL, CString& strBuffer, LPCTSTR szAgentName = NULL, CWnd* pStatusWnd = NULL);
    // Opens szURL without reading it: Last-Modified text, Content-Length and HTTP status.
    BOOL GetFileInfo(LPCTSTR szURL, CString& strFileInfo, DWORD& dwLength, DWORD& dwStatus,
                     LPCTSTR szAgentName = NULL, CWnd* pStatusWnd = NULL);
    // GETs an ANSI URL with non-ASCII text in it, after AsciiToUTF8.
    BOOL SendTelMsg(LPCTSTR szURL, CString& strBuffer);

    // ANSI text to UTF-8 with every byte of 0x80 or above written as "%XX".
    static void AsciiToUTF8(LPCTSTR szText, CString& strOut);

    void SetTimeOut(DWORD dwTimeOut) { m_timeOut = dwTimeOut; }
    // Connect, send and receive time-out of every request from the next Initialise on; 0 (the
    // start) sets none, and a request then waits as long as the platform lets it.
    void SetRequestTimeOut(DWORD dwTimeOut) { m_requestTimeOut = dwTimeOut; }
    DWORD GetRequestTimeOut() const { return m_requestTimeOut; }
    void SetProxy(LPCTSTR szProxyServer, INTERNET_PORT nProxyPort, BOOL bUseProxy = TRUE);
    void SetProxyServer(LPCTSTR szProxyServer) { m_strProxyServer = szProxyServer; }
    void SetProxyPort(INTERNET_PORT nProxyPort) { m_nProxyPort = nProxyPort; }
    void SetUseProxy(BOOL bUseProxy) { m_bUseProxy = (bUseProxy != FALSE); }
    void SetForceReload(BOOL bForceReload) { m_bForceReload = (bForceReload != FALSE); }
    BOOL GetForceReload() const { return m_bForceReload; }
    void SetProgressCtrl(CProgressCtrl* pProgress) { m_pProgress = pProgress; }
    double GetRate() const { return m_transferRate; }

    // The open session (null when none); the last reply's Content-Length (0 when it had none).
    CWebGrabSession* GetSession() const { return m_pSession; }
    DWORD GetFileSize() const { return m_dwFileSize; }
    // The request flags GetFile opens its URL with.
    DWORD GetFileFlags() const;
    // "server:port" as the session's proxy option gets it; empty while no proxy is used.
    CString GetProxyText() const;

protected:
    // Opens the URL for a GET. With a request time-out an http(s) URL goes through a connection
    // and a request of this object's own that carry it; pConnection is then that connection,
    // to be deleted after the file. Failure throws.
    CStdioFile* OpenForGet(LPCTSTR szURL, DWORD dwFlags, CHttpConnection*& pConnection);

    CWebGrabSession* m_pSession;
    DWORD m_timeOut;
    DWORD m_requestTimeOut;
    bool m_bForceReload;
    bool m_bUseProxy;
    INTERNET_PORT m_nProxyPort;
    CString m_strProxyServer;
    double m_transferRate;
    DWORD m_dwFileSize;
    CProgressCtrl* m_pProgress;
};
