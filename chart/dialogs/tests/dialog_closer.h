// Acts on the modal dialogs a test opens: a thread hook sees each dialog activate and posts the
// next scripted action, which then runs inside the dialog's own modal loop.
#pragma once

#include <afxwin.h>

#include <deque>
#include <functional>

class CDialogScript
{
public:
    typedef std::function<void(HWND)> Action;

    CDialogScript()
    {
        s_self = this;
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &CDialogScript::Proc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = "GraphKitDialogScript";
        ::RegisterClassA(&wc);
        m_hRunner = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, wc.hInstance, NULL);
        m_hHook = ::SetWindowsHookExA(WH_CBT, &CDialogScript::Cbt, NULL, ::GetCurrentThreadId());
    }
    ~CDialogScript()
    {
        ::UnhookWindowsHookEx(m_hHook);
        ::DestroyWindow(m_hRunner);
        s_self = nullptr;
    }
    // The action for the next dialog that opens.
    void Then(Action action) { m_actions.push_back(action); }
    int Shown() const { return m_nShown; }
    size_t Pending() const { return m_actions.size(); }

    // Helpers for actions.
    static void Click(HWND dialog, int id)
    {
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, id));
    }
    static CString Text(HWND dialog, int id)
    {
        char text[256] = "";
        ::GetDlgItemTextA(dialog, id, text, int(sizeof(text)));
        return text;
    }

private:
    static LRESULT CALLBACK Cbt(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_ACTIVATE && s_self)
        {
            char cls[32] = "";
            ::GetClassNameA(HWND(wParam), cls, int(sizeof(cls)));
            if (lstrcmpA(cls, "#32770") == 0 && s_self->m_seen != HWND(wParam))
            {
                s_self->m_seen = HWND(wParam);
                ++s_self->m_nShown;
                ::PostMessageA(s_self->m_hRunner, WM_APP, wParam, 0);
            }
        }
        return ::CallNextHookEx(NULL, code, wParam, lParam);
    }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_APP && s_self)
        {
            if (s_self->m_actions.empty())
                Click(HWND(wParam), IDCANCEL); // nobody asked: never leave a test hanging
            else
            {
                Action action = s_self->m_actions.front();
                s_self->m_actions.pop_front();
                action(HWND(wParam));
            }
            return 0;
        }
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }

    static inline CDialogScript* s_self = nullptr;
    HWND m_hRunner = NULL;
    HHOOK m_hHook = NULL;
    HWND m_seen = NULL;
    int m_nShown = 0;
    std::deque<Action> m_actions;
};
