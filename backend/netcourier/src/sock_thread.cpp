#include "QuelmarSocket.h"

IMPLEMENT_DYNAMIC(CSockThread, CWinThread)

CSockThread::CSockThread() : m_pSocket(NULL), m_bRunning(0)
{
    // The socket keeps this object and starts it again for every new connection.
    m_bAutoDelete = FALSE;
}

BOOL CSockThread::IsRunning() const
{
    return m_hThread != NULL && WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT;
}

BOOL CSockThread::InitInstance()
{
    InterlockedExchange(&m_bRunning, 1);
    CQuelmarSocket* socket = m_pSocket;
    const long kAllEvents = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE;
    if (socket->CAsyncSocket::Create(0, SOCK_STREAM, kAllEvents, NULL)) {
        socket->SetState(LCM_STATE_CREATED);
        // Closing resets the connection at once instead of lingering.
        LINGER linger;
        linger.l_onoff = 1;
        linger.l_linger = 0;
        socket->SetSockOpt(SO_LINGER, &linger, sizeof linger, SOL_SOCKET);
    }
    // Also on failure: the waiting caller reads the outcome from the state.
    SetEvent(socket->m_hSocketEvent);
    // The loop runs either way, so that Close can end the thread the usual way.
    return TRUE;
}

BOOL CSockThread::OnIdle(LONG)
{
    return FALSE;
}

int CSockThread::ExitInstance()
{
    InterlockedExchange(&m_bRunning, 0);
    {
        // Not while another thread is inside a send on this handle.
        CSingleLock hold(&m_pSocket->m_sendLock, TRUE);
        m_pSocket->CAsyncSocket::Close();
    }
    SetEvent(m_pSocket->m_hSocketEvent);
    return CWinThread::ExitInstance();
}
