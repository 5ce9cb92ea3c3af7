// CMeamul: the levels in rows with their price labels, the bars placed by price and the
// five-row layout.
#include <algorithm>
#include <climits>

#include "ChartText.h"
#include "Meamul.h"

namespace
{
const COLORREF kGrid = RGB(233, 233, 233);
}

void CMeamul::DrawFrame(CDC* pDC)
{
    const CRect& r = m_rcInner;
    CPen pen(PS_SOLID, 1, m_record.LineColor.GetColor());
    CDCSelectGuard guard(pDC, &pen);
    const POINT frame[5] = {{r.left, r.top}, {r.right + 10, r.top}, {r.right + 10, r.bottom}, {r.left, r.bottom},
                            {r.left, r.top}};
    pDC->Polyline(frame, 5);
}

// The grid at the n-th row line y (previous: the line before, or INT_MIN).
void CMeamul::DrawGridAt(CDC* pDC, int y, int previous, int n)
{
    const CRect& r = m_rcInner;
    if (m_nGridStyle == 1)
    {
        if (n % 2 == 1 && previous != INT_MIN && y > previous)
            pDC->FillSolidRect(r.left + 1, previous, r.right + 10 - r.left - 1, y - previous, kGrid);
        return;
    }
    CPen pen(PS_SOLID, 1, kGrid);
    CDCSelectGuard guard(pDC, &pen);
    if (m_nGridStyle == 2)
    {
        for (int row : {y, y + 1})
        {
            pDC->MoveTo(r.left, row);
            pDC->LineTo(r.right + 10, row);
        }
    }
    else if (previous == INT_MIN || y > previous + 2)
    {
        pDC->MoveTo(r.left, y);
        pDC->LineTo(r.right + 10, y);
    }
}

// A tick and the label right-aligned 8 pixels before the plot, when it clears the label above.
bool CMeamul::DrawPriceLabel(CDC* pDC, int y, const CString& text, int& lastBottom)
{
    const CRect& r = m_rcInner;
    {
        CPen pen(PS_SOLID, 1, m_record.LineColor.GetColor());
        CDCSelectGuard guard(pDC, &pen);
        pDC->MoveTo(r.left - 6, y);
        pDC->LineTo(r.left, y);
    }
    const CSize size = pDC->GetTextExtent(text);
    const int top = y - size.cy / 2;
    if (top <= lastBottom)
        return false;
    pDC->TextOut(r.left - 8 - size.cx, top, text);
    lastBottom = top + size.cy;
    return true;
}

void CMeamul::DrawPriceRows(CDC* pDC)
{
    if (m_nLevels < 1)
        return;
    const CRect& r = m_rcInner;
    const int visible = m_nLastVisible - m_nFirstVisible + 1;
    if (visible < 1)
        return;
    const int row = r.Height() / visible;
    DrawFrame(pDC);
    int lastBottom = -30, previous = INT_MIN;
    for (int k = 0; k < visible; ++k)
    {
        const int y = r.top + k * row + row / 2;
        DrawGridAt(pDC, y, previous, k);
        previous = y;
        const int price = m_arPrice[m_nFirstVisible + k];
        DrawPriceLabel(pDC, y, FormatNumberValue(price, -1, -1, "", m_nDivisor, m_nDecimals, 0), lastBottom);
    }
}

