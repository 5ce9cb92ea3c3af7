// WinINet in the framework's shape: an internet session, its HTTP connections and the files
// (requests) they open. Failures of the calls that must succeed throw CInternetException*.
#pragma once

#include "afx.h"
#include <wininet.h>

class CInternetSession;
class CInternetConnection;
class CHttpConnection;
class CInternetFile;
class CHttpFile;
class CInternetException;

// Service types reported by AfxParseURL: WinINet's for the services it has, the framework's own
// values for the rest.
#define AFX_INET_SERVICE_FTP INTERNET_SERVICE_FTP
#define AFX_INET_SERVICE_HTTP INTERNET_SERVICE_HTTP
#define AFX_INET_SERVICE_GOPHER INTERNET_SERVICE_GOPHER
#define AFX_INET_SERVICE_UNK 0x1000
#define AFX_INET_SERVICE_FILE (AFX_INET_SERVICE_UNK + 1)
#define AFX_INET_SERVICE_MAILTO (AFX_INET_SERVICE_UNK + 2)
#define AFX_INET_SERVICE_MID (AFX_INET_SERVICE_UNK + 3)
#define AFX_INET_SERVICE_CID (AFX_INET_SERVICE_UNK + 4)
#define AFX_INET_SERVICE_NEWS (AFX_INET_SERVICE_UNK + 5)
#define AFX_INET_SERVICE_NNTP (AFX_INET_SERVICE_UNK + 6)
#define AFX_INET_SERVICE_PROSPERO (AFX_INET_SERVICE_UNK + 7)
#define AFX_INET_SERVICE_TELNET (AFX_INET_SERVICE_UNK + 8)
#define AFX_INET_SERVICE_WAIS (AFX_INET_SERVICE_UNK + 9)
#define AFX_INET_SERVICE_AFS (AFX_INET_SERVICE_UNK + 10)
#define AFX_INET_SERVICE_HTTPS (AFX_INET_SERVICE_UNK + 11)

// Access types of CInternetSession.
#define PRE_CONFIG_INTERNET_ACCESS INTERNET_OPEN_TYPE_PRECONFIG
#define LOCAL_INTERNET_ACCESS INTERNET_OPEN_TYPE_DIRECT
#define CERN_PROXY_INTERNET_ACCESS INTERNET_OPEN_TYPE_PROXY

// Splits "scheme://[user[:password]@]server[:port][/object]". The object keeps its query and
// fragment and is "/" when the URL has none; the port is the scheme's default when the URL names
// none. FALSE (and AFX_INET_SERVICE_UNK) for text that is not such a URL.
AFX_PLATFORM_API BOOL AFXAPI AfxParseURL(LPCSTR pstrURL, DWORD& dwServiceType, CString& strServer,
                                         CString& strObject, INTERNET_PORT& nPort);
AFX_PLATFORM_API BOOL AFXAPI AfxParseURLEx(LPCSTR pstrURL, DWORD& dwServiceType, CString& strServer,
                                           CString& strObject, INTERNET_PORT& nPort, CString& strUsername,
                                           CString& strPassword, DWORD dwFlags = 0);

// Throws a CInternetException for dwError (0: the calling thread's last error).
[[noreturn]] AFX_PLATFORM_API void AFXAPI AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError = 0);

class AFX_PLATFORM_API CInternetException : public CException
{
    DECLARE_DYNAMIC(CInternetException)
public:
    explicit CInternetException(DWORD dwError);
    virtual ~CInternetException();
    // WinINet's text for the error (the server's own text for ERROR_INTERNET_EXTENDED_ERROR).
    virtual BOOL GetErrorMessage(LPSTR lpstrError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

    DWORD_PTR m_dwContext;
    DWORD m_dwError;
};

class AFX_PLATFORM_API CInternetSession : public CObject
{
    DECLARE_DYNAMIC(CInternetSession)
public:
    // Opens the WinINet session; failure throws. dwContext is the context of the session's own
    // operations and the default of its connections and files.
    CInternetSession(LPCSTR pstrAgent = NULL, DWORD_PTR dwContext = 1,
                     DWORD dwAccessType = PRE_CONFIG_INTERNET_ACCESS, LPCSTR pstrProxyName = NULL,
                     LPCSTR pstrProxyBypass = NULL, DWORD dwFlags = 0);
    virtual ~CInternetSession();

