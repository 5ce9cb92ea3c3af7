// The price-change signs of text cells: up and down triangles, ceiling and floor arrows, each a
// filled polygon region in the grid's up or down colour.
#include "Grid.h"

#include "ColorMap.h"

namespace {

void FillPolygon(CDC* pDC, const POINT* points, int count, COLORREF colour)
{
    CRgn region;
    if (!region.CreatePolygonRgn(points, count, ALTERNATE))
        return;
    CBrush brush(colour);
    pDC->FillRgn(&region, &brush);
}

} // namespace

void CGrid::DrawSignUp(CDC* pDC, tagCell*, CRect& rect)
{
    CRect r = rect;
    r.DeflateRect(1, 1);
    const int cx = (r.left + r.right) / 2;
    const POINT points[] = {{cx, r.top - 1}, {r.left - 1, r.bottom}, {r.right, r.bottom}};
    FillPolygon(pDC, points, 3, ColorOf(m_pUpColor, RGB(0, 0, 0)));
}

void CGrid::DrawSignDown(CDC* pDC, tagCell*, CRect& rect)
{
    CRect r = rect;
    r.DeflateRect(1, 1);
    const int cx = (r.left + r.right) / 2;
    const POINT points[] = {{r.left, r.top}, {r.right, r.top}, {cx, r.bottom}};
    FillPolygon(pDC, points, 3, ColorOf(m_pDownColor, RGB(0, 0, 0)));
}

void CGrid::DrawSignCeiling(CDC* pDC, tagCell*, CRect& rect)
{
    const int l = rect.left, r = rect.right;
    const int t = rect.top - 1, b = rect.bottom + 1;
    const int cx = (l + r) / 2;
    const int half = (r - l + 2) / 2;
    const int quarter = (r - l) / 4;
    const int mid = t + (b - t) / 2;
    const POINT points[] = {{cx, t},           {cx - half, mid}, {cx - quarter, mid}, {cx - quarter, b},
                            {cx + quarter, b}, {cx + quarter, mid}, {cx + half, mid}};
    FillPolygon(pDC, points, 7, ColorOf(m_pUpColor, RGB(0, 0, 0)));
}

void CGrid::DrawSignFloor(CDC* pDC, tagCell*, CRect& rect)
{
    const int l = rect.left, r = rect.right;
    const int t = rect.top - 1, b = rect.bottom + 1;
    const int cx = (l + r) / 2;
    const int half = (r - l + 2) / 2 - 1;
    const int quarter = (r - l) / 4;
    const int mid = b + 1 - (b - t) / 2;
    const POINT points[] = {{cx, b},           {cx - half, mid}, {cx - quarter, mid}, {cx - quarter, t},
                            {cx + quarter, t}, {cx + quarter, mid}, {cx + half, mid}};
    FillPolygon(pDC, points, 7, ColorOf(m_pDownColor, RGB(0, 0, 0)));
}
