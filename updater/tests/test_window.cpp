// The updater dialog against the version-server peer, in this process: a full update into a
// temporary install root, and every fault and hostile name or entry leaving that root exactly
// as it was, with the old "version.dat" and one clear message; a failed install starts the old
// install again.
#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>

#include "patch_runner_dlg.h"
#include "version_peer_fixture.h"

namespace {

struct Box
{
    std::string text;
    UINT type;
};
std::vector<Box> g_boxes;

int AFXAPI RecordBox(HWND, LPCTSTR lpszText, LPCTSTR, UINT nType)
{
    g_boxes.push_back(Box{lpszText ? lpszText : "", nType});
    return IDOK;
}

// Watches the running dialog: every position and status text it sets is recorded as it is
// sent (a hook sees each one, however busy the queue), and a thread timer inside its modal
// loop presses Cancel or ends a run that overstays.
struct Watch
{
    CPatchRunnerDlg* dlg = nullptr;
    std::vector<int> positions;
    std::vector<std::string> texts;
    DWORD started = 0;
    DWORD limitMs = 60000;
    DWORD cancelAfterMs = 0; // press Cancel after this long (0: never)
    bool cancelled = false;
};
Watch* g_watch = nullptr;

LRESULT CALLBACK RecordChanges(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_watch && g_watch->dlg->GetSafeHwnd() &&
        ::GetParent(sent->hwnd) == g_watch->dlg->GetSafeHwnd())
    {
        Watch& w = *g_watch;
        const int id = ::GetDlgCtrlID(sent->hwnd);
        if (sent->message == PBM_SETPOS && id == IDC_PROGRESS)
        {
            const int pos = static_cast<int>(sent->wParam);
            if (w.positions.empty() || w.positions.back() != pos)
                w.positions.push_back(pos);
        }
        else if (sent->message == WM_SETTEXT && id == IDC_STATUS && sent->lParam)
        {
            const std::string text = reinterpret_cast<const char*>(sent->lParam);
            if (w.texts.empty() || w.texts.back() != text)
                w.texts.push_back(text);
        }
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

void CALLBACK Observe(HWND, UINT, UINT_PTR, DWORD)
{
    Watch& w = *g_watch;
    if (!w.dlg->GetSafeHwnd())
        return;
    DWORD elapsed = GetTickCount() - w.started;
    if (w.cancelAfterMs && !w.cancelled && elapsed > w.cancelAfterMs)
    {
        w.cancelled = true;
        w.dlg->PostMessage(WM_COMMAND, IDCANCEL);
    }
    if (elapsed > w.limitMs)
        w.dlg->PostMessage(WM_CLOSE); // never hang the test run
}

class UpdaterWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(peer.Available()) << "run under testbed/peers.py --peers version";
        previousHandler = AfxSetMessageBoxHandler(RecordBox);
        Fresh();
    }

    // A new install root, a reset peer, no messages.
    void Fresh()
    {
        if (tree)
            tree->StopStandIns();
        tree.reset(new InstallTree());
        ASSERT_TRUE(peer.Reset()) << peer.LastError();
        g_boxes.clear();
        watch = Watch();
        settings.installRoot = tree->Root();
        settings.binFolder = *tree / "Bin\\";
        settings.serverHost = "127.0.0.1";
        settings.serverPort = peer.Port();
        settings.replyTimeoutMs = 2000;
        settings.stopWaitMs = 5000;
    }

    void TearDown() override
    {
        AfxSetMessageBoxHandler(previousHandler);
        tree->StopStandIns();
    }

    void ServeUpdate() { ASSERT_TRUE(::ServeUpdate(peer)) << peer.LastError(); }

    INT_PTR Run(DWORD cancelAfterMs = 0)
    {
        CPatchRunnerDlg dlg(settings);
        watch.dlg = &dlg;
        watch.started = GetTickCount();
        watch.cancelAfterMs = cancelAfterMs;
        g_watch = &watch;
        HWND clock = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
        ::SetTimer(clock, 1, 5, Observe);
        HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, RecordChanges, NULL, ::GetCurrentThreadId());
        INT_PTR result = dlg.DoModal();
        ::UnhookWindowsHookEx(hook);
        ::KillTimer(clock, 1);
        ::DestroyWindow(clock);
        g_watch = nullptr;
        return result;
    }

    void ExpectUpdated() { EXPECT_EQ("", CheckUpdated(*tree)); }

    // The main program is started again by the dialog's last step.
    bool WaitForRestart(size_t starts)
    {
        for (int i = 0; i < 200 && tree->StandInStarts().size() < starts; ++i)
            Sleep(25);
        return tree->StandInStarts().size() == starts;
    }

    VersionPeer peer;
    std::unique_ptr<InstallTree> tree;
    UpdaterSettings settings;
    Watch watch;
    AFX_MSGBOX_HANDLER previousHandler = nullptr;
};

