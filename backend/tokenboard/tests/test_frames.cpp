// The manager's handling of what the server sends beyond the road of one trade: bodies shorter
// than their layout, codes too long for a real-time key, the coin-based type, the signal log's
// bound and the resets of watched positions.
#include <string.h>

#include <initializer_list>

#include "signal_records.h"
#include "trading_fixture.h"

using namespace trading;

namespace {

std::string Padded(const std::string& text, size_t width)
{
    return text + std::string(width - text.size(), ' ');
}

// A code-100 body, numbers left-aligned.
std::string SignalBody(const char* coin, char kind, const char* code, const char* percent = "10")
{
    std::string body = Padded(coin, 24) + kind + Padded(code, 4) + "20261209" + "093015";
    body += Padded("8000000", 24) + Padded(percent, 6);
    return Padded(body, AUTO_SIGNAL_BODY_LEN);
}

} // namespace

class Frames : public TradingTest
{
protected:
    int Status(const char* coin) { return Rig().Manager()->GetAutoSignalStatus(coin, NULL); }
};

struct ShortBody
{
    int code;
    const char* key;
    size_t length;
    const char* logged;
};

std::ostream& operator<<(std::ostream& os, const ShortBody& c)
{
    return os << "code " << c.code << ", " << c.length << " bytes";
}

class ShortBodies : public TradingTest, public ::testing::WithParamInterface<ShortBody>
{
};

TEST_P(ShortBodies, AreDroppedAndLogged)
{
    const ShortBody& c = GetParam();
    ASSERT_EQ(1, CRcmdCoinManager::GetAutoAgent()->SetAutoAmountType(1));
    ASSERT_TRUE(Rig().SetPrice("BTC", 8000000));
    // A body that would be an order if it were whole.
    std::string body = SignalBody("BTC", '1', "B001").substr(0, c.length);
    if (c.code == RD_SETTLEMENT)
        body = std::string("1") + std::string(c.length - 1, ' ');
    if (c.code == RD_FORCED_SELL)
        body = Padded("BTC", c.length);
    ASSERT_EQ(1, Rig().server.Push(c.code, c.key, body));
    ASSERT_TRUE(Rig().Settle());
    EXPECT_TRUE(Rig().exchange.Posts().empty());
    EXPECT_TRUE(Rig().alarmHost.alarms.empty());
    EXPECT_TRUE(RelaysOf(Rig().mainFrame.relays, "BTC").empty());
    EXPECT_EQ(0, CRcmdCoinManager::m_bOnSettlementAcnt);
    char line[128];
    snprintf(line, sizeof line, c.logged, static_cast<int>(c.length));
    EXPECT_NE(std::string::npos, Rig().ServerLog().find(line)) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ShortBodies,
    ::testing::Values(ShortBody{RD_AUTO_SIGNAL, "BTC", 194, "자동주문 신호 길이 오류로 무시함 : %d바이트 (195바이트 필요)"},
                      ShortBody{RD_AUTO_SIGNAL, "BTC", 30, "자동주문 신호 길이 오류로 무시함 : %d바이트 (195바이트 필요)"},
                      ShortBody{RD_SETTLEMENT, "ALL", 25, "정산 RD 길이 오류로 무시함 : %d바이트 (26바이트 필요)"},
                      ShortBody{RD_FORCED_SELL, "ALL", 3, "강제 매도 RD 길이 오류로 무시함 : %d바이트 (38바이트 필요)"}));

// Sets the server's recommended coins for the life of the object, then back to the rig's.
class ServerCoins
{
public:
    ServerCoins(ServerPeer& server, std::initializer_list<const char*> coins) : m_server(server)
    {
        Set(coins);
    }
    ~ServerCoins() { Set({"BTC", "ETH", "XRP", TradingRig::kMarkerCoin}); }

private:
    void Set(std::initializer_list<const char*> coins)
    {
        Json::Value command = Command("set_coins");
        for (const char* coin : coins)
            command["coins"].append(coin);
        m_server.Must(command);
    }
    ServerPeer& m_server;
};

