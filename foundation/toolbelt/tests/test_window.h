// A real top-level window for tests, with the given window procedure.
#pragma once

#include <windows.h>

HWND CreateTestWindow(const char* title, WNDPROC proc = DefWindowProcA);
