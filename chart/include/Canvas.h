// CCanvas: the chart window. It owns the regions, the series and the time series, the bottom
// tool bar, the splitters and the back buffer; lays them out in its client area, paints them
// double-buffered and repaints at most five times a second when data changes.
#pragma once

#include <afxcoll.h>
#include <afxtempl.h>
#include <afxwin.h>

#include "CanvasCommands.h"
#include "CanvasReadOut.h"
#include "ChartDragDrop.h"
#include "ChartToolBar.h"
#include "DivideWnd.h"
#include "GraphKitApi.h"
#include "MapIntToOb.h"
#include "Meamul.h"
#include "Properties.h"
#include "RegionCanvas.h"
#include "SeriesSettings.h"
#include "SkinCache.h"
#include "TimeDataCell.h"
#include "ValueAxis.h"

class CDataCell;
class CDrawObject;
class CSearchWnd;

// The object style map's key of an object: region id and object id as "%03d:%03d". The colon
// keeps the key unambiguous for ids of 1000 and more (ids are never reused); the archives store
// the ids as ints, so no stored file holds this text.
GRAPHKIT_API CString ObjectStyleKey(int regionId, int objectId);
// Splits a key made by ObjectStyleKey; FALSE (nothing written) for any other text.
GRAPHKIT_API BOOL SplitObjectStyleKey(LPCSTR key, int& regionId, int& objectId);

// One region's part in the layout: whether it is shown and its share of the plot height.
struct CanvasRegionShare
{
    BOOL visible;
    float ratio;
};

// The rectangles of the regions (hidden ones empty) in a plot area whose regions span from
// plot left + L to plot right - R: stacked by share, or in two columns (layout kind 1, not for
// time kind 6) with the first n / 2 visible regions on the left.
GRAPHKIT_API void PlaceCanvasRegions(const CRect& plot, int L, int R, int layoutKind, int timeKind,
                                     const CArray<CanvasRegionShare, const CanvasRegionShare&>& shares,
                                     CArray<CRect, const CRect&>& rects);

// Screen slot of an x coordinate, clamped to 0 ... count - 1. rightColumnLeft is the left edge
// of the right column in the two-column layout (0 when stacked).
GRAPHKIT_API int CanvasSlotOfX(int x, int plotLeft, int L, int rightColumnLeft, float pixelsPerSlot, int count);
// Data index of screen slot s: total - first - s - 1 (slots count from the newest data).
inline int CanvasDataIndex(int total, int first, int slot) { return total - first - slot - 1; }

// Data records of a canvas style snapshot: one object's look by its kind.
class GRAPHKIT_API CObjectStyle : public CObject
{
public:
    int m_nKind = 0;
    COLORREF m_cr1 = 0, m_cr2 = 0, m_cr3 = 0;
    int m_n1 = 0, m_n2 = 0, m_n3 = 0, m_n4 = 0;
};

// Canvas messages. 2028 also is the colour picker's "selection confirmed" (CPN_SELENDOK): the
// canvas takes it from the draw objects' settings dialogs (both parameters 0) and from a picker
// that is its own child (long parameter that picker's control id), from nobody else.
#define WM_CANVAS_STYLE_CHANGED 2028
#define WM_LOOKUP_CLOSED (WM_USER + 120)

// The axis choice for a dropped series: preset with the side the series would take (1 right when
// the region already draws a series, else 0 left); FALSE when the user cancels.
typedef BOOL (*DropAxisDialogFn)(CWnd* parent, BOOL regionHasSeries, int& axisSide);

// The canvas's own trend layer: vertical lines over every region, picked over the trend area.
class GRAPHKIT_API CCanvasTrend : public CTrend
{
public:
    CCanvasTrend() : m_pArea(nullptr) {}
    void SetArea(const CRect* area) { m_pArea = area; }
    CRect GetTrendRect() override { return m_pArea ? *m_pArea : CTrend::GetTrendRect(); }
    CRect GetDrawRect() override { return GetTrendRect(); }
    CRect GetHitRect() override { return GetTrendRect(); }
    CRect GetRegionRect() override { return GetTrendRect(); }

private:
    const CRect* m_pArea;
};