// The parts of one level's bar from the plot's left edge + 1, between rows upper and lower of
// a row rowHeight high, and its percentage after it.
void CMeamul::DrawBarParts(CDC* pDC, int level, int upper, int lower, int rowHeight, bool edges)
{
    const CRect& r = m_rcInner;
    struct Part
    {
        int volume;
        COLORREF colour;
    };
    Part parts[3] = {{m_arFirst[level], m_record.SellColor.GetColor()},
                     {m_bThreeParts ? m_arMiddle[level] : 0, m_record.EvenColor.GetColor()},
                     {m_arLast[level], m_record.BuyColor.GetColor()}};
    double x = r.left + 1;
    for (const Part& part : parts)
    {
        const int from = int(x);
        x += double(part.volume) * m_fPerUnit;
        const int to = int(x);
        if (to <= from)
            continue;
        if (lower <= upper)
        {
            CPen pen(PS_SOLID, 1, part.colour);
            CDCSelectGuard guard(pDC, &pen);
            pDC->MoveTo(from, upper);
            pDC->LineTo(to, upper);
            continue;
        }
        pDC->FillSolidRect(from, upper, to - from, lower - upper, part.colour);
        if (edges && lower - upper > 10)
        {
            CRect edge(from, upper, to, lower);
            pDC->DrawEdge(&edge, EDGE_RAISED, BF_RECT);
        }
    }
    if (level < m_arPercent.GetSize())
    {
        const CString text = VolumePercentText(m_arPercent[level]);
        const CSize size = pDC->GetTextExtent(text);
        if (size.cy < rowHeight)
            pDC->TextOut(int(x) + 2, (upper + lower - size.cy) / 2, text);
    }
}

void CMeamul::DrawRowBars(CDC* pDC)
{
    const int visible = m_nLastVisible - m_nFirstVisible + 1;
    if (m_nLevels < 1 || visible < 1)
        return;
    const CRect& r = m_rcInner;
    const int row = r.Height() / visible;
    for (int k = 0; k < visible; ++k)
    {
        const int top = r.top + k * r.Height() / visible;
        DrawBarParts(pDC, m_nFirstVisible + k, top + row / 5, top + row - row / 5, row, false);
    }
}

void CMeamul::DrawPriceBars(CDC* pDC)
{
    const int visible = m_nLastVisible - m_nFirstVisible + 1;
    if (m_nLevels < 1 || visible < 1)
        return;
    const CRect& r = m_rcInner;
    const int row = r.Height() / visible;
    const long long highest = m_arPrice[m_nFirstVisible], lowest = m_arPrice[m_nLastVisible];
    for (int k = 0; k < visible; ++k)
    {
        const int level = m_nFirstVisible + k;
        // One price alone (highest = lowest) stands in the middle of the plot.
        const int y = highest > lowest ? int(r.top + (highest - m_arPrice[level]) * r.Height() / (highest - lowest))
                                       : r.top + r.Height() / 2;
        DrawBarParts(pDC, level, y - row / 2 + row / 5, y + row / 2 - row / 5, row, true);
    }
}

void CMeamul::DrawFiveRows(CDC* pDC)
{
    // The layout needs all six boundaries; with fewer there is nothing to place.
    if (m_arBoundaries.GetSize() < 6)
        return;
    const CRect& r = m_rcInner;
    long long p[6];
    for (int i = 0; i < 6; ++i)
        p[i] = _atoi64(m_arBoundaries[i]);
    DrawFrame(pDC);
    int lastBottom = -30, previous = INT_MIN;
    for (int i = 5; i >= 0; --i)
    {
        const int y = p[5] != p[0] ? int(r.top + (p[5] - p[i]) * r.Height() / (p[5] - p[0])) : r.top + r.Height() / 2;
        DrawGridAt(pDC, y, previous, 5 - i);
        previous = y;
        const int price = int(std::min<long long>(std::max<long long>(p[i], INT_MIN + 1), INT_MAX - 1));
        DrawPriceLabel(pDC, y, FormatNumberValue(price, -1, -1, "", m_nDivisor, m_nDecimals, 0), lastBottom);
    }
    const int row = r.Height() / 5;
    for (int i = 4; i >= 0; --i)
    {
        if (i >= m_arBandVolumes.GetSize())
            continue;
        const long long volume = _atoi64(m_arBandVolumes[i]);
        const int top = r.top + (4 - i) * row;
        const int upper = top + row / 9, lower = top + row - row / 9;
        const int width = m_nLargest > 0 ? int(volume * r.Width() / m_nLargest) : 0;
        if (width <= 0 || lower <= upper)
            continue;
        pDC->FillSolidRect(r.left + 1, upper, width, lower - upper, m_record.SellColor.GetColor());
        if (lower - upper > 10)
        {
            CRect edge(r.left + 1, upper, r.left + 1 + width, lower);
            pDC->DrawEdge(&edge, EDGE_RAISED, BF_RECT);
        }
    }
}
