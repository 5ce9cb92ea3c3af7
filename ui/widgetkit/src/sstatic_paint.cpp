// CSStatic painting: background (solid, gradient or bitmap), border, text by alignment, flash,
// rotation, 3D text and the price-change sign.
#include "SStatic.h"

#include "MemDC.h"
#include "WidgetRules.h"

namespace {

void FillGradient(CDC* dc, const CRect& rect, COLORREF first, COLORREF second)
{
    const std::vector<GradientBand> bands = GradientBands(rect.Width(), first, second);
    CGdiObject* oldPen = dc->SelectStockObject(NULL_PEN);
    for (const GradientBand& band : bands) {
        CBrush brush(band.clr);
        CBrush* old = dc->SelectObject(&brush);
        // The null pen leaves the right and bottom edges out: one more pixel each way.
        dc->Rectangle(rect.left + band.nLeft, rect.top, rect.left + band.nRight + 1, rect.bottom + 1);
        dc->SelectObject(old);
    }
    dc->SelectObject(oldPen);
}

void FillPolygon(CDC* dc, const POINT* points, int count, COLORREF colour)
{
    CPen pen(PS_SOLID, 1, colour);
    CBrush brush(colour);
    CPen* oldPen = dc->SelectObject(&pen);
    CBrush* oldBrush = dc->SelectObject(&brush);
    dc->Polygon(points, count);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}

} // namespace

void CSStatic::DrawSign(CDC* dc, const CRect& client)
{
    CRect box(client.left + 3, client.top + 1, client.left + 15, client.bottom - 1);
    switch (m_chSign) {
    case '2':
    case '5': {
        box.DeflateRect(1, 1);
        const int centre = box.left + box.Width() / 2;
        if (m_chSign == '2') {
            const POINT points[] = {{centre, box.top - 1}, {box.right, box.bottom}, {box.left - 1, box.bottom}};
            FillPolygon(dc, points, 3, m_clrUp);
        } else {
            const POINT points[] = {{centre, box.bottom + 1}, {box.right, box.top}, {box.left - 1, box.top}};
            FillPolygon(dc, points, 3, m_clrDown);
        }
        break;
    }
    case '1':
    case '4': {
        box.InflateRect(2, 0);
        const int centre = box.left + box.Width() / 2;
        const int middle = box.top + box.Height() / 2;
        const int stem = box.Width() / 4;
        if (m_chSign == '1') {
            const POINT points[] = {{centre, box.top},         {box.right, middle},       {centre + stem, middle},
                                    {centre + stem, box.bottom}, {centre - stem, box.bottom}, {centre - stem, middle},
                                    {box.left, middle}};
            FillPolygon(dc, points, 7, m_clrUp);
        } else {
            const POINT points[] = {{centre, box.bottom},   {box.right, middle},    {centre + stem, middle},
                                    {centre + stem, box.top}, {centre - stem, box.top}, {centre - stem, middle},
                                    {box.left, middle}};
            FillPolygon(dc, points, 7, m_clrDown);
        }
        break;
    }
    default:
        break; // '3' unchanged and anything else: no sign
    }
}

