// CSComboBox painting: the system's combo, then the flat outlined frame and the arrow over it.
#include "SComboBox.h"

void CSComboBox::OnPaint()
{
    CPaintDC dc(this);
    SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), PRF_CLIENT);
    DrawBorder(&dc);
}

void CSComboBox::DrawBorder(CDC* dc)
{
    CRect rect;
    GetClientRect(&rect);
    if (m_bOutline) {
        CBrush outline(m_clrOutline);
        dc->FrameRect(&rect, &outline);
        rect.DeflateRect(1, 1);
    }
    const DWORD exStyle = GetExStyle();
    const BOOL modal = (exStyle & WS_EX_DLGMODALFRAME) != 0;
    const BOOL client = (exStyle & WS_EX_CLIENTEDGE) != 0;
    const BOOL statik = (exStyle & WS_EX_STATICEDGE) != 0 && !modal;
    if (!m_bFlat) {
        CRect edge = rect;
        if (modal) {
            dc->Draw3dRect(&edge, m_clrLight, m_clrDkShadow);
            edge.DeflateRect(1, 1);
            dc->Draw3dRect(&edge, m_clrHilite, m_clrShadow);
            edge.DeflateRect(1, 1);
            dc->Draw3dRect(&edge, m_clrFace, m_clrFace);
            edge.DeflateRect(1, 1);
        }
        if (statik) {
            dc->Draw3dRect(&edge, m_clrShadow, m_clrHilite);
            edge.DeflateRect(1, 1);
        }
        if (client) {
            dc->Draw3dRect(&edge, m_clrShadow, m_clrHilite);
            edge.DeflateRect(1, 1);
            dc->Draw3dRect(&edge, m_clrDkShadow, m_clrLight);
        }
    }
    int rings;
    if (m_bFlat)
        rings = m_bOutline ? 1 : 2;
    else
        rings = (modal ? 3 : 0) + (client ? 2 : 0) + (statik ? 1 : 0);
    CBrush ring(m_bFlat ? m_clrBack : m_clrFace);
    for (int i = 0; i < rings; ++i) {
        dc->FrameRect(&rect, &ring);
        rect.DeflateRect(1, 1);
    }

    m_rcArrow = rect;
    m_rcArrow.left = rect.right - ::GetSystemMetrics(SM_CXHTHUMB);
    HBITMAP arrow = GetArrowBitmap(GetDroppedState());
    if (arrow == NULL)
        return;
    dc->FillSolidRect(&m_rcArrow, RGB(255, 255, 255));
    BITMAP info;
    ::GetObject(arrow, sizeof info, &info);
    CDC memDC;
    memDC.CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(memDC.GetSafeHdc(), arrow);
    dc->StretchBlt(m_rcArrow.left, m_rcArrow.top, m_rcArrow.Width(), m_rcArrow.Height(), &memDC, 0, 0, info.bmWidth,
                   info.bmHeight, SRCCOPY);
    ::SelectObject(memDC.GetSafeHdc(), old);
}