// Draw modes of the pointer.
enum
{
    DRAWMODE_DEFAULT = 0,
    DRAWMODE_TREND = 1,
    DRAWMODE_HORIZONTAL = 2,
    DRAWMODE_VERTICAL = 3,
};

class GRAPHKIT_API CCanvas : public CWnd, public IChartBarSink
{
public:
    enum
    {
        TIMER_REPAINT = 1000,
        REPAINT_PERIOD = 200,
        TIME_AXIS_HEIGHT = 16,
    };

    CCanvas();
    virtual ~CCanvas();

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Model operations.
    // Adds a region; its id, or -1.
    int AddRegion();
    // Hands a draw object to a region, which owns it; the object's id in the region, or -1 (the
    // object deleted) when there is no such region.
    int AddDrawObject(int regionId, CDrawObject* object);
    // Keeps a series store (owned), linked to the main time series unless it has one; its id.
    // A store whose link is taken away afterwards stays off the time axis: real-time appends
    // leave it alone.
    int AddSeries(CDataCell* series);
    // A store of four columns of count values each (newest first) with the free block of empty
    // slots in front, linked to the chart's time series and told its value range; its id, or
    // -1 (nothing kept) without columns or values or when no time series has the id.
    int AddFourColumnSeries(const int* const columns[4], int count, int timeSeriesId);
    // A draw object of a kind on a value axis side (0 left, 1 right) over the series with the
    // id (none when negative), added to the region; the object's id in the region, or -1
    // (nothing added) when the region or the series does not exist.
    int AddDrawObject(int regionId, int seriesId, int kind, int axisSide);
    // Deletes a region's draw object; the number of objects left, or -1 when there is none.
    int RemoveDrawObject(int regionId, int objectId);
    // Deletes a series store; refused (FALSE) while a draw object still draws it.
    BOOL RemoveSeries(int id);
    // Adds a block of times (newest first) of a time kind and minute unit: refused (-1, nothing
    // changed) when series exist and the kind or (interval charts) the minute unit differs, or
    // the block's times are not wholly before or after the present ones. The block joins the
    // main time series; the shown window then covers everything, keeps its count (the
    // keep-count switch) or takes the property set's default count. Its id.
    int AddTimeSeries(const int* times, int count, int timeKind, int minuteUnit);
    // The first block of a chart in its own time kind and minute unit.
    int SetTimes(const int* times, int count)
    {
        return AddTimeSeries(times, count, m_Properties.GetTimeKind(), m_Properties.GetMinTerm());
    }
    // Sets the display count keeping the right edge: first += old - new; when that is negative
    // the first index becomes 0 and the count is cut to the total.
    void SetDisplayCount(int count);
    // Empty slots kept in front of the newest data of new series.
    int GetFreeBlock() const { return m_nFreeBlock; }
    void SetKeepCount(BOOL keep) { m_bKeepCount = keep ? 1 : 0; }
    BOOL GetKeepCount() const { return m_bKeepCount; }
    // Frees regions, series, time series, zoom history and splitters.
    void ClearAll();
    // A value update without a new slot: the series changed in place.
    void OnDataChanged();
    // A real-time time value: the number of new slots (0 for day charts and for a time within
    // the newest interval bar), or -1 when refused (no time series, a kind without real-time
    // slots, an interval chart without an interval). Every series and the time series open the
    // new slots; with the move-with-data switch the display count grows by them, and a shown
    // window that reached the newest bar moves on with it.
    int AppendRealTime(int time);
    // Marks the canvas dirty: the repaint timer paints once for every change since.
    void SetDirty() { m_bRepaintPending = 1; }
    BOOL IsDirty() const { return m_bRepaintPending; }

