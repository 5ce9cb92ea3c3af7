// The grid table: a grid that paints all its cells double-buffered and selects whole rows.
#include "GridTable.h"

#include "ColorMap.h"

IMPLEMENT_DYNAMIC(CGridTable, CGrid)

BEGIN_MESSAGE_MAP(CGridTable, CGrid)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CGridTable::CGridTable() : m_bRowSelect(0) {}

CGridTable::~CGridTable() {}

void CGridTable::Paint(CDC* pDC, const CRect& clip)
{
    const int saved = pDC->SaveDC();
    pDC->IntersectClipRect(&clip);
    pDC->FillSolidRect(&clip, ColorOf(m_pHeaderLineColor, RGB(0, 0, 0)));
    const CRect body = GetDataRect();
    if (!body.IsRectEmpty() && pDC->RectVisible(&body))
        pDC->FillSolidRect(&body, ColorOf(m_pBorderColor, RGB(0, 0, 0)));
    DrawCells(pDC, 0, 0, (int)m_nColCount, (int)m_nRowCount);
    pDC->RestoreDC(saved);
}

void CGridTable::OnPaint()
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
    Paint(&mem, clip);
    mem.SetViewportOrg(0, 0);
    dc.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &mem, 0, 0, SRCCOPY);
    mem.SelectObject(old);
}

void CGridTable::OnLButtonDown(UINT nFlags, CPoint point)
{
    CGrid::OnLButtonDown(nFlags, point);
    if (!m_bUseCellSelect || !m_bRowSelect)
        return;
    tagGRDHITTEST hit;
    HitTest(point, &hit);
    if ((hit.nFlags & GHT_BODY) && m_nColCount > m_nColHeadCount)
        SelectCell(m_nColHeadCount, hit.nRow, m_nColCount - 1, hit.nRow, 1);
}
