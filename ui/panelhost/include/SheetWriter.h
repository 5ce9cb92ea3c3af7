// The spreadsheet a view's grids are exported into: a writer of text rows (CSheetWriter), and
// the one that drives Microsoft Excel through late-bound automation (CExcelSheetWriter).
#pragma once

#include <afxwin.h>
#include <oaidl.h>

#include <vector>

#include "PanelHostApi.h"

class PANELHOST_API CSheetWriter
{
public:
    virtual ~CSheetWriter() {}
    // Finds or starts the program and opens a new sheet; FALSE (its message shown) when there
    // is nothing to write into.
    virtual BOOL Open() = 0;
    // Writes the texts into sheet row row (from 1), one column each from "A".
    virtual void WriteRow(int row, const std::vector<CString>& cells) = 0;
    // Lets the program go; the writer may be opened again.
    virtual void Close() = 0;

    // The sheet's name of column index (from 0): "A" to "Z", then "AA", "AB", ... "ZZ", "AAA".
    static CString ColumnName(int index);
};

// Excel's automation object, found running, made by COM or started from its install path in
// the registry. COM is initialised for the thread while the writer is open.
class PANELHOST_API CExcelSheetWriter : public CSheetWriter
{
public:
    CExcelSheetWriter();
    virtual ~CExcelSheetWriter();

    virtual BOOL Open();
    virtual void WriteRow(int row, const std::vector<CString>& cells);
    virtual void Close();

    // The command line that starts the program installed in folder path (the registry's
    // "Path"): the program's path quoted, so that a folder with spaces cannot start another.
    static CString StartCommand(const CString& path);
    // Excel's install folder from the registry; FALSE when neither version's key has it.
    static BOOL ReadInstallPath(CString& path);

protected:
    // Connects to the application; FALSE after its message.
    BOOL Connect();
    BOOL StartProgram();

    IDispatch* m_pApp;
    IDispatch* m_pSheet;
    CString m_strFile; // always empty: the workbook is new
    BOOL m_bComInit;   // CoInitialize succeeded: this writer owes a CoUninitialize
};
