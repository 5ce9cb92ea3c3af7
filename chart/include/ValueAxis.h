// Value axes: the tidy scale step, which values get a label (pure), CIndex for the value scales
// of a region and CAxisDataCell for the bottom axis of the category layout.
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "GraphKitApi.h"
#include "TextMeasurer.h"

// Tidy step for a raw step: by its leading digit (raised by one when the next digit is 5 or
// more) 1, 2 or 5 times its power of ten, or the next power from 6 on and for negative values;
// 0 for 0. exponent gets the power of ten of the step.
GRAPHKIT_API long long NiceStep(long long value, int& exponent);
// Free room wanted between two labels of a vertical (CIndex) or horizontal (CAxisDataCell) axis
// of the given length in pixels.
GRAPHKIT_API int VerticalLabelGap(int length);
GRAPHKIT_API int HorizontalLabelGap(int length);

// How numbers of one value-axis side are written (FormatNumberValue).
struct NumberFormat
{
    int fractionBase = -1;
    int precision = -1;
    int divisor = 1;
    int decimals = 0;
    int decimalsOverride = 0;
};
GRAPHKIT_API CString FormatAxisValue(long long value, const NumberFormat& format);

struct ValueScaleInput
{
    int maximum = 0;
    int minimum = 0;
    float pixelsPerUnit = 0;
    int top = 0;    // the axis strip
    int bottom = 0;
    int captionTop = 0x3FFFFFFF; // labels stay above the unit caption
    int clipBottom = 0; // a label reaching below is moved up to end there
    int labelHeight = 0;
    bool inverted = false;
    int divisions = 0; // above 0: that many evenly spaced labels where they fit the range
};

struct ValueScaleTick
{
    long long value = 0;
    int y = 0;
    int labelTop = 0;
    bool label = false; // the label fits the strip
};

// The ticks of a vertical value scale; false when nothing is drawn (no data, or the range is
// lower than a label). step gets the scale step (0 in fixed-division mode).
GRAPHKIT_API bool LayoutValueScale(const ValueScaleInput& input, CArray<ValueScaleTick, const ValueScaleTick&>& ticks,
                                   long long* step = nullptr);

struct AxisLabel
{
    long long value = 0;
    int x = 0;
    int textLeft = 0;
    CString text;
};

// The labels of a horizontal value scale from left to right (axis length right - left);
// labelCount 0 spaces them by the label width.
GRAPHKIT_API void LayoutHorizontalScale(int maximum, int minimum, int left, int right, int labelCount,
                                        const NumberFormat& format, const ITextMeasurer& measurer,
                                        CArray<AxisLabel, const AxisLabel&>& labels);
// The category labels under the bars: every s-th category, taken from the last with dataOrder.
GRAPHKIT_API void LayoutCategoryAxis(const CStringArray& categories, float barWidth, int dataOrder,
                                     const ITextMeasurer& measurer, CArray<AxisLabel, const AxisLabel&>& labels);

// Everything one side of a region's value axis is drawn from.
struct ValueAxisParams
{
    CRect axis;         // the axis strip
    int plotLeft = 0;   // the region's plot edges
    int plotRight = 0;
    int plotTop = 0;
    int plotBottom = 0;
    int clipBottom = 0;
    int maximum = 0;
    int minimum = 0;
    float pixelsPerUnit = 0;
    CString unit;
    COLORREF unitColour = 0;
    NumberFormat format;
    int divisions = 0;
    COLORREF axisColour = RGB(128, 128, 130);
    COLORREF gridColour = RGB(200, 200, 200);
    BOOL horizontalGrid = FALSE;
    BOOL verticalGrid = FALSE;
    BOOL dottedGrid = FALSE;
    BOOL inverted = FALSE;
    BOOL omitFarLine = FALSE;
    int currentValue = 0;
    int signCode = 0; // 0: no tag
    const CArray<int, int>* gridX = nullptr;
    int timeKind = 0;
};

class GRAPHKIT_API CIndex
{
public:
    CIndex() {}
    virtual ~CIndex() {}

    // One side of the axis (left true: labels right-aligned before the axis line). gridDrawn is
    // shared by the two sides of a region: the side that draws grid lines sets it.
    void Draw(CDC* dc, const ValueAxisParams& params, bool left, BOOL& gridDrawn) const;

    // Colours of the current-value tag of a sign code: fill and text.
    static void TagColours(int signCode, COLORREF& fill, COLORREF& text);
};

class GRAPHKIT_API CAxisDataCell
{
public:
    CAxisDataCell();
    virtual ~CAxisDataCell() {}

    // The category labels along rect; their x positions go to gridX.
    void DrawCategories(CDC* dc, const CRect& rect, CArray<int, int>& gridX) const;
    // A horizontal value scale along rect.
    void DrawValueScale(CDC* dc, const CRect& rect, int maximum, int minimum, int labelCount,
                        const NumberFormat& format) const;
    void Reset();

    CStringArray m_arCategories;
    float m_fBarWidth;
    int m_nCount;
    // Of the chart's settings: text direction (0 across, 1 and 2 downwards), data order, colours.
    int m_nDirection;
    int m_nDataOrder;
    COLORREF m_crBack;
    COLORREF m_crLine;
    COLORREF m_crText;
};
