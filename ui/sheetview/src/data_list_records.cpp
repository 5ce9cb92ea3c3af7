// The record-bound list's set-up and records: column descriptions, record size, and the
// owned record copies (set, append, insert, update, remove, move, clear) with the refresh of
// what shows of them.
#include "GridDataList.h"

#include <algorithm>
#include <cstring>

#include "CellText.h"

CGridDataList::CGridDataList()
    : m_nRecordSize(0), m_nMaxRecords(-1), m_nVisibleRows(0), m_nOverscroll(0), m_nSelectRow(-1), m_nOwnBars(0),
      m_nTopRecord(0), m_nLeftRecord(0), m_nRangeEndCol(-1), m_nRangeEndRow(-1), m_nFormattedRepeat(0),
      m_bRetainBody(0), m_pRetained(NULL)
{
}

CGridDataList::~CGridDataList()
{
    DropRetainedBody();
    FreeRecords();
}

// --- set-up ------------------------------------------------------------------------------

int CGridDataList::SetRecordSize(int bytes)
{
    // Records already held were copied at their own size: another size would misread them.
    if (bytes <= 0 || (!m_records.empty() && bytes != m_nRecordSize))
        return 0;
    m_nRecordSize = bytes;
    return 1;
}

void CGridDataList::PrepareCells(const tagGridDataInfo& d, int align)
{
    if (m_ppCells == NULL)
        return; // done when the cells are made
    const UINT cellAlign = align == -1 ? 2u : (UINT)align & GCF_ALIGN_MASK;
    const UINT step = (UINT)m_nRepeatCount;
    if (m_nUpdateStyle) {
        for (UINT row = m_nRowHeadCount + d.nRow; row < m_nRowCount; row += step) {
            if (d.nLength > kNewCellBuffer)
                SetBufferLength(d.nColumn, row, (short)std::min<int>(d.nLength, 0x7FFF));
            SetCellAlign(d.nColumn, row, cellAlign, 0);
        }
    } else {
        for (UINT col = m_nColHeadCount + d.nRow; col < m_nColCount; col += step) {
            if (d.nLength > kNewCellBuffer)
                SetBufferLength(col, d.nColumn, (short)std::min<int>(d.nLength, 0x7FFF));
            SetCellAlign(col, d.nColumn, cellAlign, 0);
        }
    }
}

int CGridDataList::AddColumnDataInfo(WORD offset, WORD length, DATA_TYPE type, UINT column, UINT format, int row,
                                     PFN_GRIDCELLPROC callback, int align)
{
    tagGridDataInfo d;
    d.nOffset = offset;
    d.nLength = length;
    d.nType = type;
    d.nColumn = (WORD)column;
    d.nRow = (WORD)std::max(row, 0);
    d.nFormat = format;
    d.pfnCallback = callback;
    m_descriptions.push_back(d);
    m_aligns.push_back(align);
    m_nFormattedRepeat = 0; // the shown rows lack the new field until the next refresh
    PrepareCells(d, align);
    return 1;
}

void CGridDataList::ClearColumnDataInfo()
{
    m_descriptions.clear();
    m_aligns.clear();
    m_nFormattedRepeat = 0;
}

int CGridDataList::GetDataInfo(int column, tagGridDataInfo& out)
{
    for (const tagGridDataInfo& d : m_descriptions) {
        if (d.nColumn == column) {
            out = d;
            return 1;
        }
    }
    return 0;
}

void CGridDataList::SetDecimalLength(int column, int decimals)
{
    if (column < 0 || (UINT)column >= m_nColCount || m_pColExt == NULL)
        return;
    m_pColExt[column].nFlags = (m_pColExt[column].nFlags & ~GEF_DECIMAL_MASK) | ((UINT)decimals & GEF_DECIMAL_MASK);
    m_nFormattedRepeat = 0;
}

int CGridDataList::GetDecimalLength(int column)
{
    if (column < 0 || (UINT)column >= m_nColCount || m_pColExt == NULL)
        return 0;
    return (int)(m_pColExt[column].nFlags & GEF_DECIMAL_MASK);
}

void CGridDataList::SetRemoveRowLine(int on)
{
    m_bRemoveRowLine = on;
    if (on) {
        RefreshVisible();
    } else if (m_ppCells != NULL) {
        for (UINT col = m_nColHeadCount; col < m_nColCount; ++col)
            for (UINT row = m_nRowHeadCount; row < m_nRowCount; ++row)
                m_ppCells[col][row].nFlags &= ~GCF_SHADE;
    }
    RepaintBody(TRUE);
}

int CGridDataList::CreateCellArrays(UINT columns, UINT rows)
{
    if (!CGrid::CreateCellArrays(columns, rows))
        return 0;
    m_nFormattedRepeat = 0; // new cells hold no record yet
    // Descriptions given before the cells existed get their cells now.
    for (size_t i = 0; i < m_descriptions.size(); ++i)
        PrepareCells(m_descriptions[i], m_aligns[i]);
    RefreshAllBars();
    return 1;
}

