// Cell operations of the grid: text, data, colours, style, alignment, signs, flags and merges.
// Every operation refuses a cell outside the grid (result 0, nothing changed).
#include "Grid.h"

#include <algorithm>
#include <cstring>

#include "ColorMap.h"
#include "GridCellProcs.h"

namespace {

// Merge words hold offsets and spans in one byte each.
const UINT kMaxMergeSpan = 255;

} // namespace

// Applies fn to every cell of a range inside the grid; redraw repaints the range rectangle.
template <class Fn>
int CGrid::ForEachInRange(UINT col1, UINT row1, UINT col2, UINT row2, int redraw, Fn fn)
{
    if (!IsRange(col1, row1, col2, row2))
        return 0;
    for (UINT col = col1; col <= col2; ++col)
        for (UINT row = row1; row <= row2; ++row)
            fn(col, row, m_ppCells[col][row]);
    if (redraw)
        Repaint(GetRect(col1, row1, col2, row2), FALSE);
    return 1;
}

int CGrid::SetCellBits(UINT col, UINT row, UINT mask, UINT bits, int redraw, BOOL erase)
{
    if (!IsCell(col, row))
        return 0;
    tagCell& cell = m_ppCells[col][row];
    cell.nFlags = (cell.nFlags & ~mask) | (bits & mask);
    if (redraw)
        RepaintCell(col, row, erase);
    return 1;
}

COLORREF CGrid::ColorOf(const CColorInfo* info, COLORREF fallback)
{
    return info != NULL ? info->m_clrColor : fallback;
}

tagCell* CGrid::GetCellPtr(UINT col, UINT row)
{
    return IsCell(col, row) ? &m_ppCells[col][row] : NULL;
}

char* CGrid::GetBuffer(UINT col, UINT row)
{
    return IsCell(col, row) ? m_ppCells[col][row].pszText : NULL;
}

// --- content -----------------------------------------------------------------------------

int CGrid::SetCellText(UINT col, UINT row, const char* text, int redraw)
{
    if (!IsCell(col, row))
        return 0;
    if (text == NULL)
        text = "";
    // The buffer size is a 16-bit count: longer texts are cut to what it can describe.
    size_t len = strlen(text);
    if (len > 0xFFFE)
        len = 0xFFFE;
    tagCell& cell = m_ppCells[col][row];
    char* buffer = new char[len + 2];
    memset(buffer, 0, len + 2);
    memcpy(buffer, text, len);
    delete[] cell.pszText;
    cell.pszText = buffer;
    cell.nBufSize = (WORD)(len + 1);
    if (redraw)
        RepaintCell(col, row, FALSE);
    return 1;
}

CString CGrid::GetCellText(UINT col, UINT row)
{
    if (!IsCell(col, row) || m_ppCells[col][row].pszText == NULL)
        return CString();
    return CString(m_ppCells[col][row].pszText);
}

int CGrid::SetBufferLength(UINT col, UINT row, short len)
{
    if (!IsCell(col, row) || len < 0)
        return 0;
    tagCell& cell = m_ppCells[col][row];
    char* buffer = new char[len + 1];
    memset(buffer, 0, len + 1);
    delete[] cell.pszText;
    cell.pszText = buffer;
    cell.nBufSize = (WORD)len;
    return 1;
}

void CGrid::ClearCellText(int redraw)
{
    if (m_ppCells == NULL)
        return;
    for (UINT col = 0; col < m_nColCount; ++col) {
        for (UINT row = 0; row < m_nRowCount; ++row) {
            tagCell& cell = m_ppCells[col][row];
            if ((cell.nFlags & GCF_STYLE_MASK) == GCS_CHECK)
                cell.nFlags &= ~GCF_CHECKED;
            if (col < m_nColHeadCount || row < m_nRowHeadCount || (cell.nFlags & GCF_FIXTEXT))
                continue;
            if (cell.pszText != NULL)
                memset(cell.pszText, 0, cell.nBufSize);
            cell.nFlags &= ~GCF_SIGN_MASK;
        }
    }
    if (redraw)
        Repaint(GetDataRect(), TRUE);
}

int CGrid::SetCellData(UINT col, UINT row, long data)
{
    if (!IsCell(col, row))
        return 0;
    m_ppCells[col][row].lData = data;
    return 1;
}

long CGrid::GetCellData(UINT col, UINT row)
{
    return IsCell(col, row) ? m_ppCells[col][row].lData : 0;
}

// --- colours -----------------------------------------------------------------------------

