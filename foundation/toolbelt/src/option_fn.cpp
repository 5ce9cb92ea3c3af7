// The "fn" set: Abramowitz-Stegun normal distribution, dividend-adjusted underlying.
#include "OptionPricing.h"

#include <math.h>

namespace {

double Density(double x)
{
    return exp(-x * x / 2.0) / sqrt(6.283185307179586);
}

// Abramowitz and Stegun 26.2.17.
double Cumulative(double x)
{
    if (x < 0)
        return 1.0 - Cumulative(-x);
    const double t = 1.0 / (1.0 + 0.2316419 * x);
    const double poly =
        t * (0.319381530 + t * (-0.356563782 + t * (1.781477937 + t * (-1.821255978 + t * 1.330274429))));
    return 1.0 - Density(x) * poly;
}

struct Terms
{
    double T, adjusted, d1, d2;
};

Terms Compute(double S, double K, double D, double days, double dayBase, double r, double sigma)
{
    Terms t;
    t.T = days / 365.0;
    t.adjusted = (D == 0.0) ? S : S - (days / dayBase) * D;
    const double root = sigma * sqrt(t.T);
    const double logRatio = log(t.adjusted / K);
    t.d1 = (logRatio + (r + sigma * sigma / 2.0) * t.T) / root;
    t.d2 = (logRatio + (r - sigma * sigma / 2.0) * t.T) / root;
    return t;
}

bool IsCall(char kind) { return kind == '2'; }
bool IsPut(char kind) { return kind == '3'; }

} // namespace

double fnTheoPrice(char kind, double S, double K, double, double D, double days, double dayBase,
                   double r, double sigma)
{
    if (days == 0.0) {
        if (IsCall(kind))
            return S > K ? S - K : 0.0;
        if (IsPut(kind))
            return K > S ? K - S : 0.0;
        return 0.0;
    }
    const Terms t = Compute(S, K, D, days, dayBase, r, sigma);
    const double discount = exp(-r * t.T);
    if (IsCall(kind))
        return Cumulative(t.d1) * t.adjusted - Cumulative(t.d2) * discount * K;
    if (IsPut(kind))
        return Cumulative(-t.d2) * discount * K - Cumulative(-t.d1) * t.adjusted;
    return 0.0;
}

double fnDelta(char kind, double S, double K, double D, double days, double dayBase, double r,
               double sigma)
{
    const Terms t = Compute(S, K, D, days, dayBase, r, sigma);
    if (IsCall(kind))
        return Cumulative(t.d1);
    if (IsPut(kind))
        return Cumulative(t.d1) - 1.0;
    return 0.0;
}

double fnGamma(char, double S, double K, double D, double days, double dayBase, double r,
               double sigma)
{
    const Terms t = Compute(S, K, D, days, dayBase, r, sigma);
    return Density(t.d1) / (t.adjusted * sigma * sqrt(t.T));
}

double fnTheta(char kind, double S, double K, double D, double days, double dayBase, double r,
               double sigma)
{
    const Terms t = Compute(S, K, D, days, dayBase, r, sigma);
    const double decay = S * Density(t.d1) * sigma / (2.0 * sqrt(365.0 * days));
    const double carry = exp(-r * t.T) * (r / 365.0) * K;
    if (IsCall(kind))
        return -decay - Cumulative(t.d2) * carry;
    if (IsPut(kind))
        return Cumulative(-t.d2) * carry - decay;
    return 0.0;
}

double fnVega(double S, double K, double D, double days, double dayBase, double r, double sigma)
{
    const Terms t = Compute(S, K, D, days, dayBase, r, sigma);
    return Density(t.d1) * sqrt(t.T) * t.adjusted * 0.01;
}

double fnRho(char kind, double S, double K, double D, double days, double dayBase, double r,
             double sigma)
{
    const Terms t = Compute(S, K, D, days, dayBase, r, sigma);
    const double base = K * t.T * exp(-r * t.T);
    if (IsCall(kind))
        return base * Cumulative(t.d2) * 0.01;
    if (IsPut(kind))
        return -base * Cumulative(-t.d2) * 0.01;
    return 0.0;
}

double fnImpVola(char kind, double S, double K, double quotedPrice, double D, double days,
                 double dayBase, double r)
{
    auto price = [&](double sigma) {
        return fnTheoPrice(kind, S, K, quotedPrice, D, days, dayBase, r, sigma);
    };
    auto slope = [&](double sigma) {
        const Terms t = Compute(S, K, D, days, dayBase, r, sigma);
        return Density(t.d1) * sqrt(t.T) * t.adjusted * 0.01;
    };
    if (price(0.01) >= quotedPrice)
        return 0.0001;
    double sigma = 0.505;
    double f = price(sigma) - quotedPrice;
    if (fabs(f) < 0.0001)
        return sigma;
    double low = 0.01, high = 1.0;
    double step = 0.99, previousStep = 0.99;
    double df = slope(sigma);
    // Newton's method, falling back to bisection whenever a step would leave the bracket or
    // not shrink fast enough.
    for (int i = 0; i < 1000; ++i) {
        const double before = sigma;
        bool newton = false;
        if (((sigma - high) * df - f) * ((sigma - low) * df - f) > 0 ||
            fabs(2.0 * f) > fabs(previousStep * df)) {
            previousStep = step;
            step = (high - low) / 2.0;
            sigma = low + step;
        } else {
            previousStep = step;
            step = f / df;
            sigma -= step;
            newton = true;
        }
        // An unchanged value ends the search only after a Newton step: the first bisection
        // midpoint of [0.01, 1] is the starting guess itself.
        if (fabs(step) < 0.0001 || (newton && sigma == before))
            return sigma;
        f = price(sigma) - quotedPrice;
        df = slope(sigma);
        if (f < 0)
            low = sigma;
        else
            high = sigma;
    }
    return sigma;
}
