// Drawing of the grid's cells: the dispatch over a range and each cell style (text, header,
// check box, button, editable, bar), with selection, shading, frame and badge.
#include "Grid.h"

#include <cmath>
#include <cstring>

#include "ColorMap.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kSelectedBack = 0xBAFFFC;
const COLORREF kShadeBack = 0xF0F0F0;
const COLORREF kBarFromRight = 0xFDEBCC;
const COLORREF kBarFromLeft = 0xD3DDFB;
const int kBadgeWidth = 15;

bool HasText(const tagCell* cell)
{
    return cell->pszText != NULL && cell->pszText[0] != '\0';
}

UINT DrawTextAlign(UINT align)
{
    return align == 1 ? DT_CENTER : align == 2 ? DT_RIGHT : DT_LEFT;
}

const char* BadgeLetter(UINT kind)
{
    switch (kind) {
    case 1:
        return "추";
    case 2:
    case 3:
        return "목";
    case 4:
        return "손";
    default:
        return "";
    }
}

// A bitmap copied at its own size through a memory DC.
void CopyBitmap(CDC* pDC, CBitmap* bitmap, int x, int y)
{
    BITMAP info;
    if (bitmap == NULL || bitmap->GetSafeHandle() == NULL || bitmap->GetBitmap(&info) == 0)
        return;
    CDC mem;
    if (!mem.CreateCompatibleDC(pDC))
        return;
    CBitmap* old = mem.SelectObject(bitmap);
    pDC->BitBlt(x, y, info.bmWidth, info.bmHeight, &mem, 0, 0, SRCCOPY);
    mem.SelectObject(old);
}

} // namespace

int CGrid::DrawCells(CDC* pDC, int firstCol, int firstRow, int endCol, int endRow)
{
    return DrawCellRange(pDC, firstCol, firstRow, endCol, endRow, FALSE, FALSE);
}

int CGrid::DrawCellRange(CDC* pDC, int firstCol, int firstRow, int endCol, int endRow, BOOL skipBars, BOOL raiseText)
{
    if (m_ppCells == NULL || pDC == NULL)
        return 0;
    if (firstCol < 0)
        firstCol = 0;
    if (firstRow < 0)
        firstRow = 0;
    if (endCol > (int)m_nColCount)
        endCol = (int)m_nColCount;
    if (endRow > (int)m_nRowCount)
        endRow = (int)m_nRowCount;
    if (firstCol >= endCol || firstRow >= endRow)
        return 0; // nothing to visit: no DC state to set up either
    int visited = 0;
    // Cells switch between the two fonts only where they differ; the DC gets its own back.
    const HGDIOBJ oldFont = ::GetCurrentObject(pDC->m_hDC, OBJ_FONT);
    // Cells off the clip box are left out by arithmetic; the DC clips the rest as it draws.
    CRect box;
    if (pDC->GetClipBox(&box) == ERROR)
        box.SetRectEmpty();
    // Text of the cells is drawn transparent; the alignment, font and text colour are changed
    // only between cells that differ (GDI calls are most of a repaint's cost); mode and
    // alignment come back at the end, the font with the loop's end.
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    m_hRangeDC = pDC->m_hDC;
    m_nRangeAlign = m_nRangeAlignOld = pDC->GetTextAlign();
    m_hRangeFont = oldFont;
    m_clrRangeText = pDC->GetTextColor();
    for (int col = firstCol; col < endCol; ++col) {
        if (m_pColExt[col].nFlags & GEF_HIDDEN)
            continue;
        for (int row = firstRow; row < endRow; ++row) {
            visited = 1;
            tagCell* cell = &m_ppCells[col][row];
            const UINT style = cell->nFlags & GCF_STYLE_MASK;
            if ((cell->nFlags & GCF_COVERED) || (skipBars && style == GCS_BAR))
                continue;
            CRect rect = GetCellRect(col, row);
            if (raiseText && style == GCS_TEXT && row != firstRow)
                rect.top -= 1;
            CRect shown;
            if (!shown.IntersectRect(&rect, &box))
                continue;
            DrawCellByStyle(pDC, cell, rect);
        }
    }
    ::SelectObject(pDC->m_hDC, oldFont);
    RestoreRangeAlign(pDC);
    m_hRangeDC = NULL;
    pDC->SetBkMode(oldMode);
    return visited;
}

