// The grid's layout: row and column counts, extents, visibility, border width and the
// rectangles of cells, ranges and the body.
#include "Grid.h"

#include <algorithm>
#include <cstring>

#include "ColorMap.h"

namespace {

const int kDefaultRowHeight = 23;

// A new extent after prev: same size and flags, starting at prev's end plus the border.
tagExtent NextExtent(const tagExtent* prev, int border, int defaultSize)
{
    tagExtent e;
    if (prev == NULL) {
        e.nStart = (WORD)border;
        e.nSize = (WORD)std::max(0, defaultSize - border);
        e.nFlags = 0;
    } else {
        e.nStart = (WORD)(prev->nStart + prev->nSize + border);
        e.nSize = prev->nSize;
        e.nFlags = prev->nFlags;
    }
    return e;
}

} // namespace

int CGrid::SetRowCount(UINT n)
{
    if (n == 0)
        return 0;
    if (n == m_nRowCount)
        return 1;
    if (m_ppCells == NULL) { // no window yet: the arrays are made at creation
        m_nRowCount = n;
        return 1;
    }
    const UINT kept = std::min(n, m_nRowCount);
    for (UINT col = 0; col < m_nColCount; ++col) {
        tagCell* cells = new tagCell[n];
        memcpy(cells, m_ppCells[col], sizeof(tagCell) * kept);
        for (UINT row = kept; row < m_nRowCount; ++row)
            delete[] m_ppCells[col][row].pszText;
        for (UINT row = kept; row < n; ++row) {
            InitCell(cells[row]);
            if (col < m_nColHeadCount)
                cells[row].nFlags = (cells[row].nFlags & ~GCF_STYLE_MASK) | GCS_HEADER | GCF_FIXTEXT;
        }
        delete[] m_ppCells[col];
        m_ppCells[col] = cells;
    }
    tagExtent* rows = new tagExtent[n];
    memcpy(rows, m_pRowExt, sizeof(tagExtent) * kept);
    for (UINT row = kept; row < n; ++row)
        rows[row] = NextExtent(row > 0 ? &rows[row - 1] : NULL, m_nBorderWidth, m_nDefRowHeight);
    delete[] m_pRowExt;
    m_pRowExt = rows;
    m_nRowCount = n;
    RepaintAll(TRUE);
    return 1;
}

int CGrid::SetColumnCount(UINT n)
{
    if (n == 0)
        return 0;
    if (n == m_nColCount)
        return 1;
    if (m_ppCells == NULL) {
        m_nColCount = n;
        return 1;
    }
    const UINT kept = std::min(n, m_nColCount);
    tagCell** columns = new tagCell*[n];
    for (UINT col = 0; col < kept; ++col)
        columns[col] = m_ppCells[col];
    for (UINT col = kept; col < m_nColCount; ++col) {
        for (UINT row = 0; row < m_nRowCount; ++row)
            delete[] m_ppCells[col][row].pszText;
        delete[] m_ppCells[col];
    }
    for (UINT col = kept; col < n; ++col) {
        columns[col] = new tagCell[m_nRowCount > 0 ? m_nRowCount : 1];
        for (UINT row = 0; row < m_nRowCount; ++row) {
            InitCell(columns[col][row]);
            if (row < m_nRowHeadCount)
                columns[col][row].nFlags = (columns[col][row].nFlags & ~GCF_STYLE_MASK) | GCS_HEADER | GCF_FIXTEXT;
        }
    }
    delete[] m_ppCells;
    m_ppCells = columns;
    tagExtent* cols = new tagExtent[n];
    memcpy(cols, m_pColExt, sizeof(tagExtent) * kept);
    for (UINT col = kept; col < n; ++col)
        cols[col] = NextExtent(col > 0 ? &cols[col - 1] : NULL, m_nBorderWidth, 60);
    delete[] m_pColExt;
    m_pColExt = cols;
    m_nColCount = n;
    RepaintAll(TRUE);
    return 1;
}

int CGrid::SetRowHeadCount(UINT)
{
    return 1; // fixed by Create
}

int CGrid::SetColumnHeadCount(UINT)
{
    return 1;
}

int CGrid::SetColumnWidth(UINT col, int width)
{
    if (col >= m_nColCount || m_pColExt == NULL || width < 0 || width > 0xFFFF)
        return 0;
    const int diff = width - m_pColExt[col].nSize;
    if (diff == 0)
        return 1;
    m_pColExt[col].nSize = (WORD)width;
    for (UINT i = col + 1; i < m_nColCount; ++i)
        m_pColExt[i].nStart = (WORD)(m_pColExt[i].nStart + diff);
    if (m_hWnd != NULL) {
        CRect client;
        GetClientRect(&client);
        Repaint(CRect(m_pColExt[col].nStart, m_nRowCount > 0 ? m_pRowExt[0].nStart : 0, client.right, client.bottom),
                TRUE);
    }
    return 1;
}

int CGrid::SetRowHeight(UINT row, int height)
{
    if (row >= m_nRowCount || m_pRowExt == NULL || height < 0 || height > 0xFFFF)
        return 0;
    const int diff = height - m_pRowExt[row].nSize;
    if (diff == 0)
        return 1;
    m_pRowExt[row].nSize = (WORD)height;
    for (UINT i = row + 1; i < m_nRowCount; ++i)
        m_pRowExt[i].nStart = (WORD)(m_pRowExt[i].nStart + diff);
    if (m_hWnd != NULL) {
        CRect client;
        GetClientRect(&client);
        Repaint(CRect(0, m_pRowExt[row].nStart, client.right, client.bottom), TRUE);
    }
    return 1;
}

