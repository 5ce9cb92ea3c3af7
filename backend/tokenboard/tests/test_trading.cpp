// The automatic-trading manager end to end over real sockets: signals, settlement and forced
// sells pushed by the server peer become balance queries and signed market orders at the
// exchange peer, order events at the order-alarm window and relays through the main frame.
#include <string.h>

#include "trading_fixture.h"

using namespace trading;

namespace {

const char kBoughtText[] = "매수 주문이 완료 되었습니다.";
const char kSoldText[] = "매도 주문이 완료 되었습니다.";
const char kSettledDone[] = "주문 응답을 확인할 수 없어 잔고로 확인했습니다: 체결됨";
const char kSettledNotDone[] = "주문 응답을 확인할 수 없어 잔고로 확인했습니다: 미체결";
const char kSettledUnknown[] =
    "주문 응답을 확인할 수 없고 잔고도 조회하지 못해 체결 여부를 알 수 없습니다. 잔고를 확인해 주십시오.";

std::vector<Json::Value> Orders(ExchangePeer& exchange)
{
    std::vector<Json::Value> orders;
    for (const Json::Value& post : exchange.Posts())
        if (post["path"].asString().compare(0, 7, "/trade/") == 0)
            orders.push_back(post);
    return orders;
}

// The request is the one wanted and its signature checked out at the exchange.
void ExpectSigned(const Json::Value& post, const char* path, const char* currency)
{
    EXPECT_EQ(path, post["path"].asString());
    EXPECT_EQ("ok", post["verdict"].asString()) << post["reason"].asString();
    EXPECT_EQ(currency, FormValue(post, "currency"));
}

} // namespace

class Trading : public TradingTest
{
protected:
    // Amount-based trading on, the account's won and BTC, and the BTC price the manager knows.
    void Prepare(long long krw, const char* btc, long long price)
    {
        ASSERT_EQ(1, CRcmdCoinManager::GetAutoAgent()->SetAutoAmountType(500000));
        Json::Value available;
        available["KRW"] = Json::Int64(krw);
        available["BTC"] = btc;
        Rig().exchange.SetBalance(available);
        ASSERT_TRUE(Rig().SetPrice("BTC", price)) << "the manager never saw the BTC price";
    }

    // Pushes a signal and waits until its order events (or `alarms` of them) arrived.
    void Signal(char kind, const char* code, const char* percent, size_t alarms = 1, const char* coin = "BTC")
    {
        const size_t before = Rig().alarmHost.alarms.size();
        ASSERT_EQ(1, Rig().server.PushSignal(coin, kind, code, percent));
        ASSERT_TRUE(Rig().PumpUntil([&] { return Rig().alarmHost.alarms.size() >= before + alarms; }))
            << "no order event for signal " << kind << " " << code;
        ASSERT_TRUE(Rig().Settle());
    }

    // A watched BTC position bought on a B001 signal.
    void OpenPosition()
    {
        Prepare(1000000, "0", 8000000);
        Signal('1', "B001", "10");
        ASSERT_EQ(1, Status("BTC"));
        Rig().exchange.Must(Command("clear_requests"));
        Rig().alarmHost.Clear();
        Rig().mainFrame.Clear();
    }

    const COIN_ORD_INFO& LastAlarm() { return Rig().alarmHost.alarms.back(); }
    // 1 watched, 2 waiting, 0 no signal stored.
    int Status(const char* coin) { return Rig().Manager()->GetAutoSignalStatus(coin, NULL); }
};

