// The chart window: its model collections, the repaint timer that coalesces data changes, and
// the paint.
#include "Canvas.h"

#include <climits>

#include "ChartText.h"
#include "ColourPicker.h"
#include "DataCell.h"
#include "DrawObject.h"
#include "SearchWnd.h"

BEGIN_MESSAGE_MAP(CCanvas, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_MESSAGE(WM_DIVIDE_RELEASED, OnDivideReleased)
    ON_MESSAGE(WM_CANVAS_STYLE_CHANGED, OnStyleChanged)
    ON_MESSAGE(WM_CHART_DROP, OnChartDrop)
    ON_MESSAGE(WM_LOOKUP_CLOSED, OnLookupClosed)
    ON_COMMAND(10008, OnLookupCommand)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

CCanvas::CCanvas()
    : m_nToolBarUse(1), m_nRealFixNeed(0), m_nToolTipUse(0), m_nFluctuationUse(0), m_bRepaintPending(0),
      m_mapStyles(10), m_bDblClickNotify(0), m_nCategoryCount(0), m_bCrossOn(0), m_ptCross(-1, -1),
      m_bRedrawAfterPaint(0), m_bCrossTagShown(0), m_bBarCreated(0), m_nBarHeight(0), m_nFreeBlock(10),
      m_pBackBuffer(nullptr), m_crBuffer(RGB(255, 255, 255)), m_nLayoutKind(0), m_bKeepCount(0), m_bDataReady(0),
      m_rcWhole(0, 0, 0, 0), m_rcPlot(0, 0, 0, 0), m_rcTime(0, 0, 0, 0), m_rcTrend(0, 0, 0, 0), m_fPixelsPerSlot(0),
      m_nFirst(0), m_nDisplayCount(0), m_pParentWnd(nullptr), m_bLookupOn(0),
      m_pLookupWnd(nullptr), m_cfLongArray(0), m_nPaints(0), m_nCrossRedraws(0),
      m_dPaintSeconds(0), m_nCrossColumn(0), m_ptReadOut(-1, -1), m_nReadOutSlot(-1), m_bReadOutShown(FALSE),
      m_nSelRegion(-1), m_nSelObject(-1), m_bSelected(0), m_nDrawMode(DRAWMODE_DEFAULT), m_bDrawing(0),
      m_ptStart(0, 0), m_ptEnd(0, 0), m_nDrawRegion(-1), m_crTrend(RGB(255, 0, 0)), m_nTrendWidth(1),
      m_nTrendStyle(PS_SOLID), m_nTrendStyleValue(1)
{
    m_Trend.SetArea(&m_rcTrend);
    for (int i = 0; i < CProperties::kNameLists; ++i)
        m_Properties.SetNameList(i + 1, &m_arNames[i]); // the lists count from 1
    m_Properties.m_pTimeCell = &m_TimeCell;
    m_Properties.m_pCategoryTexts = &m_AxisCell.m_arCategories;
    m_Settings.m_pMainTime = &m_TimeCell;
    m_TimeCell.SetupDrawer(&m_Settings);
}

CCanvas::~CCanvas()
{
    if (m_MemDC.GetSafeHdc())
        m_MemDC.DeleteDC();
    delete m_pBackBuffer;
    m_pBackBuffer = nullptr;
    SetLookup(FALSE);
    ClearAll();
    FreeStyles();
}

BOOL CCanvas::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    // The bar and the splitters are children the paint must not cover.
    if (!CWnd::Create(NULL, "Chart Window", style | WS_CLIPCHILDREN, rect, parent, id))
        return FALSE;
    m_SkinCache.Load();
    m_pParentWnd = parent;
    if (m_Properties.GetTimeKind() != 6)
    {
        // Without OLE on the host's thread the chart simply takes no drops.
        m_DropTarget.Register(this);
        m_cfLongArray = CLIPFORMAT(::RegisterClipboardFormatA(CHART_DRAG_FORMAT));
        if (m_cfLongArray)
            m_DropTarget.AddFormat(m_cfLongArray);
        if (m_nToolBarUse)
        {
            m_BottomBar.SetTimeKind(m_Properties.GetTimeKind());
            if (m_BottomBar.CreateBar(this, &m_SkinCache))
            {
                m_BottomBar.SetNotifySink(this);
                m_BottomBar.ShowWindow(SW_SHOW);
                m_bBarCreated = 1;
                RecalcLayout();
                m_BottomBar.Invalidate(TRUE);
            }
        }
        if (m_bDataReady && m_bBarCreated)
        {
            m_BottomBar.ShowWindow(SW_SHOW);
            UpdateScrollBar();
        }
    }
    // The volume-at-price drawer takes its font and settings record from the chart's properties.
    m_Meamul.SetChart(&m_Properties);
    return TRUE;
}

