// The main title bar: installation, settings and the non-client messages.
#include "MainTitleBar.h"

#include "title_hook.h"

IMPLEMENT_DYNAMIC(CMainTitleBar, CSubclassWnd)

namespace {
using Common = titlebar::Shared<CMainTitleBar>;
}

CMainTitleBar::CMainTitleBar()
    : m_hIcon(NULL), m_nLastHit(HTCLIENT), m_nTrackSize(0), m_nStyle(0), m_nCaptionWidth(0), m_nCaptionHeight(0),
      m_bActive(FALSE), m_pBmpActive(NULL), m_pBmpInactive(NULL), m_pFont(NULL), m_pBoldFont(NULL),
      m_nFontHeight(0), m_nBoldFontHeight(0)
{
}

CMainTitleBar::~CMainTitleBar()
{
    Common::Destroy(*this);
}

const char* CMainTitleBar::SupportLabel()
{
    return "☎ 고객지원센터 1588-0000";
}

BOOL CMainTitleBar::Install(CWnd* pWnd)
{
    return Common::Install(*this, pWnd);
}

void CMainTitleBar::SetBackgroundImage(CBitmap* active, CBitmap* inactive)
{
    Common::SetBackgroundImage(*this, active, inactive);
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
    Common::SetWindowStyle(*this, style);
}

void CMainTitleBar::SetNoMove(BOOL noMove)
{
    Common::SetNoMove(*this, noMove);
}

void CMainTitleBar::SetStayOnTop(BOOL onTop)
{
    Common::SetStayOnTop(*this, onTop);
}

void CMainTitleBar::Refresh()
{
    Common::Refresh(*this);
}

void CMainTitleBar::SetIcon(HICON hIcon)
{
    Common::SetIcon(*this, hIcon);
}

void CMainTitleBar::SetTitlebarTime(CString text)
{
    Common::SetTitlebarTime(*this, text);
}

CRect CMainTitleBar::GetCaptionRect()
{
    return titlebar::CaptionRect(Hwnd(), MAINTITLEBAR_HEIGHT);
}

LRESULT CMainTitleBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Common::WindowProc(*this, MAINTITLEBAR_HEIGHT, message, wParam, lParam);
}
