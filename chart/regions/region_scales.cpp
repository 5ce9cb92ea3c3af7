// CRegionCanvas: the value scales of both axes from the visible objects, handed to the objects
// that share them, and the last-value tags of the axes.
#include "RegionCanvas.h"

#include <algorithm>
#include <climits>

#include "DrawObject.h"
#include "Properties.h"
#include "SeriesValues.h"

// A range in 64 bits, so widening never wraps; empty when the object gave no value.
struct CRegionCanvas::Range
{
    long long maximum = 0;
    long long minimum = 0;
    bool empty = true;
};

namespace
{

// Within the int range, clear of the values that mark an unset scale.
int ClampMax(long long v)
{
    return int(std::max<long long>(INT_MIN + 1LL, std::min<long long>(v, INT_MAX - 1LL)));
}

bool RightMode(int mode)
{
    return mode == SCALEMODE_NEW_RIGHT || mode == SCALEMODE_SHARE_RIGHT;
}

} // namespace

float CRegionCanvas::ScaleFactor(int maximum, int minimum) const
{
    if (maximum == INT_MIN || minimum == INT_MAX || maximum <= minimum)
        return 0;
    // A region lower than its margins still draws its scale over one pixel rather than upside down.
    int height = std::max(m_rcPlot.Height() - 14, 1);
    return float(height) / float((long long)maximum - minimum);
}

void CRegionCanvas::ResetScales()
{
    m_nRightMax = m_nLeftMax = INT_MIN;
    m_nRightMin = m_nLeftMin = INT_MAX;
    m_fRightFactor = m_fLeftFactor = 0;
    m_nRightOwner = m_nLeftOwner = 0;
}

CRegionCanvas::Range CRegionCanvas::ObjectRange(CDrawObject* object, int mode) const
{
    Range range;
    const DREGIONSIDEDATA* side = nullptr;
    if (mode >= SCALEMODE_NEW_RIGHT && mode <= SCALEMODE_SHARE_LEFT)
        side = RightMode(mode) ? &m_RegionData.RightSide : &m_RegionData.LeftSide;
    if (side && side->Fixed)
    {
        // Bounds given the wrong way round still make a scale that grows upwards.
        range.maximum = std::max(side->FixedMax, side->FixedMin);
        range.minimum = std::min(side->FixedMax, side->FixedMin);
    }
    else
    {
        int maximum, minimum;
        if (m_pProperties && m_pProperties->GetTimeKind() == 6)
            maximum = object->GetMaximum(), minimum = object->GetMinimum();
        else
            maximum = object->GetMaxValue(1), minimum = object->GetMinValue(1);
        if (maximum == SERIES_EMPTYMIN || minimum == SERIES_NOTCOMPUTED || maximum < minimum)
            return range;
        range.maximum = maximum;
        range.minimum = minimum;
    }
    range.empty = false;

    int kind = object->GetKind();
    if (kind == DRAWKIND_LINE && object->CLine::m_nBaseLine)
    {
        long long base = object->GetS4Number();
        range.maximum = std::max(range.maximum, base);
        range.minimum = std::min(range.minimum, base);
    }
    if (range.maximum == range.minimum)
    {
        if (range.minimum != 0)
            range.minimum -= 10;
        range.maximum += 10;
    }
    if (kind == DRAWKIND_LINE && object->m_nPriceLevel)
    {
        long long step = CLine::PriceLevelStep(range.minimum);
        range.minimum -= step;
        range.maximum += step;
    }
    if (kind == DRAWKIND_BAR)
    {
        range.minimum = std::min(range.minimum, 0LL);
        // Centred bars: as far below their base value as the farther end lies from it.
        if (object->CBar::m_nCenter)
        {
            long long base = object->GetS4Number();
            long long reach = std::max(base - range.minimum, range.maximum - base);
            range.maximum = base + reach;
            range.minimum = base - reach;
        }
    }
    range.maximum = ClampMax(range.maximum);
    range.minimum = ClampMax(range.minimum);
    return range;
}