int CCanvas::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_MemDC.CreateCompatibleDC(NULL);
    m_ReadOut.Create(this);
    SetTimer(TIMER_REPAINT, REPAINT_PERIOD, NULL);
    return 0;
}

void CCanvas::OnDestroy()
{
    KillTimer(TIMER_REPAINT);
    m_DropTarget.Revoke();
    SetLookup(FALSE);
    // The value tags belong to every canvas of the process: leave none shown for a gone one.
    if (m_bCrossOn && m_bCrossTagShown)
        HideCrosshairTags();
    m_bCrossOn = 0;
    for (INT_PTR i = 0; i < m_Splitters.GetSize(); ++i)
    {
        CDivideWnd* splitter = m_Splitters.GetAt(i);
        if (splitter && splitter->GetSafeHwnd())
            splitter->DestroyWindow();
    }
    if (m_bBarCreated && m_BottomBar.GetSafeHwnd())
        m_BottomBar.DestroyWindow();
    m_bBarCreated = 0;
    if (m_ReadOut.GetSafeHwnd())
        m_ReadOut.DestroyWindow();
    CWnd::OnDestroy();
}

void CCanvas::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_bBarCreated && m_BottomBar.GetSafeHwnd())
        m_BottomBar.AutoSize();
    RecalcLayout();
    RecalcPixelsPerSlot();
    UpdateShowWindow();
    ComputeScales();
    PlaceSplitters();
    UpdateScrollBar();
}

int CCanvas::AddRegion()
{
    CRegionCanvas* region = new CRegionCanvas(&m_Properties);
    // The vertical grid follows the time axis' labels of the last paint.
    region->SetGridPositions(&m_arGridX);
    const int existing = int(m_Regions.GetSize());
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        int id = -1;
        m_Regions.GetAt(i, &id);
        float ratio = 0;
        m_mapRatios.Lookup(id, ratio);
        m_mapRatios.SetAt(id, ratio * float(existing + 1) / float(existing + 2));
    }
    const int id = m_Regions.Add(region);
    m_mapRatios.SetAt(id, existing == 0 ? 1.0f : 1.0f / float(existing + 2));
    if (m_Properties.GetTimeKind() != 6 && GetSafeHwnd())
    {
        CDivideWnd* splitter = new CDivideWnd;
        splitter->Create(this, id, &m_Properties);
        m_Splitters.SetAt(id, splitter);
    }
    RecalcLayout();
    PlaceSplitters();
    ComputeScales();
    SetDirty();
    return id;
}

int CCanvas::AddDrawObject(int regionId, CDrawObject* object)
{
    CRegionCanvas* region = m_Regions.Lookup(regionId);
    if (!region) {
        delete object; // handed over: refused, it goes
        return -1;
    }
    if (!object)
        return -1;
    object->m_pOwnerWnd = this;
    const int id = region->AddDrawObject(object);
    region->SetShowWindow(m_nFirst, m_nDisplayCount, m_fPixelsPerSlot);
    region->ComputeScales();
    SetDirty();
    return id;
}

int CCanvas::AddSeries(CDataCell* series)
{
    if (!series)
        return -1;
    series->m_pSettings = &m_Settings;
    if (!series->m_pTime)
        series->m_pTime = &m_TimeCell;
    return m_Series.Add(series);
}

int CCanvas::AddFourColumnSeries(const int* const columns[4], int count, int timeSeriesId)
{
    if (!columns || count <= 0 || !m_TimeBlocks.Lookup(timeSeriesId))
        return -1;
    for (int k = 0; k < 4; ++k)
        if (!columns[k])
            return -1;
    CDataCell* store = new CDataCell;
    const int length = count + m_nFreeBlock;
    store->AllocSeriesTable(4);
    for (int k = 0; k < 4; ++k)
        store->SetSeriesData(columns[k], count, k, length, 1);
    store->m_nLength = length;
    store->ComputeMinMax(length);
    // The block was merged into the main time series, whose slots real-time updates advance.
    store->m_pTime = &m_TimeCell;
    return AddSeries(store);
}