TEST_F(Frames, ACodeTooLongForARealTimeKeyIsNotRegistered)
{
    ServerPeer& server = Rig().server;
    ServerCoins coins(server, {"ABCDEFGHIJKLMNOPQRSTUVWX", "BTC", "ABCDEFGHIJKLM", "XRP"});
    // The set-up's manager takes back its keys as it goes; those frames must be in before the
    // records are cleared, or a late one counts as this manager's.
    const size_t unregistered = server.Records("unregister", RD_AUTO_SIGNAL).size();
    Rig().StopManager();
    ASSERT_TRUE(Rig().WaitRecords("unregister", RD_AUTO_SIGNAL, unregistered + kCoins));
    server.Must(Command("clear_requests"));
    ASSERT_TRUE(Rig().StartManager(4, 2) != NULL);
    Rig().PumpUntil([] { return false; }, 300);
    std::vector<Json::Value> registered = server.Records("register", RD_AUTO_SIGNAL);
    ASSERT_EQ(2u, registered.size());
    EXPECT_EQ("BTC", registered[0]["keys"][0]["key"].asString());
    EXPECT_EQ("XRP", registered[1]["keys"][0]["key"].asString());
    std::string log = Rig().ServerLog();
    EXPECT_NE(std::string::npos, log.find("실시간 키에 맞지 않는 코드라 등록하지 않음 : ABCDEFGHIJKLM"));
    EXPECT_NE(std::string::npos, log.find("종목추천 실시간 데이터 요청 BTC/XRP/"));
    Rig().StopManager();
    EXPECT_TRUE(Rig().WaitRecords("unregister", RD_AUTO_SIGNAL, 2));
    Rig().PumpUntil([] { return false; }, 300);
    EXPECT_EQ(2u, server.Records("unregister", RD_AUTO_SIGNAL).size());
}

TEST_F(Frames, CoinBasedTradingOrdersOnlyForItsCoins)
{
    ASSERT_EQ(1, CRcmdCoinManager::GetAutoAgent()->SetAutoCoinType("ETH", 100000));
    Json::Value available;
    available["KRW"] = 1000000;
    Rig().exchange.SetBalance(available);
    ASSERT_TRUE(Rig().SetPrice("ETH", 3000000));
    ASSERT_TRUE(Rig().SetPrice("BTC", 8000000));

    ASSERT_EQ(1, Rig().server.PushSignal("BTC", '1', "B001", "10"));
    ASSERT_TRUE(Rig().Settle());
    EXPECT_TRUE(Rig().exchange.Posts().empty());
    EXPECT_EQ(1u, RelaysOf(Rig().mainFrame.relays, "BTC").size()); // relayed, not stored
    EXPECT_EQ(0, Status("BTC"));

    ASSERT_EQ(1, Rig().server.PushSignal("ETH", '1', "B001", "10"));
    ASSERT_TRUE(Rig().Settle());
    std::vector<Json::Value> posts = Rig().exchange.Posts();
    ASSERT_EQ(2u, posts.size());
    EXPECT_EQ("/trade/market_buy", posts[1]["path"].asString());
    EXPECT_EQ("0.03", FormValue(posts[1], "units")); // 100 000 won at 3 000 000: 0.0333
    _AUTO_SIGNAL stored;
    ASSERT_EQ(1, Rig().Manager()->GetAutoSignalStatus("ETH", &stored));
    EXPECT_EQ(2, stored.nAutoMode);

    // Forgetting the coin's position leaves it waiting and tells the screens.
    Rig().mainFrame.Clear();
    CRcmdCoinManager::ResetCoinTypeAutoSignalData("ETH");
    EXPECT_EQ(2, Status("ETH"));
    ASSERT_EQ(1u, Rig().mainFrame.relays.size());
    EXPECT_EQ(NULL, Rig().mainFrame.relays[0].msg.hSender);
    EXPECT_EQ(0, Rig().mainFrame.relays[0].msg.lParam);
    EXPECT_EQ(static_cast<UINT>(WM_AUTOSIGNAL_CHANGED), Rig().mainFrame.relays[0].msg.nMessage);
    CRcmdCoinManager::GetAutoAgent()->ResetAllCoinType();
}

