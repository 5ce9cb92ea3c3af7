// Sizing and formatting of market-order quantities: pure functions of their arguments.
#pragma once

#include <afx.h>

namespace tokenboard {

// The exchange's private paths the automatic trading uses.
extern const char kBalancePath[];
extern const char kBuyPath[];
extern const char kSellPath[];

// "currency=<code>" of a balance query; "units=<units>&currency=<code>" of a market order.
CString BalanceParams(LPCSTR pszCode);
CString OrderParams(LPCSTR pszUnits, LPCSTR pszCode);

// Number of decimals of a coin's order quantity (the code is upper-cased first): BTC, ZEC 3;
// ETH, DASH, XMR, BTG 2; LTC, ETC, QTUM 1; every other coin 0.
int VolumeDecimals(LPCSTR pszCode);

// Quantity that the share `dPercent` of `nMoney` won buys at `nPrice`: the won amount is cut to
// whole won, then divided by the price. -1 when the price is not positive (no usable price);
// 0 when the amount is not positive.
double OrderVolume(LONGLONG nMoney, double dPercent, LONGLONG nPrice);

// The quantity as the exchange takes it: cut toward zero to the coin's decimals, never
// rounded up, so that selling a whole holding or buying with all the money never asks for more
// than exists. Only the noise of binary floating point next to a step is absorbed.
CString FormatVolume(LPCSTR pszCode, double dQuantity);

// True when a quantity text reads as a number above zero.
bool IsPositiveVolume(const CString& strUnits);

} // namespace tokenboard
