// CLine: polylines with point shapes, shadow and base line; their selection squares and hit test.
#include <algorithm>
#include <cmath>
#include <vector>

#include "ChartText.h"
#include "DataCell.h"
#include "DrawObject.h"
#include "KindRecords.h"
#include "draw_geometry.h"
#include "pixel_rows.h"

CLine::CLine()
    : m_pOwner(nullptr), m_nEmphasis(0), m_nPointStyle(0), m_clrLine(CCtlColor::Rgb(0)), m_nWidth(1), m_nShadow(0),
      m_nBaseLine(0), m_clrUp(CCtlColor::Rgb(0x0000FF)), m_clrDown(CCtlColor::Rgb(0xFF0000)), m_nPriceLevel(0)
{
}

void CLine::SetProperty(const DLINEPROP& record)
{
    m_nWidth = record.Thick;
    m_nShadow = record.Shadow;
    m_nBaseLine = record.BaseLine;
    m_nPointStyle = record.PointStyle;
    m_clrLine = record.LineColor;
    m_clrUp = record.UpColor;
    m_clrDown = record.DownColor;
    m_nPriceLevel = record.PriceLevel;
}

bool CLine::IsEmpty(int value) const
{
    return IsEmptyValue(value) || (m_pOwner->GetSkipSwitch() && value == m_pOwner->GetSkipValue());
}

// Whether the store draws every one of its series (a derived store other than a moving average).
static bool DrawsAllSeries(const CDrawObject* obj)
{
    int kind = obj->GetStore() ? obj->GetStore()->m_nKind : DATACELL_PLAIN;
    return kind != DATACELL_PLAIN && kind != DATACELL_MOVING_AVERAGE;
}

int CLine::Draw(CRect rect, CDC* pDC, BOOL inverted)
{
    CDrawObject* obj = m_pOwner;
    if (!obj || obj->GetSeriesLength() <= 0)
        return 1;
    if (obj->GetChartMode() == 6)
    {
        if (obj->GetS0())
            DrawSeries(rect, pDC, obj->GetS0(), -1, inverted);
        return 1;
    }
    if (DrawsAllSeries(obj))
    {
        int** table = obj->GetSeriesTable();
        for (int n = 0; n < obj->GetSeriesCount(); ++n)
            if (table[n])
                DrawSeries(rect, pDC, table[n], n, inverted);
        return 1;
    }
    if (m_nPriceLevel)
        DrawPriceLevels(rect, pDC);
    if (obj->GetS0())
        DrawSeries(rect, pDC, obj->GetS0(), 0, inverted);
    return 1;
}

namespace
{

// Draws segments by the line's rules: plain with an optional shadow, or split at the base row.
struct SegmentPainter
{
    CDC* dc;
    CPen* pen;
    CPen* up;
    CPen* down;
    CPen* shadow;
    bool baseLine;
    int baseRow;

    void Line(CPen* with, int x1, int y1, int x2, int y2)
    {
        if (with)
            dc->SelectObject(with);
        dc->MoveTo(x1, y1);
        dc->LineTo(x2, y2);
    }

    void Draw(int x1, int y1, int x2, int y2)
    {
        if (!baseLine)
        {
            if (shadow)
            {
                int dx = x2 - x1, dy = y2 - y1;
                bool flat = dx != 0 && std::abs(dy) <= std::abs(dx);
                int ox = flat ? 0 : 2, oy = flat ? 2 : 0;
                Line(shadow, x1 + ox, y1 + oy, x2 + ox, y2 + oy);
            }
            Line(pen, x1, y1, x2, y2);
            return;
        }
        int yb = baseRow;
        if (y1 < yb && y2 < yb)
            Line(up, x1, y1, x2, y2);
        else if (y1 > yb && y2 > yb)
            Line(down, x1, y1, x2, y2);
        else if ((y1 < yb && y2 > yb) || (y1 > yb && y2 < yb))
        {
            int xs = int(x1 + (long long)(x2 - x1) * (y1 - yb) / (y1 - y2));
            Line(y1 < yb ? up : down, x1, y1, xs, yb);
            Line(y2 < yb ? up : down, xs, yb, x2, y2);
        }
        else
            Line(nullptr, x1, y1, x2, y2);
    }
};

// Joined segments collected for one Polyline call.
struct PolylineRun
{
    CDC* dc;
    std::vector<POINT> points;
    // Where the points of the last point's pixel column begin.
    size_t column = 0;
    // Where the DC's pixels take the segments straight (null: they go to GDI), and their word.
    const CPixelRows* rows = nullptr;
    DWORD pixel = 0;

