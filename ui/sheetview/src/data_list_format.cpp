// The record-bound list's formatting: one field into a cell's text, colours, sign and check by
// its description, and the refresh of the visible rows (columns) with alternate shading.
#include "GridDataList.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "CellText.h"
#include "ColorMap.h"
#include "NumberFormat.h"
#include "OptionPricing.h"
#include "TextUtils.h"

namespace {

// A field read as a number: as many of its bytes as the value has, the rest zero.
int ReadInt(const BYTE* field, int length)
{
    int v = 0;
    memcpy(&v, field, std::min<size_t>(length, sizeof v));
    return v;
}

double ReadDouble(const BYTE* field, int length)
{
    double v = 0;
    memcpy(&v, field, std::min<size_t>(length, sizeof v));
    return v;
}

// Which of the table's three conversions a format takes for a type: the integer and double
// columns, or the field as text.
enum Kind { AS_INT, AS_DOUBLE, AS_TEXT };

Kind KindOf(DATA_TYPE type)
{
    return type == DT_INT ? AS_INT : type == DT_DOUBLE ? AS_DOUBLE : AS_TEXT;
}

} // namespace

// --- one field ---------------------------------------------------------------------------

void CGridDataList::SetNumberColor(tagCell* cell)
{
    if (cell == NULL || cell->pszText == NULL)
        return;
    char copy[100];
    strncpy(copy, cell->pszText, sizeof copy - 1);
    copy[sizeof copy - 1] = '\0';
    RemoveComma(copy);
    const int v = atoi(copy);
    SetFore(cell, v > 0 ? 102 : v == 0 ? 101 : 103);
}

void CGridDataList::ConvertData(const BYTE* field, tagCell* cell, const tagGridDataInfo* d)
{
    if (field == NULL || cell == NULL || d == NULL)
        return;
    const int length = d->nLength;
    const char* src = (const char*)field;
    // Room for any number the formats print ("%f" of a double runs to 300 digits) and for the
    // field itself with separators.
    char local[1024];
    std::vector<char> large;
    const size_t room = (size_t)length * 2 + 512;
    if (room > sizeof local)
        large.resize(room);
    char* text = room > sizeof local ? large.data() : local;
    text[0] = '\0';
    const Kind kind = KindOf(d->nType);
    bool write = true;
    auto copyField = [&]() { memcpy(text, src, length); text[length] = '\0'; };

    switch (d->nFormat & GDF_CODE_MASK) {
    case GDF_PRICE:
    case GDF_PRICE3: {
        const bool three = (d->nFormat & GDF_CODE_MASK) == GDF_PRICE3;
        if (kind == AS_INT)
            IntToPriceString(ReadInt(field, length), text, three ? 0 : 1, three ? -3 : -2);
        else if (kind == AS_DOUBLE)
            snprintf(text, room, three ? "%.3f" : "%.2f", ReadDouble(field, length));
        else
            StrToPriceString(src, length, text, 1, 0);
        const int decimals = GetDecimalLength(d->nColumn);
        if (decimals != 0)
            TrimDecimalLength(text, decimals);
        break;
    }
    case GDF_TIME:
        if (kind == AS_INT) {
            IntToTimeString(ReadInt(field, length), text);
        } else {
            copyField();
            StrToTimeString(text);
        }
        break;
    case GDF_QUANTITY:
    case GDF_DECIMAL: {
        const bool decimal = (d->nFormat & GDF_CODE_MASK) == GDF_DECIMAL;
        if (kind == AS_INT) {
            IntToQuantityString(ReadInt(field, length), text, 1);
        } else if (kind == AS_DOUBLE) {
            snprintf(text, room, decimal ? "%0.8f" : "%f", ReadDouble(field, length));
            ApplyComma(text);
        } else {
            StrToQuantityString(src, length, text);
        }
        break;
    }
    case GDF_SIGN:
        {
        DWORD flags = cell->nFlags;
        ::SetSign(length > 0 ? src[0] : 0, &flags);
        cell->nFlags = (UINT)flags;
    }
        write = false;
        break;
    case GDF_TEXT:
        if (kind == AS_INT) {
            snprintf(text, room, "%d", ReadInt(field, length));
        } else {
            copyField();
            TrimSpace(text, length);
        }
        break;
    case GDF_ACCOUNT:
        copyField();
        StrToAccountString(text);
        break;
    case GDF_DATE:
        if (kind == AS_INT) {
            IntToDateString(ReadInt(field, length), text);
        } else {
            copyField();
            StrToDateString(text);
        }
        break;
    case GDF_TRIMZERO:
        if (kind == AS_INT)
            snprintf(text, room, "%d", ReadInt(field, length));
        else if (kind == AS_DOUBLE)
            copyField();
        else
            TrimLeftZero(src, length, text);
        break;
    case GDF_RATE:
    case GDF_RATE2:
        if (kind == AS_INT) {
            const int v = ReadInt(field, length);
            IntToRateString(v, text, (d->nFormat & GDF_CODE_MASK) == GDF_RATE2);
            SetFontColor(0, v, cell);
        } else if (kind == AS_DOUBLE) {
            snprintf(text, room, "%.2f", ReadDouble(field, length));
        } else {
            StrToPriceString(src, length, text, 1, 0);
        }
        break;
    case GDF_CHECK:
        write = false;
        if ((cell->nFlags & GCF_STYLE_MASK) == GCS_CHECK && d->nType == DT_FLAG) {
            if (length > 0 && src[0] != 0)
                cell->nFlags |= GCF_CHECKED;
            else
                cell->nFlags &= ~GCF_CHECKED;
        }
        break;
    case GDF_MASK: {
        const size_t n = strnlen(src, length);
        memset(text, '*', n);
        text[n] = '\0';
        break;
    }
    case GDF_SIDE:
        if (length > 0 && src[0] == '1') {
            strcpy(text, "매도");
            SetFore(cell, 103);
        } else if (length > 0 && src[0] == '2') {
            strcpy(text, "매수");
            SetFore(cell, 102);
        } else {
            write = false;
        }
        break;
    default:
        write = false; // the text stays as it was
        break;
    }
    if (write)
        PutText(cell, text);

    if ((d->nFormat & GDF_CALLBACK) && d->pfnCallback != NULL)
        d->pfnCallback((void*)field, cell, (void*)d);
    if ((d->nFormat & GDF_HIDEZERO) && cell->pszText != NULL && cell->pszText[0] == '0')
        cell->pszText[0] = '\0';
    if (d->nFormat & GDF_SIGNCOLOR)
        SetNumberColor(cell);
}

