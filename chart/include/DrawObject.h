// CDrawObject: one chart object of a region, with the drawer of its kind, its series pointers,
// its scale and its visible window.
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "America.h"
#include "BarChart.h"
#include "GraphKitApi.h"
#include "HBarChart.h"
#include "Japan.h"
#include "LineChart.h"
#include "PieChart.h"
#include "SymbolChart.h"

class CDataCell;
class CWnd;
class DLINEPROP;
class DBARPROP;
class DHBARPROP;
class DREGIONSTRUCTURE;
class DREGIONDATA;
class DREGIONSIDEDATA;

// Drawing kinds.
enum
{
    DRAWKIND_LINE = 0,
    DRAWKIND_CANDLE = 1,
    DRAWKIND_AMERICA = 2,
    DRAWKIND_BAR = 3,
    DRAWKIND_BAR2 = 4,
    DRAWKIND_SYMBOL = 5,
    DRAWKIND_PIE = 6,
    DRAWKIND_MEAMUL = 7,
    DRAWKIND_HBAR = 8,
};

// One named reference value of the control.
struct GRAPHKIT_API CReferenceValue
{
    CString m_strName;
    int m_nValue = 0;
};
typedef CArray<CReferenceValue, const CReferenceValue&> CReferenceList;

// The settings dialogs an object opens, and the values they show and change.
enum
{
    DRAWDIALOG_CANDLE = 1,
    DRAWDIALOG_VOLUME = 2,
    DRAWDIALOG_BAR = 3,
    DRAWDIALOG_LINE = 4,
};
struct CDrawStyleValues
{
    // Candles: rising, falling; volume: bar; bars: up, down; line: line colour.
    COLORREF colour1 = 0;
    COLORREF colour2 = 0;
    // Candles: rising fill, falling fill, price bands; volume and bars: 3D; line: width - 1,
    // point style, shadow.
    int switch1 = 0;
    int switch2 = 0;
    int switch3 = 0;
};
// Runs one settings dialog modally over the values; returns the dialog's result (1 for OK).
typedef INT_PTR (*DrawStyleDialogFn)(int dialog, CDrawStyleValues& values, CWnd* parent);

