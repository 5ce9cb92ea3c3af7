// Threads and delivery shared by the three feeds.
#include "feeds.h"

#include "WebGrab.h"
#include "ZembraParser.h"
#include "base_url.h"

namespace {

const DWORD kPollPauseMs = 250;
// Connect, send and receive time-out of the feeds' requests: an exchange that stops answering
// holds a fetch thread this long at most.
const DWORD kFeedTimeoutMs = 5000;

} // namespace

CZembraFeed::CZembraFeed(LPCTSTR pszAgentName, LPCTSTR pszErrorTitle)
    : m_nRefs(1), m_strAgentName(pszAgentName), m_strErrorTitle(pszErrorTitle), m_hMain(NULL), m_bStop(0),
      m_hStopEvent(CreateEventA(NULL, TRUE, FALSE, NULL)), m_hFetchThread(NULL), m_hParseThread(NULL)
{
}

CZembraFeed::~CZembraFeed()
{
    // No thread holds the feed any more: what is still queued goes with the queue.
    if (m_hFetchThread)
        CloseHandle(m_hFetchThread);
    if (m_hParseThread)
        CloseHandle(m_hParseThread);
    m_receivers.RemoveAll();
    if (m_hStopEvent)
        CloseHandle(m_hStopEvent);
}

void CZembraFeed::AddRef()
{
    InterlockedIncrement(&m_nRefs);
}

void CZembraFeed::Release()
{
    if (InterlockedDecrement(&m_nRefs) == 0)
        delete this;
}

BOOL CZembraFeed::StartThreads()
{
    InterlockedExchange(&m_bStop, 0);
    ResetEvent(m_hStopEvent);
    HANDLE* slots[] = {&m_hFetchThread, &m_hParseThread};
    AFX_THREADPROC procs[] = {&CZembraFeed::FetchProc, &CZembraFeed::ParseProc};
    for (int i = 0; i < 2; ++i)
    {
        CWinThread* pThread = AfxBeginThread(procs[i], this, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        if (!pThread)
            return FALSE;
        // The thread object deletes itself when the thread ends, which may be after the agent
        // stopped waiting: the join keeps a handle of its own.
        if (!DuplicateHandle(GetCurrentProcess(), pThread->m_hThread, GetCurrentProcess(), slots[i], SYNCHRONIZE, FALSE,
                             0))
            *slots[i] = NULL;
        AddRef(); // released by the thread as it ends
        pThread->ResumeThread();
    }
    return TRUE;
}

void CZembraFeed::RequestStop()
{
    InterlockedExchange(&m_bStop, 1);
    if (m_hStopEvent)
        SetEvent(m_hStopEvent);
    m_queue.Push(NULL, 0); // wakes the parse thread
}

BOOL CZembraFeed::JoinThread(HANDLE& hThread, DWORD dwLimitMs)
{
    if (!hThread)
        return TRUE;
    const DWORD dwStart = GetTickCount();
    BOOL bEnded = FALSE;
    for (;;)
    {
        const DWORD dwSpent = GetTickCount() - dwStart;
        const DWORD dwLeft = dwSpent < dwLimitMs ? dwLimitMs - dwSpent : 0;
        DWORD r = MsgWaitForMultipleObjects(1, &hThread, FALSE, dwLeft, QS_SENDMESSAGE);
        if (r == WAIT_OBJECT_0 + 1 && dwLeft > 0)
        {
            MSG msg;
            PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE); // runs the sent messages
            continue;
        }
        bEnded = r == WAIT_OBJECT_0 || WaitForSingleObject(hThread, 0) == WAIT_OBJECT_0;
        break;
    }
    CloseHandle(hThread);
    hThread = NULL;
    return bEnded;
}

BOOL CZembraFeed::Join(DWORD dwLimitMs)
{
    BOOL bFetchEnded = JoinThread(m_hFetchThread, dwLimitMs);
    BOOL bParseEnded = JoinThread(m_hParseThread, dwLimitMs);
    return bFetchEnded && bParseEnded;
}

void CZembraFeed::Detach()
{
    m_hMain = NULL;
    m_receivers.RemoveAll();
}

UINT CZembraFeed::FetchProc(LPVOID pParam)
{
    CZembraFeed* pFeed = static_cast<CZembraFeed*>(pParam);
    pFeed->FetchLoop();
    pFeed->Release();
    return 0;
}

UINT CZembraFeed::ParseProc(LPVOID pParam)
{
    CZembraFeed* pFeed = static_cast<CZembraFeed*>(pParam);
    pFeed->ParseLoop();
    pFeed->Release();
    return 0;
}

void CZembraFeed::FetchLoop()
{
    // The thread's own session: nothing of it is shared, and it goes when the thread ends.
    CWebGrab grab;
    grab.SetRequestTimeOut(kFeedTimeoutMs);
    grab.Initialise(m_strAgentName, NULL);
    while (!IsStopping())
    {
        CString strCoin;
        CString strPath = NextPath(strCoin);
        if (!strPath.IsEmpty())
        {
            CString strReply;
            if (grab.GetFile(ZembraBaseURL() + strPath, strReply, m_strAgentName, NULL) && !strReply.IsEmpty() &&
                !IsStopping())
            {
                PrepareReply(strCoin, strReply);
                m_queue.Push(strReply.GetString(), strReply.GetLength());
            }
        }
        WaitForSingleObject(m_hStopEvent, kPollPauseMs);
    }
    m_queue.Push(NULL, 0);
    grab.Close();
}

void CZembraFeed::ParseLoop()
{
    while (!IsStopping())
    {
        WaitForSingleObject(m_queue.GetEvent(), INFINITE);
        while (m_queue.GetCount() > 0 && !IsStopping())
        {
            tagLSTITEM item;
            if (!m_queue.PeekItem(item))
                break;
            ParseReply(static_cast<const char*>(item.pData), item.nLen);
            m_queue.Pop(NULL, 0);
        }
    }
}

void CZembraFeed::SendToReceivers(LPCTSTR pszCode, UINT nMsg, const void* pRecord, int nLength)
{
    // Copy under the lock, send after it: the UI thread takes the same lock to (un)register.
    CHwndArray arrWnd;
    m_receivers.GetReceivers(pszCode, arrWnd);
    for (INT_PTR i = 0; i < arrWnd.GetSize(); ++i)
    {
        HWND hWnd = arrWnd.GetAt(i);
        if (::IsWindow(hWnd))
            ::SendMessage(hWnd, nMsg, reinterpret_cast<WPARAM>(pRecord), static_cast<LPARAM>(nLength));
    }
}

void CZembraFeed::SendErrorNotice(LPCSTR pszUTF8Message)
{
    HWND hMain = m_hMain;
    if (!hMain)
        return;
    SYSTEMTIME st;
    GetLocalTime(&st);
    tagAPIErrorNotice notice;
    CZembraParser::BuildErrorNotice(st, m_strErrorTitle, pszUTF8Message, notice);
    ::SendMessage(hMain, WM_APIERROR_NOTICE, reinterpret_cast<WPARAM>(&notice), 0);
}
