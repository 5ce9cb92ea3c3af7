// Connecting and closing the server connection.
#include "LinkTable.h"
#include "LinkTexts.h"
#include "ModulePin.h"
#include "PumpWait.h"

namespace {

const DWORD kSocketWait = 5000;
const DWORD kThreadEndWait = 2000;

bool IsConnectPending(int nError)
{
    return nError == WSAEWOULDBLOCK || nError == WSAEINPROGRESS || nError == WSAEALREADY;
}

} // namespace

CQuelmarSocket::CQuelmarSocket()
    : m_hSocketEvent(CreateEventA(NULL, FALSE, FALSE, NULL)), m_nPort(0), m_nState(LCM_STATE_INIT),
      m_bLossReported(0), m_bTellingMainWnd(0), m_nSendErrors(0), m_pReadBuffer(new BYTE[kReadBufferSize]),
      m_pTable(NULL), m_hThreadPin(NULL)
{
    m_thread.m_pSocket = this;
}

CQuelmarSocket::~CQuelmarSocket()
{
    if (m_thread.IsRunning()) {
        m_thread.PostThreadMessage(WM_QUIT, 0, 0);
        WaitPumpingSent(m_thread.m_hThread, kThreadEndWait);
    }
    // A thread that was ended without its loop (at process exit) left the handle open; its
    // notification window is gone, so the handle is closed without asking for notifications.
    if (!m_thread.IsRunning() && m_hSocket != INVALID_SOCKET) {
        closesocket(m_hSocket);
        m_hSocket = INVALID_SOCKET;
    }
    CloseHandle(m_hSocketEvent);
    delete[] m_pReadBuffer;
}

CString CQuelmarSocket::GetAddress()
{
    CSingleLock hold(&m_infoLock, TRUE);
    return m_strAddress;
}

int CQuelmarSocket::GetPort()
{
    CSingleLock hold(&m_infoLock, TRUE);
    return m_nPort;
}

void CQuelmarSocket::UnpinEndedThread()
{
    // Never the last reference: the caller runs this module's code for a user who holds one.
    if (m_hThreadPin != NULL && !m_thread.IsRunning()) {
        FreeLibrary(m_hThreadPin);
        m_hThreadPin = NULL;
    }
}

BOOL CQuelmarSocket::StartThread()
{
    UnpinEndedThread();
    if (m_thread.m_hThread != NULL) {
        CloseHandle(m_thread.m_hThread);
        m_thread.m_hThread = NULL;
        m_thread.m_nThreadID = 0;
    }
    {
        // Nothing of an earlier connection may go out on the new one.
        CSingleLock hold(&m_sendLock, TRUE);
        m_sendQueue.Pop(NULL, m_sendQueue.GetCount());
        m_nSendErrors = 0;
    }
    m_assembler.Reset();
    InterlockedExchange(&m_bLossReported, 0);
    ResetEvent(m_hSocketEvent);
    if (m_hThreadPin == NULL)
        m_hThreadPin = PinOwnModule();
    return m_thread.CreateThread();
}

BOOL CQuelmarSocket::StopThread(DWORD timeout)
{
    if (!m_thread.IsRunning()) {
        UnpinEndedThread();
        return TRUE;
    }
    m_thread.PostThreadMessage(WM_QUIT, 0, 0);
    // The thread cannot wait for its own end: it ends once the running handler returns.
    if (GetCurrentThreadId() == m_thread.m_nThreadID)
        return FALSE;
    // Called while handling a sent message on the main window's thread when the socket thread
    // waits for the main window to take the loss: that is (nearly always) the handler of the
    // loss itself, which the thread waits for. It ends as soon as the handler returns.
    if (m_bTellingMainWnd && m_pTable != NULL && InSendMessage() &&
        GetWindowThreadProcessId(m_pTable->GetMainWnd(), NULL) == GetCurrentThreadId())
        return FALSE;
    // It may be sending WM_LINK_CLOSED to a window of this thread meanwhile.
    if (!WaitPumpingSent(m_thread.m_hThread, timeout))
        return FALSE;
    UnpinEndedThread();
    return TRUE;
}

void CQuelmarSocket::Close()
{
    if (m_nState > LCM_STATE_INIT)
        SetState(LCM_STATE_TERMINATED);
    StopThread(kThreadEndWait);
}

int CQuelmarSocket::ConnectTo(const char* ip, int port)
{
    if (ip == NULL || *ip == '\0')
        return 0;
    const LONG state = m_nState;
    if (state != LCM_STATE_CREATED && state != LCM_STATE_CONNECTED) {
        // A thread left from a lost connection still holds the old socket: end it first.
        if (!StopThread(kThreadEndWait))
            return 0;
        if (!StartThread())
            return 0;
        WaitPumpingSent(m_hSocketEvent, kSocketWait);
    }
    if (m_nState != LCM_STATE_CREATED)
        return 0;
    {
        CSingleLock hold(&m_infoLock, TRUE);
        m_strAddress = ip;
        m_nPort = port;
    }
    ResetEvent(m_hSocketEvent);
    const BOOL bConnected = CAsyncSocket::Connect(ip, static_cast<UINT>(port));
    if (!bConnected) {
        const int nError = CAsyncSocket::GetLastError();
        if (!IsConnectPending(nError)) {
            // No notification will come for an attempt that never started.
            ReportConnectFailure(nError);
            return 0;
        }
    }
    WaitPumpingSent(m_hSocketEvent, kSocketWait);
    return bConnected;
}

void CQuelmarSocket::OnConnect(int nErrorCode)
{
    // The final state is in place before the waiting caller is released.
    if (nErrorCode == 0) {
        EndConnecting(LCM_STATE_CONNECTED);
        SetEvent(m_hSocketEvent);
    } else {
        ReportConnectFailure(nErrorCode);
    }
    CAsyncSocket::OnConnect(nErrorCode);
}

void CQuelmarSocket::EndConnecting(LONG state)
{
    // Only an attempt still under way ends here: a Close() that came first stands, or a link
    // closed while it was being made would read as connected.
    InterlockedCompareExchange(&m_nState, state, LCM_STATE_CREATED);
}

void CQuelmarSocket::ReportConnectFailure(int nError)
{
    EndConnecting(LCM_STATE_CLOSED);
    SetEvent(m_hSocketEvent);
    CString text;
    text.Format("%s\n\n ip(%s), port(%d)", (LPCTSTR)link_texts::SystemErrorText(nError), (LPCTSTR)GetAddress(),
                GetPort());
    AfxPlatformMessageBox(NULL, text, NULL, MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST);
}
