// CRegionCanvas: painting the strip of a region: value axes, legend and objects, trend lines
// and the highlighted slot, then the copy to the window.
#include "RegionCanvas.h"

#include <algorithm>

#include "ChartText.h"
#include "DrawObject.h"
#include "Properties.h"
#include "ValueAxis.h"

CLegendLayout::CLegendLayout(const CRect& draw)
    : m_rcDraw(draw), m_nX(draw.left + 1), m_nY(draw.top - 5), m_bRowStart(true)
{
}

LegendPlace CLegendLayout::Next(CSize text)
{
    LegendPlace place;
    int t = m_nX + 19;
    // A text that would pass the right edge starts a new row (unless it already starts one).
    if (t + text.cx > m_rcDraw.right && !m_bRowStart)
    {
        m_nX = m_rcDraw.left + 1;
        t = m_rcDraw.left + 20;
        m_nY += text.cy + 5;
    }
    place.x = m_nX;
    place.y = m_nY;
    place.textLeft = t;
    m_nX = t + text.cx + 20;
    m_bRowStart = false;
    return place;
}

namespace
{

// One legend entry: its swatch at the place and its text after it.
struct LegendEntry
{
    enum Swatch
    {
        OneColour,
        TwoColours,
        Line
    };
    Swatch swatch;
    COLORREF first;
    COLORREF second;
    CString text;
};

LegendPlace DrawEntry(CDC* pDC, CLegendLayout& layout, const LegendEntry& entry, CSize& size)
{
    size = pDC->GetTextExtent(entry.text);
    LegendPlace place = layout.Next(size);
    int m = place.y + size.cy / 2;
    switch (entry.swatch)
    {
    case LegendEntry::OneColour:
        pDC->FillSolidRect(place.x, m - 2, 14, 4, entry.first);
        break;
    case LegendEntry::TwoColours:
        pDC->FillSolidRect(place.x, m - 2, 14, 2, entry.first);
        pDC->FillSolidRect(place.x, m, 14, 2, entry.second);
        break;
    case LegendEntry::Line:
    {
        CPen pen(PS_SOLID, 2, entry.first);
        CDCSelectGuard select(pDC, &pen);
        pDC->MoveTo(place.x, m);
        pDC->LineTo(place.x + 14, m);
        break;
    }
    }
    COLORREF old = 0;
    bool palette = entry.swatch != LegendEntry::Line;
    if (palette)
        old = pDC->SetTextColor(CCtlColor::Index(1).GetColor());
    pDC->TextOut(place.textLeft, place.y, entry.text);
    if (palette)
        pDC->SetTextColor(old);
    return place;
}

// The legend entry of a line object: its name after a swatch of its colour, or of the colours
// above and below its base line; the entry's rectangle goes to the object for the legend button.
void DrawLineEntry(CDC* pDC, CLegendLayout& layout, CDrawObject* object)
{
    if (!object->m_nLegend || object->m_strObjectName.IsEmpty())
        return;
    LegendEntry entry;
    bool two = object->CLine::m_nBaseLine != 0;
    entry.swatch = two ? LegendEntry::TwoColours : LegendEntry::OneColour;
    entry.first = two ? object->m_clrUp.GetColor() : object->m_clrLine.GetColor();
    entry.second = object->m_clrDown.GetColor();
    entry.text = object->m_strObjectName;
    CSize size;
    LegendPlace place = DrawEntry(pDC, layout, entry, size);
    if (two)
        object->m_rcLabel.SetRect(place.textLeft - 14, place.y, place.textLeft + 5 + size.cx, place.y + size.cy);
    else
        object->m_rcLabel.SetRect(place.textLeft - 14, place.y + 3, place.textLeft + 5 + size.cx,
                                  place.y + 6 + size.cy);
}

void DrawSimpleEntry(CDC* pDC, CLegendLayout& layout, LegendEntry::Swatch swatch, COLORREF first, COLORREF second,
                     const CString& text)
{
    LegendEntry entry{swatch, first, second, text};
    CSize size;
    DrawEntry(pDC, layout, entry, size);
}

// Bars: the two stacked series each in its colour, else the bar name after the bar colour
// (one colour) or after the colours up and down (coloured bar modes).
void DrawBarEntry(CDC* pDC, CLegendLayout& layout, CDrawObject* object)
{
    if (!object->m_nLegend)
        return;
    const COLORREF up = object->m_clrBarUp.GetColor(), down = object->m_clrBarDown.GetColor();
    if (object->m_nStack)
    {
        DrawSimpleEntry(pDC, layout, LegendEntry::OneColour, down, down, object->m_strStackName1);
        DrawSimpleEntry(pDC, layout, LegendEntry::OneColour, up, up, object->m_strStackName2);
    }
    else if (object->CBar::m_nMode == 0)
        DrawSimpleEntry(pDC, layout, LegendEntry::OneColour, object->m_clrFill.GetColor(), 0, object->m_strBarName);
    else
        DrawSimpleEntry(pDC, layout, LegendEntry::TwoColours, up, down, object->m_strBarName);
}

// Grouped bars: a line in each named series' colour.
void DrawGroupedEntries(CDC* pDC, CLegendLayout& layout, CDrawObject* object)
{
    const int series = std::min(std::max(object->m_nSeries, 0), 4);
    for (int k = 0; k < series; ++k)
        if (!object->m_strSeriesNames[k].IsEmpty())
            DrawSimpleEntry(pDC, layout, LegendEntry::Line, object->m_clrSeries[k].GetColor(), 0,
                            object->m_strSeriesNames[k]);
}

// Horizontal bars: their title after their two colours (amounts at or above the reference
// value, then those below it).
void DrawHBarEntry(CDC* pDC, CLegendLayout& layout, CDrawObject* object)
{
    if (object->m_strTitle.IsEmpty())
        return;
    DrawSimpleEntry(pDC, layout, LegendEntry::TwoColours, object->m_clrFirst.GetColor(),
                    object->m_clrSecond.GetColor(), object->m_strTitle);
}

void DrawObjectEntry(CDC* pDC, CLegendLayout& layout, CDrawObject* object)
{
    switch (object->GetKind())
    {
    case DRAWKIND_LINE:
        DrawLineEntry(pDC, layout, object);
        break;
    case DRAWKIND_BAR:
        DrawBarEntry(pDC, layout, object);
        break;
    case DRAWKIND_BAR2:
        DrawGroupedEntries(pDC, layout, object);
        break;
    case DRAWKIND_HBAR:
        DrawHBarEntry(pDC, layout, object);
        break;
    default:
        break;
    }
}

} // namespace

