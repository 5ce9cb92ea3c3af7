// The chart's export into a spreadsheet: cell names, thin wrappers over Excel's automation
// objects by dispatch id, the chart's columns and their writing into a new workbook.
#pragma once

#include <afxcoll.h>
#include <afxdisp.h>

#include "GraphKitApi.h"

class CCanvas;

// The cell name of a 1-based row and column: "A1" ... "Z1", "AA1" ... "ZZ1", then three letters
// ("AAA1" at column 703, "XFD1" at 16384). Empty for a row or column below 1.
GRAPHKIT_API CString ExcelIndexToString(int row, int column);

// Excel's objects, each call one IDispatch call; failures throw the framework's OLE exceptions.
class GRAPHKIT_API CExcelApplication : public COleDispatchDriver
{
public:
    using COleDispatchDriver::COleDispatchDriver;
    LPDISPATCH GetWorkbooks();
    void SetVisible(BOOL visible);
};

class GRAPHKIT_API CExcelWorkbooks : public COleDispatchDriver
{
public:
    using COleDispatchDriver::COleDispatchDriver;
    LPDISPATCH Add(const VARIANT& templateArg);
};

class GRAPHKIT_API CExcelWorkbook : public COleDispatchDriver
{
public:
    using COleDispatchDriver::COleDispatchDriver;
    LPDISPATCH GetWorksheets();
};

class GRAPHKIT_API CExcelWorksheets : public COleDispatchDriver
{
public:
    using COleDispatchDriver::COleDispatchDriver;
    LPDISPATCH GetItem(const VARIANT& index);
};

class GRAPHKIT_API CExcelWorksheet : public COleDispatchDriver
{
public:
    using COleDispatchDriver::COleDispatchDriver;
    LPDISPATCH GetRange(const VARIANT& cell1, const VARIANT& cell2);
};

class GRAPHKIT_API CExcelRange : public COleDispatchDriver
{
public:
    using COleDispatchDriver::COleDispatchDriver;
    void SetNumberFormat(const VARIANT& format);
    void SetValue(const VARIANT& value);
};

// The chart's columns (CSearchData, owned by the caller): the time column when the chart has
// times, then every object's series, region by region. Each keeps its values' address in
// m_nData2 and their count in m_nData3, with its title, scale and decimals.
GRAPHKIT_API void CollectExcelColumns(CCanvas& chart, CObList& columns);
// Frees the columns of CollectExcelColumns.
GRAPHKIT_API void FreeExcelColumns(CObList& columns);

// Makes the application visible, adds a workbook and writes the columns into its first sheet:
// titles in row 1, the entries from index first on below them (column A the times as "%d" text,
// the others with their own scale and decimals; empty values as empty cells). Throws on a failed
// call.
GRAPHKIT_API void WriteExcelColumns(LPDISPATCH application, const CObList& columns, int first);

// The running Excel, or a new one; null when neither can be had. The reference is the caller's.
GRAPHKIT_API LPDISPATCH ConnectExcel();
