// CLineStyleCombo: the drop-down list of line thicknesses and pen styles, drawn as lines.
#include "ColourPicker.h"

#include <algorithm>

CLineStyleCombo::CLineStyleCombo() : m_nStyleOption(0)
{
    for (int v = 0; v < 5; ++v)
        m_arValues.Add(v);
}

CLineStyleCombo::~CLineStyleCombo() {}

void CLineStyleCombo::PreSubclassWindow()
{
    for (INT_PTR i = 0; i < m_arValues.GetSize(); ++i)
        AddString(" ");
    SetCurSel(0);
    CComboBox::PreSubclassWindow();
}

void CLineStyleCombo::SetStyleOption(int option)
{
    m_nStyleOption = option;
    if (option == 3)
    {
        if (m_arValues.GetSize() < 5)
        {
            m_arValues.Add(4);
            if (GetSafeHwnd())
                AddString(" ");
        }
    }
    else if (m_arValues.GetSize() > 4)
    {
        m_arValues.RemoveAt(4);
        if (GetSafeHwnd() && GetCount() > 4)
            DeleteString(4);
    }
    if (GetSafeHwnd())
        Invalidate();
}

void CLineStyleCombo::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = 14;
}

void CLineStyleCombo::DrawEntry(CDC* pDC, const CRect& rect, int value) const
{
    const int left = rect.left + 5, right = rect.right - 5;
    const COLORREF black = RGB(0, 0, 0);
    if (m_nStyleOption == 2)
    {
        if (value < 0 || value > 3)
            return;
        pDC->FillSolidRect(&rect, RGB(255, 255, 255));
        const int y = (rect.top + rect.bottom) / 2;
        // Dash and dot lengths and their steps: solid, dashes 11 of 15, dots 4 of 8, dash-dot.
        int x = left, piece = 0;
        while (x < right)
        {
            int length = right - x, step = length;
            if (value == 1)
                length = 11, step = 15;
            else if (value == 2)
                length = 4, step = 8;
            else if (value == 3)
            {
                const BOOL dash = piece % 2 == 0;
                length = dash ? 11 : 4;
                step = dash ? 15 : 8;
            }
            pDC->FillSolidRect(x, y, std::min(length, right - x), 1, black);
            x += step;
            ++piece;
        }
    }
    else
    {
        // Options 0 and 1 leave the fifth entry blank; option 3 and any other draw it dotted.
        if (value < 0 || value > 4 || (value == 4 && (m_nStyleOption == 0 || m_nStyleOption == 1)))
            return;
        pDC->FillSolidRect(&rect, RGB(255, 255, 255));
        if (value == 4)
        {
            const int y = (rect.top + rect.bottom) / 2;
            for (int x = left; x < right; x += 8)
                pDC->FillSolidRect(x, y, std::min(4, right - x), 2, black);
        }
        else
        {
            const int first = (rect.top + 1 + rect.bottom - value) / 2;
            for (int k = 0; k <= value; ++k)
                pDC->FillSolidRect(left, first + k, right - left, 1, black);
        }
    }
    CBrush frame(black);
    pDC->FrameRect(&rect, &frame);
}

void CLineStyleCombo::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int index = int(lpDrawItemStruct->itemID);
    if (index < 0 || index >= m_arValues.GetSize())
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect = lpDrawItemStruct->rcItem;
    DrawEntry(pDC, rect, m_arValues[index]);
    if (lpDrawItemStruct->itemState & ODS_SELECTED)
    {
        CRect focus = rect;
        focus.DeflateRect(1, 1);
        pDC->DrawFocusRect(&focus);
    }
}
