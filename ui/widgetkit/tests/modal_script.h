// Drives a modal dialog the way a user would: steps run one after the other on a thread timer
// while the dialog's own loop runs; a script that stalls cancels the dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// One step; true when it is done (else it runs again on the next tick).
typedef std::function<bool(HWND dialog)> ModalStep;

struct ModalScriptResult
{
    INT_PTR result;       // what run returned
    size_t stepsDone;     // how many steps finished
    bool stalled;         // the script gave up and cancelled the dialog
};

// Runs run() (which shows a modal dialog with a child of id markerId) with the steps.
ModalScriptResult RunModalScript(const std::function<INT_PTR()>& run, int markerId, std::vector<ModalStep> steps,
                                 DWORD limitMs = 8000);

// The visible window of this thread that has a child of that id, or null.
HWND FindThreadDialog(int markerId);
std::string DlgText(HWND dialog, int id);
// A click on a dialog button as the button reports it (WM_COMMAND BN_CLICKED to the dialog).
void ClickDlgButton(HWND dialog, int id);
// Typed text: the focus to the control, then one WM_CHAR per byte, through the thread's queue.
void TypeInto(HWND control, const char* text);
// A key as the thread's queue delivers it (posted WM_KEYDOWN/WM_KEYUP).
void PressKey(HWND target, UINT vk);
