// The kept body of a ticking list. A list that takes records at the top repaints often and,
// row for row, mostly what it showed a moment before, one row lower. It keeps the body rows'
// last painted pixels with a description of what each row showed; a paint moves the kept
// pixels down where every row now shows what the row above showed, redraws only the rows
// whose description changed and copies the body out. Whatever a row's pixels depend on is in
// its description or in the description of the whole look: a change anywhere else there
// (size, columns, colours, fonts, scrolling) drops the kept pixels.
#include "GridDataList.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Appends the bytes of a value to a description.
template <class T>
void Put(std::vector<BYTE>& out, const T& value)
{
    const BYTE* p = reinterpret_cast<const BYTE*>(&value);
    out.insert(out.end(), p, p + sizeof value);
}

void PutText(std::vector<BYTE>& out, const char* text)
{
    if (text == NULL) {
        out.push_back(1); // no buffer: drawn like an empty text by some styles, not by others
        return;
    }
    out.push_back(0);
    out.insert(out.end(), text, text + strlen(text) + 1);
}

void PutFont(std::vector<BYTE>& out, CFont& font)
{
    LOGFONTA lf;
    memset(&lf, 0, sizeof lf);
    if (font.m_hObject != NULL)
        ::GetObjectA(font.m_hObject, sizeof lf, &lf);
    Put(out, lf);
}

} // namespace

// One kept picture: a 32-bpp bitmap of the client and, per body row, what the row showed.
class CKeptFrame
{
public:
    CKeptFrame() : dc(NULL), bitmap(NULL), old(NULL), size(0, 0), groundDrawn(false) {}
    ~CKeptFrame() { Release(); }
    CKeptFrame(const CKeptFrame&) = delete;
    CKeptFrame& operator=(const CKeptFrame&) = delete;

    bool Make(CSize wanted)
    {
        if (dc != NULL && wanted == size)
            return true;
        Release();
        BITMAPINFO info;
        memset(&info, 0, sizeof info);
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = wanted.cx;
        info.bmiHeader.biHeight = -wanted.cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = NULL;
        dc = ::CreateCompatibleDC(NULL);
        bitmap = dc != NULL ? ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0) : NULL;
        if (bitmap == NULL) {
            Release();
            return false;
        }
        old = ::SelectObject(dc, bitmap);
        size = wanted;
        return true;
    }
    void Release()
    {
        if (dc != NULL && old != NULL)
            ::SelectObject(dc, old);
        if (bitmap != NULL)
            ::DeleteObject(bitmap);
        if (dc != NULL)
            ::DeleteDC(dc);
        dc = NULL;
        bitmap = NULL;
        old = NULL;
        size = CSize(0, 0);
        look.clear();
        rows.clear();
        head.clear();
        groundDrawn = false;
    }
    bool Serves(const std::vector<BYTE>& wantedLook, size_t rowCount) const
    {
        return dc != NULL && look == wantedLook && rows.size() == rowCount;
    }

    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    CSize size;
    std::vector<BYTE> look;              // of the whole body when the rows were drawn
    std::vector<std::vector<BYTE>> rows; // per body row; empty: not drawn
    std::vector<BYTE> head;              // of the head rows above the body; empty: not drawn
    bool groundDrawn;                    // below the last row
};

// The last two pictures: with alternate shading a row shows after an insert what the row two
// above showed one insert before, so the picture before the last serves best.
class CRetainedBody
{
public:
    CRetainedBody() : current(0) {}
    CKeptFrame frames[2];
    int current;
};

void CGridDataList::DropRetainedBody()
{
    delete m_pRetained;
    m_pRetained = NULL;
}

bool CGridDataList::DescribeBodyLook(const CRect& body, std::vector<BYTE>& out)
{
    out.clear();
    Put(out, body);
    Put(out, m_nHScroll);
    Put(out, m_nBorderWidth);
    Put(out, m_bRemoveRowLine);
    Put(out, m_nColHeadCount);
    Put(out, m_nRowHeadCount);
    for (UINT col = 0; col < m_nColCount; ++col)
        Put(out, m_pColExt[col]);
    for (UINT row = m_nRowHeadCount; row < m_nRowCount; ++row)
        Put(out, m_pRowExt[row]);
    const CColorInfo* colours[] = {m_pBorderColor, m_pHeaderLineColor, m_pUpColor, m_pDownColor, m_pHighlightColor};
    for (const CColorInfo* c : colours)
        Put(out, ColorOf(c, CLR_INVALID));
    Put(out, m_pBmpCheck != NULL ? m_pBmpCheck->m_hObject : NULL);
    Put(out, m_pBmpUncheck != NULL ? m_pBmpUncheck->m_hObject : NULL);
    Put(out, m_nBoxWidth);
    Put(out, m_nBoxHeight);
    Put(out, m_nTextHeight);
    PutFont(out, m_fontNormal);
    PutFont(out, m_fontBold);
    return true;
}

