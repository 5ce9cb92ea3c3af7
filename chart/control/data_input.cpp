// The chart's data input: a candle chart in one call, line and bar series from arrays and safe
// arrays, tables of texts, and the region and object operations.
#include "CtlChart.h"

#include <stdlib.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "DataCell.h"
#include "DrawObject.h"
#include "KindRecords.h"
#include "SeriesValues.h"
#include "TimeDataCell.h"

namespace
{

const int kEmpty = 99999999;
const char kNoRegion[] = "해당 영역이 없습니다.";
const char kNoTimes[] = "시계열데이타가 반드시 있어야 합니다.";

GraphKitSafeArrayCalls SystemCalls()
{
    GraphKitSafeArrayCalls calls = {&SafeArrayGetDim, &SafeArrayGetLBound, &SafeArrayGetUBound, &SafeArrayGetElement};
    return calls;
}

GraphKitSafeArrayCalls& Calls()
{
    static GraphKitSafeArrayCalls calls = SystemCalls();
    return calls;
}

// The array a variant carries when its type is one the caller accepts; null otherwise.
SAFEARRAY* ArrayOf(const VARIANT* data, bool variants, bool strings, bool stringsByRef)
{
    if (!data || !(data->vt & VT_ARRAY))
        return nullptr;
    const VARTYPE element = data->vt & VT_TYPEMASK;
    const bool byRef = (data->vt & VT_BYREF) != 0;
    const bool accepted = (variants && element == VT_VARIANT) || (strings && element == VT_BSTR && (!byRef || stringsByRef));
    if (!accepted)
        return nullptr;
    SAFEARRAY* array = byRef ? (data->pparray ? *data->pparray : nullptr) : data->parray;
    // The array must hold what the variant says it holds: an element is copied out at the
    // array's own size, and a larger element than the one read into would overrun it.
    if (!array)
        return nullptr;
    const bool holdsStrings = (array->fFeatures & FADF_BSTR) && array->cbElements == sizeof(BSTR);
    const bool holdsVariants = (array->fFeatures & FADF_VARIANT) && array->cbElements == sizeof(VARIANT);
    if (element == VT_BSTR ? !holdsStrings : !holdsVariants)
        return nullptr;
    return array;
}

void CheckDimensions(SAFEARRAY* array, UINT wanted)
{
    if (Calls().getDim(array) != wanted)
        AfxThrowOleDispatchException(1002, "Type Mismatch in Parameter. Pass a two-dimensional array");
}

void Bounds(SAFEARRAY* array, UINT dimension, LONG& lower, LONG& upper)
{
    if (FAILED(Calls().getLBound(array, dimension, &lower)))
        AfxThrowOleDispatchException(1003, "Unexpected Failure in SafeArrayGetLBound method");
    if (FAILED(Calls().getUBound(array, dimension, &upper)))
        AfxThrowOleDispatchException(1004, "Unexpected Failure in SafeArrayGetUBound method");
}

// Wide text in the thread's ANSI code page; a null string is empty text.
CString Narrow(BSTR text)
{
    CString out;
    const int length = text ? int(SysStringLen(text)) : 0;
    if (length <= 0)
        return out;
    const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return out;
    std::vector<char> bytes(size_t(size) + 1, '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, bytes.data(), size, nullptr, nullptr);
    return CString(bytes.data(), size);
}

// Element i of a one-dimensional array counted from its lower bound, as a number: text by
// atol, 16- and 32-bit integers as they are, anything else the empty value. FALSE when the
// element cannot be read.
BOOL ReadNumber(SAFEARRAY* array, VARTYPE element, LONG index, int& value)
{
    value = kEmpty;
    if (element == VT_BSTR)
    {
        BSTR text = nullptr;
        if (FAILED(Calls().getElement(array, &index, &text)))
            return FALSE;
        value = int(atol(Narrow(text)));
        SysFreeString(text);
        return TRUE;
    }
    VARIANT item;
    VariantInit(&item);
    if (FAILED(Calls().getElement(array, &index, &item)))
        return FALSE;
    switch (item.vt)
    {
    case VT_BSTR:
        value = int(atol(Narrow(item.bstrVal)));
        break;
    case VT_I2:
        value = item.iVal;
        break;
    case VT_I4:
        value = int(item.lVal);
        break;
    default:
        break;
    }
    VariantClear(&item);
    return TRUE;
}

// The numbers of a one-dimensional array of a line or bar series, from its lower bound to its
// upper bound. FALSE (nothing read) when an element cannot be read.
BOOL ReadColumn(const VARIANT* data, SAFEARRAY* array, std::vector<int>& values)
{
    CheckDimensions(array, 1);
    LONG lower = 0, upper = -1;
    Bounds(array, 1, lower, upper);
    const VARTYPE element = data->vt & VT_TYPEMASK;
    values.clear();
    for (LONG i = lower; i <= upper; ++i)
    {
        int value = kEmpty;
        if (!ReadNumber(array, element, i, value))
            return FALSE;
        values.push_back(value);
    }
    return TRUE;
}

// A table of texts: the first row is the header, the rest the data; rows along the first
// dimension, columns along the second, both read from their lower bounds.
struct TextTable
{
    std::vector<CString> header;
    std::vector<std::vector<CString>> rows; // rows[r][c]
};

// FALSE when a cell cannot be read; the dimension and bound failures raise their exceptions.
BOOL ReadTable(SAFEARRAY* array, TextTable& table)
{
    CheckDimensions(array, 2);
    LONG rowLower = 0, rowUpper = -1, columnLower = 0, columnUpper = -1;
    Bounds(array, 1, rowLower, rowUpper);
    Bounds(array, 2, columnLower, columnUpper);
    const LONG columns = columnUpper - columnLower + 1;
    const LONG rows = rowUpper - rowLower; // the header row is not data
    if (rows < 1 || columns < 1)
        return TRUE;
    auto cell = [&](LONG row, LONG column, CString& text) {
        LONG index[2] = {rowLower + row, columnLower + column};
        BSTR value = nullptr;
        if (FAILED(Calls().getElement(array, index, &value)))
            return false;
        text = Narrow(value);
        SysFreeString(value);
        return true;
    };
    table.header.assign(size_t(columns), CString());
    for (LONG c = 0; c < columns; ++c)
        if (!cell(0, c, table.header[size_t(c)]))
            return FALSE;
    table.rows.assign(size_t(rows), std::vector<CString>(size_t(columns)));
    for (LONG r = 0; r < rows; ++r)
        for (LONG c = 0; c < columns; ++c)
            if (!cell(r + 1, c, table.rows[size_t(r)][size_t(c)]))
                return FALSE;
    return TRUE;
}

// A table cell's number: the text less its last two characters, without its points (and, when
// asked, without blanks at both ends). A text of fewer than two characters is no number: 0.
long CellNumber(CString text, bool trim)
{
    text = text.Left(std::max(0, text.GetLength() - 2));
    text.Remove('.');
    if (trim)
        text.Trim(" ");
    return atol(text);
}

int AxisSideOf(short scale)
{
    return scale == 0 ? SCALEMODE_SHARE_LEFT : SCALEMODE_SHARE_RIGHT;
}

DLINEPROP LineRecord(const char* title, int thick, unsigned long color)
{
    DLINEPROP record;
    record.Thick = thick;
    record.Shadow = 0;
    record.Title = title ? title : "";
    record.BaseLine = 0;
    record.Legend = 1;
    record.LineColor = CCtlColor::Rgb(COLORREF(color));
    return record;
}

} // namespace

extern "C" GraphKitSafeArrayCalls GraphKitSetSafeArrayCalls(const GraphKitSafeArrayCalls* calls)
{
    const GraphKitSafeArrayCalls before = Calls();
    Calls() = calls ? *calls : SystemCalls();
    return before;
}

void CCtlChart::Relayout(BOOL erase)
{
    RecalcLayout();
    RecalcPixelsPerSlot();
    UpdateShowWindow();
    ComputeScales();
    PlaceSplitters();
    UpdateScrollBar();
    SetDirty();
    if (m_hCtlWnd)
        ::InvalidateRect(m_hCtlWnd, nullptr, erase);
}

// A store of columns along the chart's time series: every column has the time series' slots,
// the given values (newest first) at its end and the empty value in front. More values than the
// time series holds entries are cut to its length.
CDataCell* CCtlChart::NewAlignedStore(const int* const* columns, const char* const* names, int nColumns, int count)
{
    CTimeDataCell& time = GetMainTime();
    const int length = time.GetLength();
    count = std::min(count, GetTotalCount());
    CDataCell* store = new CDataCell;
    store->m_pTime = &time;
    store->m_pSettings = &GetSeriesSettings();
    store->AllocSeriesTable(nColumns);
    for (int k = 0; k < nColumns; ++k)
    {
        store->SetSeriesData(columns[k], count, k, length, 1);
        store->m_arNames.Add(names ? names[k] : "");
    }
    store->m_nLength = length;
    store->m_nKind = DATACELL_PLAIN;
    store->ComputeMinMax(length);
    return store;
}

// Binds a new object of the kind to the store and hands both to the canvas; the object's id,
// or -1 with the store freed when the kind's record cannot be applied.
int CCtlChart::AttachObject(int nRegion, CDataCell* store, int kind, int axisSide, const void* record)
{
    if (!GetRegion(nRegion))
    {
        delete store;
        return -1;
    }
    std::unique_ptr<CDataCell> owned(store);
    std::unique_ptr<CDrawObject> object(new CDrawObject(this));
    object->SetKind(kind);
    object->m_nAxisSide = axisSide;
    object->m_nField0 = 1;
    object->SetXStep(GetPixelsPerSlot());
    object->SetStore(store);
    const int bound =
        kind == DRAWKIND_CANDLE ? object->BindCandleSeries() : object->BindSeries(kind, record, CReferenceList());
    if (!bound)
        return -1; // the object unbinds before its store goes
    object->SetAxisLength(store->m_nLength - store->GetCurrentIndex());
    AddSeries(owned.release());
    return AddDrawObject(nRegion, object.release());
}

int CCtlChart::AddLineObject(int nRegion, const char* lpszTitle, short nThick, unsigned long color, int axisSide,
                             const int* values, int count)
{
    const char* names[] = {""};
    CDataCell* store = NewAlignedStore(&values, names, 1, count);
    const DLINEPROP record = LineRecord(lpszTitle, nThick, color);
    const int id = AttachObject(nRegion, store, DRAWKIND_LINE, axisSide, &record);
    if (id < 0)
        return -1;
    RestoreObjectStyle(nRegion, id);
    SetDataReady(TRUE);
    Relayout(TRUE);
    return id;
}

// The values by the chart's time axis: the given times are searched onward from the last match
// for each axis entry in order; an entry without a time of its own stays empty.
void CCtlChart::AlignToAxis(const long* times, const long* values, int count, CArray<int, int>& column)
{
    CTimeDataCell& time = GetMainTime();
    const int total = GetTotalCount();
    const int* axis = time.GetTimes() + time.GetCurrentIndex();
    column.SetSize(total);
    int next = 0;
    for (int e = 0; e < total; ++e)
    {
        column[e] = kEmpty;
        for (int g = next; g < count; ++g)
            if (times[g] == axis[e])
            {
                column[e] = int(values[g]);
                next = g + 1;
                break;
            }
    }
}

int CCtlChart::AddBongChart(long** ppColumns, long nCount, int nTimeKind, int nMinTerm)
{
    // Everything is checked and built aside first: a failure leaves the chart as it was.
    if (!ppColumns || nCount < 1)
        return FALSE;
    for (int k = 0; k < 6; ++k)
        if (!ppColumns[k])
            return FALSE;
    std::vector<std::vector<int>> columns(6, std::vector<int>(size_t(nCount)));
    for (int k = 0; k < 6; ++k)
        std::copy(ppColumns[k], ppColumns[k] + nCount, columns[size_t(k)].begin());

    Set_TimeKind(nTimeKind);
    Set_MinTerm(nMinTerm);
    GetProperties().SetTimeDataName("date");
    if (GetTotalCount() <= 0 && SetTimes(columns[0].data(), int(nCount)) < 0)
        return FALSE;

    const int* candleColumns[5] = {columns[0].data(), columns[1].data(), columns[2].data(), columns[3].data(),
                                   columns[4].data()};
    const char* candleNames[5] = {"date", "open", "high", "low", "close"};
    std::unique_ptr<CDataCell> candle(NewAlignedStore(candleColumns, candleNames, 5, int(nCount)));
    const int periods[3] = {5, 10, 20};
    const char* titles[3] = {"5MA", "10MA", "20MA"};
    const COLORREF colours[3] = {0x0000FF, 0x00FF00, 0xFF0000};
    std::unique_ptr<CDataCell> averages[3];
    for (int i = 0; i < 3; ++i)
    {
        averages[i].reset(new CDataCell);
        averages[i]->SetPeriod(periods[i]);
        if (!averages[i]->BuildMovingAverage(0, candle.get(), "close"))
            return FALSE;
    }
    const int* volumeColumn = columns[5].data();
    const char* volumeName = "volume";
    std::unique_ptr<CDataCell> volume(NewAlignedStore(&volumeColumn, &volumeName, 1, int(nCount)));

    const int price = Add_Region();
    SetRegionRMask(short(price), kEmpty, 0, 0, "");
    CDataCell* candleStore = candle.get();
    const int candleId = AttachObject(price, candle.release(), DRAWKIND_CANDLE, SCALEMODE_SHARE_RIGHT, nullptr);
    if (candleId < 0)
        return FALSE;
    RestoreObjectStyle(price, candleId);
    for (int i = 0; i < 3; ++i)
    {
        DLINEPROP record = LineRecord(titles[i], 1, colours[i]);
        record.I3 = 1;
        record.I5 = periods[i];
        averages[i]->m_pSource = candleStore; // the store the canvas keeps now
        const int id = AttachObject(price, averages[i].release(), DRAWKIND_LINE, SCALEMODE_SHARE_RIGHT, &record);
        if (id < 0)
            return FALSE;
        RestoreObjectStyle(price, id);
    }

    const int volumeRegion = Add_Region();
    SetRegionRMask(short(volumeRegion), kEmpty, 0, 0, "");
    DBARPROP bar;
    bar.DataName = "volume";
    bar.Shade = 0;
    bar.BarMode = 0;
    bar.Legend = 0;
    bar.BaseCenter = 0;
    bar.Stack = 0;
    bar.BarColor = CCtlColor::Rgb(0x0000FF);
    const int barId = AttachObject(volumeRegion, volume.release(), DRAWKIND_BAR, SCALEMODE_SHARE_RIGHT, &bar);
    if (barId < 0)
        return FALSE;
    RestoreObjectStyle(volumeRegion, barId);
    SetDataReady(TRUE);
    Relayout(TRUE);
    return TRUE;
}

short CCtlChart::AddLineChart(short nRegion, const char* lpszTitle, short nThick, unsigned long color, short nScale,
                              LONG_PTR pTimes, LONG_PTR pValues, long nCount)
{
    if (!GetRegion(nRegion))
    {
        AfxMessageBox(kNoRegion);
        return -1;
    }
    if (nCount < 1 || !pTimes || !pValues)
        return -1;
    const long* times = reinterpret_cast<const long*>(pTimes);
    const long* values = reinterpret_cast<const long*>(pValues);
    CArray<int, int> column;
    if (GetTotalCount() > 0)
        AlignToAxis(times, values, int(nCount), column);
    else
    {
        std::vector<int> axis(times, times + nCount);
        if (SetTimes(axis.data(), int(nCount)) < 0)
            return -1;
        column.SetSize(nCount);
        for (long i = 0; i < nCount; ++i)
            column[i] = int(values[i]);
    }
    return short(AddLineObject(nRegion, lpszTitle, nThick, color, AxisSideOf(nScale), column.GetData(),
                               int(column.GetSize())));
}

short CCtlChart::AddLineChart(int nRegion, const char* lpszTitle, short nThick, unsigned long color, short nScale,
                              const VARIANT* pData)
{
    if (GetTotalCount() <= 0)
    {
        AfxMessageBox(kNoTimes);
        return -1;
    }
    if (!GetRegion(nRegion))
    {
        AfxMessageBox(kNoRegion);
        return -1;
    }
    SAFEARRAY* array = ArrayOf(pData, true, true, false);
    if (!array)
        return -1;
    std::vector<int> values;
    if (!ReadColumn(pData, array, values) || values.empty())
        return -1;
    // The values fill the axis from its newest entry; the rest stays empty.
    if (int(values.size()) < GetTotalCount())
        values.resize(size_t(GetTotalCount()), kEmpty);
    return short(AddLineObject(nRegion, lpszTitle, nThick, color, nScale, values.data(), int(values.size())));
}

short CCtlChart::AddBarChart(int nRegion, const char* lpszTitle, unsigned long color, short nScale,
                             const VARIANT* pData)
{
    if (GetTotalCount() <= 0)
    {
        AfxMessageBox(kNoTimes);
        return -1;
    }
    if (!GetRegion(nRegion))
    {
        AfxMessageBox(kNoRegion);
        return -1;
    }
    SAFEARRAY* array = ArrayOf(pData, true, false, false);
    if (!array)
        return -1;
    std::vector<int> values;
    if (!ReadColumn(pData, array, values) || values.empty())
        return -1;
    // The values fill the axis from its newest entry; the rest stays empty.
    if (int(values.size()) < GetTotalCount())
        values.resize(size_t(GetTotalCount()), kEmpty);
    const int* column = values.data();
    const char* names[] = {""};
    CDataCell* store = NewAlignedStore(&column, names, 1, int(values.size()));
    DBARPROP record;
    record.Shade = 0;
    record.BarName = lpszTitle ? lpszTitle : "";
    record.Legend = 1;
    record.BarColor = CCtlColor::Rgb(COLORREF(color));
    const int id = AttachObject(nRegion, store, DRAWKIND_BAR, AxisSideOf(nScale), &record);
    if (id < 0)
        return -1;
    RestoreObjectStyle(nRegion, id);
    SetDataReady(TRUE);
    Relayout(TRUE);
    return short(id);
}

short CCtlChart::AddHBarChart(int nRegion, int nLinked, short nMode, const char* lpszTitle, long color1, long color2,
                              VARIANT* pData)
{
    CRegionCanvas* region = GetRegion(nRegion);
    if (!region || !region->GetDrawObject(nLinked))
        return -1;
    SAFEARRAY* array = ArrayOf(pData, false, true, true);
    if (!array)
        return -1;
    TextTable table;
    if (!ReadTable(array, table) || table.rows.empty())
        return -1;
    const int rows = int(table.rows.size());
    const int columns = int(table.header.size());
    CDataCell* store = new CDataCell;
    store->AllocSeriesTable(columns);
    std::vector<int> numbers(size_t(rows), 0);
    for (int c = 0; c < columns; ++c)
    {
        for (int r = 0; r < rows; ++r)
            numbers[size_t(r)] = int(CellNumber(table.rows[size_t(r)][size_t(c)], false));
        store->SetSeriesDataRaw(numbers.data(), rows, c);
        store->m_arNames.Add(table.header[size_t(c)]);
    }
    store->m_nLength = rows;
    store->m_pSettings = &GetSeriesSettings();
    store->ComputeMinMax(rows);

    std::unique_ptr<CDataCell> owned(store);
    std::unique_ptr<CDrawObject> object(new CDrawObject(this));
    object->SetKind(DRAWKIND_HBAR);
    object->m_nAxisSide = 0;
    object->SetXStep(GetPixelsPerSlot());
    object->SetStore(store);
    DHBARPROP record;
    record.Title = lpszTitle ? lpszTitle : "";
    record.BaseMode = 1;
    record.UpColor = CCtlColor::Rgb(COLORREF(color1));
    record.DownColor = CCtlColor::Rgb(COLORREF(color2));
    record.Style = nMode;
    record.LinkedObject = region->GetDrawObject(nLinked);
    if (!object->BindSeries(DRAWKIND_HBAR, &record, CReferenceList()))
        return -1;
    // The link is kept by id: the linked object may be removed while the bars stay.
    object->m_nLinkedId = nLinked;
    object->m_strObjectName = record.Title;
    object->SetAxisLength(rows);
    AddSeries(owned.release());
    store->m_pTime = nullptr; // price levels, not time entries: real-time bars must not shift them
    const int id = AddDrawObject(nRegion, object.release());
    SetDataReady(TRUE);
    Relayout(TRUE);
    return short(id);
}

short CCtlChart::AddLineChart2(int nRegion, const char* lpszTitle, short nThick, unsigned long color, short nScale,
                               const VARIANT* pData, const char* lpszTimeColumn, const char* lpszValueColumn,
                               short nReverse)
{
    if (!GetRegion(nRegion))
    {
        AfxMessageBox(kNoRegion);
        return -1;
    }
    SAFEARRAY* array = ArrayOf(pData, false, true, true);
    if (!array)
        return -1;
    TextTable table;
    if (!ReadTable(array, table) || table.rows.empty())
        return -1;
    const int rows = int(table.rows.size());
    int timeColumn = -1, valueColumn = -1;
    for (int c = 0; c < int(table.header.size()); ++c)
    {
        if (timeColumn < 0 && lpszTimeColumn && table.header[size_t(c)] == lpszTimeColumn)
            timeColumn = c;
        if (valueColumn < 0 && lpszValueColumn && table.header[size_t(c)] == lpszValueColumn)
            valueColumn = c;
    }
    std::vector<long> times(size_t(rows), 0), values(size_t(rows), kEmpty);
    for (int r = 0; r < rows; ++r)
    {
        const size_t entry = size_t(nReverse == 1 ? rows - 1 - r : r);
        const std::vector<CString>& row = table.rows[size_t(r)];
        if (timeColumn >= 0)
        {
            CString text = row[size_t(timeColumn)];
            text = text.Left(std::max(0, text.GetLength() - 2));
            text.Remove('.');
            text.Trim(" ");
            if (text.GetLength() > 6)
                text = text.Right(6);
            times[entry] = atol(text);
        }
        if (valueColumn >= 0)
            values[entry] = CellNumber(row[size_t(valueColumn)], true);
    }
    CArray<int, int> column;
    if (GetTotalCount() > 0)
        AlignToAxis(times.data(), values.data(), rows, column);
    else
    {
        std::vector<int> axis(times.begin(), times.end());
        if (SetTimes(axis.data(), rows) < 0)
            return -1;
        column.SetSize(rows);
        for (int r = 0; r < rows; ++r)
            column[r] = int(values[size_t(r)]);
    }
    return short(AddLineObject(nRegion, lpszTitle, nThick, color, AxisSideOf(nScale), column.GetData(),
                               int(column.GetSize())));
}

// Regions and objects.

CDrawObject* CCtlChart::FindObject(int nRegion, int nObject) const
{
    CRegionCanvas* region = GetRegion(nRegion);
    return region ? region->GetDrawObject(nObject) : nullptr;
}

int CCtlChart::Add_Region()
{
    return AddRegion();
}

void CCtlChart::SetRegionShowHide(int nRegion, int nShow)
{
    CRegionCanvas* region = GetRegion(nRegion);
    if (!region)
        return;
    region->m_bVisible = nShow ? 1 : 0;
    Relayout(FALSE);
}

int CCtlChart::GetRegionShowHide(int nRegion)
{
    CRegionCanvas* region = GetRegion(nRegion);
    return region ? region->m_bVisible : 0;
}

namespace
{
void SetMask(DREGIONSIDEDATA& side, long nEmpty, long nDivisor, short nDecimals, const CString& strUnit)
{
    side.EmptyValue = int(nEmpty);
    side.Divisor = int(nDivisor);
    side.Decimals = nDecimals;
    side.Unit = strUnit;
}
} // namespace

int CCtlChart::SetRegionRMask(short nRegion, long nEmpty, long nDivisor, short nDecimals, CString strUnit)
{
    CRegionCanvas* region = GetRegion(nRegion);
    if (!region)
        return FALSE;
    SetMask(region->GetRegionData().RightSide, nEmpty, nDivisor, nDecimals, strUnit);
    return TRUE;
}

int CCtlChart::SetRegionLMask(short nRegion, long nEmpty, long nDivisor, short nDecimals, CString strUnit)
{
    CRegionCanvas* region = GetRegion(nRegion);
    if (!region)
        return FALSE;
    SetMask(region->GetRegionData().LeftSide, nEmpty, nDivisor, nDecimals, strUnit);
    return TRUE;
}

int CCtlChart::SetRegionRUnit(short nRegion, CString strUnit)
{
    CRegionCanvas* region = GetRegion(nRegion);
    if (!region)
        return FALSE;
    region->GetRegionData().RightSide.Unit = strUnit;
    return TRUE;
}

int CCtlChart::SetRegionLUnit(short nRegion, CString strUnit)
{
    CRegionCanvas* region = GetRegion(nRegion);
    if (!region)
        return FALSE;
    region->GetRegionData().LeftSide.Unit = strUnit;
    return TRUE;
}

int CCtlChart::SetRegionFixedMinMax(short nRegion, int nSide, int nFixed, long nMax, long nMin)
{
    CRegionCanvas* region = GetRegion(nRegion);
    if (!region)
        return FALSE;
    DREGIONSIDEDATA& side = nSide == 1 ? region->GetRegionData().LeftSide : region->GetRegionData().RightSide;
    side.Fixed = nFixed;
    side.FixedMax = int(nMax);
    side.FixedMin = int(nMin);
    Relayout(FALSE);
    return TRUE;
}

int CCtlChart::SetRegionIndexChange(short nRegion, short nSide)
{
    CRegionCanvas* region = GetRegion(nRegion);
    if (!region)
        return FALSE;
    const bool right = nSide == 0 || nSide == 1, left = nSide == 2 || nSide == 3;
    for (int o = 0; o < region->GetObjectCount(); ++o)
    {
        CDrawObject* object = region->GetObjectAt(o);
        if (!object)
            return FALSE;
        const int side = object->m_nAxisSide;
        if ((right && (side == 0 || side == 1)) || (left && (side == 2 || side == 3)))
            object->m_nAxisSide = nSide;
    }
    Relayout(FALSE);
    return TRUE;
}

int CCtlChart::SetRegionObjectIndexChange(short nRegion, short nObject, short nSide)
{
    if (!GetRegion(nRegion))
        return FALSE;
    if (CDrawObject* object = FindObject(nRegion, nObject))
        object->m_nAxisSide = nSide;
    Relayout(FALSE);
    return TRUE;
}

int CCtlChart::ShowHideObject(int nRegion, int nObject, int nShow)
{
    CRegionCanvas* region = GetRegionCount() > 0 ? GetRegion(nRegion) : nullptr;
    if (!region)
        return FALSE;
    // The selection goes first, while its marks can still be erased: a selection left on a
    // hidden object would open its dialog on the next double click.
    if (IsSeriesSelected() && nObject == GetSelectedObject())
        ClearSelection();
    if (CDrawObject* object = region->GetDrawObject(nObject))
    {
        object->m_bShown = nShow ? 1 : 0;
        if (!nShow)
            object->m_nSelected = 0; // a hidden object keeps no selection marks
    }
    region->ComputeScales();
    Relayout(FALSE);
    return TRUE;
}

void CCtlChart::SetAbsoluteMode(short nRegion, int nOn)
{
    if (nRegion < GetRegionCount())
        if (CRegionCanvas* region = GetRegion(nRegion))
            region->m_bAbsolute = nOn;
}

int CCtlChart::GetShowHideObject(short nRegion, short nObject)
{
    CDrawObject* object = FindObject(nRegion, nObject);
    return object ? object->m_bShown : 0;
}

int CCtlChart::Remove_Draw_Object(int nRegion, int nObject, int)
{
    const int left = RemoveDrawObject(nRegion, nObject);
    Relayout(FALSE);
    return left;
}

void CCtlChart::Remove_Chart_All()
{
    ClearAll();
    Relayout(TRUE);
}

LONG_PTR CCtlChart::GetTimeDataPtr()
{
    CTimeDataCell& time = GetMainTime();
    // The entries GetChartDataCount counts, newest first.
    return time.GetTimes() ? reinterpret_cast<LONG_PTR>(time.GetTimes() + time.GetCurrentIndex()) : 0;
}

LONG_PTR CCtlChart::GetLineChartDataPtr(short nRegion, short nObject)
{
    CDrawObject* object = FindObject(nRegion, nObject);
    if (!object || object->GetKind() != DRAWKIND_LINE || !object->GetStore() || !object->GetStore()->m_ppSeries[0])
        return 0;
    CDataCell* store = object->GetStore();
    return reinterpret_cast<LONG_PTR>(store->m_ppSeries[0] + store->GetCurrentIndex());
}

CDrawObject* CCtlChart::FindLineObject(short nRegion, short nObject, LPCSTR lpszGetter)
{
    CDrawObject* object = FindObject(nRegion, nObject);
    if (!object)
        return nullptr;
    if (object->GetKind() != DRAWKIND_LINE)
    {
        AfxMessageBox(CString(lpszGetter) + " 는 Line Chart만 적용 가능합니다.");
        return nullptr;
    }
    return object;
}

unsigned long CCtlChart::GetLineChartColor(short nRegion, short nObject)
{
    CDrawObject* object = FindLineObject(nRegion, nObject, "GetLineChartColor");
    return object ? object->m_clrLine.GetColor() : 0;
}

short CCtlChart::GetLineChartThick(short nRegion, short nObject)
{
    CDrawObject* object = FindLineObject(nRegion, nObject, "GetLineChartThick");
    return object ? short(object->m_nWidth) : 0;
}

CString CCtlChart::GetLineChartTitle(short nRegion, short nObject)
{
    CDrawObject* object = FindLineObject(nRegion, nObject, "GetLineChartTitle");
    return object ? object->GetObjectName() : CString();
}

void CCtlChart::SetLineChartColor(short nRegion, short nObject, unsigned long color)
{
    if (CDrawObject* object = FindLineObject(nRegion, nObject, "GetLineChartColor"))
    {
        object->m_clrLine = CCtlColor::Rgb(COLORREF(color));
        Relayout(FALSE);
    }
}

void CCtlChart::SetLineChartThick(short nRegion, short nObject, short nThick)
{
    if (CDrawObject* object = FindLineObject(nRegion, nObject, "GetLineChartThick"))
    {
        object->m_nWidth = nThick;
        Relayout(FALSE);
    }
}

void CCtlChart::SetLineChartTitle(short nRegion, short nObject, const char* lpszTitle)
{
    if (CDrawObject* object = FindLineObject(nRegion, nObject, "GetLineChartTitle"))
    {
        object->m_strObjectName = lpszTitle ? lpszTitle : "";
        Relayout(FALSE);
    }
}

void CCtlChart::SetCanvasVertBaseIndex(int nIndex)
{
    const int total = GetTotalCount();
    for (int r = 0; r < GetRegionCount(); ++r)
    {
        CRegionCanvas* region = GetRegionAt(r);
        if (!region)
            continue;
        if (nIndex < 0)
            region->SetHighlightSlot(-1, "");
        else
            region->SetHighlightSlot(total - nIndex - 1, region->GetHighlightText());
    }
    if (nIndex < 0)
    {
        SetDblClickName("");
        m_nVertBaseEntry = -1;
    }
}

void CCtlChart::SetCanvasVertBase(CString strText, long nTime)
{
    const int total = GetTotalCount();
    if (total < 1)
        return;
    // Newest first: an entry's time is above the time of the entry after it.
    const int* times = GetMainTime().GetTimes() + GetMainTime().GetCurrentIndex();
    int entry = 0;
    for (int e = 0; e < total; ++e)
    {
        if (times[e] == nTime)
        {
            entry = e;
            break;
        }
        if (e + 1 < total && times[e] > nTime && nTime > times[e + 1])
        {
            entry = e + 1;
            break;
        }
    }
    int regionId = -1;
    for (int r = 0; r < GetRegionCount(); ++r)
    {
        CRegionCanvas* region = GetRegionAt(r, &regionId);
        if (!region)
            continue;
        region->SetRegionTextColor(m_clrCanvasVert);
        region->SetHighlightSlot(total - entry - 1, regionId == 0 ? strText.GetString() : "");
    }
    m_nVertBaseEntry = entry;
    SetDblClickName(strText);
    Relayout(TRUE);
}

namespace
{
// Outputs: what the caller's variant held before is not ours to free (it may be uninitialised).
void SetI4(VARIANT* v, int value)
{
    if (!v)
        return;
    VariantInit(v);
    v->vt = VT_I4;
    v->lVal = value;
}
} // namespace

int CCtlChart::GetBongLastVal(short nRegion, VARIANT* pOpen, VARIANT* pHigh, VARIANT* pLow, VARIANT* pClose)
{
    VARIANT* outs[4] = {pOpen, pHigh, pLow, pClose};
    for (VARIANT* v : outs)
        SetI4(v, 0);
    if (nRegion < 0 || nRegion >= GetRegionCount())
        return FALSE;
    CRegionCanvas* region = GetRegion(nRegion);
    if (!region || region->GetObjectCount() == 0)
        return FALSE;
    const int current = GetMainTime().GetCurrentIndex();
    for (int o = 0; o < region->GetObjectCount(); ++o)
    {
        CDrawObject* object = region->GetObjectAt(o);
        if (!object || object->GetKind() != DRAWKIND_CANDLE)
            continue;
        int* series[4] = {object->GetS0(), object->GetS1(), object->GetS2(), object->GetS3()};
        if (!series[0] || !series[1] || !series[2] || !series[3] || current >= object->GetSeriesLength())
            return FALSE;
        for (int k = 0; k < 4; ++k)
            SetI4(outs[k], series[k][current]);
        return TRUE;
    }
    return FALSE;
}

int CCtlChart::GetGeneralLastVal(short nRegion, VARIANT* pValue)
{
    SetI4(pValue, 0);
    CDrawObject* object = FindObject(nRegion, 0);
    if (!object || (object->GetKind() != DRAWKIND_LINE && object->GetKind() != DRAWKIND_BAR) || !object->GetS0())
        return 0;
    const int current = GetMainTime().GetCurrentIndex();
    if (current < object->GetSeriesLength())
        SetI4(pValue, object->GetS0()[current]);
    return 0;
}
