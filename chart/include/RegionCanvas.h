// CRegionCanvas: one pane of the chart: its draw objects, the value scales of its two axes,
// hit tests, the legend and its paint into the canvas's back buffer. It is also the coordinate
// frame of the trend lines drawn in it.
#pragma once

#include <afxwin.h>

#include "CtlColor.h"
#include "GraphKitApi.h"
#include "LayoutRecords.h"
#include "MapIntToOb.h"
#include "Trend.h"

class CDrawObject;
class CProperties;

// How an object takes part in its region's scales (its axis side).
enum
{
    SCALEMODE_NEW_RIGHT = 0,
    SCALEMODE_SHARE_RIGHT = 1,
    SCALEMODE_NEW_LEFT = 2,
    SCALEMODE_SHARE_LEFT = 3,
    SCALEMODE_OWN = 4,
};

// Where one legend entry goes: the swatch at x, the text at textLeft on the row at y.
struct LegendPlace
{
    int x = 0;
    int y = 0;
    int textLeft = 0;
};

// Lays out legend entries along the top of a drawing rectangle, wrapping to a new row when a
// text would pass the right edge.
class GRAPHKIT_API CLegendLayout
{
public:
    explicit CLegendLayout(const CRect& draw);
    // The place of the next entry whose text is width x height pixels.
    LegendPlace Next(CSize text);

private:
    CRect m_rcDraw;
    int m_nX;
    int m_nY;
    bool m_bRowStart;
};

class GRAPHKIT_API CRegionCanvas : public CTrend
{
public:
    explicit CRegionCanvas(CProperties* properties);
    virtual ~CRegionCanvas();

    CRect GetTrendRect() override;
    CRect GetDrawRect() override;
    CRect GetHitRect() override;
    CRect GetRegionRect() override;
    float GetPixelsPerUnit() override;
    int GetRightMax() override;
    int GetRightMin() override;
    int GetLeftMax() override;
    int GetLeftMin() override;
    void GetLeftScale(float& factor, int& divisor, int& decimals) override;
    int IsLogScale() override;
    void GetRightScale(float& factor, int& divisor, int& decimals) override;
    int IsReversedScale() override;
    CProperties* GetProperties() override;

    // Makes an object like the given one (its placement: store, kind, side, steps) and keeps it.
    int AddDrawObject(const CDrawObject& source);
    // Keeps the object, which the region then owns.
    int AddDrawObject(CDrawObject* object);
    // Deletes the object; the number left, or -1 when the id is not there.
    int RemoveDrawObject(int id);
    void RemoveAllObjects();
    CDrawObject* GetDrawObject(int id) const;
    int GetObjectCount() const { return int(m_Objects.GetCount()); }
    // The object at a position of the region's order, or null.
    CDrawObject* GetObjectAt(int position, int* id = nullptr) const { return m_Objects.GetAt(position, id); }
    int GetObjectDataCount(int id) const;
    // Toggles a visible object's selection and draws its selection marks.
    void ToggleSelect(CDC* pDC, int id);

    // The shown window, handed to every object.
    void SetShowWindow(int first, int count, float pixelsPerSlot);
    // The first visible object (in map order) on whose drawing the point lies, or -1.
    int HitTest(int x, int y);
    BOOL PtInRegion(CPoint point) const { return m_rcPlot.PtInRect(point) != FALSE; }
    // Places the plot at rect with the value axes either side of it.
    void Place(const CRect& rect);
    void SetHighlightSlot(int slot, LPCSTR caption = "")
    {
        m_nHighlightSlot = slot;
        m_strHighlight = caption;
    }
    int GetHighlightSlot() const { return m_nHighlightSlot; }
    CString GetHighlightText() const { return m_strHighlight; }
    void SetDisplayFactor(float factor) { m_fDisplayFactor = factor; }
    void SetRegionTextColor(const CCtlColor& colour) { m_clrText = colour; }

    // The lookup rows (CSearchData) of the visible objects at the axis position slot, in
    // position order; the time kind decides whether rows carry the value before.
    void AddLookupRows(int slot, CObList& rows, int timeKind);
    // The tooltip rows of every object, hidden ones too, at the axis position slot.
    void AddTipRows(int slot, CObList& rows);
    // The x positions of the time axis' labels in the strip, where the vertical grid stands
    // when the chart shows it; not owned (none: no vertical grid).
    void SetGridPositions(const CArray<int, int>* positions) { m_pGridX = positions; }

    // Recomputes both scales from the visible objects (after data or layout changes).
    void ComputeScales();
    // Paints the region into the back buffer selected in pMemDC (its strip from the origin)
    // and copies the strip to pDC at the plot less the left axis.
    void Paint(CDC* pDC, CDC* pMemDC, COLORREF background);

    DREGIONDATA& GetRegionData() { return m_RegionData; }
    const CRect& GetPlotRect() const { return m_rcPlot; }
    const CRect& GetLeftAxisRect() const { return m_rcLeftAxis; }
    const CRect& GetRightAxisRect() const { return m_rcRightAxis; }
    float GetRightFactor() const { return m_fRightFactor; }
    float GetLeftFactor() const { return m_fLeftFactor; }
    BOOL IsRightScaleSet() const { return m_bRightScaleSet; }
    BOOL IsLeftScaleSet() const { return m_bLeftScaleSet; }

    // Pixels per unit of a scale over the plot's line height; 0 for an empty or unset range.
    float ScaleFactor(int maximum, int minimum) const;

    int m_bVisible;
    // The host's absolute-scale switch (SetAbsoluteMode); the scales do not read it.
    int m_bAbsolute;

private:
    struct Range;
    struct Side;
    void ResetScales();
    void ScaleOf(bool right, float& factor, int& divisor, int& decimals) const;
    Range ObjectRange(CDrawObject* object, int mode) const;
    void SetLastValueTag(CDrawObject* object, int mode);
    void HandScale(const CArray<CDrawObject*, CDrawObject*>& members, bool right) const;
    void DrawAxes(CDC* pMemDC);
    void DrawHighlight(CDC* pMemDC);

    CProperties* m_pProperties;
    CRect m_rcRightAxis;
    CRect m_rcLeftAxis;
    CRect m_rcPlot;
    int m_nRightMax;
    int m_nRightMin;
    DREGIONDATA m_RegionData;
    int m_nLeftMax;
    int m_nLeftMin;
    int m_nRightOwner;
    int m_nLeftOwner;
    float m_fLeftFactor;
    float m_fRightFactor;
    CTypedMapIntToOb<CDrawObject> m_Objects;
    int m_nHighlightSlot;
    CString m_strHighlight;
    CCtlColor m_clrText;
    float m_fPixelsPerSlot;
    int m_nFirst;
    int m_nCount;
    float m_fDisplayFactor;
    COLORREF m_crLine;
    int m_nLineWidth;
    int m_bPainted;
    int m_bRightScaleSet;
    int m_bLeftScaleSet;
    const CArray<int, int>* m_pGridX;
};
