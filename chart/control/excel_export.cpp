// The chart's spreadsheet export: cell names, Excel's objects by dispatch id, the chart's columns
// and the command that writes them into a new workbook.
#include "ChartExcel.h"

#include "Canvas.h"
#include "ChartText.h"
#include "CtlChart.h"
#include "DrawObject.h"
#include "RegionCanvas.h"
#include "SearchData.h"
#include "SeriesValues.h"
#include "TimeDataCell.h"

namespace
{

// Dispatch ids of Excel's type library.
enum : DISPID
{
    DISPID_XL_VALUE = 6,
    DISPID_XL_ITEM = 170,
    DISPID_XL_ADD = 181,
    DISPID_XL_NUMBERFORMAT = 193,
    DISPID_XL_RANGE = 197,
    DISPID_XL_WORKSHEETS = 485,
    DISPID_XL_VISIBLE = 558,
    DISPID_XL_WORKBOOKS = 572,
};

const char kProgId[] = "Excel.Application";
const char kCannotStart[] = "Could not start Excel, which might not be properly registered.";
const char kErrorCaption[] = "Error!";

// Bijective base 26 reaches Excel's last column (16384, "XFD") in three letters.
const int kMaxLetters = 7;

class CTextVariant
{
public:
    explicit CTextVariant(LPCSTR text)
    {
        ::VariantInit(&m_v);
        const int n = ::MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
        m_v.vt = VT_BSTR;
        m_v.bstrVal = ::SysAllocStringLen(NULL, UINT(n > 0 ? n - 1 : 0));
        if (n > 1 && m_v.bstrVal)
            ::MultiByteToWideChar(CP_ACP, 0, text, -1, m_v.bstrVal, n);
    }
    ~CTextVariant() { ::VariantClear(&m_v); }
    operator const VARIANT&() const { return m_v; }

private:
    CTextVariant(const CTextVariant&);
    CTextVariant& operator=(const CTextVariant&);
    VARIANT m_v;
};

// One cell: its range, number format first, then its text.
void WriteCell(CExcelWorksheet& sheet, int row, int column, LPCSTR format, LPCSTR text)
{
    const CString name = ExcelIndexToString(row, column);
    const CTextVariant cell(name);
    CExcelRange range(sheet.GetRange(cell, cell));
    range.SetNumberFormat(CTextVariant(format));
    range.SetValue(CTextVariant(text));
}

} // namespace

CString ExcelIndexToString(int row, int column)
{
    CString name;
    if (row < 1 || column < 1)
        return name;
    char letters[kMaxLetters + 1];
    int n = kMaxLetters;
    letters[n] = '\0';
    for (int c = column; c > 0 && n > 0; c = (c - 1) / 26)
        letters[--n] = char('A' + (c - 1) % 26);
    name.Format("%s%d", letters + n, row);
    return name;
}

LPDISPATCH CExcelApplication::GetWorkbooks()
{
    LPDISPATCH result = NULL;
    InvokeHelper(DISPID_XL_WORKBOOKS, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, NULL);
    return result;
}

void CExcelApplication::SetVisible(BOOL visible)
{
    static BYTE parms[] = VTS_BOOL;
    InvokeHelper(DISPID_XL_VISIBLE, DISPATCH_PROPERTYPUT, VT_EMPTY, NULL, parms, visible);
}

LPDISPATCH CExcelWorkbooks::Add(const VARIANT& templateArg)
{
    LPDISPATCH result = NULL;
    static BYTE parms[] = VTS_VARIANT;
    InvokeHelper(DISPID_XL_ADD, DISPATCH_METHOD, VT_DISPATCH, &result, parms, &templateArg);
    return result;
}

LPDISPATCH CExcelWorkbook::GetWorksheets()
{
    LPDISPATCH result = NULL;
    InvokeHelper(DISPID_XL_WORKSHEETS, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, NULL);
    return result;
}

LPDISPATCH CExcelWorksheets::GetItem(const VARIANT& index)
{
    LPDISPATCH result = NULL;
    static BYTE parms[] = VTS_VARIANT;
    InvokeHelper(DISPID_XL_ITEM, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, parms, &index);
    return result;
}

LPDISPATCH CExcelWorksheet::GetRange(const VARIANT& cell1, const VARIANT& cell2)
{
    LPDISPATCH result = NULL;
    static BYTE parms[] = VTS_VARIANT VTS_VARIANT;
    InvokeHelper(DISPID_XL_RANGE, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, parms, &cell1, &cell2);
    return result;
}

void CExcelRange::SetNumberFormat(const VARIANT& format)
{
    static BYTE parms[] = VTS_VARIANT;
    InvokeHelper(DISPID_XL_NUMBERFORMAT, DISPATCH_PROPERTYPUT, VT_EMPTY, NULL, parms, &format);
}

void CExcelRange::SetValue(const VARIANT& value)
{
    static BYTE parms[] = VTS_VARIANT;
    InvokeHelper(DISPID_XL_VALUE, DISPATCH_PROPERTYPUT, VT_EMPTY, NULL, parms, &value);
}

