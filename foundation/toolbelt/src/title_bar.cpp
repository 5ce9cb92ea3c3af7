// The screen title bar: installation, settings and the non-client messages.
#include "TitleBar.h"

#include "title_hook.h"

IMPLEMENT_DYNAMIC(CTitleBar, CSubclassWnd)

namespace {
using Common = titlebar::Shared<CTitleBar>;
}

CTitleBar::CTitleBar()
    : m_hIcon(NULL), m_nLastHit(HTCLIENT), m_nTrackSize(0), m_nStyle(0), m_nCaptionWidth(0), m_nCaptionHeight(0),
      m_bActive(FALSE), m_pBmpActive(NULL), m_pBmpInactive(NULL), m_pFont(NULL), m_pBoldFont(NULL),
      m_nFontHeight(0), m_nBoldFontHeight(0)
{
}

CTitleBar::~CTitleBar()
{
    Common::Destroy(*this);
}

BOOL CTitleBar::Install(CWnd* pWnd)
{
    return Common::Install(*this, pWnd);
}

void CTitleBar::SetBackgroundImage(CBitmap* active, CBitmap* inactive)
{
    Common::SetBackgroundImage(*this, active, inactive);
}

void CTitleBar::SetMinButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed)
{
    m_btnMin.SetImage(normal, over, pressed);
}

void CTitleBar::SetMaxButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed)
{
    m_btnMax.SetImage(normal, over, pressed);
}

void CTitleBar::SetRestoreButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed)
{
    m_btnRestore.SetImage(normal, over, pressed);
}

void CTitleBar::SetCloseButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed)
{
    m_btnClose.SetImage(normal, over, pressed);
}

void CTitleBar::SetPinButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed)
{
    m_btnPin.SetImage(normal, over, pressed);
}

void CTitleBar::SetTopButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed)
{
    m_btnTop.SetImage(normal, over, pressed);
}

void CTitleBar::SetHelpButtonImage(CBitmap* normal, CBitmap* over, CBitmap* pressed)
{
    m_btnHelp.SetImage(normal, over, pressed);
}

void CTitleBar::GetImageSize(CBitmap* pBitmap, CSize& size)
{
    CSysButton probe;
    probe.SetImage(pBitmap, NULL, NULL);
    size = probe.GetSize();
}

void CTitleBar::SetWindowStyle(UINT style)
{
    Common::SetWindowStyle(*this, style);
}

void CTitleBar::SetNoMove(BOOL noMove)
{
    Common::SetNoMove(*this, noMove);
}

void CTitleBar::SetStayOnTop(BOOL onTop)
{
    Common::SetStayOnTop(*this, onTop);
}

void CTitleBar::Refresh()
{
    Common::Refresh(*this);
}

void CTitleBar::SetIcon(HICON hIcon)
{
    Common::SetIcon(*this, hIcon);
}

void CTitleBar::SetTitlebarTime(CString text)
{
    Common::SetTitlebarTime(*this, text);
}

CRect CTitleBar::GetCaptionRect()
{
    return titlebar::CaptionRect(Hwnd(), TITLEBAR_HEIGHT);
}

LRESULT CTitleBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Common::WindowProc(*this, TITLEBAR_HEIGHT, message, wParam, lParam);
}
