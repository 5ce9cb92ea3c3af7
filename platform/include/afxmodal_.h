// The modal depth of a thread: how many modal loops of the framework and message boxes run on
// it now, and messages that wait for none to run.
#pragma once

#include "afxplatform_.h"

// Modal loops of the calling thread: every modal loop of the framework (a dialog's, a common
// dialog's) and every message box counts one while it runs. Work that would pull a window from
// under a handler still waiting on such a loop (a logout destroying the screens) waits for the
// count to fall back to zero.
AFX_PLATFORM_API int AFXAPI AfxPlatformModalDepth();
// Posts the message to the window once no modal loop of the calling thread runs any more, at
// once when none runs. A message already waiting for the same window is not queued again, so
// asking repeatedly posts once. FALSE when it could not be queued.
AFX_PLATFORM_API BOOL AFXAPI AfxPlatformPostWhenNotModal(HWND hWnd, UINT message, WPARAM wParam = 0,
                                                         LPARAM lParam = 0);

// Counts one modal loop of the calling thread for its lifetime (the layer's loops and boxes;
// code that runs a modal loop of its own outside the framework's may use it too).
class AFX_PLATFORM_API CPlatformModalScope
{
public:
    CPlatformModalScope();
    ~CPlatformModalScope();
    CPlatformModalScope(const CPlatformModalScope&) = delete;
    CPlatformModalScope& operator=(const CPlatformModalScope&) = delete;
};
