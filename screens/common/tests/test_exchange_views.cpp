// The readings behind the balance and trade-history views, as tables of replies: what each
// reply gives (rows, 64-bit won amounts and sums) or which failure it takes; and the list that
// shows won amounts beyond its records' 32-bit fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <cstring>
#include <string>

#include "BalanceView.h"
#include "ExchangeReply.h"
#include "GridDefs.h"
#include "HistoryView.h"
#include "WideAmountList.h"

namespace {

// --- balance --------------------------------------------------------------------------------

// A reply of all twelve coins: every coin 0 units at 1,000 won, btc 300 units at 9,000,000
// (2,700,000,000 won, above the 32-bit range), eth 0.5 units at 999 (cut to 499).
Json::Value BalanceRoot()
{
    Json::Value data(Json::objectValue);
    for (const char* coin : BALANCE_COINS) {
        const std::string c(coin);
        data["total_" + c] = "0.00000000";
        data["in_use_" + c] = "0.00000000";
        data["available_" + c] = "0.00000000";
        data["xcoin_last_" + c] = "1000";
    }
    data["total_btc"] = "300.00000000";
    data["in_use_btc"] = "100.00000000";
    data["available_btc"] = "200.00000000";
    data["xcoin_last_btc"] = "9000000";
    data["total_eth"] = "0.50000000";
    data["available_eth"] = "0.50000000";
    data["xcoin_last_eth"] = "999";
    data["available_krw"] = Json::Int64(1000000000);
    Json::Value root(Json::objectValue);
    root["status"] = "0000";
    root["data"] = data;
    return root;
}

std::string Text(const Json::Value& root)
{
    Json::StreamWriterBuilder w;
    w["indentation"] = "";
    return Json::writeString(w, root);
}

// A reply nested beyond the JSON reader's depth: its reader raises unless it is caught.
const std::string kDeep = "{\"status\":\"0000\",\"data\":" + std::string(5000, '[');

struct BalanceCase
{
    const char* name;
    const char* reply;  // the whole reply, or NULL: BalanceRoot with the change below
    const char* key;    // member of "data" to change (NULL: none); "<root>" for the root itself
    const char* value;  // its new JSON value; NULL removes it
    BalanceReply::Outcome outcome;
    LONGLONG krw;
};

const BalanceCase kBalanceCases[] = {
    {"whole", NULL, NULL, NULL, BalanceReply::DONE, 1000000000},
    {"krw_real_cut", NULL, "available_krw", "1500.9", BalanceReply::DONE, 1500},
    {"krw_true", NULL, "available_krw", "true", BalanceReply::DONE, 1},
    {"krw_null", NULL, "available_krw", "null", BalanceReply::DONE, 0},
    {"krw_missing", NULL, "available_krw", NULL, BalanceReply::DONE, 0},
    {"krw_above_32_bits", NULL, "available_krw", "5000000000", BalanceReply::DONE, 5000000000LL},
    {"krw_text", NULL, "available_krw", "\"1000\"", BalanceReply::FAILED, 0},
    {"krw_array", NULL, "available_krw", "[1]", BalanceReply::FAILED, 0},
    {"krw_object", NULL, "available_krw", "{}", BalanceReply::FAILED, 0},
    {"krw_beyond_64_bits", NULL, "available_krw", "9223372036854775808", BalanceReply::FAILED, 0},
    {"krw_real_beyond_64_bits", NULL, "available_krw", "1e30", BalanceReply::FAILED, 0},
    {"coin_key_missing", NULL, "total_eos", NULL, BalanceReply::FAILED, 0},
    {"coin_value_number", NULL, "total_btc", "300", BalanceReply::FAILED, 0},
    {"last_price_missing", NULL, "xcoin_last_qtum", NULL, BalanceReply::FAILED, 0},
    {"data_not_object", NULL, "<data>", "[]", BalanceReply::FAILED, 0},
    {"refusal", "{\"status\":\"5600\",\"message\":\"잠시 후\"}", NULL, NULL, BalanceReply::REFUSED, 0},
    {"refusal_without_message", "{\"status\":\"5600\"}", NULL, NULL, BalanceReply::FAILED, 0},
    {"status_missing", "{\"data\":{}}", NULL, NULL, BalanceReply::FAILED, 0},
    {"status_number", "{\"status\":0,\"data\":{}}", NULL, NULL, BalanceReply::FAILED, 0},
    // Only digits are a status number: anything else is a refusal, never success.
    {"status_letters", "{\"status\":\"ERR\",\"message\":\"잠시 후\",\"data\":{}}", NULL, NULL, BalanceReply::REFUSED, 0},
    {"status_empty", "{\"status\":\"\",\"message\":\"잠시 후\"}", NULL, NULL, BalanceReply::REFUSED, 0},
    {"status_digits_then_letters", "{\"status\":\"0000x\",\"message\":\"잠시 후\"}", NULL, NULL, BalanceReply::REFUSED, 0},
    {"status_letters_without_message", "{\"status\":\"ERR\"}", NULL, NULL, BalanceReply::FAILED, 0},
    {"not_json", "<html>busy</html>", NULL, NULL, BalanceReply::FAILED, 0},
    {"array_root", "[1,2]", NULL, NULL, BalanceReply::FAILED, 0},
    {"empty", "", NULL, NULL, BalanceReply::FAILED, 0},
    {"nested_too_deep", kDeep.c_str(), NULL, NULL, BalanceReply::FAILED, 0},
};

class BalanceRead : public ::testing::TestWithParam<BalanceCase>
{
};

TEST_P(BalanceRead, TakesTheRightPath)
{
    const BalanceCase& c = GetParam();
    std::string reply;
    if (c.reply != NULL) {
        reply = c.reply;
    } else {
        Json::Value root = BalanceRoot();
        if (c.key != NULL) {
            Json::Value value;
            if (c.value != NULL) {
                ASSERT_TRUE(Json::Reader().parse(c.value, value)) << c.value;
            }
            if (std::string(c.key) == "<data>")
                root["data"] = value;
            else if (c.value == NULL)
                root["data"].removeMember(c.key);
            else
                root["data"][c.key] = value;
        }
        reply = Text(root);
    }
    BalanceReply out;
    ReadBalanceReply(reply.c_str(), out);
    ASSERT_EQ(c.outcome, out.outcome);
    EXPECT_EQ(c.krw, out.llKrw);
    if (c.outcome == BalanceReply::REFUSED) {
        EXPECT_EQ("잠시 후", std::string((LPCSTR)out.strMessage));
    }
    if (c.outcome != BalanceReply::DONE) {
        EXPECT_TRUE(out.coins.empty());
        return;
    }
    ASSERT_EQ(12u, out.coins.size());
    EXPECT_EQ(2700000499LL, out.llCoinSum);
}

INSTANTIATE_TEST_SUITE_P(Replies, BalanceRead, ::testing::ValuesIn(kBalanceCases),
                         [](const ::testing::TestParamInfo<BalanceCase>& info) { return std::string(info.param.name); });

TEST(BalanceRecords, AmountsAreCutAndKeptWhole)
{
    BalanceReply out;
    ReadBalanceReply(Text(BalanceRoot()).c_str(), out);
    ASSERT_EQ(BalanceReply::DONE, out.outcome);
    EXPECT_EQ(std::string(50, ' '), std::string(out.coins[0].record.szName, 50));
    CBalanceGrids::NameCoins(out);
    // The rows in the reply's evaluation order.
    const char* const codes[] = {"BTC", "ETH", "DASH", "LTC", "ETC", "XRP", "BCH", "XMR", "ZEC", "QTUM", "BTG", "EOS"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(std::string(codes[i]) + std::string(10 - strlen(codes[i]), ' '),
                  std::string(out.coins[i].record.szCode, 10));
    const BalanceCoin& btc = out.coins[0];
    EXPECT_EQ("비트코인(BTC)", std::string(btc.record.szName, strlen("비트코인(BTC)")));
    EXPECT_EQ(' ', btc.record.szName[49]);
    EXPECT_DOUBLE_EQ(300.0, btc.record.dTotalUnits);
    EXPECT_EQ(2700000000LL, btc.llTotal);
    EXPECT_EQ(900000000LL, btc.llInUse);
    EXPECT_EQ(1800000000LL, btc.llAvailable);
    // The record's 32-bit fields hold what fits: the nearest end beyond it.
    EXPECT_EQ(INT_MAX, btc.record.nTotalAmount);
    EXPECT_EQ(900000000, btc.record.nInUseAmount);
    EXPECT_EQ(1800000000, btc.record.nAvailableAmount);
    // Cut, not rounded: 0.5 units at 999 won.
    EXPECT_EQ(499, out.coins[1].record.nTotalAmount);
    EXPECT_EQ(0, out.coins[1].record.nInUseAmount);
}

TEST(BalanceRecords, ZeroLastPriceGivesZeroAmounts)
{
    Json::Value root = BalanceRoot();
    root["data"]["xcoin_last_btc"] = "0";
    BalanceReply out;
    ReadBalanceReply(Text(root).c_str(), out);
    ASSERT_EQ(BalanceReply::DONE, out.outcome);
    EXPECT_DOUBLE_EQ(300.0, out.coins[0].record.dTotalUnits);
    EXPECT_EQ(0, out.coins[0].llTotal);
    EXPECT_EQ(0, out.coins[0].record.nAvailableAmount);
    EXPECT_EQ(499, out.llCoinSum);
}

// --- won amounts ----------------------------------------------------------------------------

struct WonCase
{
    const char* json;
    bool read;
    LONGLONG amount;
};

class WonAmount : public ::testing::TestWithParam<WonCase>
{
};

TEST_P(WonAmount, ReadsOrRefuses)
{
    Json::Value value;
    ASSERT_TRUE(Json::Reader().parse(std::string("[") + GetParam().json + "]", value));
    LONGLONG amount = -7;
    EXPECT_EQ(GetParam().read, JsonToWonAmount(value[0], amount) != FALSE) << GetParam().json;
    EXPECT_EQ(GetParam().amount, amount) << GetParam().json;
}

INSTANTIATE_TEST_SUITE_P(Values, WonAmount,
                         ::testing::Values(WonCase{"12345678901", true, 12345678901LL}, WonCase{"-5", true, -5},
                                           WonCase{"-1500.9", true, -1500}, WonCase{"false", true, 0},
                                           WonCase{"9223372036854775807", true, LLONG_MAX},
                                           WonCase{"18446744073709551615", false, 0}, WonCase{"-1e19", false, 0},
                                           WonCase{"\"7\"", false, 0}, WonCase{"{\"a\":1}", false, 0}));

// --- trade history --------------------------------------------------------------------------

// One element of a reply for BTC; key "drop" removes a member, "bad" makes it a number.
Json::Value Trade(const char* search, const char* units, const char* price, const char* remain)
{
    Json::Value e(Json::objectValue);
    e["search"] = search;
    e["transfer_date"] = "1514764800000000";
    e["units"] = units;
    e["price"] = price;
    e["btc1krw"] = "9000000";
    e["fee"] = "1125.00";
    e["btc_remain"] = "0.5";
    e["krw_remain"] = remain;
    return e;
}

TEST(TradeRead, ListsBuysAndSellsWithStrippedSignsAndWholeAmounts)
{
    Json::Value data(Json::arrayValue);
    data.append(Trade("1", "+ 0.5", "4500000", "9000000"));
    data.append(Trade("2", "- 0.013", "-117000", "12345678901"));
    data.append(Trade("4", "+ 1", "0", "1")); // a deposit: not listed
    data.append(Trade("3", "- 1", "0", "1")); // a withdrawal: not listed
    data.append(Trade("0", "1", "0", "1"));
    data.append(Trade("abc", "1", "0", "1"));
    Json::Value missing = Trade("1", "1", "1", "1");
    missing.removeMember("fee");
    data.append(missing);
    Json::Value number = Trade("1", "1", "1", "1");
    number["krw_remain"] = 5;
    data.append(number);
    Json::Value otherCoin = Trade("1", "1", "1", "1");
    otherCoin.removeMember("btc1krw");
    otherCoin["eth1krw"] = "100";
    data.append(otherCoin);
    data.append("not an object");
    data.append(Trade("1", "-+ 3000 ", "+ 2500000000", "-3000000000"));
    Json::Value root(Json::objectValue);
    root["status"] = "0000";
    root["data"] = data;

    TradeReply out;
    ReadTradeReply(Text(root).c_str(), "BTC", out);
    ASSERT_EQ(TradeReply::DONE, out.outcome);
    EXPECT_TRUE(out.bCleared);
    ASSERT_EQ(3u, out.rows.size());
    const TRADE_RECORD& buy = out.rows[0].record;
    EXPECT_EQ(1, buy.nSearch);
    EXPECT_DOUBLE_EQ(0.5, buy.dUnits);
    EXPECT_EQ(4500000, buy.nAmount);
    EXPECT_DOUBLE_EQ(9000000.0, buy.dPrice);
    EXPECT_DOUBLE_EQ(1125.0, buy.dFee);
    EXPECT_EQ(9000000, buy.nKrwRemain);
    EXPECT_STREQ((LPCSTR)MicrosToDateText("1514764800000000"), buy.szDate);
    const TradeRow& sell = out.rows[1];
    EXPECT_EQ(2, sell.record.nSearch);
    EXPECT_DOUBLE_EQ(0.013, sell.record.dUnits);
    EXPECT_EQ(117000, sell.record.nAmount); // the sign is stripped from the amount too
    EXPECT_EQ(12345678901LL, sell.llKrwRemain);
    EXPECT_EQ(INT_MAX, sell.record.nKrwRemain);
    const TradeRow& big = out.rows[2];
    EXPECT_DOUBLE_EQ(3000.0, big.record.dUnits);
    EXPECT_EQ(2500000000LL, big.llAmount);
    EXPECT_EQ(INT_MAX, big.record.nAmount);
    EXPECT_EQ(-3000000000LL, big.llKrwRemain); // the balance keeps its sign
    EXPECT_EQ(INT_MIN, big.record.nKrwRemain);
}

struct TradeFailCase
{
    const char* name;
    const char* reply;
    TradeReply::Outcome outcome;
    bool cleared;
};

class TradeReadFails : public ::testing::TestWithParam<TradeFailCase>
{
};

TEST_P(TradeReadFails, TakesTheRightPath)
{
    TradeReply out;
    ReadTradeReply(GetParam().reply, "BTC", out);
    EXPECT_EQ(GetParam().outcome, out.outcome);
    EXPECT_EQ(GetParam().cleared, out.bCleared != FALSE);
    EXPECT_TRUE(out.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Replies, TradeReadFails,
    ::testing::Values(TradeFailCase{"empty", "", TradeReply::FAILED, false},
                      TradeFailCase{"not_json", "<html>", TradeReply::FAILED, true},
                      TradeFailCase{"refusal", "{\"status\":\"5300\",\"message\":\"x\"}", TradeReply::REFUSED, true},
                      TradeFailCase{"refusal_without_message", "{\"status\":\"5300\"}", TradeReply::FAILED, true},
                      TradeFailCase{"data_not_array", "{\"status\":\"0000\",\"data\":{}}", TradeReply::FAILED, true},
                      TradeFailCase{"status_missing", "{\"data\":[]}", TradeReply::FAILED, true},
                      TradeFailCase{"status_letters", "{\"status\":\"ERR\",\"message\":\"x\",\"data\":[]}",
                                    TradeReply::REFUSED, true},
                      TradeFailCase{"status_empty", "{\"status\":\"\",\"message\":\"x\",\"data\":[]}",
                                    TradeReply::REFUSED, true},
                      TradeFailCase{"status_padded_zeros", "{\"status\":\" 0000 \",\"data\":[]}", TradeReply::DONE, true},
                      TradeFailCase{"no_trades", "{\"status\":\"0000\",\"data\":[]}", TradeReply::DONE, true},
                      TradeFailCase{"nested_too_deep", kDeep.c_str(), TradeReply::FAILED, true}),
    [](const ::testing::TestParamInfo<TradeFailCase>& info) { return std::string(info.param.name); });

// The local time of a UTC moment, by the system's own conversion.
std::string LocalText(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME utc = {year, month, 0, day, hour, minute, second, 0};
    SYSTEMTIME local;
    EXPECT_TRUE(::SystemTimeToTzSpecificLocalTime(NULL, &utc, &local));
    char text[32];
    snprintf(text, sizeof text, "%d/%02d/%02d %02d:%02d:%02d", local.wYear, local.wMonth, local.wDay, local.wHour,
             local.wMinute, local.wSecond);
    return text;
}

TEST(TradeDates, MicrosecondsToLocalSeconds)
{
    EXPECT_EQ(LocalText(2018, 1, 1, 0, 0, 0), std::string((LPCSTR)MicrosToDateText("1514764800000000")));
    // The fraction of a second is cut.
    EXPECT_EQ(LocalText(2018, 1, 1, 0, 0, 0), std::string((LPCSTR)MicrosToDateText("1514764800999999")));
    EXPECT_EQ(LocalText(2018, 1, 1, 0, 0, 1), std::string((LPCSTR)MicrosToDateText("1514764801000000")));
    TIME_ZONE_INFORMATION zone;
    if (::GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID && zone.Bias == -540) {
        EXPECT_STREQ("2018/01/01 09:00:00", (LPCSTR)MicrosToDateText("1514764800000000"));
    }
    EXPECT_STREQ("", (LPCSTR)MicrosToDateText("-5000000"));
}

// On a machine in Korean time (the run-time library takes the zone from TZ).
TEST(TradeDates, KoreanTimeShowsNineHoursAhead)
{
    ASSERT_EQ(0, _putenv("TZ=KST-9"));
    _tzset();
    const CString text = MicrosToDateText("1514764800000000");
    _putenv("TZ=");
    _tzset();
    EXPECT_STREQ("2018/01/01 09:00:00", (LPCSTR)text);
}

struct DecimalCase
{
    const char* text;
    double value;
};

class DecimalText : public ::testing::TestWithParam<DecimalCase>
{
};

TEST_P(DecimalText, ReadsThePlainLeadingNumber)
{
    EXPECT_DOUBLE_EQ(GetParam().value, TextToDecimal(GetParam().text)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, DecimalText,
                         ::testing::Values(DecimalCase{" 0.013", 0.013}, DecimalCase{"-2.5", -2.5},
                                           DecimalCase{"1.5e3x", 1500}, DecimalCase{".5", 0.5}, DecimalCase{"7.", 7},
                                           DecimalCase{"3e", 3}, DecimalCase{"abc", 0}, DecimalCase{"", 0},
                                           DecimalCase{"NaN", 0}, DecimalCase{"-inf", 0}, DecimalCase{"0x1p4", 0},
                                           DecimalCase{"1e999", 0}, DecimalCase{"- 1", 0}));

TEST(TradeDates, StripSignsRemovesEverySign)
{
    EXPECT_STREQ("0.5", (LPCSTR)StripSigns("- 0.5"));
    EXPECT_STREQ("0.013", (LPCSTR)StripSigns(" +0.013 "));
    EXPECT_STREQ("12", (LPCSTR)StripSigns("1-+2"));
    EXPECT_STREQ("", (LPCSTR)StripSigns("-"));
}

// --- the list of wide amounts ---------------------------------------------------------------

#pragma pack(push, 1)
struct WideRow
{
    char szName[8];
    int nAmount;
};
#pragma pack(pop)

class WideList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP, CRect(0, 0, 400, 300), NULL, 0));
        for (CWideAmountList* list : {&first, &second}) {
            ASSERT_TRUE(list->Create(0, 1, 2, 5, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &host, 1000));
            list->SetRecordSize(sizeof(WideRow));
            list->AddColumnDataInfo(0, 8, DT_TEXT, 0, GDF_TEXT, 0, NULL, 0);
            list->AddColumnDataInfo(8, 4, DT_INT, 1, GDF_QUANTITY | GDF_CALLBACK, 0, CWideAmountList::WideAmountCell,
                                    2);
        }
    }
    void TearDown() override { host.DestroyWindow(); }
    static WideRow Row(const char* name, LONGLONG amount)
    {
        WideRow row;
        memset(&row, 0, sizeof row);
        memcpy(row.szName, name, std::min(strlen(name), sizeof row.szName));
        row.nAmount = CutToInt32(amount);
        return row;
    }
    void Add(CWideAmountList& list, const char* name, LONGLONG amount)
    {
        WideRow row = Row(name, amount);
        const WIDE_AMOUNT wide = {8, amount};
        ASSERT_EQ(1, list.AddWideRecord(reinterpret_cast<BYTE*>(&row), sizeof row, &wide, 1, 1));
    }

