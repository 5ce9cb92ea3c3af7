// Messages between a view and the window that created it (the main frame).
#pragma once

#include <windows.h>

// Sent to the owner, wParam 0, lParam the view's window: the view asks to be closed (the owner
// destroys it) or was activated.
#define WM_SCREEN_CLOSED (WM_USER + 1)
#define WM_SCREEN_ACTIVATED (WM_USER + 3)

// dwData of the query agent's status texts (WM_COPYDATA), shown in a view's message line.
#ifndef CDS_STATUS_TEXT
#define CDS_STATUS_TEXT 20000
#endif

// Child id of a view's message line.
#define IDC_MSGCTRL 50000
