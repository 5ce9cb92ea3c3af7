// CBar: vertical (volume) bars in one colour, against a reference value, up and down from zero
// or stacked; their selection squares and the hit test.
#include <algorithm>
#include <climits>
#include <memory>

#include "BarChart.h"
#include "DrawObject.h"
#include "KindRecords.h"
#include "column_painter.h"
#include "draw_geometry.h"

CBar::CBar()
    : m_clrFill(CCtlColor::Rgb(RGB(0, 128, 0))), m_n3D(0), m_nMode(0), m_nRefValue(0),
      m_clrBarUp(CCtlColor::Rgb(0x0000FF)), m_clrBarDown(CCtlColor::Rgb(0xFF0000)), m_nCenter(0), m_nStack(0),
      m_pOwner(nullptr)
{
}

void CBar::SetProperty(const DBARPROP& record)
{
    m_clrFill = record.BarColor;
    m_n3D = record.Shade;
    m_nMode = record.BarMode;
    m_clrBarUp = record.UpColor;
    m_clrBarDown = record.DownColor;
    m_nCenter = record.BaseCenter;
    m_nStack = record.Stack;
    m_strStackName1 = record.StackName1;
    m_strStackName2 = record.StackName2;
}

namespace
{

// The bar drawer's own vertical scale: bars of an all-positive chart start from 0, and a flat
// scale puts every value on the base.
struct BarScale
{
    int m;
    double f;
    CRect rect;
    BOOL inverted;

    BarScale(const CDrawObject* obj, const CRect& r, BOOL inv) : rect(r), inverted(inv)
    {
        m = obj->GetMinimum();
        int top = obj->GetMaximum();
        if (m >= 0 && top > 0)
            m = 0;
        long long range = (long long)top - m;
        f = range > 0 ? double(r.bottom - r.top) / double(range) : 0.0;
    }

    int Row(long long v) const
    {
        double d = double(v - m) * f;
        double y = inverted ? rect.top + d : rect.bottom - d;
        if (!(y > -1e8))
            return -100000000;
        if (y > 1e8)
            return 100000000;
        return int(y);
    }
};

bool Usable(const CDrawObject* obj)
{
    return obj && obj->GetSeriesLength() >= 1 && obj->GetS0();
}

int PartOf(int v)
{
    return IsEmptyValue(v) ? 0 : v;
}

} // namespace

// The value a bar stands for (S0, or the stacked total with empty parts as 0); false when the
// bar is empty.
static bool BarValue(const CBar& bar, const CDrawObject* obj, int index, long long& value)
{
    const int* s0 = obj->GetS0();
    const int* s1 = obj->GetS1();
    if (bar.m_nStack)
    {
        value = (long long)PartOf(s0[index]) + (s1 ? PartOf(s1[index]) : 0);
        return true;
    }
    if (IsEmptyValue(s0[index]))
        return false;
    value = s0[index];
    return true;
}

static int BaseRow(const CBar& bar, const BarScale& scale, BOOL inverted, const CRect& rect)
{
    if (bar.m_nMode == 1)
        return scale.Row(bar.m_nRefValue);
    if (bar.m_nMode == 2)
        return scale.Row(0);
    return inverted ? rect.top : rect.bottom;
}