int CGridDataList::SetColumnWidth(UINT col, int width)
{
    if (!CGrid::SetColumnWidth(col, width))
        return 0;
    RefreshAllBars();
    return 1;
}

// --- records -----------------------------------------------------------------------------

BYTE* CGridDataList::CopyRecord(const BYTE* data)
{
    BYTE* copy = new BYTE[m_nRecordSize];
    memcpy(copy, data, m_nRecordSize);
    return copy;
}

void CGridDataList::FreeRecords()
{
    for (BYTE* record : m_records)
        delete[] record;
    m_records.clear();
}

BYTE* CGridDataList::GetRecordPtr(int index)
{
    return index >= 0 && index < (int)m_records.size() ? m_records[index] : NULL;
}

BYTE*& CGridDataList::GetRecordPtrRef(int index)
{
    static BYTE* none;
    none = NULL;
    return index >= 0 && index < (int)m_records.size() ? m_records[index] : none;
}

int CGridDataList::DataIndexToRowIndex(int index) const
{
    return (int)m_nRowHeadCount + (index - m_nTopRecord) * m_nRepeatCount;
}

int CGridDataList::RowIndexToDataIndex(int row) const
{
    return m_nTopRecord + (row - (int)m_nRowHeadCount) / m_nRepeatCount;
}

int CGridDataList::DataIndexToColIndex(int index) const
{
    return (int)m_nColHeadCount + (index - m_nLeftRecord) * m_nRepeatCount;
}

int CGridDataList::ColIndexToDataIndex(int col) const
{
    return m_nLeftRecord + (col - (int)m_nColHeadCount) / m_nRepeatCount;
}

bool CGridDataList::IsRecordShown(int index) const
{
    if (m_nUpdateStyle)
        return index >= m_nTopRecord && DataIndexToRowIndex(index) < (int)m_nRowCount;
    return index >= m_nLeftRecord && DataIndexToColIndex(index) < (int)m_nColCount;
}

void CGridDataList::RefreshVisible()
{
    if (m_nUpdateStyle)
        UpdateVertList(-1, -1);
    else
        UpdateHorzList(-1, -1);
}

void CGridDataList::RefreshScrollBar()
{
    if (m_nUpdateStyle)
        SetVScrollInfo(m_nTopRecord + m_nOverscroll);
    else
        SetHScrollInfo(m_nLeftRecord);
}

void CGridDataList::RefreshAllBars()
{
    if (m_hWnd == NULL)
        return;
    if (m_dwScrollBars & WS_HSCROLL)
        CGridList::SetHScrollInfo(0);
    if (m_dwScrollBars & WS_VSCROLL)
        CGridList::SetVScrollInfo(0);
    // The own bars keep showing where the list stands.
    SetVScrollInfo(m_nUpdateStyle ? m_nTopRecord + m_nOverscroll : m_nVScroll);
    SetHScrollInfo(m_nUpdateStyle ? m_nHScroll : m_nLeftRecord);
}

void CGridDataList::RepaintBody(BOOL erase)
{
    if (m_hWnd == NULL || m_pRowExt == NULL || m_pColExt == NULL)
        return;
    CRect client;
    GetClientRect(&client);
    CRect body = client;
    if (m_nRowHeadCount < m_nRowCount)
        body.top = m_pRowExt[m_nRowHeadCount].nStart;
    if (m_nColHeadCount < m_nColCount)
        body.left = m_pColExt[m_nColHeadCount].nStart;
    // Row-line removal draws text cells a pixel over the line above the first body row.
    body.top = std::max<int>(0, (int)body.top - 1);
    Repaint(body, erase);
}

void CGridDataList::RepaintRecordRows(int index)
{
    if (m_hWnd == NULL)
        return;
    CRect client;
    GetClientRect(&client);
    CRect area;
    if (m_nUpdateStyle) {
        const int first = DataIndexToRowIndex(index);
        const int last = std::min(first + m_nRepeatCount, (int)m_nRowCount) - 1;
        if (first < 0 || first > last)
            return;
        area.SetRect(client.left, m_pRowExt[first].nStart - m_nVScroll - m_nBorderWidth, client.right,
                     m_pRowExt[last].nStart + m_pRowExt[last].nSize - m_nVScroll + m_nBorderWidth);
    } else {
        const int first = DataIndexToColIndex(index);
        const int last = std::min(first + m_nRepeatCount, (int)m_nColCount) - 1;
        if (first < 0 || first > last)
            return;
        area.SetRect(m_pColExt[first].nStart - m_nHScroll - m_nBorderWidth, client.top,
                     m_pColExt[last].nStart + m_pColExt[last].nSize - m_nHScroll + m_nBorderWidth, client.bottom);
    }
    Repaint(area, TRUE);
}

