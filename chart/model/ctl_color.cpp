// CCtlColor: effective colour, text form and archive form.
#include "CtlColor.h"

#include <string.h>

#include "ClampedNumber.h"

namespace {
const COLORREF kWhite = 0xFFFFFF;
const DWORD kArchiveVersion = 2;
}

CCtlColor::CCtlColor() : m_nIndex(0), m_rgb(kWhite) {}

CCtlColor::CCtlColor(WORD nIndex) : m_nIndex(nIndex), m_rgb(kWhite) {}

CCtlColor::CCtlColor(COLORREF rgb) : m_nIndex(0), m_rgb(rgb) {}

CCtlColor::CCtlColor(LPCSTR lpszText) : m_nIndex(0), m_rgb(kWhite)
{
    SetText(lpszText);
}

COLORREF CCtlColor::GetColor() const
{
    switch (m_nIndex) {
    case 1:
    case 184:
    case 185:
        return 0;
    case 179:
    case 180:
    case 181:
    case 182:
    case 183:
        return GetPaletteColor(m_nIndex);
    default:
        return m_rgb;
    }
}

COLORREF CCtlColor::GetPaletteColor(int nIndex)
{
    switch (nIndex) {
    case 179:
        return 0xFFFFFF;
    case 180:
        return 0xD9D9D9;
    case 181:
        return 0xC6C6C6;
    case 182:
    case 183:
        return 0xF1F1F1;
    default:
        return 0;
    }
}

CString CCtlColor::GetText() const
{
    CString text;
    text.Format("%03d:%03d%03d%03d", int(m_nIndex), int(GetRValue(m_rgb)), int(GetGValue(m_rgb)),
                int(GetBValue(m_rgb)));
    return text;
}

void CCtlColor::SetText(LPCSTR lpszText)
{
    if (lpszText == NULL)
        lpszText = "";
    CString strIndex;
    LPCSTR pszRgb = lpszText;
    if (LPCSTR pszColon = strchr(lpszText, ':')) {
        strIndex = CString(lpszText, int(pszColon - lpszText));
        pszRgb = pszColon + 1;
    }
    m_nIndex = WORD(ClampedAtoi(strIndex, 0, 0xFFFF));
    m_rgb = kWhite;
    if (strlen(pszRgb) >= 9) {
        BYTE channel[3];
        for (int i = 0; i < 3; ++i)
            channel[i] = BYTE(ClampedAtoi(CString(pszRgb + 3 * i, 3)) & 0xFF);
        m_rgb = RGB(channel[0], channel[1], channel[2]);
    }
}

void CCtlColor::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kArchiveVersion << m_nIndex << DWORD(m_rgb);
        return;
    }
    DWORD nVersion;
    WORD nIndex;
    DWORD rgb;
    ar >> nVersion >> nIndex >> rgb;
    m_nIndex = nIndex;
    m_rgb = nIndex != 0 ? GetPaletteColor(nIndex) : rgb;
}
