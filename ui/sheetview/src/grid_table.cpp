// The grid table: a grid that paints all its cells double-buffered and selects whole rows.
#include "GridTable.h"

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
    PaintGround(pDC, clip);
    DrawCells(pDC, 0, 0, (int)m_nColCount, (int)m_nRowCount);
    pDC->RestoreDC(saved);
}

void CGridTable::OnPaint()
{
    PaintBuffered([this](CDC* pDC, const CRect& clip) { Paint(pDC, clip); });
}

void CGridTable::OnLButtonDown(UINT nFlags, CPoint point)
{
    CGrid::OnLButtonDown(nFlags, point);
    SelectClickedRow(point, m_bRowSelect);
}