int CGridDataList::RecordsPerPage() const
{
    if (m_nUpdateStyle)
        return std::max<int>(0, (m_nVisibleRows - (int)m_nRowHeadCount) / m_nRepeatCount);
    return std::max<int>(0, ((int)m_nColCount - (int)m_nColHeadCount) / m_nRepeatCount);
}

void CGridDataList::ClampFirstRecord()
{
    const int count = (int)m_records.size();
    const int last = std::max<int>(0, count - RecordsPerPage());
    if (m_nUpdateStyle) {
        if (m_nTopRecord > last) {
            m_nTopRecord = last;
            m_nOverscroll = 0;
            m_nVScroll = 0;
        }
    } else if (m_nLeftRecord > last) {
        m_nLeftRecord = last;
    }
}

int CGridDataList::SetData(BYTE* data, int size)
{
    if (m_nRecordSize <= 0 || size < 0 || (data == NULL && size > 0))
        return 0;
    ClearCellText(0);
    FreeRecords();
    const int count = size / m_nRecordSize;
    m_records.reserve(count);
    for (int i = 0; i < count; ++i)
        m_records.push_back(CopyRecord(data + (size_t)i * m_nRecordSize));
    ClampFirstRecord();
    RefreshVisible();
    RepaintBody(TRUE);
    RefreshScrollBar();
    return 1;
}

int CGridDataList::AddRecord(BYTE* data, int size, int redraw)
{
    if (m_nRecordSize <= 0 || size < 0 || size % m_nRecordSize != 0 || (data == NULL && size > 0))
        return 0;
    const int count = size / m_nRecordSize;
    for (int i = 0; i < count; ++i) {
        m_records.push_back(CopyRecord(data + (size_t)i * m_nRecordSize));
        const int index = (int)m_records.size() - 1;
        if (IsRecordShown(index)) {
            FormatRecord(index);
            RepaintRecordRows(index);
        }
        if (m_nMaxRecords >= 0 && (int)m_records.size() > m_nMaxRecords)
            RemoveRecord(0, redraw);
    }
    RefreshScrollBar();
    return 1;
}

int CGridDataList::InsertRecord(BYTE* data, int size)
{
    if (m_nRecordSize <= 0 || size != m_nRecordSize || data == NULL)
        return 0;
    m_records.insert(m_records.begin(), CopyRecord(data));
    m_bRetainBody = 1; // a ticking list: its rows mostly move down between paints
    while (m_nMaxRecords >= 0 && (int)m_records.size() > m_nMaxRecords) {
        delete[] m_records.back();
        m_records.pop_back();
    }
    // The shown records move down one row: their texts move with them and only the record that
    // came into the top row is formatted (a ticking list inserts many times a second).
    if (!ShiftShownDown())
        RefreshVisible();
    RefreshScrollBar();
    RepaintBody(TRUE);
    return 1;
}

int CGridDataList::UpdateRecord(int index, BYTE* data, int size)
{
    if (m_nRecordSize <= 0 || size != m_nRecordSize || data == NULL || index < 0 || index >= (int)m_records.size())
        return 0;
    memcpy(m_records[index], data, m_nRecordSize);
    if (IsRecordShown(index)) {
        FormatRecord(index);
        RepaintRecordRows(index);
    }
    return 1;
}

int CGridDataList::RemoveRecord(int index, int redraw)
{
    if (index < 0 || index >= (int)m_records.size())
        return 0;
    // Removing a record above the view moves the shown ones up as well.
    const bool moves = IsRecordShown(index) || index < (m_nUpdateStyle ? m_nTopRecord : m_nLeftRecord);
    delete[] m_records[index];
    m_records.erase(m_records.begin() + index);
    if (moves) {
        ClearCellText(redraw);
        ClampFirstRecord();
        RefreshVisible();
        if (redraw)
            RepaintBody(TRUE);
    }
    RefreshScrollBar();
    return 1;
}

int CGridDataList::MoveRecord(int from, int to, int redraw)
{
    const int count = (int)m_records.size();
    if (from < 0 || from >= count || to < 0 || to >= count)
        return 0;
    BYTE* record = m_records[from];
    m_records.erase(m_records.begin() + from);
    m_records.insert(m_records.begin() + to, record);
    RefreshVisible();
    if (redraw)
        RepaintAll(FALSE);
    return 1;
}

void CGridDataList::ClearData(int redraw)
{
    FreeRecords();
    ClearCellText(0);
    if (m_nUpdateStyle) {
        m_nTopRecord = 0;
        m_nOverscroll = 0;
        m_nVScroll = 0;
        SetVScrollInfo(0);
    } else {
        m_nLeftRecord = 0;
        SetHScrollInfo(0);
    }
    RefreshVisible(); // the empty rows keep their shading
    if (redraw)
        RepaintAll(TRUE);
}
