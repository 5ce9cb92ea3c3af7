// The time axis: which bars get a label (pure) and CTimeDrawerEx, which paints it.
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "GraphKitApi.h"
#include "TextMeasurer.h"

class CTimeDataCell;
struct CSeriesSettings;

// What the label choice reads of the time series and the chart.
struct TimeAxisInput
{
    const int* times = nullptr; // newest first
    int length = 0;
    int kind = 0;
    float barWidth = 0;
    int firstBar = 0; // screen order: bar 0 is the oldest slot
    int barCount = 0;
    int xDivisor = 0; // kind 5
    int xDecimals = 0;
};

// One mark of the axis, x measured from the strip's left edge: a tick, and a label when the
// text is not empty (centred on x, left edge textLeft).
struct TimeAxisMark
{
    int x = 0;
    int textLeft = 0;
    CSize textSize;
    CString text;
};

// Kinds 0 to 2: every how many bars a label is tried, from the sample label width.
GRAPHKIT_API int TimeLabelStep(int labelWidth, float barWidth, int barCount);
// Kinds 3 and 4: the minute step from the label width and the bars per minute.
GRAPHKIT_API int TimeMinuteStep(int labelWidth, float barWidth, int barsPerMinute);
// The sample label of a kind ("XX/XX", "  XX/XX  ", "00:00", "00000").
GRAPHKIT_API CString TimeLabelSample(int kind);

// The marks of the visible bars and the x positions handed on for vertical grid lines.
GRAPHKIT_API void LayoutTimeAxis(const TimeAxisInput& input, const ITextMeasurer& measurer,
                                 CArray<TimeAxisMark, const TimeAxisMark&>& marks, CArray<int, int>& gridX);

class GRAPHKIT_API CTimeDrawerEx
{
public:
    CTimeDrawerEx(CTimeDataCell* cell, const CSeriesSettings* settings);
    virtual ~CTimeDrawerEx() {}

    // Paints the axis strip rect into memoryDC (when given, else straight into target) and copies
    // it to target; grid x positions (strip coordinates plus rect.left) go to gridX.
    void Draw(CDC* target, const CRect& rect, CDC* memoryDC, CFont* font, CArray<int, int>& gridX);

    CTimeDataCell* m_pCell;
    const CSeriesSettings* m_pSettings;
};
