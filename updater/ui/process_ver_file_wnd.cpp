#include "process_ver_file_wnd.h"

#include "folder_ops.h"
#include "installer.h"
#include "main_process.h"
#include "patch_runner_dlg.h"
#include "resource.h"

namespace {

const char kWorkerClass[] = "ProcessVerFileWnd";
const UINT_PTR kReplyTimer = 1;
const UINT kReplyTimerMs = 250;

} // namespace

BEGIN_MESSAGE_MAP(CProcessVerFileWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_MESSAGE(WM_VERSION_FRAME, OnVersionFrame)
    ON_MESSAGE(WM_VERSION_LINK_FAILED, OnLinkFailed)
    ON_MESSAGE(WM_VERSION_STEP, OnVersionStep)
END_MESSAGE_MAP()

CProcessVerFileWnd::CProcessVerFileWnd() : m_pDialog(NULL), m_nState(STATE_IDLE), m_nFailureType(MB_OK)
{
}

CProcessVerFileWnd::~CProcessVerFileWnd()
{
}

BOOL CProcessVerFileWnd::Create(CPatchRunnerDlg* pDialog, const UpdaterSettings& settings)
{
    WNDCLASS wc;
    memset(&wc, 0, sizeof(wc));
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = kWorkerClass;
    if (!AfxRegisterClass(&wc))
        return FALSE;
    m_pDialog = pDialog;
    m_settings = settings;
    m_socket.m_pOwner = this;
    return CWnd::Create(kWorkerClass, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pDialog, IDC_WORKER);
}

int CProcessVerFileWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_nState = STATE_FETCHING;
    m_strRootDir = m_settings.installRoot.c_str();
    m_strSystemDir.Format("%sSystem\\", (LPCTSTR)m_strRootDir);
    m_strTempDir.Format("%sTemp\\", (LPCTSTR)m_strRootDir);

    // A failed install that could not be undone left the originals in the backup folder, and
    // nothing records where each belongs: the run stops before anything is fetched or cleared.
    CVersionInstaller installer((LPCTSTR)m_strRootDir, (LPCTSTR)m_strTempDir);
    if (installer.BackupsLeft())
    {
        CString strText;
        strText.Format("이전 업데이트에서 되돌리지 못한 원래 파일이 %s 에 남아 있습니다.\n"
                       "이 파일들을 원래 위치로 옮기거나 다른 곳에 보관한 뒤 다시 실행해주세요.\n\n"
                       "업데이트를 진행하지 않았습니다.",
                       installer.BackupFolder().c_str());
        Fail(strText, MB_OK | MB_ICONERROR);
        return 0;
    }

    // A link that fails here has been reported; its end is posted and closes the dialog.
    if (!m_socket.ConnectServer(m_settings.serverHost.c_str(), m_settings.serverPort) || !m_socket.m_bConnected)
        return 0;

    DeleteFolderTree(std::string((LPCTSTR)m_strTempDir) + "*.*");
    EnsureFolder((LPCTSTR)m_strTempDir);
    LoadLocalVersions(std::string((LPCTSTR)m_strSystemDir) + "version.dat", m_localVersions);

    m_pFetch.reset(new CVersionFetch((LPCTSTR)m_strTempDir, m_localVersions));
    m_pFetch->Start();
    SendRequest();
    m_pDialog->SetStatusText("다운로드 준비중...");
    SetTimer(kReplyTimer, kReplyTimerMs, NULL);
    return 0;
}

void CProcessVerFileWnd::OnDestroy()
{
    CWnd::OnDestroy();
    KillTimer(kReplyTimer);
    m_socket.CloseLink();
}

void CProcessVerFileWnd::SendRequest()
{
    const std::string& request = m_pFetch->Request();
    if (!m_socket.SendFrame(request.data(), (int)request.size()))
        Fail("버전 서버에 요청을 보내지 못했습니다.", MB_OK | MB_ICONERROR);
}