void CBar::Draw(CRect rect, CDC* pDC, BOOL inverted)
{
    CDrawObject* obj = m_pOwner;
    if (!Usable(obj))
        return;
    const BarScale scale(obj, rect, inverted);
    const int* s0 = obj->GetS0();
    const int* s1 = obj->GetS1();
    const float w = obj->GetXStep();
    const int first = obj->GetFirstVisible(), visible = obj->GetVisibleCount();
    const bool wide = 4LL * visible < rect.right - rect.left;
    const int base = BaseRow(*this, scale, inverted, rect);
    const bool threeD = m_n3D != 0;
    // Line bars crowd into shared pixel columns: in copy mode they go to the column painter from
    // the newest back, and a line that the bars after it cover whole is passed over.
    CLineBatch lines(pDC);
    std::unique_ptr<CColumnPainter> columns;
    if (!wide && pDC->GetROP2() == R2_COPYPEN)
        columns.reset(new CColumnPainter(pDC));
    auto bar = [&](int xl, int xr, int xm, long long v, COLORREF colour) {
        int row = scale.Row(v);
        if (wide)
            DrawBarRect(pDC, xl, xr, row, base, colour, threeD, true);
        else if (columns)
        {
            // The rows the line paints: from row towards the base, the base itself left out.
            const int y0 = row < base ? row : base + 1, y1 = row < base ? base : row + 1;
            if (row != base && !columns->Covered(xm, xm, y0, y1))
                columns->VLine(xm, row, base, colour);
        }
        else
            lines.Add(xm, row, xm, base, colour);
    };
    const CDrawObject::PositionIndex positions = obj->Positions();
    auto drawAt = [&](int i) {
        const int p = i - first;
        const int xl = SlotX(p, w, rect.left), xr = SlotX(p + 1, w, rect.left);
        const int index = positions.At(i);
        if (index < 0)
            return;
        const int xm = (xl + xr) / 2;
        if (columns)
            columns->Close(xm + 1);
        if (m_nStack)
        {
            long long total;
            BarValue(*this, obj, index, total);
            bar(xl, xr, xm, total, m_clrBarDown.GetColor());
            if (s1 && !IsEmptyValue(s1[index]))
                bar(xl, xr, xm, s1[index], m_clrBarUp.GetColor());
        }
        else
        {
            const int v = s0[index];
            switch (m_nMode)
            {
            case 1:
                if (!IsEmptyValue(v))
                    bar(xl, xr, xm, v, (v >= m_nRefValue ? m_clrBarUp : m_clrBarDown).GetColor());
                break;
            case 2:
                if (!IsEmptyValue(v))
                    bar(xl, xr, xm, v, m_clrBarUp.GetColor());
                if (s1 && !IsEmptyValue(s1[index]))
                    bar(xl, xr, xm, -(long long)s1[index], m_clrBarDown.GetColor());
                break;
            default:
                if (!IsEmptyValue(v))
                    bar(xl, xr, xm, v, m_clrFill.GetColor());
                break;
            }
        }
        if (columns)
            columns->EndGroup();
    };
    if (columns)
        for (int i = first + visible - 1; i >= first; --i)
            drawAt(i);
    else
        for (int i = first; i < first + visible; ++i)
            drawAt(i);
    lines.Flush();
    columns.reset();
    if (m_nMode == 1 && !m_nStack)
    {
        CPen pen(PS_SOLID, 1, m_clrFill.GetColor());
        CDCSelectGuard guard(pDC, &pen);
        pDC->MoveTo(rect.left, base);
        pDC->LineTo(rect.right, base);
    }
}

void CBar::DrawSelection(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    if (!Usable(obj))
        return;
    const BarScale scale(obj, rect, FALSE);
    const float w = obj->GetXStep();
    const bool wide = 4LL * obj->GetVisibleCount() < rect.right - rect.left;
    const int base = BaseRow(*this, scale, FALSE, rect);
    DrawSelectionMarks(pDC, rect, obj, [&](int p, int index, CPoint& c) {
        long long v;
        if (!BarValue(*this, obj, index, v))
            return false;
        const int xl = SlotX(p, w, rect.left), xr = SlotX(p + 1, w, rect.left);
        c.x = wide ? (2 * xl + (xr - xl) * 4 / 5) / 2 : (xl + xr) / 2;
        c.y = (scale.Row(v) + base) / 2;
        return true;
    });
}

int CBar::HitTest(CRect rect, int x, int y, BOOL inverted)
{
    CDrawObject* obj = m_pOwner;
    const float w = obj ? obj->GetXStep() : 0;
    // With no width per position no bar stands anywhere.
    if (!Usable(obj) || w == 0 || x < rect.left)
        return 0;
    const int visible = obj->GetVisibleCount();
    const int p = TruncPixel(float(x - rect.left) / w);
    // Slots run from 0 to V - 1.
    if (p >= visible)
        return 0;
    const int index = obj->IndexAt(obj->GetFirstVisible() + p);
    long long v;
    if (index < 0 || !BarValue(*this, obj, index, v))
        return 0;
    const BarScale scale(obj, rect, inverted);
    const int top = scale.Row(v), base = BaseRow(*this, scale, inverted, rect);
    const int xl = SlotX(p, w, rect.left), xr = SlotX(p + 1, w, rect.left);
    const int xf = xl + (xr - xl) * 4 / 5;
    const CPoint point(x, y);
    if (rect.right - rect.left <= 4LL * visible)
        return CRect(xl - 2, std::min(top, base) - 2, xf + 2, std::max(top, base)).PtInRect(point) ? 1 : 0;
    if (CRect(xl, std::min(top, base), xf, std::max(top, base)).PtInRect(point))
        return 1;
    POINT corners[7];
    const int n = BarSideFace(xl, xr, top, base, corners);
    CRgn face;
    face.CreatePolygonRgn(corners, n, ALTERNATE);
    return face.PtInRegion(point) ? 1 : 0;
}
