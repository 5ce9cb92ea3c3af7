// Start-up and exit of the main program.
#include "MainApp.h"

#include <commctrl.h>
#include <shellapi.h>

#include "IniFiles.h"
#include "InstallFolders.h"
#include "LoginDlg.h"
#include "MainFrame.h"
#include "NetCourier.h"
#include "SharedData.h"
#include "UpdaterSwap.h"
#include "Utils.h"
#include "VersionCheck.h"

CQuelmar_MainApp::CQuelmar_MainApp() : m_hSemaphore(NULL)
{
}

CQuelmar_MainApp::~CQuelmar_MainApp()
{
}

BOOL CQuelmar_MainApp::GuardSingleInstance()
{
    m_hSemaphore = ::CreateSemaphoreA(NULL, 1, 1, MOLVANE_SEMAPHORE_NAME);
    if (m_hSemaphore != NULL && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        // Not this instance's to release.
        ::CloseHandle(m_hSemaphore);
        m_hSemaphore = NULL;
        AfxPlatformMessageBox(NULL, "프로그램이 이미 실행중입니다.", "알림", MB_OK);
        return FALSE;
    }
    return TRUE;
}

void CQuelmar_MainApp::EnsureUserFolder()
{
    CString pattern;
    pattern.Format("%s*.*", GetUserDir());
    CFileFind finder;
    if (!finder.FindFile(pattern))
        ::CreateDirectoryA(GetUserDir(), NULL);
    finder.Close();
}

void CQuelmar_MainApp::SetUpLogs()
{
    CString dir;
    dir.Format("%s\\Molvane\\UserLog\\", getenv("APPDATA") != NULL ? getenv("APPDATA") : "");
    CUtils::UserLog_SetFilePath(dir, "UserLog");
    dir.Format("%s\\Molvane\\System\\", getenv("APPDATA") != NULL ? getenv("APPDATA") : "");
    CUtils::LogServer_SetFilePath(dir, "System");
    CUtils::LogServer_WriteLog("System start");
}

void CQuelmar_MainApp::StartUpdater()
{
    ::ShellExecuteA(NULL, NULL, CString(GetBinDir()) + UPDATER_FILE_NAME, NULL, NULL, SW_SHOW);
}

BOOL CQuelmar_MainApp::RunUpdateChecks()
{
    const UpdaterSwapResult swap = SwapPendingUpdater(GetBinDir());
    if (swap == UPDATER_SWAP_FAILED)
        CUtils::LogServer_WriteLog("업데이트 프로그램 교체 실패");

    const int update = CheckProgramVersion();
    CString text;
    text.Format("버전 체크 : %d", update);
    CUtils::LogServer_WriteLog(text);
    if (update != 1)
        return TRUE;
    StartUpdater();
    CUtils::LogServer_WriteLog("버전 처리 수행");
    LCM_Close(-1);
    return FALSE;
}

void CQuelmar_MainApp::StoreSessionAddresses()
{
    char localIP[32] = {0};
    LCM_GetLocalIP(localIP);
    CSharedData::SetLocalIP(localIP);

    char publicIP[101] = {0};
    ::GetPrivateProfileStringA("RCVDATA", "PUBLICIP", "", publicIP, 100, CString(GetUserDir()) + "system.ini");
    CSharedData::SetPublicIP(publicIP);

    tagServerInfo server = {};
    LCM_GetServerInfo(&server);
    CSharedData::SetIRSPort(server.nPort);
    CSharedData::SetAlias(server.szAlias);
}

BOOL CQuelmar_MainApp::InitInstance()
{
    if (!GuardSingleInstance())
        return FALSE;

    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    CWinApp::InitInstance();
    AfxEnableControlContainer();

    EnsureUserFolder();
    SetUpLogs();

    if (!m_TRAgent.Create())
        return FALSE;
    CUtils::LogServer_WriteLog("TR Agent 성공");

    // Its outcome is read when the user presses login.
    LCM_ConnectServer(0, m_TRAgent.GetSafeHwnd());
    CUtils::LogServer_WriteLog("통신 초기화 성공");

    if (!RunUpdateChecks())
        return FALSE;

    CWendralLoginDlg login;
    if (login.DoModal() == IDCANCEL)
        return FALSE;
    StoreSessionAddresses();

    LCM_ReConnectServer(0, CSharedData::GetBranchIP());

    if (!m_APIAgent.Create())
        return FALSE;
    m_APIAgent.Start();

    char id[50] = {0};
    CSharedData::GetUserID(id, sizeof id);
    CUtils::LogServer_WriteLog("Molvane 시스템 로그인 완료");
    CUtils::UserLog_WriteLog("login", "Molvane 시스템 로그인 완료", id);

    CMainFrame* frame = new CMainFrame;
    m_pMainWnd = frame;
    if (!frame->Create()) {
        // A frame whose window could not be made has deleted itself.
        m_pMainWnd = NULL;
        return FALSE;
    }
    frame->ShowWindow(m_nCmdShow);
    return TRUE;
}

int CQuelmar_MainApp::ExitInstance()
{
    // The exchange agent's window stops its feed threads and waits for them.
    if (::IsWindow(m_APIAgent.GetSafeHwnd()))
        m_APIAgent.DestroyWindow();
    if (::IsWindow(m_TRAgent.GetSafeHwnd()))
        m_TRAgent.DestroyWindow();
    if (m_hSemaphore != NULL) {
        ::ReleaseSemaphore(m_hSemaphore, 1, NULL);
        ::CloseHandle(m_hSemaphore);
        m_hSemaphore = NULL;
    }
    return CWinApp::ExitInstance();
}
