// The agent's message-only window: it owns the feeds from Start until its destruction.
#include "ZembraAPIAgent.h"

#include "feeds.h"

CString CZembraAPIAgent::m_strClassName = "ZEMBRA_API";
int CZembraAPIAgent::m_bRegisted = 0;
HWND CZembraAPIAgent::m_hMain = NULL;
CGetAPIData* CZembraAPIAgent::m_pTicker = NULL;
CGetAPIHogaData* CZembraAPIAgent::m_pHoga = NULL;
CGetAPIFillListData* CZembraAPIAgent::m_pFillListData = NULL;
CString CZembraAPIAgent::m_strAPIKey;
CString CZembraAPIAgent::m_strSecKey;

BEGIN_MESSAGE_MAP(CZembraAPIAgent, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// How long the agent waits for each feed thread to end.
const DWORD kThreadJoinLimitMs = 1000;

// A thread still inside a fetch holds the feed until the fetch returns (its session's time-outs
// bound that) and then ends by itself; the agent lets go of the feed either way.
template <class TFeed>
void StopAndRelease(TFeed*& pFeed)
{
    if (!pFeed)
        return;
    pFeed->Join(kThreadJoinLimitMs);
    pFeed->Detach();
    pFeed->Release();
    pFeed = NULL;
}

} // namespace

CZembraAPIAgent::CZembraAPIAgent()
{
}

CZembraAPIAgent::~CZembraAPIAgent()
{
}

BOOL CZembraAPIAgent::RegisterControl()
{
    WNDCLASSA wndcls;
    memset(&wndcls, 0, sizeof(wndcls));
    wndcls.style = CS_DBLCLKS;
    wndcls.lpfnWndProc = ::DefWindowProcA;
    // The framework's instance handle, as an extension library sees it: CWnd::CreateEx looks the
    // class up under that instance.
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    wndcls.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wndcls.hbrBackground = NULL;
    wndcls.lpszMenuName = NULL;
    wndcls.lpszClassName = m_strClassName;
    return AfxRegisterClass(&wndcls);
}

BOOL CZembraAPIAgent::Create()
{
    if (!m_bRegisted)
    {
        if (!RegisterControl())
            return FALSE;
        m_bRegisted = 1;
    }
    return CreateEx(0, m_strClassName, "ZembraAPIAgent", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL);
}

int CZembraAPIAgent::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    return 0;
}

void CZembraAPIAgent::Start()
{
    if (!m_pTicker)
    {
        m_pTicker = new CGetAPIData;
        m_pTicker->StartThreads();
    }
    if (!m_pHoga)
    {
        m_pHoga = new CGetAPIHogaData;
        m_pHoga->StartThreads();
    }
    if (!m_pFillListData)
    {
        m_pFillListData = new CGetAPIFillListData;
        m_pFillListData->StartThreads();
    }
}

void CZembraAPIAgent::OnDestroy()
{
    CWnd::OnDestroy();
    // Stop all three first so that they wind down together, then join each before letting it go.
    if (m_pTicker)
        m_pTicker->RequestStop();
    if (m_pHoga)
        m_pHoga->RequestStop();
    if (m_pFillListData)
        m_pFillListData->RequestStop();
    StopAndRelease(m_pTicker);
    StopAndRelease(m_pHoga);
    StopAndRelease(m_pFillListData);
}

void CZembraAPIAgent::SetMainHWND(HWND hMain)
{
    m_hMain = hMain;
    if (m_pTicker)
        m_pTicker->SetMainWnd(hMain);
    if (m_pHoga)
        m_pHoga->SetMainWnd(hMain);
    if (m_pFillListData)
        m_pFillListData->SetMainWnd(hMain);
}

void CZembraAPIAgent::RequestTickerData(CString strCode, HWND hWnd)
{
    if (m_pTicker)
        m_pTicker->Receivers().Add(strCode, hWnd);
}

void CZembraAPIAgent::StopTickerData(CString strCode, HWND hWnd)
{
    if (m_pTicker)
        m_pTicker->Receivers().Remove(strCode, hWnd);
}

void CZembraAPIAgent::RequestHogaData(CString strCode, HWND hWnd)
{
    if (m_pHoga)
    {
        m_pHoga->Receivers().Add(strCode, hWnd);
        m_pHoga->Receivers().RebuildPollList();
    }
}

void CZembraAPIAgent::StopHogaData(CString strCode, HWND hWnd)
{
    if (m_pHoga)
    {
        m_pHoga->Receivers().Remove(strCode, hWnd);
        m_pHoga->Receivers().RebuildPollList();
    }
}

void CZembraAPIAgent::RequestFillListData(CString strCode, HWND hWnd)
{
    if (m_pFillListData)
    {
        m_pFillListData->Receivers().Add(strCode, hWnd);
        m_pFillListData->Receivers().RebuildPollList();
    }
}

void CZembraAPIAgent::StopFillListData(CString strCode, HWND hWnd)
{
    if (m_pFillListData)
    {
        m_pFillListData->Receivers().Remove(strCode, hWnd);
        m_pFillListData->Receivers().RebuildPollList();
    }
}
