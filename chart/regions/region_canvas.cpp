// CRegionCanvas: construction, the frame it gives its trend lines, its objects, placing and
// hit tests.
#include "RegionCanvas.h"

#include <climits>

#include "DrawObject.h"
#include "Properties.h"
#include "TimeDataCell.h"

CRegionCanvas::CRegionCanvas(CProperties* properties)
    : CTrend(properties), m_bVisible(1), m_bAbsolute(0), m_pProperties(properties), m_rcRightAxis(0, 0, 0, 0),
      m_rcLeftAxis(0, 0, 0, 0), m_rcPlot(0, 0, 0, 0), m_nRightMax(INT_MIN), m_nRightMin(INT_MAX), m_nLeftMax(INT_MIN),
      m_nLeftMin(INT_MAX), m_nRightOwner(0), m_nLeftOwner(0), m_fLeftFactor(0), m_fRightFactor(0),
      m_nHighlightSlot(-1), m_clrText(CCtlColor::Index(1)), m_fPixelsPerSlot(0), m_nFirst(0), m_nCount(0),
      m_fDisplayFactor(0), m_crLine(0xC8C8C8), m_nLineWidth(1), m_bPainted(0), m_bRightScaleSet(1),
      m_bLeftScaleSet(0), m_pGridX(nullptr)
{
}

CRegionCanvas::~CRegionCanvas()
{
    RemoveAllObjects();
}

CRect CRegionCanvas::GetTrendRect()
{
    return CRect(m_rcPlot.left, m_rcPlot.top + 10, m_rcPlot.right, m_rcPlot.bottom - 4);
}

CRect CRegionCanvas::GetDrawRect()
{
    int left = m_rcLeftAxis.Width();
    return CRect(left, 10, left + m_rcPlot.Width(), m_rcPlot.Height() - 4);
}

CRect CRegionCanvas::GetHitRect()
{
    return GetTrendRect();
}

CRect CRegionCanvas::GetRegionRect()
{
    return m_rcPlot;
}

float CRegionCanvas::GetPixelsPerUnit()
{
    return m_fRightFactor != 0 ? m_fRightFactor : m_fLeftFactor;
}

int CRegionCanvas::GetRightMax()
{
    return m_nRightMax == INT_MIN ? m_nLeftMax : m_nRightMax;
}

int CRegionCanvas::GetRightMin()
{
    return m_nRightMin == INT_MAX ? m_nLeftMin : m_nRightMin;
}

int CRegionCanvas::GetLeftMax()
{
    return m_nLeftMax == INT_MIN ? m_nRightMax : m_nLeftMax;
}

int CRegionCanvas::GetLeftMin()
{
    return m_nLeftMin == INT_MAX ? m_nRightMin : m_nLeftMin;
}

void CRegionCanvas::ScaleOf(bool right, float& factor, int& divisor, int& decimals) const
{
    // A side without a factor answers with the other side's scale.
    float own = right ? m_fRightFactor : m_fLeftFactor;
    bool mine = own != 0;
    const DREGIONSIDEDATA& side = right == mine ? m_RegionData.RightSide : m_RegionData.LeftSide;
    factor = mine ? own : (right ? m_fLeftFactor : m_fRightFactor);
    divisor = side.Divisor;
    decimals = side.Decimals;
}

void CRegionCanvas::GetLeftScale(float& factor, int& divisor, int& decimals)
{
    ScaleOf(false, factor, divisor, decimals);
}

int CRegionCanvas::IsLogScale()
{
    return 0;
}

void CRegionCanvas::GetRightScale(float& factor, int& divisor, int& decimals)
{
    ScaleOf(true, factor, divisor, decimals);
}

int CRegionCanvas::IsReversedScale()
{
    return 0;
}

CProperties* CRegionCanvas::GetProperties()
{
    return m_pProperties;
}

int CRegionCanvas::AddDrawObject(const CDrawObject& source)
{
    CDrawObject* object = new CDrawObject(source.m_pOwnerWnd);
    object->CopyPlacement(source);
    return AddDrawObject(object);
}

int CRegionCanvas::AddDrawObject(CDrawObject* object)
{
    object->AttachDrawer();
    object->SetFirstVisible(m_nFirst);
    object->SetVisibleCount(m_nCount);
    object->SetXStep(m_fPixelsPerSlot);
    return m_Objects.Add(object);
}

