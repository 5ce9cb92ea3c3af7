// The main window's creation, initialisation, timers, messages and destruction.
#include "MainFrame.h"

#include <algorithm>

#include <afxmodal_.h>
#include <mmsystem.h>
#include <shellapi.h>

#include "AppMessages.h"
#include "BaseView.h"
#include "ColorMap.h"
#include "EMRNotice.h"
#include "IniFiles.h"
#include "InstallFolders.h"
#include "LogOutDlg.h"
#include "NetCourier.h"
#include "PollingWnd.h"
#include "RelayMsg.h"
#include "ResourceMap.h"
#include "ScreenLockDlg.h"
#include "SessionSignOff.h"
#include "SharedData.h"
#include "SharedKit.h"
#include "UserConfig.h"
#include "Utils.h"
#include "XMLMenu.h"
#include "ZembraAPIAgent.h"
#include "ZembraRecords.h"

void (*CMainFrame::s_pfnTrace)(const char* step) = NULL;
HINSTANCE(WINAPI* CMainFrame::s_pfnShellExecute)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT) = ::ShellExecuteA;
BOOL(WINAPI* CMainFrame::s_pfnGetLastInputInfo)(PLASTINPUTINFO) = ::GetLastInputInfo;

BEGIN_MESSAGE_MAP(CMainFrame, CBaseFrame)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_GETMINMAXINFO()
    ON_UPDATE_COMMAND_UI_RANGE(100, 9999, OnUpdateCommands)
    ON_MESSAGE(WM_SCREEN_CLOSED, OnScreenClosed)
    ON_MESSAGE(WM_OPEN_SCREEN, OnOpenScreen)
    ON_MESSAGE(WM_SCREEN_ACTIVATED, OnScreenActivated)
    ON_MESSAGE(WM_OPEN_CALCULATOR, OnOpenCalculator)
    ON_MESSAGE(WM_PLAY_ALARM, OnPlayAlarm)
    ON_MESSAGE(WM_NOTIFY_FLAGGED_SCREENS, OnNotifyFlaggedScreens)
    ON_MESSAGE(WM_LINK_CLOSED, OnLinkClosed)
    ON_MESSAGE(WM_RELAY_TO_SCREENS, OnRelayToScreens)
    ON_MESSAGE(WM_FORCE_LOGOUT, OnForceLogout)
    ON_MESSAGE(WM_APIERROR_NOTICE, OnApiNotice)
    ON_MESSAGE(WM_SHOW_SYSTEM_MENU, OnShowSystemMenu)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
    : m_pPollingWnd(NULL), m_hIcon(NULL), m_pFrameBitmap1(NULL), m_pFrameBitmap2(NULL), m_pColorMap(NULL),
      m_pResourceMap(NULL), m_pMenu(NULL), m_pMenuDoc(NULL), m_OrderExec(this), m_pNotice(NULL), m_nIdleTimer(0),
      m_dwIdlePeriod(300000), m_bLocked(FALSE), m_pSetupInfo(NULL), m_hScreenSetMenu(NULL),
      m_hScreenSetParent(NULL), m_ullLoginTick(0), m_tLogin(0), m_pModal(NULL)
{
    m_hIcon = ::LoadIconA(NULL, (LPCSTR)IDI_APPLICATION);
    // The menu's commands come from "menu.xml" and are dispatched by OnCommand, not by
    // handlers of the message map: the framework would grey every one of them in a drop-down.
    m_bAutoMenuEnable = FALSE;
}

CMainFrame::~CMainFrame()
{
    if (m_pMenuDoc != NULL) {
        m_pMenuDoc->ClearNodeArray();
        delete m_pMenuDoc;
        m_pMenuDoc = NULL;
    }
    if (m_pMenu != NULL) {
        if (GetXMLMenu() == m_pMenu)
            SetXMLMenu(NULL);
        delete m_pMenu;
        m_pMenu = NULL;
    }
    POSITION pos = m_mapLibraries.GetStartPosition();
    while (pos != NULL) {
        CString path;
        HMODULE module = NULL;
        m_mapLibraries.GetNextAssoc(pos, path, module);
        if (module != NULL)
            ::FreeLibrary(module);
    }
    m_mapLibraries.RemoveAll();
}

