// The canvas's side of a drop: a dropped "CF_LONGARRAY" block becomes a series of the region
// under the drop point.
#include "Canvas.h"

#include "DrawObject.h"

#include <new>

namespace
{

const LRESULT kRefused = -1;
DropAxisDialogFn s_pfnDropAxisDialog = nullptr;

} // namespace

void CCanvas::SetDropAxisDialog(DropAxisDialogFn dialog)
{
    s_pfnDropAxisDialog = dialog;
}

LRESULT CCanvas::OnChartDrop(WPARAM wParam, LPARAM lParam)
{
    const CHARTDROPINFO* info = reinterpret_cast<const CHARTDROPINFO*>(lParam);
    if (!info || info->kind != 3 || !info->block || reinterpret_cast<const BYTE*>(wParam) != info->block)
        return kRefused;
    CDroppedSeries dropped;
    // Only candles of four columns make a series here.
    if (!ParseDroppedSeries(info->block, info->size, dropped) || dropped.columns != 4)
        return kRefused;
    const int kind = m_Properties.GetTimeKind();
    if (dropped.timeKind != kind || (kind == 3 && dropped.minuteUnit != m_Properties.GetMinTerm()))
        return kRefused;

    const CPoint point(int(info->x), int(info->y));
    int regionId = -1;
    CRegionCanvas* region = nullptr;
    for (int i = 0; i < GetRegionCount() && !region; ++i)
    {
        int id = -1;
        CRegionCanvas* candidate = GetRegionAt(i, &id);
        if (candidate && candidate->m_bVisible && candidate->PtInRegion(point))
        {
            region = candidate;
            regionId = id;
        }
    }
    if (!region)
        return kRefused;
    const BOOL hasSeries = region->GetObjectCount() > 0;
    int axisSide = hasSeries ? 1 : 0;
    if (s_pfnDropAxisDialog && !s_pfnDropAxisDialog(this, hasSeries, axisSide))
        return kRefused;
    // The times are merged before the series is added; should the series not be added (the
    // host may have cleared the chart while the modal dialog was open, or memory runs out),
    // the merge is undone, or the chart's times would no longer match its data.
    CTimeDataCell times;
    times.CopyFrom(m_TimeCell);
    // The copy keeps the time series' interval too, the one owner of the chart's minute unit.
    const int timeFreeBlock = m_TimeCell.GetFreeBlock(), freeBlock = m_nFreeBlock;
    const int first = m_nFirst, displayCount = m_nDisplayCount;
    int timeId = -1, seriesId = -1;
    BOOL added = FALSE;
    try
    {
        timeId = AddTimeSeries(dropped.times, dropped.count, dropped.timeKind, dropped.minuteUnit);
        if (timeId < 0)
            return kRefused; // not wholly before or after the chart's times: nothing was merged
        seriesId = AddFourColumnSeries(dropped.values, dropped.count, timeId);
        added = seriesId >= 0 && AddDrawObject(regionId, seriesId, DRAWKIND_CANDLE, axisSide) >= 0;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
    }
    catch (const std::bad_alloc&)
    {
    }
    if (!added)
    {
        if (seriesId >= 0)
            RemoveSeries(seriesId);
        if (CTimeDataCell* block = timeId >= 0 ? m_TimeBlocks.Lookup(timeId) : nullptr)
        {
            m_TimeBlocks.Remove(timeId);
            delete block;
        }
        m_TimeCell.CopyFrom(times);
        m_TimeCell.SetFreeBlock(timeFreeBlock);
        m_nFreeBlock = freeBlock;
        m_nFirst = first;
        m_nDisplayCount = displayCount;
        RecalcPixelsPerSlot();
        UpdateShowWindow();
        ComputeScales();
        UpdateScrollBar();
        SetDirty();
        return kRefused;
    }
    UpdateShowWindow();
    ComputeScales();
    if (!m_bDataReady)
    {
        m_bDataReady = 1;
        if (m_bBarCreated)
        {
            m_BottomBar.ShowWindow(SW_SHOW);
            UpdateScrollBar();
        }
    }
    SetDirty();
    return 0;
}