int CRegionCanvas::RemoveDrawObject(int id)
{
    CDrawObject* object = m_Objects.Lookup(id);
    if (!object)
        return -1;
    m_Objects.Remove(id);
    // Horizontal bars draw their linked object after themselves: a link to the object going now
    // would point at freed memory. A link given by id finds nothing once the id is gone.
    for (POSITION pos = m_Objects.GetStartPosition(); pos != NULL;)
    {
        int other;
        CDrawObject* bars;
        m_Objects.GetNextAssoc(pos, other, bars);
        if (!bars || bars->GetKind() != DRAWKIND_HBAR)
            continue;
        if (bars->m_nLinkedId >= 0)
            bars->m_pLinked = m_Objects.Lookup(bars->m_nLinkedId);
        else if (bars->m_pLinked == object)
            bars->m_pLinked = nullptr;
    }
    delete object;
    return int(m_Objects.GetCount());
}

void CRegionCanvas::RemoveAllObjects()
{
    for (POSITION pos = m_Objects.GetStartPosition(); pos != NULL;)
    {
        int id;
        CDrawObject* object;
        m_Objects.GetNextAssoc(pos, id, object);
        delete object;
    }
    m_Objects.RemoveAll();
}

CDrawObject* CRegionCanvas::GetDrawObject(int id) const
{
    return m_Objects.Lookup(id);
}

int CRegionCanvas::GetObjectDataCount(int id) const
{
    CDrawObject* object = m_Objects.Lookup(id);
    return object ? object->GetSeriesLength() : -1;
}

void CRegionCanvas::ToggleSelect(CDC* pDC, int id)
{
    CDrawObject* object = m_Objects.Lookup(id);
    if (!object || !object->m_bShown)
        return;
    object->ToggleSelect();
    CRect rect = GetHitRect();
    rect.OffsetRect(0, 1);
    object->DrawSelection(rect, pDC);
}

void CRegionCanvas::SetShowWindow(int first, int count, float pixelsPerSlot)
{
    m_nFirst = first;
    m_nCount = count;
    m_fPixelsPerSlot = pixelsPerSlot;
    const CTimeDataCell* time = m_pProperties ? m_pProperties->m_pTimeCell : nullptr;
    for (INT_PTR i = 0; i < m_Objects.GetSize(); ++i)
    {
        CDrawObject* object = m_Objects.GetAt(i);
        if (!object)
            continue;
        object->SetFirstVisible(first);
        object->SetVisibleCount(count);
        object->SetXStep(pixelsPerSlot);
        if (time)
            object->SetAxisLength(time->GetLength());
    }
}

void CRegionCanvas::AddLookupRows(int slot, CObList& rows, int timeKind)
{
    for (INT_PTR i = 0; i < m_Objects.GetSize(); ++i)
    {
        CDrawObject* object = m_Objects.GetAt(i);
        if (object && object->m_bShown)
            object->AddLookupRows(object->IndexAt(slot), rows, m_RegionData, timeKind);
    }
}

void CRegionCanvas::AddTipRows(int slot, CObList& rows)
{
    for (INT_PTR i = 0; i < m_Objects.GetSize(); ++i)
    {
        CDrawObject* object = m_Objects.GetAt(i);
        if (object)
            object->AddTipRows(object->IndexAt(slot), rows, m_RegionData);
    }
}

int CRegionCanvas::HitTest(int x, int y)
{
    CRect rect = GetHitRect();
    for (POSITION pos = m_Objects.GetStartPosition(); pos != NULL;)
    {
        int id;
        CDrawObject* object;
        m_Objects.GetNextAssoc(pos, id, object);
        if (object && object->m_bShown && object->HitTest(rect, x, y, m_RegionData.Reverse != 0))
            return id;
    }
    return -1;
}

void CRegionCanvas::Place(const CRect& rect)
{
    int left = m_pProperties ? m_pProperties->GetLIndexWidth() : 15;
    int right = m_pProperties ? m_pProperties->GetRIndexWidth() : 60;
    m_rcRightAxis.SetRect(rect.right, rect.top, rect.right + right, rect.bottom);
    m_rcLeftAxis.SetRect(rect.left - left, rect.top, rect.left, rect.bottom);
    m_rcPlot = rect;
}