int CGrid::SetColumnVisible(UINT col, int show)
{
    if (col >= m_nColCount || m_pColExt == NULL)
        return 0;
    const BOOL hidden = (m_pColExt[col].nFlags & GEF_HIDDEN) != 0;
    if (hidden == !show)
        return 1;
    const int pitch = m_pColExt[col].nSize + m_nBorderWidth;
    const int shift = show ? pitch : -pitch;
    if (show)
        m_pColExt[col].nFlags &= ~GEF_HIDDEN;
    else
        m_pColExt[col].nFlags |= GEF_HIDDEN;
    for (UINT i = col + 1; i < m_nColCount; ++i)
        m_pColExt[i].nStart = (WORD)(m_pColExt[i].nStart + shift);
    if (m_hWnd != NULL) {
        CRect client;
        GetClientRect(&client);
        Repaint(CRect(m_pColExt[col].nStart - m_nBorderWidth, 0, client.right, client.bottom), TRUE);
    }
    return 1;
}

int CGrid::SetDefaultRowHeight(int height)
{
    m_nDefRowHeight = height < 1 ? kDefaultRowHeight : height;
    return 1;
}

int CGrid::SetBorderWidth(int width)
{
    if (width < 0 || width > 0xFFFF)
        return 0;
    const int diff = m_nBorderWidth - width;
    if (m_pColExt != NULL)
        for (UINT col = 0; col < m_nColCount; ++col)
            m_pColExt[col].nSize = (WORD)std::max(0, m_pColExt[col].nSize + diff);
    if (m_pRowExt != NULL)
        for (UINT row = 0; row < m_nRowCount; ++row)
            m_pRowExt[row].nSize = (WORD)std::max(0, m_pRowExt[row].nSize + diff);
    m_nBorderWidth = (WORD)width;
    RepaintAll(TRUE);
    return 1;
}

int CGrid::GetColumnWidth(UINT col) const
{
    return col < m_nColCount && m_pColExt != NULL ? m_pColExt[col].nSize : 0;
}

int CGrid::GetColumnStart(UINT col) const
{
    return col < m_nColCount && m_pColExt != NULL ? m_pColExt[col].nStart : 0;
}

int CGrid::GetRowHeight(UINT row) const
{
    return row < m_nRowCount && m_pRowExt != NULL ? m_pRowExt[row].nSize : 0;
}

int CGrid::GetRowStart(UINT row) const
{
    return row < m_nRowCount && m_pRowExt != NULL ? m_pRowExt[row].nStart : 0;
}

COLORREF CGrid::GetBorderColor() const
{
    return ColorOf(m_pBorderColor, RGB(0, 0, 0));
}

CRect CGrid::GetCellRect(UINT col, UINT row)
{
    if (!IsCell(col, row))
        return CRect(0, 0, 0, 0);
    UINT lastCol = col, lastRow = row;
    const tagCell& cell = m_ppCells[col][row];
    if (cell.nFlags & GCF_MERGED) {
        // Spans are kept within the grid when it shrinks later.
        lastCol = std::min<UINT>(col + HIBYTE(cell.nMerge), m_nColCount - 1);
        lastRow = std::min<UINT>(row + LOBYTE(cell.nMerge), m_nRowCount - 1);
    }
    return CRect(m_pColExt[col].nStart, m_pRowExt[row].nStart, m_pColExt[lastCol].nStart + m_pColExt[lastCol].nSize,
                 m_pRowExt[lastRow].nStart + m_pRowExt[lastRow].nSize);
}

CRect CGrid::GetRect(UINT col1, UINT row1, UINT col2, UINT row2)
{
    if (!IsRange(col1, row1, col2, row2))
        return CRect(0, 0, 0, 0);
    while (col2 > col1 && (m_pColExt[col2].nFlags & GEF_HIDDEN))
        --col2;
    while (col1 < col2 && (m_pColExt[col1].nFlags & GEF_HIDDEN))
        ++col1;
    return CRect(m_pColExt[col1].nStart, m_pRowExt[row1].nStart, m_pColExt[col2].nStart + m_pColExt[col2].nSize,
                 m_pRowExt[row2].nStart + m_pRowExt[row2].nSize);
}

CRect CGrid::GetDataRect()
{
    if (m_pColExt == NULL || m_pRowExt == NULL || m_nRowCount <= m_nRowHeadCount || m_nColCount <= m_nColHeadCount)
        return CRect(0, 0, 0, 0);
    const tagExtent& lastCol = m_pColExt[m_nColCount - 1];
    const tagExtent& lastRow = m_pRowExt[m_nRowCount - 1];
    return CRect(m_pColExt[m_nColHeadCount].nStart, m_pRowExt[m_nRowHeadCount].nStart, lastCol.nStart + lastCol.nSize,
                 lastRow.nStart + lastRow.nSize);
}

void CGrid::Repaint(const CRect& rect, BOOL erase)
{
    if (m_hWnd != NULL)
        InvalidateRect(&rect, erase);
}

void CGrid::RepaintAll(BOOL erase)
{
    if (m_hWnd != NULL)
        Invalidate(erase);
}

void CGrid::RepaintCell(UINT col, UINT row, BOOL erase)
{
    if (m_hWnd == NULL || !IsCell(col, row))
        return;
    CRect rect = GetCellRect(col, row);
    InvalidateRect(&rect, erase);
}
