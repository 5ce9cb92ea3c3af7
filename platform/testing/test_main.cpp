// Entry point of every test executable. No test may hang on a modal box: every message box of
// the layer is printed to stderr and dismissed without being shown. A failed ASSERT of any
// module is a failure of the running test. A program that runs beside the desktop tests
// (MOLVANE_TEST_NODESKTOP set) fails the running test when it shows or activates a window.
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

#include "msgbox_recorder.h"

namespace {

int AFXAPI DismissMessageBox(HWND, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    int nAnswer = AfxTestDismissAnswer(nType);
    fprintf(stderr, "[message box] caption \"%s\" text \"%s\" type 0x%X -> %d\n", lpszCaption ? lpszCaption : "",
            lpszText ? lpszText : "", nType, nAnswer);
    fflush(stderr);
    return nAnswer;
}

BOOL AFXAPI FailTheTest(LPCSTR lpszFileName, int nLine)
{
    ADD_FAILURE_AT(lpszFileName != nullptr ? lpszFileName : "?", nLine) << "ASSERT failed";
    return FALSE;
}

std::string ClassOf(HWND hWnd)
{
    char name[128] = "";
    GetClassNameA(hWnd, name, sizeof name);
    return name;
}

// Such a program runs while other tests hold the foreground, the focus and the mouse: a window
// of its own on the desktop would take them away. Hidden and message-only windows are its
// whole share. Watches the main thread, where the tests make their windows.
LRESULT CALLBACK FailOnShow(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION)
    {
        const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (sent->message == WM_SHOWWINDOW && sent->wParam && !(GetWindowLongPtrA(sent->hwnd, GWL_STYLE) & WS_CHILD))
            ADD_FAILURE() << "a program without the desktop showed a window of class " << ClassOf(sent->hwnd);
    }
    return CallNextHookEx(NULL, nCode, wParam, lParam);
}

LRESULT CALLBACK FailOnActivate(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE)
        ADD_FAILURE() << "a program without the desktop activated a window of class "
                      << ClassOf(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(NULL, nCode, wParam, lParam);
}

// A program that takes its turn on the desktop starts with the pointer in the screen's far
// corner, where no test puts a window: the previous program may have left it anywhere, and a
// window made under it gets mouse moves its test did not make (a chart's crosshair follows them).
void ParkThePointer()
{
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

void KeepOffTheDesktop()
{
    const char* flag = getenv("MOLVANE_TEST_NODESKTOP");
    if (flag == nullptr || *flag == '\0')
    {
        ParkThePointer();
        return;
    }
    const DWORD thread = GetCurrentThreadId();
    SetWindowsHookExA(WH_CALLWNDPROC, &FailOnShow, NULL, thread);
    SetWindowsHookExA(WH_CBT, &FailOnActivate, NULL, thread);
}

} // namespace

int main(int argc, char** argv)
{
    AfxSetMessageBoxHandler(&DismissMessageBox);
    AfxSetAssertHandler(&FailTheTest);
    KeepOffTheDesktop();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
