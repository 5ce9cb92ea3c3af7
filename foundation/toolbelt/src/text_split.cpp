#include "TextUtils.h"

#include <stdlib.h>

int ExStrTok(CStringArray& out, const char* text, char delimiter)
{
    out.RemoveAll();
    if (text == nullptr)
        text = "";
    const char* field = text;
    const char* p = text;
    while (*p) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*p))) {
            // A lead byte and its trail byte form one character; a lead byte cut off by the
            // terminator ends the text.
            p += p[1] ? 2 : 1;
            continue;
        }
        if (*p == delimiter) {
            out.Add(CString(field, static_cast<int>(p - field)));
            field = p + 1;
        }
        ++p;
    }
    out.Add(CString(field, static_cast<int>(p - field)));
    return static_cast<int>(out.GetSize());
}

COLORREF StringToRGB(CString text)
{
    CStringArray fields;
    ExStrTok(fields, text, ',');
    int rgb[3] = {0, 0, 0};
    for (int i = 0; i < 3 && i < fields.GetSize(); ++i)
        rgb[i] = atoi(fields[i]) & 0xFF;
    return RGB(rgb[0], rgb[1], rgb[2]);
}

void RGBToString(COLORREF colour, CString& out)
{
    out.Format("RGB(%d,%d,%d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
}
