// The calling thread's count of running modal loops and the messages waiting for it to fall to
// zero.
#include "afxmodal_.h"
#include "afxwin.h"

namespace {

struct WaitingPost
{
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A few windows at most wait at once (the main window's logout); the list is fixed so that a
// thread's end has nothing to free.
const int kMaxWaiting = 16;

thread_local int t_nDepth = 0;
thread_local WaitingPost t_waiting[kMaxWaiting];
thread_local int t_nWaiting = 0;

void PostWaiting()
{
    // Taken off the list first: a window's handler may ask again from inside the post's dispatch.
    WaitingPost posts[kMaxWaiting];
    const int count = t_nWaiting;
    for (int i = 0; i < count; ++i)
        posts[i] = t_waiting[i];
    t_nWaiting = 0;
    for (int i = 0; i < count; ++i)
        ::PostMessageA(posts[i].hWnd, posts[i].message, posts[i].wParam, posts[i].lParam);
}

} // namespace

int AFXAPI AfxPlatformModalDepth()
{
    return t_nDepth;
}

BOOL AFXAPI AfxPlatformPostWhenNotModal(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (t_nDepth == 0)
        return ::PostMessageA(hWnd, message, wParam, lParam);
    for (int i = 0; i < t_nWaiting; ++i) {
        if (t_waiting[i].hWnd == hWnd && t_waiting[i].message == message)
            return TRUE;
    }
    if (t_nWaiting >= kMaxWaiting)
        return FALSE;
    t_waiting[t_nWaiting++] = {hWnd, message, wParam, lParam};
    return TRUE;
}

CPlatformModalScope::CPlatformModalScope()
{
    ++t_nDepth;
}

CPlatformModalScope::~CPlatformModalScope()
{
    if (t_nDepth > 0 && --t_nDepth == 0 && t_nWaiting > 0)
        PostWaiting();
}
