// The record-bound list's check boxes and in-place edits: which description and record a grid
// cell shows, the write-back of a checked box or a committed text into the record's field (no
// byte beyond it), and Tab to the next editable cell.
#include "GridDataList.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "CellText.h"
#include "NumberFormat.h"
#include "TextUtils.h"

const tagGridDataInfo* CGridDataList::DescriptionAt(UINT col, UINT row) const
{
    UINT line, offset;
    if (m_nUpdateStyle) {
        if (row < m_nRowHeadCount)
            return NULL;
        line = col;
        offset = (row - m_nRowHeadCount) % (UINT)m_nRepeatCount;
    } else {
        if (col < m_nColHeadCount)
            return NULL;
        line = row;
        offset = (col - m_nColHeadCount) % (UINT)m_nRepeatCount;
    }
    for (const tagGridDataInfo& d : m_descriptions)
        if (d.nColumn == line && d.nRow == offset)
            return &d;
    return NULL;
}

int CGridDataList::RecordAtCell(UINT col, UINT row) const
{
    int record;
    if (m_nUpdateStyle) {
        if (row < m_nRowHeadCount)
            return -1;
        record = m_nTopRecord + (int)(row - m_nRowHeadCount) / m_nRepeatCount;
    } else {
        if (col < m_nColHeadCount)
            return -1;
        record = m_nLeftRecord + (int)(col - m_nColHeadCount) / m_nRepeatCount;
    }
    return record < (int)m_records.size() ? record : -1;
}

int CGridDataList::SetCheck(UINT col, UINT row, int check, int redraw)
{
    if (!CGrid::SetCheck(col, row, check, redraw))
        return 0;
    const tagGridDataInfo* d = DescriptionAt(col, row);
    const int record = RecordAtCell(col, row);
    int length;
    BYTE* field = d != NULL ? FieldOf(record, *d, length) : NULL;
    if (field != NULL)
        memset(field, check ? '1' : 0, length);
    return 1;
}

int CGridDataList::SetGridEdit(int col, int row)
{
    // Data coordinates: only a cell of an existing record is edited.
    if (m_nUpdateStyle) {
        if (row < (int)m_nRowHeadCount || (row - (int)m_nRowHeadCount) / m_nRepeatCount >= (int)m_records.size())
            return 0;
    } else if (col < (int)m_nColHeadCount || (col - (int)m_nColHeadCount) / m_nRepeatCount >= (int)m_records.size()) {
        return 0;
    }
    const int gc = col >= (int)m_nColHeadCount ? col - ColShift() : col;
    const int gr = row >= (int)m_nRowHeadCount ? row - RowShift() : row;
    if (!CGrid::SetGridEdit(gc, gr))
        return 0;
    const tagGridDataInfo* d = DescriptionAt(gc, gr);
    const bool masked = d != NULL && (d->nFormat & GDF_CODE_MASK) == GDF_MASK;
    m_wndEdit.SetPasswordMode(masked);
    if (masked) {
        // The cell shows only stars: the edit starts from the field itself, so that leaving it
        // unchanged writes back what the record held, not the stars.
        int length;
        const BYTE* field = FieldOf(RecordAtCell(gc, gr), *d, length);
        if (field != NULL) {
            std::string text((const char*)field, strnlen((const char*)field, (size_t)length));
            m_wndEdit.SetData(&text[0]);
            m_wndEdit.SelectAll();
        }
    }
    m_wndEdit.Invalidate();
    return 1;
}

