// CAmerica: high-low-close bars, their selection squares and the hit test.
#include "DrawObject.h"
#include "KindRecords.h"
#include "draw_geometry.h"

void CAmerica::SetProperty(const DAMERICAPROP& record)
{
    m_clrBar = record.C1;
}

// 1 pixel in slots of 6 to 10 pixels, else 2.
static int Thickness(int slot)
{
    return slot >= 6 && slot <= 10 ? 1 : 2;
}

// A line of thickness t as t one-pixel lines, each moved k / 2 further (left or up).
static void ThickLine(CDC* pDC, int x1, int y1, int x2, int y2, int t, bool vertical)
{
    int shift = 0;
    for (int k = 1; k <= t; ++k)
    {
        shift += k / 2;
        int dx = vertical ? -shift : 0, dy = vertical ? 0 : -shift;
        pDC->MoveTo(x1 + dx, y1 + dy);
        pDC->LineTo(x2 + dx, y2 + dy);
    }
}

static bool Usable(const CDrawObject* obj)
{
    return obj && obj->GetSeriesLength() >= 1 && obj->GetS0() && obj->GetS1() && obj->GetS2();
}

void CAmerica::Draw(CRect rect, CDC* pDC, BOOL inverted)
{
    CDrawObject* obj = m_pOwner;
    if (!Usable(obj))
        return;
    const int* high = obj->GetS0();
    const int* low = obj->GetS1();
    const int* close = obj->GetS2();
    float w = obj->GetXStep(), k = obj->GetYScale();
    int m = obj->GetMinimum(), first = obj->GetFirstVisible(), visible = obj->GetVisibleCount();
    int oldMode = pDC->SetBkMode(TRANSPARENT);
    CPen pen(PS_SOLID, 1, m_clrBar.GetColor());
    CPen* oldPen = pDC->SelectObject(&pen);
    int slot = -1;
    for (int i = first; i < first + visible; ++i)
    {
        int index = obj->IndexAt(i);
        if (index < 0 || IsEmptyValue(high[index]) || IsEmptyValue(low[index]) || IsEmptyValue(close[index]))
            continue;
        int p = i - first;
        int x = SlotX(p, w, rect.left), next = SlotX(p + 1, w, rect.left);
        if (slot < 0)
            slot = next - x;
        int t = Thickness(slot);
        ThickLine(pDC, x, ValueRow(high[index], m, k, rect, inverted), x, ValueRow(low[index], m, k, rect, inverted), t,
                  true);
        int yc = ValueRow(close[index], m, k, rect, inverted);
        ThickLine(pDC, x, yc, next + TruncPixel(float(slot) * -0.25f), yc, t, false);
    }
    pDC->SelectObject(oldPen);
    pDC->SetBkMode(oldMode);
}

void CAmerica::DrawSelection(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    if (!Usable(obj))
        return;
    const int* high = obj->GetS0();
    const int* low = obj->GetS1();
    DrawSelectionSquares(pDC, rect, obj, high, low);
}

int CAmerica::HitTest(CRect rect, int x, int y, BOOL inverted)
{
    CDrawObject* obj = m_pOwner;
    // With no width per position no bar stands anywhere.
    if (!Usable(obj) || obj->GetXStep() == 0)
        return 0;
    float w = obj->GetXStep(), k = obj->GetYScale();
    int length = obj->GetSeriesLength();
    int p = TruncPixel(float(x - rect.left) / w);
    long long index = (long long)length - 1 +
                      ((long long)obj->GetAxisLength() - obj->GetViewFirst() - 1 - p - obj->GetFirstVisible());
    if (index < 0 || index >= length)
        return 0;
    const int* high = obj->GetS0();
    const int* low = obj->GetS1();
    const int* close = obj->GetS2();
    if (IsEmptyValue(high[index]) || IsEmptyValue(low[index]) || IsEmptyValue(close[index]))
        return 0;
    int m = obj->GetMinimum();
    int x0 = SlotX(p, w, rect.left), xRight = SlotX(p + 1, w, rect.left);
    int slot = xRight - x0, t = Thickness(slot);
    CPoint point(x, y);
    CRect line(x0 - t - 2, ValueRow(high[index], m, k, rect, inverted) - 2, x0 + t + 2,
               ValueRow(low[index], m, k, rect, inverted) + 2);
    line.NormalizeRect();
    int yc = ValueRow(close[index], m, k, rect, inverted);
    CRect tick(x0 - 2, yc - 2, xRight + TruncPixel(float(slot) * -0.25f) + 2, yc + 2);
    return line.PtInRect(point) || tick.PtInRect(point) ? 1 : 0;
}
