// CPie: flat and deep pies of shares in hundredths of a per cent, with their slice colours.
#include <algorithm>
#include <cmath>

#include "DrawObject.h"
#include "draw_geometry.h"
#include "pie_geometry.h"

namespace
{

const COLORREF kSliceColors[30] = {
    0xFF9A9C, 0x63309C, 0xCEFFFF, 0xFFFFCE, 0x630063, 0x8482FF, 0xCE6500, 0xFFCFCE, 0x840000, 0xFF00FF,
    0x00FFFF, 0xFFFF00, 0x840084, 0x000084, 0x848200, 0xFF0000, 0xFFCF00, 0x008003, 0xCEFFCE, 0x9CFFFF,
    0xFFCF9C, 0xCE9AFF, 0xFF9ACE, 0x9CCFFF, 0xFF6531, 0xCECF31, 0x00CF9C, 0x00CFFF, 0x009AFF, 0x0065FF};

const COLORREF kSideColors[30] = {
    0x7D4B4C, 0x31184C, 0x657D7D, 0x7D7D65, 0x310031, 0x41407D, 0x653200, 0x7D6565, 0x410000, 0x7D007D,
    0x007D7D, 0x7D7D00, 0x410041, 0x000041, 0x414000, 0x7D0000, 0x7D6500, 0x003F01, 0x657D65, 0x4C7D7D,
    0x7D654C, 0x654B7D, 0x7D4B65, 0x4C657D, 0x7D3218, 0x656518, 0x00654C, 0x00657D, 0x004B7D, 0x00327D};

const double kPi = 3.14159265358979323846;

int ColorNumber(const CDrawObject* obj, int index)
{
    const int* numbers = obj->GetS2();
    return numbers ? numbers[index] : index;
}

} // namespace

COLORREF PieSliceColor(int number)
{
    return kSliceColors[((number % 30) + 30) % 30];
}

COLORREF PieSideColor(int number)
{
    return kSideColors[((number % 30) + 30) % 30];
}

POINT PiePoint(int cx, int cy, int d, double squash, double position)
{
    const double angle = position * 2 * kPi / 10000;
    return POINT{cx + int(std::cos(angle) * d / 2), cy - int(std::sin(angle) * d / 2 * squash)};
}

std::vector<PieSlice> PieSlices(const int* shares, int count, int cx, int cy, int d, double squash)
{
    std::vector<PieSlice> slices;
    long long total = 2500;
    POINT from = PiePoint(cx, cy, d, squash, 2500);
    for (int i = 0; i < count; ++i)
    {
        if (shares[i] <= 0 || shares[i] == 99999999 || shares[i] == 2147483647)
            continue;
        PieSlice slice;
        slice.index = i;
        slice.start = int(std::min<long long>(total, 12500));
        total += shares[i];
        slice.end = int(std::min<long long>(total, 12500));
        slice.from = from;
        slice.to = i == count - 1 ? PiePoint(cx, cy, d, squash, 2500) : PiePoint(cx, cy, d, squash, double(total));
        if (i == count - 1)
            slice.end = 12500;
        from = slice.to;
        slices.push_back(slice);
    }
    return slices;
}

CPie::CPie()
    : m_pOwner(nullptr), m_nLabels(0), m_nLegendPos(0), m_nDeep(0), m_clrLegendPen(RGB(0, 0, 0)),
      m_clrLegendText(RGB(0, 0, 0)), m_nLabelPlace(0), m_nRing(4), m_nLegendIndex(0), m_nGroups{{-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}},
      m_nLabelCount(-1), m_nTilt(60), m_nDepth(20)
{
}

int CPie::Draw(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    if (m_nRing < 1 || !obj || obj->GetSeriesLength() < 1 || !obj->GetS0())
        return 0;
    const int legendWidth = DrawLegend(rect, pDC);
    return m_nDeep ? DrawDeep(rect, pDC, legendWidth) : DrawFlat(rect, pDC, legendWidth);
}