TEST_F(Trading, StartsWithTheCoinListThenSettlementAndForcedSellThenTheSignalsOfEachCoin)
{
    ServerPeer& server = Rig().server;
    Rig().StopManager();
    // The unregistrations of the manager's destruction: 200, 300 and every coin's 100.
    ASSERT_TRUE(Rig().WaitRecords("unregister", RD_AUTO_SIGNAL, kCoins));
    EXPECT_EQ(1u, server.Records("unregister", RD_SETTLEMENT).size());
    EXPECT_EQ(1u, server.Records("unregister", RD_FORCED_SELL).size());
    EXPECT_EQ(static_cast<size_t>(kCoins), server.Records("unregister", RD_AUTO_SIGNAL).size());

    // Without the manager nobody wants the ticker: polling stops.
    Rig().PumpUntil([] { return false; }, 600);
    Rig().exchange.Must(Command("clear_requests"));
    Rig().PumpUntil([] { return false; }, 600);
    Json::Value ticker = Command("requests");
    ticker["path"] = "/public/ticker/ALL";
    EXPECT_LE(Rig().exchange.Must(ticker)["requests"].size(), 1u);

    server.Must(Command("clear_requests"));
    ASSERT_TRUE(Rig().StartManager(kCoins) != NULL);

    const Json::Value all = server.Must(Command("requests"));
    std::vector<Json::Value> records;
    for (const Json::Value& r : all["requests"])
        if (r["kind"] == "query" || r["kind"] == "register")
            records.push_back(r);
    ASSERT_EQ(3u + kCoins, records.size());
    EXPECT_EQ("query", records[0]["kind"].asString());
    EXPECT_EQ(TR_RCMD_COIN_LIST, records[0]["code"].asInt());
    EXPECT_EQ("I", records[0]["type"].asString());
    EXPECT_EQ(" ", records[0]["body_text"].asString());
    EXPECT_EQ(RD_SETTLEMENT, records[1]["code"].asInt());
    EXPECT_EQ(RD_FORCED_SELL, records[2]["code"].asInt());
    for (int i = 1; i < 3; ++i)
    {
        ASSERT_EQ(1u, records[i]["keys"].size());
        EXPECT_EQ("ALL", records[i]["keys"][0]["key"].asString());
        EXPECT_EQ(std::string("ALL") + std::string(9, ' '), records[i]["keys"][0]["raw"].asString());
    }
    const char* coins[] = {"BTC", "ETH", "XRP", Rig().kMarkerCoin};
    for (int i = 0; i < kCoins; ++i)
    {
        const Json::Value& r = records[3 + i];
        EXPECT_EQ(RD_AUTO_SIGNAL, r["code"].asInt());
        ASSERT_EQ(1u, r["keys"].size());
        EXPECT_EQ(coins[i], r["keys"][0]["key"].asString());
        EXPECT_EQ(12u, r["keys"][0]["raw"].asString().size());
    }

    // And the ticker of all coins is polled again, for the manager.
    EXPECT_TRUE(Rig().PumpUntil([&] { return Rig().exchange.Must(ticker)["requests"].size() >= 2; }));
    std::string log = Rig().ServerLog();
    EXPECT_NE(std::string::npos, log.find("t1110 요청"));
    EXPECT_NE(std::string::npos, log.find("t1110:BTC/ETH/XRP/EOS/"));
    EXPECT_NE(std::string::npos, log.find("종목추천 실시간 데이터 요청 BTC/ETH/XRP/EOS/"));
}

TEST_F(Trading, ABuySignalQueriesTheBalanceAndPlacesOneSignedMarketBuy)
{
    Prepare(1000000, "0.5", 8000000);
    Signal('1', "B001", "10");

    std::vector<Json::Value> posts = Rig().exchange.Posts();
    ASSERT_EQ(2u, posts.size());
    ExpectSigned(posts[0], "/info/balance", "BTC");
    ExpectSigned(posts[1], "/trade/market_buy", "BTC");
    // 10% of 1 000 000 won at 8 000 000 is 0.0125 BTC, cut (not rounded) to 0.012.
    EXPECT_EQ("0.012", FormValue(posts[1], "units"));
    EXPECT_EQ("0000", posts[1]["status"].asString());

    ASSERT_EQ(1u, Rig().alarmHost.alarms.size());
    const COIN_ORD_INFO& alarm = LastAlarm();
    EXPECT_EQ("비트코인(BTC)", Text(alarm.szCoinName, 50));
    EXPECT_EQ("매수", Text(alarm.szSide, 10));
    EXPECT_EQ(posts[1]["order_id"].asString(), Text(alarm.szOrderID, 30));
    EXPECT_FALSE(Text(alarm.szContID, 10).empty());
    EXPECT_EQ(8000000, alarm.nPrice);
    EXPECT_DOUBLE_EQ(0.012, alarm.dUnits);
    EXPECT_EQ(96000, alarm.nTotal);
    EXPECT_DOUBLE_EQ(240, alarm.dFee);
    EXPECT_EQ(kBoughtText, Text(alarm.szMessage, 256));
    EXPECT_EQ("BTC", Text(alarm.szCoinCode, 10));

    std::vector<Relay> relays = RelaysOf(Rig().mainFrame.relays, "BTC");
    ASSERT_EQ(1u, relays.size());
    EXPECT_EQ(Rig().Manager()->GetSafeHwnd(), relays[0].msg.hSender);
    EXPECT_EQ(static_cast<UINT>(WM_AUTOSIGNAL_CHANGED), relays[0].msg.nMessage);
    EXPECT_EQ(static_cast<WPARAM>(WM_AUTOSIGNAL_CHANGED), relays[0].msg.wParam);
    EXPECT_EQ('1', relays[0].signal.cKind);
    EXPECT_EQ(1, relays[0].signal.nOrdered);
    EXPECT_EQ(1, relays[0].signal.nAutoMode);
    // lParam is the signal's log entry (the marker's entry followed it).
    const CAutoSignalLog& log = *CRcmdCoinManager::GetAutoSignalLogData();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(reinterpret_cast<LPARAM>(log[log.size() - 2]), relays[0].msg.lParam);
    EXPECT_EQ(1, Status("BTC"));
}