int CCanvas::AddDrawObject(int regionId, int seriesId, int kind, int axisSide)
{
    CDataCell* store = seriesId >= 0 ? m_Series.Lookup(seriesId) : nullptr;
    if (!m_Regions.Lookup(regionId) || (seriesId >= 0 && !store))
        return -1;
    CDrawObject* object = new CDrawObject(this);
    object->SetKind(kind);
    object->m_nAxisSide = axisSide;
    object->SetXStep(m_fPixelsPerSlot);
    if (store)
    {
        object->SetStore(store);
        int** slots[5] = {&object->m_pS0, &object->m_pS1, &object->m_pS2, &object->m_pS3, &object->m_pS4};
        // Bound, so that real-time slots that move a series re-point the drawer.
        for (int k = 0; k < 5 && k < store->m_nSeriesCount; ++k)
            *slots[k] = store->BindSeries(k, slots[k]);
        object->SetAxisLength(store->m_nLength - store->GetCurrentIndex());
    }
    return AddDrawObject(regionId, object);
}

int CCanvas::RemoveDrawObject(int regionId, int objectId)
{
    CRegionCanvas* region = m_Regions.Lookup(regionId);
    const int left = region ? region->RemoveDrawObject(objectId) : -1;
    if (left >= 0)
    {
        region->ComputeScales();
        SetDirty();
    }
    return left;
}

BOOL CCanvas::RemoveSeries(int id)
{
    CDataCell* series = m_Series.Lookup(id);
    if (!series)
        return FALSE;
    for (INT_PTR r = 0; r < m_Regions.GetSize(); ++r)
    {
        CRegionCanvas* region = m_Regions.GetAt(r);
        for (int o = 0; region && o < region->GetObjectCount(); ++o)
        {
            CDrawObject* object = region->GetObjectAt(o);
            if (object && object->GetStore() == series)
                return FALSE; // its drawer still points into the series
        }
    }
    m_Series.Remove(id);
    delete series;
    SetDirty();
    return TRUE;
}

namespace
{
// Seconds of an interval bar of the minute unit; a unit below 1 gives no interval, and interval
// charts then open no bars.
int IntervalOf(int minuteUnit)
{
    return minuteUnit > 0 && minuteUnit <= 24 * 60 ? minuteUnit * 60 : 0;
}
} // namespace

int CCanvas::AddTimeSeries(const int* times, int count, int timeKind, int minuteUnit)
{
    if (!times || count <= 0)
        return -1;
    m_nFreeBlock = m_bKeepCount ? (m_nDisplayCount > 0 ? m_nDisplayCount : 100) : 100;
    const int present = GetTotalCount();
    if (m_TimeBlocks.GetCount() > 0 && present > 0)
    {
        if (timeKind != m_TimeCell.GetKind() || (timeKind == 3 && IntervalOf(minuteUnit) != m_TimeCell.m_nInterval))
            return -1;
        const int* now = m_TimeCell.GetTimes() + m_TimeCell.GetCurrentIndex();
        const int newest = now[0], oldest = now[present - 1];
        const BOOL before = times[0] < oldest, after = times[count - 1] > newest;
        if (!before && !after)
            return -1;
    }
    CTimeDataCell* block = new CTimeDataCell;
    block->SetKind(timeKind);
    if (timeKind == 3)
        block->m_nInterval = IntervalOf(minuteUnit);
    block->SetFreeBlock(m_nFreeBlock);
    block->SetTimes(times, count, count + m_nFreeBlock, 1);
    if (m_TimeBlocks.GetCount() == 0 || present == 0)
    {
        // The first block sets the chart's kind and the length of its interval bars.
        m_TimeCell.SetKind(timeKind);
        m_TimeCell.m_nInterval = block->m_nInterval;
    }
    m_TimeCell.SetFreeBlock(m_nFreeBlock);
    m_TimeCell.MergeFrom(*block);
    const int id = m_TimeBlocks.Add(block);

    const int total = GetTotalCount();
    if (m_bKeepCount && m_nDisplayCount > 0)
    {
        const int keep = m_nDisplayCount > total ? total : m_nDisplayCount;
        m_nFirst = total - keep; // the kept count re-anchored to the newest data
        m_nDisplayCount = keep;
    }
    else
    {
        m_nFirst = 0;
        m_nDisplayCount = total;
        if (m_Properties.m_bDefaultCount)
            SetDisplayCount(m_Properties.m_nDefaultCount);
    }
    RecalcPixelsPerSlot();
    UpdateShowWindow();
    ComputeScales();
    UpdateScrollBar();
    SetDirty();
    return id;
}

