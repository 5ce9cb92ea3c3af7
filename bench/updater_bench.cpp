// PatchRunner figures: the updater dialog in this process against the version-server peer
// (testbed/peers.py --peers version), from the first request to the installed files, for one
// 10 MB archive (throughput) and for 500 small archives (cost per file).
#include <windows.h>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "patch_runner_dlg.h"
#include "version_peer_fixture.h"

namespace {

std::vector<std::string> g_boxes;

int AFXAPI RecordBox(HWND, LPCTSTR lpszText, LPCTSTR, UINT)
{
    g_boxes.push_back(lpszText ? lpszText : "");
    return IDOK;
}

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return (double)counter.QuadPart / (double)frequency.QuadPart;
}

// Runs one update into a fresh install root; the seconds it took, or a negative value.
double RunUpdate(VersionPeer& peer)
{
    InstallTree tree("bench");
    DeleteFileA((tree / "Bin\\Molvane.exe").c_str()); // nothing to start again
    UpdaterSettings settings;
    settings.installRoot = tree.Root();
    settings.binFolder = tree / "Bin\\";
    settings.serverHost = "127.0.0.1";
    settings.serverPort = peer.Port();
    settings.replyTimeoutMs = 30000;
    settings.stopWaitMs = 5000;
    g_boxes.clear();
    CPatchRunnerDlg dlg(settings);
    double start = Now();
    INT_PTR result = dlg.DoModal();
    double seconds = Now() - start;
    for (const std::string& box : g_boxes)
        printf("  message: %s\n", box.c_str());
    return result == IDOK && g_boxes.empty() ? seconds : -1.0;
}

std::string RandomBytes(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = (char)(random() & 0xFF);
    return bytes;
}

} // namespace

int main()
{
    VersionPeer peer;
    if (!peer.Available())
    {
        printf("updater_bench: run under testbed/peers.py --peers version\n");
        return 1;
    }
    AfxSetMessageBoxHandler(RecordBox);

    // One archive of about 10 MB (incompressible, stored), below the 10,240,000-byte limit.
    std::string big = MakeZip({ZipEntry{"Big.dat", RandomBytes(9990000, 1), true}});
    peer.Reset();
    peer.SetList(std::string(InstallTree::OldList()) + "Bin,main,Big.dat.zip,2,\r\n");
    peer.SetFile("Bin", "Big.dat.zip", big);
    double seconds = RunUpdate(peer);
    if (seconds > 0)
        printf("one archive of %.2f MB: %.3f s, %.1f MB/s (fetch, unpack, install)\n", big.size() / 1e6, seconds,
               big.size() / 1e6 / seconds);
    else
        printf("one archive: the update failed\n");

    // 500 small archives.
    const int kFiles = 500;
    peer.Reset();
    std::string list = InstallTree::OldList();
    for (int i = 0; i < kFiles; ++i)
    {
        char name[32];
        snprintf(name, sizeof(name), "f%03d.bmp", i);
        list += std::string("Images,img,") + name + ".zip,2,\r\n";
        peer.SetFile("Images", std::string(name) + ".zip", MakeZip({ZipEntry{name, RandomBytes(1024, i + 2)}}));
    }
    peer.SetList(list);
    seconds = RunUpdate(peer);
    if (seconds > 0)
        printf("%d small archives: %.3f s, %.2f ms per file\n", kFiles, seconds, seconds * 1000 / kFiles);
    else
        printf("small archives: the update failed\n");
    return 0;
}
