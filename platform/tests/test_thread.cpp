// Threads: worker threads, user-interface threads with their own loop, idle processing and the
// end of a thread.
#include <gtest/gtest.h>

#include <atomic>

#include "wnd_test_util.h"

namespace {

UINT AFX_CDECL ReturnParam(LPVOID pParam)
{
    return (UINT)(UINT_PTR)pParam;
}

std::atomic<int> g_workerRuns{0};

UINT AFX_CDECL CountRun(LPVOID)
{
    ++g_workerRuns;
    return 0;
}

DWORD WaitExitCode(CWinThread* pThread)
{
    EXPECT_EQ(::WaitForSingleObject(pThread->m_hThread, 5000), WAIT_OBJECT_0);
    DWORD dwCode = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwCode);
    return dwCode;
}

TEST(WorkerThreads, RunTheFunctionAndEndWithItsResult)
{
    CWinThread* pThread = AfxBeginThread(&ReturnParam, (LPVOID)1234, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(pThread, (CWinThread*)NULL);
    pThread->m_bAutoDelete = FALSE; // keep the object (and its handle) to read the result
    EXPECT_NE(pThread->m_nThreadID, 0u);
    pThread->ResumeThread();
    EXPECT_EQ(WaitExitCode(pThread), 1234u);
    delete pThread;
}

std::atomic<bool> g_afterEnd{false};

UINT AFX_CDECL EndEarly(LPVOID)
{
    AfxEndThread(77, FALSE);
    g_afterEnd = true; // never reached
    return 1;
}

TEST(WorkerThreads, AfxEndThreadEndsAtOnceWithItsCode)
{
    CWinThread* pThread = AfxBeginThread(&EndEarly, NULL, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(pThread, (CWinThread*)NULL);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    EXPECT_EQ(WaitExitCode(pThread), 77u);
    EXPECT_FALSE(g_afterEnd.load());
    delete pThread;
}

TEST(WorkerThreads, SuspendedThreadWaitsForResume)
{
    g_workerRuns = 0;
    CWinThread* pThread = AfxBeginThread(&CountRun, NULL, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(pThread, (CWinThread*)NULL);
    pThread->m_bAutoDelete = FALSE;
    ::Sleep(100);
    EXPECT_EQ(g_workerRuns.load(), 0);
    pThread->ResumeThread();
    WaitExitCode(pThread);
    EXPECT_EQ(g_workerRuns.load(), 1);
    delete pThread;
}

TEST(WorkerThreads, AutoDeleteObjectGoesWithTheThread)
{
    struct CTrackedThread : CWinThread
    {
        CTrackedThread(std::atomic<bool>* p) : CWinThread(&CountRun, NULL), m_pDeleted(p) {}
        ~CTrackedThread() { *m_pDeleted = true; }
        std::atomic<bool>* m_pDeleted;
    };
    std::atomic<bool> bDeleted{false};
    CWinThread* pThread = new CTrackedThread(&bDeleted);
    HANDLE hCopy = NULL;
    ASSERT_TRUE(pThread->CreateThread(CREATE_SUSPENDED));
    ::DuplicateHandle(::GetCurrentProcess(), pThread->m_hThread, ::GetCurrentProcess(), &hCopy, 0, FALSE,
                      DUPLICATE_SAME_ACCESS);
    pThread->ResumeThread();
    ASSERT_EQ(::WaitForSingleObject(hCopy, 5000), WAIT_OBJECT_0);
    ::CloseHandle(hCopy);
    EXPECT_TRUE(bDeleted.load());
}

// A user-interface thread: a window of its own, thread messages, idle work.
const UINT WM_TEST_PING = WM_APP + 10;      // thread message: answer through the event
const UINT WM_TEST_MAKE_TEMP = WM_APP + 11; // thread message: make a temporary object of lParam
const UINT WM_TEST_COUNT_TEMPS = WM_APP + 12;

struct UIThreadProbe
{
    std::atomic<int> initCalls{0};
    std::atomic<int> exitCalls{0};
    std::atomic<int> idleZero{0};
    std::atomic<int> idleOne{0};
    std::atomic<int> pings{0};
    std::atomic<int> tempCount{-1};
    std::atomic<int> preTranslated{0};
    std::atomic<bool> deleted{false};
    std::atomic<bool> threadMatches{false};
    std::atomic<HWND> hMainWnd{NULL};
    bool failInit = false;
    HANDLE hEvent = ::CreateEventA(NULL, FALSE, FALSE, NULL);
    ~UIThreadProbe() { ::CloseHandle(hEvent); }
};

UIThreadProbe* g_probe = nullptr;

class CProbeMainWnd : public CWnd
{
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_APP + 20) {
            ++g_probe->preTranslated;
            ::SetEvent(g_probe->hEvent);
            return TRUE;
        }
        return FALSE;
    }
};

class CProbeUIThread : public CWinThread
{
    DECLARE_DYNCREATE(CProbeUIThread)
public:
    ~CProbeUIThread() { g_probe->deleted = true; }
    BOOL InitInstance() override
    {
        ++g_probe->initCalls;
        g_probe->threadMatches = AfxGetThread() == this;
        if (g_probe->failInit)
            return FALSE;
        CWnd* pWnd = new CProbeMainWnd;
        pWnd->CreateEx(0, NULL, "ui thread", WS_POPUP, 0, 0, 10, 10, NULL, NULL);
        m_pMainWnd = pWnd;
        g_probe->hMainWnd = pWnd->m_hWnd;
        return TRUE;
    }
    int ExitInstance() override
    {
        ++g_probe->exitCalls;
        delete m_pMainWnd; // destroys the window if it still exists
        m_pMainWnd = NULL;
        return CWinThread::ExitInstance();
    }
    BOOL OnIdle(LONG lCount) override
    {
        (lCount == 0 ? g_probe->idleZero : g_probe->idleOne)++;
        return CWinThread::OnIdle(lCount);
    }

protected:
    afx_msg void OnPing(WPARAM, LPARAM)
    {
        ++g_probe->pings;
        ::SetEvent(g_probe->hEvent);
    }
    afx_msg void OnMakeTemp(WPARAM, LPARAM lParam)
    {
        CWnd::FromHandle((HWND)lParam);
        g_probe->tempCount = AfxGetTempWndCount();
        ::SetEvent(g_probe->hEvent);
    }
    afx_msg void OnCountTemps(WPARAM, LPARAM)
    {
        g_probe->tempCount = AfxGetTempWndCount();
        ::SetEvent(g_probe->hEvent);
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CProbeUIThread, CWinThread)

BEGIN_MESSAGE_MAP(CProbeUIThread, CWinThread)
    ON_THREAD_MESSAGE(WM_TEST_PING, OnPing)
    ON_THREAD_MESSAGE(WM_TEST_MAKE_TEMP, OnMakeTemp)
    ON_THREAD_MESSAGE(WM_TEST_COUNT_TEMPS, OnCountTemps)
END_MESSAGE_MAP()

class UIThreads : public ::testing::Test
{
protected:
    void SetUp() override { g_probe = &m_probe; }
    void TearDown() override { g_probe = nullptr; }
    // Starts the thread; the object stays alive so that its handle can be waited on.
    CWinThread* Start()
    {
        CWinThread* pThread = AfxBeginThread(RUNTIME_CLASS(CProbeUIThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        if (pThread != NULL) {
            ::DuplicateHandle(::GetCurrentProcess(), pThread->m_hThread, ::GetCurrentProcess(), &m_hThread, 0, FALSE,
                              DUPLICATE_SAME_ACCESS);
            pThread->ResumeThread();
        }
        return pThread;
    }
    DWORD WaitForEnd()
    {
        EXPECT_EQ(::WaitForSingleObject(m_hThread, 5000), WAIT_OBJECT_0);
        DWORD dwCode = 0;
        ::GetExitCodeThread(m_hThread, &dwCode);
        ::CloseHandle(m_hThread);
        return dwCode;
    }
    bool WaitEvent() { return ::WaitForSingleObject(m_probe.hEvent, 5000) == WAIT_OBJECT_0; }
    UIThreadProbe m_probe;
    HANDLE m_hThread = NULL;
};

TEST_F(UIThreads, OwnLoopHandlesThreadMessagesAndEndsOnQuit)
{
    CWinThread* pThread = Start();
    ASSERT_NE(pThread, (CWinThread*)NULL);
    DWORD nThreadID = pThread->m_nThreadID;
    // The queue exists as soon as the thread was created.
    ASSERT_TRUE(::PostThreadMessageA(nThreadID, WM_TEST_PING, 0, 0));
    ASSERT_TRUE(WaitEvent());
    EXPECT_EQ(m_probe.pings.load(), 1);
    EXPECT_EQ(m_probe.initCalls.load(), 1);
    EXPECT_TRUE(m_probe.threadMatches.load());

    ASSERT_TRUE(::PostThreadMessageA(nThreadID, WM_QUIT, 17, 0));
    EXPECT_EQ(WaitForEnd(), 17u) << "the exit code is WM_QUIT's";
    EXPECT_EQ(m_probe.exitCalls.load(), 1);
    EXPECT_TRUE(m_probe.deleted.load()) << "m_bAutoDelete";
    EXPECT_FALSE(::IsWindow(m_probe.hMainWnd.load()));
}

TEST_F(UIThreads, IdleWorkFreesTemporaryObjects)
{
    HWND hForeign = CreateForeignWindow();
    CWinThread* pThread = Start();
    ASSERT_NE(pThread, (CWinThread*)NULL);
    DWORD nThreadID = pThread->m_nThreadID;
    ASSERT_TRUE(::PostThreadMessageA(nThreadID, WM_TEST_MAKE_TEMP, 0, (LPARAM)hForeign));
    ASSERT_TRUE(WaitEvent());
    EXPECT_EQ(m_probe.tempCount.load(), 1);
    // The thread goes idle before the next message arrives.
    ::Sleep(100);
    ASSERT_TRUE(::PostThreadMessageA(nThreadID, WM_TEST_COUNT_TEMPS, 0, 0));
    ASSERT_TRUE(WaitEvent());
    EXPECT_EQ(m_probe.tempCount.load(), 0);
    EXPECT_GE(m_probe.idleZero.load(), 1);
    EXPECT_GE(m_probe.idleOne.load(), 1);
    ::PostThreadMessageA(nThreadID, WM_QUIT, 0, 0);
    WaitForEnd();
    ::DestroyWindow(hForeign);
}

TEST_F(UIThreads, DestroyingTheMainWindowEndsTheLoop)
{
    CWinThread* pThread = Start();
    ASSERT_NE(pThread, (CWinThread*)NULL);
    ASSERT_TRUE(::PostThreadMessageA(pThread->m_nThreadID, WM_TEST_PING, 0, 0));
    ASSERT_TRUE(WaitEvent());
    ::PostMessageA(m_probe.hMainWnd.load(), WM_CLOSE, 0, 0); // the default closing destroys it
    EXPECT_EQ(WaitForEnd(), 0u);
    EXPECT_EQ(m_probe.exitCalls.load(), 1);
}

TEST_F(UIThreads, MessagesForTheMainWindowArePreTranslated)
{
    CWinThread* pThread = Start();
    ASSERT_NE(pThread, (CWinThread*)NULL);
    ASSERT_TRUE(::PostThreadMessageA(pThread->m_nThreadID, WM_TEST_PING, 0, 0));
    ASSERT_TRUE(WaitEvent());
    DWORD nThreadID = pThread->m_nThreadID;
    ::PostMessageA(m_probe.hMainWnd.load(), WM_APP + 20, 0, 0);
    ASSERT_TRUE(WaitEvent());
    EXPECT_EQ(m_probe.preTranslated.load(), 1);
    ::PostThreadMessageA(nThreadID, WM_QUIT, 0, 0);
    WaitForEnd();
}

TEST_F(UIThreads, FailedInitInstanceEndsTheThreadThroughExitInstance)
{
    m_probe.failInit = true;
    CWinThread* pThread = Start();
    ASSERT_NE(pThread, (CWinThread*)NULL);
    EXPECT_EQ(WaitForEnd(), 0u);
    EXPECT_EQ(m_probe.initCalls.load(), 1);
    EXPECT_EQ(m_probe.exitCalls.load(), 1);
    EXPECT_TRUE(m_probe.deleted.load());
}

TEST(ThreadObjects, ClassesOutsideCWinThreadAreRefused)
{
    bool bThrew = false;
    try {
        AfxBeginThread(RUNTIME_CLASS(CWnd));
    } catch (CInvalidArgException* e) {
        e->Delete();
        bThrew = true;
    }
    EXPECT_TRUE(bThrew);
}

TEST(ThreadObjects, NoThreadObjectOnAPlainThread)
{
    EXPECT_EQ(AfxGetThread(), (CWinThread*)NULL) << "the test program defines no application";
    EXPECT_EQ(AfxGetApp(), (CWinApp*)NULL);
}

} // namespace
