// Modal dialogs driven by a timer script.
#include "modal_script.h"

#include <cstring>

namespace {

std::vector<ModalStep> g_steps;
size_t g_next = 0;
int g_marker = 0;
DWORD g_start = 0;
DWORD g_limit = 0;
bool g_stalled = false;

struct Found
{
    int marker;
    HWND dialog;
};

BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam)
{
    Found* found = reinterpret_cast<Found*>(lParam);
    if (::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, found->marker) != NULL) {
        found->dialog = hWnd;
        return FALSE;
    }
    return TRUE;
}

bool g_running = false;

void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD)
{
    // A step that opens a dialog of its own runs its loop: the ticks inside it wait.
    if (g_running)
        return;
    const HWND dialog = FindThreadDialog(g_marker);
    if (dialog == NULL)
        return;
    Found found = {g_marker, dialog};
    if (::GetTickCount() - g_start > g_limit) {
        g_stalled = true;
        ::PostMessageA(found.dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (g_next < g_steps.size()) {
        g_running = true;
        const bool done = g_steps[g_next](found.dialog);
        g_running = false;
        if (done)
            ++g_next;
    }
}

} // namespace

HWND FindThreadDialog(int markerId)
{
    Found found = {markerId, NULL};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&found));
    return found.dialog;
}

ModalScriptResult RunModalScript(const std::function<INT_PTR()>& run, int markerId, std::vector<ModalStep> steps,
                                 DWORD limitMs)
{
    g_steps = std::move(steps);
    g_next = 0;
    g_marker = markerId;
    g_start = ::GetTickCount();
    g_limit = limitMs;
    g_stalled = false;
    const UINT_PTR timer = ::SetTimer(NULL, 0, 30, RunScript);
    const INT_PTR result = run();
    ::KillTimer(NULL, timer);
    return {result, g_next, g_stalled};
}

std::string DlgText(HWND dialog, int id)
{
    char text[256] = {0};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void ClickDlgButton(HWND dialog, int id)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void TypeInto(HWND control, const char* text)
{
    ::SetFocus(control);
    for (const char* p = text; *p; ++p)
        ::PostMessageA(control, WM_CHAR, static_cast<BYTE>(*p), 1);
}

void PressKey(HWND target, UINT vk)
{
    ::PostMessageA(target, WM_KEYDOWN, vk, 1);
    ::PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
}
