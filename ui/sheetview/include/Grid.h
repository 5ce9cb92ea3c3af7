// The grid window (class "Quelmar_GRID"): a matrix of cells with their own text, colours, style
// and flags, laid out by per-column and per-row extents under fixed header rows and columns.
// CGrid itself paints nothing; CGridTable and the scrolling lists draw its cells.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include <set>

#include "GridDefs.h"
#include "GridEdit.h"
#include "SheetViewApi.h"

class CColorInfo;

// Colour-map ids the grid uses.
enum : WORD {
    GRID_CLR_FORE = 101,
    GRID_CLR_UP = 102,
    GRID_CLR_DOWN = 103,
    GRID_CLR_BACK = 201,
    GRID_CLR_HEADER_BACK = 202,
    GRID_CLR_HIGHLIGHT = 207,
    GRID_CLR_BORDER = 301,
    GRID_CLR_HEADER_LINE = 302,
    GRID_CLR_BUTTON_BACK = 601,
};

// Image-map ids the grid borrows.
enum : WORD {
    GRID_BMP_301 = 301,
    GRID_BMP_302 = 302,
    GRID_BMP_CHECKED = 303,
    GRID_BMP_UNCHECKED = 304,
};

// Resource cursors of the library.
#define IDC_GRID_CURSOR1 20001
#define IDC_GRID_CURSOR2 20002

class SHEETVIEW_API CGrid : public CWnd
{
    DECLARE_DYNAMIC(CGrid)
public:
    CGrid();
    virtual ~CGrid();

    // Cursor states: indexes into the grid's cursors.
    enum { CURSOR_ARROW = 0, CURSOR_RES1 = 1, CURSOR_RES2 = 2, CURSOR_IBEAM = 3, CURSOR_HAND = 4, CURSOR_COUNT = 5 };

    // --- virtual operations, in slot order ---
protected:
    // Draws columns [firstCol, endCol) and rows [firstRow, endRow); 1 when a visible column with
    // rows was visited.
    virtual int DrawCells(CDC* pDC, int firstCol, int firstRow, int endCol, int endRow);
    virtual int CreateCellArrays(UINT columns, UINT rows);
    virtual int SetGridEdit(int col, int row);

public:
    virtual int Create(UINT colHeadCount, UINT rowHeadCount, UINT columnCount, UINT rowCount, DWORD style,
                       const CRect& rect, CWnd* parent, UINT id);
    virtual int SetRowCount(UINT n);
    virtual int SetColumnCount(UINT n);
    virtual int SetRowHeadCount(UINT n);
    virtual int SetColumnHeadCount(UINT n);
    virtual int SetColumnWidth(UINT col, int width);
    virtual int SetColumnVisible(UINT col, int show);
    virtual int SetDefaultRowHeight(int height);
    virtual int SetRowHeight(UINT row, int height);
    virtual void HitTest(const CPoint& point, tagGRDHITTEST* result);
    virtual int SelectCell(UINT col, UINT row, int redraw);
    virtual CRect GetCellRect(UINT col, UINT row);
    virtual int SetCheck(UINT col, UINT row, int check, int redraw);

    // --- structure and geometry ---
    int SetBorderWidth(int width);
    UINT GetRowCount() const { return m_nRowCount; }
    UINT GetColumnCount() const { return m_nColCount; }
    UINT GetRowHeadCount() const { return m_nRowHeadCount; }
    UINT GetColumnHeadCount() const { return m_nColHeadCount; }
    int GetColumnWidth(UINT col) const;
    int GetColumnStart(UINT col) const;
    int GetRowHeight(UINT row) const;
    int GetRowStart(UINT row) const;
    int GetBorderWidth() const { return m_nBorderWidth; }
    COLORREF GetBorderColor() const;
    CFont* GetFont() { return &m_fontNormal; }
    CFont* GetBoldFont() { return &m_fontBold; }
    int GetTextHeight() const { return m_nTextHeight; }
    tagCell** GetCellArray() { return m_ppCells; }
    // NULL for a cell outside the grid.
    tagCell* GetCellPtr(UINT col, UINT row);
    char* GetBuffer(UINT col, UINT row);
    CRect GetRect(UINT col1, UINT row1, UINT col2, UINT row2);
    CRect GetDataRect();

    // --- cell content ---
    int SetCellText(UINT col, UINT row, const char* text, int redraw = 0);
    CString GetCellText(UINT col, UINT row);
    int SetBufferLength(UINT col, UINT row, short len);
    void ClearCellText(int redraw);
    int SetCellData(UINT col, UINT row, long data);
    long GetCellData(UINT col, UINT row);