int CPie::DrawFlat(CRect rect, CDC* pDC, int legendWidth)
{
    CDrawObject* obj = m_pOwner;
    const int width = rect.Width(), height = rect.Height();
    const int d = int((long long)(m_nRing - 1) * std::min(height, width - legendWidth) / m_nRing);
    if (d <= 0)
        return 0;
    const int side = m_nLegendPos >= 0 && m_nLegendPos <= 2 ? 1 : -1;
    const int cx = rect.left + (side * legendWidth + width) / 2, cy = rect.top + height / 2;
    CPen pen(PS_SOLID, 1, m_clrLegendPen);
    CDCSelectGuard penGuard(pDC, &pen);
    for (const PieSlice& s : PieSlices(obj->GetS0(), obj->GetSeriesLength(), cx, cy, d, 1.0))
    {
        CBrush brush(PieSliceColor(ColorNumber(obj, s.index)));
        CDCSelectGuard brushGuard(pDC, &brush);
        pDC->Pie(cx - d / 2, cy - d / 2, cx + d / 2, cy + d / 2, s.from.x, s.from.y, s.to.x, s.to.y);
    }
    if (m_nLabels)
        DrawLabels(pDC, cx, cy, d, 1.0, 0);
    return 1;
}

int CPie::DrawDeep(CRect rect, CDC* pDC, int legendWidth)
{
    CDrawObject* obj = m_pOwner;
    const double c = std::cos(m_nTilt * kPi / 180);
    // Seen edge-on (a tilt of 90 degrees or more) the pie has no top face to draw.
    if (!(c > 1e-3))
        return 0;
    const int width = rect.Width(), height = rect.Height();
    const double tall = std::min(double(height) / c, 1e8);
    const long long room = std::min<long long>((long long)tall - m_nDepth, width - legendWidth);
    const int d = int((long long)(m_nRing - 1) * room / m_nRing);
    if (d <= 0)
        return 0;
    const int side = m_nLegendPos >= 0 && m_nLegendPos <= 2 ? 1 : -1;
    const int cx = rect.left + (side * legendWidth + width) / 2;
    const int cy = rect.top + (m_nDepth + height) / 2;
    const int top = cy - int(d / 2.0 * c), bottom = top + int(d * c);
    // The ellipse's centre row, so the top face is symmetric about it.
    const int ey = (top + bottom) / 2;
    const std::vector<PieSlice> slices = PieSlices(obj->GetS0(), obj->GetSeriesLength(), cx, ey, d, c);
    CPen pen(PS_SOLID, 1, m_clrLegendPen);
    CDCSelectGuard penGuard(pDC, &pen);
    // Side faces of the slices that run through the lower half, between the top ellipse and
    // the same ellipse moved down by the depth.
    for (const PieSlice& s : slices)
    {
        const int from = std::max(s.start, 5000), to = std::min(s.end, 10000);
        if (to <= from)
            continue;
        std::vector<POINT> outline;
        const int steps = std::max(2, (to - from) / 100);
        for (int n = 0; n <= steps; ++n)
            outline.push_back(PiePoint(cx, ey, d, c, from + double(to - from) * n / steps));
        for (int n = steps; n >= 0; --n)
        {
            POINT p = PiePoint(cx, ey, d, c, from + double(to - from) * n / steps);
            p.y += m_nDepth;
            outline.push_back(p);
        }
        CBrush brush(PieSideColor(ColorNumber(obj, s.index)));
        CDCSelectGuard brushGuard(pDC, &brush);
        pDC->Polygon(outline.data(), int(outline.size()));
    }
    for (const PieSlice& s : slices)
    {
        CBrush brush(PieSliceColor(ColorNumber(obj, s.index)));
        CDCSelectGuard brushGuard(pDC, &brush);
        pDC->Pie(cx - d / 2, top, cx + d / 2, bottom, s.from.x, s.from.y, s.to.x, s.to.y);
    }
    if (m_nLabels)
        DrawLabels(pDC, cx, ey, d, c, m_nDepth);
    return 1;
}