bool CGridDataList::DescribeBodyRow(UINT row, std::vector<BYTE>& out)
{
    out.clear();
    for (UINT col = 0; col < m_nColCount; ++col) {
        const tagCell& cell = m_ppCells[col][row];
        if (cell.nFlags & (GCF_MERGED | GCF_COVERED))
            return false; // a merge draws across rows
        Put(out, cell.nFlags);
        Put(out, ColorOf(cell.pBackColor, CLR_INVALID));
        Put(out, ColorOf(cell.pForeColor, CLR_INVALID));
        Put(out, cell.clrBadge);
        Put(out, cell.nBadge);
        Put(out, cell.dBarValue);
        PutText(out, cell.pszText);
    }
    return true;
}

bool CGridDataList::DescribeHeadRows(std::vector<BYTE>& out)
{
    out.clear();
    out.push_back(1); // never empty, even without head rows
    for (UINT row = 0; row < m_nRowHeadCount; ++row) {
        Put(out, m_pRowExt[row]);
        for (UINT col = 0; col < m_nColCount; ++col) {
            const tagCell& cell = m_ppCells[col][row];
            if ((cell.nFlags & GCF_MERGED) && row + LOBYTE(cell.nMerge) >= m_nRowHeadCount)
                return false; // a head cell reaching down over the body
            Put(out, cell.nFlags);
            Put(out, cell.nMerge);
            Put(out, ColorOf(cell.pBackColor, CLR_INVALID));
            Put(out, ColorOf(cell.pForeColor, CLR_INVALID));
            Put(out, cell.clrBadge);
            Put(out, cell.nBadge);
            Put(out, cell.dBarValue);
            PutText(out, cell.pszText);
        }
    }
    return true;
}

