// The owner-drawn button's looks: frames (classic or flat), glyphs and the spin button's halves.
#include "DrawBtn.h"

#include "Draw.h"

namespace {

// Fills of a flat button from the highlight colour.
COLORREF FlatFill(int lightPercent, int saturationPercent)
{
    const DWORD hls = CDraw::RGB2HLS(::GetSysColor(COLOR_HIGHLIGHT));
    const int l = HLS_L(hls), s = HLS_S(hls);
    return CDraw::HLS2RGB(HLS(HLS_H(hls), l + (255 - l) * lightPercent / 100, s * saturationPercent / 100));
}

COLORREF OverFill()
{
    return FlatFill(70, 43);
}

COLORREF PushedFill()
{
    return FlatFill(50, 50);
}

} // namespace

CDrawBtn::CDrawBtn(DWORD style) : m_dwStyle(style)
{
    ::SetRectEmpty(&m_rect);
}

CDrawBtn::CDrawBtn(DWORD style, const RECT* rect) : m_dwStyle(style)
{
    ::SetRectEmpty(&m_rect);
    if (rect != NULL)
        m_rect = *rect;
}

CDrawBtn::CDrawBtn(const CDrawBtn& other) : m_dwStyle(other.m_dwStyle), m_rect(other.m_rect)
{
}

CDrawBtn& CDrawBtn::operator=(const CDrawBtn& other)
{
    m_dwStyle = other.m_dwStyle;
    m_rect = other.m_rect;
    return *this;
}

CDrawBtn::~CDrawBtn()
{
}

void CDrawBtn::SetRect(const RECT* rect)
{
    if (rect != NULL)
        m_rect = *rect;
}

bool CDrawBtn::PtInRect(POINT point) const
{
    return ::PtInRect(&m_rect, point) != FALSE;
}

