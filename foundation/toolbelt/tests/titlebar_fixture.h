// Shared by the title bar tests: a hooked popup that records what reaches its own procedure,
// solid-colour skins, and the real mouse of the test desktop.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

#include "MainTitleBar.h"
#include "real_mouse.h"
#include "TitleBar.h"

// A popup (platform caption and sizing frame, which the title bar takes away) whose own
// procedure records the messages the title bar sends or passes on. WM_CLOSE and the sizing
// and moving commands are swallowed so the window stays and no modal loop runs.
class CHostWnd : public CWnd
{
public:
    BOOL Make(const CRect& rect = CRect(100, 100, 400, 300), CWnd* pParent = NULL);

    std::vector<WPARAM> m_commands;     // WM_COMMAND wParam
    std::vector<LPARAM> m_commandLParams;
    int m_pins = 0, m_tops = 0, m_helps = 0;
    int m_closes = 0;                   // WM_CLOSE that reached the window's own procedure
    std::vector<WPARAM> m_sizeCommands; // WM_SYSCOMMAND SC_SIZE + edge
    std::vector<WPARAM> m_erase;        // WM_ERASEBKGND device contexts
    std::vector<POINT> m_menuPoints;    // WM_SHOW_SYSTEM_MENU
    std::vector<LPARAM> m_menuIds;
    int m_ncDoubleClicks = 0;
    int m_ncClicks = 0;                 // WM_TITLEBAR_NCCLICK (as the main window)
    int m_ncActivates = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Solid-colour bitmaps: backgrounds and three looks of every button, each a colour of its own.
class Skin
{
public:
    static constexpr COLORREF kActive = RGB(0, 0, 128);
    static constexpr COLORREF kInactive = RGB(64, 64, 64);
    // Look 0 normal, 1 over, 2 pressed of button n.
    static COLORREF Look(int n, int look) { return RGB(10 * n + 5, 80 + 60 * look, 20); }

    Skin();
    CBitmap* Background(bool active) { return active ? &m_active : &m_inactive; }
    // Button n of the given width (14 pixels high): three bitmaps.
    CBitmap* Button(int n, int width, int look);

private:
    CBitmap m_active, m_inactive;
    std::vector<std::unique_ptr<CBitmap>> m_buttons; // n * 3 + look
};

void MakeSolidBitmap(CBitmap& bitmap, int width, int height, COLORREF color);
// The colour of a pixel of a bitmap (which must not be selected elsewhere).
COLORREF BitmapPixel(CBitmap& bitmap, int x, int y);
// Counts pixels of a colour in a rectangle of a bitmap.
int BitmapCount(CBitmap& bitmap, const CRect& area, COLORREF color);

// Moves the mouse to screen, checks that the window answers the expected hit code there, and
// clicks; the mouse is then moved out of the way.
void RealClick(CPoint screen, HWND hWnd, UINT expectedHit);

// Non-client messages as the system sends them, at a window-relative point.
LRESULT NcHitTest(HWND hWnd, CPoint local);
void NcPress(HWND hWnd, UINT hitCode, CPoint local);
void NcRelease(HWND hWnd, UINT hitCode, CPoint local);
