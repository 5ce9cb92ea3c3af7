// A program built like the system's programs: one CWinApp object driven by platform_main's
// WinMain. Its exit code tells the test what happened (0: as expected).
#include <afxwin.h>

#include <string.h>

namespace {

int g_failures = 0;

void Check(bool bOk)
{
    if (!bOk)
        ++g_failures;
}

class CProbeFrame : public CFrameWnd
{
};

class CProbeApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        Check(AfxGetApp() == this && AfxGetThread() == this);
        Check(m_hInstance == ::GetModuleHandleA(NULL));
        Check(m_pszExeName != NULL && strcmp(m_pszExeName, "platform_winmain_probe") == 0);
        Check(m_lpCmdLine != NULL && strstr(m_lpCmdLine, "--probe-arg") != NULL);
        CProbeFrame* pFrame = new CProbeFrame;
        if (!pFrame->Create(NULL, "probe"))
            return FALSE;
        m_pMainWnd = pFrame;
        pFrame->PostMessage(WM_CLOSE); // the main window's end ends the program
        return TRUE;
    }
    int ExitInstance() override
    {
        Check(m_pMainWnd == NULL);
        CWinApp::ExitInstance();
        return g_failures == 0 ? 0 : 10 + g_failures;
    }
};

CProbeApp theApp;

} // namespace
