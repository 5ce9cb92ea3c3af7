// The real mouse of the test desktop; each call waits until the thread has handled what it
// caused, and fails the test (and answers false) when that never comes.
#pragma once

#include <afxwin.h>

// The pointer at the point, and, where a window of this thread is there, its move taken.
bool MouseTo(CPoint screen);
// The left button pressed or let go where the last MouseTo put the pointer (else where the
// desktop reports it), and that message dispatched.
bool MouseButton(bool down);
void PumpFor(DWORD ms);