    BOOL QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const;
    BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;
    BOOL QueryOption(DWORD dwOption, CString& refString) const;
    // dwFlags ISO_GLOBAL sets the option for the whole process instead of this session.
    BOOL SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD dwFlags = 0);
    BOOL SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags = 0);

    // Opens an http, https or ftp URL for reading (a CHttpFile for http and https); failure throws.
    CStdioFile* OpenURL(LPCSTR pstrURL, DWORD_PTR dwContext = 1, DWORD dwFlags = INTERNET_FLAG_TRANSFER_ASCII,
                        LPCSTR pstrHeaders = NULL, DWORD dwHeadersLength = 0);
    // A connection to an HTTP server (dwFlags: InternetConnect flags); failure throws. The caller
    // deletes it.
    CHttpConnection* GetHttpConnection(LPCSTR pstrServer, INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                                       LPCSTR pstrUserName = NULL, LPCSTR pstrPassword = NULL);
    CHttpConnection* GetHttpConnection(LPCSTR pstrServer, DWORD dwFlags,
                                       INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                                       LPCSTR pstrUserName = NULL, LPCSTR pstrPassword = NULL);

    // Routes WinINet's status callbacks for this session and the connections and files opened
    // after this call to OnStatusCallback, on the thread that runs the operation. Failure throws.
    BOOL EnableStatusCallback(BOOL bEnable = TRUE);

    DWORD ServiceTypeFromHandle(HINTERNET hQuery);
    DWORD_PTR GetContext() const { return m_dwContext; }
    operator HINTERNET() const { return m_hSession; }

    virtual void Close();
    virtual void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                                  DWORD dwStatusInformationLength);

protected:
    DWORD_PTR m_dwContext;
    HINTERNET m_hSession;
    INTERNET_STATUS_CALLBACK m_pOldCallback;
    BOOL m_bCallbackEnabled;

private:
    CInternetSession(const CInternetSession&) = delete;
    void operator=(const CInternetSession&) = delete;
};

class AFX_PLATFORM_API CInternetConnection : public CObject
{
    DECLARE_DYNAMIC(CInternetConnection)
public:
    CInternetConnection(CInternetSession* pSession, LPCSTR pstrServer,
                        INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER, DWORD_PTR dwContext = 1);
    virtual ~CInternetConnection();

    BOOL QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const;
    BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;
    BOOL QueryOption(DWORD dwOption, CString& refString) const;
    BOOL SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD dwFlags = 0);
    BOOL SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags = 0);

    DWORD_PTR GetContext() const { return m_dwContext; }
    CInternetSession* GetSession() const { return m_pSession; }
    CString GetServerName() const { return m_strServerName; }
    operator HINTERNET() const { return m_hConnection; }

    virtual void Close();

protected:
    HINTERNET m_hConnection;
    DWORD_PTR m_dwContext;
    CInternetSession* m_pSession;
    CString m_strServerName;
    INTERNET_PORT m_nPort;

private:
    CInternetConnection(const CInternetConnection&) = delete;
    void operator=(const CInternetConnection&) = delete;
};

class AFX_PLATFORM_API CHttpConnection : public CInternetConnection
{
    DECLARE_DYNAMIC(CHttpConnection)
public:
    enum
    {
        HTTP_VERB_MIN = 0,
        HTTP_VERB_POST = 0,
        HTTP_VERB_GET = 1,
        HTTP_VERB_HEAD = 2,
        HTTP_VERB_PUT = 3,
        HTTP_VERB_LINK = 4,
        HTTP_VERB_DELETE = 5,
        HTTP_VERB_UNLINK = 6,
        HTTP_VERB_MAX = 6
    };
    static const LPCSTR szHtmlVerbs[HTTP_VERB_MAX + 1];

    // Failure to connect throws.
    CHttpConnection(CInternetSession* pSession, HINTERNET hConnected, LPCSTR pstrServer, DWORD_PTR dwContext);
    CHttpConnection(CInternetSession* pSession, LPCSTR pstrServer,
                    INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER, LPCSTR pstrUserName = NULL,
                    LPCSTR pstrPassword = NULL, DWORD_PTR dwContext = 1);
    CHttpConnection(CInternetSession* pSession, LPCSTR pstrServer, DWORD dwFlags,
                    INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER, LPCSTR pstrUserName = NULL,
                    LPCSTR pstrPassword = NULL, DWORD_PTR dwContext = 1);
    virtual ~CHttpConnection();

    // Opens a request (not sent yet); failure throws. dwContext 1 means the connection's context.
    // The caller deletes the file.
    CHttpFile* OpenRequest(LPCSTR pstrVerb, LPCSTR pstrObjectName, LPCSTR pstrReferer = NULL,
                           DWORD_PTR dwContext = 1, LPCSTR* ppstrAcceptTypes = NULL, LPCSTR pstrVersion = NULL,
                           DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT);
    CHttpFile* OpenRequest(int nVerb, LPCSTR pstrObjectName, LPCSTR pstrReferer = NULL, DWORD_PTR dwContext = 1,
                           LPCSTR* ppstrAcceptTypes = NULL, LPCSTR pstrVersion = NULL,
                           DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT);
};

class AFX_PLATFORM_API CInternetFile : public CStdioFile
{
    DECLARE_DYNAMIC(CInternetFile)
public:
    CInternetFile(HINTERNET hFile, LPCSTR pstrFileName, CInternetConnection* pConnection, BOOL bReadMode);
    CInternetFile(HINTERNET hFile, HINTERNET hSession, LPCSTR pstrFileName, LPCSTR pstrServer,
                  DWORD_PTR dwContext, BOOL bReadMode);
    virtual ~CInternetFile();

