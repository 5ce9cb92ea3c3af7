// CAccountTabPage: what every page of screen 1000's account tab window shares: a child dialog of
// the tab strip on a template of this plug-in, its own layout file, the page ground of colour
// 809, and a record-bound grid whose columns come from a table.
#pragma once

#include "GridDataList.h"
#include "MapPage.h"
#include "TradePanelApi.h"

// One shown column: header, the record's field, its binary type and display format, the cell
// procedure (with GDF_CALLBACK) and the alignment (0 left, 1 centre, 2 right).
struct TAB_PAGE_COLUMN
{
    const char* header;
    WORD offset, length;
    DATA_TYPE type;
    UINT format;
    PFN_GRIDCELLPROC proc;
    int align;
};

class TRADEPANEL_API CAccountTabPage : public CMapPage
{
    DECLARE_DYNAMIC(CAccountTabPage)
public:
    CAccountTabPage(UINT templateId, CWnd* strip, const char* layoutFile);

    // The window that holds the tab strip (the account tab window).
    HWND GetTabWndHandle() const { return m_hTabWnd; }
    CString LayoutPath() const;
    CGridDataList* GetGrid() const { return m_pGrid; }

    // Headers (for the columns the grid has), record size, whole-row selection kept without
    // the focus, and one binding per column in table order.
    static void SetUpColumns(CGridDataList* grid, int recordSize, const TAB_PAGE_COLUMN* columns, int count);
    // Writes a word into a cell's own buffer, cut to it.
    static void PutCellText(tagCell* cell, const char* text);

protected:
    virtual BOOL OnInitDialog();
    // After the layout was loaded: look up and set up the page's grid.
    virtual void SetUpPage() = 0;
    // After InitWindow: the first fill of the list.
    virtual void FillPage() {}
    virtual void OnOK() {}
    virtual void OnCancel() {}

    CString m_strLayoutFile;
    HWND m_hTabWnd;
    CGridDataList* m_pGrid;

    afx_msg BOOL OnCopyData(CWnd* from, COPYDATASTRUCT* cds);
    DECLARE_MESSAGE_MAP()
};
