// CLine: the price-level overlay, the growth of two running totals per price level.
#include <algorithm>
#include <climits>
#include <vector>

#include "DrawObject.h"
#include "draw_geometry.h"

int CLine::PriceLevelStep(long long minimum)
{
    // Every step from 500000 up is 1000, so a wider minimum only needs holding within int.
    return ::PriceLevelStep(static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, minimum))));
}

void CLine::DrawPriceLevels(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    const int* price = obj->GetS0();
    const int* a = obj->GetS1();
    const int* b = obj->GetS2();
    int length = obj->GetSeriesLength();
    if (!price || !a || !b || length <= 0)
        return;
    long long m = obj->GetMinimum(), top = obj->GetMaximum();
    int step = PriceLevelStep(m);
    if (top < m)
        return;
    // Levels m, m + step, ... up to the maximum, less the first and the last.
    long long all = (top - m) / step + 1;
    long long count = all - 2;
    // No level left, or more levels than rows of pixels to show them: nothing to draw.
    if (count <= 0 || count > std::max(rect.Height(), 1))
        return;
    long long firstLevel = m + step;
    std::vector<double> sumA(size_t(count), 0.0), sumB(size_t(count), 0.0), total(size_t(count), 0.0);
    int first = obj->GetFirstVisible(), visible = obj->GetVisibleCount();
    for (int i = first; i < first + visible; ++i)
    {
        int index = obj->IndexAt(i);
        if (index < 0 || IsEmptyValue(price[index]))
            continue;
        long long j = ((long long)price[index] - firstLevel);
        if (j < 0)
            continue;
        j /= step;
        if (j >= count)
            continue;
        auto growth = [&](const int* s) -> double {
            if (IsEmptyValue(s[index]))
                return 0;
            if (index + 1 >= length || IsEmptyValue(s[index + 1]))
                return s[index];
            return (double)s[index] - s[index + 1];
        };
        double ga = growth(a), gb = growth(b);
        sumA[size_t(j)] += ga;
        sumB[size_t(j)] += gb;
        total[size_t(j)] += ga + gb;
    }
    double largest = *std::max_element(total.begin(), total.end());
    if (largest == 0)
        return;
    float k = obj->GetYScale();
    int lowRow = ValueRow(int(firstLevel), int(m), k, rect, FALSE);
    int highRow = ValueRow(int(firstLevel + (count - 1) * step), int(m), k, rect, FALSE);
    int pitch = int((lowRow - highRow) / count);
    int width = rect.Width();
    CPen pen(PS_SOLID, 1, RGB(0x80, 0x80, 0x82));
    CBrush totalBrush(RGB(0xFC, 0xDA, 0xF0));
    CBrush secondBrush(RGB(0xD9, 0xF1, 0xFD));
    CFont font;
    font.CreateFont(-MulDiv(9, pDC->GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0,
                    FF_SWISS, "굴림체");
    CFont* oldFont = pDC->SelectObject(&font);
    CDCSelectGuard penGuard(pDC, &pen);
    auto barEnd = [&](double amount) {
        return rect.left + width - int((100 - amount / largest * 100) / 100 * width);
    };
    for (long long j = 0; j < count; ++j)
    {
        int y = ValueRow(int(firstLevel + j * step), int(m), k, rect, FALSE);
        int bandTop = y - pitch / 2, bandBottom = y + pitch / 2;
        CBrush* old = pDC->SelectObject(&totalBrush);
        pDC->Rectangle(rect.left, bandTop, barEnd(total[size_t(j)]), bandBottom);
        pDC->SelectObject(&secondBrush);
        pDC->Rectangle(rect.left, bandTop, barEnd(sumB[size_t(j)]), bandBottom);
        pDC->SelectObject(old);
    }
    pDC->SelectObject(oldFont);
}