    // --- appearance (colour-map ids) ---
    int SetBackColor(UINT col, UINT row, WORD id, int redraw = 0);
    int SetForeColor(UINT col, UINT row, WORD id, int redraw = 0);
    int SetBackColor(UINT col1, UINT row1, UINT col2, UINT row2, WORD id, int redraw);
    int SetForeColor(UINT col1, UINT row1, UINT col2, UINT row2, WORD id, int redraw);
    int SetCellStyle(UINT col, UINT row, UINT style, int redraw = 0);
    int SetCellStyle(UINT col1, UINT row1, UINT col2, UINT row2, UINT style, int redraw);
    int SetCellAlign(UINT col, UINT row, UINT align, int redraw = 0);
    int SetCellAlign(UINT col1, UINT row1, UINT col2, UINT row2, UINT align, int redraw);
    int SetBarAlign(UINT col, UINT row, UINT align, int redraw = 0);
    int SetBarAlign(UINT col1, UINT row1, UINT col2, UINT row2, UINT align, int redraw);
    int SetSign(UINT col, UINT row, char sign);
    int SetCellBoldFont(UINT col, UINT row, int on);
    int SetCellMultiline(UINT col, UINT row, int on);
    int SetCellFixText(UINT col, UINT row, int on);
    int SetCellHighlight(UINT col, UINT row, int on, int redraw = 0);
    int IsCellHighlight(UINT col, UINT row);
    int IsChecked(UINT col, UINT row);
    int SetNoSelect(UINT col1, UINT row1, UINT col2, UINT row2, int on, int redraw = 0);
    int SetCheckControl(UINT col, UINT row, int redraw = 0);
    int SetButtonControl(UINT col, UINT row, int redraw = 0);
    void SetHighlightColor(WORD id);
    void SetHighlightColor(CColorInfo* info);
    void SetBorderColor(WORD id, int redraw = 0);
    void SetHeaderLineColor(WORD id, int redraw = 0);
    int Merge(UINT col1, UINT row1, UINT col2, UINT row2);
    int Demerge(UINT col, UINT row);
    void SetGridFontSize(int size);

    // --- selection ---
    int SelectCell(UINT col1, UINT row1, UINT col2, UINT row2, int redraw);
    void ClearSelection(int clearSet);
    void GetSelectedCells(CArray<tagCellInfo, tagCellInfo&>& out);
    void SetUseCellSelect(int on);
    int GetUseCellSelect() const { return m_bUseCellSelect; }
    void KeepSelection(int on) { m_bKeepSelection = on; }
    int IsKeepSelection() const { return m_bKeepSelection; }
    void InitSelectCell();
    void SetSelectedCell(tagGRDHITTEST* hit);

    // --- editing and the mouse ---
    BOOL IsEditHandle(HWND hWnd) const { return hWnd != NULL && hWnd == m_wndEdit.m_hWnd; }
    int IsEditing() const { return m_bEditing; }
    void SetCursorState(int state);
    int GetCursorState() const { return m_nCursorState; }

    static int m_bRegisted;
    static CString m_strClassName;

protected:
    // The cell loop of DrawCells: bar cells left out with skipBars (their ground stays), text
    // cells past the first row raised over the line above with raiseText.
    int DrawCellRange(CDC* pDC, int firstCol, int firstRow, int endCol, int endRow, BOOL skipBars, BOOL raiseText);
    // Fills clip with the header line colour and the body with the border colour: the lines
    // between cells.
    void PaintGround(CDC* pDC, const CRect& clip);
    // WM_PAINT through an off-screen bitmap of the clip box: paint(pDC, clip) draws in client
    // coordinates.
    template <class Fn>
    void PaintBuffered(Fn paint);
    // With cell selection and row select on, a click on a body cell selects its row's body.
    void SelectClickedRow(CPoint point, int rowSelect);

    // --- drawing of one cell (DC, cell, rectangle) ---
    // Draws the cell as its style says.
    void DrawCellByStyle(CDC* pDC, tagCell* cell, CRect& rect);
    // One line of text in rect by align (0 left, 1 centre, 2 right); with ground, the rect is
    // filled with that colour first, in the same call.
    void DrawCellText(CDC* pDC, UINT align, const CRect& rect, const char* text, const COLORREF* ground = NULL);
    void DrawMultilineText(CDC* pDC, UINT align, CRect rect, const char* text);
    void DrawCell(CDC* pDC, tagCell* cell, CRect& rect);
    // The text colour, set only when it differs from the one set last in the range.
    void SetCellTextColor(CDC* pDC, COLORREF colour);
    // Gives the DC of the range being drawn its own text alignment back.
    void RestoreRangeAlign(CDC* pDC);
    // The frame and badge a text cell draws over its text.
    void DrawCellMarks(CDC* pDC, tagCell* cell, CRect& rect);
    void DrawHeader(CDC* pDC, tagCell* cell, CRect& rect);
    void DrawCheckCell(CDC* pDC, tagCell* cell, CRect& rect);
    void DrawButtonCell(CDC* pDC, tagCell* cell, CRect& rect);
    void DrawEditCell(CDC* pDC, tagCell* cell, CRect& rect);
    void DrawBar(CDC* pDC, tagCell* cell, CRect& rect);
    void DrawSignUp(CDC* pDC, tagCell* cell, CRect& rect);
    void DrawSignDown(CDC* pDC, tagCell* cell, CRect& rect);
    void DrawSignCeiling(CDC* pDC, tagCell* cell, CRect& rect);
    void DrawSignFloor(CDC* pDC, tagCell* cell, CRect& rect);
    void DrawPosState(CDC* pDC, int pos, CRect rect, DWORD state);

