// CTimeDrawerEx: paints the time axis strip with the labels chosen by LayoutTimeAxis.
#include "TimeAxis.h"

#include "ChartText.h"
#include "SeriesSettings.h"
#include "TimeDataCell.h"

CSize CDCTextMeasurer::Measure(LPCSTR text) const
{
    return m_pDC ? m_pDC->GetTextExtent(text, int(strlen(text))) : CSize(0, 0);
}

CTimeDrawerEx::CTimeDrawerEx(CTimeDataCell* cell, const CSeriesSettings* settings)
    : m_pCell(cell), m_pSettings(settings)
{
}

void CTimeDrawerEx::Draw(CDC* target, const CRect& rect, CDC* memoryDC, CFont* font, CArray<int, int>& gridX)
{
    gridX.RemoveAll();
    if (!target || !m_pCell)
        return;
    CSeriesSettings defaults;
    const CSeriesSettings& settings = m_pSettings ? *m_pSettings : defaults;
    CDC* dc = memoryDC ? memoryDC : target;

    dc->FillSolidRect(rect, settings.m_crTimeBack);
    // The band under the regions and the line that separates the strip from them.
    dc->FillSolidRect(rect.left, rect.top, rect.Width(), 1, settings.m_crFrame);

    CFont ownFont;
    if (!font)
    {
        FontFromDescription(settings.m_strFont, &ownFont);
        font = ownFont.GetSafeHandle() ? &ownFont : nullptr;
    }
    CFont* oldFont = font ? dc->SelectObject(font) : nullptr;

    TimeAxisInput in;
    in.times = m_pCell->m_pTimes;
    in.length = m_pCell->m_nLength;
    in.kind = m_pCell->m_nKind;
    in.barWidth = m_pCell->m_fBarWidth;
    in.firstBar = m_pCell->m_nFirstBar;
    in.barCount = m_pCell->m_nBarCount;
    in.xDivisor = settings.m_nXDivisor;
    in.xDecimals = settings.m_nXDecimals;
    CArray<TimeAxisMark, const TimeAxisMark&> marks;
    CDCTextMeasurer measurer(dc);
    LayoutTimeAxis(in, measurer, marks, gridX);

    int tick = in.kind == 0 ? rect.Height() / 3 : 3;
    CPen pen(PS_SOLID, 1, settings.m_crTimeText);
    CPen* oldPen = dc->SelectObject(&pen);
    int oldMode = dc->SetBkMode(TRANSPARENT);
    COLORREF oldColour = dc->SetTextColor(settings.m_crTimeText);
    for (INT_PTR i = 0; i < marks.GetSize(); ++i)
    {
        const TimeAxisMark& mark = marks[i];
        int x = rect.left + mark.x;
        dc->MoveTo(x, rect.top + 1);
        dc->LineTo(x, rect.top + 1 + tick);
        if (!mark.text.IsEmpty())
        {
            int y = rect.top + 1 + (rect.Height() - 1 - mark.textSize.cy) / 2;
            dc->TextOut(rect.left + mark.textLeft, y, mark.text);
        }
    }
    dc->SetTextColor(oldColour);
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldPen);
    if (oldFont)
        dc->SelectObject(oldFont);
    for (INT_PTR i = 0; i < gridX.GetSize(); ++i)
        gridX[i] += rect.left;
    if (memoryDC && memoryDC != target)
        target->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), memoryDC, rect.left, rect.top, SRCCOPY);
}
