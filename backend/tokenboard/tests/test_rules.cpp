// Order sizing, quantity texts, the exchange's replies and the records of signals and events.
#include <gtest/gtest.h>

#include <math.h>
#include <string.h>

#include <limits>
#include <string>

#include "exchange_replies.h"
#include "order_rules.h"
#include "signal_records.h"

using namespace tokenboard;

namespace {

// --- sizing ------------------------------------------------------------------------------

struct VolumeCase
{
    const char* what;
    LONGLONG money;
    double percent;
    LONGLONG price;
    double volume;
};

class Sizing : public ::testing::TestWithParam<VolumeCase>
{
};

TEST_P(Sizing, SpendsTheShareOfTheMoneyInWholeWon)
{
    const VolumeCase& c = GetParam();
    EXPECT_DOUBLE_EQ(c.volume, OrderVolume(c.money, c.percent, c.price)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Sizing,
    ::testing::Values(VolumeCase{"10% of 1 000 000 at 8 000 000", 1000000, 10, 8000000, 0.0125},
                      VolumeCase{"XRP at 500", 100000, 100, 500, 200},
                      VolumeCase{"share cut to whole won first", 1000001, 33.3, 1000, 333.0},
                      VolumeCase{"percent 0", 1000000, 0, 8000000, 0},
                      VolumeCase{"failed balance query (-1)", -1, 10, 8000000, 0},
                      VolumeCase{"less than one won", 5, 10, 100, 0},
                      VolumeCase{"no price yet is -1", 1000000, 10, -1, -1},
                      VolumeCase{"a price of 0 is no price", 1000000, 10, 0, -1},
                      VolumeCase{"money beyond 32 bits", 5000000000LL, 100, 1000000, 5000},
                      VolumeCase{"a percent that is not a number", 1000000, NAN, 1000, 0}));

// --- quantity texts ----------------------------------------------------------------------

struct FormatCase
{
    const char* code;
    double quantity;
    const char* text;
};

class QuantityText : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(QuantityText, IsCutToTheCoinsDecimalsNeverRoundedUp)
{
    const FormatCase& c = GetParam();
    EXPECT_STREQ(c.text, FormatVolume(c.code, c.quantity)) << c.code << " " << c.quantity;
}

INSTANTIATE_TEST_SUITE_P(
    Table, QuantityText,
    ::testing::Values(FormatCase{"BTC", 0.0125, "0.012"}, FormatCase{"btc", 0.0125, "0.012"},
                      FormatCase{"ZEC", 1.9999, "1.999"}, FormatCase{"BTC", 0.51299999, "0.512"},
                      FormatCase{"BTC", 0.513, "0.513"}, FormatCase{"BTC", 0, "0.000"},
                      FormatCase{"BTC", 0.0009, "0.000"}, FormatCase{"BTC", 12345.6789, "12345.678"},
                      FormatCase{"ETH", 0.519, "0.51"}, FormatCase{"DASH", 2.999, "2.99"},
                      FormatCase{"XMR", 0.07, "0.07"}, FormatCase{"BTG", 10, "10.00"},
                      FormatCase{"LTC", 2.99, "2.9"}, FormatCase{"ETC", 0.3, "0.3"},
                      FormatCase{"QTUM", 7.77, "7.7"}, FormatCase{"XRP", 200, "200"},
                      FormatCase{"XRP", 199.99, "199"}, FormatCase{"EOS", 0.9, "0"},
                      FormatCase{"SYN0001", 3000000000.7, "3000000000"}, FormatCase{"BTC", -1, "-1.000"},
                      FormatCase{"ETH", -0.001, "0.00"}, FormatCase{"BTC", NAN, "0.000"},
                      FormatCase{"XRP", INFINITY, "0"}));

// Every exact holding the exchange reports keeps its value: no step lost to binary noise.
TEST(QuantityTextSteps, EveryExactStepSurvives)
{
    struct Coin
    {
        const char* code;
        int decimals;
    } coins[] = {{"BTC", 3}, {"ETH", 2}, {"LTC", 1}, {"XRP", 0}};
    for (const Coin& coin : coins)
    {
        double scale = pow(10.0, coin.decimals);
        for (int steps = 0; steps <= 30000; ++steps)
        {
            // As parsed from the exchange's 8-decimal text.
            char text[40];
            snprintf(text, sizeof text, "%.8f", steps / scale);
            double held = strtod(text, NULL);
            char expected[40];
            snprintf(expected, sizeof expected, "%.*f", coin.decimals, steps / scale);
            ASSERT_STREQ(expected, FormatVolume(coin.code, held)) << coin.code << " " << text;
        }
    }
}

TEST(QuantityTextSteps, BuyingWithAllTheMoneyNeverExceedsIt)
{
    // Whatever the price, the text's units at that price cost no more than the money.
    const LONGLONG money = 1000000;
    for (LONGLONG price = 1000; price < 100000000; price = price * 7 / 5 + 13)
    {
        CString units = FormatVolume("BTC", OrderVolume(money, 100, price));
        double cost = atof(units) * static_cast<double>(price);
        EXPECT_LE(cost, money + 1e-6) << "price " << price << " units " << (LPCSTR)units;
    }
}

TEST(QuantityTextSteps, PositiveOnlyForUnitsAboveZero)
{
    EXPECT_TRUE(IsPositiveVolume("0.001"));
    EXPECT_TRUE(IsPositiveVolume("200"));
    EXPECT_FALSE(IsPositiveVolume("0.000"));
    EXPECT_FALSE(IsPositiveVolume("0"));
    EXPECT_FALSE(IsPositiveVolume("-1.000"));
    EXPECT_FALSE(IsPositiveVolume(""));
}

// --- balance replies ---------------------------------------------------------------------

struct BalanceCase
{
    const char* what;
    const char* reply;
    ReplyVerdict verdict;
    bool hasMoney;
    LONGLONG money;
    bool hasQuantity;
    double quantity;
};

// The reader throws at its depth limit; a reply nested so deep must read as unreadable.
const std::string kDeepArrays(1000, '[');
const std::string kDeepMember = "{\"a\":" + std::string(999, '[');

class BalanceReplies : public ::testing::TestWithParam<BalanceCase>
{
};

TEST_P(BalanceReplies, AreReadWithTheirTypesChecked)
{
    const BalanceCase& c = GetParam();
    BalanceReply r = ReadBalanceReply(c.reply, "BTC");
    EXPECT_EQ(c.verdict, r.verdict) << c.what;
    EXPECT_EQ(c.hasMoney, r.hasMoney) << c.what;
    if (c.hasMoney)
    {
        EXPECT_EQ(c.money, r.availableKrw) << c.what;
    }
    EXPECT_EQ(c.hasQuantity, r.hasQuantity) << c.what;
    if (c.hasQuantity)
    {
        EXPECT_DOUBLE_EQ(c.quantity, r.availableCoin) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, BalanceReplies,
    ::testing::Values(
        BalanceCase{"as the exchange sends it",
                    R"({"status":"0000","data":{"available_krw":1000000,"available_btc":"0.51279000"}})", REPLY_OK,
                    true, 1000000, true, 0.51279},
        BalanceCase{"money beyond 32 bits", R"({"status":"0000","data":{"available_krw":5000000000}})", REPLY_OK,
                    true, 5000000000LL, false, 0},
        BalanceCase{"numbers as other types", R"({"status":0,"data":{"available_krw":"250","available_btc":0.5}})",
                    REPLY_OK, true, 250, true, 0.5},
        BalanceCase{"members of wrong types",
                    R"({"status":"0000","data":{"available_krw":{"a":1},"available_btc":["1"]}})", REPLY_OK, false, 0,
                    false, 0},
        BalanceCase{"a quantity text that is no number",
                    R"({"status":"0000","data":{"available_krw":null,"available_btc":"0.5x"}})", REPLY_OK, false, 0,
                    false, 0},
        BalanceCase{"data is not an object", R"({"status":"0000","data":"none"})", REPLY_OK, false, 0, false, 0},
        BalanceCase{"refused", R"({"status":"5600","message":"x"})", REPLY_REFUSED, false, 0, false, 0},
        BalanceCase{"no status", R"({"data":{"available_krw":1}})", REPLY_NO_STATUS, false, 0, false, 0},
        BalanceCase{"status of another type", R"({"status":{"code":0},"data":{"available_krw":1}})",
                    REPLY_NO_STATUS, false, 0, false, 0},
        BalanceCase{"status that is no code", R"({"status":"OK","data":{"available_krw":1}})", REPLY_NO_STATUS,
                    false, 0, false, 0},
        BalanceCase{"not JSON", "<html>busy</html>", REPLY_UNREADABLE, false, 0, false, 0},
        BalanceCase{"empty", "", REPLY_UNREADABLE, false, 0, false, 0},
        BalanceCase{"JSON but no object", "[0,1]", REPLY_UNREADABLE, false, 0, false, 0},
        BalanceCase{"a bare number", "5", REPLY_UNREADABLE, false, 0, false, 0},
        BalanceCase{"nested beyond the reader's depth", kDeepArrays.c_str(), REPLY_UNREADABLE, false, 0, false, 0},
        BalanceCase{"a member nested beyond the reader's depth", kDeepMember.c_str(), REPLY_UNREADABLE, false, 0,
                    false, 0}));

// --- order replies -----------------------------------------------------------------------

TEST(OrderReplies, EveryFillOfAnAcceptedOrderIsRead)
{
    OrderReply r = ReadOrderReply(
        R"({"status":"0000","order_id":" 1514764800001 ","data":[)"
        R"({"cont_id":"1000001","units":"0.006","price":"8000000","total":48000,"fee":120.5},)"
        R"({"cont_id":"1000002","units":"0.006","price":"8000000","total":4800000000,"fee":12000}]})");
    ASSERT_EQ(REPLY_OK, r.verdict);
    EXPECT_STREQ("1514764800001", r.orderId);
    ASSERT_EQ(2u, r.fills.size());
    EXPECT_STREQ("1000001", r.fills[0].contId);
    EXPECT_EQ(8000000, r.fills[0].price);
    EXPECT_DOUBLE_EQ(0.006, r.fills[0].units);
    EXPECT_EQ(48000, r.fills[0].total);
    EXPECT_DOUBLE_EQ(120.5, r.fills[0].fee);
    EXPECT_EQ(4800000000LL, r.fills[1].total);
}

struct OrderCase
{
    const char* what;
    const char* reply;
    ReplyVerdict verdict;
    size_t fills;
};

class OrderReplies : public ::testing::TestWithParam<OrderCase>
{
};

TEST_P(OrderReplies, OfAnyShapeGiveAVerdict)
{
    const OrderCase& c = GetParam();
    OrderReply r = ReadOrderReply(c.reply);
    EXPECT_EQ(c.verdict, r.verdict) << c.what;
    EXPECT_EQ(c.fills, r.fills.size()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, OrderReplies,
    ::testing::Values(OrderCase{"no fills", R"({"status":"0000","order_id":"1","data":[]})", REPLY_OK, 0},
                      OrderCase{"data not an array", R"({"status":"0000","data":"x"})", REPLY_OK, 0},
                      OrderCase{"one fill as an object", R"({"status":"0000","data":{"units":"1"}})", REPLY_OK, 1},
                      OrderCase{"elements that are no objects", R"({"status":"0000","data":[1,"a",null,{}]})",
                                REPLY_OK, 1},
                      OrderCase{"no status counts as no success", R"({"order_id":"1","data":[{}]})",
                                REPLY_NO_STATUS, 0},
                      OrderCase{"status null", R"({"status":null})", REPLY_NO_STATUS, 0},
                      OrderCase{"refused", R"({"status":"5600","message":"m"})", REPLY_REFUSED, 0},
                      OrderCase{"refused as a number", R"({"status":5600})", REPLY_REFUSED, 0},
                      OrderCase{"HTML", "<html><body>502</body></html>", REPLY_UNREADABLE, 0},
                      OrderCase{"cut JSON", R"({"status":"0000","data":[{"cont)", REPLY_UNREADABLE, 0},
                      OrderCase{"nested beyond the reader's depth", kDeepArrays.c_str(), REPLY_UNREADABLE, 0},
                      OrderCase{"status beyond 64 bits", R"({"status":18446744073709551615})", REPLY_REFUSED, 0},
                      OrderCase{"status of 1e19", R"({"status":1e19})", REPLY_REFUSED, 0},
                      OrderCase{"status 0 as a fraction-free real", R"({"status":0.0})", REPLY_OK, 0}));

// --- orders settled by the balance -----------------------------------------------------

struct SettleCase
{
    const char* what;
    bool buy;
    const char* before;
    const char* after;
    SettledOutcome outcome;
};

class SettledOrders : public ::testing::TestWithParam<SettleCase>
{
};

TEST_P(SettledOrders, FollowTheHoldingOrForABuyTheWon)
{
    const SettleCase& c = GetParam();
    EXPECT_EQ(c.outcome, SettleByBalance(c.buy, ReadBalanceReply(c.before, "BTC"), ReadBalanceReply(c.after, "BTC")))
        << c.what;
}

#define BALANCE(krw, btc) "{\"status\":\"0000\",\"data\":{\"available_krw\":" krw ",\"available_btc\":\"" btc "\"}}"
#define WON_ONLY(krw) "{\"status\":\"0000\",\"data\":{\"available_krw\":" krw "}}"

INSTANTIATE_TEST_SUITE_P(
    Table, SettledOrders,
    ::testing::Values(
        SettleCase{"a buy that added coins", true, BALANCE("1000000", "0.5"), BALANCE("903760", "0.512"),
                   SETTLED_CARRIED_OUT},
        SettleCase{"a buy that left the holding", true, BALANCE("1000000", "0.5"), BALANCE("1000000", "0.5"),
                   SETTLED_NOT_CARRIED_OUT},
        SettleCase{"a buy whose won went elsewhere", true, BALANCE("1000000", "0.5"), BALANCE("900000", "0.5"),
                   SETTLED_NOT_CARRIED_OUT},
        SettleCase{"a sell that took the holding", false, BALANCE("0", "0.51279"), BALANCE("1000000", "0.00079"),
                   SETTLED_CARRIED_OUT},
        SettleCase{"a sell that left the holding", false, BALANCE("0", "0.51279"), BALANCE("0", "0.51279"),
                   SETTLED_NOT_CARRIED_OUT},
        SettleCase{"a sell while coins came in", false, BALANCE("0", "0.5"), BALANCE("0", "0.6"),
                   SETTLED_NOT_CARRIED_OUT},
        SettleCase{"a buy read without coin figures", true, WON_ONLY("1000000"), WON_ONLY("903760"),
                   SETTLED_CARRIED_OUT},
        SettleCase{"a buy read without coin figures, won kept", true, WON_ONLY("1000000"), WON_ONLY("1000000"),
                   SETTLED_NOT_CARRIED_OUT},
        SettleCase{"a sell read without coin figures", false, WON_ONLY("1000000"), WON_ONLY("0"), SETTLED_UNKNOWN},
        SettleCase{"an after read refused", true, BALANCE("1000000", "0.5"), R"({"status":"5600","message":"m"})",
                   SETTLED_UNKNOWN},
        SettleCase{"an after read no JSON", false, BALANCE("0", "0.5"), "<html>busy</html>", SETTLED_UNKNOWN},
        SettleCase{"an after read empty", true, BALANCE("1000000", "0.5"), "", SETTLED_UNKNOWN},
        SettleCase{"a buy after read of the coin alone", true, BALANCE("1000000", "0.5"),
                   R"({"status":"0000","data":{"available_btc":"0.6"}})", SETTLED_CARRIED_OUT},
        SettleCase{"a buy before read of the won alone", true, WON_ONLY("1000000"), BALANCE("1000000", "0.6"),
                   SETTLED_NOT_CARRIED_OUT}));

#undef BALANCE
#undef WON_ONLY

TEST(OrderReplies, FillMembersOfOtherTypesReadAsNothing)
{
    OrderReply r = ReadOrderReply(R"({"status":"0000","order_id":17,"message":[1],"data":[)"
                                  R"({"cont_id":5,"units":{"v":1},"price":8000000,"total":"1200","fee":"0.5"}]})");
    ASSERT_EQ(REPLY_OK, r.verdict);
    EXPECT_STREQ("", r.orderId);
    EXPECT_STREQ("", r.message);
    ASSERT_EQ(1u, r.fills.size());
    EXPECT_STREQ("", r.fills[0].contId);
    EXPECT_EQ(0, r.fills[0].units);
    EXPECT_EQ(8000000, r.fills[0].price);
    EXPECT_EQ(1200, r.fills[0].total);
    EXPECT_DOUBLE_EQ(0.5, r.fills[0].fee);
}

TEST(OrderReplies, TheRefusalKeepsTheExchangesMessage)
{
    OrderReply r = ReadOrderReply(std::string(u8R"({"status":"5600","message":"주문 가능 금액이 부족합니다."})").c_str());
    EXPECT_EQ(REPLY_REFUSED, r.verdict);
    EXPECT_EQ(std::string(u8"주문 가능 금액이 부족합니다."), std::string((LPCSTR)r.message));
}

// --- records -----------------------------------------------------------------------------

std::string Field(const char* field, size_t width)
{
    return std::string(field, width);
}

std::string Padded(const std::string& text, size_t width)
{
    return text + std::string(width - text.size(), ' ');
}

std::string Zeroed(const std::string& text, size_t width)
{
    return text + std::string(width - text.size(), '\0');
}

// A code-100 body, numbers left-aligned and blank-filled.
std::string SignalBody(const char* coin, char kind, const char* signal, const char* percent,
                       const char* buyPrice = "8000000", const char* target = "8800000")
{
    std::string body = Padded(coin, 24) + kind + Padded(signal, 4) + Padded("20261209", 8) + Padded("093015", 6) +
                       Padded(buyPrice, 24) + Padded(percent, 6) + Padded("73", 24) + Padded("97", 2) +
                       Padded(target, 24) + Padded("123", 24) + Padded("-147", 24) + Padded("99999999999", 24);
    return body;
}

TEST(SignalRecords, ACodeHundredBodyBecomesASignal)
{
    ASSERT_EQ(949u, GetACP());
    std::string body = SignalBody("  BTC", '1', "B001", "12.5");
    ASSERT_EQ(static_cast<size_t>(AUTO_SIGNAL_BODY_LEN), body.size());
    _AUTO_SIGNAL s;
    memset(&s, 0x55, sizeof s);
    ReadSignalBody(reinterpret_cast<const BYTE*>(body.data()), s);
    // The screens read code, name and date-time as zero-terminated texts.
    EXPECT_EQ(Zeroed("BTC", 24), Field(s.szCoinCode, 24));
    EXPECT_EQ(Zeroed("비트코인(BTC)", 50), Field(s.szCoinName, 50));
    EXPECT_EQ('1', s.cKind);
    EXPECT_EQ("B001", Field(s.szSignalCode, 4));
    EXPECT_EQ(Zeroed("20261209093015", 16), Field(s.szDateTime, 16));
    EXPECT_EQ(8000000, s.nBuyPrice);
    EXPECT_DOUBLE_EQ(12.5, s.dPercent);
    EXPECT_EQ(73, s.nField73);
    EXPECT_EQ(97, s.nField97);
    EXPECT_EQ(8800000, s.nTargetPrice);
    EXPECT_EQ(123, s.nField123);
    EXPECT_EQ(-147, s.nField147);
    EXPECT_EQ(std::numeric_limits<int>::max(), s.nField171); // cut to 32 bits, never wrapped
    EXPECT_EQ(0, s.nOrdered);
    EXPECT_EQ(0, s.nAutoMode);
}

TEST(SignalRecords, TextsThatFillTheirFieldStillEndInAZero)
{
    ASSERT_EQ(949u, GetACP());
    struct
    {
        const char* what;
        std::string code;  // in the body, 24 bytes
        std::string kept;  // the signal's coin code before its zero bytes
        const char* name;
        std::string signal; // 4 bytes
        std::string keptSignal;
    } cases[] = {
        {"code of 24 characters", "ABCDEFGHIJKLMNOPQRSTUVWX", "ABCDEFGHIJKLMNOPQRSTUVW", "", "B001", "B001"},
        {"code of 23 characters", "ABCDEFGHIJKLMNOPQRSTUVW", "ABCDEFGHIJKLMNOPQRSTUVW", "", "S1", "S1"},
        {"lower-case listed coin", "eth", "eth", "이더리움(ETH)", "", ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::string body = SignalBody("BTC", '0', "", "1");
        body.replace(0, 24, Padded(c.code, 24));
        body.replace(25, 4, Padded(c.signal, 4));
        _AUTO_SIGNAL s;
        memset(&s, 0x55, sizeof s);
        ReadSignalBody(reinterpret_cast<const BYTE*>(body.data()), s);
        EXPECT_EQ(Zeroed(c.kept, 24), Field(s.szCoinCode, 24));
        EXPECT_EQ(Zeroed(c.name, 50), Field(s.szCoinName, 50));
        EXPECT_EQ(Zeroed(c.keptSignal, 4), Field(s.szSignalCode, 4));
        EXPECT_EQ(Zeroed("20261209093015", 16), Field(s.szDateTime, 16));
    }
    // A signal made for an order the server ordered: the same zero-filled texts.
    _AUTO_SIGNAL s;
    memset(&s, 0x55, sizeof s);
    MakeServerOrderSignal("BTC", '2', s);
    EXPECT_EQ(Zeroed("BTC", 24), Field(s.szCoinCode, 24));
    EXPECT_EQ(Zeroed("비트코인(BTC)", 50), Field(s.szCoinName, 50));
    EXPECT_EQ(std::string(4, '\0'), Field(s.szSignalCode, 4));
    EXPECT_EQ(std::string(16, '\0'), Field(s.szDateTime, 16));
}

TEST(SignalRecords, CoinNamesIgnoreCaseAndBlanks)
{
    ASSERT_EQ(949u, GetACP());
    EXPECT_STREQ("", CoinDisplayName("SYN0001"));
    EXPECT_STREQ("", CoinDisplayName(""));
    EXPECT_STREQ("", CoinDisplayName("B TC"));
    EXPECT_STREQ("비트코인(BTC)", CoinDisplayName("btc"));
    EXPECT_STREQ("비트코인(BTC)", CoinDisplayName(" BTC "));
    EXPECT_STREQ("퀀텀(QTUM)", CoinDisplayName("\tQtum "));
    EXPECT_STREQ("리플(XRP)", CoinDisplayName("XRP"));
}

struct KeyCase
{
    const char* code;
    bool fits;
    const char* key;
};

class RealKeys : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(RealKeys, AreTheCodeBlankFilledToTwelveAndAZero)
{
    char key[kRealKeyWidth + 1];
    memset(key, 'x', sizeof key);
    EXPECT_EQ(GetParam().fits, MakeRealKey(GetParam().code, key)) << GetParam().code;
    EXPECT_EQ(std::string(GetParam().key, kRealKeyWidth), std::string(key, kRealKeyWidth));
    EXPECT_EQ('\0', key[kRealKeyWidth]);
}

INSTANTIATE_TEST_SUITE_P(Table, RealKeys,
                         ::testing::Values(KeyCase{"BTC", true, "BTC         "},
                                           KeyCase{"ABCDEFGHIJKL", true, "ABCDEFGHIJKL"},
                                           KeyCase{"ABCDEFGHIJKLM", false, "\0\0\0\0\0\0\0\0\0\0\0\0"},
                                           KeyCase{"", false, "\0\0\0\0\0\0\0\0\0\0\0\0"},
                                           KeyCase{"A,B", false, "\0\0\0\0\0\0\0\0\0\0\0\0"}));

TEST(EventRecords, TextsAreCutWithoutSplittingACharacter)
{
    ASSERT_EQ(949u, GetACP());
    char field[5];
    PutText(field, 5, "매수주문"); // two bytes per character
    EXPECT_EQ(std::string("매수") + " ", std::string(field, 5));
    PutText(field, 5, "ab");
    EXPECT_EQ("ab   ", std::string(field, 5));
}

TEST(EventRecords, AFillEventCarriesTheFillAndAFailureEventZeros)
{
    ASSERT_EQ(949u, GetACP());
    _AUTO_SIGNAL signal;
    MakeServerOrderSignal("BTC", '1', signal);
    OrderFill fill;
    fill.contId = "1000001";
    fill.price = 8000000;
    fill.units = 0.012;
    fill.total = 5000000000LL; // beyond the record's 32 bits
    fill.fee = 240;
    COIN_ORD_INFO info;
    MakeFillEvent(signal, "1514764800001", fill, "매수 주문이 완료 되었습니다.", info);
    EXPECT_EQ(Padded("비트코인(BTC)", 50), Field(info.szCoinName, 50));
    EXPECT_EQ(Padded("매수", 10), Field(info.szSide, 10));
    EXPECT_EQ(Padded("1514764800001", 30), Field(info.szOrderID, 30));
    EXPECT_EQ(Padded("1000001", 10), Field(info.szContID, 10));
    EXPECT_EQ(8000000, info.nPrice);
    EXPECT_DOUBLE_EQ(0.012, info.dUnits);
    EXPECT_EQ(std::numeric_limits<int>::max(), info.nTotal);
    EXPECT_DOUBLE_EQ(240, info.dFee);
    EXPECT_EQ(Padded("매수 주문이 완료 되었습니다.", 256), Field(info.szMessage, 256));
    EXPECT_EQ(Padded("BTC", 10), Field(info.szCoinCode, 10));

    MakeServerOrderSignal("ETH", '2', signal);
    MakeOrderEvent(signal, "x", info);
    EXPECT_EQ(Padded("매도", 10), Field(info.szSide, 10));
    EXPECT_EQ(std::string(30, ' '), Field(info.szOrderID, 30));
    EXPECT_EQ(0, info.nPrice);
    EXPECT_EQ(0, info.dUnits);
    EXPECT_EQ(0, info.nTotal);
}

} // namespace
