// The chart's real-time updates: a new time entry, the newest candle from a tick, and the value
// of a line or a volume bar at the newest entry or at a given time.
#include "CtlChart.h"

#include <stdlib.h>

#include "DataCell.h"
#include "DrawObject.h"
#include "TimeDataCell.h"

int CCtlChart::Add_Real_Time(long nTime)
{
    return AppendRealTime(int(nTime));
}

// Plain stores take the items they hold (each item goes to the first store that has its name);
// derived stores then follow their sources over the new bars.
void CCtlChart::ApplyRealValues(CStringArray& names, CStringArray& values, int added)
{
    const int opens = added > 0 ? 1 : 0;
    for (int i = 0; i < GetSeriesCount(); ++i)
    {
        CDataCell* store = GetSeriesAt(i);
        if (store && store->m_nKind == DATACELL_PLAIN && store->m_pTime)
            store->ApplyRealData(names, values, opens, m_nRealVolume);
    }
    for (int i = 0; i < GetSeriesCount(); ++i)
    {
        CDataCell* store = GetSeriesAt(i);
        if (store && store->m_nKind != DATACELL_PLAIN && store->m_pSource)
            store->UpdateDerived(store->m_pSource, added > 0 ? added : 0);
    }
    GetMainTime().m_nBarOpen = 1;
    OnDataChanged();
}

int CCtlChart::AddBongRealData(CString strTime, CString strPrice, CString strVolume)
{
    const int added = Add_Real_Time(atol(strTime));
    if (added < 0)
        return 0; // older than the newest bar, or refused: no bar of its own to write into
    CStringArray names, values;
    names.Copy(m_arChartDataNames);
    for (int i = 0; i < 5; ++i)
        values.Add(strPrice);
    values.Add(strVolume);
    ApplyRealValues(names, values, added);
    return 0;
}

int(CCtlChart::TEST)(CString strTime, CString strName, CString strValue)
{
    const int added = Add_Real_Time(atol(strTime));
    if (added < 0)
        return 0; // the canvas refused the time: no bar to write into
    CStringArray names, values;
    names.Add(strName);
    values.Add(strValue);
    ApplyRealValues(names, values, added);
    return 1;
}

// One value of a line (kind 0) or volume-bar (kind 3) object, at the newest entry or at the
// entry of a time. Lines write the column they draw, bars their store's first column, which is
// also the column they draw.
int CCtlChart::SetRealValue(short nRegion, short nObject, int kind, LPCSTR lpszMessage, BOOL atTime, long nTime,
                            long nValue)
{
    CTimeDataCell& time = GetMainTime();
    if (time.GetLength() <= 0)
        return FALSE;
    CDrawObject* object = FindObject(nRegion, nObject);
    if (!object)
        return FALSE;
    if (object->GetKind() != kind)
    {
        AfxMessageBox(lpszMessage);
        return FALSE;
    }
    CDataCell* store = object->GetStore();
    if (!store || !store->m_pTime)
        return FALSE;
    CTimeDataCell* series = store->m_pTime;
    int* column = kind == DRAWKIND_LINE ? object->GetS0() : (store->m_nSeriesCount > 0 ? store->m_ppSeries[0] : nullptr);
    if (!column)
        return FALSE;
    int slot = series->GetCurrentIndex();
    if (atTime)
    {
        if (series->GetLength() <= 0 || !series->GetTimes())
            return FALSE;
        // Only the slots that hold times: the free block in front holds the empty value.
        slot = -1;
        for (int i = series->GetCurrentIndex(); i < series->GetLength(); ++i)
            if (series->GetTimes()[i] == nTime)
            {
                slot = i;
                break;
            }
        if (slot < 0)
            return FALSE;
    }
    if (slot < 0 || slot >= store->m_nLength)
        return FALSE;
    column[slot] = int(nValue);
    OnDataChanged();
    BOOL shown = kind == DRAWKIND_BAR || atTime;
    for (int r = 0; r < GetRegionCount() && !shown; ++r)
        if (CRegionCanvas* region = GetRegionAt(r))
            shown = region->m_bVisible;
    if (shown && m_hCtlWnd)
        ::InvalidateRect(m_hCtlWnd, nullptr, FALSE);
    return TRUE;
}

int CCtlChart::AddLineRealData(short nRegion, short nObject, long nValue)
{
    return SetRealValue(nRegion, nObject, DRAWKIND_LINE, "AddLineRealData 는 Line Chart만 적용 가능합니다.", FALSE, 0,
                        nValue);
}

int CCtlChart::AddVolumeBarRealData(short nRegion, short nObject, long nValue)
{
    return SetRealValue(nRegion, nObject, DRAWKIND_BAR, "AddVolumeBarRealData 는 VolumeBar Chart만 적용 가능합니다.",
                        FALSE, 0, nValue);
}

int CCtlChart::UpdateLineRealData(short nRegion, short nObject, long nTime, long nValue)
{
    return SetRealValue(nRegion, nObject, DRAWKIND_LINE, "UpdateLineRealData 는 Line Chart만 적용 가능합니다.", TRUE,
                        nTime, nValue);
}

int CCtlChart::UpdateVolumeBarRealData(short nRegion, short nObject, long nTime, long nValue)
{
    return SetRealValue(nRegion, nObject, DRAWKIND_BAR,
                        "UpdateVolumeBarRealData 는 VolumeBar Chart만 적용 가능합니다.", TRUE, nTime, nValue);
}