void CollectExcelColumns(CCanvas& chart, CObList& columns)
{
    if (const CTimeDataCell* times = chart.GetProperties().m_pTimeCell)
        times->AddExportColumn(columns);
    const int timeKind = chart.GetProperties().GetTimeKind();
    for (int r = 0; r < chart.GetRegionCount(); ++r)
    {
        CRegionCanvas* region = chart.GetRegionAt(r);
        for (int o = 0; region && o < region->GetObjectCount(); ++o)
        {
            CDrawObject* object = region->GetObjectAt(o);
            if (!object)
                continue;
            // The object's lookup rows name its series in their order, with their formats.
            CObList rows;
            object->AddLookupRows(0, rows, region->GetRegionData(), timeKind);
            int* const series[4] = {object->GetS0(), object->GetS1(), object->GetS2(), object->GetS3()};
            const int length = object->GetSeriesLength();
            int k = 0;
            while (!rows.IsEmpty())
            {
                CSearchData* column = static_cast<CSearchData*>(rows.RemoveHead());
                const int* values = k < 4 ? series[k] : nullptr;
                ++k;
                column->m_nData2 = reinterpret_cast<INT_PTR>(values);
                column->m_nData3 = values ? length : 0;
                columns.AddTail(column);
            }
        }
    }
}

void FreeExcelColumns(CObList& columns)
{
    while (!columns.IsEmpty())
        delete static_cast<CSearchData*>(columns.RemoveHead());
}

void WriteExcelColumns(LPDISPATCH application, const CObList& columns, int first)
{
    CExcelApplication app(application, FALSE);
    app.SetVisible(TRUE);
    CExcelWorkbooks books(app.GetWorkbooks());
    VARIANT missing;
    ::VariantInit(&missing);
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    CExcelWorkbook book(books.Add(missing));
    CExcelWorksheets sheets(book.GetWorksheets());
    VARIANT one;
    ::VariantInit(&one);
    one.vt = VT_I2;
    one.iVal = 1;
    CExcelWorksheet sheet(sheets.GetItem(one));

    int k = 0;
    for (POSITION pos = columns.GetHeadPosition(); pos != NULL; ++k)
    {
        const CSearchData* column = static_cast<const CSearchData*>(columns.GetNext(pos));
        WriteCell(sheet, 1, k + 1, "@", column->m_strTitle);
        CString format = "@";
        if (k > 0)
        {
            CString zero;
            zero.Format("%.*f", column->m_nDecimals < 0 ? 0 : column->m_nDecimals, 0.0);
            format = "#,##" + zero;
        }
        const int* values = reinterpret_cast<const int*>(column->m_nData2);
        const INT_PTR count = values ? column->m_nData3 : 0;
        int row = 2;
        for (INT_PTR i = first < 0 ? 0 : first; i < count; ++i, ++row)
        {
            const int v = values[i];
            CString text;
            if (!IsReservedSeriesValue(v))
            {
                if (k == 0)
                    text.Format("%d", v);
                else
                    text = FormatNumberValue(v, -1, -1, "", column->m_nScale, column->m_nDecimals, 0);
            }
            WriteCell(sheet, row, k + 1, format, text);
        }
    }
}

LPDISPATCH ConnectExcel()
{
    CLSID clsid;
    const CTextVariant progId(kProgId);
    if (FAILED(::CLSIDFromProgID(static_cast<const VARIANT&>(progId).bstrVal, &clsid)))
        return NULL;
    LPUNKNOWN unknown = NULL;
    LPDISPATCH dispatch = NULL;
    if (SUCCEEDED(::GetActiveObject(clsid, NULL, &unknown)) && unknown)
    {
        if (FAILED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
            dispatch = NULL;
        unknown->Release();
        if (dispatch)
            return dispatch;
    }
    COleDispatchDriver created;
    if (!created.CreateDispatch(clsid))
        return NULL;
    return created.DetachDispatch();
}

void CCtlChart::OnSendToExcel()
{
    CObList columns;
    CollectExcelColumns(*this, columns);
    if (columns.IsEmpty())
        return;
    // The host's thread may not have COM yet; a thread that has it keeps its own.
    const HRESULT com = ::CoInitialize(NULL);
    LPDISPATCH app = ConnectExcel();
    if (!app)
        AfxPlatformMessageBox(GetSafeHwnd(), kCannotStart, kErrorCaption, MB_OK | MB_ICONERROR);
    else
    {
        try
        {
            WriteExcelColumns(app, columns, GetProperties().m_pTimeCell
                                                ? GetProperties().m_pTimeCell->GetCurrentIndex()
                                                : 0);
        }
        catch (CException* e)
        {
            // The call that failed ends the export; what was written stays in the workbook.
            e->ReportError(MB_OK | MB_ICONERROR);
            e->Delete();
        }
        app->Release();
    }
    FreeExcelColumns(columns);
    if (SUCCEEDED(com))
        ::CoUninitialize();
}