    // Layout operations.
    void RecalcLayout();
    void RecalcPixelsPerSlot();
    void UpdateShowWindow();
    void ComputeScales();
    void PlaceSplitters();
    void UpdateScrollBar();
    // Shown data window.
    void SetShowWindow(int first, int count);
    // Holds the shown window to the series (count at most the total) and, with toNewest, puts
    // its right edge on the newest bar.
    void FitShownWindow(BOOL toNewest);
    int GetFirstIndex() const { return m_nFirst; }
    int GetDisplayCount() const { return m_nDisplayCount; }
    float GetPixelsPerSlot() const { return m_fPixelsPerSlot; }
    // Items of the time series (its slots less the free block in front).
    int GetTotalCount() const { return m_TimeCell.GetLength() - m_TimeCell.GetCurrentIndex(); }
    // Screen slot of an x coordinate, and the data index of a screen slot.
    int SlotOfX(int x) const;
    int DataIndexOfSlot(int slot) const { return CanvasDataIndex(GetTotalCount(), m_nFirst, slot); }

    // The canvas side of a splitter release: the boundary between the released splitter's
    // region and the last visible region above it moves by dy; nothing happens when there is
    // no visible region above. FALSE when nothing moved.
    BOOL MoveRegionBoundary(int index, int dy);

    // Style snapshot: every line, candle and bar object's look under its key.
    void TakeStyleSnapshot();
    // Writes the look stored under the key back into the object the key names; FALSE when
    // nothing was written (no such key or object, or the object's kind differs).
    BOOL RestoreStyle(LPCSTR key);
    BOOL RestoreObjectStyle(int regionId, int objectId) { return RestoreStyle(ObjectStyleKey(regionId, objectId)); }
    int GetStyleCount() const { return int(m_mapStyles.GetCount()); }
    // Files a look under a key, taking it over; a look the key held before is freed.
    void SetObjectStyle(LPCSTR key, CObjectStyle* style);
    const CObjectStyle* GetObjectStyle(LPCSTR key) const;
    // Frees every look.
    void ClearStyles() { FreeStyles(); }

    // Crosshair state (its pointer handling comes with the canvas's mouse side).
    void SetCrosshair(BOOL on, CPoint point);
    // A value tag of the crosshair is shown: a value update redraws the crosshair after paint.
    void SetCrosshairTagShown(BOOL shown) { m_bCrossTagShown = shown; }

    CDataCell* GetSeries(int id) const { return m_Series.Lookup(id); }
    int GetSeriesCount() const { return int(m_Series.GetSize()); }
    CDataCell* GetSeriesAt(int position, int* id = nullptr) const { return m_Series.GetAt(position, id); }
    CTimeDataCell& GetMainTime() { return m_TimeCell; }
    CProperties& GetProperties() { return m_Properties; }
    CSeriesSettings& GetSeriesSettings() { return m_Settings; }
    CRegionCanvas* GetRegion(int id) const { return m_Regions.Lookup(id); }
    CRegionCanvas* GetRegionAt(int position, int* id = nullptr) const { return m_Regions.GetAt(position, id); }
    int GetRegionCount() const { return int(m_Regions.GetSize()); }
    float GetRegionRatio(int id) const
    {
        float ratio = 0;
        return m_mapRatios.Lookup(id, ratio) ? ratio : 0.0f;
    }
    // The paint itself, into any DC over the client rectangle.
    void PaintTo(CDC* pDC, const CRect& client);
    CDivideWnd* GetSplitter(int id) const { return m_Splitters.Lookup(id); }
    CChartBtmBar* GetBottomBar() { return m_bBarCreated ? &m_BottomBar : nullptr; }
    CSkinCache& GetSkinCache() { return m_SkinCache; }
    CMSToolTipCtrl& GetReadOutTip() { return m_ReadOut; }
    // The bottom axis of the category layout (time kind 6): its category texts, which the
    // property set fills.
    CAxisDataCell& GetCategoryAxis() { return m_AxisCell; }
    // The volume-at-price drawer, which fills the whole client area in the layout of time kind -1.
    CMeamul& GetVolumeDrawer() { return m_Meamul; }
    // The time axis' label positions of the last paint, where the vertical grid runs.
    const CArray<int, int>& GetGridPositions() const { return m_arGridX; }
    const CRect& GetPlotRect() const { return m_rcPlot; }
    const CRect& GetTimeRect() const { return m_rcTime; }
    const CRect& GetWholeRect() const { return m_rcWhole; }
    void SetLayoutKind(int kind);
    int GetLayoutKind() const { return m_nLayoutKind; }
    void SetDataReady(BOOL ready) { m_bDataReady = ready; }
    BOOL IsDataReady() const { return m_bDataReady; }

