// The receive queue of complete frames and the receive thread that hands each frame, in
// arrival order, to the receiver window with a sent WM_COPYDATA. A running thread holds a
// reference on the module of its code, so freeing the library never unmaps the code under it;
// the library can go once the thread was stopped (LCM_Close(-1)).
#pragma once

#include "QueueObj.h"

class CReceivePump
{
public:
    CReceivePump();
    // Asks a running thread to end. The queue is shared with the thread and freed by whichever
    // of the two lets go last, so it is never freed under a running thread.
    ~CReceivePump();

    // Starts the receive thread unless it runs (a thread still ending after a Stop that timed
    // out carries on instead); TRUE when it runs afterwards.
    BOOL Start();
    // Asks the thread to end, wakes it and waits up to `timeout` ms for its end (handling
    // messages sent to the calling thread meanwhile). TRUE when it has ended.
    BOOL Stop(DWORD timeout);
    BOOL IsRunning() const;

    void SetReceiver(HWND hWnd);
    HWND GetReceiver() const;

    // Queues one complete frame (copied).
    void Push(const BYTE* frame, int length);
    // Waits up to `timeout` ms until every queued frame has been handed over. TRUE when done.
    BOOL WaitDelivered(DWORD timeout);
    // Frames queued and not yet handed over.
    int GetPending() const;

    struct Shared;

private:
    Shared* m_pShared;
    HANDLE m_hThread;

    CReceivePump(const CReceivePump&) = delete;
    CReceivePump& operator=(const CReceivePump&) = delete;
};
