// CBaseDialog's own non-client area for pop-ups: sizes, hit test, caption and frame.
#include "BaseDialog.h"

void CBaseDialog::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!IsPopup()) {
        CDialog::OnNcCalcSize(bCalcValidRects, lpncsp);
        return;
    }
    RECT& r = lpncsp->rgrc[0];
    r.top += BASEDIALOG_CAPTION_HEIGHT;
    r.left += 1;
    r.right -= 1;
    r.bottom -= 1;
}

LRESULT CBaseDialog::OnNcHitTest(CPoint point)
{
    if (!IsPopup())
        return CDialog::OnNcHitTest(point);
    CRect window;
    GetWindowRect(&window);
    if (GetSystemMenuRect(FALSE).PtInRect(point) || point.y > window.top + BASEDIALOG_CAPTION_HEIGHT)
        return HTCLIENT;
    return HTCAPTION;
}

void CBaseDialog::RedrawFrame()
{
    if (m_hWnd != NULL && IsPopup())
        SendMessage(WM_NCPAINT, 1);
}

BOOL CBaseDialog::OnNcActivate(BOOL bActive)
{
    (void)bActive;
    if (!IsPopup())
        return CDialog::OnNcActivate(bActive);
    RedrawFrame();
    return TRUE;
}

void CBaseDialog::OnNcPaint()
{
    if (!IsPopup()) {
        CDialog::OnNcPaint();
        return;
    }
    CWindowDC dc(this);
    PaintFrame(&dc);
}

void CBaseDialog::PaintFrame(CDC* dc)
{
    CRect window;
    GetWindowRect(&window);
    const CRect r(0, 0, window.Width(), window.Height());
    const int saved = dc->SaveDC();

    // Only the frame: the client area is the client's.
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    client.OffsetRect(-window.left, -window.top);
    dc->ExcludeClipRect(&client);

    dc->FillSolidRect(&r, BASEDIALOG_GREY);
    if (m_bmpCaption.GetSafeHandle() != NULL) {
        BITMAP info;
        m_bmpCaption.GetBitmap(&info);
        CDC memDC;
        memDC.CreateCompatibleDC(dc);
        CBitmap* old = memDC.SelectObject(&m_bmpCaption);
        dc->StretchBlt(r.left + 1, r.top + 1, r.Width() - 2, info.bmHeight, &memDC, 0, 0, info.bmWidth, info.bmHeight,
                       SRCCOPY);
        memDC.SelectObject(old);
    }
    if (m_bmpClose.GetSafeHandle() != NULL) {
        const int image = (m_nCloseState & 1) ? 28 : ((m_nCloseState & 2) ? 14 : 0);
        CDC memDC;
        memDC.CreateCompatibleDC(dc);
        CBitmap* old = memDC.SelectObject(&m_bmpClose);
        dc->BitBlt(r.right - 21, r.top + 7, 14, 14, &memDC, image, 0, SRCCOPY);
        memDC.SelectObject(old);
    }
    CString title;
    GetWindowText(title);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(255, 255, 255));
    if (m_fontCaption.GetSafeHandle() != NULL)
        dc->SelectObject(&m_fontCaption);
    CRect text(r.left, r.top + 5, r.right - 20, r.top + 22);
    dc->DrawText(title, &text, DT_SINGLELINE | DT_VCENTER);

    CPen frame(PS_SOLID, 1, BASEDIALOG_FRAME);
    dc->SelectObject(&frame);
    dc->SelectStockObject(NULL_BRUSH);
    dc->Rectangle(&r);
    // Short strokes inside each corner round it off.
    dc->MoveTo(r.left + 1, r.top + 2);
    dc->LineTo(r.left + 3, r.top);
    dc->MoveTo(r.right - 2, r.top + 2);
    dc->LineTo(r.right - 4, r.top);
    dc->MoveTo(r.left + 1, r.bottom - 3);
    dc->LineTo(r.left + 3, r.bottom - 1);
    dc->MoveTo(r.right - 2, r.bottom - 3);
    dc->LineTo(r.right - 4, r.bottom - 1);
    dc->FillSolidRect(r.left + 1, r.top + 26, 1, r.Height() - 29, BASEDIALOG_GREY);
    dc->FillSolidRect(r.right - 2, r.top + 26, 1, r.Height() - 29, BASEDIALOG_GREY);
    dc->FillSolidRect(r.left + 1, r.bottom - 2, r.Width() - 2, 1, BASEDIALOG_GREY);
    dc->RestoreDC(saved);
}
