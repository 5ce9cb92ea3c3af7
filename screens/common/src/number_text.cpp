// Texts of record fields and numbers for the screens' grids, and the screens' coin list.
#include "NumberText.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

const TRADE_COIN TRADE_COINS[TRADE_COIN_COUNT] = {
    {"BTC", "비트코인(BTC)"},   {"BCH", "비트코인캐시(BCH)"}, {"BTG", "비트코인골드(BTG)"},
    {"ETH", "이더리움(ETH)"},   {"ETC", "이더리움클래식(ETC)"}, {"XRP", "리플(XRP)"},
    {"LTC", "라이트코인(LTC)"}, {"DASH", "대시(DASH)"},        {"XMR", "모네로(XMR)"},
    {"ZEC", "지캐시(ZEC)"},     {"QTUM", "퀀텀(QTUM)"},        {"EOS", "이오스(EOS)"},
};

CString FieldToText(const char* bytes, int n)
{
    if (bytes == NULL || n <= 0)
        return CString();
    const void* zero = memchr(bytes, 0, static_cast<size_t>(n));
    const int len = zero != NULL ? static_cast<int>(static_cast<const char*>(zero) - bytes) : n;
    return CString(bytes, len);
}

CString FieldToTrimText(const char* bytes, int n)
{
    CString text = FieldToText(bytes, n);
    text.Trim(" ");
    return text;
}

BOOL IsNumberText(const char* text)
{
    if (text == NULL)
        return TRUE;
    BOOL significant = FALSE; // a character other than a blank, a sign or a leading zero met
    BOOL point = FALSE;
    for (const char* p = text; *p != 0; ++p) {
        const char c = *p;
        if (c == ' ') {
            if (significant)
                return FALSE;
            continue;
        }
        if (c == '-' || c == '+') {
            if (significant)
                return FALSE;
            continue;
        }
        if (c == '.') {
            if (point)
                return FALSE;
            point = TRUE;
            significant = TRUE;
            continue;
        }
        if (c < '0' || c > '9')
            return FALSE;
        if (c != '0')
            significant = TRUE;
    }
    return TRUE;
}

CString StripSignZeros(const char* text)
{
    CString trimmed(text != NULL ? text : "");
    trimmed.Trim(" ");
    CString sign;
    int i = 0;
    for (; i < trimmed.GetLength(); ++i) {
        const char c = trimmed[i];
        if (c == '-' || c == '+')
            sign += c;
        else if (c != '0')
            break;
    }
    CString rest = trimmed.Mid(i);
    if (rest.IsEmpty() || rest[0] == '.')
        rest = "0" + rest;
    return sign + rest;
}

CString FormatNumberText(const char* text)
{
    if (!IsNumberText(text))
        return CString();
    const CString plain = StripSignZeros(text);
    const int dot = plain.Find('.');
    CString whole = dot >= 0 ? plain.Left(dot) : plain;
    const CString fraction = dot >= 0 ? plain.Mid(dot) : CString();
    CString sign;
    if (!whole.IsEmpty() && (whole[0] == '-' || whole[0] == '+')) {
        sign = whole.Left(1);
        whole = whole.Mid(1);
    }
    CString grouped;
    const int len = whole.GetLength();
    for (int i = 0; i < len; ++i) {
        if (i > 0 && (len - i) % 3 == 0)
            grouped += ',';
        grouped += whole[i];
    }
    return sign + grouped + fraction;
}

CString IntToNumberText(LONGLONG value)
{
    char buf[32];
    snprintf(buf, sizeof buf, "%lld", static_cast<long long>(value));
    return FormatNumberText(buf);
}

CString DoubleToNumberText(double value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 16)
        decimals = 16;
    char format[16];
    snprintf(format, sizeof format, "%%0.%df", decimals);
    // The largest double printed in full is 309 digits and the decimals.
    char buf[352];
    snprintf(buf, sizeof buf, format, value);
    return FormatNumberText(buf);
}

int CoinCodeToRow(const char* code)
{
    CString text(code != NULL ? code : "");
    text.Trim(" ");
    for (int i = 0; i < TRADE_COIN_COUNT; ++i) {
        if (text == TRADE_COINS[i].code)
            return i + 1;
    }
    return -1;
}

CString RowToCoinCode(int index)
{
    if (index < 0 || index >= TRADE_COIN_COUNT)
        return CString();
    return TRADE_COINS[index].code;
}

LONGLONG FieldToInteger(const char* bytes, int n)
{
    const CString text = FieldToText(bytes, n);
    return _strtoi64(text, NULL, 10);
}

double FieldToDouble(const char* bytes, int n)
{
    const CString text = FieldToText(bytes, n);
    return strtod(text, NULL);
}
