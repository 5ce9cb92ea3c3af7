// Pixel geometry shared by the drawers: slot edges and value rows in 32-bit floating point.
#pragma once

#include <afxwin.h>

#include <functional>
#include <vector>

#include "SeriesValues.h"

// Truncates towards zero, holding results far off any device to a range GDI still draws.
inline int TruncPixel(float v)
{
    if (!(v > -1e8f))
        return -100000000;
    if (v > 1e8f)
        return 100000000;
    return int(v);
}

// Left edge of slot p.
inline int SlotX(int p, float step, int left)
{
    return TruncPixel(float(p) * step + float(left));
}

// Row of value v on a scale from m with k pixels per unit.
inline int ValueRow(int v, int m, float k, const CRect& rect, BOOL inverted)
{
    float d = float((long long)v - m) * k;
    return inverted ? TruncPixel(d + float(rect.top)) : TruncPixel(float(rect.bottom) - d);
}

// The step between selection squares: about 30 pixels apart.
inline int SelectionStep(float step)
{
    return step == 0 ? 10 : 1 + TruncPixel(30.0f / step);
}

inline bool IsEmptyValue(int v)
{
    return v == SERIES_NODATA || v == SERIES_NOTCOMPUTED;
}

// The step of price levels by the scale's minimum: 5 below 5000 up to 1000 from 500000.
inline int PriceLevelStep(int minimum)
{
    if (minimum < 5000)
        return 5;
    if (minimum < 10000)
        return 10;
    if (minimum < 50000)
        return 50;
    if (minimum < 100000)
        return 100;
    if (minimum < 500000)
        return 500;
    return 1000;
}

class CDrawObject;

// A value as the object's drawer writes it: in the number settings (divisor, decimals, fraction
// base, precision) that the region handed the object with its scale.
CString ObjectNumberText(const CDrawObject* obj, int value);

// XOR squares of 6 x 6 pixels (pen and brush 0xC8C8C8) at every s-th shown position, about 30
// pixels apart; centre gives the square's centre for position p (from the first shown) and
// data index, or false for none. Drawn twice they leave the picture as it was.
void DrawSelectionMarks(CDC* pDC, const CRect& rect, CDrawObject* obj,
                        const std::function<bool(int p, int index, CPoint& centre)>& centre);

// The selection marks of a bar drawer: XOR squares about 30 pixels apart, each halfway between
// the rows of a and b at the middle of its slot; drawn twice they leave the picture as it was.
void DrawSelectionSquares(CDC* pDC, const CRect& rect, CDrawObject* obj, const int* a, const int* b);

// The shaded face colour of 3-D bars: half of every channel; a colour that halves to black
// becomes mid grey so the face still shows.
COLORREF ShadeColor(COLORREF colour);

// The side (and, for a bar rising from its base, top) face of a 3-D bar whose front face
// takes four fifths of xl..xr: seven corners for a rising bar, five otherwise. Returns the
// number of corners written.
int BarSideFace(int xl, int xr, int yTop, int yBase, POINT corners[7]);

// One bar between xl and xr from row yTop to row yBase: flat, with a tenth of the slot left
// free on each side when margins is set, or with its shaded side face.
void DrawBarRect(CDC* pDC, int xl, int xr, int yTop, int yBase, COLORREF colour, bool threeD, bool margins);

// One-pixel lines of one colour gathered into a single PolyPolyline call.
class CLineBatch
{
public:
    explicit CLineBatch(CDC* pDC) : m_pDC(pDC) {}
    ~CLineBatch() { Flush(); }
    void Add(int x1, int y1, int x2, int y2, COLORREF colour);
    void Flush();

private:
    CDC* m_pDC;
    COLORREF m_colour = 0;
    std::vector<POINT> m_points;
    std::vector<DWORD> m_counts;
};