void CMainFrame::Trace(const char* step)
{
    if (s_pfnTrace != NULL)
        s_pfnTrace(step);
}

void CMainFrame::ShellOpen(const CString& address)
{
    if (!address.IsEmpty())
        s_pfnShellExecute(NULL, "open", address, NULL, NULL, SW_SHOWNORMAL);
}

BOOL CMainFrame::Create()
{
    return CFrameWnd::Create(NULL, MAIN_FRAME_CAPTION, WS_OVERLAPPEDWINDOW,
                             CRect(0, 0, MAIN_FRAME_WIDTH, MAIN_FRAME_HEIGHT));
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~FWS_ADDTOTITLE;
    cs.lpszClass = AfxRegisterWndClass(0, NULL, NULL, m_hIcon);
    return CBaseFrame::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CBaseFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    // After the exchange agent's Start: only feeds that exist now report to this window.
    CZembraAPIAgent::SetMainHWND(m_hWnd);
    LCM_SetMainHwnd(m_hWnd);
    char lastLogin[20] = {0};
    lstrcpynA(lastLogin, LCM_GetLastLoginTime() != NULL ? LCM_GetLastLoginTime() : "", sizeof lastLogin);
    CSharedData::SetLastLoginTime(lastLogin);
    m_tLogin = _time64(NULL);
    m_ullLoginTick = ::GetTickCount64();

    // Only a whole initialisation goes on: a frame without its tool bar has no poll, alarm
    // host or clock either.
    if (Initialize() != 1) {
        Trace("initialize failed");
        return -1;
    }
    m_RcmdCoinManager.Create();
    Trace("trading manager");
    return 0;
}

BOOL CMainFrame::CreateToolBar()
{
    return m_ToolBar.Create(this, 0x504028B4, MAIN_TOOLBAR_ID);
}

