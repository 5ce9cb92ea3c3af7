#include "patch_runner_app.h"

#include <afxsock.h>
#include <commctrl.h>

#include "main_process.h"
#include "patch_runner_dlg.h"
#include "updater_settings.h"

CPatchRunnerApp theApp;

CPatchRunnerApp::CPatchRunnerApp()
{
}

BOOL CPatchRunnerApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), 0xFF};
    InitCommonControlsEx(&icc);
    AfxSocketInit();
    CWinApp::InitInstance();

    UpdaterSettings settings = LoadUpdaterSettings();
    char szDescription[128] = {0};
    if (GetWindowsKind(szDescription) == 4)
        StopMainProgramByProcessList(settings.MainProgramPath(), settings.stopWaitMs);
    else
        StopMainProgramBySnapshot(settings.MainProgramPath(), settings.stopWaitMs);

    SetRegistryKey("로컬 응용 프로그램 마법사에서 생성된 응용 프로그램");

    CPatchRunnerDlg dlg(settings);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = NULL;
    return FALSE;
}
