// A message that the main frame passes on to every open screen but its sender.
#pragma once

#include <windows.h>

// lParam points at a tagRelayMsg owned by the sender, valid during the call; wParam is 0.
#define WM_RELAY_TO_SCREENS (WM_USER + 12)
// A new user-log line: wParam its length, lParam the text (valid during the call).
#define WM_USERLOG_LINE 1147

struct tagRelayMsg
{
    HWND hSender;
    UINT nMessage;
    WPARAM wParam;
    LPARAM lParam;
};
// In memory only: 16 bytes on 32-bit Windows, 32 on 64-bit.
static_assert(sizeof(tagRelayMsg) == 4 * sizeof(void*), "the relay record layout");
