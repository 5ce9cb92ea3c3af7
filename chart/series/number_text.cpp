// Texts of packed times and of scaled numbers.
#include "ChartText.h"

#include <cstdlib>

CString FormatTimeValue(int value, int kind)
{
    int a = value / 10000, b = value % 10000 / 100, c = value % 100;
    CString text;
    switch (kind)
    {
    case 0:
    case 1:
        text.Format("%02d/%02d/%02d", a, b, c);
        break;
    case 2:
        text.Format("%02d/%02d", b, c);
        break;
    case 3:
    case 4:
        text.Format("%02d:%02d:%02d", a, b, c);
        break;
    default:
        break;
    }
    return text;
}

CString FormatFraction(LPCSTR digits, int base)
{
    CString decimal("0.");
    decimal += digits ? digits : "";
    double fraction = atof(decimal);
    CString text;
    if (base == 8)
        text.Format("%.0f", fraction * 8);
    else
        text.Format("%05.2f", fraction * base);
    return text;
}

namespace
{
// Printed places are kept to what a double can show.
int ClampPlaces(int places)
{
    return places < 0 ? 0 : (places > 15 ? 15 : places);
}
} // namespace

CString FormatNumberValue(int value, int fractionBase, int precision, LPCSTR suffix, int divisor, int decimals,
                          int decimalsOverride)
{
    double scale;
    int shift, places;
    if (precision > 0 || fractionBase > 0)
    {
        shift = ClampPlaces(decimalsOverride > 0 ? decimalsOverride : decimals);
        scale = 1;
        for (int i = 0; i < shift; ++i)
            scale *= 10;
        places = precision;
    }
    else
    {
        scale = divisor;
        shift = 0;
        for (int d = divisor; d >= 10; d /= 10)
            ++shift;
        places = decimals;
    }
    // Double, not float: every 32-bit value prints exactly.
    double number = value;
    if (shift != 0)
        number /= scale;
    CString text;
    text.Format("%.*f", ClampPlaces(places), number);

    int p = text.Find('.');
    if (p < 0)
        p = text.GetLength();
    if (precision < 0)
    {
        if (p > 0)
            for (int pos = p - 3; pos > 0; pos -= 3)
            {
                char before = text[pos - 1];
                if (before != '+' && before != '-')
                    text.Insert(pos, ',');
            }
    }
    else if (p > 0 && fractionBase != 10)
    {
        CString digits = p < text.GetLength() ? text.Mid(p + 1) : CString();
        while (digits.GetLength() < precision)
            digits += '0';
        text = text.Left(p) + "'" + FormatFraction(digits, fractionBase);
    }
    if (suffix)
        text += suffix;
    return text;
}
