// Black-Scholes prices, sensitivities and implied volatility of listed index options, with the
// at-the-money strike, position profit and loss and the rate of change shown beside a price.
// Symbols: S underlying, K strike, r annual rate (0.05), sigma annual volatility (0.25), days
// remaining (T = days / 365). No state; safe on any thread.
//
// "fn" set: kind '2' call, '3' put; an expected dividend D (over dayBase days) is taken off S.
// "Option" set: kind '2' or 1 call, '3' or 2 put; side '1' or 1 sold, '2' or 2 bought (the
// side turns the sign of the Greeks). Any other kind gives 0.
#pragma once

#include "ToolBeltApi.h"

TOOLBELT_API double fnTheoPrice(char kind, double S, double K, double quotedPrice, double D,
                                double days, double dayBase, double r, double sigma);
TOOLBELT_API double fnImpVola(char kind, double S, double K, double quotedPrice, double D,
                              double days, double dayBase, double r);
TOOLBELT_API double fnDelta(char kind, double S, double K, double D, double days, double dayBase,
                            double r, double sigma);
TOOLBELT_API double fnGamma(char kind, double S, double K, double D, double days, double dayBase,
                            double r, double sigma);
// Per calendar day.
TOOLBELT_API double fnTheta(char kind, double S, double K, double D, double days, double dayBase,
                            double r, double sigma);
// Per volatility point.
TOOLBELT_API double fnVega(double S, double K, double D, double days, double dayBase, double r,
                           double sigma);
// Per rate point.
TOOLBELT_API double fnRho(char kind, double S, double K, double D, double days, double dayBase,
                          double r, double sigma);

// 0 when days < 1; an interest rate of 0 is priced like any other.
TOOLBELT_API double BSPricing(double S, double K, double r, double sigma, int days, int kind);
TOOLBELT_API double ImpliedVolatility(double quotedPrice, double S, double K, double r,
                                      double sigma0, int days, int kind);
TOOLBELT_API double OptionDelta(double S, double K, double r, double sigma, int days, int kind,
                                int side);
TOOLBELT_API double OptionTheta(double S, double K, double r, double sigma, int days, int kind,
                                int side);
TOOLBELT_API double OptionRho(double S, double K, double r, double sigma, int days, int kind,
                              int side);
TOOLBELT_API double OptionVega(double S, double K, double r, double sigma, int days, int side);
TOOLBELT_API double OptionGamma(double S, double K, double r, double sigma, int days, int side);

// Profit or loss of a position at currentPrice (kind '2'/1 call, '3'/2 put, else futures
// with a multiplier of 5); side '1' is a sold position.
TOOLBELT_API double CalcOptionPL(int kind, char side, int quantity, double entryPrice, double K,
                                 double currentPrice);
// The strike on the 2.5 grid nearest to price.
TOOLBELT_API double GetATM(double price);
// diff / base in hundredths of a percent, rounded; negative for the falling signs '4' and '5'.
TOOLBELT_API int GetUDRate(int base, int diff, char sign);