void CDrawBtn::DrawFrame(CDC* pDC, CRect rect, DWORD state)
{
    const bool pushed = (state & (DBS_PUSHED | DBS_PUSHEDLOW)) != 0;
    if (!(state & DBS_FLAT)) {
        pDC->DrawFrameControl(&rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
        return;
    }
    HDC hDC = pDC->m_hDC;
    if ((state & DBS_OVER) && !(state & DBS_DISABLED)) {
        CPenDC pen(hDC, ::GetSysColor(COLOR_HIGHLIGHT));
        CBrushDC brush(hDC, pushed ? PushedFill() : OverFill());
        pDC->Rectangle(&rect);
    } else if (!(state & DBS_FLATNOFRAME)) {
        CPenDC pen(hDC, ::GetSysColor((state & DBS_EDGE) ? COLOR_BTNSHADOW : COLOR_WINDOW));
        CBrushDC brush(hDC, ::GetSysColor(COLOR_BTNFACE));
        pDC->Rectangle(&rect);
    }
}

void CDrawBtn::DrawGlyph(CDC* pDC, CRect rect, DWORD state, COLORREF colour)
{
    const bool pushed = (state & (DBS_PUSHED | DBS_PUSHEDLOW)) != 0;
    const bool flat = (state & DBS_FLAT) != 0;
    const int x = (rect.left + rect.right) / 2 + (pushed && !flat ? 1 : 0);
    const int y = (rect.top + rect.bottom) / 2 + (pushed || flat ? 2 : 1);
    switch (state & DBS_KINDMASK) {
    case DBS_UP: CDraw::DrawTriangle(pDC, x, y - 3, 4, colour, false); break;
    case DBS_DOWN: CDraw::DrawTriangle(pDC, x, y, 4, colour, true); break;
    case DBS_LEFT: CDraw::DrawTriangleSideStyle(pDC, x - 2, y - 1, 5, colour, 1); break;
    case DBS_RIGHT: CDraw::DrawTriangleSideStyle(pDC, x + 2, y - 1, 5, colour, 0); break;
    case DBS_ELLIPSIS: {
        const int oldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF oldColour = pDC->SetTextColor(colour);
        CRect text = rect;
        text.OffsetRect(x - (rect.left + rect.right) / 2, y - 1 - (rect.top + rect.bottom) / 2);
        pDC->DrawText("...", 3, &text, DT_SINGLELINE | DT_BOTTOM | DT_CENTER);
        pDC->SetTextColor(oldColour);
        pDC->SetBkMode(oldMode);
        break;
    }
    case DBS_CROSS: {
        const int dx = x - (rect.left + rect.right) / 2, dy = y - 1 - (rect.top + rect.bottom) / 2;
        const int x1 = rect.left + rect.Width() / 3 + dx, x2 = rect.left + rect.Width() * 2 / 3 + dx;
        const int y1 = rect.top + rect.Height() / 3 + dy, y2 = rect.top + rect.Height() * 2 / 3 + dy;
        CPenDC pen(pDC->m_hDC, colour, 2);
        const CPoint old = pDC->MoveTo(x1, y1);
        pDC->LineTo(x2, y2);
        pDC->MoveTo(x2, y1);
        pDC->LineTo(x1, y2);
        pDC->MoveTo(old);
        break;
    }
    default: break; // the spin button's halves are drawn by Draw; plain buttons have no glyph
    }
}

void CDrawBtn::Draw(CDC* pDC, DWORD state)
{
    if (state == 0)
        state = m_dwStyle;
    HDC hDC = pDC->m_hDC;
    CRect rect(m_rect);
    const bool flat = (state & DBS_FLAT) != 0;
    CPenDC pen(hDC, ::GetSysColor(COLOR_BTNFACE));
    CBrushDC brush(hDC, ::GetSysColor(COLOR_BTNFACE));

    if ((state & DBS_EDGE) && !flat) {
        const CPoint old = pDC->MoveTo(rect.right - 1, rect.top);
        pDC->LineTo(rect.left, rect.top);
        pDC->LineTo(rect.left, rect.bottom);
        pDC->MoveTo(old);
        pDC->SetPixelV(rect.right - 1, rect.top, ::GetSysColor(COLOR_3DDKSHADOW));
        rect.left += 1;
        rect.top += 1;
    }

    const bool pushed = (state & (DBS_PUSHED | DBS_PUSHEDLOW)) != 0;
    COLORREF glyph = ::GetSysColor((state & DBS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);

    if ((state & DBS_KINDMASK) != DBS_SPIN) {
        DrawFrame(pDC, rect, state);
        if (flat) {
            if (pushed)
                glyph = RGB(240, 240, 240);
            else if (state & DBS_DISABLED)
                glyph = ::GetSysColor(COLOR_GRAYTEXT);
            else
                glyph = pDC->GetPixel(rect.left + 1, rect.top + 1) == OverFill() ? RGB(0, 0, 0)
                                                                                : ::GetSysColor(COLOR_BTNTEXT);
        }
        DrawGlyph(pDC, rect, state, glyph);
        return;
    }

    // The spin button: two halves, each framed with its own pushed bit.
    const int middle = (rect.top + rect.bottom) / 2;
    const CRect upper(rect.left, rect.top, rect.right, middle), lower(rect.left, middle, rect.right, rect.bottom);
    const DWORD base = state & ~DWORD(DBS_PUSHED | DBS_PUSHEDLOW);
    DrawFrame(pDC, upper, base | (state & DBS_PUSHED));
    DrawFrame(pDC, lower, base | ((state & DBS_PUSHEDLOW) ? DBS_PUSHED : 0));
    if (!pushed && !flat) {
        CPenDC line(hDC, ::GetSysColor(COLOR_BTNSHADOW));
        const CPoint old = pDC->MoveTo(rect.left, middle);
        pDC->LineTo(rect.right, middle);
        pDC->MoveTo(old);
    }
    auto halfGlyph = [&](DWORD bit) {
        if (!flat)
            return glyph;
        if (state & bit)
            return RGB(240, 240, 240);
        return ::GetSysColor((state & DBS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    };
    const int x = (rect.left + rect.right) / 2;
    CDraw::DrawTriangle(pDC, x + ((state & DBS_PUSHED) && !flat ? 1 : 0), rect.top + rect.Height() / 4 - 1, 3,
                        halfGlyph(DBS_PUSHED), false);
    CDraw::DrawTriangle(pDC, x + ((state & DBS_PUSHEDLOW) && !flat ? 1 : 0), rect.top + rect.Height() * 3 / 4 + 1,
                        3, halfGlyph(DBS_PUSHEDLOW), true);
}
