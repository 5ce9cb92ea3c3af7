// Drives a modal dialog of the test's own thread the way a user does: real key presses and
// mouse clicks through the desktop's input queue, one step at a time on a timer while the
// dialog's modal loop runs. A step returns true when it is done; a script that stalls ends
// the dialog with Cancel after its limit.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

typedef std::function<bool(HWND)> ScriptStep;

class DialogScript
{
public:
    // The dialog is the visible top-level dialog of this thread with this caption.
    explicit DialogScript(const std::string& caption, DWORD limitMs = 20000);
    DialogScript& Then(ScriptStep step);
    // Runs `show` (which runs the dialog modally) with the steps; the failure text is empty
    // when every step was done.
    template <typename Show>
    auto Run(Show show) -> decltype(show())
    {
        Start();
        auto result = show();
        Stop();
        return result;
    }
    const std::string& Failure() const { return m_failure; }
    bool Finished() const { return m_next >= m_steps.size(); }

private:
    void Start();
    void Stop();
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

    std::string m_caption;
    DWORD m_limit;
    DWORD m_start = 0;
    UINT_PTR m_timer = 0;
    std::vector<ScriptStep> m_steps;
    size_t m_next = 0;
    std::string m_failure;
};

// Real input to the focused window: text (in code page 949) typed character by character, and keys.
void TypeText(const std::string& text);
void PressKey(WORD vk);
// A left click at a control's centre (the pointer moved there first), or at a screen point.
void ClickControl(HWND control);
void ClickPoint(POINT point);

// Steps.
ScriptStep Type(const std::string& text);
ScriptStep Press(WORD vk);
ScriptStep Click(int id);
// A click at the screen point that where finds (a step that waits while it finds none).
ScriptStep ClickAt(std::function<bool(HWND, POINT&)> where);
// Waits until the condition holds.
ScriptStep WaitFor(std::function<bool(HWND)> condition);
// Runs an action once.
ScriptStep Do(std::function<void(HWND)> action);
// Waits a while (the dialog keeps running).
ScriptStep Pause(DWORD ms);

std::string ControlText(HWND dialog, int id);
// The id of the focused control, 0 when it is none of the dialog's.
int FocusedId(HWND dialog);
