// Windows Sockets in the framework's shape: AfxSocketInit and CAsyncSocket, whose notifications
// (WSAAsyncSelect) arrive as virtual calls on the thread that owns the socket.
#pragma once

// afx.h brings in the Winsock declarations (afxplatform_.h: Winsock 2 unless <windows.h> came
// before every framework header).
#include "afx.h"

// Starts Windows Sockets (version 2.2) once per process; later calls only report success.
// lpwsaData, when given, receives the start-up details. FALSE when Winsock cannot start.
AFX_PLATFORM_API BOOL AFXAPI AfxSocketInit(WSADATA* lpwsaData = NULL);

class AFX_PLATFORM_API CAsyncSocket : public CObject
{
    DECLARE_DYNAMIC(CAsyncSocket)
public:
    enum { receives = 0, sends = 1, both = 2 };

    CAsyncSocket();
    virtual ~CAsyncSocket();

    // Creates a socket, asks for lEvent notifications and binds it to nSocketPort (0: any) on
    // lpszSocketAddress (dotted address; null: every local address).
    BOOL Create(UINT nSocketPort = 0, int nSocketType = SOCK_STREAM,
                long lEvent = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE,
                LPCSTR lpszSocketAddress = NULL);
    // Creates an unbound socket.
    BOOL Socket(int nSocketType = SOCK_STREAM,
                long lEvent = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE,
                int nProtocolType = 0, int nAddressFormat = PF_INET);

    // Takes over an open socket handle, whose notifications then come to this object.
    BOOL Attach(SOCKET hSocket, long lEvent = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE);
    // Stops the notifications and hands the handle back without closing it.
    SOCKET Detach();
    // The object of this thread that owns hSocket, or null.
    static CAsyncSocket* PASCAL FromHandle(SOCKET hSocket);
    operator SOCKET() const { return m_hSocket; }

    BOOL GetPeerName(CString& rPeerAddress, UINT& rPeerPort);
    BOOL GetPeerName(SOCKADDR* lpSockAddr, int* lpSockAddrLen);
    BOOL GetSockName(CString& rSocketAddress, UINT& rSocketPort);
    BOOL GetSockName(SOCKADDR* lpSockAddr, int* lpSockAddrLen);
    BOOL SetSockOpt(int nOptionName, const void* lpOptionValue, int nOptionLen, int nLevel = SOL_SOCKET);
    BOOL GetSockOpt(int nOptionName, void* lpOptionValue, int* lpOptionLen, int nLevel = SOL_SOCKET);

    // The calling thread's last Winsock error.
    static int PASCAL GetLastError();

    virtual BOOL Accept(CAsyncSocket& rConnectedSocket, SOCKADDR* lpSockAddr = NULL, int* lpSockAddrLen = NULL);
    BOOL Bind(UINT nSocketPort, LPCSTR lpszSocketAddress = NULL);
    BOOL Bind(const SOCKADDR* lpSockAddr, int nSockAddrLen);
    virtual void Close();
    // lpszHostAddress is a dotted address or a host name. On a non-blocking socket this usually
    // returns FALSE with WSAEWOULDBLOCK, and OnConnect reports the outcome.
    BOOL Connect(LPCSTR lpszHostAddress, UINT nHostPort);
    BOOL Connect(const SOCKADDR* lpSockAddr, int nSockAddrLen);
    BOOL IOCtl(long lCommand, DWORD* lpArgument);
    BOOL Listen(int nConnectionBacklog = 5);
    virtual int Receive(void* lpBuf, int nBufLen, int nFlags = 0);
    int ReceiveFrom(void* lpBuf, int nBufLen, CString& rSocketAddress, UINT& rSocketPort, int nFlags = 0);
    int ReceiveFrom(void* lpBuf, int nBufLen, SOCKADDR* lpSockAddr, int* lpSockAddrLen, int nFlags = 0);
    BOOL ShutDown(int nHow = sends);
    virtual int Send(const void* lpBuf, int nBufLen, int nFlags = 0);
    int SendTo(const void* lpBuf, int nBufLen, UINT nHostPort, LPCSTR lpszHostAddress = NULL, int nFlags = 0);
    int SendTo(const void* lpBuf, int nBufLen, const SOCKADDR* lpSockAddr, int nSockAddrLen, int nFlags = 0);
    // Chooses the notifications (0: none). They go to the thread that owns the socket.
    BOOL AsyncSelect(long lEvent = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE);

    SOCKET m_hSocket;

protected:
    virtual void OnReceive(int nErrorCode);
    virtual void OnSend(int nErrorCode);
    virtual void OnOutOfBandData(int nErrorCode);
    virtual void OnAccept(int nErrorCode);
    virtual void OnConnect(int nErrorCode);
    virtual void OnClose(int nErrorCode);

    virtual BOOL ConnectHelper(const SOCKADDR* lpSockAddr, int nSockAddrLen);
    virtual int ReceiveFromHelper(void* lpBuf, int nBufLen, SOCKADDR* lpSockAddr, int* lpSockAddrLen, int nFlags);
    virtual int SendToHelper(const void* lpBuf, int nBufLen, const SOCKADDR* lpSockAddr, int nSockAddrLen, int nFlags);

public:
    // Delivers one notification (wParam: the socket, lParam: WSAMAKESELECTREPLY(event, error))
    // to the object that owns the socket on this thread; dropped when there is none.
    static void PASCAL DoCallBack(WPARAM wParam, LPARAM lParam);

private:
    CAsyncSocket(const CAsyncSocket&) = delete;
    void operator=(const CAsyncSocket&) = delete;
};
