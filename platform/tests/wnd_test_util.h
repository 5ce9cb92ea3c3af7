// Helpers of the window-layer tests: real windows on the test thread and message pumping.
#pragma once

#include <afxwin.h>

#include <functional>
#include <string>

// Pumps the calling thread's queue through the framework (pre-translation included) until
// done() or the timeout; true when done() became true.
inline bool PumpUntil(const std::function<bool()>& done, DWORD nTimeoutMs = 5000)
{
    DWORD nStart = ::GetTickCount();
    while (!done()) {
        MSG msg;
        if (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) {
            if (msg.message == WM_QUIT)
                return done();
            AfxPumpMessage();
        } else {
            if (::GetTickCount() - nStart > nTimeoutMs)
                return false;
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
        }
    }
    return true;
}

// Dispatches everything queued now.
inline void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
        AfxPumpMessage();
}

// A plain system window no framework object owns (a "foreign" handle).
inline HWND CreateForeignWindow(LPCSTR lpszClass = "STATIC", HWND hParent = NULL, DWORD dwStyle = WS_POPUP)
{
    return ::CreateWindowExA(0, lpszClass, "foreign", dwStyle, 0, 0, 50, 20, hParent, NULL,
                             ::GetModuleHandleA(NULL), NULL);
}

// Types text of the program's code page as the characters it stands for, each as a VK_PACKET
// key (KEYEVENTF_UNICODE), the way an on-screen keyboard or another program's input does.
inline void TypeUnicode(const char* lpszText)
{
    WCHAR wide[128] = {0};
    const int count = ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, wide, 128) - 1;
    INPUT keys[2 * 128] = {};
    for (int i = 0; i < count; ++i) {
        for (int up = 0; up < 2; ++up) {
            INPUT& key = keys[2 * i + up];
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = wide[i];
            key.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
        }
    }
    if (count > 0)
        ::SendInput((UINT)(2 * count), keys, sizeof(INPUT));
}
