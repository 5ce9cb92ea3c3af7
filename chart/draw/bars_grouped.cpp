// CBar2: groups of bars of up to four series side by side, overlapping (alternative form) or
// lying (horizontal form), with their value texts.
#include <algorithm>
#include <vector>

#include "BarChart.h"
#include "ChartText.h"
#include "DrawObject.h"
#include "KindRecords.h"
#include "draw_geometry.h"

CBar2::CBar2()
    : m_nSeries(1), m_clrSeries{CCtlColor::Rgb(RGB(0, 234, 12)), CCtlColor::Rgb(RGB(100, 234, 12)),
                                CCtlColor::Rgb(RGB(100, 234, 100)), CCtlColor::Rgb(RGB(0, 0, 255))},
      m_n3DSeries{0, 0, 0, 0}, m_nAltForm(0), m_nBaseLineOn(0), m_nBaseValue(0),
      m_clrBaseUp(CCtlColor::Rgb(0x0000FF)), m_clrBaseDown(CCtlColor::Rgb(0xFF0000)), m_nValueText(0), m_nSizeByY(0),
      m_pLabels(nullptr), m_pOwner(nullptr)
{
}

void CBar2::SetProperty(const DBARPROP2& record)
{
    // The record carries the colours; the drawer's switches keep their own values.
    const CCtlColor* colours[4] = {&record.C1, &record.C2, &record.C3, &record.C4};
    for (int k = 0; k < 4; ++k)
        m_clrSeries[k] = *colours[k];
    m_clrBaseUp = record.C5;
    m_clrBaseDown = record.C6;
}

namespace
{

int SeriesCount(const CBar2& bars)
{
    return std::min(std::max(bars.m_nSeries, 1), 4);
}

const int* SeriesOf(const CDrawObject* obj, int k)
{
    const int* all[4] = {obj->GetS0(), obj->GetS1(), obj->GetS2(), obj->GetS3()};
    return all[k];
}


} // namespace

void CBar2::Draw(CRect rect, CDC* pDC, BOOL inverted)
{
    CDrawObject* obj = m_pOwner;
    if (!obj || obj->GetSeriesLength() < 1)
        return;
    if (m_nAltForm)
        DrawAlternative(rect, pDC);
    else if (inverted)
        DrawHorizontal(rect, pDC);
    else
        DrawVertical(rect, pDC);
}

void CBar2::DrawVertical(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    const int length = obj->GetSeriesLength(), n = SeriesCount(*this), m = obj->GetMinimum();
    const float k = obj->GetYScale();
    const double w = m_nSizeByY ? obj->GetYScale() : obj->GetXStep();
    const double q = n == 1 ? 1 : n + 1;
    const int margin = n == 1 ? 0 : int(w / (n + 1) * 0.5);
    const bool wide = 4LL * length < rect.right - rect.left;
    int base = rect.bottom;
    if (m_nBaseLineOn)
    {
        base = ValueRow(m_nBaseValue, m, k, rect, FALSE);
        CPen pen(PS_SOLID, 1, m_clrSeries[0].GetColor());
        CDCSelectGuard guard(pDC, &pen);
        pDC->MoveTo(rect.left, base);
        pDC->LineTo(rect.right, base);
    }
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    CLineBatch lines(pDC);
    for (int s = 0; s < n; ++s)
    {
        const int* series = SeriesOf(obj, s);
        if (!series)
            continue;
        for (int j = 0; j < length; ++j)
        {
            const int v = series[length - 1 - j];
            if (IsReservedSeriesValue(v))
                continue;
            const int x1 = int(j * w + rect.left + s * w / q + 0.5) + margin;
            const int x2 = int(w / q + x1 + 0.5);
            const int top = ValueRow(v, m, k, rect, FALSE);
            COLORREF colour = m_clrSeries[s].GetColor();
            if (m_nBaseLineOn && n == 1)
                colour = (v < m_nBaseValue ? m_clrBaseDown : m_clrBaseUp).GetColor();
            if (wide)
                DrawBarRect(pDC, x1, x2, top, base, colour, m_n3DSeries[s] != 0, n == 1);
            else
                lines.Add((x1 + x2) / 2, top, (x1 + x2) / 2, base, colour);
            if (m_nValueText && v != 0)
            {
                lines.Flush();
                CString text = ObjectNumberText(obj, v);
                CSize size = pDC->GetTextExtent(text);
                int y = v > 0 ? top + 1 : top - size.cy - 1;
                if (v > 0 && y + size.cy > base)
                    y = top - size.cy - 1;
                pDC->TextOut((x1 + x2) / 2 - size.cx / 2, y, text);
            }
        }
    }
    lines.Flush();
    pDC->SetBkMode(oldMode);
}

