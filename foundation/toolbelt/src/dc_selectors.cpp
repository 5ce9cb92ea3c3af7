// Scoped font, pen, brush and weight selectors.
#include "DCSelectors.h"

#include <mbstring.h>
#include <string.h>

namespace {

LOGFONTA CurrentLogFont(HDC hDC)
{
    LOGFONTA lf;
    memset(&lf, 0, sizeof lf);
    ::GetObjectA(::GetCurrentObject(hDC, OBJ_FONT), sizeof lf, &lf);
    return lf;
}

// Copies a face name into a LOGFONT's field, cut at a whole character when it is too long.
void CopyFaceName(char (&dest)[LF_FACESIZE], const char* faceName)
{
    size_t n = 0;
    while (faceName[n] != '\0') {
        size_t len = (::IsDBCSLeadByte(BYTE(faceName[n])) && faceName[n + 1] != '\0') ? 2 : 1;
        if (n + len > LF_FACESIZE - 1)
            break;
        n += len;
    }
    memcpy(dest, faceName, n);
    dest[n] = '\0';
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CFontDC

CFontDC::CFontDC(HDC hDC, const char* faceName, COLORREF textColor)
    : m_hFont(NULL), m_hDC(hDC), m_hDefFont(NULL), m_clrTextOld(CLR_INVALID)
{
    m_szFaceName[0] = '\0';
    *this = faceName;
    SetColor(textColor);
}

CFontDC::CFontDC(HDC hDC, BYTE stockFont, COLORREF textColor)
    : m_hFont(NULL), m_hDC(hDC), m_hDefFont(NULL), m_clrTextOld(CLR_INVALID)
{
    m_szFaceName[0] = '\0';
    *this = stockFont;
    SetColor(textColor);
}

CFontDC::CFontDC(HDC hDC, HFONT hFont, COLORREF textColor)
    : m_hFont(NULL), m_hDC(hDC), m_hDefFont(NULL), m_clrTextOld(CLR_INVALID)
{
    m_szFaceName[0] = '\0';
    *this = hFont;
    SetColor(textColor);
}

CFontDC::~CFontDC()
{
    if (m_hDefFont != NULL)
        ::SelectObject(m_hDC, m_hDefFont);
    if (m_hFont != NULL)
        ::DeleteObject(m_hFont);
    if (m_clrTextOld != CLR_INVALID)
        ::SetTextColor(m_hDC, m_clrTextOld);
}

void CFontDC::Select(HFONT hFont)
{
    HFONT hOld = static_cast<HFONT>(::SelectObject(m_hDC, hFont));
    if (m_hDefFont == NULL)
        m_hDefFont = hOld;
    if (m_hFont != NULL && m_hFont != hFont)
        ::DeleteObject(m_hFont);
    m_hFont = hFont;
}

void CFontDC::SetColor(COLORREF textColor)
{
    if (textColor == FONTDC_KEEP_COLOR)
        return;
    COLORREF old = ::SetTextColor(m_hDC, textColor);
    if (m_clrTextOld == CLR_INVALID)
        m_clrTextOld = old;
}

const CFontDC& CFontDC::operator=(const char* faceName)
{
    if (faceName == NULL)
        return *this;
    LOGFONTA lf = CurrentLogFont(m_hDC);
    if (_mbsicmp(reinterpret_cast<const unsigned char*>(lf.lfFaceName),
                 reinterpret_cast<const unsigned char*>(faceName)) == 0)
        return *this;
    CopyFaceName(lf.lfFaceName, faceName);
    HFONT hFont = ::CreateFontIndirectA(&lf);
    if (hFont != NULL)
        Select(hFont);
    return *this;
}

const CFontDC& CFontDC::operator=(BYTE stockFont)
{
    Select(static_cast<HFONT>(::GetStockObject(stockFont)));
    return *this;
}

const CFontDC& CFontDC::operator=(HFONT hFont)
{
    if (hFont != NULL)
        Select(hFont);
    return *this;
}

const CFontDC& CFontDC::operator=(COLORREF textColor)
{
    SetColor(textColor);
    return *this;
}

const CFontDC& CFontDC::operator=(const CFontDC& other)
{
    if (&other != this) {
        *this = static_cast<const char*>(other);
        SetColor(static_cast<COLORREF>(other));
    }
    return *this;
}

CFontDC::operator const char*() const
{
    LOGFONTA lf = CurrentLogFont(m_hDC);
    memcpy(m_szFaceName, lf.lfFaceName, LF_FACESIZE);
    m_szFaceName[LF_FACESIZE - 1] = '\0';
    return m_szFaceName;
}

CFontDC::operator COLORREF() const
{
    return ::GetTextColor(m_hDC);
}

/////////////////////////////////////////////////////////////////////////////
// CPenDC

CPenDC::CPenDC(HDC hDC, COLORREF color, int width, int style)
    : m_hDC(hDC), m_hOldPen(NULL), m_nWidth(width), m_nStyle(style), m_clrColor(color)
{
    CreatePen(m_nStyle, m_nWidth, m_clrColor);
    m_hOldPen = static_cast<HPEN>(::SelectObject(m_hDC, m_hObject));
}

CPenDC::~CPenDC()
{
    ::SelectObject(m_hDC, m_hOldPen);
}

void CPenDC::Rebuild()
{
    ::SelectObject(m_hDC, m_hOldPen);
    DeleteObject();
    CreatePen(m_nStyle, m_nWidth, m_clrColor);
    ::SelectObject(m_hDC, m_hObject);
}

void CPenDC::Color(COLORREF color)
{
    m_clrColor = color;
    Rebuild();
}

COLORREF CPenDC::Color() const
{
    LOGPEN lp;
    if (GetLogPen(&lp) == 0)
        return m_clrColor;
    return lp.lopnColor;
}

void CPenDC::PenWidth(int width)
{
    m_nWidth = width;
    Rebuild();
}

void CPenDC::PenStyle(int style)
{
    m_nStyle = style;
    Rebuild();
}

/////////////////////////////////////////////////////////////////////////////
// CBrushDC

CBrushDC::CBrushDC(HDC hDC, COLORREF color) : m_hDC(hDC), m_hOldBrush(NULL)
{
    HGDIOBJ hBrush = ::GetStockObject(NULL_BRUSH);
    if (color != 0xFFFFFFFF && m_brush.CreateSolidBrush(color))
        hBrush = m_brush.m_hObject;
    m_hOldBrush = static_cast<HBRUSH>(::SelectObject(m_hDC, hBrush));
}

CBrushDC::~CBrushDC()
{
    ::SelectObject(m_hDC, m_hOldBrush);
}

void CBrushDC::Color(COLORREF color)
{
    ::SelectObject(m_hDC, ::GetStockObject(NULL_BRUSH));
    m_brush.DeleteObject();
    if (color != 0xFFFFFFFF && m_brush.CreateSolidBrush(color))
        ::SelectObject(m_hDC, m_brush.m_hObject);
}

COLORREF CBrushDC::Color() const
{
    LOGBRUSH lb;
    if (::GetObjectA(::GetCurrentObject(m_hDC, OBJ_BRUSH), sizeof lb, &lb) == 0 || lb.lbStyle == BS_NULL)
        return 0xFFFFFFFF;
    return lb.lbColor;
}

/////////////////////////////////////////////////////////////////////////////
// CBoldDC

CBoldDC::CBoldDC(HDC hDC, bool bold) : m_hDC(hDC), m_hDefFont(NULL)
{
    LOGFONTA lf = CurrentLogFont(hDC);
    if ((lf.lfWeight == FW_BOLD) == bold)
        return;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    if (CreateFontIndirect(&lf))
        m_hDefFont = static_cast<HFONT>(::SelectObject(m_hDC, m_hObject));
}

CBoldDC::~CBoldDC()
{
    if (m_hDefFont != NULL)
        ::SelectObject(m_hDC, m_hDefFont);
}
