// The record-bound grid list: keeps copies of fixed-size binary records and shows the visible
// ones through column descriptions (byte range, binary type, display format), scrolling by
// whole records with its own skinned bars and writing edits back into the records.
#pragma once

#include <vector>

#include "GridCellProcs.h"
#include "GridList.h"

// Binary type of a described field.
enum DATA_TYPE {
    DT_TEXT = 0,  // fixed-length text
    DT_INT = 1,   // 32-bit integer
    DT_FLAG = 2,  // character flag (text, first byte)
    DT_DOUBLE = 3 // double
};

// Display format codes (low 16 bits of a description's format) and options (high bits).
#define GDF_PRICE 0x0001u
#define GDF_TIME 0x0002u
#define GDF_QUANTITY 0x0004u
#define GDF_SIGN 0x0008u
#define GDF_TEXT 0x0010u
#define GDF_ACCOUNT 0x0020u
#define GDF_DATE 0x0040u
#define GDF_TRIMZERO 0x0080u
#define GDF_RATE 0x0100u
#define GDF_CHECK 0x0200u
#define GDF_MASK 0x0400u
#define GDF_RATE2 0x0800u
#define GDF_SIDE 0x1000u
#define GDF_PRICE3 0x2000u
#define GDF_DECIMAL 0x4000u
#define GDF_CODE_MASK 0xFFFFu
#define GDF_HIDEZERO 0x1000000u
#define GDF_SIGNCOLOR 0x2000000u
#define GDF_CALLBACK 0x80000000u

// Own scroll bars of a record-bound list.
#define GDL_SCROLL_VERT 1u
#define GDL_SCROLL_HORZ 2u
#define IDC_GDL_VSCROLL 5000
#define IDC_GDL_HSCROLL 5001

struct tagCell;

// A cell procedure: the field's bytes, the cell and the tagGridDataInfo; it may rewrite the
// cell's text or colours.
typedef void (*PFN_GRIDCELLPROC)(void* field, tagCell* cell, void* description);

struct tagGridDataInfo
{
    WORD nOffset;
    WORD nLength;
    DATA_TYPE nType;
    WORD nColumn; // vertical layout: grid column; horizontal: grid row
    WORD nRow;    // offset within the record's block of rows (columns)
    UINT nFormat;
    PFN_GRIDCELLPROC pfnCallback;
};

class SHEETVIEW_API CGridDataList : public CGridList
{
public:
    CGridDataList();
    virtual ~CGridDataList();

protected:
    virtual int CreateCellArrays(UINT columns, UINT rows);
    virtual int SetGridEdit(int col, int row);

public:
    virtual int SetColumnWidth(UINT col, int width);
    virtual void HitTest(const CPoint& point, tagGRDHITTEST* result);
    virtual int SelectCell(UINT col, UINT row, int redraw);
    virtual int SetCheck(UINT col, UINT row, int check, int redraw);
    virtual void SetVScrollInfo(int position);
    virtual void SetHScrollInfo(int position);
    // As the list draws; a list that takes records at the top keeps its body rows' pixels
    // between paints and redraws only the rows that show something else.
    virtual void Paint(CDC* pDC, const CRect& clip);

    // --- set-up ---
    // Refuses a size below one byte (0 returned).
    int SetRecordSize(int bytes);
    int GetRecordSize() const { return m_nRecordSize; }
    void SetUpdateStyle(int vertical) { m_nUpdateStyle = vertical ? 1 : 0; }
    int GetUpdateStyle() const { return m_nUpdateStyle; }
    void SetRepeatCount(int n) { m_nRepeatCount = n > 0 ? n : 1; }
    int GetRepeatCount() const { return m_nRepeatCount; }
    void SetMaxRowCount(int max) { m_nMaxRecords = max < 0 ? -1 : max; }
    int GetMaxRowCount() const { return m_nMaxRecords; }
    void SetDataListScrollbar(UINT flags) { m_nOwnBars = flags & (GDL_SCROLL_VERT | GDL_SCROLL_HORZ); }
    int AddColumnDataInfo(WORD offset, WORD length, DATA_TYPE type, UINT column, UINT format, int row,
                          PFN_GRIDCELLPROC callback, int align);
    void ClearColumnDataInfo();
    int GetDataInfo(int column, tagGridDataInfo& out);
    int GetDataInfoCount() const { return (int)m_descriptions.size(); }
    void SetDecimalLength(int column, int decimals);
    int GetDecimalLength(int column);
    void SetRemoveRowLine(int on);

    // --- records ---
    int SetData(BYTE* data, int size);
    int AddRecord(BYTE* data, int size, int redraw);
    int InsertRecord(BYTE* data, int size);
    int UpdateRecord(int index, BYTE* data, int size);
    int RemoveRecord(int index, int redraw);
    int MoveRecord(int from, int to, int redraw);
    void ClearData(int redraw);
    int GetRecordCount() const { return (int)m_records.size(); }
    // The texts record index shows in line `line` of its block (a row of a vertical list, a
    // column of a horizontal one), formatted as on screen whether the record is shown or not:
    // one text per cell along the line, empty where no description binds the cell. 0 for a
    // record or line that does not exist.
    int GetRecordTexts(int index, int line, std::vector<CString>& texts);
    BYTE* GetRecordPtr(int index);
    BYTE*& GetRecordPtrRef(int index);
    int DataIndexToRowIndex(int index) const;
    int RowIndexToDataIndex(int row) const;
    int DataIndexToColIndex(int index) const;
    int ColIndexToDataIndex(int col) const;
    void Sort(int descriptionIndex, int direction);