    void Add(CPoint from, CPoint to)
    {
        if (points.empty() || points.back().x != from.x || points.back().y != from.y)
        {
            Flush();
            points.push_back(from);
            column = 0;
        }
        if (to.x != points.back().x)
        {
            Narrow();
            column = points.size();
        }
        points.push_back(to);
    }

    // A crowded line walks up and down one pixel column many times; together those steps cover
    // the rows between their extremes, whatever their order. Once the line has left the column
    // (so the segment leaving it paints its last point), the walk goes out as its first point,
    // its two extremes and its last point: the same pixels from a few points. The extreme nearer
    // the first point comes first, so fewer rows are painted twice; a step of no length paints
    // nothing and is left out.
    void Narrow()
    {
        if (points.size() - column <= 4)
            return;
        auto first = points.begin() + std::ptrdiff_t(column);
        auto byRow = [](const POINT& a, const POINT& b) { return a.y < b.y; };
        const POINT a = *first, z = points.back();
        POINT low = *std::min_element(first, points.end(), byRow);
        POINT high = *std::max_element(first, points.end(), byRow);
        if (std::abs(a.y - high.y) + std::abs(low.y - z.y) < std::abs(a.y - low.y) + std::abs(high.y - z.y))
            std::swap(low, high);
        points.resize(column);
        for (const POINT& p : {a, low, high, z})
            if (points.size() == column || points.back().y != p.y)
                points.push_back(p);
    }

    void Flush()
    {
        if (points.size() >= 2 && rows)
        {
            // A polyline paints what its segments paint one by one, each without its end.
            for (size_t i = 1; i < points.size(); ++i)
            {
                const POINT from = points[i - 1], to = points[i];
                if (from.x != to.x)
                    rows->Line(from.x, from.y, to.x, to.y, pixel);
                else if (from.y < to.y)
                    rows->Run(from.x, from.y, to.y, pixel);
                else
                    rows->Run(from.x, to.y + 1, from.y + 1, pixel);
            }
        }
        else if (points.size() >= 2)
            dc->Polyline(points.data(), int(points.size()));
        points.clear();
        column = 0;
    }
};

} // namespace