TEST_F(Trading, ATargetUpdateKeepsTheWatchAndASellSignalSellsTheWholeHolding)
{
    OpenPosition();
    ASSERT_EQ(1, Rig().server.PushSignal("BTC", '0', "U001", "0"));
    ASSERT_TRUE(Rig().Settle());
    EXPECT_TRUE(Rig().exchange.Posts().empty());
    _AUTO_SIGNAL stored;
    ASSERT_EQ(1, Rig().Manager()->GetAutoSignalStatus("BTC", &stored));
    EXPECT_EQ('0', stored.cKind);
    EXPECT_EQ("U001", Text(stored.szSignalCode, 4));
    EXPECT_EQ(1, stored.nAutoMode);

    // A holding the whole-coin text of which would round up to more than exists.
    Json::Value available;
    available["BTC"] = "0.51279";
    Rig().exchange.SetBalance(available);
    Signal('2', "S001", "0");
    std::vector<Json::Value> posts = Rig().exchange.Posts();
    ASSERT_EQ(2u, posts.size());
    ExpectSigned(posts[0], "/info/balance", "BTC");
    ExpectSigned(posts[1], "/trade/market_sell", "BTC");
    EXPECT_EQ("0.512", FormValue(posts[1], "units"));
    EXPECT_EQ("0000", posts[1]["status"].asString());
    EXPECT_EQ("매도", Text(LastAlarm().szSide, 10));
    EXPECT_EQ(kSoldText, Text(LastAlarm().szMessage, 256));
    EXPECT_EQ(2, Status("BTC"));
}

TEST_F(Trading, AForcedSellSellsTheHoldingAndEndsTheWatch)
{
    OpenPosition();
    const size_t relays = Rig().mainFrame.relays.size();
    ASSERT_EQ(1, Rig().server.PushForcedSell("BTC"));
    ASSERT_TRUE(Rig().PumpUntil([] { return !Rig().alarmHost.alarms.empty(); }));
    ASSERT_TRUE(Rig().Settle());

    std::vector<Json::Value> posts = Rig().exchange.Posts();
    ASSERT_EQ(2u, posts.size());
    ExpectSigned(posts[0], "/info/balance", "BTC");
    ExpectSigned(posts[1], "/trade/market_sell", "BTC");
    EXPECT_EQ("0.012", FormValue(posts[1], "units"));
    EXPECT_EQ("0000", posts[1]["status"].asString());
    EXPECT_EQ("매도", Text(LastAlarm().szSide, 10));
    EXPECT_EQ("비트코인(BTC)", Text(LastAlarm().szCoinName, 50));
    EXPECT_EQ(2, Status("BTC"));
    // Only the marker's relay: a forced sell is no signal.
    EXPECT_EQ(relays + 1, Rig().mainFrame.relays.size());
}

TEST_F(Trading, ARefusedForcedSellKeepsThePositionWatched)
{
    OpenPosition();
    Rig().exchange.Fault("error_status", "/trade/market_sell");
    ASSERT_EQ(1, Rig().server.PushForcedSell("BTC"));
    ASSERT_TRUE(Rig().PumpUntil([] { return !Rig().alarmHost.alarms.empty(); }));
    ASSERT_TRUE(Rig().Settle());
    ASSERT_EQ(1u, Orders(Rig().exchange).size());
    EXPECT_EQ("잠시 후 다시 시도해 주십시오.", Text(LastAlarm().szMessage, 256));
    EXPECT_EQ(1, Status("BTC"));
}

