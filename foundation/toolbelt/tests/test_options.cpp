// Option prices against textbook values, put-call parity, Greeks against finite differences.
#include <gtest/gtest.h>

#include "OptionPricing.h"

#include <math.h>

namespace {

// Textbook cases (T = 1 year where days = 365).
struct PriceCase
{
    double S, K, r, sigma;
    int days;
    double call, put;
};

const PriceCase kTextbook[] = {
    {100, 100, 0.05, 0.20, 365, 10.4506, 5.5735},
    {100, 110, 0.05, 0.20, 365, 6.0401, 10.6753},
    {100, 100, 0.00, 0.20, 365, 7.9656, 7.9656}, // a rate of 0 is a valid rate
    {42, 40, 0.10, 0.20, 365, 6.8371, 1.0306},
};

} // namespace

TEST(OptionSet, PricesMatchTextbookValuesAndParity)
{
    for (const PriceCase& c : kTextbook) {
        const double call = BSPricing(c.S, c.K, c.r, c.sigma, c.days, '2');
        const double put = BSPricing(c.S, c.K, c.r, c.sigma, c.days, '3');
        EXPECT_NEAR(call, c.call, 5e-4) << c.S << "/" << c.K << " r " << c.r;
        EXPECT_NEAR(put, c.put, 5e-4) << c.S << "/" << c.K << " r " << c.r;
        EXPECT_NEAR(BSPricing(c.S, c.K, c.r, c.sigma, c.days, 1), call, 1e-12);
        EXPECT_NEAR(BSPricing(c.S, c.K, c.r, c.sigma, c.days, 2), put, 1e-12);
        const double T = c.days / 365.0;
        EXPECT_NEAR(call - put, c.S - c.K * exp(-c.r * T), 1e-5);
    }
    EXPECT_EQ(BSPricing(100, 100, 0.05, 0.2, 0, '2'), 0.0);
    EXPECT_EQ(BSPricing(100, 100, 0.05, 0.2, 365, '9'), 0.0);
}

TEST(FnSet, PricesMatchTextbookValuesParityAndIntrinsicValueAtExpiry)
{
    for (const PriceCase& c : kTextbook) {
        const double call = fnTheoPrice('2', c.S, c.K, 0, 0, c.days, 365, c.r, c.sigma);
        const double put = fnTheoPrice('3', c.S, c.K, 0, 0, c.days, 365, c.r, c.sigma);
        EXPECT_NEAR(call, c.call, 5e-4);
        EXPECT_NEAR(put, c.put, 5e-4);
        EXPECT_NEAR(call - put, c.S - c.K * exp(-c.r * c.days / 365.0), 1e-5);
    }
    // Hull's example: S 42, K 40, r 10 %, sigma 20 %, half a year.
    EXPECT_NEAR(fnTheoPrice('2', 42, 40, 0, 0, 182.5, 365, 0.1, 0.2), 4.7594, 5e-4);
    EXPECT_NEAR(fnTheoPrice('3', 42, 40, 0, 0, 182.5, 365, 0.1, 0.2), 0.8086, 5e-4);
    // A dividend of 2 over the whole period lowers the underlying to 98.
    EXPECT_NEAR(fnTheoPrice('2', 100, 100, 0, 2, 365, 365, 0.05, 0.2),
                fnTheoPrice('2', 98, 100, 0, 0, 365, 365, 0.05, 0.2), 1e-12);
    // At expiry: the intrinsic value, whatever sigma.
    EXPECT_EQ(fnTheoPrice('2', 105, 100, 0, 0, 0, 365, 0.05, 0.9), 5.0);
    EXPECT_EQ(fnTheoPrice('3', 105, 100, 0, 0, 0, 365, 0.05, 0.1), 0.0);
    EXPECT_EQ(fnTheoPrice('3', 95, 100, 0, 0, 0, 365, 0.05, 0.1), 5.0);
}

TEST(FnSet, GreeksMatchFiniteDifferences)
{
    const double S = 100, K = 95, days = 120, r = 0.04, sigma = 0.3, h = 1e-3;
    for (char kind : {'2', '3'}) {
        auto price = [&](double s, double k, double d, double rate, double vol) {
            return fnTheoPrice(kind, s, k, 0, 0, d, 365, rate, vol);
        };
        const double delta = (price(S + h, K, days, r, sigma) - price(S - h, K, days, r, sigma)) / (2 * h);
        EXPECT_NEAR(fnDelta(kind, S, K, 0, days, 365, r, sigma), delta, 1e-4) << kind;
        const double gamma =
            (price(S + 0.1, K, days, r, sigma) - 2 * price(S, K, days, r, sigma) + price(S - 0.1, K, days, r, sigma)) / 0.01;
        EXPECT_NEAR(fnGamma(kind, S, K, 0, days, 365, r, sigma), gamma, 1e-4) << kind;
        const double vega = (price(S, K, days, r, sigma + h) - price(S, K, days, r, sigma - h)) / (2 * h) * 0.01;
        EXPECT_NEAR(fnVega(S, K, 0, days, 365, r, sigma), vega, 1e-5) << kind;
        const double rho = (price(S, K, days, r + h, sigma) - price(S, K, days, r - h, sigma)) / (2 * h) * 0.01;
        EXPECT_NEAR(fnRho(kind, S, K, 0, days, 365, r, sigma), rho, 1e-5) << kind;
        // One calendar day less.
        const double theta = price(S, K, days - 1, r, sigma) - price(S, K, days, r, sigma);
        EXPECT_NEAR(fnTheta(kind, S, K, 0, days, 365, r, sigma), theta, 2e-3) << kind;
    }
}

