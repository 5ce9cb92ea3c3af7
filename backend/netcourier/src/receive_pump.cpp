#include "ReceivePump.h"

#include "FrameCutter.h"
#include "ModulePin.h"
#include "PumpWait.h"

// The run flag of the receive thread. A thread asked to stop may still be inside SendMessage
// for a while; until it has let go of the queue (kExited) a new start takes it up again, so that
// the queue never has two consumers and a start never finds its thread ending under it.
enum : LONG
{
    kStopping = 0,
    kRunning = 1,
    kExited = -1
};

struct CReceivePump::Shared
{
    CQuelmarQueue<CQueueList> queue;
    HANDLE hDrained = CreateEventA(NULL, FALSE, FALSE, NULL); // a wake-up hint for WaitDelivered
    volatile LONG bRun = kStopping;
    volatile LONG nPending = 0;
    HWND volatile hReceiver = NULL;
    volatile LONG nRefs = 1;

    ~Shared() { CloseHandle(hDrained); }

    void AddRef() { InterlockedIncrement(&nRefs); }
    void Release()
    {
        if (InterlockedDecrement(&nRefs) == 0)
            delete this;
    }
};

namespace {

// What one receive thread takes along: the queue it shares with the pump and its reference on
// this module, which it gives back only as it exits.
struct ThreadStart
{
    CReceivePump::Shared* shared;
    HMODULE pin;
};

// The receive thread: sleeps until frames arrive and hands each one over while the run flag
// is set. The receiver copies what it keeps; the frame is freed once SendMessage returns.
DWORD WINAPI RcvDataProc(LPVOID param)
{
    ThreadStart* start = static_cast<ThreadStart*>(param);
    CReceivePump::Shared* shared = start->shared;
    const HMODULE pin = start->pin;
    delete start;
    // Ends only by turning a stop request into kExited; a start in between keeps it running.
    while (InterlockedCompareExchange(&shared->bRun, kExited, kStopping) != kStopping) {
        if (WaitForSingleObject(shared->queue.GetEventHandle(), INFINITE) != WAIT_OBJECT_0)
            continue;
        while (shared->bRun == kRunning) {
            const BYTE* frame = static_cast<const BYTE*>(shared->queue.Peek());
            if (frame == NULL)
                break;
            COPYDATASTRUCT cds;
            cds.dwData = static_cast<ULONG_PTR>(frame_cut::ReadNumberField(frame + frame_cut::kLengthField));
            cds.cbData = static_cast<DWORD>(frame_cut::ReadNumberField(frame));
            cds.lpData = const_cast<BYTE*>(frame);
            HWND hReceiver = shared->hReceiver;
            if (hReceiver != NULL)
                SendMessageA(hReceiver, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
            shared->queue.Pop(NULL, 0);
            InterlockedDecrement(&shared->nPending);
        }
        SetEvent(shared->hDrained);
    }
    shared->Release();
    // The library may have been freed by all its users meanwhile: it is unmapped only once this
    // thread has left its code for good.
    if (pin != NULL)
        FreeLibraryAndExitThread(pin, 0);
    return 0;
}

} // namespace

CReceivePump::CReceivePump() : m_pShared(new Shared), m_hThread(NULL)
{
}

CReceivePump::~CReceivePump()
{
    InterlockedCompareExchange(&m_pShared->bRun, kStopping, kRunning);
    m_pShared->queue.GetEvent().SetEvent();
    if (m_hThread != NULL)
        CloseHandle(m_hThread);
    m_pShared->Release();
}

BOOL CReceivePump::IsRunning() const
{
    return m_hThread != NULL && WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT;
}

BOOL CReceivePump::Start()
{
    // A thread still delivering after a stop that timed out takes up its work again, unless it
    // has already let go of the queue; woken, it looks at the queue once more.
    if (IsRunning() && InterlockedCompareExchange(&m_pShared->bRun, kRunning, kStopping) != kExited) {
        m_pShared->queue.GetEvent().SetEvent();
        return TRUE;
    }
    if (m_hThread != NULL) {
        CloseHandle(m_hThread);
        m_hThread = NULL;
    }
    // Frames left by a stopped thread belong to a connection that has been closed.
    while (m_pShared->queue.GetCount() > 0)
        m_pShared->queue.Pop(NULL, 0);
    InterlockedExchange(&m_pShared->nPending, 0);
    InterlockedExchange(&m_pShared->bRun, kRunning);
    ThreadStart* start = new ThreadStart{m_pShared, PinOwnModule()};
    m_pShared->AddRef();
    m_hThread = CreateThread(NULL, 0, RcvDataProc, start, 0, NULL);
    if (m_hThread == NULL) {
        InterlockedExchange(&m_pShared->bRun, kStopping);
        m_pShared->Release();
        if (start->pin != NULL)
            FreeLibrary(start->pin);
        delete start;
        return FALSE;
    }
    return TRUE;
}

BOOL CReceivePump::Stop(DWORD timeout)
{
    InterlockedCompareExchange(&m_pShared->bRun, kStopping, kRunning);
    m_pShared->queue.GetEvent().SetEvent();
    if (m_hThread == NULL)
        return TRUE;
    // The thread may be inside SendMessage to a window of this very thread.
    return WaitPumpingSent(m_hThread, timeout);
}

void CReceivePump::SetReceiver(HWND hWnd)
{
    InterlockedExchangePointer(reinterpret_cast<PVOID volatile*>(&m_pShared->hReceiver), hWnd);
}

HWND CReceivePump::GetReceiver() const
{
    return m_pShared->hReceiver;
}

void CReceivePump::Push(const BYTE* frame, int length)
{
    InterlockedIncrement(&m_pShared->nPending);
    if (!m_pShared->queue.Push(frame, length))
        InterlockedDecrement(&m_pShared->nPending);
}

int CReceivePump::GetPending() const
{
    return m_pShared->nPending;
}

BOOL CReceivePump::WaitDelivered(DWORD timeout)
{
    const DWORD start = GetTickCount();
    while (m_pShared->nPending > 0) {
        // Read from the socket thread: the flag, not the handle, which a start may replace.
        if (m_pShared->bRun != kRunning)
            return FALSE;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeout)
            return FALSE;
        const DWORD left = timeout - elapsed;
        WaitForSingleObject(m_pShared->hDrained, left < 20 ? left : 20);
    }
    return TRUE;
}