void CRegionCanvas::DrawAxes(CDC* pMemDC)
{
    CRect draw = GetDrawRect();
    int width = m_rcLeftAxis.Width() + m_rcPlot.Width() + m_rcRightAxis.Width();
    BOOL gridDrawn = FALSE;
    CIndex axis;
    for (int n = 0; n < 2; ++n)
    {
        bool right = n == 0;
        if (right ? !m_bRightScaleSet : !m_bLeftScaleSet)
            continue;
        const DREGIONSIDEDATA& side = right ? m_RegionData.RightSide : m_RegionData.LeftSide;
        ValueAxisParams p;
        p.axis = right ? CRect(draw.right, draw.top, width, draw.bottom) : CRect(0, draw.top, draw.left, draw.bottom);
        p.plotLeft = draw.left;
        p.plotRight = draw.right;
        p.plotTop = 0;
        p.plotBottom = m_rcPlot.Height();
        p.clipBottom = m_rcPlot.Height();
        p.maximum = right ? m_nRightMax : m_nLeftMax;
        p.minimum = right ? m_nRightMin : m_nLeftMin;
        p.pixelsPerUnit = right ? m_fRightFactor : m_fLeftFactor;
        p.unit = side.Unit;
        p.unitColour = side.UnitColor.GetColor();
        p.format.fractionBase = side.FracBase;
        p.format.precision = side.Precision;
        p.format.divisor = side.Divisor;
        p.format.decimals = side.Decimals;
        p.inverted = m_RegionData.Reverse != 0;
        if (m_pProperties)
        {
            p.horizontalGrid = m_pProperties->m_nHIndi;
            p.gridColour = m_pProperties->m_clrHIndi.GetColor();
            p.verticalGrid = m_pProperties->m_nVIndi && m_pGridX;
            p.gridX = m_pGridX;
            p.timeKind = m_pProperties->GetTimeKind();
        }
        // Below 1 the region keeps its last-value tags and shows them on the axes.
        if (m_RegionData.TagOff < 1)
        {
            p.currentValue = side.TagValue;
            p.signCode = side.TagState;
        }
        if (p.maximum == INT_MIN || p.minimum == INT_MAX)
            continue;
        axis.Draw(pMemDC, p, !right, gridDrawn);
    }
}

