// CMeamul: the levels it is given, the area, the dispatch, the header band and the bottom
// volume scale.
#include <algorithm>
#include <climits>
#include <numeric>
#include <vector>

#include "ChartText.h"
#include "DrawObject.h"
#include "Meamul.h"
#include "Properties.h"

CMeamul::CMeamul()
    : m_pFont(nullptr), m_bThreeParts(0), m_nLevels(0), m_nDivisor(1), m_nDecimals(0), m_rcPlot(0, 0, 0, 0),
      m_rcSecond(0, 0, 0, 0), m_fPerUnit(0), m_nLargest(0), m_nFirstVisible(0), m_nLastVisible(-1), m_nGridStyle(0),
      m_nLayout(0), m_nMajorTicks(5), m_nScaleDivisor(1), m_rcInner(0, 0, 0, 0)
{
}

CMeamul::~CMeamul() {}

long long VolumeScaleStep(long long value)
{
    if (value <= 0)
        return 0;
    long long power = 1;
    while (value / power >= 10)
        power *= 10;
    const long long lead = value / power;
    if (lead >= 1 && lead <= 4)
        return (lead + 1) * power;
    return power * 10;
}

CString VolumePercentText(int hundredths)
{
    CString text;
    text.Format("%d%%", hundredths / 100);
    return text;
}

static int Clamped(long long v)
{
    return int(std::min<long long>(std::max<long long>(v, 0), INT_MAX - 1));
}

int CMeamul::SetLevels(int count, const int* prices, const int* firstParts, const int* lastParts,
                       const int* middleParts, const int* percents)
{
    if (count < 0 || !prices || !firstParts || !lastParts)
        count = 0;
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [prices](int a, int b) { return prices[a] > prices[b]; });
    m_bThreeParts = middleParts ? 1 : 0;
    m_arPrice.SetSize(count);
    m_arFirst.SetSize(count);
    m_arLast.SetSize(count);
    m_arMiddle.SetSize(count);
    m_arSpare.SetSize(count);
    m_arPercent.SetSize(percents ? count : 0);
    long long largest = 0;
    for (int k = 0; k < count; ++k)
    {
        const int i = order[size_t(k)];
        m_arPrice[k] = prices[i];
        // Volumes are amounts: a negative or reserved entry counts as nothing.
        auto amount = [](int v) { return v < 0 || v == 99999999 || v == INT_MAX ? 0 : v; };
        m_arFirst[k] = amount(firstParts[i]);
        m_arLast[k] = amount(lastParts[i]);
        m_arMiddle[k] = middleParts ? amount(middleParts[i]) : 0;
        m_arSpare[k] = 0;
        if (percents)
            m_arPercent[k] = percents[i];
        largest = std::max(largest, (long long)m_arFirst[k] + m_arLast[k] + m_arMiddle[k]);
    }
    m_nLevels = count;
    m_nFirstVisible = 0;
    m_nLastVisible = count - 1;
    m_nLargest = Clamped(largest);
    return count;
}

BOOL CMeamul::SetChart(const CProperties* properties)
{
    if (!properties)
        return FALSE;
    if (m_pFont == &m_chartFont)
        m_pFont = nullptr;
    m_chartFont.DeleteObject();
    FontFromDescription(properties->m_strFont, &m_chartFont);
    if (m_chartFont.GetSafeHandle())
        m_pFont = &m_chartFont;
    for (POSITION pos = properties->m_ObjectList.GetHeadPosition(); pos != NULL;)
    {
        const DDRAWOBJDATA* object = properties->m_ObjectList.GetNext(pos);
        if (object && object->Kind == DRAWKIND_MEAMUL && object->KindProp)
        {
            m_record = *static_cast<const DMEAMULPROP*>(object->KindProp);
            return TRUE;
        }
    }
    return FALSE;
}

void CMeamul::SetBands(const CStringArray& boundaries, const CStringArray& volumes)
{
    m_arBoundaries.Copy(boundaries);
    m_arBandVolumes.Copy(volumes);
    long long largest = m_nLargest;
    for (INT_PTR i = 0; i < volumes.GetSize(); ++i)
        largest = std::max(largest, _atoi64(volumes[i]));
    m_nLargest = Clamped(largest);
}

