// Drivers of the exchange's JSON replies: the three market-data readers of the feeds (with the
// error notice they build), and the balance and order readers of automatic trading behind the
// private requests' own JSON check.
#include <gtest/gtest.h>
#include <string.h>

#include "FuzzHarness.h"
#include "ZembraParser.h"
#include "exchange_replies.h"
#include "json_text.h"

namespace {

const std::vector<std::string> kJsonTokens = {"[", "]", "{", "}", "\"", ":", ",", "{\"a\":", "[[[[", "\\u0000",
                                              "\\ud800", "\\\"", "null", "true", "1e999", "-0", "\"status\"",
                                              "\"data\"", "\"0000\"", "\"5600\"", "/*", "*/", "//", "\xEC\x9E",
                                              "\xFF", "\"BTC\"", "\"date\""};

std::vector<std::string> MarketFixtures()
{
    return {fuzz::EmbeddedFixture("EXCHANGE_TICKER_ALL"), fuzz::EmbeddedFixture("EXCHANGE_FILL_LIST"),
            fuzz::EmbeddedFixture("EXCHANGE_ORDERBOOK"), fuzz::EmbeddedFixture("EXCHANGE_REFUSED")};
}

std::vector<std::string> AccountFixtures()
{
    return {fuzz::EmbeddedFixture("EXCHANGE_BALANCE"), fuzz::EmbeddedFixture("EXCHANGE_MARKET_BUY"),
            fuzz::EmbeddedFixture("EXCHANGE_MARKET_SELL"), fuzz::EmbeddedFixture("EXCHANGE_REFUSED")};
}

// What a feed does with an exchange error: the notice for the main window.
void Notice(int result, const char* title, const CString& message)
{
    if (result != ZEMBRA_PARSE_ERROR)
        return;
    SYSTEMTIME st = {};
    GetLocalTime(&st);
    tagAPIErrorNotice notice;
    CZembraParser::BuildErrorNotice(st, title, message, notice);
}

void Ticker(const std::string& in, fuzz::Random&)
{
    // The feed's buffer holds every record a reply may bring; a smaller one must hold too.
    tagTickerInfo recs[ZEMBRA_LISTED_COINS];
    int n = -1;
    CString message;
    const int result = CZembraParser::ParseTicker(in.data(), int(in.size()), recs, ZEMBRA_LISTED_COINS, n, message);
    EXPECT_GE(n, 0);
    EXPECT_LE(n, ZEMBRA_LISTED_COINS);
    for (int i = 0; i < n; ++i) {
        const std::string code(recs[i].szCoinCode, strnlen(recs[i].szCoinCode, sizeof recs[i].szCoinCode));
        EXPECT_TRUE(CZembraParser::IsListedCoin(CString(code.c_str()).Trim())) << code;
    }
    int small = -1;
    CZembraParser::ParseTicker(in.data(), int(in.size()), recs, 2, small, message);
    EXPECT_LE(small, 2);
    Notice(result, ZEMBRA_TITLE_TICKER, message);
}

void FillList(const std::string& in, fuzz::Random&)
{
    tagFillListInfo rec;
    CString code, message;
    const int result = CZembraParser::ParseFillList(in.data(), int(in.size()), rec, code, message);
    EXPECT_TRUE(result == ZEMBRA_PARSE_DROPPED || result == ZEMBRA_PARSE_DATA || result == ZEMBRA_PARSE_ERROR);
    Notice(result, ZEMBRA_TITLE_FILL, message);
}

void OrderBook(const std::string& in, fuzz::Random&)
{
    tagHogaInfo rec;
    CString code, message;
    const int result = CZembraParser::ParseHoga(in.data(), int(in.size()), rec, code, message);
    EXPECT_TRUE(result == ZEMBRA_PARSE_DROPPED || result == ZEMBRA_PARSE_DATA || result == ZEMBRA_PARSE_ERROR);
    Notice(result, ZEMBRA_TITLE_HOGA, message);
}

// The private request's own check decides about a repeat, then the reader gives its verdict;
// both see the same text, so a text that is no JSON can never read as an answer.
void Balance(const std::string& in, fuzz::Random& random)
{
    const CString reply(in.data(), int(in.size()));
    const bool json = ParsesAsJson(reply, reply.GetLength());
    const char* coins[] = {"BTC", "ETH", "QTUM", "", "KRW"};
    tokenboard::BalanceReply r = tokenboard::ReadBalanceReply(reply, coins[random.Below(5)]);
    if (!json) {
        EXPECT_EQ(tokenboard::REPLY_UNREADABLE, r.verdict);
    }
}

void Order(const std::string& in, fuzz::Random&)
{
    const CString reply(in.data(), int(in.size()));
    const bool json = ParsesAsJson(reply, reply.GetLength());
    tokenboard::OrderReply r = tokenboard::ReadOrderReply(reply);
    if (!json) {
        EXPECT_EQ(tokenboard::REPLY_UNREADABLE, r.verdict);
    }
    if (r.verdict != tokenboard::REPLY_OK) {
        EXPECT_TRUE(r.fills.empty());
    }
}

const size_t kMaxReply = 64 * 1024;

fuzz::Registration ticker({"exchange_ticker", MarketFixtures, kJsonTokens, nullptr, nullptr, Ticker, kMaxReply, 3000});
fuzz::Registration fills({"exchange_fill_list", MarketFixtures, kJsonTokens, nullptr, nullptr, FillList, kMaxReply,
                          3000});
fuzz::Registration book({"exchange_order_book", MarketFixtures, kJsonTokens, nullptr, nullptr, OrderBook, kMaxReply,
                         3000});
fuzz::Registration balance({"exchange_balance", AccountFixtures, kJsonTokens, nullptr, nullptr, Balance, kMaxReply,
                            3000});
fuzz::Registration order({"exchange_order", AccountFixtures, kJsonTokens, nullptr, nullptr, Order, kMaxReply, 3000});

} // namespace
