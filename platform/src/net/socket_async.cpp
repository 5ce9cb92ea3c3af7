// CAsyncSocket: thin calls onto Winsock, plus the routing of its notifications.
#include <afxsock.h>

#include "socket_routing.h"

IMPLEMENT_DYNAMIC(CAsyncSocket, CObject)

namespace {

const int kAllEvents = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE;

// A dotted address, or else a host name resolved to its first IPv4 address.
bool ResolveHost(LPCSTR lpszHost, in_addr& addr)
{
    addr.s_addr = inet_addr(lpszHost);
    if (addr.s_addr != INADDR_NONE)
        return true;
    const hostent* host = gethostbyname(lpszHost);
    if (host == NULL || host->h_addrtype != AF_INET || host->h_addr_list[0] == NULL)
        return false;
    memcpy(&addr, host->h_addr_list[0], sizeof addr);
    return true;
}

SOCKADDR_IN MakeAddress(in_addr addr, UINT nPort)
{
    SOCKADDR_IN sockAddr = {};
    sockAddr.sin_family = AF_INET;
    sockAddr.sin_addr = addr;
    sockAddr.sin_port = htons(static_cast<u_short>(nPort));
    return sockAddr;
}

void SplitAddress(const SOCKADDR_IN& sockAddr, CString& rAddress, UINT& rPort)
{
    rAddress = inet_ntoa(sockAddr.sin_addr);
    rPort = ntohs(sockAddr.sin_port);
}

} // namespace

CAsyncSocket::CAsyncSocket() : m_hSocket(INVALID_SOCKET) {}

CAsyncSocket::~CAsyncSocket()
{
    if (m_hSocket != INVALID_SOCKET)
        CAsyncSocket::Close();
}

BOOL CAsyncSocket::Create(UINT nSocketPort, int nSocketType, long lEvent, LPCSTR lpszSocketAddress)
{
    if (!Socket(nSocketType, lEvent))
        return FALSE;
    if (Bind(nSocketPort, lpszSocketAddress))
        return TRUE;
    const int nError = GetLastError();
    Close();
    WSASetLastError(nError);
    return FALSE;
}

BOOL CAsyncSocket::Socket(int nSocketType, long lEvent, int nProtocolType, int nAddressFormat)
{
    m_hSocket = socket(nAddressFormat, nSocketType, nProtocolType);
    if (m_hSocket == INVALID_SOCKET)
        return FALSE;
    if (afx_socket::Attach(m_hSocket, this) && AsyncSelect(lEvent))
        return TRUE;
    const int nError = GetLastError();
    Close();
    WSASetLastError(nError != 0 ? nError : WSAENOBUFS);
    return FALSE;
}

BOOL CAsyncSocket::Attach(SOCKET hSocket, long lEvent)
{
    if (hSocket == INVALID_SOCKET)
        return FALSE;
    m_hSocket = hSocket;
    if (!afx_socket::Attach(hSocket, this)) {
        WSASetLastError(WSAENOBUFS);
        return FALSE;
    }
    return AsyncSelect(lEvent);
}

SOCKET CAsyncSocket::Detach()
{
    const SOCKET hSocket = m_hSocket;
    if (hSocket == INVALID_SOCKET)
        return INVALID_SOCKET;
    AsyncSelect(0);
    afx_socket::Detach(hSocket, this);
    m_hSocket = INVALID_SOCKET;
    return hSocket;
}

CAsyncSocket* PASCAL CAsyncSocket::FromHandle(SOCKET hSocket)
{
    return afx_socket::FromHandle(hSocket);
}

int PASCAL CAsyncSocket::GetLastError()
{
    return WSAGetLastError();
}

BOOL CAsyncSocket::GetPeerName(CString& rPeerAddress, UINT& rPeerPort)
{
    SOCKADDR_IN sockAddr = {};
    int nLen = sizeof sockAddr;
    if (!GetPeerName(reinterpret_cast<SOCKADDR*>(&sockAddr), &nLen))
        return FALSE;
    SplitAddress(sockAddr, rPeerAddress, rPeerPort);
    return TRUE;
}

BOOL CAsyncSocket::GetPeerName(SOCKADDR* lpSockAddr, int* lpSockAddrLen)
{
    return getpeername(m_hSocket, lpSockAddr, lpSockAddrLen) != SOCKET_ERROR;
}

BOOL CAsyncSocket::GetSockName(CString& rSocketAddress, UINT& rSocketPort)
{
    SOCKADDR_IN sockAddr = {};
    int nLen = sizeof sockAddr;
    if (!GetSockName(reinterpret_cast<SOCKADDR*>(&sockAddr), &nLen))
        return FALSE;
    SplitAddress(sockAddr, rSocketAddress, rSocketPort);
    return TRUE;
}

BOOL CAsyncSocket::GetSockName(SOCKADDR* lpSockAddr, int* lpSockAddrLen)
{
    return getsockname(m_hSocket, lpSockAddr, lpSockAddrLen) != SOCKET_ERROR;
}