int CGrid::SetBackColor(UINT col, UINT row, WORD id, int redraw)
{
    if (!IsCell(col, row))
        return 0;
    m_ppCells[col][row].pBackColor = CColorMap::GetColorInfo(id);
    if (redraw)
        RepaintCell(col, row, FALSE);
    return 1;
}

int CGrid::SetForeColor(UINT col, UINT row, WORD id, int redraw)
{
    if (!IsCell(col, row))
        return 0;
    m_ppCells[col][row].pForeColor = CColorMap::GetColorInfo(id);
    if (redraw)
        RepaintCell(col, row, FALSE);
    return 1;
}

int CGrid::SetBackColor(UINT col1, UINT row1, UINT col2, UINT row2, WORD id, int redraw)
{
    CColorInfo* info = CColorMap::GetColorInfo(id);
    return ForEachInRange(col1, row1, col2, row2, redraw, [info](UINT, UINT, tagCell& cell) { cell.pBackColor = info; });
}

int CGrid::SetForeColor(UINT col1, UINT row1, UINT col2, UINT row2, WORD id, int redraw)
{
    CColorInfo* info = CColorMap::GetColorInfo(id);
    return ForEachInRange(col1, row1, col2, row2, redraw, [info](UINT, UINT, tagCell& cell) { cell.pForeColor = info; });
}

void CGrid::SetHighlightColor(WORD id)
{
    m_pHighlightColor = CColorMap::GetColorInfo(id);
}

void CGrid::SetHighlightColor(CColorInfo* info)
{
    m_pHighlightColor = info;
}

void CGrid::SetBorderColor(WORD id, int redraw)
{
    m_pBorderColor = CColorMap::GetColorInfo(id);
    if (redraw)
        RepaintAll(TRUE);
}

void CGrid::SetHeaderLineColor(WORD id, int redraw)
{
    m_pHeaderLineColor = CColorMap::GetColorInfo(id);
    if (redraw)
        RepaintAll(TRUE);
}

// --- style, alignment, flags -------------------------------------------------------------

int CGrid::SetCellStyle(UINT col, UINT row, UINT style, int redraw)
{
    if (!IsCell(col, row))
        return 0;
    tagCell& cell = m_ppCells[col][row];
    style &= GCF_STYLE_MASK;
    cell.nFlags = (cell.nFlags & ~GCF_STYLE_MASK) | style;
    if (style & 0x700)
        cell.nFlags |= GCF_FIXTEXT;
    else
        cell.nFlags &= ~GCF_FIXTEXT;
    cell.pBackColor = CColorMap::GetColorInfo(style == GCS_HEADER ? GRID_CLR_HEADER_BACK : GRID_CLR_BACK);
    if (redraw)
        RepaintCell(col, row, FALSE);
    return 1;
}

int CGrid::SetCellStyle(UINT col1, UINT row1, UINT col2, UINT row2, UINT style, int redraw)
{
    return ForEachInRange(col1, row1, col2, row2, redraw,
                          [this, style](UINT col, UINT row, tagCell&) { SetCellStyle(col, row, style, 0); });
}

int CGrid::SetCellAlign(UINT col, UINT row, UINT align, int redraw)
{
    return SetCellBits(col, row, GCF_ALIGN_MASK, align, redraw, FALSE);
}

int CGrid::SetCellAlign(UINT col1, UINT row1, UINT col2, UINT row2, UINT align, int redraw)
{
    return ForEachInRange(col1, row1, col2, row2, redraw,
                          [this, align](UINT col, UINT row, tagCell&) { SetCellAlign(col, row, align, 0); });
}

int CGrid::SetBarAlign(UINT col, UINT row, UINT align, int redraw)
{
    return SetCellBits(col, row, GCF_BARALIGN_MASK, align, redraw, FALSE);
}

int CGrid::SetBarAlign(UINT col1, UINT row1, UINT col2, UINT row2, UINT align, int redraw)
{
    return ForEachInRange(col1, row1, col2, row2, redraw,
                          [this, align](UINT col, UINT row, tagCell&) { SetBarAlign(col, row, align, 0); });
}

int CGrid::SetSign(UINT col, UINT row, char sign)
{
    if (!IsCell(col, row))
        return 0;
    DWORD flags = m_ppCells[col][row].nFlags;
    ::SetSign(sign, &flags);
    m_ppCells[col][row].nFlags = (UINT)flags;
    return 1;
}

namespace {

void SetFlag(tagCell& cell, UINT flag, int on)
{
    if (on)
        cell.nFlags |= flag;
    else
        cell.nFlags &= ~flag;
}

} // namespace

int CGrid::SetCellBoldFont(UINT col, UINT row, int on)
{
    return SetCellBits(col, row, GCF_BOLD, on ? GCF_BOLD : 0, 0, FALSE);
}

