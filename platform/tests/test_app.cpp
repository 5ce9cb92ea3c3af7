// The application object: AfxWinMain drives InitInstance, Run and ExitInstance; the main window
// ends the run; idle processing, pre-translation and command routing to the application.
#include <gtest/gtest.h>

#include <functional>

#include <msgbox_recorder.h>

#include "wnd_test_util.h"

namespace {

const UINT IDR_TESTFRAME = 200;
const UINT ID_APP_COMMAND = 0x8010;

class CTestApp : public CWinApp
{
public:
    std::function<BOOL(CTestApp&)> m_onInit;
    int m_exitCalls = 0;
    int m_idleZero = 0;
    int m_idleOne = 0;
    int m_appCommands = 0;

    BOOL InitInstance() override
    {
        CWinApp::InitInstance();
        return m_onInit ? m_onInit(*this) : FALSE;
    }
    int ExitInstance() override
    {
        ++m_exitCalls;
        return CWinApp::ExitInstance();
    }
    BOOL OnIdle(LONG lCount) override
    {
        ++(lCount == 0 ? m_idleZero : m_idleOne);
        return CWinApp::OnIdle(lCount);
    }
    void Reset()
    {
        m_onInit = nullptr;
        m_exitCalls = m_idleZero = m_idleOne = m_appCommands = 0;
    }

protected:
    afx_msg void OnAppCommand() { ++m_appCommands; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_APP_COMMAND, OnAppCommand)
END_MESSAGE_MAP()

CTestApp theApp;

void CALLBACK CloseOnTimer(HWND hWnd, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(hWnd, nID);
    ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
}

int RunProgram()
{
    static char cmdLine[] = "";
    return AfxWinMain(::GetModuleHandleA(NULL), NULL, cmdLine, SW_HIDE);
}

class CTestFrame : public CFrameWnd
{
public:
    static bool s_deleted;
    static int s_lastKeys;
    int m_preTranslatedKeys = 0;
    CTestFrame() { s_deleted = false; }
    ~CTestFrame()
    {
        s_deleted = true;
        s_lastKeys = m_preTranslatedKeys;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F9) {
            ++m_preTranslatedKeys;
            return TRUE;
        }
        return CFrameWnd::PreTranslateMessage(pMsg);
    }
};
bool CTestFrame::s_deleted = false;
int CTestFrame::s_lastKeys = 0;

class Application : public ::testing::Test
{
protected:
    void SetUp() override { theApp.Reset(); }
    void TearDown() override
    {
        if (theApp.m_pMainWnd != NULL)
            theApp.m_pMainWnd->DestroyWindow();
        theApp.m_pMainWnd = NULL;
        MSG msg;
        while (::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
};

TEST_F(Application, TheProgramsObjectIsTheApplicationAndTheMainThread)
{
    EXPECT_EQ(AfxGetApp(), &theApp);
    EXPECT_EQ(AfxGetThread(), &theApp);
    EXPECT_EQ(theApp.m_nThreadID, ::GetCurrentThreadId());
}

TEST_F(Application, StartFillsTheNamesFromTheProgram)
{
    RunProgram(); // InitInstance fails at once
    EXPECT_EQ(theApp.m_hInstance, ::GetModuleHandleA(NULL));
    EXPECT_STREQ(theApp.m_pszExeName, "test_platform_app");
    EXPECT_STREQ(theApp.m_pszAppName, "Molvane Test App") << "the title string of the program";
    EXPECT_STREQ(AfxGetAppName(), "Molvane Test App");
    EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandleA(NULL));
    EXPECT_EQ(AfxGetResourceHandle(), ::GetModuleHandleA(NULL));

    CMsgBoxRecorder recorder;
    AfxMessageBox("with the application's caption");
    EXPECT_EQ(recorder.Last().caption, "Molvane Test App");
}

TEST_F(Application, FailedInitInstanceSkipsTheLoopAndDestroysTheMainWindow)
{
    CTestFrame* pFrame = nullptr;
    theApp.m_onInit = [&](CTestApp& app) {
        pFrame = new CTestFrame;
        pFrame->Create(NULL, "frame");
        app.m_pMainWnd = pFrame;
        return FALSE;
    };
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(theApp.m_exitCalls, 1);
    EXPECT_EQ(theApp.m_idleZero, 0) << "no loop ran";
    EXPECT_TRUE(CTestFrame::s_deleted);
    EXPECT_EQ(theApp.m_pMainWnd, (CWnd*)NULL);
}

TEST_F(Application, ClosingTheMainFrameEndsTheRun)
{
    theApp.m_onInit = [](CTestApp& app) {
        CTestFrame* pFrame = new CTestFrame;
        if (!pFrame->Create(NULL, "frame"))
            return FALSE;
        app.m_pMainWnd = pFrame;
        // Close a little later, so that the loop goes idle first.
        ::SetTimer(pFrame->m_hWnd, 1, 30, &CloseOnTimer);
        return TRUE;
    };
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(theApp.m_exitCalls, 1);
    EXPECT_TRUE(CTestFrame::s_deleted) << "frames delete themselves";
    EXPECT_EQ(theApp.m_pMainWnd, (CWnd*)NULL);
    EXPECT_GE(theApp.m_idleZero, 1);
    EXPECT_GE(theApp.m_idleOne, 1);
}

TEST_F(Application, QuitCodeIsTheProgramsResult)
{
    theApp.m_onInit = [](CTestApp& app) {
        CTestFrame* pFrame = new CTestFrame;
        pFrame->Create(NULL, "frame");
        app.m_pMainWnd = pFrame;
        ::PostQuitMessage(9);
        return TRUE;
    };
    EXPECT_EQ(RunProgram(), 9);
    EXPECT_EQ(theApp.m_exitCalls, 1);
}

TEST_F(Application, RunWithoutAMainWindowEndsAtOnce)
{
    theApp.m_onInit = [](CTestApp&) { return TRUE; };
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(theApp.m_exitCalls, 1);
}

TEST_F(Application, KeysOfOtherWindowsPassTheMainWindowsPreTranslation)
{
    theApp.m_onInit = [](CTestApp& app) {
        CTestFrame* pFrame = new CTestFrame;
        pFrame->Create(NULL, "frame");
        app.m_pMainWnd = pFrame;
        HWND hChild = CreateForeignWindow("EDIT", pFrame->m_hWnd, WS_CHILD | WS_VISIBLE);
        // A pop-up owned by the frame reaches it through the owner chain; one owned by nobody
        // gets the main window's pre-translation last.
        HWND hOwned = CreateForeignWindow("STATIC", pFrame->m_hWnd, WS_POPUP);
        HWND hUnowned = CreateForeignWindow("STATIC", NULL, WS_POPUP);
        ::PostMessageA(hChild, WM_KEYDOWN, VK_F9, 1);
        ::PostMessageA(hOwned, WM_KEYDOWN, VK_F9, 1);
        ::PostMessageA(hUnowned, WM_KEYDOWN, VK_F9, 1);
        ::PostMessageA(hChild, WM_KEYDOWN, VK_F8, 1);
        pFrame->PostMessage(WM_CLOSE); // after the keys
        return TRUE;
    };
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(CTestFrame::s_lastKeys, 3);
}

TEST_F(Application, CommandsOfTheFrameReachTheApplication)
{
    CTestFrame* pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->Create(NULL, "frame"));
    ::SendMessageA(pFrame->m_hWnd, WM_COMMAND, ID_APP_COMMAND, 0);
    EXPECT_EQ(theApp.m_appCommands, 1);
    pFrame->DestroyWindow();
}

TEST_F(Application, LoadFrameTakesTitleMenuAndAcceleratorsOfOneId)
{
    CTestFrame* pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TESTFRAME, WS_OVERLAPPEDWINDOW));
    CString title;
    pFrame->GetWindowText(title);
    EXPECT_STREQ(title, "Frame Title");
    CMenu* pMenu = pFrame->GetMenu();
    ASSERT_NE(pMenu, (CMenu*)NULL);
    EXPECT_EQ(pMenu->GetSubMenu(0)->GetMenuItemID(0), ID_APP_COMMAND);
    ASSERT_NE(pFrame->m_hAccelTable, (HACCEL)NULL);

    // Ctrl+Q through the frame's pre-translation runs the application's command.
    MSG msg = {pFrame->m_hWnd, WM_KEYDOWN, 'Q', 1};
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(theApp.m_appCommands, 1);
    pFrame->DestroyWindow();
}