BOOL CAsyncSocket::SetSockOpt(int nOptionName, const void* lpOptionValue, int nOptionLen, int nLevel)
{
    return setsockopt(m_hSocket, nLevel, nOptionName, static_cast<const char*>(lpOptionValue), nOptionLen) !=
           SOCKET_ERROR;
}

BOOL CAsyncSocket::GetSockOpt(int nOptionName, void* lpOptionValue, int* lpOptionLen, int nLevel)
{
    return getsockopt(m_hSocket, nLevel, nOptionName, static_cast<char*>(lpOptionValue), lpOptionLen) !=
           SOCKET_ERROR;
}

BOOL CAsyncSocket::Accept(CAsyncSocket& rConnectedSocket, SOCKADDR* lpSockAddr, int* lpSockAddrLen)
{
    if (rConnectedSocket.m_hSocket != INVALID_SOCKET) {
        WSASetLastError(WSAEINVAL); // the target already holds a socket
        return FALSE;
    }
    const SOCKET hAccepted = accept(m_hSocket, lpSockAddr, lpSockAddrLen);
    if (hAccepted == INVALID_SOCKET)
        return FALSE;
    // The accepted socket inherits the listener's notifications, window included.
    HWND hWnd = afx_socket::OwnerWindow(m_hSocket, this);
    if (hWnd == NULL || !afx_socket::Attach(hAccepted, &rConnectedSocket, hWnd)) {
        closesocket(hAccepted);
        WSASetLastError(WSAENOBUFS);
        return FALSE;
    }
    rConnectedSocket.m_hSocket = hAccepted;
    return TRUE;
}

BOOL CAsyncSocket::Bind(UINT nSocketPort, LPCSTR lpszSocketAddress)
{
    in_addr addr;
    addr.s_addr = htonl(INADDR_ANY);
    if (lpszSocketAddress != NULL) {
        addr.s_addr = inet_addr(lpszSocketAddress);
        if (addr.s_addr == INADDR_NONE) {
            WSASetLastError(WSAEINVAL);
            return FALSE;
        }
    }
    SOCKADDR_IN sockAddr = MakeAddress(addr, nSocketPort);
    return Bind(reinterpret_cast<SOCKADDR*>(&sockAddr), sizeof sockAddr);
}

BOOL CAsyncSocket::Bind(const SOCKADDR* lpSockAddr, int nSockAddrLen)
{
    return bind(m_hSocket, lpSockAddr, nSockAddrLen) != SOCKET_ERROR;
}

void CAsyncSocket::Close()
{
    if (m_hSocket == INVALID_SOCKET)
        return;
    const SOCKET hSocket = m_hSocket;
    // Notifications off first: nothing new is queued for the handle once it is forgotten.
    AsyncSelect(0);
    afx_socket::Detach(hSocket, this);
    m_hSocket = INVALID_SOCKET;
    closesocket(hSocket);
}

BOOL CAsyncSocket::Connect(LPCSTR lpszHostAddress, UINT nHostPort)
{
    in_addr addr;
    if (lpszHostAddress == NULL || !ResolveHost(lpszHostAddress, addr)) {
        WSASetLastError(WSAEINVAL);
        return FALSE;
    }
    SOCKADDR_IN sockAddr = MakeAddress(addr, nHostPort);
    return Connect(reinterpret_cast<SOCKADDR*>(&sockAddr), sizeof sockAddr);
}

BOOL CAsyncSocket::Connect(const SOCKADDR* lpSockAddr, int nSockAddrLen)
{
    return ConnectHelper(lpSockAddr, nSockAddrLen);
}

BOOL CAsyncSocket::IOCtl(long lCommand, DWORD* lpArgument)
{
    return ioctlsocket(m_hSocket, lCommand, reinterpret_cast<u_long*>(lpArgument)) != SOCKET_ERROR;
}

BOOL CAsyncSocket::Listen(int nConnectionBacklog)
{
    return listen(m_hSocket, nConnectionBacklog) != SOCKET_ERROR;
}

int CAsyncSocket::Receive(void* lpBuf, int nBufLen, int nFlags)
{
    return recv(m_hSocket, static_cast<char*>(lpBuf), nBufLen, nFlags);
}

int CAsyncSocket::ReceiveFrom(void* lpBuf, int nBufLen, CString& rSocketAddress, UINT& rSocketPort, int nFlags)
{
    SOCKADDR_IN sockAddr = {};
    int nLen = sizeof sockAddr;
    const int nResult = ReceiveFrom(lpBuf, nBufLen, reinterpret_cast<SOCKADDR*>(&sockAddr), &nLen, nFlags);
    if (nResult != SOCKET_ERROR)
        SplitAddress(sockAddr, rSocketAddress, rSocketPort);
    return nResult;
}

