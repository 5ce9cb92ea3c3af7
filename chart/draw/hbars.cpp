// CHBar: horizontal bars of one or two amounts at value levels, with their amount texts, the
// zero column and the selection squares.
#include <algorithm>
#include <climits>
#include <map>
#include <vector>

#include "ChartText.h"
#include "DataCell.h"
#include "DrawObject.h"
#include "KindRecords.h"
#include "draw_geometry.h"

CHBar::CHBar()
    : m_nStyle(0), m_nBaseMode(0), m_clrFirst(CCtlColor::Rgb(0x0000FF)), m_clrSecond(CCtlColor::Rgb(0xFF0000)),
      m_nRefValue(0), m_pLinked(nullptr), m_nLinkedId(-1), m_pOwner(nullptr)
{
}

void CHBar::SetProperty(const DHBARPROP& record)
{
    m_strTitle = record.Title;
    m_nStyle = short(record.Style);
    m_nBaseMode = record.BaseMode;
    m_clrFirst = record.UpColor;
    m_clrSecond = record.DownColor;
    m_pLinked = record.LinkedObject;
}

namespace
{

// One level with its row and its one or two amounts.
struct Level
{
    int row;
    int amount[2];
};

// The horizontal scale of the amounts over the rectangle's width less 10 pixels.
struct AmountScale
{
    int start;
    int lowest;
    double perUnit;

    AmountScale(const CRect& rect, int largest, int smallest)
    {
        int width = rect.right - rect.left - 10;
        bool narrowed = false;
        if (largest < 0)
        {
            largest = 0;
            width -= 40;
            narrowed = true;
        }
        if (smallest > 0)
        {
            smallest = 0;
            width -= 40;
            narrowed = true;
        }
        start = largest > 0 ? rect.left + 40 : rect.left;
        // Amounts on both sides of 0 start 40 pixels in as well; the scale gives up those
        // pixels so the largest bar still ends inside the rectangle.
        if (largest > 0 && !narrowed)
            width -= 40;
        lowest = smallest;
        // Amounts all equal (all 0 once the scale takes in 0): every bar is flat at its start.
        long long range = (long long)largest - smallest;
        perUnit = range > 0 ? double(width) / double(range) : 0.0;
    }

    int Column(long long v) const { return int(start + double(v - lowest) * perUnit); }
};

// The bar height of the levels: the whole height for one level, else the rows of the first two.
int BarHeight(const CRect& rect, const std::vector<Level>& levels)
{
    if (levels.size() == 1)
        return rect.bottom - rect.top;
    return std::abs(levels[1].row - levels[0].row);
}

// One amount's bar in the band from upper to lower (at least one row high, so a band squeezed
// to nothing still shows the amount as a line), with its text beside the zero column.
void AmountBar(CDC* pDC, const CDrawObject* obj, const AmountScale& scale, int zero, int upper, int lower,
               int amount, int reference, COLORREF first, COLORREF second)
{
    if (lower <= upper)
    {
        upper = (upper + lower) / 2;
        lower = upper + 1;
    }
    const int x = scale.Column(amount);
    const bool below = amount < reference;
    const int left = std::min(x, zero), right = std::max(x, zero);
    if (right > left)
        pDC->FillSolidRect(left, upper, right - left, lower - upper, below ? second : first);
    const CString text = ObjectNumberText(obj, amount);
    const CSize size = pDC->GetTextExtent(text);
    const int y = (upper + lower - size.cy) / 2;
    pDC->TextOut(below ? zero + 2 : zero - 2 - size.cx, y, text);
}

void ZeroColumn(CDC* pDC, const CRect& rect, int zero)
{
    CPen pen(PS_SOLID, 1, RGB(128, 128, 130));
    CDCSelectGuard guard(pDC, &pen);
    pDC->MoveTo(zero, rect.top - 10);
    pDC->LineTo(zero, rect.bottom + 4);
}

} // namespace

void CHBar::Draw(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    if (!obj || obj->GetSeriesLength() < 1 || !obj->GetS0() || !obj->GetS1())
        return;
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    if (m_nStyle == 0)
        DrawOneAmount(rect, pDC);
    else if (m_nStyle == 1 && obj->GetS2())
        DrawTwoAmounts(rect, pDC);
    pDC->SetBkMode(oldMode);
}

void CHBar::DrawOneAmount(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    const int* level = obj->GetS0();
    const int* amount = obj->GetS1();
    const int length = obj->GetSeriesLength(), m = obj->GetMinimum();
    const float k = obj->GetYScale();
    std::vector<Level> levels;
    for (int i = 0; i < length; ++i)
    {
        const int y = rect.bottom - TruncPixel(float((long long)level[i] - m) * k);
        if (y > rect.top && y < rect.bottom && !IsReservedSeriesValue(amount[i]))
            levels.push_back(Level{y, {amount[i], 0}});
    }
    if (levels.empty())
        return;
    int largest = INT_MIN, smallest = INT_MAX;
    for (const Level& l : levels)
    {
        largest = std::max(largest, l.amount[0]);
        smallest = std::min(smallest, l.amount[0]);
    }
    const AmountScale scale(rect, largest, smallest);
    const int zero = scale.Column(m_nRefValue);
    const int half = BarHeight(rect, levels) / 2;
    for (const Level& l : levels)
        AmountBar(pDC, obj, scale, zero, l.row - half + 2, l.row + half - 2, l.amount[0], m_nRefValue,
                  m_clrFirst.GetColor(), m_clrSecond.GetColor());
    ZeroColumn(pDC, rect, zero);
}

