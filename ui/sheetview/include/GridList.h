// The scrolling grid list: a grid whose body scrolls by pixels under fixed header rows and
// columns, painted double-buffered, with column resizing by dragging a header edge, whole-row
// selection and the wheel turned into scroll commands.
#pragma once

#include "Grid.h"
#include "XeScrollBar.h"

class SHEETVIEW_API CGridList : public CGrid
{
    DECLARE_DYNAMIC(CGridList)
public:
    CGridList();
    virtual ~CGridList();

    // Pixels one line of horizontal scrolling moves.
    enum { HSCROLL_LINE = 60, MIN_COLUMN_WIDTH = 10 };

protected:
    virtual int DrawCells(CDC* pDC, int firstCol, int firstRow, int endCol, int endRow);
    virtual int CreateCellArrays(UINT columns, UINT rows);

public:
    virtual int SetRowCount(UINT n);
    virtual int SetColumnCount(UINT n);
    virtual int SetRowHeadCount(UINT n);
    virtual int SetColumnHeadCount(UINT n);
    virtual int SetColumnWidth(UINT col, int width);
    virtual int SetColumnVisible(UINT col, int show);
    virtual CRect GetCellRect(UINT col, UINT row);
    virtual void SetVScrollInfo(int position);
    virtual void SetHScrollInfo(int position);

    // Refreshes the standard bars the window has, at position 0.
    void SetScroll();
    // Moves the vertical (nonzero) or horizontal offset to position, kept within the bar.
    void SetScrollPosition(int vertical, int position);
    void SetRowSelect(int on) { m_bRowSelect = on; }
    int GetRowSelect() const { return m_bRowSelect; }
    void SetRemoveRowLine(int on) { m_bRemoveRowLine = on; }
    // Height (vertical) or width of the body inside the client.
    int GetPageSize(int vertical);
    int GetTopIndex() { return 0; }
    int GetLeftIndex() { return 0; }
    int GetTrackSize() { return 0; }
    int GetNextPageSize() { return 0; }
    int GetPrevPageSize() { return 0; }
    int GetHScrollOffset() const { return m_nHScroll; }
    int GetVScrollOffset() const { return m_nVScroll; }
    int GetResizeColumn() const { return m_nResizeCol; }

    // Draws what lies inside clip (client coordinates) into pDC, whose logical coordinates are
    // the client's: grid lines, background, headers and the scrolled body.
    virtual void Paint(CDC* pDC, const CRect& clip);

protected:
    // New scroll offset for a scroll code on a bar with the given info, kept within the bar;
    // `line` is the size of one line; false for a code that does not move.
    static bool ScrollTarget(const SCROLLINFO& info, UINT code, int line, int current, bool otherCodesMove,
                             int& target);
    // Strip of the client the body columns (rows) cover.
    CRect BodyColumnsStrip();
    CRect BodyRowsStrip();
    // The delta of a line, page or thumb-track code (line: the size of one line); false for
    // any other code.
    static bool CodeDelta(const SCROLLINFO& info, UINT code, int line, int current, long long& delta);
    void ScrollBodyBy(int dx, int dy);
    // Scroll info over 0..max with the page, for the window's standard bar `bar` or, when given,
    // a bar control of the list's own.
    void SetBodyScrollInfo(int bar, CScrollBar* own, int max, int page, int position);
    void StartColumnResize(int col, int row);
    void EndEditForScroll();

    tagGRDHITTEST m_hoverHit;
    int m_nResizeCol;
    int m_bRowSelect;
    int m_bRemoveRowLine;
    // The standard bars the window was created with: a bar that hides while everything fits
    // takes WS_[HV]SCROLL off the style, and must still come back when the content grows.
    DWORD m_dwScrollBars;
    CXeScrollBar m_wndVScroll;
    CXeScrollBar m_wndHScroll;
    // Layout settings of the record-bound list: one record per row block (1) or per column block
    // (0), and grid rows (columns) per record.
    int m_nUpdateStyle;
    int m_nRepeatCount;

    afx_msg void OnPaint();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