void CRegionCanvas::DrawHighlight(CDC* pMemDC)
{
    if (m_nHighlightSlot < 0)
        return;
    CRect draw = GetDrawRect();
    int x0 = int(float(m_nHighlightSlot - m_nFirst) * m_fPixelsPerSlot + float(draw.left));
    int x1 = int(float(m_nHighlightSlot + 1 - m_nFirst) * m_fPixelsPerSlot + float(draw.left));
    int x = x0 + (x1 - x0) / 2;
    COLORREF colour = m_clrText.GetColor();
    pMemDC->FillSolidRect(x, 0, 1, draw.bottom, colour);
    if (m_strHighlight.IsEmpty())
        return;
    int width = pMemDC->GetTextExtent(m_strHighlight).cx;
    int textX = x + 10 + width > draw.right ? x0 - width - 10 : x + 10;
    int oldMode = pMemDC->SetBkMode(TRANSPARENT);
    COLORREF oldColour = pMemDC->SetTextColor(colour);
    pMemDC->TextOut(textX, 30, m_strHighlight);
    pMemDC->SetTextColor(oldColour);
    pMemDC->SetBkMode(oldMode);
}

void CRegionCanvas::Paint(CDC* pDC, CDC* pMemDC, COLORREF background)
{
    m_bPainted = 0;
    CRect draw = GetDrawRect();
    int width = m_rcLeftAxis.Width() + m_rcPlot.Width() + m_rcRightAxis.Width();
    int height = m_rcPlot.Height();
    pMemDC->FillSolidRect(0, 0, width, height, background);

    CFont font;
    if (m_pProperties)
        FontFromDescription(m_pProperties->m_strFont, &font);
    CDCSelectGuard selectFont(pMemDC->GetSafeHdc(), font.GetSafeHandle());

    bool secondBars = false;
    for (INT_PTR i = 0; i < m_Objects.GetSize(); ++i)
    {
        CDrawObject* object = m_Objects.GetAt(i);
        secondBars = secondBars || (object && object->GetKind() == DRAWKIND_BAR2);
    }
    if (!(m_RegionData.Reverse != 0 && secondBars))
        DrawAxes(pMemDC);

    CLegendLayout legend(draw);
    int oldMode = pMemDC->SetBkMode(TRANSPARENT);
    for (INT_PTR i = 0; i < m_Objects.GetSize(); ++i)
    {
        CDrawObject* object = m_Objects.GetAt(i);
        if (!object || !object->m_bShown)
            continue;
        DrawObjectEntry(pMemDC, legend, object);
        object->Draw(draw, pMemDC, m_RegionData.Reverse != 0);
    }
    pMemDC->SetBkMode(oldMode);

    DrawTrends(pMemDC, m_nFirst, m_nFirst + m_nCount - 1, m_fPixelsPerSlot);
    DrawHighlight(pMemDC);
    if (pDC)
        pDC->BitBlt(m_rcPlot.left - m_rcLeftAxis.Width(), m_rcPlot.top, width, height, pMemDC, 0, 0, SRCCOPY);
    m_bPainted = 1;
}