void CLine::DrawSeries(CRect rect, CDC* pDC, const int* series, int seriesNumber, BOOL inverted)
{
    CDrawObject* obj = m_pOwner;
    int length = obj->GetSeriesLength();
    if (!series || length <= 0)
        return;
    float w = obj->GetXStep(), k = obj->GetYScale();
    int m = obj->GetMinimum();
    int width = m_nWidth + m_nEmphasis;
    CPen pen(PS_SOLID, width, m_clrLine.GetColor());
    CPen up(PS_SOLID, width, m_clrUp.GetColor());
    CPen down(PS_SOLID, width, m_clrDown.GetColor());
    CPen shadow(PS_SOLID, 1, RGB(0xC8, 0xC8, 0xC8));
    CPen* oldPen = pDC->SelectObject(&pen);
    SegmentPainter painter{pDC, &pen, &up, &down, m_nShadow ? &shadow : nullptr, m_nBaseLine != 0, 0};
    if (m_nBaseLine)
    {
        int base = obj->GetS4Number();
        painter.baseRow = ValueRow(base, m, k, rect, inverted);
        CPen thin(PS_SOLID, 1, m_clrLine.GetColor());
        pDC->SelectObject(&thin);
        pDC->MoveTo(rect.left, painter.baseRow);
        pDC->LineTo(rect.right, painter.baseRow);
        CFont font;
        font.CreateFont(-MulDiv(10, pDC->GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                        0, FF_SWISS, obj->GetEnglish() ? "Arial" : "굴림체");
        CFont* oldFont = pDC->SelectObject(&font);
        pDC->TextOut(rect.left, painter.baseRow + 1, ObjectNumberText(obj, base));
        pDC->SelectObject(oldFont);
        pDC->SelectObject(&pen);
    }

    // A plain one-pixel line without shapes goes out as polylines, which paint the same pixels as its
    // segments one by one at a fraction of the calls.
    bool plain = !m_nBaseLine && !m_nShadow && !m_nPointStyle && width == 1;
    PolylineRun run{pDC, {}};
    CPixelRows rows;
    if (plain && CPixelRows::Plain(m_clrLine.GetColor()) && rows.Attach(pDC))
    {
        run.rows = &rows;
        run.pixel = CPixelRows::Pixel(m_clrLine.GetColor());
    }
    bool whole = seriesNumber < 0;
    int first = whole ? 0 : obj->GetFirstVisible();
    int count = whole ? length : obj->GetVisibleCount();
    bool started = false, broken = false;
    CPoint previous;
    const CDrawObject::PositionIndex positions = obj->Positions();
    for (int i = first; i < first + count; ++i)
    {
        int index = whole ? length - 1 - i : positions.At(i);
        if (index < 0)
            continue;
        int slot = i - first;
        int x = TruncPixel((float(slot) + 0.5f) * w + float(rect.left));
        int v = series[index];
        if (IsEmpty(v))
        {
            if (obj->GetSkipSwitch())
                broken = true;
            else if (started)
                previous.x = x;
            continue;
        }
        CPoint point(x, ValueRow(v, m, k, rect, inverted));
        if (!started)
        {
            previous = CPoint(SlotX(slot, w, rect.left), point.y);
            started = true;
        }
        if (broken)
        {
            broken = false;
            run.Flush();
        }
        else if (plain)
            run.Add(previous, point);
        else
            painter.Draw(previous.x, previous.y, point.x, point.y);
        previous = point;
        if (m_nPointStyle)
            obj->DrawPointShape(point.x, point.y, m_nPointStyle, m_clrLine.GetColor(), pDC);
    }
    run.Flush();
    pDC->SelectObject(oldPen);
}

void CLine::SelectSeries(CRect rect, CDC* pDC, const int* series)
{
    CDrawObject* obj = m_pOwner;
    float w = obj->GetXStep(), k = obj->GetYScale();
    int m = obj->GetMinimum(), first = obj->GetFirstVisible(), visible = obj->GetVisibleCount();
    int step = SelectionStep(w);
    for (int i = first; i <= first + visible - 1; i += step)
    {
        int index = obj->IndexAt(i);
        if (index < 0 || IsEmpty(series[index]))
            continue;
        int x = TruncPixel((float(i - first) + 0.5f) * w + float(rect.left));
        int y = ValueRow(series[index], m, k, rect, FALSE);
        pDC->Rectangle(x - 3, y - 3, x + 3, y + 3);
    }
}

void CLine::DrawSelection(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    if (!obj || obj->GetChartMode() == 6 || obj->GetSeriesLength() <= 0)
        return;
    CPen pen(PS_SOLID, 1, RGB(0xC8, 0xC8, 0xC8));
    CBrush brush(RGB(0xC8, 0xC8, 0xC8));
    CDCSelectGuard penGuard(pDC, &pen), brushGuard(pDC, &brush);
    int oldMode = pDC->SetROP2(R2_XORPEN);
    if (DrawsAllSeries(obj))
    {
        int** table = obj->GetSeriesTable();
        for (int n = 0; n < obj->GetSeriesCount(); ++n)
            if (table[n])
                SelectSeries(rect, pDC, table[n]);
    }
    else if (obj->GetS0())
        SelectSeries(rect, pDC, obj->GetS0());
    pDC->SetROP2(oldMode);
}

int CLine::HitSeries(CRect rect, int x, int y, BOOL inverted, const int* series)
{
    CDrawObject* obj = m_pOwner;
    float w = obj->GetXStep();
    // With no width per position no segment stands anywhere.
    if (w == 0 || !series)
        return 0;
    int length = obj->GetSeriesLength();
    int first = obj->GetFirstVisible();
    int p = TruncPixel(float(x - rect.left) / w);
    long long index =
        (long long)length - 1 + ((long long)obj->GetAxisLength() - obj->GetViewFirst() - 1 - p - first);
    if (index < 0 || index >= length || IsEmpty(series[index]))
        return 0;
    float k = obj->GetYScale();
    int m = obj->GetMinimum();
    int x2 = TruncPixel((float(p) + 0.5f) * w + float(rect.left));
    int y2 = ValueRow(series[index], m, k, rect, inverted);
    int x1 = x2, y1 = y2;
    if (index + 1 < length && p >= 1 && obj->IndexAt(p - 1 + first) == index + 1)
    {
        if (IsEmpty(series[index + 1]))
            return 0;
        x1 = TruncPixel((float(p - 1) + 0.5f) * w + float(rect.left));
        y1 = ValueRow(series[index + 1], m, k, rect, inverted);
    }
    double slope = x2 != x1 ? double(y2 - y1) / (x2 - x1) : double(y2 - y1);
    int yx = int((x - x1) * slope) + y1;
    int t = int(std::sqrt((3 * slope) * (3 * slope) + 9));
    return yx - t < y && y < yx + t ? 1 : 0;
}

int CLine::HitTest(CRect rect, int x, int y, BOOL inverted)
{
    CDrawObject* obj = m_pOwner;
    if (!obj || obj->GetChartMode() == 6)
        return 0;
    if (DrawsAllSeries(obj))
    {
        int** table = obj->GetSeriesTable();
        for (int n = 0; n < obj->GetSeriesCount(); ++n)
            if (HitSeries(rect, x, y, inverted, table[n]))
                return 1;
        return 0;
    }
    return HitSeries(rect, x, y, inverted, obj->GetS0());
}