TEST_F(Trading, ABuyWhileWatchedBuysAgainAndOnlyASuccessReplacesTheSignal)
{
    OpenPosition();
    // Left after the first buy: 1 000 000 - 96 000 - the fee of 240 = 903 760 won; 10% of it at
    // 8 000 000 is 0.011297 BTC.
    Signal('1', "B002", "10");
    std::vector<Json::Value> orders = Orders(Rig().exchange);
    ASSERT_EQ(1u, orders.size());
    ExpectSigned(orders[0], "/trade/market_buy", "BTC");
    EXPECT_EQ("0.011", FormValue(orders[0], "units"));
    EXPECT_EQ("0000", orders[0]["status"].asString());
    _AUTO_SIGNAL stored;
    ASSERT_EQ(1, Rig().Manager()->GetAutoSignalStatus("BTC", &stored));
    EXPECT_EQ("B002", Text(stored.szSignalCode, 4));
    EXPECT_EQ(1, stored.nAutoMode);

    // A refused buy changes nothing: the position stays watched under the earlier signal.
    Rig().exchange.Fault("error_status", "/trade/market_buy");
    Signal('1', "B003", "10");
    ASSERT_EQ(2u, Orders(Rig().exchange).size());
    EXPECT_EQ("잠시 후 다시 시도해 주십시오.", Text(LastAlarm().szMessage, 256));
    ASSERT_EQ(1, Rig().Manager()->GetAutoSignalStatus("BTC", &stored));
    EXPECT_EQ("B002", Text(stored.szSignalCode, 4));
}

TEST_F(Trading, AForcedSellOfACoinNotRecommendedIsOnlyLogged)
{
    OpenPosition();
    ASSERT_EQ(1, Rig().server.PushForcedSell("DOGE"));
    ASSERT_TRUE(Rig().Settle());
    EXPECT_TRUE(Rig().exchange.Posts().empty());
    EXPECT_TRUE(Rig().alarmHost.alarms.empty());
    EXPECT_EQ(1, Status("BTC"));
    EXPECT_NE(std::string::npos, Rig().ServerLog().find("강제 매도 청산 : 추천 대상 코인이 아니라 로그처리만 함"));
}

TEST_F(Trading, SettlementBuysBtcWithAllTheMoneyAndHoldsSignalsUntilItEnds)
{
    // 1 000 000 won at 7 000 000 is 0.142857 BTC: 0.142 goes through, 0.143 would cost more
    // than the account has.
    Prepare(1000000, "0", 7000000);
    ASSERT_EQ(1, Rig().server.PushSettlement(true));
    ASSERT_TRUE(Rig().PumpUntil([] { return !Rig().alarmHost.alarms.empty(); }));
    std::vector<Json::Value> posts = Rig().exchange.Posts();
    ASSERT_EQ(2u, posts.size());
    ExpectSigned(posts[0], "/info/balance", "BTC");
    ExpectSigned(posts[1], "/trade/market_buy", "BTC");
    EXPECT_EQ("0.142", FormValue(posts[1], "units"));
    EXPECT_EQ("0000", posts[1]["status"].asString());
    EXPECT_EQ("매수", Text(LastAlarm().szSide, 10));
    EXPECT_EQ(kBoughtText, Text(LastAlarm().szMessage, 256));
    EXPECT_EQ(1, CRcmdCoinManager::m_bOnSettlementAcnt);

    // Signals are dropped while the settlement runs.
    ASSERT_EQ(1, Rig().server.PushSignal("BTC", '1', "B001", "10"));
    ASSERT_EQ(1, Rig().server.PushSettlement(false));
    ASSERT_TRUE(Rig().Settle());
    EXPECT_EQ(2u, Rig().exchange.Posts().size());
    EXPECT_TRUE(RelaysOf(Rig().mainFrame.relays, "BTC").empty());
    EXPECT_EQ(0, CRcmdCoinManager::m_bOnSettlementAcnt);
    EXPECT_EQ(0, Rig().mainFrame.forceLogouts);
}

TEST_F(Trading, ASettlementWithoutAPriceSendsNoOrder)
{
    ASSERT_EQ(1, CRcmdCoinManager::GetAutoAgent()->SetAutoAmountType(1));
    ASSERT_TRUE(Rig().SetPrice("BTC", 0));
    ASSERT_EQ(1, Rig().server.PushSettlement(true));
    ASSERT_EQ(1, Rig().server.PushSettlement(false));
    ASSERT_TRUE(Rig().Settle());
    std::vector<Json::Value> posts = Rig().exchange.Posts();
    ASSERT_EQ(1u, posts.size());
    EXPECT_EQ("/info/balance", posts[0]["path"].asString());
    EXPECT_NE(std::string::npos, Rig().ServerLog().find("정산 매수주문 실패!!, 현재가를 찾지 못했습니다."));
}