    // Counters of what the window did, for tests and the benchmark.
    int GetPaintCount() const { return m_nPaints; }
    int GetCrosshairRedraws() const { return m_nCrossRedraws; }
    double GetPaintSeconds() const { return m_dPaintSeconds; }
    void ResetCounters()
    {
        m_nPaints = m_nCrossRedraws = 0;
        m_dPaintSeconds = 0;
    }

    // Options written by the control.
    int m_nToolBarUse;
    int m_nRealFixNeed;
    int m_nToolTipUse;
    int m_nFluctuationUse;

    // The control's double-click notice: on, with the name the host gave.
    void UseDblClick(LPCSTR name)
    {
        m_bDblClickNotify = 1;
        m_strDblClickName = name;
    }
    BOOL IsDblClickUsed() const { return m_bDblClickNotify; }
    void SetDblClickName(LPCSTR name) { m_strDblClickName = name; }
    CString GetDblClickName() const { return m_strDblClickName; }

    // Value lookup: on, the lookup window shows the rows of screen slot 0 and follows the
    // pointer; off, the window goes. Refused (FALSE) before data is loaded, and with a message
    // in the layouts without a time axis.
    BOOL SetLookup(BOOL on);
    BOOL IsLookupOn() const { return m_bLookupOn; }
    CSearchWnd* GetLookupWnd() const { return m_pLookupWnd; }
    // Fills the lookup window with the time and every shown series at screen slot s.
    void FillLookup(int slot);

    // The dialogs live with the chart's dialogs, which register the axis choice here; without
    // one a drop takes the preset side.
    static void SetDropAxisDialog(DropAxisDialogFn dialog);
    CLIPFORMAT GetDragFormat() const { return m_cfLongArray; }
    COleDropTargetCanvas& GetDropTarget() { return m_DropTarget; }

    // Overridden by the control.
    virtual void FireOnBongCreate() {}
    virtual void CanvasDblClick(long time) { (void)time; }
    virtual CString GetCommonPath() { return CString(); }
    virtual void ShowMessageBox(CString text) { (void)text; }

    // IChartBarSink: the bottom bar's scroll bar and zoom slider.
    void OnBarScroll(int code, int position, CWnd* element) override;
    void OnBarSlider(int code, int position, CWnd* element) override;

    // Pointer side: the crosshair's column at a point (1 left or only, 2 right column of the
    // two-column layout, 0 outside) and the hit rectangle of a column.
    int CrosshairColumn(CPoint point) const;
    CRect CrosshairRect(int column) const;
    BOOL IsCrosshairOn() const { return m_bCrossOn; }
    CPoint GetCrosshairPoint() const { return m_ptCross; }
    // The three value tags of the crosshair, shared by every canvas of the process (time, left
    // value, right value); null before the first crosshair.
    static CWnd* GetCrosshairTag(int index);
    // The read-out text of the data slot under a client point; empty when the point shows none.
    CString BuildReadOut(CPoint point);
    BOOL IsEnglish() const { return m_Properties.m_bEnglish != 0; }

