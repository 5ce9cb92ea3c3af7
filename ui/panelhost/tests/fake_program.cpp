// A program that starts, goes idle and ends: stands in for an outside program the views start.
// With MOLVANE_FAKE_MARKER set it first appends its command line to that file; with
// MOLVANE_FAKE_DONE set it then signals the event of that name, so a test can wait for the
// line instead of racing the start (under Wine, WaitForInputIdle may return before the
// started program has run at all).
#include <windows.h>

#include <stdio.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char marker[MAX_PATH];
    const DWORD n = ::GetEnvironmentVariableA("MOLVANE_FAKE_MARKER", marker, sizeof marker);
    if (n > 0 && n < sizeof marker) {
        FILE* f = fopen(marker, "ab");
        if (f != NULL) {
            fprintf(f, "%s\n", ::GetCommandLineA());
            fclose(f);
        }
    }
    char done[MAX_PATH];
    const DWORD d = ::GetEnvironmentVariableA("MOLVANE_FAKE_DONE", done, sizeof done);
    if (d > 0 && d < sizeof done) {
        const HANDLE event = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, done);
        if (event != NULL) {
            ::SetEvent(event);
            ::CloseHandle(event);
        }
    }
    MSG msg;
    ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE);
    return 0;
}