void CBar2::DrawAlternative(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    const int length = obj->GetSeriesLength(), n = SeriesCount(*this), m = obj->GetMinimum();
    const float k = obj->GetYScale();
    const double w = m_nSizeByY ? obj->GetYScale() : obj->GetXStep();
    const bool wide = 4LL * length < rect.right - rect.left;
    const int base = m_nBaseLineOn ? ValueRow(m_nBaseValue, m, k, rect, FALSE) : rect.bottom;
    CLineBatch lines(pDC);
    for (int j = 0; j < length; ++j)
    {
        struct Row
        {
            int series, row;
        };
        std::vector<Row> rows;
        for (int s = 0; s < n; ++s)
        {
            const int* series = SeriesOf(obj, s);
            if (series && !IsReservedSeriesValue(series[length - 1 - j]))
                rows.push_back(Row{s, ValueRow(series[length - 1 - j], m, k, rect, FALSE)});
        }
        // The farthest from the base first, so every nearer bar stays in sight; ties keep the
        // series order.
        std::stable_sort(rows.begin(), rows.end(),
                         [base](const Row& a, const Row& b) { return std::abs(a.row - base) > std::abs(b.row - base); });
        const int xl = int(j * w + rect.left);
        const int xr = int(xl + w - 1);
        for (const Row& r : rows)
        {
            const COLORREF colour = m_clrSeries[r.series].GetColor();
            if (wide)
                DrawBarRect(pDC, xl, xr, r.row, base, colour, m_n3DSeries[0] != 0, false);
            else
                lines.Add((xl + xr) / 2, r.row, (xl + xr) / 2, base, colour);
        }
    }
}

void CBar2::DrawHorizontal(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    const int length = obj->GetSeriesLength(), n = SeriesCount(*this);
    const int m = obj->GetMinimum(), top = obj->GetMaximum();
    const double range = double((long long)top - m);
    const double q = n == 1 ? 1 : n + 1;
    const double h = double(rect.bottom - rect.top) / length;
    const int margin = n == 1 ? 0 : int(h / (n + 1) * 0.5);
    // A flat scale lays every bar flat on the axis instead of dividing by nothing.
    auto column = [&](int v) {
        return range > 0 ? int(double((long long)v - m) * (rect.right - rect.left) / range + rect.left) : rect.left;
    };
    const int baseColumn = m_nBaseLineOn ? column(m_nBaseValue) : rect.left;
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    CPen tickPen(PS_SOLID, 1, RGB(128, 128, 130));
    for (int j = 0; j < length; ++j)
    {
        const int index = length - 1 - j;
        const int rowTop = int(rect.bottom - (j + 1) * h), rowBottom = int(rect.bottom - j * h);
        if (m_pLabels && index < m_pLabels->GetSize())
        {
            const CString& label = m_pLabels->GetAt(index);
            CSize size = pDC->GetTextExtent(label);
            pDC->TextOut(rect.left - 4 - size.cx, (rowTop + rowBottom - size.cy) / 2, label);
        }
        {
            CDCSelectGuard guard(pDC, &tickPen);
            pDC->MoveTo(rect.left, rowTop);
            pDC->LineTo(rect.right + 6, rowTop);
        }
        for (int s = 0; s < n; ++s)
        {
            const int* series = SeriesOf(obj, s);
            if (!series || IsReservedSeriesValue(series[index]))
                continue;
            const int v = series[index];
            const int y1 = int(rect.bottom - j * h - s * h / q - 0.5) - margin;
            const int y2 = int(y1 - h / q + 1.5);
            const int x = column(v);
            COLORREF colour = m_clrSeries[s].GetColor();
            if (m_nBaseLineOn && n == 1)
                colour = (v < m_nBaseValue ? m_clrBaseDown : m_clrBaseUp).GetColor();
            const int left = std::min(x, baseColumn), right = std::max(x, baseColumn);
            const int upper = std::min(y1, y2), lower = std::max(y1, y2);
            if (right > left && lower > upper)
                pDC->FillSolidRect(left, upper, right - left, lower - upper, colour);
            if (m_nValueText && v != 0)
            {
                CString text = ObjectNumberText(obj, v);
                CSize size = pDC->GetTextExtent(text);
                const int tx = x >= baseColumn ? x + 2 : x - 2 - size.cx;
                pDC->TextOut(tx, (upper + lower - size.cy) / 2, text);
            }
        }
    }
    pDC->SetBkMode(oldMode);
}
