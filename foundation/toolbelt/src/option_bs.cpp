// The "Option" set: erfc-based normal distribution, no dividend, signed by position side.
#include "OptionPricing.h"

#include <math.h>

namespace {

double Density(double x)
{
    return exp(-x * x / 2.0) / sqrt(6.283184);
}

// Complementary error function by its Chebyshev fit (fractional error below 1.2e-7).
double Erfc(double z)
{
    const double a = fabs(z);
    const double t = 1.0 / (1.0 + a / 2.0);
    const double value =
        t * exp(-a * a - 1.26551223 +
                t * (1.00002368 +
                     t * (0.37409196 +
                          t * (0.09678418 +
                               t * (-0.18628806 +
                                    t * (0.27886807 +
                                         t * (-1.13520398 +
                                              t * (1.48851587 + t * (-0.82215223 + 0.17087277 * t)))))))));
    return z < 0 ? 2.0 - value : value;
}

double Cumulative(double x)
{
    const double z = -x / sqrt(2.0);
    if (fabs(z) > 13.2)
        return x < 0 ? 0.0 : 1.0;
    return Erfc(z) / 2.0;
}

struct Terms
{
    double T, d1, d2;
};

Terms Compute(double S, double K, double r, double sigma, int days)
{
    Terms t;
    t.T = days / 365.0;
    const double root = sigma * sqrt(t.T);
    t.d1 = (log(S / K) + (r + sigma * sigma / 2.0) * t.T) / root;
    t.d2 = t.d1 - root;
    return t;
}

bool IsCall(int kind) { return kind == 1 || kind == '2'; }
bool IsPut(int kind) { return kind == 2 || kind == '3'; }
bool IsSold(int side) { return side == 1 || side == '1'; }
bool IsBought(int side) { return side == 2 || side == '2'; }

} // namespace

double BSPricing(double S, double K, double r, double sigma, int days, int kind)
{
    if (days < 1)
        return 0.0;
    const Terms t = Compute(S, K, r, sigma, days);
    const double discount = exp(-r * t.T);
    if (IsCall(kind))
        return Cumulative(t.d1) * S - Cumulative(t.d2) * discount * K;
    if (IsPut(kind))
        return Cumulative(-t.d2) * discount * K - Cumulative(-t.d1) * S;
    return 0.0;
}

double ImpliedVolatility(double quotedPrice, double S, double K, double r, double sigma0, int days,
                         int kind)
{
    double sigma = sigma0;
    for (int i = 0; i < 1000; ++i) {
        const double price = BSPricing(S, K, r, sigma, days, kind);
        if (fabs(quotedPrice - price) < 0.0001)
            return sigma;
        const Terms t = Compute(S, K, r, sigma, days);
        const double slope = Density(t.d1) * sqrt(t.T) * S;
        if (!(slope >= 1e-9))
            return 0.0;
        sigma -= (price - quotedPrice) / slope;
    }
    return sigma;
}

double OptionDelta(double S, double K, double r, double sigma, int days, int kind, int side)
{
    const Terms t = Compute(S, K, r, sigma, days);
    double delta;
    if (IsCall(kind))
        delta = Cumulative(t.d1);
    else if (IsPut(kind))
        delta = Cumulative(t.d1) - 1.0;
    else
        return 0.0;
    return IsSold(side) ? -delta : delta;
}

double OptionGamma(double S, double K, double r, double sigma, int days, int side)
{
    const Terms t = Compute(S, K, r, sigma, days);
    const double gamma = Density(t.d1) / (sqrt(t.T) * S * sigma);
    return IsSold(side) ? -gamma : gamma;
}

double OptionVega(double S, double K, double r, double sigma, int days, int side)
{
    const Terms t = Compute(S, K, r, sigma, days);
    const double vega = Density(t.d1) * sqrt(t.T) * S / 100.0;
    return IsSold(side) ? -vega : vega;
}

double OptionTheta(double S, double K, double r, double sigma, int days, int kind, int side)
{
    const Terms t = Compute(S, K, r, sigma, days);
    const double decay = Density(t.d1) * S * sigma / (2.0 * sqrt(t.T));
    const double carry = exp(-r * t.T) * K * r;
    double theta;
    if (IsCall(kind))
        theta = Cumulative(t.d2) * carry + decay;
    else if (IsPut(kind))
        theta = decay - Cumulative(-t.d2) * carry;
    else
        theta = 0.0;
    if (IsBought(side))
        theta = -theta;
    return theta / 365.0;
}

double OptionRho(double S, double K, double r, double sigma, int days, int kind, int side)
{
    const Terms t = Compute(S, K, r, sigma, days);
    const double base = K * t.T * exp(-r * t.T);
    double rho;
    if (IsCall(kind))
        rho = base * Cumulative(t.d2);
    else if (IsPut(kind))
        rho = -base * Cumulative(-t.d2);
    else
        return 0.0;
    if (IsSold(side))
        rho = -rho;
    return rho / 100.0;
}
