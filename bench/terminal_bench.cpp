// The whole terminal: cold starts of the staged Molvane.exe to a logged-in main window whose
// board (screen 1000) shows live prices, then private bytes with all four screens open on live
// feeds, sampled every 30 s (MOLVANE_BENCH_MINUTES, default 10). Needs the server and exchange
// peers (scripts/bench.sh) and the staged install root (MOLVANE_STAGE).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "TerminalDriver.h"
#include "temp_dir.h"

namespace {

const DWORD kWaitMs = 60000;

std::string Env(const char* name)
{
    const char* value = getenv(name);
    return value != nullptr ? value : "";
}

std::string ReadAll(const std::string& path)
{
    std::string bytes;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    ::CloseHandle(file);
    return bytes;
}

// A Unix path as Wine's Z: drive shows it.
std::string WinePath(const std::string& unix)
{
    std::string path = "Z:" + unix;
    std::replace(path.begin(), path.end(), '/', '\\');
    if (path.back() != '\\')
        path += '\\';
    return path;
}

// The staged tree copied to the root and pointed at the peers, its logs in its own AppData.
bool MakeRoot(const std::string& stage, const std::string& root)
{
    return terminal::CopyInstallTree(stage, root) && ::CreateDirectoryA((root + "AppData").c_str(), nullptr) &&
           terminal::WriteSystemIni(root, atoi(Env("MOLVANE_SERVER_PORT").c_str()),
                                    "https://localhost:" + Env("MOLVANE_EXCHANGE_PORT"));
}

struct Run
{
    PROCESS_INFORMATION process = {};
    double toDialog = 0, toFrame = 0, toBoard = 0;
    std::string failure;
};

double Since(LARGE_INTEGER start)
{
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

// Starts the program, logs in and opens the board; the times exclude the typing.
Run StartToBoard(const std::string& root)
{
    Run run;
    std::string block;
    LPCH strings = ::GetEnvironmentStringsA();
    for (LPCH p = strings; *p; p += strlen(p) + 1)
        if (_strnicmp(p, "APPDATA=", 8) != 0)
            block.append(p).push_back('\0');
    ::FreeEnvironmentStringsA(strings);
    block.append("APPDATA=" + root + "AppData").push_back('\0');
    block.push_back('\0');
    std::string command = "\"" + root + "Bin\\Molvane.exe\"";
    STARTUPINFOA si = {sizeof si};
    LARGE_INTEGER start;
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, &block[0], (root + "Bin").c_str(), &si,
                          &run.process)) {
        run.failure = "Molvane.exe did not start";
        return run;
    }
    const DWORD pid = run.process.dwProcessId;
    HWND dialog = terminal::WaitFor([pid] { return terminal::FindLoginDialog(pid); }, kWaitMs);
    run.toDialog = Since(start);
    if (dialog == NULL) {
        run.failure = "no login dialog";
        return run;
    }
    const std::string typed =
        terminal::TypeLogin(dialog, {"bench", "bench1234", "molvane-demo-key", "molvane-demo-secret"});
    if (!typed.empty()) {
        run.failure = typed;
        return run;
    }
    LARGE_INTEGER entered;
    ::QueryPerformanceCounter(&entered);
    HWND frame = terminal::WaitFor([pid] { return terminal::FindMainFrame(pid); }, kWaitMs);
    run.toFrame = Since(entered);
    if (frame == NULL) {
        run.failure = "no main window";
        return run;
    }
    LARGE_INTEGER opening;
    ::QueryPerformanceCounter(&opening);
    HWND board = terminal::OpenScreen(frame, 1000, kWaitMs);
    if (board == NULL) {
        run.failure = "screen 1000 did not open";
        return run;
    }
    while (terminal::BoardPriceMarks(board) == 0 && Since(opening) < kWaitMs / 1000.0)
        ::Sleep(10);
    run.toBoard = Since(opening);
    if (terminal::BoardPriceMarks(board) == 0)
        run.failure = "the board shows no prices";
    return run;
}

void End(Run& run)
{
    if (run.process.hProcess == NULL)
        return;
    ::TerminateProcess(run.process.hProcess, 0);
    ::WaitForSingleObject(run.process.hProcess, 10000);
    ::CloseHandle(run.process.hProcess);
    ::CloseHandle(run.process.hThread);
    run.process = PROCESS_INFORMATION();
}

// A process's private pages in KB, as /proc's smaps_rollup counts them: clean pages are mostly
// files mapped by this process alone (Wine's DLLs, the fonts), so they turn shared, and leave
// the figure, while any other Wine program maps the same files, and come back when it ends;
// dirty pages are what the process wrote (its heaps, stacks, bitmaps).
struct PrivatePages
{
    long long clean = 0, dirty = 0;
    long long Total() const { return clean + dirty; }
};