TEST_F(Trading, ASignalForACoinNotRecommendedIsOnlyLogged)
{
    ASSERT_EQ(1, CRcmdCoinManager::GetAutoAgent()->SetAutoAmountType(1));
    ASSERT_TRUE(Rig().SetPrice("BTC", 8000000));
    // Delivered under BTC's registration, but the body names a coin the server did not recommend.
    std::string body = std::string("DOGE") + std::string(20, ' ') + "1B001" + "20261209" + "093015";
    body += std::string(AUTO_SIGNAL_BODY_LEN - body.size(), ' ');
    body.replace(67, 2, "10");
    ASSERT_EQ(1, Rig().server.Push(RD_AUTO_SIGNAL, "BTC", body));
    ASSERT_TRUE(Rig().Settle());
    EXPECT_TRUE(Rig().exchange.Posts().empty());
    EXPECT_TRUE(Rig().alarmHost.alarms.empty());
    EXPECT_TRUE(RelaysOf(Rig().mainFrame.relays, "DOGE").empty());
    EXPECT_NE(std::string::npos, Rig().ServerLog().find("추천 대상 코인이 아니라 로그처리만 함"));
}

TEST_F(Trading, WithAutomaticTradingOffASignalIsStoredAndRelayedWithoutAnOrder)
{
    // Switched on, then off again: no order follows.
    ASSERT_EQ(1, CRcmdCoinManager::GetAutoAgent()->SetAutoAmountType(500000));
    CRcmdCoinManager::GetAutoAgent()->StopAutoAmountType();
    ASSERT_EQ(0, CRcmdCoinManager::GetAutoAgent()->GetAutoType());
    ASSERT_TRUE(Rig().SetPrice("BTC", 8000000));
    ASSERT_EQ(1, Rig().server.PushSignal("BTC", '1', "B001", "10"));
    ASSERT_TRUE(Rig().Settle());
    EXPECT_TRUE(Rig().exchange.Posts().empty());
    EXPECT_TRUE(Rig().alarmHost.alarms.empty());
    std::vector<Relay> relays = RelaysOf(Rig().mainFrame.relays, "BTC");
    ASSERT_EQ(1u, relays.size());
    EXPECT_EQ(0, relays[0].signal.nOrdered);
    EXPECT_EQ(2, Status("BTC"));
}

TEST_F(Trading, ABuyTheExchangeRefusesReportsItsMessageAndWatchesNothing)
{
    // All the money: the exchange's fee on top makes the order larger than the account.
    Prepare(1000000, "0", 8000000);
    Signal('1', "B001", "100");
    std::vector<Json::Value> orders = Orders(Rig().exchange);
    ASSERT_EQ(1u, orders.size());
    EXPECT_EQ("0.125", FormValue(orders[0], "units"));
    EXPECT_EQ("5600", orders[0]["status"].asString());
    EXPECT_EQ("주문 가능 금액이 부족합니다.", Text(LastAlarm().szMessage, 256));
    EXPECT_EQ("", Text(LastAlarm().szOrderID, 30));
    EXPECT_EQ(0, LastAlarm().nTotal);
    EXPECT_EQ(2, Status("BTC"));
}

TEST_F(Trading, ARefusedSellKeepsThePositionUntilASellGoesThrough)
{
    OpenPosition();
    Rig().exchange.Fault("error_status", "/trade/market_sell");
    Signal('2', "S001", "0");
    ASSERT_EQ(1u, Orders(Rig().exchange).size());
    EXPECT_EQ("매도", Text(LastAlarm().szSide, 10));
    EXPECT_EQ("잠시 후 다시 시도해 주십시오.", Text(LastAlarm().szMessage, 256));
    EXPECT_EQ(1, Status("BTC"));

    Signal('2', "S001", "0");
    std::vector<Json::Value> orders = Orders(Rig().exchange);
    ASSERT_EQ(2u, orders.size());
    EXPECT_EQ("0000", orders[1]["status"].asString());
    EXPECT_EQ(kSoldText, Text(LastAlarm().szMessage, 256));
    EXPECT_EQ(2, Status("BTC"));
}

