// Finding the terminal's windows, typing its login, opening screens and reading the screen.
#include "TerminalDriver.h"

#include "DialogScript.h"

namespace terminal {

namespace {

// Ids of the login dialog's edits and of the board within screen 1000.
const int kLoginId = 1027, kLoginPassword = 1033, kLoginApiKey = 1034, kLoginSecretKey = 1035;
const int kBoardGrid = 1000;
const char kMainFrameTitle[] = "Talpen 자동 매매 시스템";

struct Search
{
    DWORD pid;
    bool (*match)(HWND, const void*);
    const void* data;
    HWND found;
};

BOOL CALLBACK Visit(HWND hWnd, LPARAM param)
{
    Search& search = *reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if ((search.pid != 0 && pid != search.pid) || !::IsWindowVisible(hWnd) || !search.match(hWnd, search.data))
        return TRUE;
    search.found = hWnd;
    return FALSE;
}

HWND FindTop(DWORD pid, bool (*match)(HWND, const void*), const void* data)
{
    Search search = {pid, match, data, NULL};
    ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string Caption(HWND hWnd)
{
    char text[256] = {0};
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

bool IsLoginDialog(HWND hWnd, const void*)
{
    return ::GetDlgItem(hWnd, kLoginId) != NULL && ::GetDlgItem(hWnd, kLoginSecretKey) != NULL;
}

bool IsMainFrame(HWND hWnd, const void*)
{
    return Caption(hWnd) == kMainFrameTitle;
}

bool IsScreen(HWND hWnd, const void* prefix)
{
    const std::string& want = *static_cast<const std::string*>(prefix);
    return Caption(hWnd).compare(0, want.size(), want) == 0;
}

// The focused window of the thread that owns `hWnd` (another process's focus is not GetFocus's).
HWND FocusOf(HWND hWnd)
{
    GUITHREADINFO info = {sizeof info};
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(hWnd, NULL), &info))
        return NULL;
    return info.hwndFocus;
}

bool WaitUntil(bool (*done)(HWND), HWND hWnd, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!done(hWnd)) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::Sleep(20);
    }
    return true;
}

bool PointerOn(HWND control)
{
    RECT rect;
    ::GetWindowRect(control, &rect);
    POINT now;
    ::GetCursorPos(&now);
    return now.x == (rect.left + rect.right) / 2 && now.y == (rect.top + rect.bottom) / 2;
}

bool Focused(HWND control)
{
    return FocusOf(control) == control;
}

// One click on the edit: the pointer first, the button once the desktop reports it there.
bool FocusEdit(HWND edit)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        RECT rect;
        ::GetWindowRect(edit, &rect);
        ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        WaitUntil(PointerOn, edit, 1000);
        ClickControl(edit);
        if (WaitUntil(Focused, edit, 1000))
            return true;
    }
    return false;
}

std::string WindowText(HWND hWnd)
{
    char text[256] = {0};
    ::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                          NULL);
    return text;
}

} // namespace

HWND FindLoginDialog(DWORD pid)
{
    return FindTop(pid, IsLoginDialog, nullptr);
}

HWND FindMainFrame(DWORD pid)
{
    return FindTop(pid, IsMainFrame, nullptr);
}

HWND FindScreen(DWORD pid, UINT number)
{
    const std::string prefix = "[" + std::to_string(number) + "]";
    return FindTop(pid, IsScreen, &prefix);
}

std::string TypeLogin(HWND dialog, const Login& login)
{
    const struct
    {
        int id;
        const std::string* text;
        bool readable; // a plain edit gives its text back; the masked ones are not read
    } fields[] = {
        {kLoginId, &login.id, true},
        {kLoginPassword, &login.password, false},
        {kLoginApiKey, &login.apiKey, true},
        {kLoginSecretKey, &login.secretKey, false},
    };
    ::SetForegroundWindow(dialog);
    for (const auto& field : fields) {
        HWND edit = ::GetDlgItem(dialog, field.id);
        if (edit == NULL || !FocusEdit(edit))
            return "edit " + std::to_string(field.id) + " of the login dialog took no focus";
        // Whatever the edit held goes first: select all, then the typed text replaces it.
        ::SendMessageTimeoutA(edit, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, 2000, NULL);
        TypeText(*field.text);
        if (field.readable) {
            const DWORD start = ::GetTickCount();
            while (WindowText(edit) != *field.text && ::GetTickCount() - start < 3000)
                ::Sleep(20);
            if (WindowText(edit) != *field.text)
                return "edit " + std::to_string(field.id) + " shows '" + WindowText(edit) + "'";
        }
    }
    ::Sleep(100);
    PressKey(VK_RETURN);
    return std::string();
}

HWND OpenScreen(HWND frame, UINT number, DWORD timeoutMs)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(frame, &pid);
    ::PostMessageA(frame, WM_COMMAND, MAKEWPARAM(number, 0), 0);
    return WaitFor([&] { return FindScreen(pid, number); }, timeoutMs);
}

Shot CaptureWindow(HWND window)
{
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The owner paints on its own thread: give it time to finish before the screen is read.
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, NULL);
    ::Sleep(300);
    return ShootWindow(window);
}

int BoardPriceMarks(HWND screen1000)
{
    HWND board = ::GetDlgItem(screen1000, kBoardGrid);
    if (board == NULL)
        return 0;
    const Shot shot = ShootWindow(board);
    // Rises are written in red, falls in blue (colours 102 and 103 of the colour map);
    // smoothed glyph edges come near them.
    int marks = 0;
    for (COLORREF pixel : shot.pixels) {
        const int r = GetRValue(pixel), g = GetGValue(pixel), b = GetBValue(pixel);
        if ((r > 150 && g < 90 && b < 90) || (b > 150 && r < 90 && g < 130))
            ++marks;
    }
    return marks;
}

} // namespace terminal
