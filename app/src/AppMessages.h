// Window messages and command ids of the main program's own windows.
#pragma once

#include <windows.h>

// To the main frame: wParam the screen number, lParam a RECT* (a saved set's place) or 0.
#define WM_OPEN_SCREEN (WM_USER + 2)
// wParam 10003: the calculator.
#define WM_OPEN_CALCULATOR (WM_USER + 5)
#define WM_PLAY_ALARM (WM_USER + 6)
// To the main frame, and from it (posted, 0, 0) to the screens whose "sg" flags have bit 0.
#define WM_NOTIFY_FLAGGED_SCREENS (WM_USER + 9)

#define CALCULATOR_REQUEST 10003

// Menu commands with an action of their own.
#define ID_MENU_SETTINGS 101
#define ID_MENU_WEB_SITE 102
#define ID_MENU_LOCK 104
#define ID_MENU_PRINT 105
#define ID_MENU_QUIT 106
#define ID_MENU_LOGOUT 107
#define ID_MENU_QUICK_MENU 108
#define ID_MENU_ACCOUNT_PASSWORD 109
#define ID_MENU_SAVED_SCREENS 111
#define ID_MENU_EMPTY_BOX 180
#define ID_MENU_CLOSE_ALL 183
#define ID_MENU_WEB_SITE2 186

// Saved screen sets take these numbers; 9000 is the last screens of a logout.
#define SCREEN_SET_LAST 9000
#define SCREEN_SET_FIRST 9001
#define SCREEN_SET_END 9999

// Timers of the main frame.
#define TIMER_IDLE_LOCK 1
#define TIMER_CLOCK 20
#define IDLE_CHECK_MS 60000
#define CLOCK_MS 1000

#define MAIN_TOOLBAR_ID 12000
