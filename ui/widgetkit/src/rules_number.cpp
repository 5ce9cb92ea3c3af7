// The numeric input filter of the edits and the thousands separators they show.
#include "WidgetRules.h"

#include <stdlib.h>
#include <string.h>

#include "TextUtils.h"

NumericRules DefaultNumericRules()
{
    NumericRules rules = {FALSE, FALSE, FALSE, -999999.0, 999999.0, 0};
    return rules;
}

namespace {

CString DeleteRange(const CString& text, int nStart, int nEnd)
{
    const int length = text.GetLength();
    nStart = nStart < 0 ? 0 : (nStart > length ? length : nStart);
    nEnd = nEnd < nStart ? nStart : (nEnd > length ? length : nEnd);
    return text.Left(nStart) + text.Mid(nEnd);
}

CString WithoutCommas(CString text)
{
    text.Remove(',');
    return text;
}

double ValueOf(const CString& text)
{
    return atof(text);
}

int DecimalsOf(const CString& text)
{
    const int point = text.Find('.');
    if (point < 0)
        return 0;
    int digits = 0;
    for (int i = point + 1; i < text.GetLength(); ++i)
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
    return digits;
}

// The edited copy the filter judges, and whether the filter refuses it.
BOOL Judge(const NumericRules& rules, const CString& text, int nStart, int nEnd, UINT nChar, CString& copy)
{
    if (nChar > 31) {
        const BOOL digit = nChar >= '0' && nChar <= '9';
        if (!digit && nChar != '.' && nChar != '-')
            return TRUE;
        if (nChar == '.' && !rules.bReal)
            return TRUE;
        if (nChar == '-' && !rules.bMinus)
            return TRUE;
    }
    const int length = text.GetLength();
    if (nStart > nEnd) {
        const int swap = nStart;
        nStart = nEnd;
        nEnd = swap;
    }
    nStart = nStart < 0 ? 0 : (nStart > length ? length : nStart);
    nEnd = nEnd > length ? length : nEnd;

    if (nChar == 8 || nChar == 12) {
        if (nStart == nEnd) {
            if (nChar == 8)
                copy = nStart > 0 ? DeleteRange(text, nStart - 1, nStart) : text;
            else
                copy = DeleteRange(text, nStart, nStart + 1);
        } else {
            copy = DeleteRange(text, nStart, nEnd);
        }
        copy = WithoutCommas(copy);
        return rules.bMinMax && !copy.IsEmpty() && ValueOf(copy) < rules.dMin;
    }
    if (nChar == '-') {
        copy = DeleteRange(text, nStart, nEnd);
        copy.Insert(nStart, '-');
        // A minus anywhere but in front refuses (a second one lands behind the first).
        return copy.Find('-', 1) >= 0;
    }
    if (nChar == '.') {
        copy = DeleteRange(text, nStart, nEnd);
        if (copy.Find('.') >= 0)
            return TRUE;
        copy.Insert(nStart, '.');
        copy = WithoutCommas(copy);
        return FALSE;
    }
    copy = DeleteRange(text, nStart, nEnd);
    copy.Insert(nStart, static_cast<char>(nChar));
    copy = WithoutCommas(copy);
    if (rules.bMinMax && ValueOf(copy) > rules.dMax)
        return TRUE;
    if (rules.bReal && rules.nDecimals > 0 && DecimalsOf(copy) > rules.nDecimals)
        return TRUE;
    return FALSE;
}

} // namespace

BOOL IsNotInputChar(const NumericRules& rules, const CString& text, int nStart, int nEnd, UINT nChar)
{
    CString copy;
    return Judge(rules, text, nStart, nEnd, nChar, copy);
}

BOOL TypeIntoNumber(const NumericRules& rules, const CString& text, int nStart, int nEnd, UINT nChar, CString& out)
{
    CString copy;
    if (Judge(rules, text, nStart, nEnd, nChar, copy))
        return FALSE;
    out = WithoutCommas(copy);
    return TRUE;
}

BOOL PasteIntoNumber(const NumericRules& rules, const CString& text, int nStart, int nEnd, const CString& pasted,
                     CString& out)
{
    if (nStart > nEnd) {
        const int swap = nStart;
        nStart = nEnd;
        nEnd = swap;
    }
    // The selection goes first, then each character is typed where the caret then stands.
    CString work = WithoutCommas(DeleteRange(text, nStart, nEnd));
    int caret = WithoutCommas(text.Left(nStart > 0 ? nStart : 0)).GetLength();
    if (caret > work.GetLength())
        caret = work.GetLength();
    for (int i = 0; i < pasted.GetLength(); ++i) {
        const UINT ch = static_cast<unsigned char>(pasted[i]);
        if (ch == ',')
            continue; // a pasted number may carry its own separators
        CString next;
        if (ch < 32 || !TypeIntoNumber(rules, work, caret, caret, ch, next))
            return FALSE;
        work = next;
        ++caret;
    }
    out = work;
    return TRUE;
}

CString SeparatorText(const CString& plain)
{
    char buffer[WIDGETKIT_MAX_NUMBER_INPUT + 1];
    const int length = plain.GetLength() > WIDGETKIT_MAX_NUMBER_INPUT ? WIDGETKIT_MAX_NUMBER_INPUT : plain.GetLength();
    memcpy(buffer, plain.GetString(), length);
    buffer[length] = '\0';
    // ApplyComma leaves a text that would outgrow its bound as it is, so the buffer holds.
    ApplyComma(buffer);
    return CString(buffer);
}

CString StripSeparators(const CString& text)
{
    return WithoutCommas(text);
}

int CaretAfterSeparators(const CString& typed, int nCaret)
{
    const CString plain = WithoutCommas(typed);
    if (nCaret != plain.GetLength())
        return nCaret;
    return nCaret + SeparatorText(plain).GetLength() - plain.GetLength();
}