BOOL CMainFrame::Initialize()
{
    if (!CBaseFrame::Initialize())
        return 0;
    Trace("base frame");

    MigrateUserConfig();
    Trace("user.cfg version");

    SetWindowText(MAIN_FRAME_TITLE);
    m_font.CreateFont(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "굴림체");
    Trace("title and font");

    m_pColorMap = GetColorMap();
    m_pColorMap->Load(CString(GetSystemDir()) + "colormap.xml", "default");
    m_pResourceMap = GetResourceMap();
    const int images = m_pResourceMap->Load(CString(GetSystemDir()) + "ResourceMap.xml", "default");
    Trace("colour and image maps");

    m_pFrameBitmap1 = CResourceMap::GetBitmap(101);
    m_pFrameBitmap2 = CResourceMap::GetBitmap(102);
    m_TitleBar.SetBackgroundImage(m_pFrameBitmap1, m_pFrameBitmap2);
    m_TitleBar.SetMinButtonImage(CResourceMap::GetBitmap(103), CResourceMap::GetBitmap(104), CResourceMap::GetBitmap(105));
    m_TitleBar.SetMaxButtonImage(CResourceMap::GetBitmap(127), CResourceMap::GetBitmap(127), CResourceMap::GetBitmap(127));
    m_TitleBar.SetRestoreButtonImage(CResourceMap::GetBitmap(106), CResourceMap::GetBitmap(107),
                                     CResourceMap::GetBitmap(108));
    m_TitleBar.SetCloseButtonImage(CResourceMap::GetBitmap(109), CResourceMap::GetBitmap(110), CResourceMap::GetBitmap(111));
    for (int i = 0; i < MAINTITLEBAR_MENUS; ++i)
        m_TitleBar.SetMenuButtonImage(i, CResourceMap::GetBitmap((WORD)(518 + 3 * i)),
                                      CResourceMap::GetBitmap((WORD)(519 + 3 * i)),
                                      CResourceMap::GetBitmap((WORD)(520 + 3 * i)));
    // With the minimise button the caption's close closes the frame (without it the bar turns
    // WM_CLOSE into IDCANCEL, which a frame has no use for).
    m_TitleBar.SetWindowStyle(TITLEBAR_MINBUTTON);
    m_TitleBar.Install(this);
    Trace("title bar");

    const CString menuPath = CString(GetSystemDir()) + "menu.xml";
    if (m_pMenuDoc == NULL)
        m_pMenuDoc = new CXMLHelper;
    m_pMenuDoc->Load(menuPath);
    m_pMenu = new CXMLMenu(this);
    m_pMenu->SetUserGroup(MAIN_USER_GROUP);
    SetXMLMenu(m_pMenu);
    if (!m_pMenu->Load(menuPath, MAIN_USER_CLASS))
        return 0;
    Trace("menu");

    if (!CreateToolBar()) {
        CUtils::LogServer_WriteLog("툴바 생성 실패");
        return -1;
    }
    Trace("tool bar");

    LoadScreenSets();
    Trace("screen sets");

    EnableDocking(0xA000);

    ReadUserConfig();
    m_pSetupInfo = CSharedData::GetSetupInfo();
    Trace("user.cfg");

    RestorePosition();
    Trace("position");

    CSharedData::SetMainFrameHandle(m_hWnd);
    Trace("main frame handle");

    if (m_pPollingWnd == NULL) {
        m_pPollingWnd = new CPollingWnd;
        if (!m_pPollingWnd->Create()) {
            delete m_pPollingWnd;
            m_pPollingWnd = NULL;
        }
    }
    Trace("poll");

    m_OrderExec.Create();
    CSharedData::SetOrdAlarmHandel(m_OrderExec.GetSafeHwnd());
    Trace("order alarm host");

    // The idle lock follows the settings from the start.
    ApplySettings();

    ShowClock();
    SetTimer(TIMER_CLOCK, CLOCK_MS, NULL);
    Trace("clock");
    return images ? 1 : 0;
}

CString CMainFrame::FormatClock(const SYSTEMTIME& time)
{
    static const char* const kWeekdays[] = {"일", "월", "화", "수", "목", "금", "토"};
    CString text;
    text.Format("%d월 %02d일 (%s) %02d:%02d", time.wMonth, time.wDay, kWeekdays[time.wDayOfWeek % 7], time.wHour,
                time.wMinute);
    return text;
}

void CMainFrame::ShowClock()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    m_strClock = FormatClock(now);
    m_TitleBar.SetTitlebarTime(m_strClock);
}

namespace {

BOOL CALLBACK UniteMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data)
{
    CRect* all = reinterpret_cast<CRect*>(data);
    all->UnionRect(all, rect);
    return TRUE;
}

} // namespace

CPoint CMainFrame::PlaceOnMonitors(const CRect& window, int left, int top)
{
    CRect all(0, 0, 0, 0);
    ::EnumDisplayMonitors(NULL, NULL, UniteMonitor, reinterpret_cast<LPARAM>(&all));
    CRect moved(window);
    moved.OffsetRect(left - window.left, top - window.top);
    CRect common;
    if (!common.IntersectRect(&moved, &all))
        return CPoint(0, 0);
    return CPoint(left, top);
}