// --- visible records ---------------------------------------------------------------------

BYTE* CGridDataList::FieldOf(int record, const tagGridDataInfo& d, int& length)
{
    length = 0;
    if (record < 0 || record >= (int)m_records.size() || d.nOffset >= m_nRecordSize)
        return NULL;
    length = std::min<int>(d.nLength, m_nRecordSize - d.nOffset);
    return m_records[record] + d.nOffset;
}

const BYTE* CGridDataList::FieldForFormat(int index, const tagGridDataInfo& d, std::vector<BYTE>& pad)
{
    int length;
    const BYTE* field = FieldOf(index, d, length);
    if (length >= d.nLength)
        return field;
    pad.assign(d.nLength, 0);
    if (field != NULL)
        memcpy(pad.data(), field, length);
    return pad.data();
}

int CGridDataList::GetRecordTexts(int index, int line, std::vector<CString>& texts)
{
    texts.clear();
    if (index < 0 || index >= (int)m_records.size() || line < 0 || line >= m_nRepeatCount)
        return 0;
    const size_t across = m_nUpdateStyle ? m_nColCount : m_nRowCount;
    // Cells of their own, each with the buffer a shown cell gets (so a text is cut where the
    // screen cuts it), shared by the descriptions of one cell as on screen.
    std::vector<std::vector<char>> buffers(across);
    std::vector<tagCell> cells(across);
    std::vector<BYTE> padded;
    for (const tagGridDataInfo& d : m_descriptions) {
        if (d.nRow != line || d.nColumn >= across)
            continue;
        std::vector<char>& buffer = buffers[d.nColumn];
        tagCell& cell = cells[d.nColumn];
        const int size = std::min(std::max<int>(d.nLength, kNewCellBuffer), 0x7FFF);
        if ((int)buffer.size() < size + 1) {
            std::vector<char> larger(size + 1, '\0');
            if (!buffer.empty())
                strcpy(larger.data(), buffer.data());
            buffer.swap(larger);
            cell.pszText = buffer.data();
            cell.nBufSize = (WORD)size;
        }
        ConvertData(FieldForFormat(index, d, padded), &cell, &d);
    }
    texts.resize(across);
    for (size_t i = 0; i < across; ++i)
        if (cells[i].pszText != NULL)
            texts[i] = cells[i].pszText;
    return 1;
}

void CGridDataList::FormatRecord(int index)
{
    if (index < 0 || index >= (int)m_records.size() || m_ppCells == NULL)
        return;
    const int block = m_nUpdateStyle ? DataIndexToRowIndex(index) : DataIndexToColIndex(index);
    std::vector<BYTE> padded;
    for (const tagGridDataInfo& d : m_descriptions) {
        tagCell* cell = m_nUpdateStyle ? GetCellPtr(d.nColumn, block + d.nRow) : GetCellPtr(block + d.nRow, d.nColumn);
        if (cell == NULL)
            continue;
        ConvertData(FieldForFormat(index, d, padded), cell, &d);
        if (m_nUpdateStyle && m_bRemoveRowLine) {
            if (index & 1)
                cell->nFlags |= GCF_SHADE;
            else
                cell->nFlags &= ~GCF_SHADE;
        }
    }
}

