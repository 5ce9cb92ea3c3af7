// Scoped selectors: each puts a font, pen or brush into a DC and puts the replaced one back
// (and frees its own) when it goes out of scope.
#pragma once

#include <afxwin.h>
#include "ToolBeltApi.h"

// The text colour argument that leaves the DC's text colour alone.
#define FONTDC_KEEP_COLOR ((COLORREF)0xFF000000)

// A font by face name (the DC's current font with another face), by stock font number or as
// a handle (which then belongs to the object); optionally a text colour.
class TOOLBELT_API CFontDC
{
public:
    CFontDC(HDC hDC, const char* faceName, COLORREF textColor = FONTDC_KEEP_COLOR);
    CFontDC(HDC hDC, BYTE stockFont, COLORREF textColor = FONTDC_KEEP_COLOR);
    CFontDC(HDC hDC, HFONT hFont, COLORREF textColor = FONTDC_KEEP_COLOR);
    ~CFontDC();
    CFontDC(const CFontDC&) = delete;

    const CFontDC& operator=(const char* faceName);
    const CFontDC& operator=(BYTE stockFont);
    const CFontDC& operator=(HFONT hFont);
    const CFontDC& operator=(COLORREF textColor);
    // Takes the other selector's face and text colour.
    const CFontDC& operator=(const CFontDC& other);

    // The face of the DC's current font (kept by the object until the next call).
    operator const char*() const;
    operator COLORREF() const;

private:
    void Select(HFONT hFont);
    void SetColor(COLORREF textColor);

    HFONT m_hFont;        // the font this object selected (deleted by it)
    HDC m_hDC;
    HFONT m_hDefFont;     // the font it replaced; null when none was replaced
    COLORREF m_clrTextOld; // the text colour it replaced; CLR_INVALID when unchanged
    mutable char m_szFaceName[LF_FACESIZE];
};

// A pen of the given colour, width and style.
class TOOLBELT_API CPenDC : public CPen
{
public:
    CPenDC(HDC hDC, COLORREF color = 0, int width = 1, int style = PS_SOLID);
    ~CPenDC();

    void Color(COLORREF color);
    COLORREF Color() const;
    void PenWidth(int width);
    void PenStyle(int style);

private:
    void Rebuild();

    HDC m_hDC;
    HPEN m_hOldPen;
    int m_nWidth;
    int m_nStyle;
    COLORREF m_clrColor;
};

// A solid brush of the colour; 0xFFFFFFFF selects the hollow (null) brush.
class TOOLBELT_API CBrushDC
{
public:
    CBrushDC(HDC hDC, COLORREF color = 0xFFFFFFFF);
    ~CBrushDC();

    void Color(COLORREF color);
    // The current brush's colour; 0xFFFFFFFF for the hollow brush.
    COLORREF Color() const;

private:
    HDC m_hDC;
    HBRUSH m_hOldBrush;
    CBrush m_brush;
};

// The DC's current font in bold (weight 700) or normal (400) weight.
class TOOLBELT_API CBoldDC : public CFont
{
public:
    CBoldDC(HDC hDC, bool bold);
    ~CBoldDC();

private:
    HDC m_hDC;
    HFONT m_hDefFont; // null when nothing was changed
};
