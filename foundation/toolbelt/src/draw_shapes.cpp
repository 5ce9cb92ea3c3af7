// Arrows, triangles, grippers and separators. Each shape draws with its own pen and brush and
// leaves the DC as it found it.
#include "Draw.h"

namespace {

void FillPolygon(CDC* pDC, const POINT* points, int count, COLORREF color)
{
    CPenDC pen(pDC->m_hDC, color);
    CBrushDC brush(pDC->m_hDC, color);
    ::Polygon(pDC->m_hDC, points, count);
}

void Line(HDC hDC, int x1, int y1, int x2, int y2)
{
    ::MoveToEx(hDC, x1, y1, NULL);
    ::LineTo(hDC, x2, y2);
}

// Keeps the current position of a DC across a shape.
class PositionKeeper
{
public:
    explicit PositionKeeper(HDC hDC) : m_hDC(hDC) { ::GetCurrentPositionEx(hDC, &m_pos); }
    ~PositionKeeper() { ::MoveToEx(m_hDC, m_pos.x, m_pos.y, NULL); }

private:
    HDC m_hDC;
    POINT m_pos;
};

} // namespace

void CDraw::DrawUp(CDC* pDC, CRect& rect, COLORREF color)
{
    const POINT points[] = {{rect.CenterPoint().x, rect.top}, {rect.left, rect.bottom}, {rect.right, rect.bottom}};
    FillPolygon(pDC, points, 3, color);
}

void CDraw::DrawDown(CDC* pDC, CRect& rect, COLORREF color)
{
    const POINT points[] = {{rect.left, rect.top}, {rect.right, rect.top}, {rect.CenterPoint().x, rect.bottom}};
    FillPolygon(pDC, points, 3, color);
}

void CDraw::DrawUpLimit(CDC* pDC, CRect& rect, COLORREF color)
{
    CRect r(rect.left, rect.top - 1, rect.right, rect.bottom + 1);
    const int m = r.CenterPoint().x, h = r.Height() / 2, q = r.Width() / 4;
    const POINT points[] = {{m, r.top},         {m - h, r.top + h}, {m - q, r.top + h}, {m - q, r.bottom},
                            {m + q, r.bottom},  {m + q, r.top + h}, {m + h, r.top + h}};
    FillPolygon(pDC, points, 7, color);
}

void CDraw::DrawDownLimit(CDC* pDC, CRect& rect, COLORREF color)
{
    CRect r(rect.left, rect.top - 1, rect.right, rect.bottom + 1);
    const int m = r.CenterPoint().x, h = r.Height() / 2, q = r.Width() / 4;
    const int g = h - 1, b = r.bottom + 1 - h;
    const POINT points[] = {{m, r.bottom}, {m - g, b},     {m - q, b}, {m - q, r.top},
                            {m + q, r.top}, {m + q, b},    {m + g, b}};
    FillPolygon(pDC, points, 7, color);
}

void CDraw::DrawTriangle(CDC* pDC, int x, int y, int size, COLORREF color, bool down)
{
    PositionKeeper keep(pDC->m_hDC);
    CPenDC pen(pDC->m_hDC, color);
    for (int i = 0; i < size; ++i) {
        const int row = down ? y - i : y + i;
        Line(pDC->m_hDC, x - i, row, x + i + 1, row);
    }
}

void CDraw::DrawTriangleSide(CDC* pDC, int x, int y, int size, COLORREF color, bool fromBottom)
{
    PositionKeeper keep(pDC->m_hDC);
    CPenDC pen(pDC->m_hDC, color);
    for (int i = 0; i < size; ++i) {
        if (fromBottom)
            Line(pDC->m_hDC, x - i, y + i, x - i, y - i);
        else
            Line(pDC->m_hDC, x - i, y - i, x - i, y + i);
    }
}

void CDraw::DrawTriangleSideStyle(CDC* pDC, int x, int y, int size, COLORREF color, UINT style)
{
    if (style > 3)
        return;
    PositionKeeper keep(pDC->m_hDC);
    CPenDC pen(pDC->m_hDC, color);
    for (int i = 0; i < size; ++i) {
        switch (style) {
        case 0: Line(pDC->m_hDC, x - i, y - i, x - i, y + i + 1); break; // right
        case 1: Line(pDC->m_hDC, x + i, y - i, x + i, y + i + 1); break; // left
        case 2: Line(pDC->m_hDC, x - i, y - i, x + i + 1, y - i); break; // down
        case 3: Line(pDC->m_hDC, x - i, y + i, x + i + 1, y + i); break; // up
        }
    }
}

void CDraw::DrawGripper(CDC* pDC, int /*n*/, CRect rect, COLORREF color)
{
    PositionKeeper keep(pDC->m_hDC);
    CBrush fill(color);
    ::FillRect(pDC->m_hDC, &rect, fill);
    CPenDC pen(pDC->m_hDC, RGB(255, 255, 255));
    for (int y = rect.top + 2; y <= rect.bottom - 4; y += 2)
        Line(pDC->m_hDC, rect.left + 5, y, rect.left + 6, y);
    pen.Color(RGB(106, 106, 106));
    for (int y = rect.top + 2; y <= rect.bottom - 4; y += 2)
        Line(pDC->m_hDC, rect.left + 6, y + 1, rect.left + 7, y + 1);
}

void CDraw::DrawSeparator(CDC* pDC, int n, CRect rect, bool horizontalLines)
{
    PositionKeeper keep(pDC->m_hDC);
    if (horizontalLines) {
        for (int y = n; y <= rect.bottom; y += 2)
            Line(pDC->m_hDC, rect.left, y, rect.right, y);
    } else {
        for (int x = n; x <= rect.right; x += 2)
            Line(pDC->m_hDC, x, rect.top, x + 1, rect.top);
    }
}