void CGridDataList::UpdateVertList(int firstRow, int lastRow)
{
    if (m_ppCells == NULL)
        return;
    const int rows = (int)m_nRowCount;
    const int head = (int)m_nRowHeadCount;
    int first = firstRow == -1 ? head : std::max(firstRow, head);
    first = head + (first - head) / m_nRepeatCount * m_nRepeatCount; // a record's first row
    const int last = lastRow == -1 ? rows - 1 : std::min(lastRow, rows - 1);
    int record = RowIndexToDataIndex(first);
    int row = first;
    for (; row <= last && record < (int)m_records.size(); row += m_nRepeatCount, ++record)
        FormatRecord(record);
    if (firstRow == -1 && lastRow == -1)
        m_nFormattedRepeat = m_nRepeatCount;
    if (!m_bRemoveRowLine || record < (int)m_records.size())
        return;
    // The empty rows below the records keep alternating.
    for (int parity = record; row < rows; ++row, ++parity) {
        for (UINT col = m_nColHeadCount; col < m_nColCount; ++col) {
            if (parity & 1)
                m_ppCells[col][row].nFlags |= GCF_SHADE;
            else
                m_ppCells[col][row].nFlags &= ~GCF_SHADE;
        }
    }
}

void CGridDataList::UpdateHorzList(int firstColumn, int lastColumn)
{
    if (m_ppCells == NULL)
        return;
    m_nFormattedRepeat = 0; // the rows are no longer what the vertical refresh left
    const int cols = (int)m_nColCount;
    const int head = (int)m_nColHeadCount;
    int first = firstColumn == -1 ? head : std::max(firstColumn, head);
    first = head + (first - head) / m_nRepeatCount * m_nRepeatCount;
    const int last = lastColumn == -1 ? cols - 1 : std::min(lastColumn, cols - 1);
    int record = ColIndexToDataIndex(first);
    for (int col = first; col <= last && record < (int)m_records.size(); col += m_nRepeatCount, ++record)
        FormatRecord(record);
}

bool CGridDataList::FormatsWholly(const tagGridDataInfo& d)
{
    if (d.nFormat & GDF_CALLBACK)
        return false; // a callback may draw on anything the cell held
    switch (d.nFormat & GDF_CODE_MASK) {
    case GDF_PRICE:
    case GDF_PRICE3:
    case GDF_TIME:
    case GDF_QUANTITY:
    case GDF_DECIMAL:
    case GDF_TEXT:
    case GDF_ACCOUNT:
    case GDF_DATE:
    case GDF_TRIMZERO:
    case GDF_RATE:
    case GDF_RATE2:
    case GDF_MASK:
        return true;
    default:
        return false; // sign, check, side and unknown codes keep part of the cell as it was
    }
}

bool CGridDataList::ShiftShownDown()
{
    // One row per record, every shown row formatted as the records stood before the insert.
    if (!m_nUpdateStyle || m_ppCells == NULL || m_nRepeatCount != 1 || m_nFormattedRepeat != 1 || m_nOverscroll != 0)
        return false;
    for (const tagGridDataInfo& d : m_descriptions)
        if (!FormatsWholly(d) || d.nRow != 0)
            return false;
    const int head = (int)m_nRowHeadCount, count = (int)m_records.size();
    if (m_nTopRecord >= count)
        return false;
    const int rows = std::min<int>((int)m_nRowCount - head, count - m_nTopRecord);
    // Bottom up, so each row reads the one above before it is overwritten. A text whose buffers
    // differ in size might have been cut: that row is formatted instead.
    std::vector<int> reformat;
    for (int r = rows - 1; r >= 1; --r) {
        bool exact = true;
        for (const tagGridDataInfo& d : m_descriptions) {
            tagCell* to = GetCellPtr(d.nColumn, head + r + d.nRow);
            const tagCell* from = GetCellPtr(d.nColumn, head + r - 1 + d.nRow);
            if (to == NULL || from == NULL)
                continue;
            if (to->pszText == NULL || from->pszText == NULL || to->nBufSize != from->nBufSize) {
                exact = false;
                continue;
            }
            memcpy(to->pszText, from->pszText, strnlen(from->pszText, from->nBufSize) + 1);
            to->pszText[to->nBufSize] = '\0';
            // Colour moves only where the format sets it; elsewhere it belongs to the row.
            const UINT code = d.nFormat & GDF_CODE_MASK;
            if ((d.nFormat & GDF_SIGNCOLOR) || ((code == GDF_RATE || code == GDF_RATE2) && d.nType == DT_INT))
                to->pForeColor = from->pForeColor;
        }
        if (!exact)
            reformat.push_back(m_nTopRecord + r);
    }
    FormatRecord(m_nTopRecord);
    for (int index : reformat)
        FormatRecord(index);
    return true;
}
