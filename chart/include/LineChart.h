// CLine: the line drawer of a chart object: polylines, point shapes, shadow, base line and the
// price-level overlay.
#pragma once

#include <afxwin.h>

#include "CtlColor.h"
#include "GraphKitApi.h"

class CDrawObject;
class DLINEPROP;

class GRAPHKIT_API CLine
{
public:
    CLine();
    virtual ~CLine() {}

    int Draw(CRect rect, CDC* pDC, BOOL inverted);
    // One polyline of the given series; seriesNumber -1 draws it over the whole series from
    // the left edge (the whole-series form).
    void DrawSeries(CRect rect, CDC* pDC, const int* series, int seriesNumber, BOOL inverted);
    void DrawSelection(CRect rect, CDC* pDC);
    int HitTest(CRect rect, int x, int y, BOOL inverted);
    void SetProperty(const DLINEPROP& record);
    void SetOwner(CDrawObject* owner) { m_pOwner = owner; }
    CDrawObject* GetOwner() const { return m_pOwner; }
    CCtlColor GetLineColor() const { return m_clrLine; }
    int GetBaseLine() const { return m_nBaseLine; }
    // The price-level step for a scale whose minimum is given; also the margin a region adds
    // around a line that shows price levels.
    static int PriceLevelStep(long long minimum);

    CDrawObject* m_pOwner;
    int m_nEmphasis;
    int m_nPointStyle;
    CCtlColor m_clrLine;
    int m_nWidth;
    int m_nShadow;
    int m_nBaseLine;
    CCtlColor m_clrUp;
    CCtlColor m_clrDown;
    int m_nPriceLevel;

private:
    int HitSeries(CRect rect, int x, int y, BOOL inverted, const int* series);
    void SelectSeries(CRect rect, CDC* pDC, const int* series);
    void DrawPriceLevels(CRect rect, CDC* pDC);
    bool IsEmpty(int value) const;
};
