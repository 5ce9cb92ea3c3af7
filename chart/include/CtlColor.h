// CCtlColor: the colour of every chart setting, a palette index with an RGB value, and its text
// and archive forms.
#pragma once

#include <afx.h>

#include "GraphKitApi.h"

class GRAPHKIT_API CCtlColor
{
public:
    // Index 0 and white.
    CCtlColor();
    // A palette index with white RGB, and an RGB with index 0. Both are explicit and take exact
    // types, so a bare number never picks one silently: use Index() and Rgb() for literals.
    explicit CCtlColor(WORD nIndex);
    explicit CCtlColor(COLORREF rgb);
    // Parses the text form (SetText).
    explicit CCtlColor(LPCSTR lpszText);

    static CCtlColor Index(int nIndex) { return CCtlColor(WORD(nIndex)); }
    static CCtlColor Rgb(COLORREF rgb) { return CCtlColor(rgb); }

    WORD GetIndex() const { return m_nIndex; }
    void SetIndex(WORD nIndex) { m_nIndex = nIndex; }
    COLORREF GetRGB() const { return m_rgb; }
    void SetRGB(COLORREF rgb) { m_rgb = rgb; }

    // The colour drawn: the fixed colour of the chart's own palette entries (1, 179 to 185),
    // otherwise the stored RGB.
    COLORREF GetColor() const;
    // The fixed colour of an index as archives restore it: 179 to 183 have their own, every
    // other index gives black.
    static COLORREF GetPaletteColor(int nIndex);

    // "%03d:%03d%03d%03d": index, then red, green and blue of the stored RGB.
    CString GetText() const;
    // "index:rrrgggbbb", ":rrrgggbbb" or "rrrgggbbb". The index is clamped to 0..65535; each
    // RGB triple is taken modulo 256; an RGB part shorter than nine characters gives white.
    void SetText(LPCSTR lpszText);

    // A 4-byte version (2), the 2-byte index and the 4-byte RGB. Loading gives a colour with a
    // nonzero index the palette colour of that index.
    void Serialize(CArchive& ar);

    bool operator==(const CCtlColor& other) const { return m_nIndex == other.m_nIndex && m_rgb == other.m_rgb; }
    bool operator!=(const CCtlColor& other) const { return !(*this == other); }

private:
    WORD m_nIndex;
    COLORREF m_rgb;
};
