// Drivers of the screens' own readings of the exchange's replies: the balance of every coin
// (screen 2000 and the balance page) and one coin's trade history (screen 2001 and the trade
// page). A reply gives whole rows or a failure, never a part of them.
#include <gtest/gtest.h>
#include <string.h>

#include <climits>
#include <cmath>

#include "BalanceView.h"
#include "FuzzHarness.h"
#include "HistoryView.h"

namespace {

const std::vector<std::string> kTokens = {"[", "]", "{", "}", "\"", ":", ",", "null", "true", "1e999", "-0",
                                          "9223372036854775808", "\"status\"", "\"data\"", "\"0000\"", "\"5600\"",
                                          "\"message\"", "\"available_krw\"", "\"total_btc\"", "\"xcoin_last_btc\"",
                                          "\"search\"", "\"transfer_date\"", "\"units\"", "\"price\"", "\"eth1krw\"",
                                          "\"-+ 1e308\"", "\"-99999999999999999999\"", "\xEC\x9E", "\xFF"};

std::vector<std::string> Fixtures()
{
    return {fuzz::EmbeddedFixture("EXCHANGE_BALANCE_ALL"), fuzz::EmbeddedFixture("EXCHANGE_USER_TRANSACTIONS"),
            fuzz::EmbeddedFixture("EXCHANGE_REFUSED")};
}

void Balance(const std::string& in, fuzz::Random&)
{
    BalanceReply r;
    ReadBalanceReply(CString(in.data(), int(in.size())), r);
    if (r.outcome != BalanceReply::DONE) {
        EXPECT_TRUE(r.coins.empty());
        return;
    }
    ASSERT_EQ(size_t(BALANCE_COIN_COUNT), r.coins.size());
    for (const BalanceCoin& coin : r.coins) {
        // The record's fields hold the whole amounts where they fit.
        if (coin.llTotal >= INT_MIN && coin.llTotal <= INT_MAX) {
            EXPECT_EQ(coin.llTotal, coin.record.nTotalAmount);
        }
        EXPECT_EQ(' ', coin.record.szCode[9]);
        EXPECT_TRUE(std::isfinite(coin.record.dTotalUnits) && std::isfinite(coin.record.dInUseUnits) &&
                    std::isfinite(coin.record.dAvailableUnits));
    }
}

void Trades(const std::string& in, fuzz::Random& random)
{
    const char* coins[] = {"ETH", "BTC", "QTUM"};
    TradeReply r;
    ReadTradeReply(CString(in.data(), int(in.size())), coins[random.Below(3)], r);
    EXPECT_EQ(!in.empty(), r.bCleared != FALSE);
    if (r.outcome != TradeReply::DONE) {
        EXPECT_TRUE(r.rows.empty());
    }
    for (const TradeRow& row : r.rows) {
        EXPECT_TRUE(row.record.nSearch == 1 || row.record.nSearch == 2);
        EXPECT_LT(strnlen(row.record.szDate, sizeof row.record.szDate), sizeof row.record.szDate);
        EXPECT_GE(row.record.dUnits, 0.0);
        EXPECT_TRUE(std::isfinite(row.record.dPrice) && std::isfinite(row.record.dFee));
    }
}

const size_t kMaxReply = 64 * 1024;

fuzz::Registration balance({"screens_balance", Fixtures, kTokens, nullptr, nullptr, Balance, kMaxReply, 3000});
fuzz::Registration trades({"screens_trades", Fixtures, kTokens, nullptr, nullptr, Trades, kMaxReply, 3000});

} // namespace