    CWnd host;
    CWideAmountList first, second;
};

TEST_F(WideList, ShowsTheWholeAmountOfEachList)
{
    Add(first, "BTC", 2700000000LL);
    Add(first, "ETH", -3000000000LL);
    Add(first, "XRP", 1234);
    // The same record bytes in another list stand for another amount.
    Add(second, "BTC", 9876543210LL);
    EXPECT_STREQ("2,700,000,000", (LPCSTR)first.GetCellText(1, 1));
    EXPECT_STREQ("-3,000,000,000", (LPCSTR)first.GetCellText(1, 2));
    EXPECT_STREQ("1,234", (LPCSTR)first.GetCellText(1, 3));
    EXPECT_STREQ("9,876,543,210", (LPCSTR)second.GetCellText(1, 1));
    EXPECT_EQ(INT_MAX, reinterpret_cast<WideRow*>(first.GetRecordPtr(0))->nAmount);
}

TEST_F(WideList, ARecordAddedWithoutItsAmountShowsItsField)
{
    Add(first, "BTC", 2700000000LL);
    first.ClearWide(1);
    EXPECT_STREQ("", (LPCSTR)first.GetCellText(1, 1));
    // Same bytes again, but added as a plain record: nothing kept stands for it.
    WideRow row = Row("BTC", 2700000000LL);
    first.AddRecord(reinterpret_cast<BYTE*>(&row), sizeof row, 1);
    EXPECT_STREQ("2,147,483,647", (LPCSTR)first.GetCellText(1, 1));
    // A refused record keeps nothing.
    const WIDE_AMOUNT wide = {8, 5};
    EXPECT_EQ(0, first.AddWideRecord(reinterpret_cast<BYTE*>(&row), sizeof row - 1, &wide, 1, 1));
    EXPECT_EQ(1, first.GetRecordCount());
}

} // namespace
