// The demo's hands on a virtual display: logs in to the running terminal, opens its screens
// from the menu and saves a PNG picture of the main window and of each screen.
//   terminal_driver.exe --login ID PASSWORD APIKEY SECRET [--screens 1000,2000,...]
//                       [--shots FOLDER] [--timeout SECONDS]
// Prints one line per step; the exit code is 0 when every step was done.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "TerminalDriver.h"

namespace {

int Fail(const std::string& text)
{
    printf("FAILED %s\n", text.c_str());
    fflush(stdout);
    return 1;
}

void Say(const std::string& text)
{
    printf("%s\n", text.c_str());
    fflush(stdout);
}

std::vector<UINT> Numbers(const char* list)
{
    std::vector<UINT> numbers;
    for (const char* p = list; *p;) {
        char* end = nullptr;
        const unsigned long number = strtoul(p, &end, 10);
        if (end == p)
            break;
        numbers.push_back((UINT)number);
        p = *end == ',' ? end + 1 : end;
    }
    return numbers;
}

} // namespace

int main(int argc, char** argv)
{
    terminal::Login login;
    bool typeLogin = false;
    std::vector<UINT> screens = {1000, 2000, 2001, 3000};
    std::string shots;
    DWORD timeoutMs = 60000;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--login" && i + 4 < argc) {
            login = {argv[i + 1], argv[i + 2], argv[i + 3], argv[i + 4]};
            typeLogin = true;
            i += 4;
        } else if (arg == "--screens" && i + 1 < argc) {
            screens = Numbers(argv[++i]);
        } else if (arg == "--shots" && i + 1 < argc) {
            shots = argv[++i];
            if (!shots.empty() && shots.back() != '\\')
                shots += '\\';
        } else if (arg == "--timeout" && i + 1 < argc) {
            timeoutMs = (DWORD)atoi(argv[++i]) * 1000;
        } else {
            return Fail("unknown argument " + arg);
        }
    }

    HWND dialog = terminal::WaitFor([] { return terminal::FindLoginDialog(0); }, timeoutMs);
    if (dialog == NULL)
        return Fail("no login dialog");
    DWORD pid = 0;
    ::GetWindowThreadProcessId(dialog, &pid);
    Say("login dialog shown");
    if (typeLogin) {
        const std::string failure = terminal::TypeLogin(dialog, login);
        if (!failure.empty())
            return Fail(failure);
        Say("login typed");
    }
    HWND frame = terminal::WaitFor([pid] { return terminal::FindMainFrame(pid); }, timeoutMs);
    if (frame == NULL)
        return Fail("no main window after the login");
    Say("main window shown");

    std::vector<std::pair<UINT, HWND>> opened;
    for (UINT number : screens) {
        HWND screen = terminal::OpenScreen(frame, number, timeoutMs);
        if (screen == NULL)
            return Fail("screen " + std::to_string(number) + " did not open");
        opened.emplace_back(number, screen);
        Say("screen " + std::to_string(number) + " open");
        // The board is read from the screen: before the next screen covers it.
        if (number == 1000) {
            const DWORD start = ::GetTickCount();
            while (terminal::BoardPriceMarks(screen) == 0 && ::GetTickCount() - start < timeoutMs)
                ::Sleep(100);
            if (terminal::BoardPriceMarks(screen) == 0)
                return Fail("the board shows no prices");
            Say("the board shows live prices");
        }
    }
    if (shots.empty())
        return 0;
    // A moment for the first replies of every screen, then each window on top in turn.
    ::Sleep(3000);
    int failures = 0;
    auto save = [&](HWND window, const std::string& name) {
        const std::string path = shots + name + ".png";
        const bool saved = SavePng(path, terminal::CaptureWindow(window));
        Say((saved ? "saved " : "FAILED to save ") + path);
        failures += saved ? 0 : 1;
    };
    save(frame, "main");
    for (const auto& screen : opened)
        save(screen.second, "screen_" + std::to_string(screen.first));
    return failures == 0 ? 0 : 1;
}
