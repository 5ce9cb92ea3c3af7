// The exchange agent: keys and signed private requests, the three market-data feeds and the
// registration of windows for their records. One instance per process (its window is a hidden
// message-only window); everything else is static.
#pragma once

#include <afxwin.h>
#include "ExchLinkExport.h"
#include "ZembraRecords.h"

class CGetAPIData;
class CGetAPIFillListData;
class CGetAPIHogaData;

// The exchange's REST base address, unless the install root's "User\system.ini" overrides it
// with [EXCHANGE] BASEURL (https://host[:port], no trailing slash).
#define ZEMBRA_DEFAULT_BASE_URL "https://api.zembra.com"
#define ZEMBRA_BASE_URL_INI "system.ini"
#define ZEMBRA_BASE_URL_SECTION "EXCHANGE"
#define ZEMBRA_BASE_URL_KEY "BASEURL"

class EXCHLINK_API CZembraAPIAgent : public CWnd
{
public:
    CZembraAPIAgent();
    virtual ~CZembraAPIAgent();

    // Registers the window class once and creates the message-only window; 0 on failure.
    BOOL Create();
    // Creates the feeds (ticker, order book, trades) and starts their fetch and parse threads.
    void Start();

    // Window that receives WM_APIERROR_NOTICE; handed to the feeds that exist now, so call it
    // after Start.
    static void SetMainHWND(HWND hMain);

    static void SetKeys(CString strAPIKey, CString strSecKey);
    static CString GetAPIKey();
    static CString GetSecKey();

    // One signed POST of endpoint with parameters ("name=value&..."); the reply text. A read
    // whose reply is not JSON is posted again, at most four times in all; a request under
    // "/trade/" (an order) is posted exactly once whatever comes back. A post gives up on an
    // exchange silent beyond its 15 s time-outs (connect, send, receive) with the empty text, or
    // what was read. The caller judges "status".
    static CString RequestPrivateData(CString strEndpoint, CString strParams);
    // NUL-terminated UTF-8 to the ANSI code page.
    static CString UTF8toANSI(LPCSTR pszUTF8);

    // Registration of windows for the feeds' records; "ALL" asks for the ticker batch of all
    // coins. Ignored while the feeds do not exist.
    static void RequestTickerData(CString strCode, HWND hWnd);
    static void StopTickerData(CString strCode, HWND hWnd);
    static void RequestHogaData(CString strCode, HWND hWnd);
    static void StopHogaData(CString strCode, HWND hWnd);
    static void RequestFillListData(CString strCode, HWND hWnd);
    static void StopFillListData(CString strCode, HWND hWnd);

    // The exchange's base address: SetBaseURL replaces it for the process (an empty text goes
    // back to the INI key or the built-in address).
    static CString GetBaseURL();
    static void SetBaseURL(CString strBaseURL);

    static CString m_strClassName;
    static int m_bRegisted;
    static HWND m_hMain;
    static CGetAPIData* m_pTicker;
    static CGetAPIHogaData* m_pHoga;
    static CGetAPIFillListData* m_pFillListData;
    static CString m_strAPIKey;
    static CString m_strSecKey;

protected:
    static BOOL RegisterControl();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
