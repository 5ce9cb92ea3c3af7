// Shapes shared by the bar drawers: flat and 3-D bar rectangles and batched one-pixel lines.
#include <algorithm>

#include "draw_geometry.h"

COLORREF ShadeColor(COLORREF colour)
{
    int r = GetRValue(colour) / 2, g = GetGValue(colour) / 2, b = GetBValue(colour) / 2;
    if (r == 0 && g == 0 && b == 0)
        return RGB(127, 127, 127);
    return RGB(r, g, b);
}

int BarSideFace(int xl, int xr, int yTop, int yBase, POINT corners[7])
{
    int xf = xl + (xr - xl) * 4 / 5;
    int d = std::min(std::max((xr - xf) / 2, 1), 10);
    if (yTop < yBase)
    {
        POINT rising[7] = {{xl, yTop},      {xl + d, yTop - d}, {xf + d, yTop - d}, {xf + d, yBase - d},
                           {xf, yBase},     {xf, yTop},         {xl, yTop}};
        std::copy(rising, rising + 7, corners);
        return 7;
    }
    int upper = std::min(yTop, yBase), lower = std::max(yTop, yBase);
    POINT side[5] = {{xf, upper}, {xf + d, upper - d}, {xf + d, lower - d}, {xf, lower}, {xf, upper}};
    std::copy(side, side + 5, corners);
    return 5;
}

void DrawBarRect(CDC* pDC, int xl, int xr, int yTop, int yBase, COLORREF colour, bool threeD, bool margins)
{
    int upper = std::min(yTop, yBase), lower = std::max(yTop, yBase);
    if (!threeD)
    {
        int left = xl, right = xr;
        if (margins)
        {
            int margin = (xr - xl) / 10;
            if (margin == 0)
                right -= 1;
            left += margin;
            right -= margin;
        }
        if (right > left && lower > upper)
            pDC->FillSolidRect(left, upper, right - left, lower - upper, colour);
        return;
    }
    POINT corners[7];
    int n = BarSideFace(xl, xr, yTop, yBase, corners);
    COLORREF shade = ShadeColor(colour);
    CPen pen(PS_SOLID, 1, shade);
    CBrush brush(shade);
    {
        CDCSelectGuard penGuard(pDC, &pen), brushGuard(pDC, &brush);
        pDC->Polygon(corners, n);
    }
    int xf = xl + (xr - xl) * 4 / 5;
    if (xf > xl && lower > upper)
        pDC->FillSolidRect(xl, upper, xf - xl, lower - upper, colour);
}

void CLineBatch::Add(int x1, int y1, int x2, int y2, COLORREF colour)
{
    if (!m_counts.empty() && colour != m_colour)
        Flush();
    m_colour = colour;
    m_points.push_back(POINT{x1, y1});
    m_points.push_back(POINT{x2, y2});
    m_counts.push_back(2);
}

void CLineBatch::Flush()
{
    if (m_counts.empty())
        return;
    CPen pen(PS_SOLID, 1, m_colour);
    CDCSelectGuard guard(m_pDC, &pen);
    m_pDC->PolyPolyline(m_points.data(), m_counts.data(), int(m_counts.size()));
    m_points.clear();
    m_counts.clear();
}
