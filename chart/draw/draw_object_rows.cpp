// CDrawObject: the lookup and tooltip rows of a data index.
#include "DataCell.h"
#include "DrawObject.h"
#include "LayoutRecords.h"
#include "SearchData.h"
#include "SeriesValues.h"

namespace
{

struct RowName
{
    CString name;
    int groupEnd;
};

CString OrDefault(const CString& name, LPCSTR fallback)
{
    return name.IsEmpty() ? CString(fallback) : name;
}

} // namespace

void CDrawObject::AddLookupRows(int index, CObList& rows, const DREGIONSTRUCTURE& region, int mode)
{
    AddRows(index, rows, region.LeftSide, region.RightSide, mode);
}

void CDrawObject::AddTipRows(int index, CObList& rows, const DREGIONSTRUCTURE& region)
{
    AddRows(index, rows, region.LeftSide, region.RightSide, 0);
}

void CDrawObject::AddLookupRows(int index, CObList& rows, const DREGIONDATA& region, int mode)
{
    AddRows(index, rows, region.LeftSide, region.RightSide, mode);
}

void CDrawObject::AddTipRows(int index, CObList& rows, const DREGIONDATA& region)
{
    AddRows(index, rows, region.LeftSide, region.RightSide, 0);
}

void CDrawObject::AddRows(int index, CObList& rows, const DREGIONSIDEDATA& left, const DREGIONSIDEDATA& right,
                          int mode)
{
    const int* series[5] = {m_pS0, m_pS1, m_pS2, m_pS3, m_pS4};
    RowName names[4];
    int count = 0;
    bool previousClose = false;
    switch (m_nKind)
    {
    case DRAWKIND_LINE:
        names[0] = {m_strObjectName, 1};
        count = 1;
        break;
    case DRAWKIND_CANDLE:
        if (m_nBidAskMode)
        {
            names[0] = {"매도호가", 0};
            names[1] = {"매수호가", 1};
            count = 2;
        }
        else
        {
            names[0] = {"시가", 0};
            names[1] = {"고가", 0};
            names[2] = {"저가", 0};
            names[3] = {"종가", 1};
            count = 4;
            previousClose = true;
        }
        break;
    case DRAWKIND_AMERICA:
        names[0] = {"고가(미)", 0};
        names[1] = {"저가(미)", 0};
        names[2] = {"종가(미)", 1};
        count = 3;
        break;
    case DRAWKIND_BAR:
        if (m_nStack)
        {
            names[0] = {OrDefault(m_strStackName1, "매도체결량"), 1};
            names[1] = {OrDefault(m_strStackName2, "매수체결량"), 1};
            count = 2;
        }
        else
        {
            names[0] = {OrDefault(m_strBarName, m_bTwoSeries ? "순매수거래량" : "거래량"), 1};
            names[1] = {OrDefault(m_strBarName2, "순매도거래량"), 1};
            count = m_bTwoSeries ? 2 : 1;
        }
        break;
    default:
        return;
    }
    const DREGIONSIDEDATA& side = m_nAxisSide == 1 ? right : left;
    const int length = GetSeriesLength();
    // The store's decimals, or the side's where the store gives none.
    const int storeDecimals = m_pStore ? m_pStore->m_nSpare : -1;
    for (int k = 0; k < count; ++k)
    {
        CSearchData* row = new CSearchData;
        const int* s = series[k];
        const bool inside = s && index >= 0 && index < length;
        row->m_nValue = inside && s[index] != side.EmptyValue ? s[index] : SERIES_NODATA;
        const int* before = previousClose ? m_pS3 : s;
        row->m_nReserved[0] = before && index >= 0 && index + 1 < length && mode <= 2 ? before[index + 1] : SERIES_NODATA;
        row->m_nDecimals = m_nKind == DRAWKIND_BAR ? 0 : storeDecimals < 0 ? side.Decimals : storeDecimals;
        row->m_strText = side.Unit;
        row->m_nReserved[1] = int(side.UnitColor.GetColor());
        row->m_nScale = side.Divisor;
        row->m_nReserved[2] = side.Precision;
        row->m_strTitle = names[k].name;
        row->m_nHighlight = names[k].groupEnd;
        rows.AddTail(row);
    }
}