int CAsyncSocket::ReceiveFrom(void* lpBuf, int nBufLen, SOCKADDR* lpSockAddr, int* lpSockAddrLen, int nFlags)
{
    return ReceiveFromHelper(lpBuf, nBufLen, lpSockAddr, lpSockAddrLen, nFlags);
}

BOOL CAsyncSocket::ShutDown(int nHow)
{
    return shutdown(m_hSocket, nHow) != SOCKET_ERROR;
}

int CAsyncSocket::Send(const void* lpBuf, int nBufLen, int nFlags)
{
    return send(m_hSocket, static_cast<const char*>(lpBuf), nBufLen, nFlags);
}

int CAsyncSocket::SendTo(const void* lpBuf, int nBufLen, UINT nHostPort, LPCSTR lpszHostAddress, int nFlags)
{
    in_addr addr;
    if (lpszHostAddress == NULL)
        addr.s_addr = htonl(INADDR_BROADCAST);
    else if (!ResolveHost(lpszHostAddress, addr)) {
        WSASetLastError(WSAEINVAL);
        return SOCKET_ERROR;
    }
    SOCKADDR_IN sockAddr = MakeAddress(addr, nHostPort);
    return SendTo(lpBuf, nBufLen, reinterpret_cast<SOCKADDR*>(&sockAddr), sizeof sockAddr, nFlags);
}

int CAsyncSocket::SendTo(const void* lpBuf, int nBufLen, const SOCKADDR* lpSockAddr, int nSockAddrLen, int nFlags)
{
    return SendToHelper(lpBuf, nBufLen, lpSockAddr, nSockAddrLen, nFlags);
}

BOOL CAsyncSocket::AsyncSelect(long lEvent)
{
    if (m_hSocket == INVALID_SOCKET) {
        WSASetLastError(WSAENOTSOCK);
        return FALSE;
    }
    HWND hWnd = afx_socket::OwnerWindow(m_hSocket, this);
    if (hWnd == NULL) {
        WSASetLastError(WSAENOBUFS);
        return FALSE;
    }
    return WSAAsyncSelect(m_hSocket, hWnd, afx_socket::WM_SOCKET_NOTIFY, lEvent) != SOCKET_ERROR;
}

void CAsyncSocket::OnReceive(int) {}
void CAsyncSocket::OnSend(int) {}
void CAsyncSocket::OnOutOfBandData(int) {}
void CAsyncSocket::OnAccept(int) {}
void CAsyncSocket::OnConnect(int) {}
void CAsyncSocket::OnClose(int) {}

BOOL CAsyncSocket::ConnectHelper(const SOCKADDR* lpSockAddr, int nSockAddrLen)
{
    return connect(m_hSocket, lpSockAddr, nSockAddrLen) != SOCKET_ERROR;
}

int CAsyncSocket::ReceiveFromHelper(void* lpBuf, int nBufLen, SOCKADDR* lpSockAddr, int* lpSockAddrLen, int nFlags)
{
    return recvfrom(m_hSocket, static_cast<char*>(lpBuf), nBufLen, nFlags, lpSockAddr, lpSockAddrLen);
}

int CAsyncSocket::SendToHelper(const void* lpBuf, int nBufLen, const SOCKADDR* lpSockAddr, int nSockAddrLen,
                               int nFlags)
{
    return sendto(m_hSocket, static_cast<const char*>(lpBuf), nBufLen, nFlags, lpSockAddr, nSockAddrLen);
}

void PASCAL CAsyncSocket::DoCallBack(WPARAM wParam, LPARAM lParam)
{
    const SOCKET hSocket = static_cast<SOCKET>(wParam);
    CAsyncSocket* pSocket = afx_socket::Recipient(hSocket);
    if (pSocket == NULL)
        return;
    int nErrorCode = WSAGETSELECTERROR(lParam);
    switch (WSAGETSELECTEVENT(lParam)) {
    case FD_READ: {
        // A read notice can outlive its data (an earlier OnReceive took it all): only pass it
        // on while the socket is readable, or when asking fails.
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(hSocket, &readable);
        timeval noWait = {0, 0};
        const int nReady = nErrorCode != 0 ? 1 : select(0, &readable, NULL, NULL, &noWait);
        if (nReady == SOCKET_ERROR)
            nErrorCode = WSAGetLastError();
        if (nReady == 1 || nErrorCode != 0)
            pSocket->OnReceive(nErrorCode);
        break;
    }
    case FD_WRITE:
        pSocket->OnSend(nErrorCode);
        break;
    case FD_OOB:
        pSocket->OnOutOfBandData(nErrorCode);
        break;
    case FD_ACCEPT:
        pSocket->OnAccept(nErrorCode);
        break;
    case FD_CONNECT:
        pSocket->OnConnect(nErrorCode);
        break;
    case FD_CLOSE:
        pSocket->OnClose(nErrorCode);
        break;
    }
}

static_assert(kAllEvents == 63, "the framework's default notifications");