void CMeamul::SetArea(CRect rect, COLORREF background, CDC* pDC)
{
    m_rcPlot = CRect(rect.left + m_record.GetLIndexMargin(), rect.top, rect.right - m_record.GetRIndexMargin(),
                     rect.bottom);
    m_rcSecond = CRect(m_rcPlot.left - 50, m_rcPlot.top, m_rcPlot.left, m_rcPlot.bottom);
    pDC->FillSolidRect(&rect, background);
    Draw(pDC);
}

void CMeamul::Draw(CDC* pDC)
{
    const CRect& plot = m_rcPlot;
    // With no volume at any level the bars have no length rather than dividing by nothing.
    m_fPerUnit = m_nLargest > 0 ? float(plot.right - plot.left) / float(m_nLargest) : 0.0f;
    m_rcInner = CRect(plot.left, plot.top + 25, plot.right, plot.bottom - 20);
    CFont* oldFont = m_pFont ? pDC->SelectObject(m_pFont) : nullptr;
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF oldText = pDC->SetTextColor(m_record.TextColor.GetColor());
    if (m_nLayout == 0)
    {
        DrawHeader(pDC, CRect(plot.left - 50, plot.top, plot.right, plot.top + 25));
        if (!m_record.ByPrice)
        {
            DrawPriceRows(pDC);
            DrawRowBars(pDC);
        }
        else
            DrawPriceBars(pDC);
    }
    else
        DrawFiveRows(pDC);
    DrawScale(pDC, CRect(plot.left, plot.bottom - 20, plot.right, plot.bottom));
    pDC->SetTextColor(oldText);
    pDC->SetBkMode(oldMode);
    if (oldFont)
        pDC->SelectObject(oldFont);
}

void CMeamul::DrawHeader(CDC* pDC, const CRect& band)
{
    struct Part
    {
        const CString* caption;
        COLORREF colour;
    };
    std::vector<Part> parts = {{&m_record.SellName, m_record.SellColor.GetColor()},
                               {&m_record.BuyName, m_record.BuyColor.GetColor()}};
    if (m_bThreeParts)
        parts.push_back({&m_record.EvenName, m_record.EvenColor.GetColor()});
    // Box k starts this far after the previous caption's end (the first after the band's left
    // edge) and is this wide.
    const int gaps[3] = {21, 7, 8}, widths[3] = {17, 18, 17};
    int x = band.left, drawn = 0;
    for (const Part& part : parts)
    {
        if (part.caption->IsEmpty())
            continue;
        const int left = x + gaps[drawn];
        pDC->FillSolidRect(left, band.top + 7, widths[drawn], band.Height() - 14, part.colour);
        CRect text(left + widths[drawn] + 3, band.top, band.right, band.bottom);
        pDC->DrawText(*part.caption, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        x = text.left + pDC->GetTextExtent(*part.caption).cx;
        ++drawn;
    }
}

void CMeamul::DrawScale(CDC* pDC, const CRect& strip)
{
    CPen pen(PS_SOLID, 1, m_record.LineColor.GetColor());
    CDCSelectGuard guard(pDC, &pen);
    pDC->MoveTo(strip.left, strip.top);
    pDC->LineTo(strip.right, strip.top);
    const long long range = m_nLargest;
    const long long step = m_nMajorTicks > 0 ? VolumeScaleStep(range / m_nMajorTicks) : 0;
    // A step of 0 has no multiples to walk.
    if (step <= 0 || m_fPerUnit <= 0)
        return;
    const int tick = m_nLayout == 0 ? 6 : strip.Height();
    const int divisor = m_nScaleDivisor >= 1 ? m_nScaleDivisor : 1;
    int lastRight = INT_MIN;
    for (long long v = 0; v <= range; v += step)
    {
        const int x = strip.left + int(double(v) * m_fPerUnit);
        pDC->MoveTo(x, strip.top);
        pDC->LineTo(x, strip.top + tick);
        for (int minor = 1; minor < 5; ++minor)
        {
            const int mx = strip.left + int((double(v) + double(step) * minor / 5) * m_fPerUnit);
            if (mx > strip.right)
                break;
            pDC->MoveTo(mx, strip.top);
            pDC->LineTo(mx, strip.top + 3);
        }
        const CString text = FormatNumberValue(int(std::min<long long>(v, INT_MAX - 1)), -1, -1, "", divisor, 0, 0);
        const CSize size = pDC->GetTextExtent(text);
        const int left = x - size.cx / 2;
        if (left > lastRight)
        {
            pDC->TextOut(left, strip.top + 9, text);
            lastRight = left + size.cx;
        }
    }
}
