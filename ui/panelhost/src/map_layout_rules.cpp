// The layout file's attribute texts: positions, sizes, sizing edges, scroll bars and ids.
#include "map_layout_rules.h"

#include <afxtempl.h>
#include <cstdlib>

namespace maplayout {

namespace {

void Split(const CString& text, char separator, CStringArray& out)
{
    out.RemoveAll();
    if (text.IsEmpty())
        return;
    int start = 0;
    for (;;) {
        const int at = text.Find(separator, start);
        if (at < 0) {
            out.Add(text.Mid(start));
            return;
        }
        out.Add(text.Mid(start, at - start));
        start = at + 1;
    }
}

} // namespace

void ReadNumbers(const CString& text, CArray<int, int>& out)
{
    CStringArray fields;
    Split(text, ',', fields);
    out.RemoveAll();
    for (INT_PTR i = 0; i < fields.GetSize(); ++i)
        out.Add(atoi(fields[i]));
}

CRect ReadPosition(const CString& text, CSize* size)
{
    CArray<int, int> n;
    ReadNumbers(text, n);
    if (n.GetSize() < 4) {
        if (size != NULL)
            *size = CSize(0, 0);
        return CRect(0, 0, 0, 0);
    }
    if (size != NULL)
        *size = CSize(n[2], n[3]);
    return CRect(n[0], n[1], n[0] + n[2], n[1] + n[3]);
}

CSize ReadSize(const CString& text, CSize fallback)
{
    CArray<int, int> n;
    ReadNumbers(text, n);
    if (n.GetSize() < 2)
        return fallback;
    return CSize(n[0], n[1]);
}

UINT ReadTrackEdges(const CString& text)
{
    CStringArray words;
    Split(text, '|', words);
    UINT edges = 0;
    for (INT_PTR i = 0; i < words.GetSize(); ++i) {
        if (words[i] == "LEFT")
            edges |= 1;
        else if (words[i] == "TOP")
            edges |= 2;
        else if (words[i] == "RIGHT")
            edges |= 4;
        else if (words[i] == "BOTTOM")
            edges |= 8;
    }
    return edges;
}

DWORD ReadGridScrollStyle(const CString& text, BOOL present, DWORD absentStyle)
{
    if (!present)
        return absentStyle;
    if (text == "none")
        return 0;
    if (text == "vert")
        return WS_VSCROLL;
    if (text == "horz")
        return WS_HSCROLL;
    return WS_VSCROLL | WS_HSCROLL;
}

UINT ReadDataListScrollBars(const CString& text, BOOL present)
{
    if (!present)
        return 1;
    if (text == "none")
        return 0;
    if (text == "vert")
        return 1;
    if (text == "horz")
        return 2;
    return 3;
}

WORD ReadId(const CString& text)
{
    return static_cast<WORD>(strtoul(text, NULL, 10) & 0xFFFF);
}

DWORD ReadStaticExStyle(const CString& text)
{
    CStringArray words;
    Split(text, '|', words);
    DWORD exStyle = 0;
    for (INT_PTR i = 0; i < words.GetSize(); ++i) {
        if (words[i].CompareNoCase("edge") == 0)
            exStyle |= WS_EX_STATICEDGE;
    }
    return exStyle;
}

} // namespace maplayout
