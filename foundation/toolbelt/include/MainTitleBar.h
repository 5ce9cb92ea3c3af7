// The skinned caption of the main frame: a 32-pixel caption with four menu buttons at its left
// that ask the frame for a menu, the clock and the support line at its right, and no window
// text. Otherwise it behaves as the screen title bar.
#pragma once

#include <afxwin.h>
#include "SubclassWnd.h"
#include "SysButton.h"
#include "TitleBar.h"
#include "ToolBeltApi.h"

// Sent to the window when a pressed menu button is released over itself: wParam points at a
// POINT in screen coordinates (the button's bottom-left corner, valid during the call), lParam
// is 200 + the button's index.
#define WM_SHOW_SYSTEM_MENU (WM_USER + 130)

// Hit codes of the four menu buttons (the other codes as the screen title bar's).
#define HTTB_MENU0 104
#define MAINTITLEBAR_MENUS 4
#define MAINTITLEBAR_HEIGHT 32

class TOOLBELT_API CMainTitleBar : public CSubclassWnd
{
    DECLARE_DYNAMIC(CMainTitleBar)
public:
    CMainTitleBar();
    virtual ~CMainTitleBar();

    BOOL Install(CWnd* pWnd);

    void SetBackgroundImage(CBitmap* active, CBitmap* inactive);
    void SetMinButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed);
    void SetMaxButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed);
    void SetRestoreButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed);
    void SetCloseButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed);
    // Menu button index 0-3.
    void SetMenuButtonImage(int index, CBitmap* normal, CBitmap* over, CBitmap* pressed);
    static void GetImageSize(CBitmap* pBitmap, CSize& size);

    void SetWindowStyle(UINT style);
    UINT GetWindowStyle() const { return m_nStyle & 0x30; }
    void SetNoMove(BOOL noMove);
    BOOL IsNoMove() const { return m_nStyle & TITLEBAR_NOMOVE; }
    void SetStayOnTop(BOOL onTop);
    BOOL IsStayOnTop() const { return m_nStyle & TITLEBAR_STAYONTOP; }
    void UseTrackSize(UINT mask) { m_nTrackSize = mask; }

    void Refresh();
    void SetIcon(HICON hIcon);
    // The clock text, drawn with the support line at the right of the caption.
    void SetTitlebarTime(CString text);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The window rectangle in screen coordinates, MAINTITLEBAR_HEIGHT high.
    virtual CRect GetCaptionRect();

    // The fixed text drawn after the clock.
    static const char* SupportLabel();

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
    CMainSysButton m_btnMenu[MAINTITLEBAR_MENUS];
    CFont* m_pFont;
    CFont* m_pBoldFont;
    int m_nFontHeight, m_nBoldFontHeight;
};
