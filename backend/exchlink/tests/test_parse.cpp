// JSON fixtures of the three public replies to byte-exact fixed records, and error notices.
#include <gtest/gtest.h>

#include <string.h>
#include <string>
#include "ZembraParser.h"
#include "json_text.h"
#include "local_clock.h"

namespace {

std::string Bytes(const void* p, size_t n)
{
    return std::string(static_cast<const char*>(p), n);
}

const char kDateMs[] = "1700000000123";

std::string TickerCoin(const char* price)
{
    return std::string("{\"opening_price\":\"100\",\"closing_price\":\"") + price +
           "\",\"min_price\":\"90\",\"max_price\":\"110\",\"average_price\":\"101.5\","
           "\"units_traded\":\"12.34\",\"volume_1day\":\"56.78\",\"volume_7day\":\"910.11\","
           "\"buy_price\":\"104\",\"sell_price\":\"106\"}";
}

TEST(TickerParse, ListedCoinsBecomeRecordsInAscendingCodeOrder)
{
    // Every listed coin, some that are not listed, and a price too long for its field.
    const char* coins[] = {"BTC", "BCH", "BTG", "ETH", "ETC", "XRP", "LTC", "DASH", "XMR", "ZEC", "QTUM", "EOS",
                           "AAA", "SYN0001", "ZZZ", "btc"};
    std::string json = "{\"status\":\"0000\",\"data\":{";
    for (const char* coin : coins)
        json += std::string("\"") + coin + "\":" + TickerCoin(strcmp(coin, "BTC") == 0 ? "12345678901234" : "105") + ",";
    json += std::string("\"date\":\"") + kDateMs + "\"}}";

    tagTickerInfo recs[20];
    int n = -1;
    CString msg;
    ASSERT_EQ(ZEMBRA_PARSE_DATA, CZembraParser::ParseTicker(json.data(), (int)json.size(), recs, 20, n, msg));
    ASSERT_EQ(12, n);
    const char* order[] = {"BCH", "BTC", "BTG", "DASH", "EOS", "ETC", "ETH", "LTC", "QTUM", "XMR", "XRP", "ZEC"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ((std::string(order[i]) + "          ").substr(0, 10), Bytes(recs[i].szCoinCode, 10));

    std::string t = LocalClock(1700000000123ULL);
    std::string expected = std::string("BTC       ") + t + "    " + "100         " + "123456789012" + "90          " +
                           "110         " + "101.5           " + "12.34" + std::string(35, ' ') + "56.78" +
                           std::string(35, ' ') + "910.11" + std::string(34, ' ') + "104         " + "106         ";
    ASSERT_EQ(230u, expected.size());
    EXPECT_EQ(expected, Bytes(&recs[1], sizeof(tagTickerInfo)));
}

// What reading the whole reply gives: the outcome, and each listed coin's code and closing price
// in the order records are made.
std::string WholeReading(const std::string& json)
{
    Json::Value root;
    if (!ParseObject(json.data(), (int)json.size(), root))
        return "dropped";
    if (StatusNumber(root) != 0)
        return "error";
    std::string out = "data";
    const Json::Value& data = Member(root, "data");
    if (!data.isObject())
        return out;
    for (Json::Value::const_iterator it = data.begin(); it != data.end(); ++it) {
        const Json::String name = it.name();
        if (name.size() != strlen(name.c_str()) || name == "date" || !CZembraParser::IsListedCoin(name.c_str()))
            continue;
        out += " " + name + "=" + MemberText(*it, "closing_price");
    }
    return out;
}

std::string ParsedReading(const std::string& json)
{
    tagTickerInfo recs[40];
    int n = 0;
    CString msg;
    const int result = CZembraParser::ParseTicker(json.data(), (int)json.size(), recs, 40, n, msg);
    if (result == ZEMBRA_PARSE_DROPPED)
        return "dropped";
    if (result == ZEMBRA_PARSE_ERROR)
        return "error";
    std::string out = "data";
    for (int i = 0; i < n; ++i) {
        std::string code = Bytes(recs[i].szCoinCode, 10), price = Bytes(recs[i].szClosingPrice, 12);
        code.erase(code.find_last_not_of(' ') + 1);
        price.erase(price.find_last_not_of(' ') + 1);
        out += " " + code + "=" + price;
    }
    return out;
}

// A big reply is read without building its unlisted coins; whatever the unlisted part holds,
// the records and the outcome are those of reading the whole reply.
TEST(TickerParse, UnlistedCoinsNeverChangeTheReading)
{
    std::string many;
    for (int i = 0; i < 300; ++i)
        many += "\"SYN" + std::to_string(i) + "\":" + TickerCoin("1") + ",";
    const std::string deep = std::string(100, '[') + std::string(100, ']');
    const std::string deeper = std::string(1200, '[') + std::string(1200, ']');
    const std::string head = "{\"status\":\"0000\",\"data\":{\"BTC\":" + TickerCoin("105") + ",";
    const std::string tail = "\"ETH\":" + TickerCoin("7") + ",\"date\":\"1700000000123\"}}";
    struct
    {
        const char* what;
        std::string json;
    } cases[] = {
        {"three hundred unlisted coins", head + many + tail},
        {"nested values, literals, an empty object", head + "\"AAA\":{\"a\":[1,-2.5,true,false,null,{}],\"b\":[]}," + tail},
        {"a \\u escape", head + "\"AAA\":{\"a\":\"\\u00e9\\ud83d\\ude00\"}," + tail},
        {"a broken \\u escape", head + "\"AAA\":{\"a\":\"\\ud83d\"}," + tail},
        {"simple escapes", head + "\"A\\\"A\":{\"a\":\"\\\\\\/\\b\\f\\n\\r\\t\"}," + tail},
        {"an exponent", head + "\"AAA\":1e5," + tail},
        {"an exponent too large", head + "\"AAA\":1e999," + tail},
        {"a thirty-digit number", head + "\"AAA\":123456789012345678901234567890," + tail},
        {"a leading zero", head + "\"AAA\":012," + tail},
        {"a bare minus", head + "\"AAA\":-," + tail},
        {"a comment", head + "\"AAA\":/* c */1," + tail},
        {"a trailing comma", head + "\"AAA\":1," + "\"ETH\":" + TickerCoin("7") + ",}}"},
        {"a control character", head + "\"AAA\":\"a\tb\"," + tail},
        {"a zero byte", head + "\"AAA\":\"a" + std::string(1, '\0') + "b\"," + tail},
        {"Korean bytes in a name", head + "\"\xC4\xDA\xC0\xCE\":1," + tail},
        {"a hundred levels", head + "\"AAA\":" + deep + "," + tail},
        {"beyond the reader's depth", head + "\"AAA\":" + deeper + "," + tail},
        {"a listed coin twice", head + "\"BTC\":" + TickerCoin("999") + "," + tail},
        {"an escaped listed name", head + "\"X\\u0052P\":" + TickerCoin("3") + "," + tail},
        {"an escaped data name", "{\"status\":\"0000\",\"d\\u0061ta\":{\"BTC\":" + TickerCoin("5") + ",\"AAA\":1}}"},
        {"two data members", head + tail.substr(0, tail.size() - 1) + ",\"data\":{\"AAA\":1,\"XRP\":" + TickerCoin("8") + "}}"},
        {"only unlisted coins", "{\"status\":\"0000\",\"data\":{\"AAA\":1,\"BBB\":2}}"},
        {"an empty data object", "{\"status\":\"0000\",\"data\":{ }}"},
        {"text after the root", head + many + tail + " trailing"},
        {"cut inside an unlisted coin", head + many.substr(0, many.size() / 2)},
        {"unquoted name", head + "AAA:1," + tail},
        {"missing colon", head + "\"AAA\" 1," + tail},
        {"an exchange error", "{\"status\":\"5600\",\"message\":\"busy\",\"data\":{\"AAA\":1}}"},
        {"whitespace everywhere", " \r\n{ \"status\" : \"0000\" ,\t\"data\" : { \"AAA\" : [ 1 , 2 ] , \"BTC\" : " +
                                      TickerCoin("4") + " } } "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WholeReading(c.json), ParsedReading(c.json)) << c.what;
    // The big reply is not dropped: both listed coins come through.
    EXPECT_EQ("data BTC=105 ETH=7", ParsedReading(cases[0].json));
}

TEST(TickerParse, EdgeShapes)
{
    struct
    {
        const char* what;
        const char* json;
        int result;
        int count;
    } cases[] = {
        {"only the date", "{\"status\":\"0000\",\"data\":{\"date\":\"1700000000000\"}}", ZEMBRA_PARSE_DATA, 0},
        {"data not an object", "{\"status\":\"0000\",\"data\":[1,2]}", ZEMBRA_PARSE_DATA, 0},
        {"no data", "{\"status\":\"0000\"}", ZEMBRA_PARSE_DATA, 0},
        {"not JSON", "<html>busy</html>", ZEMBRA_PARSE_DROPPED, 0},
        {"cut JSON", "{\"status\":\"0000\",\"data\":{\"BTC\":{\"closing", ZEMBRA_PARSE_DROPPED, 0},
        {"array root", "[{\"status\":\"0000\"}]", ZEMBRA_PARSE_DROPPED, 0},
        {"number root", "42", ZEMBRA_PARSE_DROPPED, 0},
        {"empty", "", ZEMBRA_PARSE_DROPPED, 0},
        {"exchange error", "{\"status\":\"5500\",\"message\":\"bad\"}", ZEMBRA_PARSE_ERROR, 0},
        {"coin not an object", "{\"status\":\"0000\",\"data\":{\"BTC\":5,\"ETH\":null}}", ZEMBRA_PARSE_DATA, 2},
    };
    for (const auto& c : cases)
    {
        tagTickerInfo recs[20];
        int n = -1;
        CString msg;
        EXPECT_EQ(c.result, CZembraParser::ParseTicker(c.json, (int)strlen(c.json), recs, 20, n, msg)) << c.what;
        EXPECT_EQ(c.count, n) << c.what;
    }
}

TEST(TickerParse, NonTextMembersLeaveTheirFieldsBlankAndMaxRecordsHolds)
{
    const char* json = "{\"status\":\"0000\",\"data\":{\"BTC\":{\"closing_price\":123,\"opening_price\":\"7\"},"
                       "\"ETH\":{},\"XRP\":{}}}";
    tagTickerInfo recs[2];
    int n = 0;
    CString msg;
    ASSERT_EQ(ZEMBRA_PARSE_DATA, CZembraParser::ParseTicker(json, (int)strlen(json), recs, 2, n, msg));
    ASSERT_EQ(2, n); // room for two: XRP is left out
    EXPECT_EQ(std::string(12, ' '), Bytes(recs[0].szClosingPrice, 12));
    EXPECT_EQ("7           ", Bytes(recs[0].szOpeningPrice, 12));
    EXPECT_EQ(std::string(12, ' '), Bytes(recs[0].szTime, 12)); // no date
    EXPECT_EQ("ETH       ", Bytes(recs[1].szCoinCode, 10));
}

std::string Trades(int count)
{
    std::string json = "{\"coin_code\":\"ETH\", \"status\":\"0000\",\"data\":[";
    for (int i = 0; i < count; ++i)
    {
        char sz[256];
        snprintf(sz, sizeof(sz),
                 "%s{\"transaction_date\":\"2024-01-02 03:04:%02d\",\"type\":\"%s\",\"units_traded\":\"0.%d\","
                 "\"price\":\"%d\",\"total\":\"%d\"}",
                 i ? "," : "", i, i % 2 ? "ask" : "bid", i + 1, 3000000 + i, 1000 * (i + 1));
        json += sz;
    }
    return json + "]}";
}

std::string Slot(int i)
{
    char sz[64];
    snprintf(sz, sizeof(sz), "2024-01-02 03:04:%02d %s0.%-10d%-12d%-12d", i, i % 2 ? "ask" : "bid", i + 1, 3000000 + i,
             1000 * (i + 1));
    return sz;
}

TEST(FillListParse, TradesFillTheSlotsInOrderAndTheRestStaysBlank)
{
    struct
    {
        int trades;
        int filled;
    } cases[] = {{3, 3}, {10, 10}, {25, 10}, {0, 0}};
    for (const auto& c : cases)
    {
        std::string json = Trades(c.trades);
        tagFillListInfo rec;
        CString code, msg;
        ASSERT_EQ(ZEMBRA_PARSE_DATA, CZembraParser::ParseFillList(json.data(), (int)json.size(), rec, code, msg));
        EXPECT_STREQ("ETH", code);
        std::string expected = "ETH       ";
        for (int i = 0; i < 10; ++i)
            expected += i < c.filled ? Slot(i) : std::string(59, ' ');
        ASSERT_EQ(600u, expected.size());
        EXPECT_EQ(expected, Bytes(&rec, sizeof(rec))) << c.trades << " trades";
    }
}

std::string Levels(const char* side, int count, int base)
{
    std::string json = std::string("\"") + side + "\":[";
    for (int i = 0; i < count; ++i)
        json += (i ? "," : "") + std::string("{\"quantity\":\"1.") + std::to_string(i) + "\",\"price\":\"" +
                std::to_string(base + i) + "\"}";
    return json + "]";
}

TEST(HogaParse, LevelsFillUpToTenEachAndTheRestStaysBlank)
{
    struct
    {
        int bids, asks;
    } cases[] = {{3, 2}, {20, 20}, {0, 1}};
    for (const auto& c : cases)
    {
        std::string json = std::string("{\"status\":\"0000\",\"data\":{\"timestamp\":\"") + kDateMs +
                           "\",\"order_currency\":\"XRP\",\"payment_currency\":\"KRW\"," + Levels("bids", c.bids, 500) +
                           "," + Levels("asks", c.asks, 600) + "}}";
        tagHogaInfo rec;
        CString code, msg;
        ASSERT_EQ(ZEMBRA_PARSE_DATA, CZembraParser::ParseHoga(json.data(), (int)json.size(), rec, code, msg));
        EXPECT_STREQ("XRP", code);
        std::string expected = "XRP       " + LocalClock(1700000000123ULL) + "    ";
        for (int side = 0; side < 2; ++side)
        {
            int given = side ? c.asks : c.bids, base = side ? 600 : 500;
            for (int i = 0; i < 10; ++i)
            {
                char sz[32];
                snprintf(sz, sizeof(sz), "%-12d1.%-10d", base + i, i);
                expected += i < given ? std::string(sz) : std::string(24, ' ');
            }
        }
        ASSERT_EQ(502u, expected.size());
        EXPECT_EQ(expected, Bytes(&rec, sizeof(rec))) << c.bids << "/" << c.asks;
    }
}

TEST(FeedParse, ExchangeErrorsCarryTheirMessageAndNoRecord)
{
    const char* json = "{\"status\":\"5600\",\"message\":\"\xEC\x9E\xA0\xEC\x8B\x9C\"}";
    tagFillListInfo fill;
    tagHogaInfo hoga;
    CString code, msg;
    EXPECT_EQ(ZEMBRA_PARSE_ERROR, CZembraParser::ParseFillList(json, (int)strlen(json), fill, code, msg));
    EXPECT_STREQ("\xEC\x9E\xA0\xEC\x8B\x9C", msg);
    EXPECT_EQ(ZEMBRA_PARSE_ERROR, CZembraParser::ParseHoga(json, (int)strlen(json), hoga, code, msg));
    EXPECT_STREQ("\xEC\x9E\xA0\xEC\x8B\x9C", msg);
    // A status that is not text reads as empty, which is 0: data.
    const char* numeric = "{\"status\":5600,\"data\":{\"order_currency\":\"BTC\"}}";
    EXPECT_EQ(ZEMBRA_PARSE_DATA, CZembraParser::ParseHoga(numeric, (int)strlen(numeric), hoga, code, msg));
}

TEST(FeedParse, NestingBeyondTheReadersDepthIsAReplyThatDoesNotParse)
{
    // The reader gives up on deep nesting by throwing; every reader must see "no JSON" instead.
    const std::string deep[] = {std::string(1000, '['), "{\"a\":" + std::string(999, '['),
                                "{\"status\":\"0000\",\"data\":" + std::string(5000, '{')};
    for (const std::string& text : deep)
    {
        const int len = static_cast<int>(text.size());
        tagTickerInfo recs[ZEMBRA_LISTED_COINS];
        tagFillListInfo fill;
        tagHogaInfo hoga;
        int n = -1;
        CString code, msg;
        EXPECT_EQ(ZEMBRA_PARSE_DROPPED, CZembraParser::ParseTicker(text.data(), len, recs, ZEMBRA_LISTED_COINS, n, msg));
        EXPECT_EQ(0, n);
        EXPECT_EQ(ZEMBRA_PARSE_DROPPED, CZembraParser::ParseFillList(text.data(), len, fill, code, msg));
        EXPECT_EQ(ZEMBRA_PARSE_DROPPED, CZembraParser::ParseHoga(text.data(), len, hoga, code, msg));
        EXPECT_FALSE(ParsesAsJson(text.data(), len));
        Json::Value root;
        EXPECT_FALSE(ParseJson(text.data(), len, root));
        EXPECT_TRUE(root.isNull());
    }
    // Nesting within the limit still parses.
    const std::string shallow = std::string(100, '[') + std::string(100, ']');
    EXPECT_TRUE(ParsesAsJson(shallow.data(), static_cast<int>(shallow.size())));
}

TEST(ErrorNotice, MessageIsAnsiBlankFilledAndCutOnACharacterBoundary)
{
    ASSERT_EQ(949u, GetACP());
    SYSTEMTIME st = {};
    st.wHour = 9;
    st.wMinute = 5;
    st.wSecond = 7;
    const std::string ga = "\xEA\xB0\x80"; // "가" in UTF-8, two bytes in CP949
    struct
    {
        std::string utf8;
        std::string ansi; // expected message bytes before the blank fill
    } cases[] = {
        {"\xEC\x9E\xA0\xEC\x8B\x9C", "잠시"},
        {"", ""},
        // 201 bytes in CP949: the cut at 200 would split the last character, so it goes whole.
        {"A" + [&] { std::string s; for (int i = 0; i < 100; ++i) s += ga; return s; }(),
         "A" + [] { std::string s; for (int i = 0; i < 99; ++i) s += "가"; return s; }()},
        // 202 bytes: the cut at 200 falls between characters.
        {[&] { std::string s; for (int i = 0; i < 101; ++i) s += ga; return s; }(),
         [] { std::string s; for (int i = 0; i < 100; ++i) s += "가"; return s; }()},
    };
    for (const auto& c : cases)
    {
        tagAPIErrorNotice notice;
        CZembraParser::BuildErrorNotice(st, ZEMBRA_TITLE_HOGA, c.utf8.c_str(), notice);
        EXPECT_EQ("09:05:07  ", Bytes(notice.szTime, 10));
        std::string title = "Zembra HOGA API 에러";
        EXPECT_EQ(title + std::string(50 - title.size(), ' '), Bytes(notice.szTitle, 50));
        EXPECT_EQ(c.ansi + std::string(200 - c.ansi.size(), ' '), Bytes(notice.szMessage, 200));
    }
}

TEST(FeedParse, ClockTextAndListedCoins)
{
    EXPECT_EQ(LocalClock(1700000000123ULL), std::string(CZembraParser::MillisToClockText("1700000000123")));
    EXPECT_EQ(LocalClock(0), std::string(CZembraParser::MillisToClockText("0")));
    const char* bads[] = {"", "abc", "-5", "1e300", NULL};
    for (const char* bad : bads)
        EXPECT_STREQ("", CZembraParser::MillisToClockText(bad)) << (bad ? bad : "null");
    for (const char* coin : {"BTC", "BCH", "BTG", "ETH", "ETC", "XRP", "LTC", "DASH", "XMR", "ZEC", "QTUM", "EOS"})
        EXPECT_TRUE(CZembraParser::IsListedCoin(coin)) << coin;
    for (const char* coin : {"btc", "BTC ", "", "ALL", "SYN0001", "DOGE"})
        EXPECT_FALSE(CZembraParser::IsListedCoin(coin)) << coin;
}

} // namespace