TEST_F(UpdaterWindow, FullUpdateInstallsEveryChangedFileAndRestartsTheMainProgram)
{
    ServeUpdate();
    // Slow replies a little, so that the progress can be watched file by file.
    ASSERT_TRUE(peer.Fault("split", "\"chunk\":64,\"delay_ms\":4,\"code\":2"));
    EXPECT_EQ(IDOK, Run());
    for (const Box& box : g_boxes)
        ADD_FAILURE() << "unexpected message: " << box.text;
    ExpectUpdated();
    EXPECT_TRUE(WaitForRestart(1)) << "Molvane.exe started again";

    // The list first, then the changed files from the end of the list.
    std::vector<std::string> requested = peer.RequestedNames();
    EXPECT_EQ((std::vector<std::string>{"version.dat", "_PatchRunner.exe.zip", "Molvane.exe.zip", "skin.zip",
                                        "MF_1000.xml.zip", "colormap.xml.zip", "TradePanel.dll.zip"}),
              requested);
    // The bar advanced file by file up to the last one, with the text following it.
    ASSERT_FALSE(watch.positions.empty());
    EXPECT_EQ(UPDATE_CHANGED_FILES, watch.positions.back());
    EXPECT_GE(watch.positions.size(), 4u) << "positions seen: " << ::testing::PrintToString(watch.positions);
    for (size_t i = 1; i < watch.positions.size(); ++i)
        EXPECT_GT(watch.positions[i], watch.positions[i - 1]);
    bool sawText = false;
    for (const std::string& text : watch.texts)
        sawText = sawText || text == "총 6개 파일중 6개 완료";
    EXPECT_TRUE(sawText) << ::testing::PrintToString(watch.texts);
}

TEST_F(UpdaterWindow, TransportQuirksChangeNothing)
{
    const char* faults[][2] = {{"split", "\"chunk\":7,\"delay_ms\":0"}, {"coalesce", "\"frames\":0"},
                               {"split", "\"chunk\":102697,\"delay_ms\":0"}};
    for (auto& fault : faults)
    {
        SCOPED_TRACE(std::string(fault[0]) + " " + fault[1]);
        Fresh();
        ServeUpdate();
        ASSERT_TRUE(peer.Fault(fault[0], fault[1]));
        EXPECT_EQ(IDOK, Run());
        EXPECT_TRUE(g_boxes.empty()) << (g_boxes.empty() ? "" : g_boxes[0].text);
        ExpectUpdated();
        EXPECT_TRUE(WaitForRestart(1));
    }
}

TEST_F(UpdaterWindow, NothingChangedStillInstallsTheListAndRestarts)
{
    ASSERT_TRUE(peer.SetList(InstallTree::OldList() + std::string("Bin,main,Keep.dll.zip,1.0.0,\r\n")));
    EXPECT_EQ(IDOK, Run());
    EXPECT_TRUE(g_boxes.empty());
    EXPECT_EQ(InstallTree::OldList() + std::string("Bin,main,Keep.dll.zip,1.0.0,\r\n"),
              ReadBytes(*tree / "System\\version.dat"));
    EXPECT_EQ((std::vector<std::string>{"version.dat"}), peer.RequestedNames());
    EXPECT_TRUE(WaitForRestart(1));
}

struct FailureCase
{
    const char* what;
    const char* mode;   // fault mode, or null
    const char* params; // fault parameters
    const char* hostileFolder; // a file replaced with `bytes` (or a list line added), or null
    const char* hostileName;
    std::string bytes;
    const char* mention; // the message holds this
    const char* list = nullptr; // the whole version list served instead of the update's
    bool atInstall = false; // fails installing, after everything was fetched
};