void CGridDataList::WriteBack(int record, const tagGridDataInfo& d, const char* text)
{
    int length;
    BYTE* field = FieldOf(record, d, length);
    if (field == NULL || length <= 0)
        return;
    // Room for the decimal shift of a price ("98" becomes "9800").
    std::vector<char> work(strlen(text) + 64, '\0');
    strcpy(work.data(), text);
    char* s = work.data();
    switch (d.nType) {
    case DT_TEXT:
    case DT_FLAG:
        memset(field, 0, length);
        RemoveComma(s);
        memcpy(field, s, std::min<size_t>(strlen(s), (size_t)length));
        break;
    case DT_INT: {
        memset(field, 0, length);
        RemoveComma(s);
        if ((d.nFormat & GDF_CODE_MASK) == GDF_PRICE)
            aexpa(s, 2);
        const long long wide = strtoll(s, NULL, 10);
        const int value = (int)std::max<long long>(INT_MIN, std::min<long long>(wide, INT_MAX));
        memcpy(field, &value, std::min<size_t>(length, sizeof value));
        break;
    }
    case DT_DOUBLE: {
        memset(field, 0, length);
        RemoveComma(s);
        const double value = atof(s);
        memcpy(field, &value, std::min<size_t>(length, sizeof value));
        break;
    }
    default:
        break; // raw bytes are not written from text
    }
}

LRESULT CGridDataList::OnSetEditData(WPARAM wParam, LPARAM lParam)
{
    const UINT col = LOWORD(wParam), row = HIWORD(wParam);
    const std::string text = lParam != 0 ? (const char*)lParam : "";
    // The cell keeps a buffer that fits what the format writes back into it: a shorter text
    // goes into the one it has.
    tagCell* cell = GetCellPtr(col, row);
    if (cell != NULL && cell->pszText != NULL && text.size() <= cell->nBufSize)
        PutText(cell, text.c_str());
    else
        SetCellText(col, row, text.c_str(), 0);
    const tagGridDataInfo* d = DescriptionAt(col, row);
    const int record = RecordAtCell(col, row);
    if (d != NULL && record >= 0)
        WriteBack(record, *d, text.c_str());
    if (m_nUpdateStyle && row >= m_nRowHeadCount) {
        const int first = (int)m_nRowHeadCount + ((int)(row - m_nRowHeadCount) / m_nRepeatCount) * m_nRepeatCount;
        UpdateVertList(first, first + m_nRepeatCount - 1);
    }
    m_bEditing = 0;
    const WPARAM where = ((WPARAM)(WORD)(RowShift() + (int)row) << 16) | (WORD)(ColShift() + (int)col);
    NotifyParent(WM_GRID_SETEDITDATA, where, (LPARAM)text.c_str());
    return 0;
}

LRESULT CGridDataList::OnNextEditFocus(WPARAM, LPARAM)
{
    const int c = m_wndEdit.GetTargetColumn(), r = m_wndEdit.GetTargetRow();
    if (c == CGridEdit::NO_TARGET || r == CGridEdit::NO_TARGET || m_ppCells == NULL)
        return 0;
    auto editable = [this](int col, int row) {
        const tagCell* cell = GetCellPtr(col, row);
        return cell != NULL && (cell->nFlags & GCF_STYLE_MASK) == GCS_EDIT;
    };
    if (m_nUpdateStyle) {
        int col = -1, row = r;
        for (int x = c + 1; x < (int)m_nColCount && col < 0; ++x)
            if (editable(x, r))
                col = x;
        if (col < 0) {
            for (int x = 0; x < (int)m_nColCount && col < 0; ++x)
                if (editable(x, r))
                    col = x;
            row = r + 1;
        }
        if (col < 0)
            return 0;
        SetFocus(); // the current edit commits
        if (row > (int)m_nRowCount - 1) {
            if (m_nTopRecord + m_nOverscroll >= GetMaxScrollPosition(1))
                return 0;
            ScrollRecords(SB_LINEDOWN);
            row -= m_nRepeatCount;
        }
        SetGridEdit(col, RowShift() + row);
    } else {
        int row = -1, col = c;
        for (int y = r + 1; y < (int)m_nRowCount && row < 0; ++y)
            if (editable(c, y))
                row = y;
        if (row < 0) {
            for (int y = 0; y < (int)m_nRowCount && row < 0; ++y)
                if (editable(c, y))
                    row = y;
            col = c + 1;
        }
        if (row < 0)
            return 0;
        SetFocus();
        if (col > (int)m_nColCount - 1) {
            if (m_nLeftRecord >= GetMaxScrollPosition(0))
                return 0;
            ScrollColumns(SB_LINEDOWN);
            col -= m_nRepeatCount;
        }
        SetGridEdit(ColShift() + col, row);
    }
    return 0;
}
