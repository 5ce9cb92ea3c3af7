#include "order_rules.h"

#include <math.h>
#include <stdlib.h>

namespace tokenboard {

namespace {

struct CoinDecimals
{
    const char* code;
    int decimals;
};

const CoinDecimals kDecimals[] = {
    {"BTC", 3}, {"ZEC", 3},
    {"ETH", 2}, {"DASH", 2}, {"XMR", 2}, {"BTG", 2},
    {"LTC", 1}, {"ETC", 1}, {"QTUM", 1},
};

// Largest count of smallest steps that is exactly representable and fits a LONGLONG.
const double kMaxSteps = 9.0e15;

// floor() of a non-negative number of steps; a value within a few units in the last place
// below the next whole step is that step (0.513 x 1000 may come out as 512.9999999999999).
LONGLONG WholeSteps(double dSteps)
{
    double whole = floor(dSteps);
    double next = whole + 1.0;
    if (next - dSteps <= dSteps * 1e-15)
        whole = next;
    return static_cast<LONGLONG>(whole);
}

} // namespace

const char kBalancePath[] = "/info/balance";
const char kBuyPath[] = "/trade/market_buy";
const char kSellPath[] = "/trade/market_sell";

CString BalanceParams(LPCSTR pszCode)
{
    CString params;
    params.Format("currency=%s", pszCode);
    return params;
}

CString OrderParams(LPCSTR pszUnits, LPCSTR pszCode)
{
    CString params;
    params.Format("units=%s&currency=%s", pszUnits, pszCode);
    return params;
}

int VolumeDecimals(LPCSTR pszCode)
{
    CString code(pszCode ? pszCode : "");
    code.MakeUpper();
    for (const CoinDecimals& entry : kDecimals)
        if (code == entry.code)
            return entry.decimals;
    return 0;
}

double OrderVolume(LONGLONG nMoney, double dPercent, LONGLONG nPrice)
{
    if (nPrice <= 0)
        return -1;
    double amount = static_cast<double>(nMoney) * dPercent / 100.0;
    if (!(amount >= 1.0)) // also NaN
        return 0;
    return trunc(amount) / static_cast<double>(nPrice);
}

CString FormatVolume(LPCSTR pszCode, double dQuantity)
{
    const int decimals = VolumeDecimals(pszCode);
    double scale = 1.0;
    for (int i = 0; i < decimals; ++i)
        scale *= 10.0;

    const bool negative = dQuantity < 0;
    double steps = fabs(dQuantity) * scale;
    LONGLONG units = 0;
    if (steps < kMaxSteps) // NaN and absurd sizes give 0
        units = WholeSteps(steps);

    // Digits of the whole steps, at least one more than the decimals ("0.012", not ".012").
    const LONGLONG count = units;
    char digits[32];
    int len = 0;
    do
    {
        digits[len++] = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units != 0 || len <= decimals);

    CString text(negative && count != 0 ? "-" : "");
    for (int i = len - 1; i >= 0; --i)
    {
        text += digits[i];
        if (i == decimals && decimals > 0)
            text += '.';
    }
    return text;
}

bool IsPositiveVolume(const CString& strUnits)
{
    const char* text = strUnits;
    char* end = NULL;
    double value = strtod(text, &end);
    return end != text && value > 0;
}

} // namespace tokenboard
