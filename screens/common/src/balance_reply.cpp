// The asset balance's reply: every coin's record with its won amounts cut to the record's
// fields and kept whole beside it, and the 64-bit won sums.
#include "BalanceView.h"

#include <climits>
#include <cmath>
#include <cstring>

#include "ExchangeReply.h"

const char* const BALANCE_COINS[BALANCE_COIN_COUNT] = {"btc", "eth",  "dash", "ltc",  "etc", "xrp",
                                                       "bch", "xmr", "zec",  "qtum", "btg", "eos"};

namespace {

// Blank-padded copy of text into a field of n bytes, cut at n.
void PutPadded(char* field, size_t n, const CString& text)
{
    memset(field, ' ', n);
    const size_t length = static_cast<size_t>(text.GetLength());
    memcpy(field, (LPCSTR)text, length < n ? length : n);
}

// The text under a key of "data"; FALSE when the key is missing or holds no text.
BOOL TextOf(const Json::Value& data, const CString& key, CString& text)
{
    const Json::Value& value = data[(LPCSTR)key];
    if (!value.isString())
        return FALSE;
    text = value.asCString();
    return TRUE;
}

// Units times the last price, cut toward zero; a product beyond 64 bits stays at its end.
LONGLONG AmountOf(double units, LONGLONG last)
{
    const double amount = std::trunc(units * static_cast<double>(last));
    if (!(amount > -9.2e18))
        return amount < 0 ? -9200000000000000000LL : 0;
    if (amount >= 9.2e18)
        return 9200000000000000000LL;
    return static_cast<LONGLONG>(amount);
}

BOOL ReadCoin(const Json::Value& data, const char* low, BalanceCoin& coin)
{
    CString total, inUse, available, last;
    CString key;
    key.Format("xcoin_last_%s", low);
    if (!TextOf(data, key, last))
        return FALSE;
    key.Format("total_%s", low);
    if (!TextOf(data, key, total))
        return FALSE;
    key.Format("in_use_%s", low);
    if (!TextOf(data, key, inUse))
        return FALSE;
    key.Format("available_%s", low);
    if (!TextOf(data, key, available))
        return FALSE;
    const LONGLONG price = TextToWhole(last);
    BALANCE_RECORD& r = coin.record;
    r.dTotalUnits = TextToDecimal(total);
    r.dInUseUnits = TextToDecimal(inUse);
    r.dAvailableUnits = TextToDecimal(available);
    coin.llTotal = AmountOf(r.dTotalUnits, price);
    coin.llInUse = AmountOf(r.dInUseUnits, price);
    coin.llAvailable = AmountOf(r.dAvailableUnits, price);
    r.nTotalAmount = CutToInt32(coin.llTotal);
    r.nInUseAmount = CutToInt32(coin.llInUse);
    r.nAvailableAmount = CutToInt32(coin.llAvailable);
    CString code(low);
    code.MakeUpper();
    // The display name comes from the coin manager when the view shows the row.
    memset(r.szName, ' ', sizeof r.szName);
    PutPadded(r.szCode, sizeof r.szCode, code);
    return TRUE;
}

} // namespace

void ReadBalanceReply(const CString& reply, BalanceReply& out)
{
    out.outcome = BalanceReply::FAILED;
    out.strMessage.Empty();
    out.coins.clear();
    out.llKrw = 0;
    out.llCoinSum = 0;
    Json::Value root;
    long status = 0;
    if (!ParseExchangeReply(reply, root) || !ReadReplyStatus(root, status))
        return;
    if (status != 0) {
        const Json::Value& message = root["message"];
        if (message.isString()) {
            out.outcome = BalanceReply::REFUSED;
            out.strMessage = message.asCString();
        }
        return;
    }
    const Json::Value& data = root["data"];
    if (!data.isObject())
        return;
    std::vector<BalanceCoin> coins(BALANCE_COIN_COUNT);
    LONGLONG sum = 0;
    for (int i = 0; i < BALANCE_COIN_COUNT; ++i) {
        if (!ReadCoin(data, BALANCE_COINS[i], coins[i]))
            return;
        sum = AddWon(sum, coins[i].llTotal);
    }
    LONGLONG krw = 0;
    if (!JsonToWonAmount(data["available_krw"], krw))
        return;
    out.coins.swap(coins);
    out.llKrw = krw;
    out.llCoinSum = sum;
    out.outcome = BalanceReply::DONE;
}