    BOOL QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const;
    BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;
    BOOL QueryOption(DWORD dwOption, CString& refString) const;
    BOOL SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD dwFlags = 0);
    BOOL SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags = 0);

    DWORD_PTR GetContext() const { return m_dwContext; }
    operator HINTERNET() const { return m_hInternet; }
    virtual CString GetFileURL() const;

    // Reads up to nCount bytes; 0 at the end of the data. Failure throws.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    // A line without its "\r\n" (or "\n"); FALSE at the end of the data.
    virtual BOOL ReadString(CString& rString);
    // At most nMax - 1 bytes of a line, its "\n" kept; null at the end of the data.
    virtual LPSTR ReadString(LPSTR pstr, UINT nMax);
    virtual void WriteString(LPCSTR pstr);
    virtual BOOL SetReadBufferSize(UINT nReadSize);
    virtual BOOL SetWriteBufferSize(UINT nWriteSize);

    virtual ULONGLONG Seek(LONGLONG lOffset, UINT nFrom);
    virtual ULONGLONG GetPosition() const;
    // The bytes that can be read now without waiting (not the size of the whole reply).
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual void LockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual CFile* Duplicate() const;
    virtual void Flush();
    virtual void Close();
    virtual void Abort();

protected:
    // Reads into the read buffer when it is empty; FALSE at the end of the data.
    BOOL FillReadBuffer();

    friend class CHttpConnection;
    friend class CInternetSession;

    HINTERNET m_hInternet;
    HINTERNET m_hConnection; // the connection or session the file belongs to (not owned)
    CInternetSession* m_pSession;
    CString m_strServerName;
    DWORD_PTR m_dwContext;
    BOOL m_bReadMode;
    ULONGLONG m_nPosition;
    BYTE* m_pbReadBuffer;
    UINT m_nReadBufferSize;
    UINT m_nReadBufferPos;
    UINT m_nReadBufferBytes;
};

class AFX_PLATFORM_API CHttpFile : public CInternetFile
{
    DECLARE_DYNAMIC(CHttpFile)
public:
    CHttpFile(HINTERNET hFile, HINTERNET hSession, LPCSTR pstrObject, LPCSTR pstrServer, LPCSTR pstrVerb,
              DWORD_PTR dwContext);
    CHttpFile(HINTERNET hFile, LPCSTR pstrVerb, LPCSTR pstrObject, CHttpConnection* pConnection);
    virtual ~CHttpFile();

    // Header lines separated by "\r\n"; dwHeadersLen -1: up to the terminating NUL.
    BOOL AddRequestHeaders(LPCSTR pstrHeaders, DWORD dwFlags = HTTP_ADDREQ_FLAG_ADD_IF_NEW, int dwHeadersLen = -1);
    BOOL AddRequestHeaders(CString& str, DWORD dwFlags = HTTP_ADDREQ_FLAG_ADD_IF_NEW);

    // Sends the request with optional extra headers and body; failure throws.
    BOOL SendRequest(LPCSTR pstrHeaders = NULL, DWORD dwHeadersLen = 0, LPVOID lpOptional = NULL,
                     DWORD dwOptionalLen = 0);
    BOOL SendRequest(CString& strHeaders, LPVOID lpOptional = NULL, DWORD dwOptionalLen = 0);
    // Starts a request whose body of dwTotalLen bytes follows with Write; EndRequest finishes it.
    BOOL SendRequestEx(DWORD dwTotalLen, DWORD dwFlags = HSR_INITIATE, DWORD_PTR dwContext = 1);
    BOOL SendRequestEx(LPINTERNET_BUFFERSA lpBuffIn, LPINTERNET_BUFFERSA lpBuffOut, DWORD dwFlags = HSR_INITIATE,
                       DWORD_PTR dwContext = 1);
    BOOL EndRequest(DWORD dwFlags = 0, LPINTERNET_BUFFERSA lpBuffIn = NULL, DWORD_PTR dwContext = 1);

    // HttpQueryInfo: FALSE when the reply has no such header. The DWORD form asks for a number.
    BOOL QueryInfo(DWORD dwInfoLevel, LPVOID lpvBuffer, LPDWORD lpdwBufferLength, LPDWORD lpdwIndex = NULL) const;
    BOOL QueryInfo(DWORD dwInfoLevel, CString& str, LPDWORD lpdwIndex = NULL) const;
    BOOL QueryInfo(DWORD dwInfoLevel, SYSTEMTIME* pSysTime, LPDWORD lpdwIndex = NULL) const;
    BOOL QueryInfo(DWORD dwInfoLevel, DWORD& dwResult, LPDWORD lpdwIndex = NULL) const;
    BOOL QueryInfoStatusCode(DWORD& dwStatusCode) const;

    CString GetVerb() const { return m_strVerb; }
    CString GetObject() const { return m_strObject; }
    virtual CString GetFileURL() const;
    virtual void Close();

protected:
    CString m_strObject;
    CString m_strVerb;
};