std::vector<FailureCase> FailureCases()
{
    const std::string payload = "EVIL-PAYLOAD-0123456789";
    return {
        // Faults of the server and the link.
        {"server error on the list", "error", "\"file\":\"version.dat\"", nullptr, nullptr, "", "버전처리 중 오류가 발생했습니다."},
        {"server error mid-way", "error", "\"file\":\"colormap.xml.zip\"", nullptr, nullptr, "", "버전처리 중 오류가 발생했습니다."},
        {"length field too short", "bad_length", "\"kind\":\"short\",\"file\":\"skin.zip\"", nullptr, nullptr, "", "잘못된 프레임"},
        {"length field not a number", "bad_length", "\"kind\":\"nondigit\",\"file\":\"MF_1000.xml.zip\"", nullptr, nullptr, "", "잘못된 프레임"},
        {"length field too long", "bad_length", "\"kind\":\"over\",\"then\":\"close\",\"file\":\"skin.zip\"", nullptr, nullptr, "", "잘못된 프레임"},
        {"oversize file", "oversize", "\"file\":\"TradePanel.dll.zip\"", nullptr, nullptr, "", "10240000"},
        {"server stalls", "stall", "\"file\":\"colormap.xml.zip\",\"after\":30", nullptr, nullptr, "", "응답하지 않습니다"},
        {"connection closed mid-file", "close_mid", "\"file\":\"skin.zip\",\"after\":40", nullptr, nullptr, "", "연결이 끊어졌습니다"},
        {"connection closed before a file", "close_mid", "\"code\":2,\"after\":0", nullptr, nullptr, "", "연결이 끊어졌습니다"},
        // Hostile names in the list.
        {"parent steps in a folder", nullptr, nullptr, "..@..", "Molvane.exe.zip", "", "..@.."},
        {"parent steps in a name", nullptr, nullptr, "Bin", "..\\..\\evil.zip", "", "evil.zip"},
        {"absolute folder", nullptr, nullptr, "C:\\Windows", "evil.zip", "", "C:\\Windows"},
        {"device name", nullptr, nullptr, "Bin", "NUL.zip", "", "NUL.zip"},
        // A list naming no file would empty the installed list, and every later start would
        // ask for the update again.
        {"list without files", nullptr, nullptr, nullptr, nullptr, "", "names no file", "version=1.0.1\r\n"},
        // Hostile and damaged archives.
        {"entry climbing out", nullptr, nullptr, "Bin", "TradePanel.dll.zip",
         MakeZip({{"TradePanel.dll", "x"}, {"../../Bin/Keep.dll", payload}}), "Keep.dll", nullptr, true},
        {"entry with a leading separator", nullptr, nullptr, "Images", "skin.zip",
         MakeZip({{"\\Windows\\evil.dll", payload}}), "evil.dll", nullptr, true},
        {"entry with a drive", nullptr, nullptr, "map", "MF_1000.xml.zip", MakeZip({{"C:\\evil.dll", payload}}),
         "evil.dll", nullptr, true},
        {"encrypted entry", nullptr, nullptr, "System", "colormap.xml.zip",
         MakeZip({{"colormap.xml", payload, false, "secret"}}), "encrypted", nullptr, true},
        {"flipped byte", nullptr, nullptr, "Bin", "Molvane.exe.zip",
         FlipByteOf(MakeZip({{"Molvane.exe", payload, true}}), payload), "CRC", nullptr, true},
        {"truncated archive", nullptr, nullptr, "Bin", "_PatchRunner.exe.zip",
         MakeZip({{"_PatchRunner.exe", payload}}).substr(0, 50), "_PatchRunner.exe.zip", nullptr, true},
        {"archive without its file", nullptr, nullptr, "Bin", "TradePanel.dll.zip", MakeZip({{"Other.dll", "x"}}),
         "TradePanel.dll", nullptr, true},
    };
}

TEST_F(UpdaterWindow, FaultsAndHostileInputLeaveTheInstallRootAsItWas)
{
    for (const FailureCase& c : FailureCases())
    {
        SCOPED_TRACE(c.what);
        Fresh();
        ServeUpdate();
        bool served = true;
        if (c.mode)
            served = peer.Fault(c.mode, c.params);
        if (c.list)
            served = served && peer.SetList(c.list);
        if (c.hostileFolder && c.bytes.empty())
            served = served && peer.SetList(UPDATE_LIST + std::string(c.hostileFolder) + ",x," + c.hostileName + ",9,\r\n");
        else if (c.hostileFolder)
            served = served && peer.SetFile(c.hostileFolder, c.hostileName, c.bytes);
        ASSERT_TRUE(served) << peer.LastError();
        TreeSnapshot before = tree->Installed();

        // A failed fetch ends the run; a failed install leaves the old install whole and starts
        // it again.
        EXPECT_EQ(c.atInstall ? IDOK : IDCANCEL, Run());
        EXPECT_EQ("", DiffTrees(before, tree->Installed()));
        EXPECT_EQ(InstallTree::OldList(), ReadBytes(*tree / "System\\version.dat"));
        ASSERT_EQ(1u, g_boxes.size());
        EXPECT_NE(std::string::npos, g_boxes[0].text.find(c.mention)) << g_boxes[0].text;
        if (c.atInstall)
        {
            EXPECT_EQ(0u, g_boxes[0].text.find("업데이트를 설치하지 못했습니다.")) << g_boxes[0].text;
            EXPECT_TRUE(WaitForRestart(1)) << "the old install is started again";
        }
        else
            EXPECT_TRUE(tree->StandInStarts().empty()) << "the main program is not started after a failed fetch";
    }
}

