// CSymbol: a point shape at every value of the series, from the oldest at the left edge.
#include "DrawObject.h"
#include "draw_geometry.h"

int CSymbol::Draw(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    if (!obj || !obj->GetS0())
        return 1;
    const int* values = obj->GetS0();
    const int length = obj->GetSeriesLength(), m = obj->GetMinimum();
    const float w = obj->GetXStep(), k = obj->GetYScale();
    const bool skip = obj->GetSkipSwitch() != 0;
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    for (int slot = 0; slot < length; ++slot)
    {
        const int v = values[length - 1 - slot];
        if (IsEmptyValue(v) || (skip && v == obj->GetSkipValue()))
            continue;
        const int x = TruncPixel((float(slot) + 0.5f) * w + float(rect.left));
        obj->DrawPointShape(x, ValueRow(v, m, k, rect, FALSE), m_nStyle + 1, m_clrSymbol, pDC);
    }
    pDC->SetBkMode(oldMode);
    return 1;
}
