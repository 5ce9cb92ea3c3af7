// CImgButton::DrawItem: the state's bitmap or colour set, the text and the focus rectangle.
#include "Draw.h"
#include "ImgButton.h"

namespace {

int LookOf(int state)
{
    switch (state) {
    case BTN_STATE_OVER:
        return CImgButton::LOOK_OVER;
    case BTN_STATE_PRESSED:
        return CImgButton::LOOK_PRESSED;
    case BTN_STATE_DISABLED:
        return CImgButton::LOOK_DISABLED;
    default:
        return CImgButton::LOOK_NORMAL;
    }
}

// A highlight or shadow that is not above 0 as a signed number draws no line.
bool Drawn(COLORREF colour)
{
    return static_cast<LONG>(colour) > 0;
}

} // namespace

void CImgButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int saved = dc->SaveDC();
    CRect client;
    GetClientRect(&client);
    const int state = GetCurState();
    const int look = LookOf(state);
    const BOOL disabled = (GetStyle() & WS_DISABLED) != 0;

    CFont* font = GetFont();
    if (font != NULL)
        dc->SelectObject(font);
    if (disabled)
        dc->SetTextColor(m_clrDisabledText);
    else if (m_clrText != static_cast<COLORREF>(-1))
        dc->SetTextColor(m_clrText);
    dc->SetBkMode(TRANSPARENT);

    if (m_bLoaded) {
        HBITMAP bitmap = GetLookBitmap(look);
        if (bitmap == NULL)
            bitmap = GetLookBitmap(LOOK_NORMAL);
        CDraw::StretchBitmap(dc, client, bitmap);
    } else {
        const tagBtnColor& colours = (m_nColorMask & (1u << look)) ? m_colours[look] : m_colours[LOOK_NORMAL];
        dc->FillSolidRect(&client, colours.clrFill);
        CPen frame(PS_SOLID, 1, colours.clrBorder);
        dc->SelectObject(&frame);
        dc->SelectStockObject(NULL_BRUSH);
        dc->Rectangle(&client);
        CRect inner = client;
        inner.DeflateRect(1, 1);
        inner.right -= 1;
        inner.bottom -= 1;
        CPen highlight(PS_SOLID, 1, colours.clrHighlight);
        CPen shadow(PS_SOLID, 1, colours.clrShadow);
        if (Drawn(colours.clrHighlight)) {
            dc->SelectObject(&highlight);
            dc->MoveTo(inner.left, inner.bottom);
            dc->LineTo(inner.left, inner.top);
            dc->LineTo(inner.right, inner.top);
        }
        if (Drawn(colours.clrShadow)) {
            dc->SelectObject(&shadow);
            dc->MoveTo(inner.right, inner.top + 1);
            dc->LineTo(inner.right, inner.bottom);
            dc->LineTo(inner.left - 1, inner.bottom);
        }
        dc->SelectStockObject(BLACK_PEN);
    }

    CString text;
    GetWindowText(text);
    if (!text.IsEmpty()) {
        if (m_bMultiLine) {
            CRect textRect = client;
            textRect.DeflateRect(5, 5);
            dc->DrawText(text, &textRect, DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
        } else {
            CRect textRect = client;
            if (state == BTN_STATE_PRESSED)
                textRect.OffsetRect(1, 1);
            dc->DrawText(text, &textRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        }
    }

    if (m_bFocusRect && (GetStyle() & WS_TABSTOP) && ::GetFocus() == m_hWnd) {
        CRect focus = client;
        focus.DeflateRect(2, 2);
        dc->DrawFocusRect(&focus);
    }
    dc->RestoreDC(saved);
}
