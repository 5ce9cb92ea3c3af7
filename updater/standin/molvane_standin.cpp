// A stand-in for the main program in updater tests. Copied as Molvane.exe into a temporary
// install root's Bin\ folder: it notes its start in <root>User\standin.log ("<pid> <path>")
// and then waits to be stopped, ending by itself after two minutes at the latest.
#include <windows.h>
#include <stdio.h>
#include <string.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, sizeof(module));
    char root[MAX_PATH];
    strcpy(root, module);
    for (int level = 0; level < 2; ++level)
    {
        char* slash = strrchr(root, '\\');
        if (slash)
            *slash = '\0';
    }
    char log[MAX_PATH + 32];
    snprintf(log, sizeof(log), "%s\\User\\standin.log", root);
    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
    {
        char line[MAX_PATH + 32];
        int n = snprintf(line, sizeof(line), "%lu %s\r\n", GetCurrentProcessId(), module);
        DWORD written;
        WriteFile(file, line, (DWORD)n, &written, nullptr);
        CloseHandle(file);
    }
    Sleep(120000);
    return 0;
}
