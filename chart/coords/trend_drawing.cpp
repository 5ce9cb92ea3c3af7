// CTrend: drawing the lines with the inverting pen, so that drawing one twice erases it.
#include "Trend.h"

#include "LocationUtil.h"
#include "Properties.h"

int CTrend::DrawTrends(CDC* pDC, int first, int last, float pixelsPerSlot)
{
    if (m_pTrendList->IsEmpty())
        return 0;
    const int none = CLocationUtil::NoValue;
    for (POSITION pos = m_pTrendList->GetHeadPosition(); pos != NULL;)
    {
        const CTrendInfo* info = static_cast<const CTrendInfo*>(m_pTrendList->GetNext(pos));
        CRect frame = info->m_nKind == TRENDKIND_VERTICAL ? m_rcTrendArea : GetDrawRect();
        CLocationUtil util(frame);
        int maximum = GetRightMax(), minimum = GetRightMin();
        float unit = GetPixelsPerUnit();
        CPoint p1(util.XFromSlot(info->m_nSlot1, first, last, pixelsPerSlot),
                  util.YFromValue(info->m_nValue1, maximum, minimum, unit));
        CPoint p2(util.XFromSlot(info->m_nSlot2, first, last, pixelsPerSlot),
                  util.YFromValue(info->m_nValue2, maximum, minimum, unit));
        // A line is drawn only from what it needs: a segment both ends, a horizontal line its
        // value, a vertical line its slot. Whatever is off the window is left out rather than
        // drawn to or at a made-up point.
        switch (info->m_nKind)
        {
        case TRENDKIND_SEGMENT:
        case TRENDKIND_SEGMENT2:
            if (p1.x == none || p1.y == none || p2.x == none || p2.y == none)
                continue;
            break;
        case TRENDKIND_HORIZONTAL:
            if (p2.y == none)
                continue;
            p1 = p2 = CPoint(frame.left, p2.y);
            break;
        case TRENDKIND_VERTICAL:
            if (p2.x == none)
                continue;
            p1 = p2 = CPoint(p2.x, frame.top);
            break;
        default:
            continue;
        }
        DrawLine(pDC, p1, p2, info->m_nKind, info);
    }
    return 1;
}

int CTrend::DrawLine(CDC* pDC, CPoint p1, CPoint p2, int kind, const CTrendInfo* info)
{
    if (kind < TRENDKIND_SEGMENT || kind > TRENDKIND_VERTICAL || !pDC)
        return 0;
    int style = info ? info->m_Attribute.m_nPenStyle : m_nDefaultPenStyle;
    int width = info ? info->m_Attribute.m_nPenWidth : m_nDefaultPenWidth;
    COLORREF colour = info ? info->m_Attribute.m_crPen : m_crDefaultPen;
    CPen pen(style, width, colour);
    int oldRop = pDC->SetROP2(R2_NOTXORPEN);
    {
        CDCSelectGuard select(pDC, &pen);
        switch (kind)
        {
        case TRENDKIND_SEGMENT:
        case TRENDKIND_SEGMENT2:
            pDC->MoveTo(p1);
            pDC->LineTo(p2);
            break;
        case TRENDKIND_HORIZONTAL:
        {
            CProperties* properties = GetProperties();
            CRect draw = GetDrawRect();
            int before = properties ? properties->GetRMargin() : 10;
            int after = properties ? properties->GetLeftMargin() : 10;
            pDC->MoveTo(draw.left - before, p2.y);
            pDC->LineTo(draw.right + after, p2.y);
            break;
        }
        case TRENDKIND_VERTICAL:
            pDC->MoveTo(p2.x - 1, m_rcTrendArea.top);
            pDC->LineTo(p2.x - 1, m_rcTrendArea.bottom);
            break;
        }
    }
    pDC->SetROP2(oldRop);
    return 1;
}
