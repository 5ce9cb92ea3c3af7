// Reading the exchange's replies to balance queries and market orders. Every member is read
// with its type checked, so a reply of unexpected shape is a failure, never an exception.
#pragma once

#include <afx.h>

#include <vector>

namespace tokenboard {

enum ReplyVerdict
{
    REPLY_UNREADABLE, // empty, not JSON, or not a JSON object
    REPLY_NO_STATUS,  // no "status", or one that is not a status code
    REPLY_REFUSED,    // a status other than 0 ("message" says why)
    REPLY_OK          // status 0 ("0000")
};

struct BalanceReply
{
    ReplyVerdict verdict = REPLY_UNREADABLE;
    CString message; // the exchange's "message", UTF-8 as sent
    bool hasMoney = false;
    LONGLONG availableKrw = 0; // data.available_krw
    bool hasQuantity = false;
    double availableCoin = 0; // data.available_<coin in lower case>
};

struct OrderFill
{
    CString contId;
    LONGLONG price = 0;
    double units = 0;
    LONGLONG total = 0;
    double fee = 0;
};

struct OrderReply
{
    ReplyVerdict verdict = REPLY_UNREADABLE;
    CString message; // UTF-8 as sent
    CString orderId; // trimmed
    std::vector<OrderFill> fills;
};

// What the account says of an order whose reply could not be read.
enum SettledOutcome
{
    SETTLED_CARRIED_OUT,
    SETTLED_NOT_CARRIED_OUT,
    SETTLED_UNKNOWN // the reads lack the figures to compare
};

// An order compared by the balances read before and after it: a buy carried out holds more of
// the coin, a sell less. A buy whose reads hold no coin figure is judged by the won available,
// which only a carried-out buy lowers.
SettledOutcome SettleByBalance(bool bBuy, const BalanceReply& before, const BalanceReply& after);

// A reply to "/info/balance" with "currency=<pszCoin>".
BalanceReply ReadBalanceReply(const CString& strReply, LPCSTR pszCoin);
// A reply to "/trade/market_buy" or "/trade/market_sell".
OrderReply ReadOrderReply(const CString& strReply);

} // namespace tokenboard