void CRegionCanvas::HandScale(const CArray<CDrawObject*, CDrawObject*>& members, bool right) const
{
    const DREGIONSIDEDATA& side = right ? m_RegionData.RightSide : m_RegionData.LeftSide;
    for (INT_PTR i = 0; i < members.GetSize(); ++i)
    {
        CDrawObject* object = members[i];
        object->SetYScale(right ? m_fRightFactor : m_fLeftFactor);
        object->SetMaximum(right ? m_nRightMax : m_nLeftMax);
        object->SetMinimum(right ? m_nRightMin : m_nLeftMin);
        object->SetAxisSettings(side.Divisor, side.Decimals, side.FracBase, side.Precision);
    }
}

void CRegionCanvas::SetLastValueTag(CDrawObject* object, int mode)
{
    int count = 0, newest = 0;
    object->GetVisibleRange(count, newest);
    if (!object->GetStore() || count <= 0 || newest + 1 >= object->GetSeriesLength())
        return;
    const int* now = nullptr;
    const int* before = nullptr;
    switch (object->GetKind())
    {
    case DRAWKIND_LINE:
        now = before = object->GetS0();
        break;
    case DRAWKIND_CANDLE:
        now = before = object->GetS3();
        break;
    case DRAWKIND_AMERICA:
        now = object->GetS2();
        before = object->GetS0();
        break;
    }
    int value = 0, state = 0;
    // A gap in the data is no last value.
    if (now && before && !IsReservedSeriesValue(now[newest]) && !IsReservedSeriesValue(before[newest + 1]))
    {
        int v = now[newest], p = before[newest + 1];
        value = v;
        state = v > p ? 1 : v == p ? 3 : 5;
    }
    if (m_RegionData.TagOff < 1)
    {
        DREGIONSIDEDATA& side = RightMode(mode) ? m_RegionData.RightSide : m_RegionData.LeftSide;
        side.TagValue = value;
        side.TagState = state;
    }
}

void CRegionCanvas::ComputeScales()
{
    ResetScales();
    CArray<CDrawObject*, CDrawObject*> rightMembers, leftMembers;
    for (INT_PTR i = 0; i < m_Objects.GetSize(); ++i)
    {
        int id = -1;
        CDrawObject* object = m_Objects.GetAt(i, &id);
        if (!object || !object->m_bShown || !object->IsNotHBar())
            continue;
        int mode = object->m_nAxisSide;
        bool right = RightMode(mode);
        bool left = mode == SCALEMODE_NEW_LEFT || mode == SCALEMODE_SHARE_LEFT;
        if (right || left)
        {
            CArray<CDrawObject*, CDrawObject*>& members = right ? rightMembers : leftMembers;
            int& maximum = right ? m_nRightMax : m_nLeftMax;
            int& minimum = right ? m_nRightMin : m_nLeftMin;
            float& factor = right ? m_fRightFactor : m_fLeftFactor;
            int& owner = right ? m_nRightOwner : m_nLeftOwner;
            bool opens = mode == SCALEMODE_NEW_RIGHT || mode == SCALEMODE_NEW_LEFT || members.IsEmpty();
            if (opens)
            {
                if (!members.IsEmpty())
                    HandScale(members, right);
                members.RemoveAll();
                maximum = INT_MIN;
                minimum = INT_MAX;
                factor = 0;
                owner = 0;
            }
            Range range = ObjectRange(object, mode);
            if (!range.empty)
            {
                maximum = int(std::max<long long>(maximum, range.maximum));
                minimum = int(std::min<long long>(minimum, range.minimum));
            }
            members.Add(object);
            factor = ScaleFactor(maximum, minimum);
            (right ? m_bRightScaleSet : m_bLeftScaleSet) = 1;
            owner = id;
        }
        else if (mode == SCALEMODE_OWN)
        {
            Range range = ObjectRange(object, mode);
            if (!range.empty)
            {
                object->SetMaximum(int(range.maximum));
                object->SetMinimum(int(range.minimum));
                object->SetYScale(ScaleFactor(int(range.maximum), int(range.minimum)));
            }
            m_nRightOwner = m_nLeftOwner = 0;
        }
        SetLastValueTag(object, mode);
    }
    HandScale(rightMembers, true);
    HandScale(leftMembers, false);
}