void CCanvas::SetDisplayCount(int count)
{
    const int total = GetTotalCount();
    int first = m_nFirst + m_nDisplayCount - count;
    if (first < 0)
    {
        first = 0;
        if (count > total)
            count = total;
    }
    m_nFirst = first;
    m_nDisplayCount = count < 0 ? 0 : count;
    RecalcPixelsPerSlot();
    UpdateShowWindow();
    ComputeScales();
    UpdateScrollBar();
    SetDirty();
}

void CCanvas::OnDataChanged()
{
    UpdateShowWindow();
    ComputeScales();
    SetDirty();
    if (m_bCrossOn && m_bCrossTagShown)
        m_bRedrawAfterPaint = 1;
}

void CCanvas::ClearAll()
{
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
        delete m_Regions.GetAt(i);
    m_Regions.RemoveAll();
    m_mapRatios.RemoveAll();
    for (INT_PTR i = 0; i < m_Series.GetSize(); ++i)
        delete m_Series.GetAt(i);
    m_Series.RemoveAll();
    for (INT_PTR i = 0; i < m_Splitters.GetSize(); ++i)
    {
        CDivideWnd* splitter = m_Splitters.GetAt(i);
        if (splitter && splitter->GetSafeHwnd())
            splitter->DestroyWindow();
        delete splitter;
    }
    m_Splitters.RemoveAll();
    for (INT_PTR i = 0; i < m_TimeBlocks.GetSize(); ++i)
        delete m_TimeBlocks.GetAt(i);
    m_TimeBlocks.RemoveAll();
    m_arZoom.RemoveAll();
    m_bSelected = 0;
    m_nSelRegion = m_nSelObject = -1;
    m_TimeCell.Reset();
    // Resetting freed the axis drawer; the next load draws its time axis again.
    m_TimeCell.SetupDrawer(&m_Settings);
    m_TimeCell.m_nBarOpen = 1;
    m_Properties.m_nRealCount = 0;
    m_nCategoryCount = 0;
    m_AxisCell.Reset();
    m_strDblClickName.Empty();
}

int CCanvas::AppendRealTime(int time)
{
    if (m_TimeCell.GetLength() <= 0)
        return -1;
    const DTIMEDATA& record = m_Properties.m_TimeData;
    if (record.I12 != 0)
        m_Properties.m_nRealCount = 0;
    const int kind = m_Properties.GetTimeKind();
    int sentinel = 0;
    int added = 0;
    switch (kind)
    {
    case 0:
        added = 0;
        break;
    case 3:
        added = m_TimeCell.CompareTime(time, sentinel);
        if (record.I12 != 0 && added < 0)
            return 0;
        break;
    case 4:
        added = 1;
        break;
    default:
        return -1;
    }
    if (added < 1)
        return added; // the value itself comes by the value update
    if (added >= 2 && (m_nRealFixNeed || sentinel))
        added = 1;
    m_TimeCell.m_nBarOpen = 0;
    if (kind == 3 && m_TimeCell.m_nInterval == 0)
        return -1;
    // A window that reaches the newest bar keeps reaching it: the new bars come in at its right.
    const int total = GetTotalCount();
    const BOOL atNewest = m_nFirst + m_nDisplayCount >= total;
    const int position = m_TimeCell.m_nViewEnd + 1;
    // A store off the time axis (levels of horizontal bars) has no bars to open.
    for (INT_PTR i = 0; i < m_Series.GetSize(); ++i)
        if (CDataCell* series = m_Series.GetAt(i))
            if (series->m_pTime)
                series->AddNewBars(added, position);
    m_TimeCell.AddBars(kind, time, added, sentinel, m_TimeCell.m_nInterval, position);
    if (record.I11)
    {
        m_nDisplayCount += added;
        RecalcPixelsPerSlot();
    }
    FitShownWindow(atNewest);
    UpdateShowWindow();
    UpdateScrollBar();
    SetDirty();
    return added;
}

void CCanvas::FitShownWindow(BOOL toNewest)
{
    // Full arrays that shift drop their oldest bars, so the series may also have become shorter.
    const int total = GetTotalCount();
    if (m_nDisplayCount > total)
    {
        m_nDisplayCount = total;
        RecalcPixelsPerSlot();
    }
    if (toNewest || m_nFirst + m_nDisplayCount > total)
        m_nFirst = total - m_nDisplayCount;
}

