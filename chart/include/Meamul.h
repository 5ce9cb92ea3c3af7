// CMeamul: the volume-at-price drawer: one bar per price level, split into two or three
// coloured parts, with price labels, a header band and a volume scale along the bottom.
#pragma once

#include <afxcoll.h>
#include <afxtempl.h>
#include <afxwin.h>

#include "GraphKitApi.h"
#include "KindRecords.h"

// The volume-at-price scale step of a value: with d its leading digit and e one less than its
// number of digits, 2, 3, 4 or 5 times 10^e for d = 1 to 4, else 10^(e + 1); 0 for 0 or less.
GRAPHKIT_API long long VolumeScaleStep(long long value);

// The percentage after a bar: hundredths of a per cent as whole per cent, "45%" for 4567.
GRAPHKIT_API CString VolumePercentText(int hundredths);

class CProperties;

class GRAPHKIT_API CMeamul
{
public:
    CMeamul();
    virtual ~CMeamul();

    // The chart's font (none: the device context's) and the settings record of its volume-at-
    // price object; the drawer keeps its own copy of the record.
    void SetFont(CFont* font) { m_pFont = font; }
    void SetProperty(const DMEAMULPROP& record) { m_record = record; }
    const DMEAMULPROP& GetProperty() const { return m_record; }
    // Hands the drawer what it reads of its chart: the chart's font and the record of the
    // chart's volume-at-price object (its first object of that kind). FALSE when the chart has
    // no such object; the record then stays as it was. Called again after the chart's
    // settings change.
    BOOL SetChart(const CProperties* properties);

    // Fills the levels from the host's data; the drawer groups nothing itself. The host gives
    // count levels already grouped per price: prices with their first and last volume parts,
    // and optionally middle parts (three-part bars) and percentages in hundredths of a per
    // cent. They are kept from the highest price down; all become visible and the largest
    // total is worked out. Returns the number of levels.
    int SetLevels(int count, const int* prices, const int* firstParts, const int* lastParts,
                  const int* middleParts = nullptr, const int* percents = nullptr);
    // The five-row layout's six price boundaries (lowest first) and five band volumes (lowest
    // band first), as decimal texts.
    void SetBands(const CStringArray& boundaries, const CStringArray& volumes);
    void SetLayout(int mode) { m_nLayout = mode; }
    void SetGridStyle(int style) { m_nGridStyle = style; }
    void SetPriceFormat(int divisor, int decimals)
    {
        m_nDivisor = divisor;
        m_nDecimals = decimals;
    }
    // The bottom scale's number of major ticks (0: none) and the divisor of its labels.
    void SetScale(int majorTicks, int divisor)
    {
        m_nMajorTicks = majorTicks;
        m_nScaleDivisor = divisor;
    }

    // Fills the area with the background and draws into it.
    void SetArea(CRect rect, COLORREF background, CDC* pDC);
    void Draw(CDC* pDC);

    int GetLevelCount() const { return m_nLevels; }
    int GetLargestTotal() const { return m_nLargest; }
    CRect GetPlot() const { return m_rcPlot; }

    CFont* m_pFont; // not owned
    DMEAMULPROP m_record;
    CArray<int, int> m_arPrice;
    CArray<int, int> m_arFirst;
    CArray<int, int> m_arLast;
    CArray<int, int> m_arSpare;
    CArray<int, int> m_arPercent;
    CArray<int, int> m_arMiddle;
    int m_bThreeParts;
    int m_nLevels;
    int m_nDivisor;
    int m_nDecimals;
    CRect m_rcPlot;
    CRect m_rcSecond;
    float m_fPerUnit;
    int m_nLargest;
    CStringArray m_arBoundaries;
    CStringArray m_arBandVolumes;
    int m_nFirstVisible;
    int m_nLastVisible;
    // 0 lines, 1 alternating bands, 2 double lines.
    int m_nGridStyle;
    // 0 levels in rows; anything else the five-row layout.
    int m_nLayout;
    int m_nMajorTicks;
    int m_nScaleDivisor;

private:
    void DrawHeader(CDC* pDC, const CRect& band);
    void DrawFrame(CDC* pDC);
    void DrawGridAt(CDC* pDC, int y, int previous, int n);
    bool DrawPriceLabel(CDC* pDC, int y, const CString& text, int& lastBottom);
    void DrawPriceRows(CDC* pDC);
    void DrawBarParts(CDC* pDC, int level, int upper, int lower, int rowHeight, bool edges);
    void DrawRowBars(CDC* pDC);
    void DrawPriceBars(CDC* pDC);
    void DrawFiveRows(CDC* pDC);
    void DrawScale(CDC* pDC, const CRect& strip);

    // The plot less the header band above it and the scale below it.
    CRect m_rcInner;
    // The chart's font, made from its description by SetChart.
    CFont m_chartFont;

    CMeamul(const CMeamul&) = delete;
    CMeamul& operator=(const CMeamul&) = delete;
};
