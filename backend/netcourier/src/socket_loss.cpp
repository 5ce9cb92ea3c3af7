// A lost connection, whoever lost it, reaches the main window as WM_LINK_CLOSED once; only
// when the main window leaves it to the link (result -1) does the link show the loss itself
// and ask for the logout.
#include "LinkTable.h"

namespace {

const DWORD kDeliveryWait = 2000;
const UINT kLossBox = MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST;

} // namespace

void CQuelmarSocket::FailLink(const CString& text)
{
    {
        CSingleLock hold(&m_sendLock, TRUE);
        CAsyncSocket::Close();
    }
    ReportLoss(text);
}

void CQuelmarSocket::ReportLoss(const CString& text)
{
    if (InterlockedExchange(&m_bLossReported, 1) != 0)
        return;
    // Only an established connection can be lost; closed by this side (104) nothing was. One
    // step, so that a Close() on the user-interface thread meanwhile is never overwritten.
    if (InterlockedCompareExchange(&m_nState, LCM_STATE_CLOSED, LCM_STATE_CONNECTED) != LCM_STATE_CONNECTED)
        return;
    // The replies that came before the loss reach their windows before the news of it.
    m_pTable->GetPump().WaitDelivered(kDeliveryWait);
    const HWND hMainWnd = m_pTable->GetMainWnd();
    if (hMainWnd == NULL)
        return;
    InterlockedExchange(&m_bTellingMainWnd, 1);
    const LRESULT result = SendMessageA(hMainWnd, WM_LINK_CLOSED, 0, 0);
    InterlockedExchange(&m_bTellingMainWnd, 0);
    if (result != -1)
        return;
    AfxPlatformMessageBox(NULL, text, NULL, kLossBox);
    if (m_nState > LCM_STATE_INIT)
        SetState(LCM_STATE_TERMINATED);
    StopThread(kDeliveryWait);
    SendMessageA(hMainWnd, WM_FORCE_LOGOUT, 0, 0);
}
