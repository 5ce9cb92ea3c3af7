// CTrend: the base frame, adding and picking lines in data terms.
#include "Trend.h"

#include "LocationUtil.h"

CTrend::CTrend(CProperties* properties)
    : m_crDefaultPen(0), m_nDefaultPenStyle(PS_SOLID), m_nDefaultPenWidth(1), m_nTrendCount(0),
      m_pTrendList(new CObList(10)), m_rcTrendArea(0, 0, 0, 0), m_pTrendProperties(properties)
{
}

CTrend::~CTrend()
{
    RemoveAllTrends();
    delete m_pTrendList;
}

CRect CTrend::GetTrendRect()
{
    return CRect(0, 0, 1, 1);
}

CRect CTrend::GetDrawRect()
{
    return CRect(0, 0, 1, 1);
}

CRect CTrend::GetHitRect()
{
    return CRect(0, 0, 1, 1);
}

CRect CTrend::GetRegionRect()
{
    return CRect(0, 0, 1, 1);
}

float CTrend::GetPixelsPerUnit()
{
    return 0.0f;
}

int CTrend::GetRightMax()
{
    return 0;
}

int CTrend::GetRightMin()
{
    return 0;
}

int CTrend::GetLeftMax()
{
    return 0;
}

int CTrend::GetLeftMin()
{
    return 0;
}

void CTrend::GetLeftScale(float&, int&, int&)
{
}

int CTrend::IsLogScale()
{
    return 0;
}

void CTrend::GetRightScale(float&, int&, int&)
{
}

int CTrend::IsReversedScale()
{
    return 0;
}

CProperties* CTrend::GetProperties()
{
    return m_pTrendProperties;
}

void CTrend::RemoveAllTrends()
{
    while (!m_pTrendList->IsEmpty())
        delete m_pTrendList->RemoveHead();
    m_nTrendCount = 0;
}

int CTrend::PickSlot(int x, int first, int, float pixelsPerSlot, BOOL area)
{
    CLocationUtil util(area ? m_rcTrendArea : GetTrendRect());
    return util.SlotFromX(x, first, pixelsPerSlot);
}

int CTrend::PickValue(int y)
{
    float factor = 0;
    int divisor = 0, decimals = 0;
    GetRightScale(factor, divisor, decimals);
    return CLocationUtil(GetTrendRect())
        .ValueFromY(y, GetRightMax(), GetRightMin(), factor, IsLogScale(), IsReversedScale());
}

int CTrend::PickLeftValue(int y)
{
    float factor = 0;
    int divisor = 0, decimals = 0;
    GetLeftScale(factor, divisor, decimals);
    return CLocationUtil(GetTrendRect()).ValueFromY(y, GetLeftMax(), GetLeftMin(), factor, IsLogScale(), IsReversedScale());
}

void CTrend::AddTrend(CPoint p1, CPoint p2, int kind, int first, int last, float pixelsPerSlot, BOOL area,
                      COLORREF colour, int width, int style)
{
    CTrendInfo* info = new CTrendInfo;
    info->m_nKind = kind;
    info->m_nSlot1 = PickSlot(p1.x, first, last, pixelsPerSlot, area);
    info->m_nSlot2 = PickSlot(p2.x, first, last, pixelsPerSlot, area);
    info->m_nValue1 = PickValue(p1.y);
    info->m_nValue2 = PickValue(p2.y);
    info->m_Attribute.m_crPen = colour;
    info->m_Attribute.m_nPenWidth = width;
    info->m_Attribute.m_nPenStyle = style;
    m_pTrendList->AddTail(info);
    m_nTrendCount = int(m_pTrendList->GetCount());
}