TEST_F(Trading, AnOrderReplyWithoutStatusIsAFailure)
{
    Prepare(1000000, "0", 8000000);
    Json::Value reply = Command("set_reply");
    reply["path"] = "/trade/market_buy";
    reply["json"]["order_id"] = "1";
    reply["json"]["data"] = Json::Value(Json::arrayValue);
    Rig().exchange.Must(reply);
    Signal('1', "B001", "10");
    ASSERT_EQ(1u, Orders(Rig().exchange).size());
    EXPECT_EQ("매수주문 실패!!, 주문 응답에 처리 결과가 없습니다.", Text(LastAlarm().szMessage, 256));
    EXPECT_EQ(2, Status("BTC"));
}

TEST_F(Trading, APriceOfZeroIsNoPrice)
{
    Prepare(1000000, "0", 0);
    Signal('1', "B001", "10");
    std::vector<Json::Value> posts = Rig().exchange.Posts();
    ASSERT_EQ(1u, posts.size());
    EXPECT_EQ("/info/balance", posts[0]["path"].asString());
    EXPECT_EQ("매수주문 실패!!, 현재가를 찾지 못했습니다.", Text(LastAlarm().szMessage, 256));
    EXPECT_EQ(2, Status("BTC"));
}

TEST_F(Trading, ASellOfLessThanOneUnitIsNotSent)
{
    OpenPosition();
    Json::Value available;
    available["BTC"] = "0.0009";
    Rig().exchange.SetBalance(available);
    Signal('2', "S001", "0");
    EXPECT_TRUE(Orders(Rig().exchange).empty());
    EXPECT_EQ("매도주문 실패!!, 매도 가능 수량이 없습니다.", Text(LastAlarm().szMessage, 256));
    EXPECT_EQ(1, Status("BTC"));
}

TEST_F(Trading, ANewVersionNoticeAsksToRestartAndLogsOut)
{
    ASSERT_EQ(1, Rig().server.PushSettlement(false, true));
    ASSERT_TRUE(Rig().Settle());
    ASSERT_TRUE(Rig().PumpUntil([] { return Rig().mainFrame.forceLogouts == 1; }));
    std::vector<link_test::MessageBoxRecorder::Box> boxes = s_boxes->Boxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("신규버전이 존재합니다.\n시스템 종료후 다시 시작해 주십시오.", boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes[0].type & 0xF);
    EXPECT_TRUE(Rig().exchange.Posts().empty());
}

// --- orders whose reply cannot be read ---------------------------------------------------

struct UnreadCase
{
    const char* name;
    bool buy;
    const char* mode;   // the exchange's fault on the order
    int delayMs;        // 0: the mode's own
    const char* canned; // instead of a fault, this reply to the order (carried out: no)
    bool balanceFails;  // the balance read after the order gets no JSON either
    const char* message;
    int status; // the coin afterwards: 1 watched, 2 waiting
};

