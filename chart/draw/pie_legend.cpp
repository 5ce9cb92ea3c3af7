// CPie: the legend beside the pie and the slice labels on their leader lines.
#include <algorithm>
#include <cmath>

#include "DrawObject.h"
#include "draw_geometry.h"
#include "pie_geometry.h"

int CPie::DrawLegend(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    const int rows = int(m_arLegend.GetSize());
    if (rows == 0 || m_nLegendIndex < 0 || m_nLegendIndex >= rows)
        return 0;
    CFont* font = obj ? obj->GetChartFont() : nullptr;
    CDCSelectGuard fontGuard(pDC, font);
    CPen pen(PS_SOLID, 1, m_clrLegendPen);
    CDCSelectGuard penGuard(pDC, &pen);
    CDCSelectGuard brushGuard(pDC->GetSafeHdc(), GetStockObject(NULL_BRUSH));
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF oldText = pDC->SetTextColor(m_clrLegendText);
    int textWidth = 0, h = 0;
    for (int r = 0; r < rows; ++r)
    {
        const CSize size = pDC->GetTextExtent(m_arLegend[r]);
        textWidth = std::max(textWidth, int(size.cx));
        h = std::max(h, int(size.cy));
    }
    const int pitch = h + 3;
    const bool atLeft = m_nLegendPos >= 0 && m_nLegendPos <= 2;
    const int x = atLeft ? rect.left + 25 : rect.right - textWidth - 10;
    int first = rect.top + 10;
    switch (m_nLegendPos)
    {
    case 1:
    case 4:
        first = std::max((rect.bottom - pitch * rows - rect.top + 3) / 2 + rect.top, rect.top + 10);
        break;
    case 2:
    case 5:
        first = std::max(rect.bottom - pitch * rows - 7, rect.top + 10);
        break;
    default:
        break;
    }
    const int length = obj ? obj->GetSeriesLength() : 0;
    for (int r = 0; r < rows; ++r)
    {
        const int row = first + r * pitch;
        const int box = row + (h - 10) / 2;
        pDC->TextOut(x, row, m_arLegend[r]);
        pDC->Rectangle(x - 16, box - 1, x - 4, box + 11);
        const int* numbers = obj ? obj->GetS2() : nullptr;
        const int number = numbers && r < length ? numbers[r] : r;
        pDC->FillSolidRect(x - 15, box, 10, 10, PieSliceColor(number));
    }
    pDC->Rectangle(x - 21, first - 5, x + textWidth + 5, first + pitch * rows + 2);
    pDC->SetTextColor(oldText);
    pDC->SetBkMode(oldMode);
    return textWidth + 30;
}

void CPie::DrawLabels(CDC* pDC, int cx, int cy, int d, double squash, int depth)
{
    CDrawObject* obj = m_pOwner;
    const int* shares = obj->GetS0();
    const int* positions = obj->GetS3();
    const int length = obj->GetSeriesLength();
    if (!positions)
        return;
    CFont* font = obj->GetChartFont();
    CDCSelectGuard fontGuard(pDC, font);
    CPen pen(PS_SOLID, 1, m_clrLegendPen);
    CDCSelectGuard penGuard(pDC, &pen);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF oldText = pDC->SetTextColor(m_clrLegendText);
    for (auto& group : m_nGroups)
        group[0] = group[1] = -1;
    m_nLabelCount = 0;
    CRect previous[4];
    for (int i = 0; i < length; ++i)
    {
        if (shares[i] <= 0 || IsReservedSeriesValue(shares[i]) || IsReservedSeriesValue(positions[i]))
            continue;
        const double at = double(positions[i]) + 2500;
        const POINT inner = PiePoint(cx, cy, d - 20, squash, at);
        const POINT outer = PiePoint(cx, cy, d + 20, squash, at);
        const bool right = outer.x >= cx;
        // Labels fall into the four quarters of the turn, counted from the top.
        const int position = ((positions[i] % 10000) + 10000) % 10000;
        const int group = position / 2500;
        const int drop = depth > 0 && position >= 5000 ? depth : 0;
        const int legX = outer.x + (right ? 10 : -10);
        pDC->MoveTo(inner.x, inner.y + drop);
        pDC->LineTo(outer.x, outer.y + drop);
        pDC->LineTo(legX, outer.y + drop);
        const CString text = i < m_arLabels.GetSize() ? m_arLabels[i] : CString();
        const CSize size = pDC->GetTextExtent(text);
        CRect box(right ? legX : legX - size.cx, outer.y + drop - size.cy / 2, 0, 0);
        box.right = box.left + size.cx;
        box.bottom = box.top + size.cy;
        CRect overlap;
        if (m_nGroups[group][0] >= 0 && overlap.IntersectRect(&box, &previous[group]))
            box.OffsetRect(0, group == 1 || group == 2 ? size.cy : -size.cy);
        pDC->TextOut(box.left, box.top, text);
        previous[group] = box;
        if (m_nGroups[group][0] < 0)
            m_nGroups[group][0] = i;
        m_nGroups[group][1] = i;
        ++m_nLabelCount;
    }
    pDC->SetTextColor(oldText);
    pDC->SetBkMode(oldMode);
}
