// The main title bar's buttons: layout, hit test, caption painting, press and release.
#include <afxwin.h>

#include "MainTitleBar.h"
#include "title_hook.h"

namespace {

// The menu buttons start here, left to right, this far apart.
const int kMenuLeft = 84;
const int kMenuGap = 2;

using Common = titlebar::Shared<CMainTitleBar>;

} // namespace

void CMainTitleBar::LayoutButtons()
{
    const UINT state = titlebar::ShowState(Hwnd());
    const int width = GetCaptionRect().Width();
    for (CSysButton* button : {&m_btnMin, &m_btnMax, &m_btnRestore, &m_btnClose})
        button->Park();
    int x = titlebar::PlaceLeftOf(m_btnClose, width - 10, 0, 12);
    if (m_nStyle & TITLEBAR_MINBUTTON) {
        if (state == SW_SHOWNORMAL) {
            titlebar::PlaceLeftOf(m_btnMin, x, 10, 12);
        } else if (state == SW_SHOWMINIMIZED) {
            x = titlebar::PlaceLeftOf(m_btnMax, x, 10, 12);
            titlebar::PlaceLeftOf(m_btnRestore, x, 10, 12);
        }
    }
    int left = kMenuLeft;
    for (CMainSysButton& menu : m_btnMenu) {
        menu.SetPosition(CPoint(left, 4));
        left += menu.GetSize().cx + kMenuGap;
    }
}

CSysButton* CMainTitleBar::ButtonOf(UINT hitCode)
{
    switch (hitCode) {
    case HTTB_CLOSE: return &m_btnClose;
    case HTTB_MAXBUTTON: return &m_btnMax;
    case HTTB_MINBUTTON: return &m_btnMin;
    case HTTB_RESTORE: return &m_btnRestore;
    default:
        if (hitCode >= HTTB_MENU0 && hitCode < HTTB_MENU0 + MAINTITLEBAR_MENUS)
            return &m_btnMenu[hitCode - HTTB_MENU0];
        return NULL;
    }
}

UINT CMainTitleBar::HitTest(CPoint point)
{
    // The first menu button holding the point wins, whatever the style.
    return Common::HitTest(*this, point, [this](CPoint local, UINT code) -> UINT {
        for (int i = 0; i < MAINTITLEBAR_MENUS; ++i) {
            if (m_btnMenu[i].IsOver(local))
                return HTTB_MENU0 + i;
        }
        return code;
    });
}

void CMainTitleBar::DrawCaption()
{
    const int width = GetCaptionRect().Width();
    const CSysButton* order[] = {&m_btnMin,     &m_btnMax,     &m_btnRestore, &m_btnClose,
                                 &m_btnMenu[0], &m_btnMenu[1], &m_btnMenu[2], &m_btnMenu[3]};
    titlebar::Caption caption = Common::CaptionOf(*this, width, MAINTITLEBAR_HEIGHT);
    caption.buttons = order;
    caption.buttonCount = 8;
    // The main caption shows no window text.
    caption.textFont = m_pFont;
    if (!m_strTime.IsEmpty())
        caption.rightText.Format("%s                                                                           %s",
                                 (LPCTSTR)m_strTime, SupportLabel());
    caption.rightRect = titlebar::CentredText(MAINTITLEBAR_HEIGHT, m_nFontHeight, width / 2 - width / 15, width, 1);
    titlebar::PaintCaption(Hwnd(), caption);
}

void CMainTitleBar::OnRelease(UINT hitCode)
{
    if (hitCode >= HTTB_CLOSE && hitCode <= HTTB_RESTORE && titlebar::Release(ButtonOf(hitCode), CurrentImage()))
        titlebar::ActOnWindowButton(Hwnd(), hitCode);
    const CRect caption = GetCaptionRect();
    int x = caption.left + kMenuLeft;
    for (int i = 0; i < MAINTITLEBAR_MENUS; ++i) {
        if (hitCode == UINT(HTTB_MENU0 + i) && titlebar::Release(&m_btnMenu[i], CurrentImage())) {
            POINT corner = {x, caption.bottom};
            ::SendMessageA(Hwnd(), WM_SHOW_SYSTEM_MENU, reinterpret_cast<WPARAM>(&corner), 200 + i);
        }
        x += m_btnMenu[i].GetSize().cx + kMenuGap;
    }
    ::SendMessageA(Hwnd(), WM_NCPAINT, 0, 0);
}