void CGrid::PaintGround(CDC* pDC, const CRect& clip)
{
    // The header line colour goes only where the body's colour does not cover it: each pixel
    // is filled once, which halves the cost of a list's repaint ground.
    const COLORREF line = ColorOf(m_pHeaderLineColor, RGB(0, 0, 0));
    CRect body;
    if (!body.IntersectRect(&clip, GetDataRect())) {
        pDC->FillSolidRect(&clip, line);
        return;
    }
    const CRect around[] = {
        CRect(clip.left, clip.top, clip.right, body.top),
        CRect(clip.left, body.bottom, clip.right, clip.bottom),
        CRect(clip.left, body.top, body.left, body.bottom),
        CRect(body.right, body.top, clip.right, body.bottom),
    };
    for (const CRect& r : around)
        if (!r.IsRectEmpty())
            pDC->FillSolidRect(&r, line);
    pDC->FillSolidRect(&body, ColorOf(m_pBorderColor, RGB(0, 0, 0)));
}

void CGrid::DrawCellByStyle(CDC* pDC, tagCell* cell, CRect& rect)
{
    switch (cell->nFlags & GCF_STYLE_MASK) {
    case GCS_TEXT:
        DrawCell(pDC, cell, rect);
        break;
    case GCS_HEADER:
        DrawHeader(pDC, cell, rect);
        break;
    case GCS_CHECK:
        DrawCheckCell(pDC, cell, rect);
        break;
    case GCS_BUTTON:
        DrawButtonCell(pDC, cell, rect);
        break;
    case GCS_BAR:
        DrawBar(pDC, cell, rect);
        break;
    case GCS_EDIT:
        DrawEditCell(pDC, cell, rect);
        break;
    default:
        break;
    }
}

void CGrid::SelectCellFont(CDC* pDC, const tagCell* cell)
{
    const HGDIOBJ font = CellFont(cell)->GetSafeHandle();
    if (font == NULL)
        return;
    if (pDC->m_hDC == m_hRangeDC) {
        if (m_hRangeFont != font) {
            ::SelectObject(pDC->m_hDC, font);
            m_hRangeFont = font;
        }
    } else if (::GetCurrentObject(pDC->m_hDC, OBJ_FONT) != font) {
        ::SelectObject(pDC->m_hDC, font);
    }
}

void CGrid::SetCellTextColor(CDC* pDC, COLORREF colour)
{
    if (pDC->m_hDC != m_hRangeDC) {
        pDC->SetTextColor(colour);
    } else if (m_clrRangeText != colour) {
        pDC->SetTextColor(colour);
        m_clrRangeText = colour;
    }
}

void CGrid::DrawCellText(CDC* pDC, UINT align, const CRect& rect, const char* text, const COLORREF* ground)
{
    int x;
    UINT textAlign;
    switch (align) {
    case 1:
        x = (rect.left + rect.right) / 2;
        textAlign = TA_CENTER;
        break;
    case 2:
        x = rect.right - 2;
        textAlign = TA_RIGHT;
        break;
    default: // left, and any code the cell cannot hold
        x = rect.left + 2;
        textAlign = TA_LEFT;
        break;
    }
    const int y = (rect.top + rect.bottom) / 2 - m_nTextHeight / 2 + 1;
    const bool inRange = pDC->m_hDC == m_hRangeDC;
    UINT old = 0;
    if (!inRange) {
        pDC->SetBkMode(TRANSPARENT);
        old = pDC->SetTextAlign(textAlign | TA_TOP);
    } else if (m_nRangeAlign != (textAlign | TA_TOP)) {
        m_nRangeAlign = textAlign | TA_TOP;
        pDC->SetTextAlign(m_nRangeAlign);
    }
    UINT options = ETO_CLIPPED;
    if (ground != NULL) {
        // The cell's ground in the same call, as FillSolidRect would have filled it.
        pDC->SetBkColor(*ground);
        options |= ETO_OPAQUE;
    }
    pDC->ExtTextOut(x, y, options, &rect, text, (UINT)strlen(text), NULL);
    if (!inRange)
        pDC->SetTextAlign(old);
}

void CGrid::RestoreRangeAlign(CDC* pDC)
{
    if (pDC->m_hDC == m_hRangeDC && m_nRangeAlign != m_nRangeAlignOld) {
        pDC->SetTextAlign(m_nRangeAlignOld);
        m_nRangeAlign = m_nRangeAlignOld;
    }
}

void CGrid::DrawMultilineText(CDC* pDC, UINT align, CRect rect, const char* text)
{
    const UINT format = DT_WORDBREAK | DT_NOPREFIX | DrawTextAlign(align);
    CRect measured = rect;
    RestoreRangeAlign(pDC); // DrawText lays out from the DC's own alignment
    pDC->DrawText(text, -1, &measured, format | DT_CALCRECT);
    rect.top += rect.Height() / 2 - measured.Height() / 2;
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(text, -1, &rect, format);
}

