#include "test_window.h"

#include <stdio.h>

HWND CreateTestWindow(const char* title, WNDPROC proc)
{
    // One class per procedure.
    char className[32];
    snprintf(className, sizeof className, "ToolBeltTest%p", reinterpret_cast<void*>(proc));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    return CreateWindowA(className, title, WS_OVERLAPPEDWINDOW, 50, 60, 300, 200, nullptr, nullptr, wc.hInstance,
                         nullptr);
}
