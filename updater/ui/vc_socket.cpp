#include "vc_socket.h"

namespace {

const long kAllNotices = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE; // 63
const long kLinkNotices = FD_READ | FD_WRITE | FD_CLOSE;                                  // 35
const int kConnectTries = 10;
const int kReceiveBuffer = 0x32000;

} // namespace

CQuelmar_VCSocket::CQuelmar_VCSocket()
    : m_pOwner(NULL), m_bConnected(0), m_nSendLen(0), m_dwLastActivity(GetTickCount()), m_bInReceive(FALSE),
      m_bReceiveMissed(FALSE)
{
    memset(m_szScratch, 0, sizeof(m_szScratch));
    memset(m_szSend, 0, sizeof(m_szSend));
}

CQuelmar_VCSocket::~CQuelmar_VCSocket()
{
    CloseLink();
}

void CQuelmar_VCSocket::FailText(const CString& strText, int nError)
{
    if (m_hSocket != INVALID_SOCKET)
    {
        m_bConnected = 0;
        Close();
    }
    m_assembler.Reset();
    m_nSendLen = 0;
    if (m_pOwner && m_pOwner->GetSafeHwnd())
        m_pOwner->SendMessage(WM_VERSION_LINK_FAILED, (WPARAM)nError, (LPARAM)(LPCTSTR)strText);
}

void CQuelmar_VCSocket::Fail(LPCTSTR lpszWord, int nError)
{
    CString strText;
    strText.Format("SOCKET:: %s -- (%d) ", lpszWord, nError);
    FailText(strText, nError);
}

int CQuelmar_VCSocket::ConnectServer(LPCTSTR lpszAddress, int nPort)
{
    if (!Create(0, SOCK_STREAM, kAllNotices))
    {
        Fail("Connection Error!", GetLastError());
        return 0;
    }
    BOOL bConnected = Connect(lpszAddress, (UINT)nPort);
    for (int nTry = 0; !bConnected; ++nTry)
    {
        int nError = GetLastError();
        if (nError == WSAEISCONN)
            break;
        if ((nError != WSAEWOULDBLOCK && nError != WSAEALREADY && nError != WSAEINVAL) || nTry == kConnectTries)
        {
            if (nTry == kConnectTries)
            {
                CString strText;
                strText.Format("버전 서버(%s:%d)에 접속하지 못했습니다.", lpszAddress, nPort);
                FailText(strText, nError);
            }
            else
                Fail("Can't Connect socket", nError);
            return 1;
        }
        // Wait up to 500 ms for the connection to settle, then ask again.
        fd_set writable, failed;
        FD_ZERO(&writable);
        FD_ZERO(&failed);
        FD_SET(m_hSocket, &writable);
        FD_SET(m_hSocket, &failed);
        timeval wait = {0, 500000};
        select(0, NULL, &writable, &failed, &wait);
        if (FD_ISSET(m_hSocket, &failed))
        {
            int nSocketError = 0, nSize = sizeof(nSocketError);
            GetSockOpt(SO_ERROR, &nSocketError, &nSize);
            Fail("Can't Connect socket", nSocketError ? nSocketError : WSAECONNREFUSED);
            return 1;
        }
        bConnected = Connect(lpszAddress, (UINT)nPort);
    }
    m_bConnected = 1;
    m_dwLastActivity = GetTickCount();
    int nSize = kReceiveBuffer;
    if (!SetSockOpt(SO_RCVBUF, &nSize, sizeof(nSize)))
    {
        CString strText;
        strText.Format("SOCKET:: %s -- (%d) ", "Socket SO_RCVBUF Option Error.", GetLastError());
        AfxMessageBox(strText);
    }
    return 1;
}

BOOL CQuelmar_VCSocket::SendFrame(const char* pFrame, int nLength)
{
    if (!m_bConnected || m_nSendLen + nLength >= (int)sizeof(m_szSend))
        return FALSE;
    memcpy(m_szSend + m_nSendLen, pFrame, nLength);
    m_nSendLen += nLength;
    m_dwLastActivity = GetTickCount();
    // Sent at once; what does not fit goes out from OnSend, which the socket notices when
    // room comes free. Asking for write notices here would post FD_WRITE at once and, from
    // OnSend, again and again: the queue would never be idle.
    FlushSend();
    return TRUE;
}

