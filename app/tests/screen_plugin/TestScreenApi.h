// The test screen plug-in as the tests see it: messages that set and read the view's stored
// value, and the log of what its views were told, read through the library's exports.
#pragma once

#include <windows.h>

#define TEST_SCREEN_DLL "MolvaneTestScreen.dll"
// Sets the value the view stores (wParam) / returns it.
#define WM_TEST_SET_VALUE (WM_USER + 700)
#define WM_TEST_GET_VALUE (WM_USER + 701)
// A view that refuses WM_CLOSE (wParam 1) or takes it as views do (0).
#define WM_TEST_STUBBORN (WM_USER + 702)
// The view shows a box (caption TEST_SCREEN_BOX_CAPTION) from its own handler, as a screen
// confirms a setting, and notes "answered" with its id once the box is closed.
#define WM_TEST_BOX (WM_USER + 703)
#define TEST_SCREEN_BOX_CAPTION "확인"
// The number text CreateScreen answers with a null view.
#define TEST_SCREEN_NULL_VIEW "4001"

// Exports: "TestScreenLog" returns the log (lines "what id detail\n"), "TestScreenClearLog"
// empties it, "TestScreenCreated" counts the views made.
typedef const char* (*PFN_TEST_SCREEN_LOG)();
typedef void (*PFN_TEST_SCREEN_CLEAR_LOG)();
typedef int (*PFN_TEST_SCREEN_CREATED)();