void CHBar::DrawTwoAmounts(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    const int* level = obj->GetS0();
    const int* first = obj->GetS1();
    const int* second = obj->GetS2();
    const int length = obj->GetSeriesLength(), m = obj->GetMinimum(), top = obj->GetMaximum();
    const float k = obj->GetYScale();
    const int lowest = obj->GetStore()->MinOf(level, length, 0, 0);
    const int highest = obj->GetStore()->MaxOf(level, length, 0, 0);
    if (lowest == SERIES_NOTCOMPUTED || highest == SERIES_EMPTYMIN)
        return;
    const CDrawObject* settings = m_pLinked ? m_pLinked : obj;
    const bool exact = settings->GetAxisSetting(1) == 0;
    const int step = exact ? PriceLevelStep(settings->GetMinimum()) : 5;
    // Amounts by level value; levels without data take 0 and 0.
    std::map<int, std::pair<long long, long long>> byValue;
    for (int i = 0; i < length; ++i)
    {
        if (IsReservedSeriesValue(level[i]))
            continue;
        auto& sums = byValue[level[i]];
        sums.first += IsReservedSeriesValue(first[i]) ? 0 : first[i];
        sums.second += IsReservedSeriesValue(second[i]) ? 0 : second[i];
    }
    auto exactAmounts = [&](long long value) {
        auto it = byValue.find(int(value));
        return it == byValue.end() ? std::make_pair(0LL, 0LL) : it->second;
    };
    // Only levels inside the scale can reach a row of the rectangle, so the walk stays within
    // the shown range however far apart the extreme levels lie.
    const long long from = std::max<long long>(lowest, (long long)m - step);
    long long to = std::min<long long>(highest, (long long)top + step);
    // A scale spanning billions in steps of 5 would stall the paint; a million levels is far
    // more than any rectangle has rows.
    if ((to - from) / step > 1000000)
        to = from + 1000000LL * step;
    std::vector<Level> levels;
    for (long long v = lowest + (from > lowest ? (from - lowest) / step * step : 0); v <= to; v += step)
    {
        const int y = rect.bottom - TruncPixel(float(v - m) * k);
        if (y <= rect.top || y >= rect.bottom)
            continue;
        std::pair<long long, long long> sums;
        if (exact || v >= 300)
            sums = exactAmounts(v);
        else
        {
            // Small levels gather everything above them up to the next multiple of 5.
            const long long end = (v / 5 + 1) * 5;
            for (auto it = byValue.upper_bound(int(v)); it != byValue.end() && it->first <= end; ++it)
            {
                sums.first += it->second.first;
                sums.second += it->second.second;
            }
        }
        auto clamp = [](long long s) { return int(std::min<long long>(std::max<long long>(s, INT_MIN + 1), INT_MAX - 1)); };
        levels.push_back(Level{y, {clamp(sums.first), clamp(sums.second)}});
    }
    if (levels.empty())
        return;
    int largest = INT_MIN, smallest = INT_MAX;
    for (const Level& l : levels)
        for (int a : l.amount)
        {
            largest = std::max(largest, a);
            smallest = std::min(smallest, a);
        }
    const AmountScale scale(rect, largest, smallest);
    const int zero = scale.Column(m_nRefValue);
    const int half = BarHeight(rect, levels) / 2;
    for (const Level& l : levels)
    {
        // The first amount in the upper half of the band, the second in the lower half.
        AmountBar(pDC, obj, scale, zero, l.row - half + 2, l.row, l.amount[0], INT_MIN, m_clrFirst.GetColor(),
                  m_clrFirst.GetColor());
        AmountBar(pDC, obj, scale, zero, l.row, l.row + half - 2, l.amount[1], INT_MIN, m_clrSecond.GetColor(),
                  m_clrSecond.GetColor());
    }
    ZeroColumn(pDC, rect, zero);
}

void CHBar::DrawSelection(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    if (!obj || obj->GetSeriesLength() < 1 || !obj->GetS0())
        return;
    const int* values = obj->GetS0();
    const float w = obj->GetXStep(), k = obj->GetYScale();
    const int m = obj->GetMinimum();
    const int base = m_nBaseMode == 1   ? ValueRow(m_nRefValue, m, k, rect, FALSE)
                     : m_nBaseMode == 2 ? ValueRow(0, m, k, rect, FALSE)
                                        : rect.bottom;
    DrawSelectionMarks(pDC, rect, obj, [&](int p, int index, CPoint& c) {
        if (IsEmptyValue(values[index]))
            return false;
        c.x = (SlotX(p, w, rect.left) + SlotX(p + 1, w, rect.left)) / 2;
        c.y = (ValueRow(values[index], m, k, rect, FALSE) + base) / 2;
        return true;
    });
}