bool CGridDataList::PaintRetained(CDC* pDC, const CRect& clip)
{
    const UINT head = m_nRowHeadCount;
    if (m_hWnd == NULL || !m_nUpdateStyle || m_ppCells == NULL || m_pRowExt == NULL || m_pColExt == NULL ||
        head >= m_nRowCount || m_nVScroll != 0)
        return false;
    // A text cell drawn over the line above it must not reach into the row above's pixels.
    if (m_bRemoveRowLine && m_nBorderWidth < 1)
        return false;
    CRect client;
    GetClientRect(&client);
    const tagExtent& lastRow = m_pRowExt[m_nRowCount - 1];
    const CRect body(client.left, m_pRowExt[head].nStart, client.right,
                     std::min<LONG>(client.bottom, lastRow.nStart + lastRow.nSize));
    if (body.IsRectEmpty())
        return false;

    // Each body row's band: the row and the line above it (the first row's line is the head's).
    const int border = m_nBorderWidth;
    auto band = [&](UINT row) {
        const int top = m_pRowExt[row].nStart - (row > head ? border : 0);
        return CRect(body.left, std::max<int>(top, body.top), body.right,
                     std::min<int>(m_pRowExt[row].nStart + m_pRowExt[row].nSize, body.bottom));
    };
    UINT rows = 0; // body rows with a band inside the body
    for (UINT row = head; row < m_nRowCount && m_pRowExt[row].nStart - (row > head ? border : 0) < body.bottom; ++row)
        ++rows;
    std::vector<std::vector<BYTE>> now(rows);
    for (UINT i = 0; i < rows; ++i)
        if (!DescribeBodyRow(head + i, now[i]))
            return false;
    std::vector<BYTE> look, headNow;
    DescribeBodyLook(body, look);
    if (!DescribeHeadRows(headNow))
        return false;
    const CRect headArea(client.left, client.top, client.right, body.top);
    const CRect groundArea(client.left, body.bottom, client.right, client.bottom);

    if (m_pRetained == NULL)
        m_pRetained = new CRetainedBody;
    CRetainedBody& kept = *m_pRetained;
    CKeptFrame& last = kept.frames[kept.current];
    CKeptFrame& other = kept.frames[1 - kept.current];

    // The kept picture and the shift (in rows, down) under which most rows already show what
    // they show now.
    bool evenlySpaced = rows > 2;
    const int pitch = rows > 1 ? m_pRowExt[head + 1].nStart - m_pRowExt[head].nStart : 0;
    for (UINT i = 2; i < rows && evenlySpaced; ++i)
        evenlySpaced = m_pRowExt[head + i].nStart - m_pRowExt[head + i - 1].nStart == pitch;
    CKeptFrame* source = NULL;
    UINT shift = 0, matched = 0;
    for (CKeptFrame* frame : {&last, &other}) {
        if (!frame->Serves(look, rows))
            continue;
        for (UINT k = 0; k <= (evenlySpaced ? 2u : 0u) && k < rows; ++k) {
            UINT m = 0;
            for (UINT i = k; i < rows; ++i)
                m += !frame->rows[i - k].empty() && frame->rows[i - k] == now[i];
            if (m > matched) {
                source = frame;
                shift = k;
                matched = m;
            }
        }
    }

    // The new picture goes over the older one, unless the last serves unmoved.
    CKeptFrame* target = &other;
    if (source == &last && shift == 0)
        target = &last;
    else if (!other.Make(client.Size()))
        return false;
    if (target != source) {
        target->rows.assign(rows, std::vector<BYTE>());
        target->look = look;
        target->head.clear();
        target->groundDrawn = false;
        if (source != NULL && source->head == headNow) {
            ::BitBlt(target->dc, headArea.left, headArea.top, headArea.Width(), headArea.Height(), source->dc,
                     headArea.left, headArea.top, SRCCOPY);
            target->head = headNow;
        }
        if (source != NULL && source->groundDrawn) {
            ::BitBlt(target->dc, groundArea.left, groundArea.top, groundArea.Width(), groundArea.Height(), source->dc,
                     groundArea.left, groundArea.top, SRCCOPY);
            target->groundDrawn = true;
        }
    }
    if (source != NULL && source != target) {
        // Copied unshifted or shifted: the rows from the second on keep their line above.
        const UINT from = shift == 0 ? 0 : 1;
        if (from + shift < rows) {
            const CRect top = band(head + from);
            const int bottom = band(head + rows - 1 - shift).bottom;
            ::BitBlt(target->dc, top.left, top.top + (int)shift * pitch, top.Width(), bottom - top.top, source->dc,
                     top.left, top.top, SRCCOPY);
            for (UINT i = from + shift; i < rows; ++i)
                target->rows[i] = source->rows[i - shift];
        }
    } else if (source == target && shift > 0) {
        const CRect top = band(head + 1);
        const int bottom = band(head + rows - 1 - shift).bottom;
        ::BitBlt(target->dc, top.left, top.top + (int)shift * pitch, top.Width(), bottom - top.top, target->dc,
                 top.left, top.top, SRCCOPY);
        for (UINT i = rows - 1; i >= 1 + shift; --i)
            target->rows[i].swap(target->rows[i - shift]);
        for (UINT i = 0; i <= shift; ++i)
            target->rows[i].clear();
    }

    // What is not kept as it shows now is drawn, runs of rows in one go.
    CDC keptDC;
    keptDC.Attach(target->dc);
    if (target->head != headNow) {
        if (!headArea.IsRectEmpty())
            CGridList::Paint(&keptDC, headArea);
        target->head = headNow;
    }
    if (!target->groundDrawn) {
        if (!groundArea.IsRectEmpty())
            CGridList::Paint(&keptDC, groundArea);
        target->groundDrawn = true;
    }
    for (UINT i = 0; i < rows;) {
        if (!target->rows[i].empty() && target->rows[i] == now[i]) {
            ++i;
            continue;
        }
        CRect run = band(head + i);
        for (; i < rows && (target->rows[i].empty() || target->rows[i] != now[i]); ++i) {
            run.bottom = band(head + i).bottom;
            target->rows[i].swap(now[i]);
        }
        CGridList::Paint(&keptDC, run);
    }
    keptDC.Detach();
    ::GdiFlush();
    kept.current = target == &kept.frames[0] ? 0 : 1;

    CRect shown;
    if (shown.IntersectRect(&clip, &client))
        pDC->BitBlt(shown.left, shown.top, shown.Width(), shown.Height(), CDC::FromHandle(target->dc), shown.left,
                    shown.top, SRCCOPY);
    return true;
}

void CGridDataList::Paint(CDC* pDC, const CRect& clip)
{
    if (m_bRetainBody && PaintRetained(pDC, clip))
        return;
    DropRetainedBody();
    CGridList::Paint(pDC, clip);
}
