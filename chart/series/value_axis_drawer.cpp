// CIndex and CAxisDataCell: painting the value scales and the category axis.
#include "ValueAxis.h"

#include <cmath>
#include <cstring>

#include "TimeAxis.h"

void CIndex::TagColours(int signCode, COLORREF& fill, COLORREF& text)
{
    if (signCode == 1 || signCode == 2)
        fill = RGB(255, 0, 0), text = RGB(255, 255, 255);
    else if (signCode == 4 || signCode == 5)
        fill = RGB(0, 0, 255), text = RGB(255, 255, 255);
    else
        fill = RGB(255, 255, 0), text = RGB(0, 0, 0);
}

void CIndex::Draw(CDC* dc, const ValueAxisParams& p, bool left, BOOL& gridDrawn) const
{
    if (!dc)
        return;
    CDCTextMeasurer measurer(dc);
    const CRect& axis = p.axis;
    int h = measurer.Measure(FormatAxisValue(p.maximum, p.format)).cy;
    int captionHeight = p.unit.IsEmpty() ? 0 : measurer.Measure(p.unit).cy;

    ValueScaleInput in;
    in.maximum = p.maximum;
    in.minimum = p.minimum;
    in.pixelsPerUnit = p.pixelsPerUnit;
    in.top = axis.top;
    in.bottom = axis.bottom;
    if (captionHeight)
        in.captionTop = axis.bottom - captionHeight;
    in.clipBottom = p.clipBottom;
    in.labelHeight = h;
    in.inverted = p.inverted != FALSE;
    in.divisions = p.divisions;
    CArray<ValueScaleTick, const ValueScaleTick&> ticks;
    if (!LayoutValueScale(in, ticks))
        return;

    int oldMode = dc->SetBkMode(TRANSPARENT);
    COLORREF oldText = dc->SetTextColor(p.unitColour);
    if (captionHeight)
    {
        CRect caption(axis.left, axis.bottom - captionHeight, axis.right, axis.bottom);
        dc->DrawText(p.unit, caption, (left ? DT_RIGHT : DT_LEFT) | DT_SINGLELINE | DT_BOTTOM);
    }

    int lineX = left ? axis.right - 1 : axis.left;
    CPen axisPen(PS_SOLID, 1, p.axisColour);
    CPen* oldPen = dc->SelectObject(&axisPen);
    dc->MoveTo(lineX, axis.top - 10);
    dc->LineTo(lineX, axis.bottom + 4);
    if (!p.omitFarLine)
    {
        int farX = left ? p.plotRight : p.plotLeft;
        dc->MoveTo(farX, axis.top - 10);
        dc->LineTo(farX, axis.bottom + 4);
    }

    dc->SetTextColor(RGB(0, 0, 0));
    for (INT_PTR i = 0; i < ticks.GetSize(); ++i)
    {
        const ValueScaleTick& tick = ticks[i];
        if (!tick.label)
            continue;
        CString text = FormatAxisValue(tick.value, p.format);
        int width = measurer.Measure(text).cx;
        dc->TextOut(left ? lineX - 6 - width : lineX + 4, tick.labelTop, text);
    }

    BOOL gridFree = !gridDrawn;
    if (p.horizontalGrid && gridFree)
    {
        CPen gridPen(p.dottedGrid ? PS_DOT : PS_SOLID, 1, p.gridColour);
        dc->SelectObject(&gridPen);
        for (INT_PTR i = 0; i < ticks.GetSize(); ++i)
            if (ticks[i].label)
            {
                dc->MoveTo(p.plotLeft, ticks[i].y);
                dc->LineTo(p.plotRight, ticks[i].y);
                gridDrawn = TRUE;
            }
        dc->SelectObject(&axisPen);
    }

    if (p.currentValue > 0 && p.signCode != 0)
    {
        CString text = FormatAxisValue(p.currentValue, p.format);
        CSize size = measurer.Measure(text);
        double offset = double((long long)p.currentValue - p.minimum) * p.pixelsPerUnit;
        int y = int(std::floor((p.inverted ? axis.top + offset : axis.bottom - offset) + 0.5));
        COLORREF fill, textColour;
        TagColours(p.signCode, fill, textColour);
        int boxLeft = left ? lineX - 6 - size.cx - 2 : lineX + 1;
        CRect box(boxLeft, y - size.cy / 2 - 3, boxLeft + size.cx + 5, y + size.cy / 2 + 3);
        dc->FillSolidRect(box, fill);
        dc->SetTextColor(textColour);
        dc->TextOut(box.left + 2, box.top + 3, text);
    }

    if (p.verticalGrid && gridFree && p.gridX)
    {
        CPen gridPen(p.dottedGrid ? PS_DOT : PS_SOLID, 1, p.gridColour);
        dc->SelectObject(&gridPen);
        for (INT_PTR i = p.timeKind == 5 ? 0 : 1; i < p.gridX->GetSize(); ++i)
        {
            dc->MoveTo((*p.gridX)[i], p.plotTop + 10);
            dc->LineTo((*p.gridX)[i], p.plotBottom - 4);
            gridDrawn = TRUE;
        }
        dc->SelectObject(&axisPen);
    }
    dc->SelectObject(oldPen);
    dc->SetTextColor(oldText);
    dc->SetBkMode(oldMode);
}