void CMainFrame::RestorePosition()
{
    CIniFiles ini(UserConfigPath());
    const int left = ini.ReadInteger("MAIN", "LEFT", 0);
    const int top = ini.ReadInteger("MAIN", "TOP", 0);
    CRect window;
    GetWindowRect(&window);
    const CPoint place = PlaceOnMonitors(window, left, top);
    SetWindowPos(NULL, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainFrame::SavePosition()
{
    // A minimised frame keeps the place it will come back to.
    WINDOWPLACEMENT placement = {sizeof placement};
    CRect window;
    GetWindowRect(&window);
    if (IsIconic() && GetWindowPlacement(&placement))
        window = placement.rcNormalPosition;
    CIniFiles ini(UserConfigPath());
    ini.WriteInteger("MAIN", "LEFT", window.left);
    ini.WriteInteger("MAIN", "TOP", window.top);
}

void CMainFrame::ApplySettings()
{
    if (m_pSetupInfo == NULL)
        m_pSetupInfo = CSharedData::GetSetupInfo();
    static const DWORD kPeriods[] = {300000, 600000, 1800000, 3600000, 7200000};
    if (m_pSetupInfo->nLockTime >= 0 && m_pSetupInfo->nLockTime < 5)
        m_dwIdlePeriod = kPeriods[m_pSetupInfo->nLockTime];
    if (m_pSetupInfo->nScreenLock) {
        if (m_nIdleTimer == 0)
            m_nIdleTimer = SetTimer(TIMER_IDLE_LOCK, IDLE_CHECK_MS, NULL);
    } else if (m_nIdleTimer != 0) {
        KillTimer(m_nIdleTimer);
        m_nIdleTimer = 0;
    }
    TrimScreens();
}

void CMainFrame::TrimScreens()
{
    const int most = std::max(CSharedData::GetMaxScreen(), 0);
    // One attempt per screen too many: a screen that does not close on WM_CLOSE is destroyed.
    for (int excess = m_ScreenList.GetCount() - most; excess > 0 && m_ScreenList.GetCount() > most; --excess) {
        const HWND oldest = m_ScreenList.GetAt(0)->GetSafeHwnd();
        ::SendMessageA(oldest, WM_CLOSE, 0, 0);
        if (m_ScreenList.FindByWindow(oldest) != NULL)
            m_ScreenList.RemoveAndDestroy(oldest);
    }
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_CLOCK) {
        ShowClock();
        return;
    }
    if (nIDEvent == TIMER_IDLE_LOCK) {
        if (m_bLocked)
            return;
        LASTINPUTINFO input = {sizeof input};
        // Tick differences stay right across the counter's wrap.
        if (s_pfnGetLastInputInfo(&input) && ::GetTickCount() - input.dwTime > m_dwIdlePeriod)
            LockScreen();
        return;
    }
    CBaseFrame::OnTimer(nIDEvent);
}

void CMainFrame::LockScreen()
{
    if (m_bLocked)
        return;
    if (m_nIdleTimer != 0) {
        KillTimer(m_nIdleTimer);
        m_nIdleTimer = 0;
    }
    m_bLocked = TRUE;
    Trace("lock");
    ShowWindow(SW_MINIMIZE);
    ShowWindow(SW_HIDE);
    // Only the login password ends the dialog (or a forced logout, which then follows).
    CScreenLockDlg dialog(this);
    RunModal(dialog);
    ShowWindow(SW_SHOW);
    ShowWindow(SW_SHOWNORMAL);
    m_bLocked = FALSE;
    Trace("unlock");
    // The idle lock keeps watching after an unlock.
    if (m_pSetupInfo != NULL && m_pSetupInfo->nScreenLock)
        m_nIdleTimer = SetTimer(TIMER_IDLE_LOCK, IDLE_CHECK_MS, NULL);
}

void CMainFrame::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    lpMMI->ptMinTrackSize = CPoint(MAIN_FRAME_WIDTH, MAIN_FRAME_HEIGHT);
    lpMMI->ptMaxTrackSize = CPoint(MAIN_FRAME_WIDTH, MAIN_FRAME_HEIGHT);
}

void CMainFrame::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CRect line(client.left + 4, client.bottom - 4, client.right - 4, client.bottom - 2);
    dc.Draw3dRect(&line, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOW));
}

void CMainFrame::OnUpdateCommands(CCmdUI*)
{
}

INT_PTR CMainFrame::RunModal(CDialog& dialog)
{
    CDialog* outer = m_pModal;
    m_pModal = &dialog;
    const INT_PTR result = dialog.DoModal();
    m_pModal = outer;
    return result;
}