TEST(OptionSet, GreeksMatchFiniteDifferencesAndTurnWithTheSide)
{
    const double S = 100, K = 105, r = 0.03, sigma = 0.25, h = 1e-3;
    const int days = 90;
    const struct
    {
        int kind;
    } kinds[] = {{'2'}, {'3'}};
    for (const auto& k : kinds) {
        auto price = [&](double s, double rate, double vol, int d) { return BSPricing(s, K, rate, vol, d, k.kind); };
        const double delta = (price(S + h, r, sigma, days) - price(S - h, r, sigma, days)) / (2 * h);
        EXPECT_NEAR(OptionDelta(S, K, r, sigma, days, k.kind, '2'), delta, 1e-4);
        EXPECT_NEAR(OptionDelta(S, K, r, sigma, days, k.kind, '1'), -delta, 1e-4);
        const double vega = (price(S, r, sigma + h, days) - price(S, r, sigma - h, days)) / (2 * h) / 100;
        EXPECT_NEAR(OptionVega(S, K, r, sigma, days, 2), vega, 1e-5);
        EXPECT_NEAR(OptionVega(S, K, r, sigma, days, 1), -vega, 1e-5);
        const double rho = (price(S, r + h, sigma, days) - price(S, r - h, sigma, days)) / (2 * h) / 100;
        EXPECT_NEAR(OptionRho(S, K, r, sigma, days, k.kind, '2'), rho, 1e-5);
        // A bought position loses value as a day passes.
        const double theta = price(S, r, sigma, days - 1) - price(S, r, sigma, days);
        EXPECT_NEAR(OptionTheta(S, K, r, sigma, days, k.kind, '2'), theta, 2e-3);
        EXPECT_NEAR(OptionTheta(S, K, r, sigma, days, k.kind, '1'), -theta, 2e-3);
    }
    const double gamma = (BSPricing(S + 0.1, K, r, sigma, days, 1) - 2 * BSPricing(S, K, r, sigma, days, 1) +
                          BSPricing(S - 0.1, K, r, sigma, days, 1)) / 0.01;
    EXPECT_NEAR(OptionGamma(S, K, r, sigma, days, 2), gamma, 1e-4);
    EXPECT_NEAR(OptionGamma(S, K, r, sigma, days, '1'), -gamma, 1e-4);
    EXPECT_EQ(OptionDelta(S, K, r, sigma, days, 7, 2), 0.0);
}

TEST(ImpliedVolatility, RecoversTheVolatilityOfAPrice)
{
    const struct
    {
        double S, K, r, sigma;
        int days;
        char kind;
    } cases[] = {{100, 100, 0.05, 0.20, 365, '2'}, {100, 110, 0.0, 0.35, 60, '3'}, {250, 240, 0.03, 0.6, 30, '2'}};
    for (const auto& c : cases) {
        const double quoted = BSPricing(c.S, c.K, c.r, c.sigma, c.days, c.kind);
        EXPECT_NEAR(ImpliedVolatility(quoted, c.S, c.K, c.r, 0.5, c.days, c.kind), c.sigma, 1e-4);
        const double fnQuoted = fnTheoPrice(c.kind, c.S, c.K, 0, 0, c.days, 365, c.r, c.sigma);
        EXPECT_NEAR(fnImpVola(c.kind, c.S, c.K, fnQuoted, 0, c.days, 365, c.r), c.sigma, 1e-3);
    }
    // Below the price at 1 % volatility.
    EXPECT_EQ(fnImpVola('2', 100, 100, 0.01, 0, 30, 365, 0.05), 0.0001);
}

TEST(PositionFunctions, ProfitLossAtmStrikeAndRate)
{
    // A sold call expiring out of the money keeps its premium.
    EXPECT_DOUBLE_EQ(CalcOptionPL('2', '1', 3, 1.5, 260, 255), 4.5);
    EXPECT_DOUBLE_EQ(CalcOptionPL(1, '2', 2, 1.5, 260, 265), 7.0);
    EXPECT_DOUBLE_EQ(CalcOptionPL('3', '2', 1, 2.0, 260, 250), 8.0);
    EXPECT_DOUBLE_EQ(CalcOptionPL('1', '1', 2, 250, 0, 252), -20.0); // futures, multiplier 5

    const struct
    {
        double price, atm;
    } atms[] = {{256.4, 257.5}, {256.2, 255.0}, {253.7, 252.5}, {250.0, 250.0}};
    for (const auto& c : atms)
        EXPECT_DOUBLE_EQ(GetATM(c.price), c.atm) << c.price;

    const struct
    {
        int base, diff;
        char sign;
        int rate;
    } rates[] = {{1000, 25, '2', 250}, {1000, 25, '5', -250}, {0, 25, '2', 0},
                 {10000, 12345, '2', 12345}, {810, 1, '4', -12}};
    for (const auto& c : rates)
        EXPECT_EQ(GetUDRate(c.base, c.diff, c.sign), c.rate) << c.base << " " << c.diff << " " << c.sign;
}