    // Colour of an entry, or the fallback when the colour map has no such id.
    static COLORREF ColorOf(const CColorInfo* info, COLORREF fallback);
    CFont* CellFont(const tagCell* cell) { return (cell->nFlags & GCF_BOLD) ? &m_fontBold : &m_fontNormal; }
    // Puts the cell's font into the DC unless it is there already (the DC keeps it).
    void SelectCellFont(CDC* pDC, const tagCell* cell);

    // --- helpers ---
    static BOOL RegisterControl();
    BOOL IsCell(UINT col, UINT row) const { return col < m_nColCount && row < m_nRowCount && m_ppCells != NULL; }
    BOOL IsRange(UINT col1, UINT row1, UINT col2, UINT row2) const { return IsCell(col1, row1) && IsCell(col2, row2); }
    void InitCell(tagCell& cell);
    void FreeCellArrays();
    // Sets the bits of mask to bits in one cell; redraw repaints it.
    int SetCellBits(UINT col, UINT row, UINT mask, UINT bits, int redraw, BOOL erase);
    template <class Fn>
    int ForEachInRange(UINT col1, UINT row1, UINT col2, UINT row2, int redraw, Fn fn);
    void CreateFonts();
    void MeasureTextHeight();
    // Repaints a client rectangle (erasing or not) when the window exists.
    void Repaint(const CRect& rect, BOOL erase);
    void RepaintAll(BOOL erase);
    void RepaintCell(UINT col, UINT row, BOOL erase);
    // Binary searches over the extents; -1 when x (y) falls in no column (row).
    int FindColumn(int x, int last) const;
    int FindRow(int y) const;
    void EndPress(BOOL repaint);
    LRESULT NotifyParent(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nID;
    int m_nHScroll;
    int m_nVScroll;
    UINT m_nRowHeadCount;
    UINT m_nColHeadCount;
    UINT m_nRowCount;
    UINT m_nColCount;
    int m_nDefRowHeight;
    CGridEdit m_wndEdit;
    CColorInfo* m_pBorderColor;
    CColorInfo* m_pHeaderLineColor;
    CColorInfo* m_pUpColor;
    CColorInfo* m_pDownColor;
    CColorInfo* m_pHighlightColor;
    CColorInfo* m_pDefBackColor;
    CBitmap* m_pBmpUncheck;
    CBitmap* m_pBmpCheck;
    CBitmap* m_pBmp301; // borrowed for the subclasses' use
    CBitmap* m_pBmp302;
    int m_nBoxWidth;
    int m_nBoxHeight;
    WORD m_nBorderWidth;
    tagExtent* m_pRowExt;
    tagExtent* m_pColExt;
    CFont m_fontNormal;
    CFont m_fontBold;
    tagCell** m_ppCells; // one array of m_nRowCount cells per column
    int m_bUseCellSelect;
    int m_bKeepSelection;
    int m_nPressCol;
    int m_nPressRow;
    int m_nAnchorCol;
    int m_nAnchorRow;
    std::set<DWORD> m_setSelected; // row << 16 | column
    HCURSOR m_hCursor[CURSOR_COUNT];
    int m_nCursorState;
    int m_bCapturing;
    int m_bEditing;
    int m_nFontHeight;
    int m_nTextHeight;
    // While DrawCellRange runs: its DC, the text alignment set there and the DC's own, the
    // font and text colour in the DC.
    HDC m_hRangeDC;
    UINT m_nRangeAlign;
    UINT m_nRangeAlignOld;
    HGDIOBJ m_hRangeFont;
    COLORREF m_clrRangeText;

    afx_msg void OnPaint();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg LRESULT OnSetEditData(WPARAM wParam, LPARAM lParam);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnIdentify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

template <class Fn>
void CGrid::PaintBuffered(Fn paint)
{
    CPaintDC dc(this);
    CRect clip;
    dc.GetClipBox(&clip);
    if (clip.IsRectEmpty())
        return;
    CDC mem;
    CBitmap bitmap;
    if (!mem.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, clip.Width(), clip.Height()))
        return;
    CBitmap* old = mem.SelectObject(&bitmap);
    mem.SetViewportOrg(-clip.left, -clip.top);
    paint(&mem, clip);
    mem.SetViewportOrg(0, 0);
    dc.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &mem, 0, 0, SRCCOPY);
    mem.SelectObject(old);
}
