// The main title bar: installation, settings and the non-client messages.
#include "MainTitleBar.h"

#include "title_common.h"

IMPLEMENT_DYNAMIC(CMainTitleBar, CSubclassWnd)

CMainTitleBar::CMainTitleBar()
    : m_hIcon(NULL), m_nLastHit(HTCLIENT), m_nTrackSize(0), m_nStyle(0), m_nCaptionWidth(0), m_nCaptionHeight(0),
      m_bActive(FALSE), m_pBmpActive(NULL), m_pBmpInactive(NULL), m_pFont(NULL), m_pBoldFont(NULL),
      m_nFontHeight(0), m_nBoldFontHeight(0)
{
}

CMainTitleBar::~CMainTitleBar()
{
    if (IsHooked())
        HookWindow(NULL);
    delete m_pFont;
    delete m_pBoldFont;
}

const char* CMainTitleBar::SupportLabel()
{
    return "☎ 고객지원센터 1588-0000";
}

BOOL CMainTitleBar::Install(CWnd* pWnd)
{
    if (IsHooked()) {
        Refresh();
        return pWnd != NULL && pWnd->GetSafeHwnd() == Hwnd();
    }
    if (!HookWindow(pWnd))
        return FALSE;
    delete m_pFont;
    delete m_pBoldFont;
    titlebar::CreateFonts(Hwnd(), m_pFont, m_pBoldFont, m_nFontHeight, m_nBoldFontHeight);
    titlebar::RemovePlatformFrame(Hwnd());
    return TRUE;
}

void CMainTitleBar::SetBackgroundImage(CBitmap* active, CBitmap* inactive)
{
    m_pBmpActive = active;
    m_pBmpInactive = inactive;
}

void CMainTitleBar::SetMinButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed)
{
    m_btnMin.SetImage(normal, over, pressed);
}

void CMainTitleBar::SetMaxButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed)
{
    m_btnMax.SetImage(normal, over, pressed);
}

void CMainTitleBar::SetRestoreButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed)
{
    m_btnRestore.SetImage(normal, over, pressed);
}

void CMainTitleBar::SetCloseButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed)
{
    m_btnClose.SetImage(normal, over, pressed);
}

void CMainTitleBar::SetMenuButtonImage(int index, CBitmap* normal, CBitmap* over, CBitmap* pressed)
{
    if (index >= 0 && index < MAINTITLEBAR_MENUS)
        m_btnMenu[index].SetImage(normal, over, pressed);
}

void CMainTitleBar::GetImageSize(CBitmap* pBitmap, CSize& size)
{
    CTitleBar::GetImageSize(pBitmap, size);
}

void CMainTitleBar::SetWindowStyle(UINT style)
{
    m_nStyle = (m_nStyle & ~0x30u) | style;
}

void CMainTitleBar::SetNoMove(BOOL noMove)
{
    titlebar::SetStyleBit(m_nStyle, TITLEBAR_NOMOVE, noMove);
}

void CMainTitleBar::SetStayOnTop(BOOL onTop)
{
    titlebar::SetStyleBit(m_nStyle, TITLEBAR_STAYONTOP, onTop);
    if (IsHooked())
        titlebar::StayOnTop(Hwnd(), onTop);
}

void CMainTitleBar::Refresh()
{
    ResetCaption();
    if (IsHooked())
        DrawCaption();
}

void CMainTitleBar::SetIcon(HICON hIcon)
{
    m_hIcon = hIcon;
    Refresh();
}

void CMainTitleBar::SetTitlebarTime(CString text)
{
    m_strTime = text;
    if (IsHooked()) {
        DrawCaption();
        DrawFrame();
    }
}

CRect CMainTitleBar::GetCaptionRect()
{
    return titlebar::CaptionRect(Hwnd(), MAINTITLEBAR_HEIGHT);
}

void CMainTitleBar::DrawFrame()
{
    titlebar::DrawFrame(Hwnd());
}

LRESULT CMainTitleBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (wParam == SIZE_RESTORED || wParam == SIZE_MINIMIZED || wParam == SIZE_MAXIMIZED) {
            LayoutButtons();
            Refresh();
        }
        break;
    case WM_SETTEXT:
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: {
        const LRESULT result = Default();
        Refresh();
        return message == WM_SETTEXT ? result : 0;
    }
    case WM_CLOSE:
        if ((m_nStyle & 0x30) == 0) {
            ::PostMessageA(Hwnd(), WM_COMMAND, IDCANCEL, 0);
            return 0;
        }
        break;
    case WM_NCCALCSIZE:
        if (wParam) {
            titlebar::TakeFrame(reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0], MAINTITLEBAR_HEIGHT);
            LayoutButtons();
        }
        return 0;
    case WM_NCHITTEST:
        return HitTest(CPoint(short(LOWORD(lParam)), short(HIWORD(lParam))));
    case WM_NCPAINT:
        DrawCaption();
        DrawFrame();
        return 0;
    case WM_NCACTIVATE:
        if (titlebar::Activate(Hwnd(), BOOL(wParam), m_nStyle, m_bActive))
            ::SendMessageA(Hwnd(), WM_NCPAINT, 0, 0);
        return TRUE;
    case WM_SYNCPAINT:
        titlebar::SyncPaint(Hwnd());
        return TRUE;
    case WM_NCLBUTTONDOWN:
        OnPress(UINT(wParam));
        if (titlebar::IsEdge(UINT(wParam)))
            return 0;
        break;
    case WM_NCLBUTTONUP:
        OnRelease(UINT(wParam));
        break;
    case WM_NCLBUTTONDBLCLK:
        if (m_nStyle & TITLEBAR_TOOLWINDOW)
            return 0;
        break;
    }
    return CSubclassWnd::WindowProc(message, wParam, lParam);
}
