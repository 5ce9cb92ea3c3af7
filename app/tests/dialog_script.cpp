#include "DialogScript.h"

#include <afxwin.h>

#include <memory>

namespace {

DialogScript* g_running = nullptr;

struct Found
{
    const std::string* caption;
    HWND dialog;
};

BOOL CALLBACK FindDialog(HWND hWnd, LPARAM param)
{
    Found& found = *reinterpret_cast<Found*>(param);
    char name[16] = {0};
    char caption[128] = {0};
    ::GetClassNameA(hWnd, name, sizeof name);
    ::GetWindowTextA(hWnd, caption, sizeof caption);
    if (strcmp(name, "#32770") == 0 && *found.caption == caption && ::IsWindowVisible(hWnd)) {
        found.dialog = hWnd;
        return FALSE;
    }
    return TRUE;
}

void Send(std::vector<INPUT>& inputs)
{
    if (!inputs.empty())
        ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
}

} // namespace

DialogScript::DialogScript(const std::string& caption, DWORD limitMs) : m_caption(caption), m_limit(limitMs)
{
}

DialogScript& DialogScript::Then(ScriptStep step)
{
    m_steps.push_back(std::move(step));
    return *this;
}

void DialogScript::Start()
{
    m_next = 0;
    m_failure.clear();
    m_start = ::GetTickCount();
    g_running = this;
    m_timer = ::SetTimer(NULL, 0, 30, &DialogScript::OnTimer);
}

void DialogScript::Stop()
{
    ::KillTimer(NULL, m_timer);
    g_running = nullptr;
    if (m_failure.empty() && !Finished())
        m_failure = "the dialog ended before step " + std::to_string(m_next + 1) + " of " +
                    std::to_string(m_steps.size());
}

void CALLBACK DialogScript::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    static bool busy = false;
    DialogScript* self = g_running;
    if (self == nullptr || busy)
        return;
    Found found = {&self->m_caption, NULL};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&found));
    if (found.dialog == NULL)
        return;
    if (::GetTickCount() - self->m_start > self->m_limit) {
        if (self->m_failure.empty())
            self->m_failure = "the script stalled at step " + std::to_string(self->m_next + 1);
        // A framework dialog runs its own modal loop, which only its own EndDialog ends.
        if (CDialog* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(found.dialog)))
            dialog->EndDialog(IDCANCEL);
        else
            ::EndDialog(found.dialog, IDCANCEL);
        return;
    }
    if (self->m_next >= self->m_steps.size())
        return;
    if (::GetForegroundWindow() != found.dialog)
        ::SetForegroundWindow(found.dialog);
    busy = true;
    const bool done = self->m_steps[self->m_next](found.dialog);
    busy = false;
    if (done)
        ++self->m_next;
}

void TypeText(const std::string& text)
{
    // The text is in the program's code page; each character goes as the UTF-16 unit(s) it stands for.
    std::vector<wchar_t> wide(text.size() + 1);
    const int count = ::MultiByteToWideChar(949, 0, text.data(), (int)text.size(), wide.data(), (int)wide.size());
    std::vector<INPUT> inputs;
    for (int i = 0; i < count; ++i) {
        INPUT down = {};
        down.type = INPUT_KEYBOARD;
        down.ki.wScan = wide[i];
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(down);
        inputs.push_back(up);
    }
    Send(inputs);
}

void PressKey(WORD vk)
{
    std::vector<INPUT> inputs(2);
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = vk;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    Send(inputs);
}

void ClickControl(HWND control)
{
    RECT rect;
    ::GetWindowRect(control, &rect);
    ClickPoint({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void ClickPoint(POINT point)
{
    const int x = point.x, y = point.y;
    ::SetCursorPos(x, y);
    std::vector<INPUT> inputs(3);
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dx = (x * 65536 + ::GetSystemMetrics(SM_CXSCREEN) - 1) / ::GetSystemMetrics(SM_CXSCREEN);
    inputs[0].mi.dy = (y * 65536 + ::GetSystemMetrics(SM_CYSCREEN) - 1) / ::GetSystemMetrics(SM_CYSCREEN);
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    Send(inputs);
}

ScriptStep Type(const std::string& text)
{
    return [text](HWND) {
        TypeText(text);
        return true;
    };
}

ScriptStep Press(WORD vk)
{
    return [vk](HWND) {
        PressKey(vk);
        return true;
    };
}

ScriptStep Click(int id)
{
    return ClickAt([id](HWND dialog, POINT& point) {
        HWND control = ::GetDlgItem(dialog, id);
        RECT rect;
        ::GetWindowRect(control, &rect);
        point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        return true;
    });
}

ScriptStep ClickAt(std::function<bool(HWND, POINT&)> where)
{
    // The pointer is placed on one tick and the button pressed on a later one, once the
    // desktop reports the pointer there.
    auto placed = std::make_shared<bool>(false);
    return [where, placed](HWND dialog) {
        POINT target;
        if (!where(dialog, target))
            return false;
        POINT now;
        ::GetCursorPos(&now);
        if (!*placed || now.x != target.x || now.y != target.y) {
            ::SetCursorPos(target.x, target.y);
            *placed = true;
            return false;
        }
        ClickPoint(target);
        *placed = false;
        return true;
    };
}

ScriptStep WaitFor(std::function<bool(HWND)> condition)
{
    return condition;
}

ScriptStep Do(std::function<void(HWND)> action)
{
    return [action](HWND dialog) {
        action(dialog);
        return true;
    };
}

ScriptStep Pause(DWORD ms)
{
    auto start = std::make_shared<DWORD>(0);
    return [ms, start](HWND) {
        if (*start == 0)
            *start = ::GetTickCount() | 1;
        if (::GetTickCount() - *start < ms)
            return false;
        *start = 0;
        return true;
    };
}

std::string ControlText(HWND dialog, int id)
{
    char text[256] = {0};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

int FocusedId(HWND dialog)
{
    HWND focus = ::GetFocus();
    return focus != NULL && ::GetParent(focus) == dialog ? ::GetDlgCtrlID(focus) : 0;
}