void CCanvas::SetCrosshair(BOOL on, CPoint point)
{
    m_bCrossOn = on ? 1 : 0;
    m_ptCross = on ? point : CPoint(-1, -1);
}

void CCanvas::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TIMER_REPAINT)
    {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (m_bRepaintPending)
    {
        m_bRepaintPending = 0;
        Invalidate(TRUE);
    }
}

BOOL CCanvas::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE; // the paint covers the whole client area
}

void CCanvas::DrawBorder(CDC* pDC, const CRect& client, COLORREF colour)
{
    const int b = m_nToolBarUse ? client.bottom - TIME_AXIS_HEIGHT : client.bottom;
    CPen pen(PS_SOLID, 1, colour);
    CPen* old = pDC->SelectObject(&pen);
    pDC->MoveTo(client.left, b);
    pDC->LineTo(client.left, client.top);
    pDC->LineTo(client.right - 1, client.top);
    pDC->LineTo(client.right - 1, b);
    if (!m_nToolBarUse)
    {
        pDC->MoveTo(client.right - 1, b - 1);
        pDC->LineTo(client.left, b - 1);
    }
    pDC->SelectObject(old);
}

void CCanvas::PaintBody(CDC* pDC, const CRect& client)
{
    const COLORREF background = m_Properties.m_clrBack.GetColor();
    const int timeKind = m_Properties.GetTimeKind();
    CBitmap* oldBuffer = m_pBackBuffer ? m_MemDC.SelectObject(m_pBackBuffer) : nullptr;
    if (timeKind == -1)
    {
        if (m_pBackBuffer)
        {
            m_Meamul.SetArea(client, background, &m_MemDC);
            pDC->BitBlt(client.left, client.top, client.Width(), client.Height(), &m_MemDC, client.left, client.top,
                        SRCCOPY);
        }
        else
            m_Meamul.SetArea(client, background, pDC);
        if (m_Properties.m_nBorderDisplay)
            DrawBorder(pDC, client, RGB(0, 0, 0));
        if (oldBuffer)
            m_MemDC.SelectObject(oldBuffer);
        return;
    }
    const int L = m_Properties.GetLIndexWidth();
    const int R = m_Properties.GetRIndexWidth();
    if (timeKind != 6 && m_TimeCell.GetLength() > 0)
    {
        CFont font;
        FontFromDescription(m_Properties.m_strFont, &font);
        m_arGridX.RemoveAll();
        m_TimeCell.Draw(pDC, m_rcTime, &m_MemDC, &font, m_arGridX);
        if (m_nLayoutKind == 1 && VisibleRegionCount() >= 2)
        {
            CRect second = m_rcTime;
            second.OffsetRect(m_rcPlot.Width(), 0);
            CArray<int, int> secondGrid;
            m_TimeCell.Draw(pDC, second, &m_MemDC, &font, secondGrid);
        }
    }
    if (timeKind == 6)
        PaintCategoryLayout(pDC, background);
    else
        for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
        {
            CRegionCanvas* region = m_Regions.GetAt(i);
            if (region && region->m_bVisible)
                region->Paint(pDC, &m_MemDC, background);
        }
    if (m_Trend.GetTrendCount() > 0)
        m_Trend.DrawTrends(pDC, m_nFirst, m_nFirst + m_nDisplayCount - 1, m_fPixelsPerSlot);
    if (timeKind != 6)
    {
        const int left = m_rcPlot.left + L - m_Properties.GetLeftMargin();
        const int right = m_rcPlot.right - R + m_Properties.GetRMargin();
        CPen pen(PS_SOLID, 1, m_Properties.m_clrFrame.GetColor());
        CPen* old = pDC->SelectObject(&pen);
        pDC->MoveTo(left, m_rcPlot.top);
        pDC->LineTo(right, m_rcPlot.top);
        pDC->LineTo(right, m_rcPlot.bottom + TIME_AXIS_HEIGHT);
        pDC->LineTo(left, m_rcPlot.bottom + TIME_AXIS_HEIGHT);
        pDC->LineTo(left, m_rcPlot.top);
        pDC->SelectObject(old);
    }
    if (m_Properties.m_nBorderDisplay)
        DrawBorder(pDC, client, CCtlColor::GetPaletteColor(179));
    if (oldBuffer)
        m_MemDC.SelectObject(oldBuffer);
}

