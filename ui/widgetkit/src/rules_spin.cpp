// Spin steps by item kind, clamping into the range and the int range, and typed spin texts.
#include "WidgetRules.h"

#include <limits.h>
#include <stdio.h>

#include "NumberFormat.h"

LONGLONG SpinDelta(char kind, int nValue, int nDelta, int nStep)
{
    switch (kind) {
    case 'C':
    case 'P':
        // Option prices tick by 5 from 3.00 upwards; going down, 3.00 itself steps by 1.
        if (nValue >= (nDelta < 0 ? 301 : 300))
            return static_cast<LONGLONG>(nDelta) * 5;
        return nDelta;
    case 'F':
    case 'S':
        return static_cast<LONGLONG>(nDelta) * 5;
    default:
        return static_cast<LONGLONG>(nDelta) * nStep;
    }
}

int ClampSpin(LONGLONG value, int nLower, int nUpper)
{
    if (value > nUpper)
        value = nUpper;
    if (value < nLower)
        value = nLower;
    return static_cast<int>(value);
}

int SpinStep(int nValue, LONGLONG delta, int nLower, int nUpper)
{
    return ClampSpin(static_cast<LONGLONG>(nValue) + delta, nLower, nUpper);
}

namespace {

LONGLONG Power10(int n)
{
    LONGLONG p = 1;
    for (int i = 0; i < n && i < 18; ++i)
        p *= 10;
    return p;
}

} // namespace

CString SpinText(int nValue, int nDecimals)
{
    CString text;
    if (nDecimals <= 0)
        text.Format("%d", nValue);
    else
        text.Format("%.*f", nDecimals, static_cast<double>(nValue) / static_cast<double>(Power10(nDecimals)));
    return SeparatorText(text);
}

SpinParse ParseSpinText(const CString& typed, int nCaret, int nDecimals)
{
    CString text = typed;
    text.Trim();
    const int oldLength = text.GetLength();
    text.Remove(',');
    if (text.IsEmpty() || text == "-") {
        // Nothing typed yet: no value, and nothing added to the text.
        SpinParse empty = {0, text, nCaret < text.GetLength() ? nCaret : text.GetLength()};
        return empty;
    }

    // Integer digits beyond what an int holds would overflow the parse: such a value is the
    // bound of its sign.
    int integerDigits = 0;
    for (int i = 0; i < text.GetLength() && text[i] != '.'; ++i)
        if (text[i] >= '0' && text[i] <= '9')
            ++integerDigits;
    const BOOL negative = text.Find('-') >= 0;

    LONGLONG value = 0;
    BOOL appendedPoint = FALSE;
    if (nDecimals <= 0) {
        value = integerDigits > 12 ? (negative ? LLONG_MIN / 2 : LLONG_MAX / 2) : _atoi64(text);
    } else {
        if (integerDigits > 12)
            value = negative ? LLONG_MIN / 2 : LLONG_MAX / 2;
        else
            value = DblStrToInteger(text, text.GetLength(), static_cast<short>(nDecimals));
        const int point = text.Find('.');
        if (point < 0) {
            CString zeros;
            zeros.Format(".%0*d", nDecimals, 0);
            text += zeros;
            appendedPoint = TRUE;
        } else if (text.GetLength() - point - 1 > nDecimals) {
            text = text.Left(point + 1 + nDecimals);
        }
    }

    SpinParse parse;
    parse.nValue = ClampSpin(value, INT_MIN, INT_MAX);
    parse.strText = SeparatorText(text);
    parse.nCaret = nCaret + parse.strText.GetLength() - oldLength;
    if (appendedPoint)
        parse.nCaret -= nDecimals + 1;
    if (parse.nCaret < 0)
        parse.nCaret = 0;
    if (parse.nCaret > parse.strText.GetLength())
        parse.nCaret = parse.strText.GetLength();
    return parse;
}
