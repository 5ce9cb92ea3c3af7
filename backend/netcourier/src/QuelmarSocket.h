// The one TCP connection to the system's server: a socket owned by its own user-interface
// thread (which runs every socket notification), framing of the received stream into the
// receive queue, and an ordered send queue for what the socket could not take at once.
#pragma once

#include <afxwin.h>
#include <afxsock.h>

#include "FrameCutter.h"
#include "NetCourier.h"
#include "QueueObj.h"

class CLinkTable;
class CQuelmarSocket;

class CSockThread : public CWinThread
{
    DECLARE_DYNAMIC(CSockThread)
public:
    CSockThread();

    BOOL InitInstance() override;
    BOOL OnIdle(LONG lCount) override;
    int ExitInstance() override;

    // TRUE while the thread has started and not yet ended.
    BOOL IsRunning() const;

    CQuelmarSocket* m_pSocket;
    volatile LONG m_bRunning;
};

class CQuelmarSocket : public CAsyncSocket
{
public:
    CQuelmarSocket();
    virtual ~CQuelmarSocket();

    // The table whose receive queue takes the frames and whose main window hears of a loss.
    void SetTable(CLinkTable* pTable) { m_pTable = pTable; }

    // Closes from this side: state 104, the socket thread ends (its loop closes the socket).
    void Close() override;
    // Sends a whole frame, or queues what the socket cannot take now behind every frame still
    // waiting, so frames never interleave. Returns len, or SOCKET_ERROR when the connection is
    // not up or the socket failed.
    int Send(const void* lpBuf, int nBufLen, int nFlags = 0) override;

    // Connects to ip:port; starts a fresh socket thread unless one is created or connected.
    // Waits up to 5000 ms for the socket and again for the outcome. Returns what the
    // framework's Connect returned (usually 0 on this non-blocking socket); 0 when already
    // connected or the socket could not be made.
    int ConnectTo(const char* ip, int port);

    LONG GetState() const { return m_nState; }
    BOOL IsThreadRunning() const { return m_thread.IsRunning(); }
    CString GetAddress();
    int GetPort();
    // Bytes queued behind earlier sends.
    int GetQueuedSendBytes();

protected:
    void OnReceive(int nErrorCode) override;
    void OnSend(int nErrorCode) override;
    void OnConnect(int nErrorCode) override;
    void OnClose(int nErrorCode) override;

private:
    friend class CSockThread;

    BOOL StartThread();
    // Ends the socket thread and waits up to `timeout` ms for it; TRUE when it is gone.
    BOOL StopThread(DWORD timeout);
    // Gives back the module reference of a socket thread seen to have ended.
    void UnpinEndedThread();
    // Reads what is waiting and cuts it into frames; FALSE when the link failed.
    BOOL ReadAvailable();
    // Sends from the send queue until it is empty or the socket would block. Returns 0, or
    // the Winsock error that stopped it. Called with the send lock held.
    int DrainLocked();
    // A fault of this side's making: close the socket at once and report the loss.
    void FailLink(const CString& text);
    // Tells the main window of the loss (once per connection); see WM_LINK_CLOSED.
    void ReportLoss(const CString& text);
    void ReportConnectFailure(int nError);
    // The outcome of a connection attempt: the state moves from created to `state` only.
    void EndConnecting(LONG state);
    static void PushFrame(void* context, const BYTE* frame, int length);
    void SetState(LONG state) { InterlockedExchange(&m_nState, state); }

    CQuelmarQueue<CQueueArr> m_sendQueue;
    CCriticalSection m_sendLock; // the send queue and the socket handle between threads
    CCriticalSection m_infoLock; // address and port
    HANDLE m_hSocketEvent;       // set when the socket exists and when a connection attempt ended
    CSockThread m_thread;
    CString m_strAddress;
    int m_nPort;
    volatile LONG m_nState;
    volatile LONG m_bLossReported;
    volatile LONG m_bTellingMainWnd; // the socket thread waits in SendMessage to the main window
    int m_nSendErrors;
    CFrameAssembler m_assembler;
    enum { kReadBufferSize = frame_cut::kFrameLimit };
    BYTE* m_pReadBuffer; // one read's bytes, used by the socket thread only
    CLinkTable* m_pTable;
    // The socket thread runs this module's code (its loop calls our handlers): while it may run,
    // the module holds this reference for it, taken before the thread starts.
    HMODULE m_hThreadPin;
};