TEST_F(Application, MainWindowIsSeenFromOtherThreads)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "main", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    theApp.m_pMainWnd = &wnd;
    EXPECT_EQ(AfxGetMainWnd(), &wnd);
    // The answer comes back through a pointer-sized slot: an exit code holds 32 bits only.
    struct Probe
    {
        static UINT AFX_CDECL Run(LPVOID pSlot)
        {
            *static_cast<CWnd**>(pSlot) = AfxGetMainWnd();
            return 0;
        }
    };
    CWnd* pSeen = NULL;
    CWinThread* pThread = AfxBeginThread(&Probe::Run, &pSeen, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    ::WaitForSingleObject(pThread->m_hThread, 5000);
    delete pThread;
    EXPECT_EQ(pSeen, &wnd);
    theApp.m_pMainWnd = NULL;
}

TEST_F(Application, ProfileInTheIniFile)
{
    char path[MAX_PATH];
    ::GetTempPathA(MAX_PATH, path);
    CString iniPath = CString(path) + "molvane_profile_test.ini";
    ::DeleteFileA(iniPath);
    LPCTSTR lpszSaved = theApp.m_pszProfileName;
    theApp.m_pszProfileName = iniPath;

    EXPECT_EQ(theApp.GetProfileInt("MAIN", "LEFT", -7), (UINT)-7);
    EXPECT_STREQ(theApp.GetProfileString("MAIN", "NAME", "none"), "none");
    EXPECT_TRUE(theApp.WriteProfileInt("MAIN", "LEFT", 120));
    EXPECT_TRUE(theApp.WriteProfileString("MAIN", "NAME", "몰베인"));
    EXPECT_EQ(theApp.GetProfileInt("MAIN", "LEFT", 0), 120u);
    EXPECT_STREQ(theApp.GetProfileString("MAIN", "NAME"), "몰베인");
    CString longValue('x', 700);
    EXPECT_TRUE(theApp.WriteProfileString("MAIN", "LONG", longValue));
    EXPECT_EQ(theApp.GetProfileString("MAIN", "LONG").GetLength(), 700) << "values longer than the first buffer";
    EXPECT_TRUE(theApp.WriteProfileString("MAIN", "NAME", NULL));
    EXPECT_STREQ(theApp.GetProfileString("MAIN", "NAME"), "");

    theApp.m_pszProfileName = lpszSaved;
    ::DeleteFileA(iniPath);
}

