// CDrawObject: the point shapes of lines and symbols, and the name label's edge.
#include "DrawObject.h"
#include "draw_geometry.h"

void CDrawObject::DrawPointShape(int x, int y, int style, COLORREF colour, CDC* pDC)
{
    if (style < 1 || style > 7)
        return;
    CPen pen(PS_SOLID, style == 4 ? 2 : 1, colour);
    CPen* oldPen = pDC->SelectObject(&pen);
    POINT triangle[3] = {{x, y - 5}, {x + 5, y + 5}, {x - 5, y + 5}};
    POINT square[4] = {{x - 4, y - 4}, {x + 4, y - 4}, {x + 4, y + 4}, {x - 4, y + 4}};
    CBrush brush(colour);
    switch (style)
    {
    case 1:
    case 5:
    case 2:
    case 6:
    {
        bool tri = style == 1 || style == 5;
        CRgn region;
        region.CreatePolygonRgn(tri ? triangle : square, tri ? 3 : 4, ALTERNATE);
        if (style >= 5)
            pDC->FillRgn(&region, &brush);
        else
            pDC->FrameRgn(&region, &brush, 1, 1);
        break;
    }
    case 3:
    {
        CGdiObject* oldBrush = pDC->SelectStockObject(NULL_BRUSH);
        pDC->Ellipse(x - 4, y - 4, x + 4, y + 4);
        pDC->SelectObject(oldBrush);
        break;
    }
    case 4:
        pDC->MoveTo(x - 3, y - 3);
        pDC->LineTo(x + 3, y + 3);
        pDC->MoveTo(x + 3, y - 3);
        pDC->LineTo(x - 3, y + 3);
        break;
    case 7:
    {
        CBrush* oldBrush = pDC->SelectObject(&brush);
        pDC->Ellipse(x - 4, y - 4, x + 4, y + 4);
        pDC->SelectObject(oldBrush);
        break;
    }
    }
    pDC->SelectObject(oldPen);
}

void CDrawObject::DrawLabelEdge(CDC* pDC)
{
    if (!m_bLabelPressed && !m_bLabelHover)
        return;
    CRect edge(m_rcLabel.left - 3, m_rcLabel.top - 6, m_rcLabel.right, m_rcLabel.bottom - 3);
    pDC->DrawEdge(&edge, m_bLabelPressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

void CDrawObject::OnLabelHover(int x, int y, CRect)
{
    m_bLabelHover = m_rcLabel.PtInRect(CPoint(x, y)) ? 1 : 0;
}

void CDrawObject::OnLabelClick(int x, int y, CRect)
{
    if (!m_rcLabel.PtInRect(CPoint(x, y)))
        return;
    m_bLabelPressed = m_bLabelPressed ? 0 : 1;
    m_nEmphasis = m_bLabelPressed;
}

void DrawSelectionMarks(CDC* pDC, const CRect& rect, CDrawObject* obj,
                        const std::function<bool(int p, int index, CPoint& centre)>& centre)
{
    const int first = obj->GetFirstVisible(), visible = obj->GetVisibleCount();
    const int step = SelectionStep(obj->GetXStep());
    CPen pen(PS_SOLID, 1, RGB(0xC8, 0xC8, 0xC8));
    CBrush brush(RGB(0xC8, 0xC8, 0xC8));
    CDCSelectGuard penGuard(pDC, &pen), brushGuard(pDC, &brush);
    const int oldMode = pDC->SetROP2(R2_XORPEN);
    for (int i = first; i <= first + visible - 1; i += step)
    {
        const int index = obj->IndexAt(i);
        CPoint c;
        if (index >= 0 && centre(i - first, index, c))
            pDC->Rectangle(c.x - 3, c.y - 3, c.x + 3, c.y + 3);
    }
    pDC->SetROP2(oldMode);
}

void DrawSelectionSquares(CDC* pDC, const CRect& rect, CDrawObject* obj, const int* a, const int* b)
{
    const float w = obj->GetXStep(), k = obj->GetYScale();
    const int m = obj->GetMinimum();
    DrawSelectionMarks(pDC, rect, obj, [&](int p, int index, CPoint& c) {
        if (IsEmptyValue(a[index]) || IsEmptyValue(b[index]))
            return false;
        c.x = (SlotX(p, w, rect.left) + SlotX(p + 1, w, rect.left)) / 2;
        c.y = (ValueRow(a[index], m, k, rect, FALSE) + ValueRow(b[index], m, k, rect, FALSE)) / 2;
        return true;
    });
}
