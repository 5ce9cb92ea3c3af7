#include "OptionPricing.h"

#include <math.h>

double CalcOptionPL(int kind, char side, int quantity, double entryPrice, double K,
                    double currentPrice)
{
    const double sign = (side == '1') ? -1.0 : 1.0;
    if (kind == '2' || kind == 1) {
        const double intrinsic = currentPrice > K ? currentPrice - K : 0.0;
        return (intrinsic - entryPrice) * sign * quantity;
    }
    if (kind == '3' || kind == 2) {
        const double intrinsic = K > currentPrice ? K - currentPrice : 0.0;
        return (intrinsic - entryPrice) * sign * quantity;
    }
    return (currentPrice - entryPrice) * sign * quantity * 5.0;
}

double GetATM(double price)
{
    return static_cast<double>(static_cast<long long>((price + 1.25) / 2.5)) * 2.5;
}

int GetUDRate(int base, int diff, char sign)
{
    if (base == 0)
        return 0;
    double rate = static_cast<double>(diff) / base * 100.0 * 100.0;
    if (sign == '4' || sign == '5')
        rate = -rate;
    return static_cast<int>(floor(rate + 0.5));
}