LRESULT CProcessVerFileWnd::OnVersionFrame(WPARAM /*wParam*/, LPARAM lParam)
{
    if (m_nState != STATE_FETCHING || !m_pFetch)
        return 0;
    const char* pFrame = reinterpret_cast<const char*>(lParam);
    int nRequested = m_pFetch->OutstandingCode();
    CVersionFetch::Step step = m_pFetch->OnFrame(pFrame, ParseFrameLength(pFrame));
    if (nRequested == VFC_VERSION_LIST && (step == CVersionFetch::STEP_REQUEST || step == CVersionFetch::STEP_ALL_FETCHED))
        m_pDialog->SetProgressRange(m_pFetch->Total());
    switch (step)
    {
    case CVersionFetch::STEP_WAIT:
        break;
    case CVersionFetch::STEP_REQUEST:
        FetchNextFile();
        break;
    case CVersionFetch::STEP_ALL_FETCHED:
        m_nState = STATE_ENDING;
        KillTimer(kReplyTimer);
        m_socket.CloseLink();
        PostMessage(WM_VERSION_STEP, 1);
        break;
    case CVersionFetch::STEP_SERVER_ERROR:
        Fail("버전처리 중 오류가 발생했습니다.", MB_OK);
        break;
    case CVersionFetch::STEP_FAILED:
        Fail(CString("버전 서버에서 받은 내용을 쓸 수 없습니다.\n") + m_pFetch->ErrorText().c_str(),
             MB_OK | MB_ICONERROR);
        break;
    }
    return 0;
}

void CProcessVerFileWnd::FetchNextFile()
{
    SendRequest();
    m_pDialog->SetProgressPos(m_pFetch->Total(), m_pFetch->Position());
}

LRESULT CProcessVerFileWnd::OnLinkFailed(WPARAM /*wParam*/, LPARAM lParam)
{
    if (m_nState == STATE_FETCHING)
        Fail(reinterpret_cast<LPCTSTR>(lParam), MB_OK);
    return 0;
}

void CProcessVerFileWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kReplyTimer)
    {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (m_nState == STATE_FETCHING && m_pFetch && m_pFetch->Outstanding() &&
        GetTickCount() - m_socket.GetLastActivity() > m_settings.replyTimeoutMs)
    {
        CString strText;
        strText.Format("버전 서버가 %lu초 동안 응답하지 않습니다. (%s)", m_settings.replyTimeoutMs / 1000,
                       m_pFetch->CurrentName().c_str());
        Fail(strText, MB_OK | MB_ICONERROR);
    }
}

void CProcessVerFileWnd::Fail(const CString& strText, UINT nType)
{
    if (m_nState == STATE_ENDING)
        return; // the first failure is the one reported
    m_nState = STATE_ENDING;
    m_strFailure = strText;
    m_nFailureType = nType;
    m_socket.CloseLink();
    if (GetSafeHwnd())
    {
        KillTimer(kReplyTimer);
        PostMessage(WM_VERSION_STEP, 0);
    }
}

LRESULT CProcessVerFileWnd::OnVersionStep(WPARAM wParam, LPARAM /*lParam*/)
{
    if (wParam)
    {
        InstallDownloads();
        return 0;
    }
    AfxMessageBox(m_strFailure, m_nFailureType);
    EndWithCancel();
    return 0;
}

void CProcessVerFileWnd::EndWithCancel()
{
    // Posted: the dialog's Cancel path destroys this window.
    m_pDialog->PostMessage(WM_CLOSE);
}

void CProcessVerFileWnd::InstallDownloads()
{
    if (IsMainProgramRunning(m_settings.MainProgramPath()))
    {
        AfxMessageBox("Talpen 자동매매 시스템이 실행되고 있습니다.\nTalpen 자동매매 시스템을 종료 후 다시 시도해주세요.");
        m_pDialog->OnOK();
        return;
    }
    m_pDialog->SetStatusText("압축 해지중, 시간이 다소 걸릴 수 있습니다.");
    m_pDialog->UpdateWindow();

    CVersionInstaller installer((LPCTSTR)m_strRootDir, (LPCTSTR)m_strTempDir);
    if (installer.InstallDownloads(m_pFetch->Downloads()))
    {
        DeleteFolderTree(std::string((LPCTSTR)m_strTempDir) + "*.*");
        m_pDialog->SetStatusText("버전처리 완료!!");
        m_pDialog->OnOK();
        return;
    }
    CString strText;
    if (installer.RollbackComplete())
    {
        strText.Format("업데이트를 설치하지 못했습니다.\n%s\n\n설치 전의 파일과 버전 정보를 그대로 두었습니다.",
                       installer.ErrorText().c_str());
        DeleteFolderTree(std::string((LPCTSTR)m_strTempDir) + "*.*");
    }
    else
        strText.Format("업데이트를 설치하지 못했고 일부 파일을 되돌리지 못했습니다.\n%s\n\n원래 파일은 %s 에 있습니다.",
                       installer.ErrorText().c_str(), installer.BackupFolder().c_str());
    m_strFailure = strText;
    AfxMessageBox(strText, MB_OK | MB_ICONERROR);
    // The old install is whole again: the main program starts as after any install. Not when
    // originals are left in the backup folder: the message naming it is the last word.
    if (installer.RollbackComplete())
        m_pDialog->OnOK();
    else
        EndWithCancel();
}
