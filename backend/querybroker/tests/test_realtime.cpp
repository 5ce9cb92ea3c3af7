// Real-time registrations against the server peer: the server hears of a key with its first
// window and of its release with the last; every real-time frame reaches each registered
// window, in registration order, and no other, also while receivers change the registrations.
#include "AgentFixture.h"

#include <algorithm>
#include <cstring>

using namespace link_test;

namespace {

class RealTime : public AgentTest
{
protected:
    void SetUp() override
    {
        AgentTest::SetUp();
        m_order.clear();
    }

    static void Register(WORD code, RecordingWindow& window, const std::string& keys)
    {
        CTRAgent::SetRealData(code, 'G', window.Handle(), reinterpret_cast<BYTE*>(const_cast<char*>(keys.data())),
                              static_cast<int>(keys.size()));
    }

    static Json::Value Push(int code, const std::string& key, const std::string& body, const std::string& extra = "")
    {
        return s_peer->Must("{\"cmd\":\"push\",\"code\":" + std::to_string(code) + ",\"key\":\"" + key +
                            "\",\"body_text\":\"" + body + "\"" + extra + "}");
    }

    // Records the order in which windows receive frames.
    void Track(RecordingWindow& window)
    {
        HWND handle = window.Handle();
        window.onCopy = [this, handle](const CopyRecord&) { m_order.push_back(handle); };
    }

