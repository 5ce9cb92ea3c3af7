// CPie: the pie drawer of a chart object: flat or deep slices of shares, a legend and labels.
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "GraphKitApi.h"

class CDrawObject;

// Fill colour of a slice by its colour number (modulo 30), and the colour of its side face.
GRAPHKIT_API COLORREF PieSliceColor(int number);
GRAPHKIT_API COLORREF PieSideColor(int number);

class GRAPHKIT_API CPie
{
public:
    CPie();
    virtual ~CPie() {}

    // 1 when something was drawn.
    int Draw(CRect rect, CDC* pDC);
    // Draws the legend (when its list and current index allow one) and returns its width.
    int DrawLegend(CRect rect, CDC* pDC);
    void SetOwner(CDrawObject* owner) { m_pOwner = owner; }
    CDrawObject* GetOwner() const { return m_pOwner; }

    CDrawObject* m_pOwner;
    CString m_strText;
    int m_nLabels;
    // 0 to 2 at the left (top, middle, bottom), 3 to 5 at the right.
    int m_nLegendPos;
    // Drawn with depth (the 3D switch).
    int m_nDeep;
    CString m_strText2;
    COLORREF m_clrLegendPen;
    COLORREF m_clrLegendText;
    int m_nLabelPlace;
    // The pie's diameter is (n - 1) / n of the free room.
    int m_nRing;
    int m_nLegendIndex;
    CStringArray m_arLegend;
    CStringArray m_arLabels;
    int m_nGroups[4][2];
    int m_nLabelCount;
    // Deep pie: tilt in degrees and depth in pixels.
    int m_nTilt;
    int m_nDepth;

private:
    int DrawFlat(CRect rect, CDC* pDC, int legendWidth);
    int DrawDeep(CRect rect, CDC* pDC, int legendWidth);
    void DrawLabels(CDC* pDC, int cx, int cy, int d, double squash, int depth);
};