    // Commands of the bottom bar.
    int GetDrawMode() const { return m_nDrawMode; }
    // The draw-mode popup: four items, the current mode checked.
    void MakeDrawModeMenu(CMenu& menu) const;
    int GetZoomDepth() const { return int(m_arZoom.GetSize()); }
    COLORREF GetTrendColour() const { return m_crTrend; }
    int GetTrendStyleValue() const { return m_nTrendStyleValue; }
    CCanvasTrend& GetCanvasTrend() { return m_Trend; }
    BOOL IsSeriesSelected() const { return m_bSelected; }
    // The selected series' object id, -1 when none is selected.
    int GetSelectedObject() const { return m_bSelected ? m_nSelObject : -1; }
    // Erases the selection marks and drops the selection.
    void ClearSelection();

protected:
    // The crosshair drawn again at its last point without value tags (XOR); the mouse side of
    // the canvas draws the lines.
    virtual void DrawCrosshair(CDC* pDC, CPoint point, BOOL withTags);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnDivideReleased(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnStyleChanged(WPARAM wParam, LPARAM lParam);
    // A dropped "CF_LONGARRAY" block (WM_CHART_DROP): a series for the region under the point,
    // or -1 when the block is not sound, no region is there or its times do not fit the chart's.
    afx_msg LRESULT OnChartDrop(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLookupClosed(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLookupCommand();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void PaintBody(CDC* pDC, const CRect& client);
    void PaintCategoryLayout(CDC* pDC, COLORREF background);
    void DrawBorder(CDC* pDC, const CRect& client, COLORREF colour);
    void PlaceRegions();
    int VisibleRegionCount() const;
    void FreeStyles();
    // Pointer side.
    void DrawCrossLines(CDC* pDC, CPoint point, int column);
    void ShowCrosshairTags(CPoint point, int column);
    static void HideCrosshairTags();
    static void MakeCrosshairTags();
    CRegionCanvas* VisibleRegionAt(CPoint point, int* id = nullptr) const;
    void DrawRubberLine();
    // Commands.
    void RefreshWindow();
    void OnDrawModeButton();
    void SetDrawMode(int mode);
    void OnLayoutSwitch();
    void OnZoomBack();
    void OnZoomIn();
    void OnTrendStyle();
    void OnDisplayCount();
    void OnSettings();

    int m_bRepaintPending;
    CMapStringToOb m_mapStyles;
    CSkinCache m_SkinCache;
    int m_bDblClickNotify;
    CString m_strDblClickName;
    int m_nCategoryCount;
    CAxisDataCell m_AxisCell;
    CMeamul m_Meamul;
    int m_bCrossOn;
    CPoint m_ptCross;
    int m_bRedrawAfterPaint;
    int m_bCrossTagShown;
    CStringArray m_arNames[CProperties::kNameLists];
    CMSToolTipCtrl m_ReadOut;
    CChartBtmBar m_BottomBar;
    int m_bBarCreated;
    int m_nBarHeight;
    int m_nFreeBlock;
    CDC m_MemDC;
    CBitmap* m_pBackBuffer;
    COLORREF m_crBuffer;
    int m_nLayoutKind;
    int m_bKeepCount;
    CProperties m_Properties;
    CSeriesSettings m_Settings;
    int m_bDataReady;
    CRect m_rcWhole;
    CRect m_rcPlot;
    CRect m_rcTime;
    CRect m_rcTrend;
    CTypedMapIntToOb<CDataCell> m_Series;
    CTypedMapIntToOb<CRegionCanvas> m_Regions;
    CTimeDataCell m_TimeCell;
    CTypedMapIntToOb<CTimeDataCell> m_TimeBlocks; // the blocks that came with the series
    float m_fPixelsPerSlot;
    int m_nFirst;
    int m_nDisplayCount;
    CTypedMapIntToOb<CDivideWnd> m_Splitters;
    CMap<int, int, float, float> m_mapRatios; // each region's share of the plot height, by id
    CArray<int, int> m_arGridX; // the time axis' label positions of the last paint
    CWnd* m_pParentWnd;
    int m_bLookupOn;
    CSearchWnd* m_pLookupWnd;
    COleDropTargetCanvas m_DropTarget;
    CKOleDropSource m_DropSource;
    CLIPFORMAT m_cfLongArray;

    int m_nPaints;
    int m_nCrossRedraws;
    double m_dPaintSeconds;

    int m_nCrossColumn;
    CPoint m_ptReadOut;
    int m_nReadOutSlot;
    BOOL m_bReadOutShown;
    int m_nSelRegion;
    int m_nSelObject;
    int m_bSelected;
    int m_nDrawMode;
    int m_bDrawing;
    CPoint m_ptStart;
    CPoint m_ptEnd;
    int m_nDrawRegion;
    COLORREF m_crTrend;
    int m_nTrendWidth;
    int m_nTrendStyle;
    int m_nTrendStyleValue; // what the trend dialog is given next: the chosen entry plus one
    CArray<CanvasWindowState, const CanvasWindowState&> m_arZoom;
    CCanvasTrend m_Trend;
};
