// Threads and delivery shared by the three feeds.
#include "feeds.h"

#include "ZembraParser.h"
#include "base_url.h"

namespace {

const DWORD kPollPauseMs = 250;

} // namespace

CZembraFeed::CZembraFeed(LPCTSTR pszAgentName, LPCTSTR pszErrorTitle)
    : m_strAgentName(pszAgentName), m_strErrorTitle(pszErrorTitle), m_hMain(NULL), m_bStop(0),
      m_hStopEvent(CreateEventA(NULL, TRUE, FALSE, NULL)), m_pFetchThread(NULL), m_pParseThread(NULL)
{
}

CZembraFeed::~CZembraFeed()
{
    // Never while a thread could still touch this feed.
    RequestStop();
    Join();
    m_receivers.RemoveAll();
    if (m_hStopEvent)
        CloseHandle(m_hStopEvent);
}

BOOL CZembraFeed::StartThreads()
{
    InterlockedExchange(&m_bStop, 0);
    ResetEvent(m_hStopEvent);
    CWinThread** slots[] = {&m_pFetchThread, &m_pParseThread};
    AFX_THREADPROC procs[] = {&CZembraFeed::FetchProc, &CZembraFeed::ParseProc};
    for (int i = 0; i < 2; ++i)
    {
        CWinThread* pThread = AfxBeginThread(procs[i], this, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        if (!pThread)
            return FALSE;
        pThread->m_bAutoDelete = FALSE; // joined and deleted by Join
        *slots[i] = pThread;
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

void CZembraFeed::JoinThread(CWinThread*& pThread)
{
    if (!pThread)
        return;
    HANDLE hThread = pThread->m_hThread;
    for (;;)
    {
        DWORD r = MsgWaitForMultipleObjects(1, &hThread, FALSE, INFINITE, QS_SENDMESSAGE);
        if (r == WAIT_OBJECT_0 + 1)
        {
            MSG msg;
            PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE); // runs the sent messages
            continue;
        }
        if (r != WAIT_OBJECT_0)
            WaitForSingleObject(hThread, INFINITE);
        break;
    }
    DWORD dwExit = 0;
    GetExitCodeThread(hThread, &dwExit);
    delete pThread;
    pThread = NULL;
}

void CZembraFeed::Join()
{
    JoinThread(m_pFetchThread);
    JoinThread(m_pParseThread);
}

UINT CZembraFeed::FetchProc(LPVOID pParam)
{
    static_cast<CZembraFeed*>(pParam)->FetchLoop();
    return 0;
}

UINT CZembraFeed::ParseProc(LPVOID pParam)
{
    static_cast<CZembraFeed*>(pParam)->ParseLoop();
    return 0;
}

void CZembraFeed::FetchLoop()
{
    m_grab.Initialise(m_strAgentName, NULL);
    while (!IsStopping())
    {
        CString strCoin;
        CString strPath = NextPath(strCoin);
        if (!strPath.IsEmpty())
        {
            CString strReply;
            if (m_grab.GetFile(ZembraBaseURL() + strPath, strReply, m_strAgentName, NULL) && !strReply.IsEmpty())
            {
                PrepareReply(strCoin, strReply);
                m_queue.Push(strReply.GetString(), strReply.GetLength());
            }
        }
        WaitForSingleObject(m_hStopEvent, kPollPauseMs);
    }
    // Blocks still queued are freed with the queue, after both threads have ended: the parse
    // thread may be working on the head block right now.
    m_queue.Push(NULL, 0);
    m_grab.Close();
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