void CSStatic::Paint(CDC* dc)
{
    CRect client;
    GetClientRect(&client);

    if (m_bBackImage && m_bmpBack.GetSafeHandle() != NULL) {
        BITMAP info;
        m_bmpBack.GetBitmap(&info);
        CDC memDC;
        memDC.CreateCompatibleDC(dc);
        CBitmap* old = memDC.SelectObject(&m_bmpBack);
        dc->StretchBlt(client.left, client.top, client.Width(), client.Height(), &memDC, 0, 0, info.bmWidth,
                       info.bmHeight, SRCCOPY);
        memDC.SelectObject(old);
        return;
    }

    const int saved = dc->SaveDC();
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(m_clrText);
    if (m_font.GetSafeHandle() != NULL)
        dc->SelectObject(&m_font);

    if (!m_bTransparent) {
        if (m_fillMode != Normal)
            FillGradient(dc, client, m_clrBack, m_clrBack2);
        else
            dc->FillRect(&client, m_pBkBrush != NULL ? m_pBkBrush : &m_brDefault);
    }

    if (m_bCustomBorder) {
        CPen pen(PS_SOLID, m_nBorderWidth, m_clrBorder);
        CPen* old = dc->SelectObject(&pen);
        dc->MoveTo(client.left, client.top);
        dc->LineTo(client.left, client.bottom - 1);
        dc->LineTo(client.right - 1, client.bottom - 1);
        dc->LineTo(client.right - 1, client.top);
        dc->LineTo(client.left, client.top);
        dc->SelectObject(old);
    }

    // The off phase of a flashing text: the text takes the background's colour.
    if (m_nFlashKind == 1 && m_bState) {
        LOGBRUSH lb = {0, 0, 0};
        if (m_pBkBrush != NULL)
            m_pBkBrush->GetLogBrush(&lb);
        dc->SetTextColor(m_pBkBrush != NULL ? lb.lbColor : RGB(0, 0, 0));
    }

    CString text;
    GetWindowText(text);
    const DWORD style = GetStyle();
    UINT format;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        format = DT_SINGLELINE | DT_WORDBREAK | DT_VCENTER | DT_CENTER;
        break;
    case SS_RIGHT:
        format = DT_SINGLELINE | DT_WORDBREAK | DT_VCENTER | DT_RIGHT;
        break;
    case SS_LEFTNOWORDWRAP:
        format = DT_LEFT | DT_TOP;
        break;
    default:
        format = DT_SINGLELINE | DT_VCENTER;
        break;
    }
    if (text.Find('\t') >= 0)
        format |= DT_EXPANDTABS;
    if ((style & SS_CENTERIMAGE) && text.Find("\r\n") < 0)
        format |= DT_SINGLELINE | DT_VCENTER;

    if (m_bRotation) {
        const UINT oldAlign = dc->SetTextAlign(TA_BASELINE);
        const CPoint oldOrigin = dc->SetViewportOrg(client.CenterPoint());
        dc->TextOut(0, 0, text);
        dc->SetViewportOrg(oldOrigin);
        dc->SetTextAlign(oldAlign);
    } else if (m_bUseUpDown) {
        CRect textRect = client;
        dc->DrawText(text, &textRect, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        DrawSign(dc, client);
    } else {
        CRect textRect = client;
        dc->DrawText(text, &textRect, format);
        if (m_bFont3D) {
            dc->SetTextColor(m_clrHiLite);
            textRect.OffsetRect(m_3dType != Raised ? 1 : -1, m_3dType != Raised ? 1 : -1);
            dc->DrawText(text, &textRect, format);
        }
    }
    dc->RestoreDC(saved);
}

void CSStatic::PaintWhatLiesBeneath()
{
    // A whole-window repaint (RDW_UPDATENOW with RDW_ALLCHILDREN) paints the parent, then the
    // children from the top of the z-order down: a sibling beneath would paint over the label.
    // Each is painted alone (no children), so this paint is never entered again from here.
    const UINT flags = RDW_UPDATENOW | RDW_NOCHILDREN;
    HWND parent = ::GetParent(m_hWnd);
    if (parent == NULL)
        return;
    ::RedrawWindow(parent, NULL, NULL, flags);
    CRect mine;
    GetWindowRect(&mine);
    for (HWND below = ::GetWindow(m_hWnd, GW_HWNDNEXT); below != NULL; below = ::GetWindow(below, GW_HWNDNEXT)) {
        CRect other;
        if (::IsWindowVisible(below) && ::GetWindowRect(below, &other) && other.IntersectRect(&other, &mine))
            ::RedrawWindow(below, NULL, NULL, flags);
    }
}

void CSStatic::OnPaint()
{
    if (m_bTransparent)
        PaintWhatLiesBeneath();
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    if (m_bTransparent && !(m_bBackImage && m_bmpBack.GetSafeHandle() != NULL)) {
        Paint(&paint);
        return;
    }
    // Off-screen, copied in one piece.
    CMDC buffer(&paint, &client);
    Paint(&buffer);
}