TEST_F(Application, ProfileInTheRegistry)
{
    CWinApp app; // a second object only to try the registry variant
    app.m_pszAppName = "ProfileTest";
    app.SetRegistryKey("MolvaneTest");
    EXPECT_EQ(app.GetProfileInt("MAIN", "TOP", 5), 5u);
    EXPECT_TRUE(app.WriteProfileInt("MAIN", "TOP", 33));
    EXPECT_TRUE(app.WriteProfileString("MAIN", "NAME", "value"));
    EXPECT_EQ(app.GetProfileInt("MAIN", "TOP", 5), 33u);
    EXPECT_STREQ(app.GetProfileString("MAIN", "NAME"), "value");
    EXPECT_TRUE(app.WriteProfileString("MAIN", NULL, NULL)); // removes the section
    EXPECT_EQ(app.GetProfileInt("MAIN", "TOP", 5), 5u);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\MolvaneTest\\ProfileTest");
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\MolvaneTest");
}

} // namespace

namespace {

TEST(LibraryApplication, InitInstanceRunsAtLoadAndMayRefuseIt)
{
    ::SetEnvironmentVariableA("MOLVANE_TEST_APPDLL_REFUSE", "1");
    EXPECT_EQ(::LoadLibraryA("PlatformTestAppDll.dll"), (HMODULE)NULL);
    ::SetEnvironmentVariableA("MOLVANE_TEST_APPDLL_REFUSE", NULL);

    HMODULE hLib = ::LoadLibraryA("PlatformTestAppDll.dll");
    ASSERT_NE(hLib, (HMODULE)NULL);
    auto pfnCalls = (int (*)())::GetProcAddress(hLib, "LibraryAppInitCalls");
    auto pfnInstance = (HINSTANCE(*)())::GetProcAddress(hLib, "LibraryAppInstance");
    ASSERT_TRUE(pfnCalls != NULL && pfnInstance != NULL);
    EXPECT_EQ(pfnCalls(), 1);
    EXPECT_EQ(pfnInstance(), hLib);
    EXPECT_EQ(AfxGetApp(), &theApp) << "a library's object never becomes the program's application";
    ::FreeLibrary(hLib);
}

} // namespace
