#include "real_mouse.h"

#include "wnd_test_util.h"

void PumpFor(DWORD ms)
{
    const DWORD start = ::GetTickCount();
    PumpUntil([&] { return ::GetTickCount() - start >= ms; }, ms + 1000);
}

void MouseTo(CPoint screen)
{
    // The pointer itself is moved, then an absolute move (0-65535 coordinates) reports it. The
    // desktop can bring an older pointer position back (after a change of capture, or when the
    // pointer returns to where it was warped from before), so the move is repeated, by way of a
    // neighbouring point, until the position holds.
    for (int attempt = 0; attempt < 6; ++attempt) {
        const CPoint target = (attempt % 2) ? screen + CPoint(1, 1) : screen;
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = (target.x * 65536 + ::GetSystemMetrics(SM_CXSCREEN) - 1) / ::GetSystemMetrics(SM_CXSCREEN);
        input.mi.dy = (target.y * 65536 + ::GetSystemMetrics(SM_CYSCREEN) - 1) / ::GetSystemMetrics(SM_CYSCREEN);
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        ::SetCursorPos(target.x, target.y);
        ::SendInput(1, &input, sizeof input);
        PumpFor(100);
        if (target != screen)
            continue;
        POINT now;
        ::GetCursorPos(&now);
        if (CPoint(now) == screen) {
            PumpFor(100);
            ::GetCursorPos(&now);
            if (CPoint(now) == screen)
                return;
        }
    }
}

void MouseButton(bool down)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &input, sizeof input);
    PumpFor(150);
}

