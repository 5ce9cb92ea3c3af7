// Sending frames in order: what the socket cannot take at once waits in the send queue, and
// every later frame queues behind it until the socket thread has sent it (OnSend).
#include "LinkTable.h"
#include "LinkTexts.h"

namespace {

const int kSendRetries = 10;
const DWORD kSendRetryDelay = 100;
const int kDrainErrors = 10;
const DWORD kDrainRetryDelay = 5;

} // namespace

int CQuelmarSocket::GetQueuedSendBytes()
{
    CSingleLock hold(&m_sendLock, TRUE);
    return m_sendQueue.GetCount();
}

int CQuelmarSocket::Send(const void* lpBuf, int nBufLen, int nFlags)
{
    if (lpBuf == NULL || nBufLen < 0) {
        WSASetLastError(WSAEFAULT);
        return SOCKET_ERROR;
    }
    const BYTE* data = static_cast<const BYTE*>(lpBuf);
    CSingleLock hold(&m_sendLock, TRUE);
    int sent = 0;
    int retries = 0;
    // Behind bytes still queued nothing may go out directly.
    while (m_sendQueue.GetCount() == 0 && sent < nBufLen) {
        if (m_nState != LCM_STATE_CONNECTED || m_hSocket == INVALID_SOCKET)
            return SOCKET_ERROR;
        const int r = CAsyncSocket::Send(data + sent, nBufLen - sent, nFlags);
        if (r != SOCKET_ERROR) {
            sent += r;
            continue;
        }
        const int nError = CAsyncSocket::GetLastError();
        // The socket will announce (FD_WRITE) when it can take the rest.
        if (nError == WSAEWOULDBLOCK)
            break;
        if (link_texts::IsFatalSendError(nError) || retries >= kSendRetries)
            return SOCKET_ERROR;
        ++retries;
        Sleep(kSendRetryDelay);
    }
    // Every byte is with the socket: a loss the socket thread notices meanwhile (the peer may
    // close on this very frame) does not take the frame back, and reporting it unsent would
    // invite sending it twice.
    if (sent > 0 && sent == nBufLen)
        return nBufLen;
    // The rest waits for OnSend, which only a live connection runs.
    if (m_nState != LCM_STATE_CONNECTED)
        return SOCKET_ERROR;
    if (sent < nBufLen && !m_sendQueue.Push(data + sent, nBufLen - sent))
        return SOCKET_ERROR;
    return nBufLen;
}

int CQuelmarSocket::DrainLocked()
{
    while (m_sendQueue.GetCount() > 0) {
        if (m_nState != LCM_STATE_CONNECTED)
            return 0;
        const int r = CAsyncSocket::Send(m_sendQueue.Peek(), m_sendQueue.GetCount());
        if (r != SOCKET_ERROR) {
            m_sendQueue.Pop(NULL, r);
            m_nSendErrors = 0;
            continue;
        }
        const int nError = CAsyncSocket::GetLastError();
        return nError == WSAEWOULDBLOCK ? 0 : nError;
    }
    return 0;
}

void CQuelmarSocket::OnSend(int nErrorCode)
{
    CString failure;
    for (;;) {
        int nError;
        {
            CSingleLock hold(&m_sendLock, TRUE);
            if (m_nState != LCM_STATE_CONNECTED)
                return;
            nError = DrainLocked();
        }
        if (nError == 0)
            break;
        failure = link_texts::SendErrorText(GetPort(), nError);
        if (link_texts::IsFatalSendError(nError))
            break;
        if (++m_nSendErrors <= kDrainErrors) {
            failure.Empty();
            Sleep(kDrainRetryDelay);
            continue;
        }
        failure += " [10]";
        break;
    }
    if (!failure.IsEmpty())
        FailLink(failure);
    CAsyncSocket::OnSend(nErrorCode);
}
