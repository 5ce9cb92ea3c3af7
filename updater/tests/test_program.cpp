// PatchRunner.exe as the main program starts it, in a temporary install root against the
// version-server peer: it stops this install's main program, shows its progress window while
// it fetches, installs the update and starts the main program again.
#include <gtest/gtest.h>

#include <algorithm>
#include <string.h>
#include <windows.h>
#include <commctrl.h>

#include "runtime_dlls.h"
#include "version_peer_fixture.h"

namespace {

const int kProgressId = 1008;
const int kStatusId = 1003;

// What the test saw of the updater's windows while it ran.
struct Seen
{
    DWORD pid = 0;
    std::vector<int> positions;
    std::vector<std::string> texts;
    std::vector<std::string> boxes;
};

BOOL CALLBACK LookAtWindow(HWND hwnd, LPARAM lParam)
{
    Seen& seen = *reinterpret_cast<Seen*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != seen.pid || !IsWindowVisible(hwnd))
        return TRUE;
    HWND progress = GetDlgItem(hwnd, kProgressId);
    if (progress)
    {
        int pos = (int)SendMessageA(progress, PBM_GETPOS, 0, 0);
        if (seen.positions.empty() || seen.positions.back() != pos)
            seen.positions.push_back(pos);
        char text[256] = "";
        GetDlgItemTextA(hwnd, kStatusId, text, sizeof(text));
        if (seen.texts.empty() || seen.texts.back() != text)
            seen.texts.push_back(text);
        return TRUE;
    }
    char className[64] = "";
    GetClassNameA(hwnd, className, sizeof(className));
    if (strcmp(className, "#32770") == 0)
    {
        // A message box: note its text and answer it, so that nothing waits for a user.
        char text[1024] = "";
        GetDlgItemTextA(hwnd, 0xFFFF, text, sizeof(text));
        seen.boxes.push_back(text);
        PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

bool WaitForStarts(const InstallTree& tree, size_t count)
{
    for (int i = 0; i < 400 && tree.StandInStarts().size() < count; ++i)
        Sleep(25);
    return tree.StandInStarts().size() >= count;
}

ULONGLONG Ticks(const FILETIME& ft)
{
    return ((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
}

TEST(PatchRunnerProgram, UpdatesAStagedInstallAndRestartsTheMainProgram)
{
    VersionPeer peer;
    ASSERT_TRUE(peer.Available()) << "run under testbed/peers.py --peers version";
    ASSERT_TRUE(peer.Reset());
    ASSERT_TRUE(ServeUpdate(peer)) << peer.LastError();
    ASSERT_TRUE(peer.Fault("split", "\"chunk\":64,\"delay_ms\":6,\"code\":2"));

    InstallTree tree, otherInstall("other");
    std::vector<std::string> files = GccRuntimeDlls(ModuleFolder());
    ASSERT_GE(files.size(), 3u);
    files.insert(files.end(), {"PatchRunner.exe", "Platform.dll"});
    for (const std::string& file : files)
        ASSERT_TRUE(CopyFileA((ModuleFolder() + file).c_str(), (tree / "Bin\\" + file).c_str(), FALSE)) << file;
    WriteBytes(tree / "User\\system.ini", "[VERSION]\r\nSERVER=127.0.0.1:" + std::to_string(peer.Port()) + "\r\n");

    HANDLE mainProgram = StartProcess(tree / "Bin\\Molvane.exe");
    HANDLE foreignProgram = StartProcess(otherInstall / "Bin\\Molvane.exe");
    ASSERT_TRUE(mainProgram && foreignProgram);
    ASSERT_TRUE(WaitForStarts(tree, 1) && WaitForStarts(otherInstall, 1));

    HANDLE updater = StartProcess(tree / "Bin\\PatchRunner.exe");
    ASSERT_TRUE(updater);
    Seen seen;
    seen.pid = GetProcessId(updater);
    DWORD started = GetTickCount();
    while (WaitForSingleObject(updater, 5) == WAIT_TIMEOUT && GetTickCount() - started < 90000)
        EnumWindows(LookAtWindow, (LPARAM)&seen);
    bool ended = WaitForSingleObject(updater, 0) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(updater, 1);
    CloseHandle(updater);
    ASSERT_TRUE(ended) << "PatchRunner did not finish";

    for (const std::string& box : seen.boxes)
        ADD_FAILURE() << "message box: " << box;
    EXPECT_EQ("", CheckUpdated(tree));

    // This install's main program was stopped before anything was fetched; the other one runs on.
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(mainProgram, 0));
    FILETIME created, exited, kernel, user, listWritten;
    GetProcessTimes(mainProgram, &created, &exited, &kernel, &user);
    HANDLE list = CreateFileA((tree / "System\\version.dat").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    GetFileTime(list, nullptr, nullptr, &listWritten);
    CloseHandle(list);
    EXPECT_LE(Ticks(exited), Ticks(listWritten)) << "stopped before the version list was downloaded";
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(foreignProgram, 0)) << "another install's main program";

    // Started again: the new Molvane.exe of this install.
    EXPECT_TRUE(WaitForStarts(tree, 2));
    EXPECT_EQ(1u, otherInstall.StandInStarts().size());

    // The window showed the fetch advancing file by file, up to the last one (a read while the
    // window goes away gives 0).
    std::vector<int> advance;
    for (int pos : seen.positions)
        if (pos > 0 && (advance.empty() || pos > advance.back()))
            advance.push_back(pos);
    EXPECT_FALSE(advance.empty());
    EXPECT_EQ(UPDATE_CHANGED_FILES, advance.empty() ? 0 : advance.back()) << ::testing::PrintToString(seen.positions);
    EXPECT_GE(advance.size(), 3u) << ::testing::PrintToString(seen.positions);
    bool sawProgressText = false;
    for (const std::string& text : seen.texts)
        sawProgressText = sawProgressText || text.find("개 파일중") != std::string::npos;
    EXPECT_TRUE(sawProgressText) << ::testing::PrintToString(seen.texts);

    for (HANDLE h : {mainProgram, foreignProgram})
    {
        TerminateProcess(h, 0);
        CloseHandle(h);
    }
}

// The progress window is on screen for the whole fetch, however busy the socket keeps the
// queue: against a server that writes its frames of 1,000 bytes 777 bytes at a time, and one
// that stalls in the middle of the list, run after run.
struct Sample
{
    bool visible;
    std::string text;
};

struct Watched
{
    DWORD pid = 0;
    std::vector<Sample> samples; // the progress window, whenever it exists
    std::vector<std::string> boxes;
    std::vector<HWND> answered; // a box stays a moment after it was answered
};

BOOL CALLBACK WatchWindow(HWND hwnd, LPARAM lParam)
{
    Watched& watched = *reinterpret_cast<Watched*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != watched.pid)
        return TRUE;
    if (GetDlgItem(hwnd, kProgressId))
    {
        char text[256] = "";
        GetDlgItemTextA(hwnd, kStatusId, text, sizeof(text));
        watched.samples.push_back(Sample{IsWindowVisible(hwnd) != FALSE, text});
        return TRUE;
    }
    char className[64] = "";
    GetClassNameA(hwnd, className, sizeof(className));
    if (IsWindowVisible(hwnd) && strcmp(className, "#32770") == 0 &&
        std::find(watched.answered.begin(), watched.answered.end(), hwnd) == watched.answered.end())
    {
        char text[1024] = "";
        GetDlgItemTextA(hwnd, 0xFFFF, text, sizeof(text));
        watched.boxes.push_back(text);
        watched.answered.push_back(hwnd);
        PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

// The samples of the fetch: from the first progress text to the last look at a visible window
// (the window hides as it ends).
std::vector<Sample> DuringTheFetch(const std::vector<Sample>& samples)
{
    std::vector<Sample> fetch;
    for (const Sample& s : samples)
        if (s.text.find("개 파일중") != std::string::npos || !fetch.empty())
            fetch.push_back(s);
    while (!fetch.empty() && !fetch.back().visible)
        fetch.pop_back();
    return fetch;
}

TEST(PatchRunnerProgram, ProgressWindowIsShownThroughABusyOrStalledFetch)
{
    VersionPeer peer;
    ASSERT_TRUE(peer.Available()) << "run under testbed/peers.py --peers version";
    const int kRuns = 3;
    std::string bigUpdater(400000, '\0');
    unsigned seed = 12345;
    for (char& c : bigUpdater)
        c = (char)((seed = seed * 1103515245u + 12345u) >> 24); // incompressible
    for (const char* mode : {"split", "stall"})
    {
        for (int run = 0; run < kRuns; ++run)
        {
            SCOPED_TRACE(std::string(mode) + " run " + std::to_string(run + 1));
            const bool stall = strcmp(mode, "stall") == 0;
            ASSERT_TRUE(peer.Reset());
            ASSERT_TRUE(ServeUpdate(peer)) << peer.LastError();
            // The first file fetched is large: hundreds of small writes, each a socket notice.
            ASSERT_TRUE(peer.SetZip("Bin", "_PatchRunner.exe.zip", {ZipEntry{"_PatchRunner.exe", bigUpdater}}))
                << peer.LastError();
            ASSERT_TRUE(peer.SetChunk(1000 - 18)) << peer.LastError();
            ASSERT_TRUE(peer.Fault("split", "\"chunk\":777,\"delay_ms\":1,\"code\":2")) << peer.LastError();
            // The list's third file gets its first frame, then nothing more.
            if (stall)
                ASSERT_TRUE(peer.Fault("stall", "\"file\":\"MF_1000.xml.zip\",\"after\":1000")) << peer.LastError();

            InstallTree tree("busy");
            for (const char* file : {"PatchRunner.exe", "Platform.dll"})
                ASSERT_TRUE(CopyFileA((ModuleFolder() + file).c_str(), (tree / "Bin\\" + file).c_str(), FALSE));
            for (const std::string& runtime : GccRuntimeDlls(ModuleFolder()))
                ASSERT_TRUE(CopyFileA((ModuleFolder() + runtime).c_str(), (tree / "Bin\\" + runtime).c_str(), FALSE))
                    << runtime;
            WriteBytes(tree / "User\\system.ini", "[VERSION]\r\nSERVER=127.0.0.1:" + std::to_string(peer.Port()) + "\r\n");
            TreeSnapshot before = tree.Installed();

            HANDLE updater = StartProcess(tree / "Bin\\PatchRunner.exe");
            ASSERT_TRUE(updater);
            Watched watched;
            watched.pid = GetProcessId(updater);
            DWORD started = GetTickCount();
            DWORD stalledSince = 0;
            bool disconnected = false;
            while (WaitForSingleObject(updater, 5) == WAIT_TIMEOUT && GetTickCount() - started < 90000)
            {
                EnumWindows(WatchWindow, (LPARAM)&watched);
                if (!stall || disconnected)
                    continue;
                // Watch the stalled fetch a while, then end it (the updater's own limit is 30 s).
                if (!stalledSince)
                {
                    std::vector<std::string> names = peer.RequestedNames();
                    if (std::find(names.begin(), names.end(), "MF_1000.xml.zip") != names.end())
                        stalledSince = GetTickCount();
                }
                else if (GetTickCount() - stalledSince > 1500)
                {
                    disconnected = peer.Disconnect();
                }
            }
            bool ended = WaitForSingleObject(updater, 0) == WAIT_OBJECT_0;
            if (!ended)
                TerminateProcess(updater, 1);
            CloseHandle(updater);
            ASSERT_TRUE(ended) << "PatchRunner did not finish";
            tree.StopStandIns();

            std::vector<Sample> fetch = DuringTheFetch(watched.samples);
            ASSERT_FALSE(fetch.empty()) << "the window was never on screen during the fetch";
            size_t hidden = 0, textChanges = 0;
            for (size_t i = 0; i < fetch.size(); ++i)
            {
                hidden += fetch[i].visible ? 0 : 1;
                textChanges += i > 0 && fetch[i].text != fetch[i - 1].text ? 1 : 0;
            }
            EXPECT_EQ(0u, hidden) << "of " << fetch.size() << " looks at the window during the fetch";
            if (stall)
            {
                EXPECT_TRUE(disconnected);
                ASSERT_EQ(1u, watched.boxes.size());
                EXPECT_NE(std::string::npos, watched.boxes[0].find("연결이 끊어졌습니다")) << watched.boxes[0];
                EXPECT_EQ("", DiffTrees(before, tree.Installed()));
                EXPECT_GE(textChanges, 1u) << "the text advanced before the stall";
            }
            else
            {
                for (const std::string& box : watched.boxes)
                    ADD_FAILURE() << "message box: " << box;
                EXPECT_EQ("not as updated: Bin\\_PatchRunner.exe\n", CheckUpdated(tree));
                EXPECT_TRUE(ReadBytes(tree / "Bin\\_PatchRunner.exe") == bigUpdater);
                EXPECT_GE(textChanges, 3u) << "the text advanced file by file";
            }
        }
    }
}

} // namespace
