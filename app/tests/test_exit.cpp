// The program's own application object run in this process as its WinMain runs it: after a
// login and the main window's close, every thread the start-up began has ended, the session
// was signed off and the single-instance guard is gone.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <tlhelp32.h>

#include <memory>

#include "DialogScript.h"
#include "InstallFolders.h"
#include "LinkTestSupport.h"
#include "MainApp.h"
#include "temp_dir.h"

using namespace link_test;

CQuelmar_MainApp theApp;

namespace {

const char kLoginCaption[] = "Talpen 자동매매시스템";

int ThreadCount()
{
    int count = 0;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry = {sizeof entry};
    if (::Thread32First(snapshot, &entry)) {
        do
            if (entry.th32OwnerProcessID == ::GetCurrentProcessId())
                ++count;
        while (::Thread32Next(snapshot, &entry));
    }
    ::CloseHandle(snapshot);
    return count;
}

bool SemaphoreExists()
{
    HANDLE h = ::OpenSemaphoreA(SYNCHRONIZE, FALSE, MOLVANE_SEMAPHORE_NAME);
    if (h == NULL)
        return false;
    ::CloseHandle(h);
    return true;
}

// Watches for the main window; once it shows, notes the threads and the guard, then closes it
// as the user does and confirms the logout in the dialog that asks.
struct FrameWatch
{
    int running = -1;
    bool guarded = false;
    bool closed = false;
    bool confirmed = false;
} g_watch;

void CALLBACK WatchFrame(HWND, UINT, UINT_PTR id, DWORD)
{
    if (g_watch.closed) {
        HWND logout = ::FindWindowA("#32770", "로그아웃");
        if (logout != NULL && ::IsWindowVisible(logout)) {
            ::KillTimer(NULL, id);
            g_watch.confirmed = true;
            // The button's own notice (the frame tests click it with the mouse).
            ::PostMessageA(logout, WM_COMMAND, MAKEWPARAM(1021, BN_CLICKED), (LPARAM)::GetDlgItem(logout, 1021));
        }
        return;
    }
    CWnd* main = AfxGetMainWnd();
    if (main == nullptr || !::IsWindowVisible(main->GetSafeHwnd()))
        return;
    // Not the login dialog, which may stand in as the main window while it runs.
    char name[64] = {0};
    ::GetClassNameA(main->GetSafeHwnd(), name, sizeof name);
    if (strcmp(name, "#32770") == 0)
        return;
    g_watch.running = ThreadCount();
    g_watch.guarded = SemaphoreExists();
    g_watch.closed = true;
    main->PostMessage(WM_CLOSE);
}

TEST(ProgramExit, AClosedMainWindowEndsEveryThreadAndReleasesTheGuard)
{
    ServerPeer peer;
    ASSERT_GT(peer.Port(), 0) << "run under testbed/peers.py --peers server,exchange";
    peer.Must("{\"cmd\":\"reset\"}");
    ServerSetting server("127.0.0.1", peer.Port());
    const int exchange = PeerControl::PortFromEnv("MOLVANE_EXCHANGE_PORT");
    IniValue exchangeURL(std::string(GetUserDir()) + "system.ini", "EXCHANGE", "BASEURL",
                         "https://localhost:" + std::to_string(exchange));
    TempDir appData;
    ASSERT_EQ(0, _putenv_s("APPDATA", appData.Path().c_str()));
    ASSERT_FALSE(SemaphoreExists());

    const int before = ThreadCount();
    DialogScript login(kLoginCaption);
    login.Then(Do([](HWND dialog) {
             ::SetDlgItemTextA(dialog, 1027, "user1");
             ::SetDlgItemTextA(dialog, 1033, "pw1");
             ::SetDlgItemTextA(dialog, 1034, "key1");
             ::SetDlgItemTextA(dialog, 1035, "secret1");
             ::SetFocus(::GetDlgItem(dialog, 1035));
         }))
        .Then(Press(VK_RETURN));
    const UINT_PTR watch = ::SetTimer(NULL, 0, 50, WatchFrame);
    static char commandLine[] = "";
    const int code = login.Run([] { return AfxWinMain(::GetModuleHandleA(NULL), NULL, commandLine, SW_SHOWNORMAL); });
    ::KillTimer(NULL, watch);
    EXPECT_EQ("", login.Failure());
    EXPECT_EQ(0, code);
    ASSERT_TRUE(g_watch.closed) << "the main window never showed";
    EXPECT_TRUE(g_watch.confirmed) << "no logout dialog asked";

    // While it ran: the guard was held and the exchange agent's six feed threads ran.
    EXPECT_TRUE(g_watch.guarded);
    EXPECT_GE(g_watch.running, before + 6);
    // After it: none of the threads the start-up began is left, and the guard is gone.
    EXPECT_LE(ThreadCount(), before);
    EXPECT_FALSE(SemaphoreExists());

    // The session was signed off, and answered.
    Json::Value signOff;
    for (const Json::Value& r : peer.Records("query", 1201))
        if (FromHex(r["body_hex"].asString()) == "user1       1")
            signOff = r;
    ASSERT_FALSE(signOff.isNull());
    EXPECT_FALSE(signOff["reply"].isNull());
}

} // namespace