void CCanvas::PaintCategoryLayout(CDC* pDC, COLORREF background)
{
    // The axis reads the chart's settings as they are now; the bar width comes from the texts
    // themselves, never from the category-layout count, which stays 0.
    const int categories = int(m_AxisCell.m_arCategories.GetSize());
    m_AxisCell.m_nCount = categories;
    m_AxisCell.m_fBarWidth = categories > 0 ? float(m_rcTime.Width()) / float(categories) : 0.0f;
    m_AxisCell.m_nDataOrder = m_Properties.m_nDataOrder;
    m_AxisCell.m_crBack = m_Properties.m_clrCategoryBack;
    m_AxisCell.m_crLine = m_Properties.m_clrCategoryLine;
    m_AxisCell.m_crText = m_Properties.m_clrTime.GetColor();
    const BOOL valueScale = m_Properties.m_nCategoryAxis != 0;
    m_arGridX.RemoveAll();
    if (!valueScale)
        m_AxisCell.DrawCategories(pDC, m_rcTime, m_arGridX);
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        CRegionCanvas* region = m_Regions.GetAt(i);
        if (!region || !region->m_bVisible)
            continue;
        region->Paint(pDC, &m_MemDC, background);
        if (!valueScale)
            continue;
        // Each region's horizontal value scale along the strip, from the side it has scaled.
        const BOOL right = region->IsRightScaleSet();
        const int maximum = right ? region->GetRightMax() : region->GetLeftMax();
        const int minimum = right ? region->GetRightMin() : region->GetLeftMin();
        if (maximum == INT_MIN || minimum == INT_MAX || maximum < minimum)
            continue; // nothing scaled yet
        float factor = 0;
        NumberFormat format;
        if (right)
            region->GetRightScale(factor, format.divisor, format.decimals);
        else
            region->GetLeftScale(factor, format.divisor, format.decimals);
        if (format.divisor == 0)
            format.divisor = 1;
        m_AxisCell.DrawValueScale(pDC, m_rcTime, maximum, minimum, 0, format);
    }
}

void CCanvas::OnPaint()
{
    CPaintDC dc(this);
    LARGE_INTEGER start, end, frequency;
    ::QueryPerformanceCounter(&start);
    ++m_nPaints;
    CRect client;
    GetClientRect(&client);
    PaintTo(&dc, client);
    ::QueryPerformanceCounter(&end);
    ::QueryPerformanceFrequency(&frequency);
    m_dPaintSeconds += double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

void CCanvas::PaintTo(CDC* pDC, const CRect& client)
{
    CDC& dc = *pDC;
    const COLORREF background = m_Properties.m_clrBack.GetColor();
    const int timeKind = m_Properties.GetTimeKind();
    if (timeKind == -1)
    {
        if (!m_bDataReady)
            dc.FillSolidRect(client, background);
        else
            PaintBody(&dc, client);
    }
    else if (IsWindowVisible())
    {
        if (!m_bDataReady)
            dc.FillSolidRect(client, background);
        else if (VisibleRegionCount() > 0)
        {
            PaintBody(&dc, client);
            // The body covered the crosshair's XOR lines: draw them once more, here, rather than
            // invalidating again (a paint that invalidates would paint forever).
            if (m_bCrossOn && m_ptCross.x >= 0)
            {
                DrawCrosshair(&dc, m_ptCross, FALSE);
                ++m_nCrossRedraws;
            }
            m_bRedrawAfterPaint = 0;
        }
        else
        {
            CRect area = client;
            area.bottom -= TIME_AXIS_HEIGHT;
            dc.FillSolidRect(area, background);
            if (m_Properties.m_nBorderDisplay)
                DrawBorder(&dc, client, RGB(0, 0, 0));
        }
    }
}

LRESULT CCanvas::OnDivideReleased(WPARAM wParam, LPARAM lParam)
{
    MoveRegionBoundary(int(wParam), int(lParam));
    return 0;
}

LRESULT CCanvas::OnStyleChanged(WPARAM wParam, LPARAM lParam)
{
    // The draw objects send both parameters 0; a colour picker of the canvas's own sends its
    // colour and control id. The same number from anywhere else is not ours to act on.
    if (wParam != 0 || lParam != 0)
    {
        CWnd* child = lParam > 0 && lParam <= 0xFFFF ? GetDlgItem(int(lParam)) : nullptr;
        CWnd* picker = child ? CWnd::FromHandlePermanent(child->GetSafeHwnd()) : nullptr;
        if (!picker || !picker->IsKindOf(RUNTIME_CLASS(CColourPicker)))
            return 0;
    }
    TakeStyleSnapshot();
    return 1;
}
