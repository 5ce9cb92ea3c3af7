// Drives a running Molvane.exe from outside, as its user does: the login typed and clicked
// through the desktop's input queue, screens opened by the main window's menu commands, and
// what its windows show read back from the screen (live prices on the board, PNG pictures).
#pragma once

#include <windows.h>

#include <string>

#include "screen_shot.h"

namespace terminal {

struct Login
{
    std::string id, password, apiKey, secretKey;
};

// A visible top-level window of the process (0: any process).
HWND FindLoginDialog(DWORD pid);
HWND FindMainFrame(DWORD pid);
// The screen whose caption begins "[number]".
HWND FindScreen(DWORD pid, UINT number);

// Polls `find` until it gives a window or timeoutMs passed (NULL then).
template <typename Find> HWND WaitFor(Find find, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND found = find())
            return found;
        if (::GetTickCount() - start > timeoutMs)
            return NULL;
        ::Sleep(50);
    }
}

// Clicks each edit of the login dialog, types its text and presses Enter in the last; the
// failure text is empty when the login was handed to the dialog.
std::string TypeLogin(HWND dialog, const Login& login);

// The menu command that opens a screen, then its window (NULL after timeoutMs).
HWND OpenScreen(HWND frame, UINT number, DWORD timeoutMs);

// The window brought to the top and repainted first, then its rectangle within the screen.
Shot CaptureWindow(HWND window);

// Text pixels of the rise and fall colours on the board (screen 1000's price grid): zero
// until the first ticker reached it.
int BoardPriceMarks(HWND screen1000);

// An install root of its own for a run: a copy of the staged tree (false when a file or folder
// could not be copied), and its User\system.ini pointed at the local peers: [SERVER] 127.0.0.1
// at serverPort, [EXCHANGE] BASEURL, and [VERSION] 127.0.0.1 at versionPort unless that is 0.
bool CopyInstallTree(const std::string& from, const std::string& to);
bool WriteSystemIni(const std::string& root, int serverPort, const std::string& exchangeURL, int versionPort = 0);

} // namespace terminal
