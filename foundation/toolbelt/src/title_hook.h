// The settings and message handling the screen and main title bars share. The two are separate
// hooks (each straight on CSubclassWnd) with members of the same names; what they do alike is
// written here once, over those members, and each bar keeps only what differs: its caption
// height, button layout, extra buttons, caption texts and releases.
#pragma once

#include <afxwin.h>

#include "TitleBar.h"
#include "title_common.h"

namespace titlebar {

template <class Bar>
struct Shared
{
    static void Destroy(Bar& bar)
    {
        // Off the window first: no message may reach a half-destroyed bar.
        if (bar.IsHooked())
            bar.HookWindow(NULL);
        delete bar.m_pFont;
        delete bar.m_pBoldFont;
        bar.m_pFont = bar.m_pBoldFont = NULL;
    }

    static BOOL Install(Bar& bar, CWnd* pWnd)
    {
        if (bar.IsHooked()) {
            Refresh(bar);
            return pWnd != NULL && pWnd->GetSafeHwnd() == bar.Hwnd();
        }
        if (!bar.HookWindow(pWnd))
            return FALSE;
        delete bar.m_pFont;
        delete bar.m_pBoldFont;
        CreateFonts(bar.Hwnd(), bar.m_pFont, bar.m_pBoldFont, bar.m_nFontHeight, bar.m_nBoldFontHeight);
        RemovePlatformFrame(bar.Hwnd());
        return TRUE;
    }

    static void SetBackgroundImage(Bar& bar, CBitmap* active, CBitmap* inactive)
    {
        bar.m_pBmpActive = active;
        bar.m_pBmpInactive = inactive;
    }

    // The button bits (TITLEBAR_MINBUTTON, TITLEBAR_PINBUTTON) are replaced, the others kept.
    static void SetWindowStyle(Bar& bar, UINT style) { bar.m_nStyle = (bar.m_nStyle & ~0x30u) | style; }
    static void SetNoMove(Bar& bar, BOOL noMove) { SetStyleBit(bar.m_nStyle, TITLEBAR_NOMOVE, noMove); }

    static void SetStayOnTop(Bar& bar, BOOL onTop)
    {
        SetStyleBit(bar.m_nStyle, TITLEBAR_STAYONTOP, onTop);
        if (bar.IsHooked())
            StayOnTop(bar.Hwnd(), onTop);
    }

    // New caption images, drawn at once when the bar sits on its window.
    static void Refresh(Bar& bar)
    {
        bar.m_nCaptionWidth = bar.m_nCaptionHeight = 0;
        if (bar.IsHooked())
            bar.DrawCaption();
    }

    static void SetIcon(Bar& bar, HICON hIcon)
    {
        bar.m_hIcon = hIcon;
        Refresh(bar);
    }

    static void SetTitlebarTime(Bar& bar, const CString& text)
    {
        bar.m_strTime = text;
        if (bar.IsHooked()) {
            bar.DrawCaption();
            DrawFrame(bar.Hwnd());
        }
    }

    // WM_NCHITTEST: the edges and the window's own buttons; extra(local, code) lets the bar test
    // its other buttons (point relative to the window) and returns the code.
    template <class Extra>
    static UINT HitTest(Bar& bar, CPoint point, Extra extra)
    {
        const CRect caption = bar.GetCaptionRect();
        UINT code = HTCLIENT;
        if (HitOutsideCaption(bar.Hwnd(), point, caption, bar.m_nTrackSize, bar.m_nLastHit, code))
            return code;
        const CPoint local = point - caption.TopLeft();
        code = HitWindowButtons(local, bar.m_nStyle, bar.m_btnMin, bar.m_btnMax, bar.m_btnRestore, bar.m_btnClose);
        code = extra(local, code);
        TrackHover(bar.Hwnd(), bar.m_nLastHit, code, bar.ButtonOf(bar.m_nLastHit), bar.ButtonOf(code),
                   bar.CurrentImage());
        return code;
    }

    // The caption to paint with what both bars draw alike filled in: size, look, cached images,
    // background, icon and the right-hand text's font; the bar adds buttons and texts.
    static Caption CaptionOf(Bar& bar, int width, int height)
    {
        Caption caption;
        caption.width = width;
        caption.height = height;
        caption.active = bar.m_bActive;
        caption.images = bar.m_bmpCaption;
        caption.cachedWidth = &bar.m_nCaptionWidth;
        caption.cachedHeight = &bar.m_nCaptionHeight;
        caption.background = bar.m_bActive ? bar.m_pBmpActive : bar.m_pBmpInactive;
        caption.icon = bar.m_hIcon;
        caption.rightFont = bar.m_pFont;
        return caption;
    }

    static LRESULT WindowProc(Bar& bar, int captionHeight, UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message) {
        case WM_SIZE:
            if (wParam == SIZE_RESTORED || wParam == SIZE_MINIMIZED || wParam == SIZE_MAXIMIZED) {
                bar.LayoutButtons();
                Refresh(bar);
            }
            break;
        case WM_SETTEXT:
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE: {
            const LRESULT result = bar.Default();
            Refresh(bar);
            return message == WM_SETTEXT ? result : 0;
        }
        case WM_CLOSE:
            if ((bar.m_nStyle & 0x30) == 0) {
                ::PostMessageA(bar.Hwnd(), WM_COMMAND, IDCANCEL, 0);
                return 0;
            }
            break;
        case WM_NCCALCSIZE:
            if (wParam) {
                TakeFrame(reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0], captionHeight);
                bar.LayoutButtons();
            }
            return 0;
        case WM_NCHITTEST:
            return bar.HitTest(CPoint(short(LOWORD(lParam)), short(HIWORD(lParam))));
        case WM_NCPAINT:
            bar.DrawCaption();
            DrawFrame(bar.Hwnd());
            return 0;
        case WM_NCACTIVATE:
            if (Activate(bar.Hwnd(), BOOL(wParam), bar.m_nStyle, bar.m_bActive))
                ::SendMessageA(bar.Hwnd(), WM_NCPAINT, 0, 0);
            return TRUE;
        case WM_SYNCPAINT:
            SyncPaint(bar.Hwnd());
            return TRUE;
        case WM_NCLBUTTONDOWN:
            Press(bar.Hwnd(), UINT(wParam), bar.ButtonOf(UINT(wParam)), bar.CurrentImage(), bar.m_nStyle);
            if (IsEdge(UINT(wParam)))
                return 0; // the sizing loop has run; passing the press on would start another
            break;
        case WM_NCLBUTTONUP:
            bar.OnRelease(UINT(wParam));
            break;
        case WM_NCLBUTTONDBLCLK:
            if (bar.m_nStyle & TITLEBAR_TOOLWINDOW)
                return 0;
            break;
        }
        return bar.CSubclassWnd::WindowProc(message, wParam, lParam);
    }
};

} // namespace titlebar
