// Item-code text rules: cutting and upper-casing that keep double-byte characters whole, and the
// prefix tests of the search list and the search dialog.
#include "WidgetRules.h"

#include <cstring>

namespace {

BOOL IsLead(char c)
{
    return ::IsDBCSLeadByteEx(WIDGETKIT_TEXT_CODEPAGE, static_cast<BYTE>(c));
}

} // namespace

CString CutOnCharBoundary(const char* text, int nBytes)
{
    if (text == NULL || nBytes <= 0)
        return CString();
    int end = 0;
    while (text[end] != '\0') {
        const int step = IsLead(text[end]) && text[end + 1] != '\0' ? 2 : 1;
        if (end + step > nBytes)
            break;
        end += step;
    }
    return CString(text, end);
}

CString UpperSingleByte(const char* text)
{
    CString out;
    if (text == NULL)
        return out;
    for (const char* p = text; *p; ++p) {
        if (IsLead(*p) && p[1] != '\0') {
            out += p[0];
            out += p[1];
            ++p;
            continue;
        }
        out += (*p >= 'a' && *p <= 'z') ? static_cast<char>(*p - 'a' + 'A') : *p;
    }
    return out;
}

BOOL CodeMatchesTyped(const char* code, const char* name, const char* typed)
{
    if (typed == NULL || *typed == '\0')
        return FALSE;
    const int len = static_cast<int>(strlen(typed));
    const CString wanted = UpperSingleByte(typed);
    return UpperSingleByte(CutOnCharBoundary(code, len)) == wanted ||
           UpperSingleByte(CutOnCharBoundary(name, len)) == wanted;
}

BOOL HasDigit(const char* text)
{
    if (text == NULL)
        return FALSE;
    for (const char* p = text; *p; ++p) {
        if (IsLead(*p) && p[1] != '\0') {
            ++p;
            continue;
        }
        if (*p >= '0' && *p <= '9')
            return TRUE;
    }
    return FALSE;
}

BOOL NameReachesText(const char* name, const char* text)
{
    const int len = text != NULL ? static_cast<int>(strlen(text)) : 0;
    const CString cut = UpperSingleByte(CutOnCharBoundary(name, len));
    return strcmp(cut, UpperSingleByte(text)) >= 0;
}
