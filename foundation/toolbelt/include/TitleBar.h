// The skinned caption and frame of a screen or dialog: a hook on the window that draws a
// 26-pixel caption from bitmaps (window text, icon, caption buttons) and a 1-pixel black frame,
// and answers the non-client messages itself.
#pragma once

#include <afxwin.h>
#include "SubclassWnd.h"
#include "SysButton.h"
#include "ToolBeltApi.h"

// Sent (0, 0) to the window when its pin, top or help button is released over itself.
#define WM_TITLEBAR_PIN (WM_USER + 70)
#define WM_TITLEBAR_TOP (WM_USER + 71)
#define WM_TITLEBAR_HELP (WM_USER + 72)
// Posted (0, 0) to the application's main window on every non-client left press of a window
// whose title bar has the tool-window style.
#define WM_TITLEBAR_NCCLICK (WM_USER + 73)

// Title bar styles.
#define TITLEBAR_NOMOVE 0x01      // the caption does not move the window
#define TITLEBAR_STAYONTOP 0x02   // the window stays on top
#define TITLEBAR_MINBUTTON 0x10   // minimise / restore button
#define TITLEBAR_PINBUTTON 0x20   // pin button
#define TITLEBAR_TOOLWINDOW 0x40  // tool-window behaviour (activation, clicks, double clicks)

// Sizing mask: the frame edges that size the window.
#define TITLEBAR_SIZE_LEFT 0x1
#define TITLEBAR_SIZE_TOP 0x2
#define TITLEBAR_SIZE_RIGHT 0x4
#define TITLEBAR_SIZE_BOTTOM 0x8

// Hit codes of the caption buttons (the edges, client and caption use the system's codes).
#define HTTB_CLOSE 100
#define HTTB_MAXBUTTON 101
#define HTTB_MINBUTTON 102
#define HTTB_RESTORE 103
#define HTTB_PIN 104
#define HTTB_TOP 105
#define HTTB_HELP 106

#define TITLEBAR_HEIGHT 26

// The library's own code shared by the screen and main title bars.
namespace titlebar {
template <class Bar> struct Shared;
}

class TOOLBELT_API CTitleBar : public CSubclassWnd
{
    DECLARE_DYNAMIC(CTitleBar)
public:
    CTitleBar();
    virtual ~CTitleBar();

    // Hooks the window, creates the caption fonts and takes away the platform's caption and
    // frame. 0 when the window cannot be hooked (also when the bar sits on another window).
    BOOL Install(CWnd* pWnd);

    void SetBackgroundImage(CBitmap* active, CBitmap* inactive);
    void SetMinButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed);
    void SetMaxButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed);
    void SetRestoreButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed);
    void SetCloseButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed);
    void SetPinButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed);
    void SetTopButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed);
    void SetHelpButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed);
    static void GetImageSize(CBitmap* pBitmap, CSize& size);

    // The button bits (TITLEBAR_MINBUTTON, TITLEBAR_PINBUTTON) are replaced, the others kept.
    void SetWindowStyle(UINT style);
    UINT GetWindowStyle() const { return m_nStyle & 0x30; }
    void SetNoMove(BOOL noMove);
    BOOL IsNoMove() const { return m_nStyle & TITLEBAR_NOMOVE; }
    void SetStayOnTop(BOOL onTop);
    BOOL IsStayOnTop() const { return m_nStyle & TITLEBAR_STAYONTOP; }
    void UseTrackSize(UINT mask) { m_nTrackSize = mask; }

    // Draws the caption again with new images (after bitmaps were swapped).
    void Refresh();
    void SetIcon(HICON hIcon);
    // Text drawn at the right of the caption.
    void SetTitlebarTime(CString text);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The window rectangle in screen coordinates, TITLEBAR_HEIGHT high.
    virtual CRect GetCaptionRect();

protected:
    // What both bars do alike is written once, over the members they share by name.
    template <class Bar> friend struct titlebar::Shared;

    void LayoutButtons();
    UINT HitTest(CPoint point);
    void DrawCaption();
    // The cached caption image of the current look.
    CBitmap& CurrentImage() { return m_bmpCaption[m_bActive ? 1 : 0]; }
    CSysButton* ButtonOf(UINT hitCode);
    void OnRelease(UINT hitCode);
    HWND Hwnd() const { return GetHookedHwnd(); }

    HICON m_hIcon;
    UINT m_nLastHit;
    UINT m_nTrackSize;
    UINT m_nStyle;
    int m_nCaptionWidth, m_nCaptionHeight;
    BOOL m_bActive;
    CBitmap m_bmpCaption[2]; // inactive look, active look
    CBitmap* m_pBmpActive;
    CBitmap* m_pBmpInactive;
    CString m_strTime;
    CSysButton m_btnMin, m_btnMax, m_btnRestore, m_btnClose;
    CSysButton m_btnPin, m_btnTop, m_btnHelp;
    CFont* m_pFont;
    CFont* m_pBoldFont;
    int m_nFontHeight, m_nBoldFontHeight;
};