void PrintTo(const UnreadCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnreadOrders : public Trading, public ::testing::WithParamInterface<UnreadCase>
{
};

// An order whose reply is empty or no JSON may have been carried out: it is never posted again;
// the balance, read again and compared with the one read before the order, decides the watch
// state and what the trader is told.
TEST_P(UnreadOrders, AreSettledFromTheBalanceAndNeverPostedAgain)
{
    const UnreadCase& c = GetParam();
    ExchangePeer& exchange = Rig().exchange;
    if (c.buy)
        Prepare(1000000, "0.5", 8000000); // coins held before automatic trading
    else
        OpenPosition();
    const char* path = c.buy ? "/trade/market_buy" : "/trade/market_sell";
    if (c.canned)
    {
        Json::Value reply = Command("set_reply");
        reply["path"] = path;
        reply["text"] = c.canned;
        exchange.Must(reply);
    }
    else
    {
        Json::Value fault = Command("fault");
        fault["mode"] = c.mode;
        fault["path"] = path;
        fault["times"] = 1;
        if (c.delayMs)
            fault["delay_ms"] = c.delayMs;
        exchange.Must(fault);
    }
    if (c.balanceFails)
    {
        // The read before the order passes; every later one is no JSON.
        Json::Value fault = Command("fault");
        fault["mode"] = "non_json";
        fault["path"] = "/info/balance";
        fault["after"] = 1;
        exchange.Must(fault);
    }

    ASSERT_EQ(1, Rig().server.PushSignal("BTC", c.buy ? '1' : '2', c.buy ? "B001" : "S001", "10"));
    ASSERT_TRUE(Rig().PumpUntil([] { return !Rig().alarmHost.alarms.empty(); }, 60000)) << "no order event";
    ASSERT_TRUE(Rig().Settle());

    // One order; the balance before it and after it (a read repeated while it is no JSON).
    std::vector<std::string> paths;
    for (const Json::Value& post : exchange.Posts())
        paths.push_back(post["path"].asString());
    std::vector<std::string> expected = {"/info/balance", path};
    expected.resize(c.balanceFails ? 6 : 3, "/info/balance");
    EXPECT_EQ(expected, paths);

    ASSERT_EQ(1u, Rig().alarmHost.alarms.size());
    EXPECT_EQ(c.message, Text(LastAlarm().szMessage, 256));
    EXPECT_EQ(c.buy ? "매수" : "매도", Text(LastAlarm().szSide, 10));
    EXPECT_EQ("BTC", Text(LastAlarm().szCoinCode, 10));
    EXPECT_NE(std::string::npos, Rig().ServerLog().find(c.message));
    EXPECT_EQ(c.status, Status("BTC"));

    // A buy the balance shows carried out is watched: the next sell signal sells the whole
    // available holding, the coins held before included.
    if (c.buy && c.status == 1)
    {
        Json::Value none = Command("fault");
        none["mode"] = "none";
        exchange.Must(none);
        exchange.Must(Command("clear_requests"));
        Rig().alarmHost.Clear();
        Signal('2', "S001", "0");
        std::vector<Json::Value> orders = Orders(exchange);
        ASSERT_EQ(1u, orders.size());
        ExpectSigned(orders[0], "/trade/market_sell", "BTC");
        EXPECT_EQ("0.512", FormValue(orders[0], "units"));
        EXPECT_EQ("0000", orders[0]["status"].asString());
        EXPECT_EQ(kSoldText, Text(LastAlarm().szMessage, 256));
        EXPECT_EQ(2, Status("BTC"));
    }
}

// Beyond the JSON reader's depth: the reply reads as no JSON.
const std::string kNestedReply = "{\"status\":\"0000\",\"data\":" + std::string(1000, '[');

INSTANTIATE_TEST_SUITE_P(
    Table, UnreadOrders,
    ::testing::Values(
        UnreadCase{"BuyCarriedOutAnsweredWithNoJson", true, "garbled", 0, NULL, false, kSettledDone, 1},
        UnreadCase{"BuyCarriedOutConnectionCut", true, "hang_up", 0, NULL, false, kSettledDone, 1},
        UnreadCase{"BuyCarriedOutReplyCutHalfway", true, "truncated", 0, NULL, false, kSettledDone, 1},
        UnreadCase{"BuyCarriedOutReplyBeyondTheTimeOut", true, "slow", 20000, NULL, false, kSettledDone, 1},
        UnreadCase{"BuyNotCarriedOutAnsweredWithNoJson", true, "non_json", 0, NULL, false, kSettledNotDone, 2},
        UnreadCase{"BuyNotCarriedOutConnectionCut", true, "close", 0, NULL, false, kSettledNotDone, 2},
        UnreadCase{"BuyAnsweredBeyondTheReadersDepth", true, NULL, 0, kNestedReply.c_str(), false, kSettledNotDone,
                   2},
        UnreadCase{"BuyWithTheBalanceUnreadableToo", true, "garbled", 0, NULL, true, kSettledUnknown, 2},
        UnreadCase{"SellCarriedOutAnsweredWithNoJson", false, "garbled", 0, NULL, false, kSettledDone, 2},
        UnreadCase{"SellCarriedOutConnectionCut", false, "hang_up", 0, NULL, false, kSettledDone, 2},
        UnreadCase{"SellCarriedOutReplyBeyondTheTimeOut", false, "slow", 20000, NULL, false, kSettledDone, 2},
        UnreadCase{"SellNotCarriedOutAnsweredWithNoJson", false, "non_json", 0, NULL, false, kSettledNotDone, 1},
        UnreadCase{"SellWithTheBalanceUnreadableToo", false, "hang_up", 0, NULL, true, kSettledUnknown, 1}),
    [](const ::testing::TestParamInfo<UnreadCase>& info) { return std::string(info.param.name); });