BOOL CMainFrame::Logout(BOOL ask)
{
    if (ask) {
        CLogOutDlg dialog(m_ullLoginTick, m_tLogin, this);
        if (RunModal(dialog) != IDOK)
            return FALSE;
    }
    if (CRcmdCoinManager::GetAutoAgent()->GetAutoType() != 0) {
        CUtils::UserLog_WriteLog("자동매매", "로그아웃으로 인해 종료", "종료됨");
        CUtils::LogServer_WriteLog("시스템이 종료되어 자동매매 중지됨");
    }
    char id[50] = {0};
    CSharedData::GetUserID(id, sizeof id);
    CUtils::UserLog_WriteLog("logout", "시스템 로그아웃", id);
    Trace("logout");
    SaveLastScreens();
    DestroyWindow();
    return TRUE;
}

void CMainFrame::OnClose()
{
    Logout(TRUE);
}

LRESULT CMainFrame::OnForceLogout(WPARAM, LPARAM)
{
    if (AfxPlatformModalDepth() > 0) {
        // A modal loop runs under this message (a dialog of the frame, a box of a screen or of
        // the frame): whatever opened it is still on the stack and would lose its window. A
        // dialog of the frame ends at once; the logout follows, once, when no loop runs any more.
        if (m_pModal != NULL) {
            Trace("force logout ends the dialog");
            m_pModal->EndDialog(IDCANCEL);
        } else {
            Trace("force logout waits");
        }
        AfxPlatformPostWhenNotModal(m_hWnd, WM_FORCE_LOGOUT);
        return 0;
    }
    Logout(FALSE);
    return 0;
}

void CMainFrame::OnDestroy()
{
    // The trading manager withdraws its real-time registrations first, so that the sign-off
    // follows them on the link: its answer (or giving up on it after a moment) tells that the
    // server has read them all before the link closes. Closing resets the connection at once
    // and would drop whatever the server has not taken yet.
    if (::IsWindow(m_RcmdCoinManager.GetSafeHwnd()))
        m_RcmdCoinManager.DestroyWindow();
    Trace("trading manager destroyed");

    char id[50] = {0};
    CSharedData::GetUserID(id, sizeof id);
    SendSignOff(id);
    Trace("sign-off");

    if (m_nIdleTimer != 0)
        KillTimer(m_nIdleTimer);
    m_nIdleTimer = 0;
    KillTimer(TIMER_CLOCK);
    Trace("timers");

    if (m_pPollingWnd != NULL) {
        m_pPollingWnd->Stop();
        m_pPollingWnd->DestroyWindow();
        delete m_pPollingWnd;
        m_pPollingWnd = NULL;
    }
    Trace("poll stopped");

    if (m_pNotice != NULL && ::IsWindow(m_pNotice->GetSafeHwnd()))
        m_pNotice->DestroyWindow();
    Trace("notice window");

    LCM_Close(-1);
    Trace("link closed");

    m_ScreenList.DestroyAll();
    Trace("screens destroyed");

    SavePosition();
    Trace("position saved");

    if (::IsWindow(m_ToolBar.GetSafeHwnd()))
        m_ToolBar.DestroyWindow();
    Trace("tool bar destroyed");

    LCM_SetMainHwnd(NULL);
    CZembraAPIAgent::SetMainHWND(NULL);
    CSharedData::SetMainFrameHandle(NULL);
    CSharedData::SetOrdAlarmHandel(NULL);
    CUtils::LogServer_WriteLog("시스템 종료");
    Trace("system end");
    CBaseFrame::OnDestroy();
}

LRESULT CMainFrame::OnScreenClosed(WPARAM, LPARAM lParam)
{
    m_ScreenList.RemoveAndDestroy(reinterpret_cast<HWND>(lParam));
    return 0;
}

LRESULT CMainFrame::OnOpenScreen(WPARAM wParam, LPARAM lParam)
{
    OpenScreenByNumber((UINT)wParam, reinterpret_cast<const RECT*>(lParam));
    return 0;
}