TEST_F(Frames, AmountTypeResetForgetsEveryWatchedPosition)
{
    CAutoSignalMap& map = *CRcmdCoinManager::GetAutoSignalList();
    _AUTO_SIGNAL watched;
    tokenboard::MakeServerOrderSignal("XRP", '1', watched);
    watched.nOrdered = 1;
    watched.nAutoMode = 1;
    map.SetAt("XRP", watched);

    CRcmdCoinManager::ResetAmountAutoSignalData(); // type 0: nothing
    EXPECT_EQ(1, Status("XRP"));
    EXPECT_TRUE(Rig().mainFrame.relays.empty());

    ASSERT_EQ(1, CRcmdCoinManager::GetAutoAgent()->SetAutoAmountType(1000));
    CRcmdCoinManager::ResetAmountAutoSignalData();
    _AUTO_SIGNAL stored;
    ASSERT_EQ(2, Rig().Manager()->GetAutoSignalStatus("XRP", &stored));
    EXPECT_EQ(0, stored.nAutoMode);
    EXPECT_EQ(1u, Rig().mainFrame.relays.size());
}

TEST_F(Frames, TheSignalLogKeepsTheNewestFiveThousand)
{
    CAutoSignalLog& log = *CRcmdCoinManager::GetAutoSignalLogData();
    const size_t before = log.size();
    for (int i = 0; before + i < AUTO_SIGNAL_LOG_MAX; ++i)
    {
        std::string body = SignalBody("XRP", '0', "U001");
        Rig().Manager()->TestSignal(reinterpret_cast<const BYTE*>(body.data()), static_cast<int>(body.size()));
    }
    ASSERT_EQ(static_cast<size_t>(AUTO_SIGNAL_LOG_MAX), log.size());
    _AUTO_SIGNAL* second = log[1];
    std::string last = SignalBody("ETH", '0', "L001");
    Rig().Manager()->TestSignal(reinterpret_cast<const BYTE*>(last.data()), static_cast<int>(last.size()));
    ASSERT_EQ(static_cast<size_t>(AUTO_SIGNAL_LOG_MAX), log.size());
    EXPECT_EQ(second, log.front());
    EXPECT_EQ("L001", Text(log.back()->szSignalCode, 4));
    EXPECT_EQ(reinterpret_cast<LPARAM>(log.back()), Rig().mainFrame.relays.back().msg.lParam);
}

TEST_F(Frames, ABuyOfAnotherKindThanB001IsStoredWithoutAnOrder)
{
    ASSERT_EQ(1, CRcmdCoinManager::GetAutoAgent()->SetAutoAmountType(1000));
    ASSERT_TRUE(Rig().SetPrice("BTC", 8000000));
    ASSERT_EQ(1, Rig().server.PushSignal("BTC", '1', "B002", "10"));
    ASSERT_TRUE(Rig().Settle());
    EXPECT_TRUE(Rig().exchange.Posts().empty());
    EXPECT_EQ(2, Status("BTC"));
    // A waiting coin acts on B001 only: a sell changes nothing.
    ASSERT_EQ(1, Rig().server.PushSignal("BTC", '2', "S001", "0"));
    ASSERT_TRUE(Rig().Settle());
    EXPECT_TRUE(Rig().exchange.Posts().empty());
    _AUTO_SIGNAL stored;
    ASSERT_EQ(2, Rig().Manager()->GetAutoSignalStatus("BTC", &stored));
    EXPECT_EQ("B002", Text(stored.szSignalCode, 4));
}

TEST(CoinNames, AreKnownForTheListedCoinsWhateverTheirCaseAndBlanks)
{
    ASSERT_EQ(949u, GetACP());
    struct
    {
        const char* code;
        const char* name;
    } cases[] = {{"BTC", "비트코인(BTC)"}, {"BCH", "비트코인캐시(BCH)"}, {"BTG", "비트코인골드(BTG)"},
                 {"ETH", "이더리움(ETH)"}, {"ETC", "이더리움클래식(ETC)"}, {"XRP", "리플(XRP)"},
                 {"LTC", "라이트코인(LTC)"}, {"DASH", "대시(DASH)"}, {"XMR", "모네로(XMR)"},
                 {"ZEC", "지캐시(ZEC)"}, {"QTUM", "퀀텀(QTUM)"}, {"EOS", "이오스(EOS)"},
                 {"SYN0001", ""}, {"btc", "비트코인(BTC)"}, {" BTC ", "비트코인(BTC)"}, {" eos", "이오스(EOS)"},
                 {"", ""}};
    for (const auto& c : cases)
        EXPECT_STREQ(c.name, CRcmdCoinManager::GetCoinName(c.code)) << c.code;
}
