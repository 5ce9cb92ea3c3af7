// CJapan: the price-band overlay, the visible volume spread over ten bands of the close price.
#include <algorithm>
#include <climits>

#include "ChartText.h"
#include "DataCell.h"
#include "DrawObject.h"
#include "draw_geometry.h"

void CJapan::DrawPriceBands(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    int length = obj->GetSeriesLength();
    const int* close = obj->GetS3();
    const int* volume = obj->GetS4();
    if (!close || !volume || length <= 0)
        return;
    CDataCell* store = obj->GetStore();
    int largest = store->MaxOf(close, length, 0, 0);
    int smallest = store->MinOf(close, length, 0, 0);
    if (largest == SERIES_EMPTYMIN || smallest == SERIES_NOTCOMPUTED)
        return;
    double step = ((double)largest - smallest) / 10;
    long long lower[10], upper[10];
    double bandVolume[10] = {0};
    for (int j = 0; j < 10; ++j)
    {
        lower[j] = (long long)(j * step) + smallest;
        upper[j] = j == 9 ? largest : (long long)((j + 1) * step) + smallest;
    }
    // The bands count the bars on screen: positions map to data indices as the candles do.
    double total = 0;
    int first = obj->GetFirstVisible(), visible = obj->GetVisibleCount();
    for (int i = first; i < first + visible; ++i)
    {
        int index = obj->IndexAt(i);
        if (index < 0)
            continue;
        int v = volume[index];
        if (IsEmptyValue(v))
            continue;
        total += v;
        int c = close[index];
        if (IsEmptyValue(c))
            continue;
        if (c == largest)
        {
            bandVolume[9] += v;
            continue;
        }
        for (int j = 0; j < 10; ++j)
            if (lower[j] <= c && c < upper[j])
            {
                bandVolume[j] += v;
                break;
            }
    }
    if (total == 0)
        return;
    int share[10];
    int largestShare = 0;
    for (int j = 0; j < 10; ++j)
    {
        share[j] = int(bandVolume[j] * 10000 / total);
        largestShare = std::max(largestShare, share[j]);
    }
    // No band holds a share worth a bar.
    if (largestShare == 0)
        return;

    CFont font;
    font.CreateFont(-MulDiv(9, pDC->GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0,
                    FF_SWISS, obj->GetEnglish() ? "Arial" : "굴림체");
    CPen pen(PS_SOLID, 1, RGB(0x80, 0x80, 0x82));
    CBrush brush(RGB(0x00, 0xC8, 0x00));
    CFont* oldFont = pDC->SelectObject(&font);
    CDCSelectGuard penGuard(pDC, &pen), brushGuard(pDC, &brush);
    int m = obj->GetMinimum();
    float k = obj->GetYScale();
    int previous = ValueRow(int(lower[0]), m, k, rect, FALSE);
    for (int j = 0; j < 10; ++j)
    {
        if (upper[j] == INT_MAX || upper[j] == INT_MIN)
            continue;
        int y = ValueRow(int(upper[j]), m, k, rect, FALSE);
        int x = int((long long)share[j] * rect.Width() / largestShare) + rect.left;
        int top = std::min(previous, y), bottom = std::max(previous, y) + 1;
        if (x != rect.left)
            pDC->Rectangle(rect.left, top, x, bottom);
        CString text;
        text.Format("%.2f%%", share[j] / 100.0);
        CString amount = ObjectNumberText(obj, int(bandVolume[j] < INT_MAX ? bandVolume[j] : INT_MAX));
        int unit = amount.Find("주");
        if (unit > 0)
            amount = amount.Left(unit);
        text += " (" + amount + ")";
        CSize size = pDC->GetTextExtent(text);
        if (size.cy < bottom - top)
        {
            CRect box = x - rect.left >= size.cx ? CRect(x - size.cx - 2, top + 2, x, bottom)
                                                 : CRect(x + 2, top + 2, x + size.cx + 2, bottom);
            pDC->DrawText(text, &box, DT_SINGLELINE | DT_VCENTER);
        }
        previous = y;
    }
    pDC->SelectObject(oldFont);
}