TEST_F(UpdaterWindow, UnreachableServerIsReported)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof(address);
    bind(s, (sockaddr*)&address, sizeof(address));
    getsockname(s, (sockaddr*)&address, &size);
    closesocket(s); // nothing listens there now
    settings.serverPort = ntohs(address.sin_port);
    TreeSnapshot before = tree->Installed();
    EXPECT_EQ(IDCANCEL, Run());
    ASSERT_EQ(1u, g_boxes.size());
    EXPECT_NE(std::string::npos, g_boxes[0].text.find("Can't Connect socket")) << g_boxes[0].text;
    EXPECT_EQ("", DiffTrees(before, tree->Installed()));
}

TEST_F(UpdaterWindow, CancelWhileFetchingInstallsNothing)
{
    ServeUpdate();
    ASSERT_TRUE(peer.Fault("stall", "\"file\":\"skin.zip\",\"after\":30"));
    settings.replyTimeoutMs = 60000;
    TreeSnapshot before = tree->Installed();
    EXPECT_EQ(IDCANCEL, Run(1500));
    EXPECT_TRUE(g_boxes.empty());
    EXPECT_EQ("", DiffTrees(before, tree->Installed()));
}

// Originals a failed install could not put back are the user's only copies: a run that finds
// any in Temp\@backup\ stops with a message naming the folder, fetching and deleting nothing.
// Without them, start-up clears the Temp folder as ever.
TEST_F(UpdaterWindow, BackupsLeftInTempStopTheRunUntouched)
{
    struct Case
    {
        const char* what;
        bool backupFolder;
        const char* original; // a file in the backup folder, or null
    } cases[] = {
        {"an original left behind", true, "1"},
        {"an empty backup folder", true, nullptr},
        {"no backup folder", false, nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Fresh();
        ServeUpdate();
        // The run that goes ahead ends at the list, before the end clears the Temp folder.
        ASSERT_TRUE(peer.Fault("error", "\"file\":\"version.dat\""));
        const std::string backup = *tree / "Temp\\@backup\\";
        ASSERT_TRUE(WriteBytes(*tree / "Temp\\Bin@Old.dll.zip", "an earlier download"));
        if (c.backupFolder)
        {
            ASSERT_TRUE(CreateDirectoryA(backup.c_str(), nullptr));
        }
        if (c.original)
        {
            ASSERT_TRUE(WriteBytes(backup + c.original, "the only copy"));
        }
        TreeSnapshot installed = tree->Installed();
        TreeSnapshot temp = SnapshotTree(*tree / "Temp\\");

        EXPECT_EQ(IDCANCEL, Run());
        ASSERT_EQ(1u, g_boxes.size());
        EXPECT_EQ("", DiffTrees(installed, tree->Installed()));
        EXPECT_TRUE(tree->StandInStarts().empty());
        if (c.original)
        {
            EXPECT_NE(std::string::npos, g_boxes[0].text.find("되돌리지 못한 원래 파일이 " + backup)) << g_boxes[0].text;
            EXPECT_EQ(UINT(MB_OK | MB_ICONERROR), g_boxes[0].type);
            EXPECT_EQ("", DiffTrees(temp, SnapshotTree(*tree / "Temp\\")));
            EXPECT_TRUE(peer.RequestedNames().empty()) << "nothing fetched";
        }
        else
        {
            EXPECT_NE(std::string::npos, g_boxes[0].text.find("버전처리 중 오류가 발생했습니다.")) << g_boxes[0].text;
            EXPECT_FALSE(FileExists(*tree / "Temp\\Bin@Old.dll.zip")) << "start-up cleared the Temp folder";
            EXPECT_FALSE(FolderExists(backup));
            EXPECT_TRUE(FolderExists(*tree / "Temp"));
        }
    }
}

// The window itself does not stop the main program (start-up does): one found running when
// everything is fetched blocks the install, and the main program is started as usual.
TEST_F(UpdaterWindow, RunningMainProgramAtTheEndBlocksTheInstall)
{
    ServeUpdate();
    HANDLE running = StartProcess(*tree / "Bin\\Molvane.exe");
    ASSERT_TRUE(running);
    CloseHandle(running);
    ASSERT_TRUE(WaitForRestart(1));
    TreeSnapshot before = tree->Installed();
    EXPECT_EQ(IDOK, Run());
    ASSERT_EQ(1u, g_boxes.size());
    EXPECT_NE(std::string::npos, g_boxes[0].text.find("Talpen 자동매매 시스템이 실행되고 있습니다.")) << g_boxes[0].text;
    EXPECT_EQ("", DiffTrees(before, tree->Installed()));
    EXPECT_TRUE(WaitForRestart(2)) << "started as usual after the message";
}

} // namespace
