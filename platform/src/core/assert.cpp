// Failed assertions: the process-wide handler they are reported to.
#include "afx.h"

#include <atomic>
#include <stdio.h>

namespace {

BOOL AFXAPI NoteForDebugger(LPCSTR lpszFileName, int nLine)
{
    char text[512];
    snprintf(text, sizeof(text), "Assertion failed: %s(%d)\n", lpszFileName != NULL ? lpszFileName : "?", nLine);
    ::OutputDebugStringA(text);
    return FALSE; // go on, as a build without checks would
}

std::atomic<AFX_ASSERT_HANDLER> g_pfnAssertHandler{&NoteForDebugger};

} // namespace

BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    return g_pfnAssertHandler.load()(lpszFileName, nLine);
}

AFX_ASSERT_HANDLER AFXAPI AfxSetAssertHandler(AFX_ASSERT_HANDLER pfnHandler)
{
    return g_pfnAssertHandler.exchange(pfnHandler != NULL ? pfnHandler : &NoteForDebugger);
}