// Wine counts no private bytes of another process (every counter reads 0), so the figure comes
// from the Linux side through Wine's Z: drive: the program's process is the one whose command
// line names its install root; all zero when not found.
PrivatePages PrivateKB(const std::string& root)
{
    std::string marker = root + "Bin\\Molvane.exe";
    std::transform(marker.begin(), marker.end(), marker.begin(), ::tolower);
    const size_t drive = marker.find(':');
    if (drive != std::string::npos)
        marker = marker.substr(drive + 1); // Wine may show the path with another drive letter
    PrivatePages pages;
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA("Z:\\proc\\*", &found);
    if (find == INVALID_HANDLE_VALUE)
        return pages;
    do {
        if (!isdigit((unsigned char)found.cFileName[0]))
            continue;
        const std::string dir = std::string("Z:\\proc\\") + found.cFileName + "\\";
        std::string command = ReadAll(dir + "cmdline");
        std::transform(command.begin(), command.end(), command.begin(), ::tolower);
        if (command.find(marker) == std::string::npos)
            continue;
        const std::string rollup = ReadAll(dir + "smaps_rollup");
        const std::pair<const char*, long long*> fields[] = {{"Private_Clean:", &pages.clean},
                                                             {"Private_Dirty:", &pages.dirty}};
        for (const auto& field : fields) {
            const size_t at = rollup.find(field.first);
            if (at != std::string::npos)
                *field.second = atoll(rollup.c_str() + at + strlen(field.first));
        }
        break;
    } while (::FindNextFileA(find, &found));
    ::FindClose(find);
    return pages;
}

} // namespace

int main()
{
    const std::string stage = Env("MOLVANE_STAGE");
    if (stage.empty() || Env("MOLVANE_SERVER_PORT").empty() || Env("MOLVANE_EXCHANGE_PORT").empty()) {
        printf("terminal_bench: needs MOLVANE_STAGE and the server and exchange peers (scripts/bench.sh)\n");
        return 1;
    }
    // A fresh install root under %TEMP%, removed with everything in it at the end.
    const TempDir rootFolder;
    const std::string& root = rootFolder.Path();
    if (!MakeRoot(WinePath(stage), root)) {
        printf("terminal_bench: could not copy %s to %s with its settings\n", stage.c_str(), root.c_str());
        return 1;
    }
    printf("cold start to the board with live prices (aim < 2 s; typing the login not counted)\n");
    printf("%-5s %12s %12s %14s %10s\n", "run", "to login s", "login->main", "menu->prices", "total s");
    for (int i = 1; i <= 3; ++i) {
        Run run = StartToBoard(root);
        if (!run.failure.empty()) {
            printf("run %d failed: %s\n", i, run.failure.c_str());
            End(run);
            return 1;
        }
        printf("%-5d %12.3f %12.3f %14.3f %10.3f\n", i, run.toDialog, run.toFrame, run.toBoard,
               run.toDialog + run.toFrame + run.toBoard);
        fflush(stdout);
        End(run);
        ::Sleep(2000);
    }

    const int minutes = std::max(1, atoi(Env("MOLVANE_BENCH_MINUTES").empty() ? "10" : Env("MOLVANE_BENCH_MINUTES").c_str()));
    Run run = StartToBoard(root);
    HWND frame = run.failure.empty() ? terminal::FindMainFrame(run.process.dwProcessId) : NULL;
    for (UINT number : {2000u, 2001u, 3000u})
        if (frame != NULL && terminal::OpenScreen(frame, number, kWaitMs) == NULL)
            run.failure = "screen " + std::to_string(number) + " did not open";
    if (!run.failure.empty() || frame == NULL) {
        printf("memory run failed: %s\n", run.failure.c_str());
        End(run);
        return 1;
    }
    printf("private memory (Linux private pages of the process), four screens open on live feeds, every 30 s for %d min (aim: < 1 MB "
           "growth of the written pages after the first minute; the clean pages follow what other Wine programs map)\n",
           minutes);
    printf("  %9s  %10s  %10s  %10s\n", "", "private KB", "written KB", "clean KB");
    std::vector<PrivatePages> samples;
    for (int i = 0; i <= minutes * 2; ++i) {
        if (i > 0)
            ::Sleep(30000);
        if (::WaitForSingleObject(run.process.hProcess, 0) != WAIT_TIMEOUT) {
            printf("Molvane.exe ended during the run\n");
            return 1;
        }
        samples.push_back(PrivateKB(root));
        const PrivatePages& now = samples.back();
        printf("  %5.1f min  %10lld  %10lld  %10lld\n", i / 2.0, now.Total(), now.dirty, now.clean);
        fflush(stdout);
    }
    if (samples.size() > 2) {
        const PrivatePages& first = samples[2];
        long long highest = first.dirty;
        for (size_t i = 2; i < samples.size(); ++i)
            highest = std::max(highest, samples[i].dirty);
        printf("growth after the first minute over %.1f min: written %lld KB (highest %+lld KB), private %lld KB\n",
               (samples.size() - 3) / 2.0, samples.back().dirty - first.dirty, highest - first.dirty,
               samples.back().Total() - first.Total());
    }
    End(run);
    return 0;
}
