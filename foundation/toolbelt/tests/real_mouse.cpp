#include "real_mouse.h"

#include <gtest/gtest.h>

#include "wnd_test_util.h"

namespace {

// However busy the machine, the desktop hands a move or a press to the thread well within this.
const DWORD kMouseTimeoutMs = 15000;
// A move unanswered this long is made again, by way of a neighbouring point.
const DWORD kMoveAttemptMs = 3000;

// Records the mouse messages the thread's queue hands out (to whichever loop takes them: the
// test's pump, a dialog's or a control's own) while a helper waits for what it caused.
class MouseWatch
{
public:
    MouseWatch() : m_outer(s_current)
    {
        s_current = this;
        m_hook = ::SetWindowsHookExA(WH_GETMESSAGE, &MouseWatch::OnGetMessage, NULL, ::GetCurrentThreadId());
    }
    ~MouseWatch()
    {
        if (m_hook != NULL)
            ::UnhookWindowsHookEx(m_hook);
        s_current = m_outer;
    }
    MouseWatch(const MouseWatch&) = delete;
    MouseWatch& operator=(const MouseWatch&) = delete;

    void Reset() { m_moved = m_pressed = m_released = false; }
    // Where the latest move taken since Reset was, if there was one.
    bool Moved() const { return m_moved; }
    CPoint LastMove() const { return m_lastMove; }
    // Whether a press (or a release) was taken since Reset, and where.
    bool Took(bool down) const { return down ? m_pressed : m_released; }
    CPoint ButtonAt(bool down) const { return down ? m_pressAt : m_releaseAt; }

private:
    void Note(const MSG& msg)
    {
        switch (msg.message) {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
            m_moved = true;
            m_lastMove = msg.pt;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            m_pressed = true;
            m_pressAt = msg.pt;
            break;
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP:
            m_released = true;
            m_releaseAt = msg.pt;
            break;
        }
    }
    static LRESULT CALLBACK OnGetMessage(int code, WPARAM removal, LPARAM lParam)
    {
        if (code == HC_ACTION && removal == PM_REMOVE)
            for (MouseWatch* watch = s_current; watch != nullptr; watch = watch->m_outer)
                watch->Note(*reinterpret_cast<const MSG*>(lParam));
        return ::CallNextHookEx(NULL, code, removal, lParam);
    }

    static MouseWatch* s_current;
    MouseWatch* m_outer;
    HHOOK m_hook = NULL;
    bool m_moved = false, m_pressed = false, m_released = false;
    CPoint m_lastMove, m_pressAt, m_releaseAt;
};

MouseWatch* MouseWatch::s_current = nullptr;

// Where the last MouseTo settled the pointer. The desktop's own report cannot stand for it: a
// moment later it can name an older position again (under load, that of the previous program).
bool g_placed = false;
CPoint g_placedAt;

CPoint Cursor()
{
    POINT now = {};
    ::GetCursorPos(&now);
    return now;
}

// Whether the desktop delivers the mouse at that point to this thread: it holds the capture,
// or one of its windows is there.
bool OursAt(CPoint screen)
{
    if (::GetCapture() != NULL)
        return true;
    const HWND window = ::WindowFromPoint(screen);
    return window != NULL && ::GetWindowThreadProcessId(window, NULL) == ::GetCurrentThreadId();
}

// An absolute position of the input's 0-65535 scale.
void SetAbsolute(INPUT& input, CPoint screen)
{
    input.mi.dx = (screen.x * 65536 + ::GetSystemMetrics(SM_CXSCREEN) - 1) / ::GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (screen.y * 65536 + ::GetSystemMetrics(SM_CYSCREEN) - 1) / ::GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags |= MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
}

// Moves the pointer (warped there, and reported by an absolute move) and pumps until the desktop
// reports it there and, where the thread gets the mouse there, the latest move the thread took
// is at the point: the desktop can hand over an older position after the new one (seen under
// load, where it then took the next press there too).
bool MoveAndWait(MouseWatch& watch, CPoint screen, DWORD timeoutMs)
{
    watch.Reset();
    INPUT input = {};
    input.type = INPUT_MOUSE;
    SetAbsolute(input, screen);
    ::SetCursorPos(screen.x, screen.y);
    ::SendInput(1, &input, sizeof input);
    const bool ours = OursAt(screen);
    const auto there = [&] { return Cursor() == screen && (!ours || (watch.Moved() && watch.LastMove() == screen)); };
    if (!PumpUntil(there, timeoutMs))
        return false;
    PumpPending(); // what the move caused, and any older position handed over behind it
    return there();
}

} // namespace

void PumpFor(DWORD ms)
{
    const DWORD start = ::GetTickCount();
    PumpUntil([&] { return ::GetTickCount() - start >= ms; }, ms + 1000);
}

bool MouseTo(CPoint screen)
{
    // A move to where the pointer already is reports nothing, and a position the desktop took
    // back needs a real move: either way the move is made again by way of a neighbouring point.
    MouseWatch watch;
    g_placed = false;
    const DWORD start = ::GetTickCount();
    bool detour = Cursor() == screen;
    while (::GetTickCount() - start < kMouseTimeoutMs) {
        if (detour)
            MoveAndWait(watch, screen + CPoint(1, 1), kMoveAttemptMs);
        detour = true;
        if (MoveAndWait(watch, screen, kMoveAttemptMs)) {
            g_placed = true;
            g_placedAt = screen;
            return true;
        }
    }
    const CPoint now = Cursor();
    ADD_FAILURE() << "the pointer did not settle at (" << screen.x << ", " << screen.y << ") within "
                  << kMouseTimeoutMs << " ms: the desktop reports (" << now.x << ", " << now.y << "), the last move "
                  << "the test took was at (" << watch.LastMove().x << ", " << watch.LastMove().y << ")";
    return false;
}

bool MouseButton(bool down)
{
    // The button goes with the pointer's position, so that an older position the desktop hands
    // over meanwhile cannot take the press elsewhere.
    MouseWatch watch;
    const CPoint at = g_placed ? g_placedAt : Cursor();
    const bool ours = OursAt(at);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SetAbsolute(input, at);
    ::SendInput(1, &input, sizeof input);
    // Done once the thread's loop has taken the button message and dispatched it (the condition
    // is looked at between dispatches); a press over another program's window only drains.
    const bool taken = !ours || PumpUntil([&] { return watch.Took(down); }, kMouseTimeoutMs);
    PumpPending();
    const char* what = down ? "press" : "release";
    if (!taken) {
        ADD_FAILURE() << "the left button's " << what << " at (" << at.x << ", " << at.y
                      << ") reached no window of the test within " << kMouseTimeoutMs << " ms";
        return false;
    }
    if (ours && watch.ButtonAt(down) != at) {
        ADD_FAILURE() << "the left button's " << what << " meant for (" << at.x << ", " << at.y << ") came at ("
                      << watch.ButtonAt(down).x << ", " << watch.ButtonAt(down).y << ")";
        return false;
    }
    return true;
}