    // --- display and scrolling ---
    void UpdateVertList(int firstRow, int lastRow);
    void UpdateHorzList(int firstColumn, int lastColumn);
    void SetScrollPosition(int vertical, int position);
    int GetMaxScrollPosition(int vertical);
    void SetVisibleRowIndex(int index);
    void SelectRowByDataIndex(int index);
    int GetSelectRow() const { return m_nSelectRow; }
    int GetTopRecord() const { return m_nTopRecord; }
    int GetLeftRecord() const { return m_nLeftRecord; }
    int GetOverscrollRows() const { return m_nOverscroll; }
    int GetVisibleRowCount() const { return m_nVisibleRows; }
    CXeScrollBar* GetOwnScrollBar(int vertical) { return vertical ? &m_wndVScroll : &m_wndHScroll; }

    // --- selection (record coordinates) ---
    void AddSelection(int col1, int row1, int col2, int row2, int redraw);
    void DeleteSelection(int col1, int row1, int col2, int row2, int redraw);
    void ResetSelection();

    // Formats one field into a cell as its description says.
    void ConvertData(const BYTE* field, tagCell* cell, const tagGridDataInfo* description);
    static void SetNumberColor(tagCell* cell);

protected:
    // Record coordinates of grid cell (0, 0)'s body: the rows (columns) scrolled away.
    int RowShift() const { return m_nUpdateStyle ? m_nRepeatCount * m_nTopRecord : 0; }
    int ColShift() const { return m_nUpdateStyle ? 0 : m_nRepeatCount * m_nLeftRecord; }
    // The description bound to a grid cell, or NULL.
    const tagGridDataInfo* DescriptionAt(UINT col, UINT row) const;
    // The record a grid cell shows (-1 for none): top (left) record plus the cell's block.
    int RecordAtCell(UINT col, UINT row) const;
    // The field's bytes inside the record, cut to the record; NULL when it lies outside.
    BYTE* FieldOf(int record, const tagGridDataInfo& d, int& length);
    // Sets up the cells of one description: text buffer for long fields, alignment.
    void PrepareCells(const tagGridDataInfo& d, int align);
    // Whether a record's block is among the grid's rows (columns) now.
    bool IsRecordShown(int index) const;
    // Records that fit in the visible rows (columns).
    int RecordsPerPage() const;
    void RefreshVisible();
    void RefreshScrollBar();
    // Every bar the list has, standard and own, refreshed.
    void RefreshAllBars();
    // Keeps the top (left) record within the records after they changed.
    void ClampFirstRecord();
    void RepaintRecordRows(int index);
    void RepaintBody(BOOL erase);
    void FormatRecord(int index);
    // The field's bytes of a record for a description; a description reaching past the record
    // reads zeros there (from pad), never the next record.
    const BYTE* FieldForFormat(int index, const tagGridDataInfo& d, std::vector<BYTE>& pad);
    // Whether formatting a description writes the cell's text (and colour, where it sets one)
    // from the field alone, whatever the cell held.
    static bool FormatsWholly(const tagGridDataInfo& d);
    // After an insert above the shown rows: moves their formatted texts down one record and
    // formats only the record that came into the top; false where that would not be exact.
    bool ShiftShownDown();
    // The kept body pixels: false where they cannot serve (the caller then draws as usual).
    bool PaintRetained(CDC* pDC, const CRect& clip);
    // What the body's pixels depend on beyond its rows, and what one body row shows; false for
    // a row that a merge draws across.
    bool DescribeBodyLook(const CRect& body, std::vector<BYTE>& out);
    bool DescribeBodyRow(UINT row, std::vector<BYTE>& out);
    // The head rows above the body; false where a head cell is merged down over the body.
    bool DescribeHeadRows(std::vector<BYTE>& out);
    void DropRetainedBody();
    void FreeRecords();
    BYTE* CopyRecord(const BYTE* data);
    void LayOutOwnBars();
    void MeasureVisibleRows();
    int OwnBarPos(CXeScrollBar& bar, SCROLLINFO& info);
    // The records a scroll code moves by from pos, kept within the bar's range.
    static bool RecordDelta(const SCROLLINFO& info, UINT code, int pos, long long& delta);
    void ScrollRecords(UINT code);
    void ScrollColumns(UINT code);
    // The grid cells of a range in record coordinates that are on screen; false for none.
    bool VisiblePart(int col1, int row1, int col2, int row2, CRect& cells) const;
    // Orders a range and widens it to the body's columns under row select.
    void NormaliseRange(int& col1, int& row1, int& col2, int& row2) const;
    // Repaints grid cells (left, top) to (right, bottom) where they show.
    void RepaintCells(const CRect& cells, BOOL erase);
    // Writes a committed text into the record's field by the field's type.
    void WriteBack(int record, const tagGridDataInfo& d, const char* text);

    std::vector<BYTE*> m_records;
    int m_nRecordSize;
    int m_nMaxRecords;
    int m_nVisibleRows;
    int m_nOverscroll;
    int m_nSelectRow;
    std::vector<tagGridDataInfo> m_descriptions;
    std::vector<int> m_aligns; // alignment given with each description
    UINT m_nOwnBars;
    int m_nTopRecord;
    int m_nLeftRecord;
    int m_nRangeEndCol; // end of the shift-extended range; anchor is the grid's
    int m_nRangeEndRow;
    // The repeat count every shown row was last formatted with; 0 while some may be stale.
    int m_nFormattedRepeat;
    int m_bRetainBody; // set by the first insert at the top
    class CRetainedBody* m_pRetained;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetEditData(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNextEditFocus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
