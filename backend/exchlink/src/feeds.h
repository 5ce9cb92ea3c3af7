// The three market-data feeds. Each polls one public REST path on its fetch thread and hands the
// replies through its queue to its parse thread, which sends fixed records to the registered
// windows with SendMessage.
#pragma once

#include <afxwin.h>
#include "DataReceiverList.h"
#include "WebGrab.h"
#include "ZembraRecords.h"
#include "data_queue.h"

class CZembraFeed
{
public:
    CZembraFeed(LPCTSTR pszAgentName, LPCTSTR pszErrorTitle);
    virtual ~CZembraFeed();

    // Starts the fetch thread, then the parse thread; FALSE when a thread could not start.
    BOOL StartThreads();
    // Sets the stop flag and wakes both threads; returns at once.
    void RequestStop();
    // Waits until both threads have ended, handling messages sent to this thread's windows
    // meanwhile (a parse thread may be inside SendMessage to one of them).
    void Join();

    void SetMainWnd(HWND hMain) { m_hMain = hMain; }
    HWND GetMainWnd() const { return m_hMain; }
    CDataReceiverList& Receivers() { return m_receivers; }

protected:
    // The path to fetch now ("" when nothing is to be fetched this turn) and the coin it is for.
    virtual CString NextPath(CString& strCoin) = 0;
    // Shapes a fetched reply before it is queued.
    virtual void PrepareReply(const CString& strCoin, CString& strReply) {}
    virtual void ParseReply(const char* pText, int nLength) = 0;

    // SendMessage to every window registered for the code that is still a window.
    void SendToReceivers(LPCTSTR pszCode, UINT nMsg, const void* pRecord, int nLength);
    void SendErrorNotice(LPCSTR pszUTF8Message);
    bool IsStopping() const { return m_bStop != 0; }

private:
    static UINT FetchProc(LPVOID pParam);
    static UINT ParseProc(LPVOID pParam);
    void FetchLoop();
    void ParseLoop();
    static void JoinThread(CWinThread*& pThread);

    CString m_strAgentName;
    CString m_strErrorTitle;
    HWND volatile m_hMain; // written by the UI thread, read by the parse thread
    volatile LONG m_bStop;
    HANDLE m_hStopEvent; // manual reset: cuts the pause between polls short at stop
    CWinThread* m_pFetchThread;
    CWinThread* m_pParseThread;
    CWebGrab m_grab;
    CZembraApiQueue<CDataQueue> m_queue;
    CDataReceiverList m_receivers;
};

// Ticker of all coins ("/public/ticker/ALL"), polled while any window is registered.
class CGetAPIData : public CZembraFeed
{
public:
    CGetAPIData();
    virtual ~CGetAPIData();

protected:
    virtual CString NextPath(CString& strCoin);
    virtual void ParseReply(const char* pText, int nLength);

private:
    enum { ALL_RECORDS = 20 };
    BYTE* m_pAllBuffer; // ALL_RECORDS records of the "ALL" batch
};

// Latest trades of the registered coins in turn.
class CGetAPIFillListData : public CZembraFeed
{
public:
    CGetAPIFillListData();
    virtual ~CGetAPIFillListData();

protected:
    virtual CString NextPath(CString& strCoin);
    virtual void PrepareReply(const CString& strCoin, CString& strReply);
    virtual void ParseReply(const char* pText, int nLength);
};

// Order book of the registered coins in turn.
class CGetAPIHogaData : public CZembraFeed
{
public:
    CGetAPIHogaData();
    virtual ~CGetAPIHogaData();

protected:
    virtual CString NextPath(CString& strCoin);
    virtual void ParseReply(const char* pText, int nLength);
};