void CGrid::DrawCell(CDC* pDC, tagCell* cell, CRect& rect)
{
    COLORREF back = ColorOf(cell->pBackColor, kWhite);
    COLORREF fore = ColorOf(cell->pForeColor, kBlack);
    CRect sign(rect.left + 5, rect.top, rect.left + 15, rect.top + 10);
    sign.OffsetRect(0, rect.Height() / 2 - 5);
    const UINT flags = cell->nFlags;
    const bool text = HasText(cell);

    if (flags & GCF_HIGHLIGHT)
        back = ColorOf(m_pHighlightColor, back);
    if (flags & GCF_NOSELECT) {
        if (!text && (flags & GCF_SHADE))
            back = kShadeBack;
    } else if ((flags & GCF_SELECTED) && text) {
        back = kSelectedBack;
    } else if (flags & GCF_SHADE) {
        back = kShadeBack;
    }

    SelectCellFont(pDC, cell);
    // A plain one-line text cell is filled and written by one text call; a repaint of a list
    // is mostly these.
    if (cell->pszText != NULL && !(flags & (GCF_SIGN_MASK | GCF_MULTILINE))) {
        SetCellTextColor(pDC, fore);
        DrawCellText(pDC, flags & GCF_ALIGN_MASK, rect, cell->pszText, &back);
        DrawCellMarks(pDC, cell, rect);
        return;
    }
    pDC->FillSolidRect(&rect, back);

    switch (flags & GCF_SIGN_MASK) {
    case GCF_SIGN_UP:
        DrawSignUp(pDC, cell, sign);
        fore = ColorOf(m_pUpColor, fore);
        break;
    case GCF_SIGN_CEILING:
        DrawSignCeiling(pDC, cell, sign);
        fore = ColorOf(m_pUpColor, fore);
        break;
    case GCF_SIGN_DOWN:
        DrawSignDown(pDC, cell, sign);
        fore = ColorOf(m_pDownColor, fore);
        break;
    case GCF_SIGN_FLOOR:
        DrawSignFloor(pDC, cell, sign);
        fore = ColorOf(m_pDownColor, fore);
        break;
    default:
        break;
    }

    if (cell->pszText != NULL) {
        SetCellTextColor(pDC, fore);
        if (flags & GCF_MULTILINE)
            DrawMultilineText(pDC, flags & GCF_ALIGN_MASK, rect, cell->pszText);
        else
            DrawCellText(pDC, flags & GCF_ALIGN_MASK, rect, cell->pszText);
    }
    DrawCellMarks(pDC, cell, rect);
}

void CGrid::DrawCellMarks(CDC* pDC, tagCell* cell, CRect& rect)
{
    const UINT flags = cell->nFlags;
    if (flags & GCF_FRAME) {
        CPen pen(PS_SOLID, 1, ColorOf(m_pUpColor, kBlack));
        CPen* oldPen = pDC->SelectObject(&pen);
        pDC->MoveTo(rect.left, rect.top);
        pDC->LineTo(rect.right - 1, rect.top);
        pDC->LineTo(rect.right - 1, rect.bottom - 1);
        pDC->LineTo(rect.left, rect.bottom - 1);
        pDC->LineTo(rect.left, rect.top);
        pDC->SelectObject(oldPen);
    }

    if (flags & GCF_BADGE) {
        CRect badge(rect.left, rect.top, rect.left + kBadgeWidth, rect.bottom);
        pDC->FillSolidRect(&badge, cell->clrBadge);
        SetCellTextColor(pDC, kWhite);
        DrawCellText(pDC, 0, badge, BadgeLetter(cell->nBadge));
    }
}

void CGrid::DrawHeader(CDC* pDC, tagCell* cell, CRect& rect)
{
    SelectCellFont(pDC, cell);
    const COLORREF back = ColorOf(cell->pBackColor, kWhite);
    if (cell->pszText != NULL && !(cell->nFlags & GCF_MULTILINE)) {
        SetCellTextColor(pDC, ColorOf(cell->pForeColor, kBlack));
        DrawCellText(pDC, cell->nFlags & GCF_ALIGN_MASK, rect, cell->pszText, &back);
        return;
    }
    pDC->FillSolidRect(&rect, back);
    if (cell->pszText != NULL) {
        const UINT flags = cell->nFlags;
        SetCellTextColor(pDC, ColorOf(cell->pForeColor, kBlack));
        if (flags & GCF_MULTILINE) {
            int lines = 1;
            for (const char* p = cell->pszText; *p; ++p)
                lines += *p == '\r';
            const int lineHeight = m_nTextHeight + ((flags & GCF_BOLD) ? 2 : 0);
            CRect text = rect;
            text.top += rect.Height() / 2 - lines * lineHeight / 2;
            pDC->SetBkMode(TRANSPARENT);
            RestoreRangeAlign(pDC);
            pDC->DrawText(cell->pszText, -1, &text,
                          DT_WORDBREAK | DT_NOPREFIX | DrawTextAlign(flags & GCF_ALIGN_MASK));
        } else {
            DrawCellText(pDC, flags & GCF_ALIGN_MASK, rect, cell->pszText);
        }
    }
}