CAxisDataCell::CAxisDataCell()
    : m_fBarWidth(0), m_nCount(0), m_nDirection(0), m_nDataOrder(0), m_crBack(RGB(255, 255, 255)), m_crLine(0),
      m_crText(0)
{
}

void CAxisDataCell::Reset()
{
    m_arCategories.RemoveAll();
    m_nCount = 0;
}

void CAxisDataCell::DrawCategories(CDC* dc, const CRect& rect, CArray<int, int>& gridX) const
{
    gridX.RemoveAll();
    if (!dc)
        return;
    dc->FillSolidRect(rect, m_crBack);
    dc->FillSolidRect(rect.left, rect.top, rect.Width(), 1, m_crLine);
    CDCTextMeasurer measurer(dc);
    CArray<AxisLabel, const AxisLabel&> labels;
    LayoutCategoryAxis(m_arCategories, m_fBarWidth, m_nDataOrder, measurer, labels);
    int oldMode = dc->SetBkMode(TRANSPARENT);
    COLORREF oldText = dc->SetTextColor(m_crText);
    for (INT_PTR i = 0; i < labels.GetSize(); ++i)
    {
        const AxisLabel& label = labels[i];
        gridX.Add(rect.left + label.x);
        if (m_nDirection == 0)
            dc->TextOut(rect.left + label.textLeft, rect.top + 5, label.text);
        else if (m_nDirection == 1 || m_nDirection == 2)
        {
            // One character under the other; a double-byte character stays whole.
            int y = rect.top + 5;
            const CString& text = label.text;
            for (int c = 0; c < text.GetLength();)
            {
                int n = IsDBCSLeadByte(BYTE(text[c])) && c + 1 < text.GetLength() ? 2 : 1;
                CString ch = text.Mid(c, n);
                CSize size = measurer.Measure(ch);
                dc->TextOut(rect.left + label.x - size.cx / 2, y, ch);
                y += size.cy;
                c += n;
            }
        }
    }
    dc->SetTextColor(oldText);
    dc->SetBkMode(oldMode);
}

void CAxisDataCell::DrawValueScale(CDC* dc, const CRect& rect, int maximum, int minimum, int labelCount,
                                   const NumberFormat& format) const
{
    if (!dc)
        return;
    dc->FillSolidRect(rect, m_crBack);
    CDCTextMeasurer measurer(dc);
    CArray<AxisLabel, const AxisLabel&> labels;
    LayoutHorizontalScale(maximum, minimum, rect.left, rect.right, labelCount, format, measurer, labels);
    CPen pen(PS_SOLID, 1, m_crLine);
    CPen* oldPen = dc->SelectObject(&pen);
    int oldMode = dc->SetBkMode(TRANSPARENT);
    COLORREF oldText = dc->SetTextColor(m_crText);
    for (INT_PTR i = 0; i < labels.GetSize(); ++i)
    {
        dc->MoveTo(labels[i].x, rect.top);
        dc->LineTo(labels[i].x, rect.top + 3);
        dc->TextOut(labels[i].textLeft, rect.top + 5, labels[i].text);
    }
    dc->MoveTo(rect.left, rect.top);
    dc->LineTo(rect.right, rect.top);
    dc->SetTextColor(oldText);
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldPen);
}