    std::vector<HWND> m_order;
};

TEST_F(RealTime, TheFirstWindowOfAKeyRegistersItAndEveryWindowGetsItsFrames)
{
    RecordingWindow first, second;
    Track(first);
    Track(second);
    Register(100, first, "BTC");
    Register(100, second, "BTC");
    Register(100, second, "BTC"); // no duplicate
    Settle();
    const Json::Value registrations = s_peer->Records("register");
    ASSERT_EQ(1u, registrations.size());
    EXPECT_EQ("BTC", registrations[0]["body_text"].asString());
    EXPECT_EQ(100, registrations[0]["code"].asInt());
    EXPECT_EQ("G", registrations[0]["type"].asString());
    const int token = registrations[0]["window"].asInt();
    EXPECT_GE(token, 1);
    const std::string header = FromHexField(registrations[0], "header_hex");
    EXPECT_EQ("00000001", header.substr(26, 8));
    EXPECT_EQ('\0', header[59]);
    EXPECT_EQ(std::string(47, ' '), header.substr(250));

    EXPECT_EQ(1, Push(100, "BTC", "signal-body")["sent"].asInt());
    ASSERT_TRUE(PumpUntil([&] { return m_order.size() == 2; }));
    EXPECT_EQ((std::vector<HWND>{first.Handle(), second.Handle()}), m_order);
    for (RecordingWindow* w : {&first, &second}) {
        ASSERT_EQ(1u, w->copies.size());
        const CopyRecord& r = w->copies[0];
        EXPECT_EQ(100u, r.dwData);
        EXPECT_EQ("signal-body", r.data);
        ASSERT_EQ(33u + 11u, r.frame.size());
        EXPECT_EQ('R', r.frame[16]);
        EXPECT_EQ("03BTC", r.frame.substr(18, 5));
    }
    EXPECT_TRUE(first.StatusTexts().empty()) << "no status texts for real-time frames";

    // The registration named the first window by the token its requests carry.
    BYTE body = 'x';
    ASSERT_EQ(1, CTRAgent::RequestQueryData(1301, 'I', first.Handle(), NULL, &body, 1));
    ASSERT_EQ(1, CTRAgent::RequestQueryData(1301, 'I', second.Handle(), NULL, &body, 1));
    Settle();
    const Json::Value queries = s_peer->Records("query", 1301);
    ASSERT_EQ(2u, queries.size());
    EXPECT_EQ(token, queries[0]["window"].asInt());
    EXPECT_NE(token, queries[1]["window"].asInt());
}

TEST_F(RealTime, EmptyPiecesAreSkippedAndNewKeysGoInOneFrame)
{
    RecordingWindow window;
    Register(200, window, "A,,B");
    Register(200, window, "B,C,");
    Settle();
    const Json::Value registrations = s_peer->Records("register");
    ASSERT_EQ(2u, registrations.size());
    EXPECT_EQ("A,B", registrations[0]["body_text"].asString());
    EXPECT_EQ("C", registrations[1]["body_text"].asString());
}

TEST_F(RealTime, FramesReachOnlyTheWindowsOfTheirCodeAndKey)
{
    RecordingWindow btc, eth, other;
    Register(100, btc, "BTC");
    Register(100, eth, "ETH");
    Register(300, other, "BTC");
    Settle();
    Push(100, "BTC", "b1");
    Push(100, "ETH", "e1");
    Push(100, "XRP", "x1", ",\"force\":true");   // a key nobody registered
    Push(555, "BTC", "n1", ",\"force\":true");   // a code nobody registered
    Push(100, "BTC", "k13", ",\"key_len\":13"); // a key length beyond 12
    Push(100, "BTC", "b2");
    Settle();
    ASSERT_EQ(2u, btc.copies.size());
    EXPECT_EQ("b1", btc.copies[0].data);
    EXPECT_EQ("b2", btc.copies[1].data);
    ASSERT_EQ(1u, eth.copies.size());
    EXPECT_EQ("e1", eth.copies[0].data);
    EXPECT_TRUE(other.copies.empty());
}

TEST_F(RealTime, TheLastWindowOfAKeyReleasesIt)
{
    RecordingWindow first, second;
    Register(100, first, "BTC");
    Register(100, second, "BTC");
    Register(100, first, "ETH");
    CTRAgent::ResetRealData(100, "BTC", first.Handle());
    Settle();
    EXPECT_EQ(0u, s_peer->Records("unregister").size());
    CTRAgent::ResetRealData(100, "BTC,ETH", second.Handle()); // ETH is not second's: stays
    Settle();
    Json::Value released = s_peer->Records("unregister");
    ASSERT_EQ(1u, released.size());
    EXPECT_EQ("BTC", released[0]["body_text"].asString());
    EXPECT_EQ("F", released[0]["type"].asString());
    EXPECT_EQ(0, released[0]["window"].asInt());
    Push(100, "BTC", "late", ",\"force\":true");
    Push(100, "ETH", "eth");
    Settle();
    ASSERT_EQ(1u, first.copies.size());
    EXPECT_EQ("eth", first.copies[0].data);
    EXPECT_TRUE(second.copies.empty());
    CTRAgent::ResetRealData(100, "ETH", first.Handle());
    Settle();
    released = s_peer->Records("unregister");
    ASSERT_EQ(2u, released.size());
    EXPECT_EQ("ETH", released[1]["body_text"].asString());
    // The code is gone with its last key: registering again tells the server again.
    Register(100, second, "ETH");
    Settle();
    EXPECT_EQ(3u, s_peer->Records("register").size());
}

TEST_F(RealTime, ReceiversThatChangeTheRegistrationsWhileTheyHandleAFrame)
{
    RecordingWindow first, second, third, late;
    Register(100, first, "BTC");
    Register(100, second, "BTC");
    Register(100, third, "BTC");
    bool changed = false;
    first.onCopy = [&](const CopyRecord&) {
        if (changed)
            return;
        changed = true;
        CTRAgent::ResetRealData(100, "BTC", second.Handle());
        Register(100, late, "BTC");
        CTRAgent::ResetRealData(100, "BTC", first.Handle());
        Register(100, first, "BTC");
    };
    Settle();
    Push(100, "BTC", "one");
    Settle();
    EXPECT_EQ(1u, first.copies.size());
    EXPECT_TRUE(second.copies.empty()) << "taken off before its turn";
    EXPECT_EQ(1u, third.copies.size());
    EXPECT_TRUE(late.copies.empty()) << "registered after the frame arrived";
    Push(100, "BTC", "two");
    Settle();
    EXPECT_EQ(2u, third.copies.size());
    EXPECT_EQ(1u, late.copies.size());
    EXPECT_EQ(2u, first.copies.size());
}

TEST_F(RealTime, ADestroyedWindowIsSkippedAndTheOthersServed)
{
    RecordingWindow before, after;
    RecordingWindow* gone = new RecordingWindow;
    Register(100, before, "BTC");
    Register(100, *gone, "BTC");
    Register(100, after, "BTC");
    delete gone;
    Settle();
    Push(100, "BTC", "x");
    Settle();
    EXPECT_EQ(1u, before.copies.size());
    EXPECT_EQ(1u, after.copies.size());
}

TEST_F(RealTime, MalformedFramesAreDropped)
{
    RecordingWindow window, longKey;
    Register(100, window, "BTC");
    Register(100, longKey, "ABCDEFGHIJKLM");
    Settle();
    // A key length above 12, although a 13-character key is registered.
    std::string thirteen = "0000003700000100R 13ABCDEFGHIJKLMbody";
    COPYDATASTRUCT cds13 = {100, 37, &thirteen[0]};
    ::SendMessage(s_agent->GetSafeHwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds13));
    EXPECT_TRUE(longKey.copies.empty());
    // "00000025" "00000100" "R " "03" "BTC" and two more bytes: 25 bytes, shorter than 33.
    std::string frame = "0000002500000100R 03BTC  ";
    frame += std::string(40, 'z'); // bytes behind the frame's end that must not be read
    for (int len : {25, 32, 20, 17}) {
        COPYDATASTRUCT cds = {100, static_cast<DWORD>(len), &frame[0]};
        ::SendMessage(s_agent->GetSafeHwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
    }
    EXPECT_TRUE(window.copies.empty());
    std::string whole = "0000003500000100R 03BTC         " + std::string(" ok");
    COPYDATASTRUCT cds = {100, 35, &whole[0]};
    ::SendMessage(s_agent->GetSafeHwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
    ASSERT_EQ(1u, window.copies.size());
    EXPECT_EQ("ok", window.copies[0].data);
}

TEST_F(RealTime, ResetAllReleasesEveryPairAndSetRealAllRenewsThem)
{
    RecordingWindow a, b;
    Register(100, a, "BTC,ETH");
    Register(200, b, "ALL");
    CTRAgent::SetRealAll();
    Settle();
    const Json::Value registrations = s_peer->Records("register");
    ASSERT_EQ(5u, registrations.size()); // two first registrations, three renewals
    for (unsigned i = 2; i < 5; ++i) {
        const std::string header = FromHexField(registrations[i], "header_hex");
        EXPECT_EQ("00000000", header.substr(26, 8));
        EXPECT_EQ(std::string(8, ' '), header.substr(50, 8));
        EXPECT_EQ(' ', header[59]);
        EXPECT_EQ(std::string::npos, registrations[i]["body_text"].asString().find(','));
    }
    CTRAgent::ResetAll();
    Settle();
    const Json::Value released = s_peer->Records("unregister");
    ASSERT_EQ(3u, released.size());
    std::vector<std::string> keys;
    for (const Json::Value& r : released)
        keys.push_back(std::to_string(r["code"].asInt()) + ":" + r["body_text"].asString());
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ((std::vector<std::string>{"100:BTC", "100:ETH", "200:ALL"}), keys);
    Push(100, "BTC", "after", ",\"force\":true");
    Settle();
    EXPECT_TRUE(a.copies.empty());
}

} // namespace
