// The three market-data feeds. Each polls one public REST path on its fetch thread and hands the
// replies through its queue to its parse thread, which sends fixed records to the registered
// windows with SendMessage.
#pragma once

#include <afxwin.h>
#include "DataReceiverList.h"
#include "ZembraRecords.h"
#include "data_queue.h"

class CZembraFeed
{
public:
    CZembraFeed(LPCTSTR pszAgentName, LPCTSTR pszErrorTitle);

    // The agent and the feed's two threads each hold the feed; the last to let go deletes it.
    // So a thread still inside a fetch when the agent stopped waiting for it finds everything it
    // uses still there, and ends on its own once the fetch returns.
    void AddRef();
    void Release();

    // Starts the fetch thread, then the parse thread; FALSE when a thread could not start.
    BOOL StartThreads();
    // Sets the stop flag and wakes both threads; returns at once.
    void RequestStop();
    // Waits at most dwLimitMs for the fetch thread and then at most dwLimitMs for the parse
    // thread, handling messages sent to this thread's windows meanwhile (a parse thread may be
    // inside SendMessage to one of them). TRUE when both have ended.
    BOOL Join(DWORD dwLimitMs);
    // The agent lets go of the feed: its registry is emptied and its main window forgotten, so
    // a thread that is still running delivers nothing more.
    void Detach();

    void SetMainWnd(HWND hMain) { m_hMain = hMain; }
    HWND GetMainWnd() const { return m_hMain; }
    CDataReceiverList& Receivers() { return m_receivers; }

protected:
    virtual ~CZembraFeed(); // through Release only

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
    // Waits for the thread and closes its handle; TRUE when it has ended.
    static BOOL JoinThread(HANDLE& hThread, DWORD dwLimitMs);

    volatile LONG m_nRefs;
    CString m_strAgentName;
    CString m_strErrorTitle;
    HWND volatile m_hMain; // written by the UI thread, read by the parse thread
    volatile LONG m_bStop;
    HANDLE m_hStopEvent; // manual reset: cuts the pause between polls short at stop
    // Our own handles of the threads: their thread objects delete themselves when they end.
    HANDLE m_hFetchThread;
    HANDLE m_hParseThread;
    CZembraApiQueue<CDataQueue> m_queue;
    CDataReceiverList m_receivers;
};

// Ticker of all coins ("/public/ticker/ALL"), polled while any window is registered.
class CGetAPIData : public CZembraFeed
{
public:
    CGetAPIData();

protected:
    virtual ~CGetAPIData();
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

protected:
    virtual ~CGetAPIFillListData();
    virtual CString NextPath(CString& strCoin);
    virtual void PrepareReply(const CString& strCoin, CString& strReply);
    virtual void ParseReply(const char* pText, int nLength);
};

// Order book of the registered coins in turn.
class CGetAPIHogaData : public CZembraFeed
{
public:
    CGetAPIHogaData();

protected:
    virtual ~CGetAPIHogaData();
    virtual CString NextPath(CString& strCoin);
    virtual void ParseReply(const char* pText, int nLength);
};
