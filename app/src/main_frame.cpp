// The main window's creation and destruction.
#include "MainFrame.h"

#include "NetCourier.h"
#include "SessionSignOff.h"
#include "SharedData.h"
#include "Utils.h"
#include "ZembraAPIAgent.h"

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_LINK_CLOSED, OnLinkClosed)
    ON_MESSAGE(WM_FORCE_LOGOUT, OnForceLogout)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
{
}

CMainFrame::~CMainFrame()
{
}

BOOL CMainFrame::Create()
{
    return CFrameWnd::Create(NULL, MAIN_FRAME_CAPTION, WS_OVERLAPPEDWINDOW,
                             CRect(0, 0, MAIN_FRAME_WIDTH, MAIN_FRAME_HEIGHT));
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // After the exchange agent's Start: only feeds that exist now report to this window.
    CZembraAPIAgent::SetMainHWND(m_hWnd);
    LCM_SetMainHwnd(m_hWnd);
    CSharedData::SetMainFrameHandle(m_hWnd);
    return 0;
}

void CMainFrame::OnDestroy()
{
    // The sign-off goes out and is answered (or given up after a moment) before the link
    // closes: closing resets the connection at once and would drop it.
    char id[50] = {0};
    CSharedData::GetUserID(id, sizeof id);
    SendSignOff(id);
    LCM_Close(-1);
    LCM_SetMainHwnd(NULL);
    CZembraAPIAgent::SetMainHWND(NULL);
    CSharedData::SetMainFrameHandle(NULL);
    CUtils::LogServer_WriteLog("시스템 종료");
    CFrameWnd::OnDestroy();
}

LRESULT CMainFrame::OnLinkClosed(WPARAM, LPARAM)
{
    CUtils::LogServer_WriteLog("서버 연결 끊김");
    // Not taken over: the link shows the loss itself and asks for the logout.
    return -1;
}

LRESULT CMainFrame::OnForceLogout(WPARAM, LPARAM)
{
    DestroyWindow();
    return 0;
}
