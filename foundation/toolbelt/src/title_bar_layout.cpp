// The screen title bar's buttons: layout, hit test, caption painting, press and release.
#include <afxwin.h>

#include <algorithm>

#include "TitleBar.h"
#include "WindowHelpers.h"
#include "title_hook.h"

namespace {
using Common = titlebar::Shared<CTitleBar>;
}

void CTitleBar::LayoutButtons()
{
    const UINT state = titlebar::ShowState(Hwnd());
    const int width = GetCaptionRect().Width();
    for (CSysButton* button : {&m_btnMin, &m_btnMax, &m_btnRestore, &m_btnClose, &m_btnPin, &m_btnTop, &m_btnHelp})
        button->Park();
    // Right to left, 10 pixels apart: close, then minimise or restore, then pin. The maximise,
    // top and help buttons are never placed.
    int x = titlebar::PlaceLeftOf(m_btnClose, width - 5, 0, 8);
    if (m_nStyle & TITLEBAR_MINBUTTON) {
        if (state == SW_SHOWNORMAL)
            x = titlebar::PlaceLeftOf(m_btnMin, x, 10, 8);
        else if (state == SW_SHOWMINIMIZED)
            x = titlebar::PlaceLeftOf(m_btnRestore, x, 10, 8);
    }
    if (m_nStyle & TITLEBAR_PINBUTTON)
        titlebar::PlaceLeftOf(m_btnPin, x, 10, 8);
}

CSysButton* CTitleBar::ButtonOf(UINT hitCode)
{
    switch (hitCode) {
    case HTTB_CLOSE: return &m_btnClose;
    case HTTB_MAXBUTTON: return &m_btnMax;
    case HTTB_MINBUTTON: return &m_btnMin;
    case HTTB_RESTORE: return &m_btnRestore;
    case HTTB_PIN: return &m_btnPin;
    case HTTB_TOP: return &m_btnTop;
    case HTTB_HELP: return &m_btnHelp;
    default: return NULL;
    }
}

UINT CTitleBar::HitTest(CPoint point)
{
    return Common::HitTest(*this, point, [this](CPoint local, UINT code) -> UINT {
        if (!(m_nStyle & TITLEBAR_PINBUTTON) || code == HTTB_CLOSE)
            return code;
        if (m_btnHelp.IsOver(local))
            return HTTB_HELP;
        if (m_btnTop.IsOver(local))
            return HTTB_TOP;
        if (m_btnPin.IsOver(local))
            return HTTB_PIN;
        return code;
    });
}

void CTitleBar::DrawCaption()
{
    const int width = GetCaptionRect().Width();
    const UINT buttons = m_nStyle & 0x30;
    CFont* font = buttons ? m_pFont : m_pBoldFont;
    const int fontHeight = buttons ? m_nFontHeight : m_nBoldFontHeight;
    int right = width;
    switch (buttons) {
    case 0: right = m_btnClose.GetRect().left - 10; break;
    case TITLEBAR_MINBUTTON: right = std::max(m_btnMin.GetRect().left, m_btnRestore.GetRect().left) - 10; break;
    case TITLEBAR_MINBUTTON | TITLEBAR_PINBUTTON: right = m_btnPin.GetRect().left - 10; break;
    }

    const CSysButton* order[] = {&m_btnMin, &m_btnMax, &m_btnRestore, &m_btnClose, &m_btnPin, &m_btnTop, &m_btnHelp};
    titlebar::Caption caption = Common::CaptionOf(*this, width, TITLEBAR_HEIGHT);
    caption.buttons = order;
    caption.buttonCount = 7;
    caption.text = CWindowText(Hwnd());
    caption.textRect = titlebar::CentredText(TITLEBAR_HEIGHT, fontHeight, buttons ? 26 : 5, right);
    caption.textFont = font;
    if (!m_strTime.IsEmpty())
        caption.rightText.Format("%s                                       %s", (LPCTSTR)m_strTime, "");
    caption.rightRect = titlebar::CentredText(TITLEBAR_HEIGHT, m_nFontHeight, width / 2 - width / 10, width, 1);
    titlebar::PaintCaption(Hwnd(), caption);
}

void CTitleBar::OnRelease(UINT hitCode)
{
    if (titlebar::Release(ButtonOf(hitCode), CurrentImage())) {
        switch (hitCode) {
        case HTTB_PIN: ::SendMessageA(Hwnd(), WM_TITLEBAR_PIN, 0, 0); break;
        case HTTB_TOP: ::SendMessageA(Hwnd(), WM_TITLEBAR_TOP, 0, 0); break;
        case HTTB_HELP: ::SendMessageA(Hwnd(), WM_TITLEBAR_HELP, 0, 0); break;
        default: titlebar::ActOnWindowButton(Hwnd(), hitCode); break;
        }
    }
    ::SendMessageA(Hwnd(), WM_NCPAINT, 0, 0);
}