void CQuelmar_VCSocket::FlushSend()
{
    if (!m_bConnected || m_nSendLen <= 0)
        return;
    int nSent = Send(m_szSend, m_nSendLen);
    if (nSent == SOCKET_ERROR)
    {
        int nError = GetLastError();
        if (nError != WSAEWOULDBLOCK)
            Fail("Send Error.", nError);
        return;
    }
    memmove(m_szSend, m_szSend + nSent, m_nSendLen - nSent);
    m_nSendLen -= nSent;
}

void CQuelmar_VCSocket::OnSend(int nErrorCode)
{
    if (nErrorCode)
    {
        Fail("Send Error.", nErrorCode);
        return;
    }
    FlushSend();
}

void CQuelmar_VCSocket::OnConnect(int nErrorCode)
{
    if (nErrorCode)
        Fail("Can't Connect socket", nErrorCode);
    else if (m_hSocket != INVALID_SOCKET)
        m_bConnected = 1;
}

BOOL CQuelmar_VCSocket::ReceiveAvailable()
{
    // Never more than the reassembly buffer has room for: a partial frame may be held.
    int nRead = Receive(m_szScratch, m_assembler.Room());
    if (nRead == SOCKET_ERROR)
    {
        int nError = GetLastError();
        if (nError == WSAEWOULDBLOCK)
            return FALSE;
        Fail("Receive Error.", nError);
        return FALSE;
    }
    if (nRead == 0)
        return FALSE; // orderly close: OnClose follows
    m_dwLastActivity = GetTickCount();

    BOOL bCloseAfter = FALSE;
    VersionFrameAssembler::Result result =
        m_assembler.Feed(m_szScratch, nRead, [this, &bCloseAfter](const char* pFrame, int nLength) {
            int nCode = ParseFrameCode(pFrame + 8);
            if (m_pOwner->SendMessage(WM_VERSION_FRAME, (WPARAM)nCode, (LPARAM)pFrame) != 0)
                bCloseAfter = TRUE;
            (void)nLength;
            return m_bConnected != 0; // the owner may have closed the link
        });
    if (result == VersionFrameAssembler::FEED_BAD_LENGTH)
    {
        CString strText;
        strText.Format("버전 서버가 잘못된 프레임을 보냈습니다. (길이 \"%s\")", m_assembler.BadLengthField().c_str());
        FailText(strText, 0);
        return FALSE;
    }
    if (bCloseAfter && m_bConnected)
    {
        CloseLink();
        return FALSE;
    }
    return m_bConnected != 0;
}

void CQuelmar_VCSocket::OnReceive(int nErrorCode)
{
    if (nErrorCode)
    {
        Fail("Receive Error.", nErrorCode);
        return;
    }
    if (!m_bConnected)
        return;
    // A message box of the owner runs a message loop inside the frame handler; a notice that
    // arrives meanwhile is taken up when the outer call is done.
    if (m_bInReceive)
    {
        m_bReceiveMissed = TRUE;
        return;
    }
    m_bInReceive = TRUE;
    ReceiveAvailable();
    m_bInReceive = FALSE;
    if (m_bReceiveMissed && m_bConnected)
    {
        m_bReceiveMissed = FALSE;
        AsyncSelect(kLinkNotices); // posts FD_READ again when data wait
    }
}

void CQuelmar_VCSocket::OnClose(int nErrorCode)
{
    if (!m_bConnected)
        return;
    // Whatever arrived before the close still counts.
    while (!m_bInReceive && m_bConnected && ReceiveAvailable())
        ;
    if (!m_bConnected)
        return;
    CString strText = "버전 서버와의 연결이 끊어졌습니다.";
    if (nErrorCode)
        strText.AppendFormat(" (%d)", nErrorCode);
    FailText(strText, nErrorCode);
}

void CQuelmar_VCSocket::CloseLink()
{
    if (!m_bConnected)
    {
        if (m_hSocket != INVALID_SOCKET)
            Close();
        return;
    }
    m_bConnected = 0;
    AsyncSelect(0);
    for (int i = 0; i < 1000 && Receive(m_szScratch, sizeof(m_szScratch)) > 0; ++i)
        ;
    Close();
    m_assembler.Reset();
    m_nSendLen = 0;
}