LRESULT CMainFrame::OnScreenActivated(WPARAM, LPARAM lParam)
{
    m_ScreenList.Activate(reinterpret_cast<HWND>(lParam));
    return 0;
}

LRESULT CMainFrame::OnOpenCalculator(WPARAM wParam, LPARAM)
{
    if (wParam != CALCULATOR_REQUEST)
        return 0;
    HWND calculator = ::FindWindowA("SciCalc", "계산기");
    if (calculator != NULL)
        ::SetWindowPos(calculator, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    else
        ShellOpen("calc.exe");
    return 0;
}

LRESULT CMainFrame::OnPlayAlarm(WPARAM, LPARAM)
{
    if (m_pSetupInfo != NULL && m_pSetupInfo->nAlarmOn && m_pSetupInfo->szSoundFile[0] != '\0')
        ::sndPlaySoundA(m_pSetupInfo->szSoundFile, SND_ASYNC);
    return 0;
}

LRESULT CMainFrame::OnNotifyFlaggedScreens(WPARAM, LPARAM)
{
    for (int i = 0; i < m_ScreenList.GetCount(); ++i) {
        CBaseView* view = m_ScreenList.GetAt(i);
        if ((view->GetGroupID() & 1) && ::IsWindow(view->GetSafeHwnd()))
            view->PostMessage(WM_NOTIFY_FLAGGED_SCREENS, 0, 0);
    }
    return 0;
}

LRESULT CMainFrame::OnRelayToScreens(WPARAM, LPARAM lParam)
{
    const tagRelayMsg* relay = reinterpret_cast<const tagRelayMsg*>(lParam);
    if (relay == NULL)
        return 0;
    m_ScreenList.SendToAllBut(relay->hSender, relay->nMessage, relay->wParam, relay->lParam);
    return 1;
}

LRESULT CMainFrame::OnLinkClosed(WPARAM wParam, LPARAM)
{
    const char* text = wParam == 1
        ? "조건 주문 감시중 오류가 발생했습니다.(Data Polling Error..)\n 시스템을 다시 시작하여 주십시오."
        : "서버와 접속이 되지 않습니다. \n\r\n\r 시스템을 다시 시작해 주세요. ";
    CUtils::LogServer_WriteLog(text);
    if (m_pPollingWnd == NULL)
        return -1;
    m_pPollingWnd->Stop();
    // The sending thread goes on while the box is open.
    ::ReplyMessage(0);
    AfxPlatformMessageBox(m_hWnd, text, MAIN_FRAME_CAPTION, MB_OK | MB_ICONSTOP);
    if (wParam == 1)
        return 1;
    for (int i = 0; i < m_ScreenList.GetCount(); ++i)
        m_ScreenList.GetAt(i)->SaveConfigValue();
    PostMessage(WM_FORCE_LOGOUT);
    return 0;
}

LRESULT CMainFrame::OnApiNotice(WPARAM wParam, LPARAM)
{
    const tagAPIErrorNotice* notice = reinterpret_cast<const tagAPIErrorNotice*>(wParam);
    if (notice == NULL)
        return 0;
    // The fields are fixed and need not be terminated: each is read no further than its end.
    CString line;
    line.Format("%s/%s/%s", (LPCSTR)CEMRNotice::FieldText(notice->szTime, sizeof notice->szTime),
                (LPCSTR)CEMRNotice::FieldText(notice->szTitle, sizeof notice->szTitle),
                (LPCSTR)CEMRNotice::FieldText(notice->szMessage, sizeof notice->szMessage));
    CUtils::LogServer_WriteLog(line);
    if (m_pNotice == NULL) {
        CEMRNotice* window = new CEMRNotice(this, &m_pNotice);
        if (!window->Create()) {
            // No window was made, so nothing deletes it on its end.
            delete window;
            return 0;
        }
        m_pNotice = window;
    }
    static_cast<CEMRNotice*>(m_pNotice)->AddNotice(*notice);
    return 1;
}