void CGrid::DrawCheckCell(CDC* pDC, tagCell* cell, CRect& rect)
{
    const UINT flags = cell->nFlags;
    COLORREF back = ColorOf(cell->pBackColor, kWhite);
    if (flags & GCF_SELECTED)
        back = kSelectedBack;
    else if (flags & GCF_HIGHLIGHT)
        back = ColorOf(m_pHighlightColor, back);
    pDC->FillSolidRect(&rect, back);

    CBitmap* box = (flags & GCF_CHECKED) ? m_pBmpCheck : m_pBmpUncheck;
    if (HasText(cell)) {
        CopyBitmap(pDC, box, rect.left + 5, rect.top + rect.Height() / 2 - m_nBoxHeight / 2);
        SelectCellFont(pDC, cell);
        SetCellTextColor(pDC, ColorOf(cell->pForeColor, kBlack));
        // The caption stays right of the box, whatever its alignment.
        CRect caption = rect;
        caption.left = rect.left + 10 + m_nBoxWidth;
        if (flags & GCF_MULTILINE)
            DrawMultilineText(pDC, flags & GCF_ALIGN_MASK, caption, cell->pszText);
        else
            DrawCellText(pDC, flags & GCF_ALIGN_MASK, caption, cell->pszText);
        } else {
        CopyBitmap(pDC, box, rect.left + rect.Width() / 2 - m_nBoxWidth / 2,
                   rect.top + rect.Height() / 2 - m_nBoxHeight / 2);
    }
}

void CGrid::DrawButtonCell(CDC* pDC, tagCell* cell, CRect& rect)
{
    SelectCellFont(pDC, cell);
    pDC->FillSolidRect(&rect, ColorOf(cell->pBackColor, kWhite));
    CRect edge = rect;
    pDC->DrawEdge(&edge, (cell->nFlags & GCF_PRESSED) ? BDR_SUNKENINNER : BDR_RAISEDINNER, BF_LEFT | BF_TOP);
    if (cell->pszText != NULL) {
        SetCellTextColor(pDC, ColorOf(cell->pForeColor, kBlack));
        DrawCellText(pDC, cell->nFlags & GCF_ALIGN_MASK, rect, cell->pszText);
    }
}

void CGrid::DrawEditCell(CDC* pDC, tagCell* cell, CRect& rect)
{
    const COLORREF back = (cell->nFlags & GCF_SELECTED) ? kSelectedBack : ColorOf(cell->pBackColor, kWhite);
    SelectCellFont(pDC, cell);
    pDC->FillSolidRect(&rect, back);
    if (cell->pszText != NULL) {
        SetCellTextColor(pDC, ColorOf(cell->pForeColor, kBlack));
        DrawCellText(pDC, cell->nFlags & GCF_ALIGN_MASK, rect, cell->pszText);
    }
}

void CGrid::DrawBar(CDC* pDC, tagCell* cell, CRect& rect)
{
    // A bar cell is a text cell filled over whole again: nothing of the text cell's own drawing
    // (ground, sign, text, frame, badge) stays visible, so it is not drawn first.
    const UINT flags = cell->nFlags;
    COLORREF back = ColorOf(cell->pBackColor, kWhite);
    if (flags & GCF_HIGHLIGHT)
        back = ColorOf(m_pHighlightColor, back);
    if (flags & GCF_SELECTED)
        back = kSelectedBack;
    SelectCellFont(pDC, cell);
    pDC->FillSolidRect(&rect, back);

    if (cell->dBarValue != 0) {
        // A percentage beyond 100 (or not a number) fills the cell and no more.
        double percent = std::fabs(cell->dBarValue);
        if (!(percent <= 100.0))
            percent = 100.0;
        const int width = (int)(percent * (rect.right - rect.left) / 100);
        CRect bar;
        COLORREF colour;
        if ((flags & GCF_BARALIGN_MASK) == GCF_BARALIGN_RIGHT) {
            bar.SetRect(rect.right - width, rect.top, rect.right, rect.bottom);
            colour = kBarFromRight;
        } else {
            bar.SetRect(rect.left, rect.top, rect.left + width, rect.bottom);
            colour = kBarFromLeft;
        }
        bar.DeflateRect(0, 2);
        pDC->FillSolidRect(&bar, colour);
        pDC->SetBkColor(back);
    }

    if (HasText(cell)) {
        SetCellTextColor(pDC, ColorOf(cell->pForeColor, kBlack));
        DrawCellText(pDC, flags & GCF_ALIGN_MASK, rect, cell->pszText);
    }
}

void CGrid::DrawPosState(CDC*, int, CRect, DWORD) {}
