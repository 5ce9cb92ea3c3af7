// The server poll.
#include "PollingWnd.h"

#include <algorithm>

#include "SharedData.h"
#include "TRAgent.h"

BEGIN_MESSAGE_MAP(CPollingWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_COPYDATA, OnCopyData)
END_MESSAGE_MAP()

CPollingWnd::CPollingWnd() : m_bRunning(FALSE) {}

CPollingWnd::~CPollingWnd()
{
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CPollingWnd::Create()
{
    return CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, 0, 0, 0, 0, HWND_MESSAGE, NULL);
}

void CPollingWnd::MakeBody(const CString& userId, BYTE body[POLL_BODY_SIZE])
{
    memset(body, 0, POLL_BODY_SIZE);
    body[0] = ' ';
    CString text;
    text.Format("%-8s", (LPCSTR)userId);
    memcpy(body, (LPCSTR)text, std::min(text.GetLength(), POLL_BODY_SIZE));
}

CString CPollingWnd::ReadUserID()
{
    // The store gives nothing to a buffer that cannot hold the ID and its terminator: the
    // buffer grows until it can.
    for (int size = 64; size <= 0x10000; size *= 4) {
        CString id;
        char* buffer = id.GetBuffer(size);
        const int got = CSharedData::GetUserID(buffer, size);
        id.ReleaseBuffer(got ? -1 : 0);
        if (got)
            return id;
    }
    return CString();
}

int CPollingWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_strPollText.Format("%-8s", (LPCSTR)ReadUserID());
    m_bRunning = TRUE;
    SetTimer(TIMER_POLL, POLL_MS, NULL);
    return 0;
}

void CPollingWnd::Stop()
{
    m_bRunning = FALSE;
    if (::IsWindow(m_hWnd))
        KillTimer(TIMER_POLL);
}

void CPollingWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TIMER_POLL) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    BYTE body[POLL_BODY_SIZE];
    MakeBody(ReadUserID(), body);
    CTRAgent::RequestQueryData(TR_POLL, 'I', m_hWnd, NULL, body, POLL_BODY_SIZE, -1);
}

LRESULT CPollingWnd::OnCopyData(WPARAM, LPARAM lParam)
{
    const COPYDATASTRUCT* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (cds != NULL && cds->dwData == TR_POLL) {
        SetTimer(TIMER_POLL, POLL_MS, NULL);
        m_bRunning = FALSE;
    }
    return 0;
}