class GRAPHKIT_API CDrawObject : public CJapan,
                                 public CLine,
                                 public CAmerica,
                                 public CBar,
                                 public CBar2,
                                 public CPie,
                                 public CSymbol,
                                 public CHBar
{
public:
    explicit CDrawObject(CWnd* owner = nullptr);
    virtual ~CDrawObject();

    void Draw(CRect rect, CDC* pDC, BOOL inverted);
    void DrawSelection(CRect rect, CDC* pDC);
    int HitTest(CRect rect, int x, int y, BOOL inverted);
    int GetMaxValue(int visibleOnly);
    int GetMinValue(int visibleOnly);
    // The visible data: indices first to first + count - 1 (count 0 when nothing is visible).
    void GetVisibleRange(int& count, int& first) const;
    int BindCandleSeries();
    // Binds by a line (kind 0), bar (3) or horizontal-bar (8) record; 0 for any other kind.
    int BindSeries(int kind, const void* record, const CReferenceList& references);
    void AttachDrawer();
    // Opens the settings dialog of the object's kind; on OK the drawer takes the values and the
    // owner's window is told to redraw (message 2028).
    void OpenPropertyDialog();
    // The dialogs live with the chart's dialogs, which register them here.
    static void SetStyleDialog(DrawStyleDialogFn dialog);
    // Lookup and tooltip rows (CSearchData) of the data index, appended to rows.
    void AddLookupRows(int index, CObList& rows, const DREGIONSTRUCTURE& region, int mode);
    void AddTipRows(int index, CObList& rows, const DREGIONSTRUCTURE& region);
    // The same from the region's stored record, whose sides the region keeps.
    void AddLookupRows(int index, CObList& rows, const DREGIONDATA& region, int mode);
    void AddTipRows(int index, CObList& rows, const DREGIONDATA& region);
    void DrawPointShape(int x, int y, int style, COLORREF colour, CDC* pDC);
    void DrawLabelEdge(CDC* pDC);
    void OnLabelClick(int x, int y, CRect rect);
    void OnLabelHover(int x, int y, CRect rect);
    void ToggleSelect() { m_nSelected = !m_nSelected; }
    void CopyPlacement(const CDrawObject& other);

    int GetKind() const { return m_nKind; }
    void SetKind(int kind) { m_nKind = kind; }
    CDataCell* GetStore() const { return m_pStore; }
    void SetStore(CDataCell* store) { m_pStore = store; }
    int* GetS0() const { return m_pS0; }
    int* GetS1() const { return m_pS1; }
    int* GetS2() const { return m_pS2; }
    int* GetS3() const { return m_pS3; }
    int* GetS4() const { return m_pS4; }
    // The number kept in the S4 slot by lines and bar mode 1 (the reference value).
    int GetS4Number() const { return m_nS4Number; }
    int GetSkipValue() const { return m_nSkipValue; }
    int GetSkipSwitch() const { return m_nSkipSwitch; }
    void SetSkipSwitch(int on) { m_nSkipSwitch = on; }
    int GetAxisLength() const { return m_nAxisLength; }
    void SetAxisLength(int n) { m_nAxisLength = n; }
    float GetXStep() const { return m_fXStep; }
    void SetXStep(float w) { m_fXStep = w; }
    float GetYScale() const { return m_fYScale; }
    void SetYScale(float k) { m_fYScale = k; }
    int GetMaximum() const { return m_nMaximum; }
    void SetMaximum(int v) { m_nMaximum = v; }
    int GetMinimum() const { return m_nMinimum; }
    void SetMinimum(int v) { m_nMinimum = v; }
    int GetVisibleCount() const { return m_nVisibleCount; }
    void SetVisibleCount(int v) { m_nVisibleCount = v; }
    int GetFirstVisible() const { return m_nFirstVisible; }
    void SetFirstVisible(int v) { m_nFirstVisible = v; }
    void SetAxisSettings(int a, int b, int c, int d);
    int GetAxisSetting(int n) const { return m_nAxisSettings[n & 3]; }
    int GetSeriesLength() const;
    int GetSeriesCount() const;
    int** GetSeriesTable() const;
    int GetViewFirst() const;
    int GetViewLast() const;
    CString GetObjectName() const { return m_strObjectName; }
    CString GetBarName() const { return m_strBarName; }
    BOOL IsNotHBar() const { return m_nKind != DRAWKIND_HBAR; }
    // What the region hands over from the chart's settings: the mode value and the English-text
    // switch.
    void SetChartMode(int mode) { m_nChartMode = mode; }
    int GetChartMode() const { return m_nChartMode; }
    void SetEnglish(int on) { m_bEnglish = on; }
    int GetEnglish() const { return m_bEnglish; }

    // The chart's font, selected by the drawers that write texts; not owned (none: the device
    // context's font).
    void SetChartFont(CFont* font) { m_pChartFont = font; }
    CFont* GetChartFont() const { return m_pChartFont; }

    // The data index shown at window position i, or -1 when that position holds no data.
    int IndexAt(int position) const;
    // The same mapping worked out once, for a loop over every shown position.
    struct PositionIndex
    {
        int lo, hi, length;
        int At(int position) const
        {
            if (position < lo || position > hi)
                return -1;
            long long index = (long long)length - 1 - ((long long)position - lo);
            return index >= 0 && index < length ? int(index) : -1;
        }
    };
    PositionIndex Positions() const;

    int m_nField0;
    CWnd* m_pOwnerWnd;
    int m_bShown;
    int m_bLabelPressed;
    CRect m_rcLabel;
    int m_bLabelHover;
    CString m_strBarName2;
    int m_nBarMode;
    int m_bTwoSeries;
    CString m_strBarName;
    CString m_strObjectName;
    int m_nLegend;
    CString m_strText;
    int* m_pS0;
    int* m_pS1;
    int* m_pS2;
    int* m_pS3;
    int* m_pS4;
    int m_nS4Number;
    int m_nSkipValue;
    int m_nSkipSwitch;
    int m_nAxisLength;
    CDataCell* m_pStore;
    int m_nStoreField;
    int m_nKind;
    int m_nAxisSide;
    CMapStringToOb m_mapObjects;
    int m_nVisibleCount;
    int m_nFirstVisible;
    int m_nSelected;
    float m_fXStep;
    float m_fYScale;
    int m_nMaximum;
    int m_nMinimum;
    int m_nAxisSettings[4];
    int m_nChartMode;
    int m_bEnglish;
    CFont* m_pChartFont;

private:
    void Unbind();
    void SumExtremes(int from, int count, int& maximum, int& minimum) const;
    void AddRows(int index, CObList& rows, const DREGIONSIDEDATA& left, const DREGIONSIDEDATA& right, int mode);

    int m_bDrawingLinked;

    CDrawObject(const CDrawObject&) = delete;
    CDrawObject& operator=(const CDrawObject&) = delete;
};
