// A program that starts, goes idle and ends: stands in for an outside program the views start.
// With MOLVANE_FAKE_MARKER set it first appends its command line to that file.
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
    MSG msg;
    ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE);
    return 0;
}
