// The scrolling grid list: structure setters that keep the standard bars in step, cell
// rectangles under scrolling, and the double-buffered paint of headers and scrolled body.
#include "GridList.h"

IMPLEMENT_DYNAMIC(CGridList, CGrid)

BEGIN_MESSAGE_MAP(CGridList, CGrid)
    ON_WM_PAINT()
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CGridList::CGridList() : m_nResizeCol(-1), m_bRowSelect(0), m_bRemoveRowLine(1), m_dwScrollBars(0), m_nUpdateStyle(1), m_nRepeatCount(1)
{
    m_hoverHit.nCol = m_hoverHit.nRow = 0;
    m_hoverHit.nFlags = 0;
}

CGridList::~CGridList() {}

// --- structure ---------------------------------------------------------------------------

int CGridList::CreateCellArrays(UINT columns, UINT rows)
{
    if (!CGrid::CreateCellArrays(columns, rows))
        return 0;
    SetScroll();
    return 1;
}

int CGridList::SetRowCount(UINT n)
{
    if (!CGrid::SetRowCount(n))
        return 0;
    SetScroll();
    return 1;
}

int CGridList::SetColumnCount(UINT n)
{
    if (!CGrid::SetColumnCount(n))
        return 0;
    SetScroll();
    return 1;
}

int CGridList::SetRowHeadCount(UINT)
{
    SetScroll();
    return 1;
}

int CGridList::SetColumnHeadCount(UINT)
{
    SetScroll();
    return 1;
}

int CGridList::SetColumnWidth(UINT col, int width)
{
    if (!CGrid::SetColumnWidth(col, width))
        return 0;
    SetScroll();
    return 1;
}

int CGridList::SetColumnVisible(UINT col, int show)
{
    if (!CGrid::SetColumnVisible(col, show))
        return 0;
    SetScroll();
    return 1;
}

CRect CGridList::GetCellRect(UINT col, UINT row)
{
    CRect rect = CGrid::GetCellRect(col, row);
    if (!IsCell(col, row))
        return rect;
    rect.OffsetRect(col >= m_nColHeadCount ? -m_nHScroll : 0, row >= m_nRowHeadCount ? -m_nVScroll : 0);
    return rect;
}

// --- painting ----------------------------------------------------------------------------

int CGridList::DrawCells(CDC* pDC, int firstCol, int firstRow, int endCol, int endRow)
{
    // A list shows no bars (their ground stays); text cells cover the line above them, so body
    // rows read as one band.
    return DrawCellRange(pDC, firstCol, firstRow, endCol, endRow, TRUE, m_bRemoveRowLine);
}

void CGridList::Paint(CDC* pDC, const CRect& clip)
{
    const int saved = pDC->SaveDC();
    pDC->IntersectClipRect(&clip);
    PaintGround(pDC, clip);

    const int cols = (int)m_nColCount, rows = (int)m_nRowCount;
    const int headCols = (int)m_nColHeadCount, headRows = (int)m_nRowHeadCount;
    auto end = [this](const tagExtent* ext, int last) { return last >= 0 ? ext[last].nStart + ext[last].nSize + m_nBorderWidth : 0; };
    if (m_ppCells != NULL) {
        if (DrawCells(pDC, 0, 0, headCols, headRows))
            pDC->ExcludeClipRect(0, 0, end(m_pColExt, headCols - 1), end(m_pRowExt, headRows - 1));
        if (DrawCells(pDC, 0, headRows, headCols, rows))
            pDC->ExcludeClipRect(0, 0, end(m_pColExt, headCols - 1), end(m_pRowExt, rows - 1));
        if (DrawCells(pDC, headCols, 0, cols, headRows))
            pDC->ExcludeClipRect(0, 0, end(m_pColExt, cols - 1), end(m_pRowExt, headRows - 1));
        DrawCells(pDC, headCols, headRows, cols, rows);
    }
    pDC->RestoreDC(saved);
}

void CGridList::OnPaint()
{
    PaintBuffered([this](CDC* pDC, const CRect& clip) { Paint(pDC, clip); });
}