int CGrid::SetCellMultiline(UINT col, UINT row, int on)
{
    return SetCellBits(col, row, GCF_MULTILINE, on ? GCF_MULTILINE : 0, 0, FALSE);
}

int CGrid::SetCellFixText(UINT col, UINT row, int on)
{
    return SetCellBits(col, row, GCF_FIXTEXT, on ? GCF_FIXTEXT : 0, 0, FALSE);
}

int CGrid::SetCellHighlight(UINT col, UINT row, int on, int redraw)
{
    return SetCellBits(col, row, GCF_HIGHLIGHT, on ? GCF_HIGHLIGHT : 0, redraw, TRUE);
}

int CGrid::IsCellHighlight(UINT col, UINT row)
{
    return IsCell(col, row) && (m_ppCells[col][row].nFlags & GCF_HIGHLIGHT) ? 1 : 0;
}

int CGrid::IsChecked(UINT col, UINT row)
{
    return IsCell(col, row) && (m_ppCells[col][row].nFlags & GCF_CHECKED) ? 1 : 0;
}

int CGrid::SetNoSelect(UINT col1, UINT row1, UINT col2, UINT row2, int on, int redraw)
{
    return ForEachInRange(col1, row1, col2, row2, redraw, [on](UINT, UINT, tagCell& cell) { SetFlag(cell, GCF_NOSELECT, on); });
}

int CGrid::SetCheckControl(UINT col, UINT row, int redraw)
{
    if (!IsCell(col, row))
        return 0;
    tagCell& cell = m_ppCells[col][row];
    cell.nFlags = (cell.nFlags & ~GCF_STYLE_MASK) | GCS_CHECK | GCF_FIXTEXT;
    if (redraw)
        RepaintCell(col, row, TRUE);
    return 1;
}

int CGrid::SetButtonControl(UINT col, UINT row, int redraw)
{
    if (!IsCell(col, row))
        return 0;
    tagCell& cell = m_ppCells[col][row];
    cell.nFlags = (cell.nFlags & ~GCF_STYLE_MASK) | GCS_BUTTON | GCF_FIXTEXT;
    cell.pBackColor = CColorMap::GetColorInfo(GRID_CLR_BUTTON_BACK);
    if (redraw)
        RepaintCell(col, row, TRUE);
    return 1;
}

int CGrid::SetCheck(UINT col, UINT row, int check, int redraw)
{
    return SetCellBits(col, row, GCF_CHECKED, check ? GCF_CHECKED : 0, redraw, TRUE);
}

// --- merges ------------------------------------------------------------------------------

int CGrid::Merge(UINT col1, UINT row1, UINT col2, UINT row2)
{
    // Spans and offsets live in one byte each: a wider range would wrap.
    if (!IsRange(col1, row1, col2, row2) || col2 < col1 || row2 < row1 || col2 - col1 > kMaxMergeSpan ||
        row2 - row1 > kMaxMergeSpan)
        return 0;
    for (UINT col = col1; col <= col2; ++col) {
        for (UINT row = row1; row <= row2; ++row) {
            tagCell& cell = m_ppCells[col][row];
            cell.nFlags = (cell.nFlags & ~GCF_MERGED) | GCF_COVERED;
            cell.nMerge = MAKEWORD(row - row1, col - col1);
        }
    }
    tagCell& origin = m_ppCells[col1][row1];
    origin.nFlags = (origin.nFlags & ~GCF_COVERED) | GCF_MERGED;
    origin.nMerge = MAKEWORD(row2 - row1, col2 - col1);
    Repaint(GetRect(col1, row1, col2, row2), TRUE);
    return 1;
}

int CGrid::Demerge(UINT col, UINT row)
{
    if (!IsCell(col, row) || !(m_ppCells[col][row].nFlags & GCF_MERGED))
        return 0;
    const tagCell& origin = m_ppCells[col][row];
    const UINT lastCol = std::min<UINT>(col + HIBYTE(origin.nMerge), m_nColCount - 1);
    const UINT lastRow = std::min<UINT>(row + LOBYTE(origin.nMerge), m_nRowCount - 1);
    const CRect area = GetRect(col, row, lastCol, lastRow);
    for (UINT c = col; c <= lastCol; ++c) {
        for (UINT r = row; r <= lastRow; ++r) {
            m_ppCells[c][r].nFlags &= ~GCF_COVERED;
            m_ppCells[c][r].nMerge = 0;
        }
    }
    m_ppCells[col][row].nFlags &= ~GCF_MERGED;
    Repaint(area, TRUE);
    return 1;
}
