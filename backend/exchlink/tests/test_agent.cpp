// The exchange agent against the exchange peer over real HTTPS: registered windows receive their
// coins' records and nothing else, exchange errors reach the main window, polling follows the
// registrations, shut-down ends every feed thread even while polls are in flight, and an exchange
// that stops answering holds up neither the agent's end nor the program's.
#include <gtest/gtest.h>

#include <string.h>
#include <string>
#include "ZembraAPIAgent.h"
#include "local_clock.h"
#include <tlhelp32.h>
#include "peer_link.h"
#include "record_sink.h"

namespace {

const DWORD kWait = 8000;

int ProcessThreads()
{
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 te = {sizeof(te)};
    int n = 0;
    for (BOOL ok = Thread32First(snap, &te); ok; ok = Thread32Next(snap, &te))
        if (te.th32OwnerProcessID == GetCurrentProcessId())
            ++n;
    CloseHandle(snap);
    return n;
}

std::string Field(const std::string& bytes, size_t offset, size_t width)
{
    return bytes.substr(offset, width);
}

std::string Pad(const std::string& text, size_t width)
{
    return text + std::string(width - text.size(), ' ');
}

void Ok(const char* json)
{
    Json::Value reply = peer::Command(std::string(json));
    ASSERT_TRUE(reply["ok"].asBool()) << json << " -> " << reply.toStyledString();
}

class Agent : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(peer::BaseURL().empty()) << "the exchange peer is not running";
        Ok("{\"cmd\":\"reset\"}");
        Ok("{\"cmd\":\"market\",\"mode\":\"frozen\"}");
        Ok("{\"cmd\":\"set_time\",\"ms\":1700000000123}");
        CZembraAPIAgent::SetBaseURL(peer::BaseURL().c_str());
        m_threadsBefore = ProcessThreads();
        m_agent = new CZembraAPIAgent;
        ASSERT_TRUE(m_agent->Create());
        m_agent->Start();
        CZembraAPIAgent::SetMainHWND(m_main.hwnd());
    }
    void TearDown() override { Shutdown(); }
    void Shutdown()
    {
        if (!m_agent)
            return;
        m_agent->DestroyWindow();
        delete m_agent;
        m_agent = nullptr;
    }

    RecordSink m_main;
    CZembraAPIAgent* m_agent = nullptr;
    int m_threadsBefore = 0;
};

TEST_F(Agent, TickerRecordsReachOnlyTheWindowsRegisteredForTheirCoin)
{
    Ok("{\"cmd\":\"set_ticker\",\"coin\":\"BTC\",\"fields\":{\"opening_price\":\"49000000\","
       "\"closing_price\":\"50123456\",\"min_price\":\"48000000\",\"max_price\":\"51000000\","
       "\"average_price\":\"49500000.5\",\"units_traded\":\"1234.5678\",\"volume_1day\":\"2345.6789\","
       "\"volume_7day\":\"9999.1234\",\"buy_price\":\"50120000\",\"sell_price\":\"50130000\"}}");
    Ok("{\"cmd\":\"synthetic_coins\",\"count\":300}");
    RecordSink btc, eth, all, doge, bystander;
    CZembraAPIAgent::RequestTickerData("BTC", btc.hwnd());
    CZembraAPIAgent::RequestTickerData("ETH", eth.hwnd());
    CZembraAPIAgent::RequestTickerData("ALL", all.hwnd());
    CZembraAPIAgent::RequestTickerData("DOGE", doge.hwnd());
    ASSERT_TRUE(PumpUntil([&] { return btc.Count(WM_APIDATA_TICKER) && eth.Count(WM_APIDATA_TICKER) &&
                                       all.Count(WM_APIDATA_TICKER) >= 2; },
                          kWait));

    std::string expectedBtc = "BTC       " + Pad(LocalClock(1700000000123ULL), 12) + "49000000    " +
                              "50123456    " + "48000000    " + "51000000    " + "49500000.5      " +
                              Pad("1234.5678", 40) + Pad("2345.6789", 40) + Pad("9999.1234", 40) + "50120000    " +
                              "50130000    ";
    for (const ReceivedRecord& r : btc.Records(WM_APIDATA_TICKER))
    {
        EXPECT_EQ(230, r.lParam);
        EXPECT_EQ(expectedBtc, r.bytes);
        EXPECT_EQ(GetCurrentThreadId(), r.threadId); // handled on the window's own thread
    }
    for (const ReceivedRecord& r : eth.Records(WM_APIDATA_TICKER))
        EXPECT_EQ("ETH       ", Field(r.bytes, 0, 10));

    const char* order[] = {"BCH", "BTC", "BTG", "DASH", "EOS", "ETC", "ETH", "LTC", "QTUM", "XMR", "XRP", "ZEC"};
    for (const ReceivedRecord& r : all.Records(WM_APIDATA_TICKER))
    {
        ASSERT_EQ(2760, r.lParam); // the twelve listed coins among 312
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(Pad(order[i], 10), Field(r.bytes, 230 * i, 10));
        EXPECT_EQ(expectedBtc, Field(r.bytes, 230, 230));
    }
    EXPECT_EQ(0u, doge.Count(WM_APIDATA_TICKER));
    for (RecordSink* sink : {&btc, &eth, &all, &doge, &bystander})
    {
        EXPECT_EQ(0u, sink->Count(WM_APIDATA_HOGA));
        EXPECT_EQ(0u, sink->Count(WM_APIDATA_FILLLIST));
    }
    EXPECT_EQ(0u, bystander.Count(WM_APIDATA_TICKER));
    EXPECT_EQ(0u, m_main.Count(WM_APIERROR_NOTICE));
}

TEST_F(Agent, TradeAndOrderBookRecordsReachOnlyTheirCoinsWindows)
{
    Ok("{\"cmd\":\"set_trades\",\"coin\":\"ETH\",\"trades\":["
       "{\"transaction_date\":\"2024-01-02 03:04:05\",\"type\":\"bid\",\"units_traded\":\"0.1\","
       "\"price\":\"3000000\",\"total\":\"300000\"},"
       "{\"transaction_date\":\"2024-01-02 03:04:01\",\"type\":\"ask\",\"units_traded\":\"2.5\","
       "\"price\":\"2999000\",\"total\":\"7497500\"}]}");
    Ok("{\"cmd\":\"set_orderbook\",\"coin\":\"BTC\",\"timestamp\":\"1700000000123\","
       "\"bids\":[{\"quantity\":\"0.5\",\"price\":\"50000000\"},{\"quantity\":\"1.25\",\"price\":\"49990000\"}],"
       "\"asks\":[{\"quantity\":\"0.75\",\"price\":\"50010000\"}]}");
    RecordSink a, b;
    CZembraAPIAgent::RequestHogaData("BTC", a.hwnd());
    CZembraAPIAgent::RequestFillListData("ETH", a.hwnd());
    CZembraAPIAgent::RequestHogaData("XRP", b.hwnd());
    ASSERT_TRUE(PumpUntil([&] { return a.Count(WM_APIDATA_HOGA) >= 2 && a.Count(WM_APIDATA_FILLLIST) &&
                                       b.Count(WM_APIDATA_HOGA); },
                          kWait));

    std::string expectedHoga = "BTC       " + Pad(LocalClock(1700000000123ULL), 12) + "50000000    0.5         " +
                               "49990000    1.25        " + std::string(24 * 8, ' ') + "50010000    0.75        " +
                               std::string(24 * 9, ' ');
    for (const ReceivedRecord& r : a.Records(WM_APIDATA_HOGA))
    {
        EXPECT_EQ(502, r.lParam);
        EXPECT_EQ(expectedHoga, r.bytes);
    }
    std::string expectedFill = "ETH       " + Pad("2024-01-02 03:04:05", 20) + "bid" + Pad("0.1", 12) +
                               Pad("3000000", 12) + Pad("300000", 12) + Pad("2024-01-02 03:04:01", 20) + "ask" +
                               Pad("2.5", 12) + Pad("2999000", 12) + Pad("7497500", 12) + std::string(59 * 8, ' ');
    for (const ReceivedRecord& r : a.Records(WM_APIDATA_FILLLIST))
    {
        EXPECT_EQ(600, r.lParam);
        EXPECT_EQ(expectedFill, r.bytes);
    }
    for (const ReceivedRecord& r : b.Records(WM_APIDATA_HOGA))
        EXPECT_EQ("XRP       ", Field(r.bytes, 0, 10));
    EXPECT_EQ(0u, b.Count(WM_APIDATA_FILLLIST));
    EXPECT_EQ(0u, a.Count(WM_APIDATA_TICKER) + b.Count(WM_APIDATA_TICKER));
}

TEST_F(Agent, ExchangeErrorsReachTheMainWindowAsNotices)
{
    struct
    {
        const char* fault; // armed on the feed's path
        const char* title;
        std::string message; // expected in CP949
        void (*subscribe)(HWND);
    } cases[] = {
        {"{\"cmd\":\"fault\",\"mode\":\"error_status\",\"path\":\"/public/orderbook/\"}", "Zembra HOGA API 에러",
         "잠시 후 다시 시도해 주십시오.", [](HWND h) { CZembraAPIAgent::RequestHogaData("BTC", h); }},
        {u8"{\"cmd\":\"fault\",\"mode\":\"error_status\",\"path\":\"/public/ticker/ALL\",\"status\":\"5500\","
         u8"\"message\":\"시세를 가져올 수 없습니다\"}",
         "Zembra TICKER API 에러", "시세를 가져올 수 없습니다", [](HWND h) { CZembraAPIAgent::RequestTickerData("ALL", h); }},
        // No fault: the exchange itself refuses an unknown coin.
        {"{\"cmd\":\"ping\"}", "Zembra FILL API 에러", "지원하지 않는 암호화폐입니다.",
         [](HWND h) { CZembraAPIAgent::RequestFillListData("NOPE", h); }},
    };
    for (const auto& c : cases)
    {
        Ok("{\"cmd\":\"fault\",\"mode\":\"none\"}");
        Ok(c.fault);
        m_main.Clear();
        RecordSink sink;
        c.subscribe(sink.hwnd());
        ASSERT_TRUE(PumpUntil([&] { return m_main.Count(WM_APIERROR_NOTICE) > 0; }, kWait)) << c.title;
        for (const ReceivedRecord& r : m_main.Records(WM_APIERROR_NOTICE))
        {
            EXPECT_EQ(0, r.lParam);
            std::string time = Field(r.bytes, 0, 10);
            EXPECT_EQ(':', time[2]);
            EXPECT_EQ(':', time[5]);
            EXPECT_EQ("  ", time.substr(8));
            EXPECT_EQ(Pad(c.title, 50), Field(r.bytes, 10, 50));
            EXPECT_EQ(Pad(c.message, 200), Field(r.bytes, 60, 200));
        }
        EXPECT_EQ(0u, sink.Count(WM_APIDATA_TICKER) + sink.Count(WM_APIDATA_HOGA) + sink.Count(WM_APIDATA_FILLLIST));
        CZembraAPIAgent::StopTickerData("ALL", sink.hwnd());
        CZembraAPIAgent::StopHogaData("BTC", sink.hwnd());
        CZembraAPIAgent::StopFillListData("NOPE", sink.hwnd());
    }
}

TEST_F(Agent, TickerPollingStopsWithTheLastWindow)
{
    RecordSink a, b;
    CZembraAPIAgent::RequestTickerData("ALL", a.hwnd());
    CZembraAPIAgent::RequestTickerData("BTC", b.hwnd());
    ASSERT_TRUE(PumpUntil([&] { return a.Count(WM_APIDATA_TICKER) >= 2; }, kWait));
    CZembraAPIAgent::StopTickerData("ALL", a.hwnd());
    PumpFor(600);
    EXPECT_GT(peer::CountRequests("/public/ticker/ALL", "GET"), 0);
    CZembraAPIAgent::StopTickerData("BTC", b.hwnd());
    PumpFor(600); // a poll under way may still finish
    int polls = peer::CountRequests("/public/ticker/ALL", "GET");
    PumpFor(1000);
    EXPECT_EQ(polls, peer::CountRequests("/public/ticker/ALL", "GET"));
    size_t seen = a.Count(WM_APIDATA_TICKER);
    PumpFor(300);
    EXPECT_EQ(seen, a.Count(WM_APIDATA_TICKER));
}

TEST_F(Agent, RegisteredCoinsArePolledInTurn)
{
    RecordSink a;
    CZembraAPIAgent::RequestFillListData("BTC", a.hwnd());
    CZembraAPIAgent::RequestFillListData("ETH", a.hwnd());
    ASSERT_TRUE(PumpUntil([] { return peer::CountRequests("", "GET") >= 8; }, kWait));
    std::string last;
    int polls = 0;
    for (const Json::Value& r : peer::Requests())
    {
        std::string path = r["path"].asString();
        if (path.rfind("/public/transaction_history/", 0) != 0)
            continue;
        EXPECT_NE(last, path);
        last = path;
        ++polls;
    }
    EXPECT_GE(polls, 8);
    // One window stops: the other coin alone is polled on.
    CZembraAPIAgent::StopFillListData("BTC", a.hwnd());
    PumpFor(400);
    Ok("{\"cmd\":\"clear_requests\"}");
    ASSERT_TRUE(PumpUntil([] { return peer::CountRequests("", "GET") >= 3; }, kWait));
    for (const Json::Value& r : peer::Requests())
        EXPECT_EQ("/public/transaction_history/ETH", r["path"].asString());
}

TEST_F(Agent, ShutDownJoinsEveryFeedThreadWhilePollsAreInFlight)
{
    EXPECT_EQ(m_threadsBefore + 6, ProcessThreads());
    peer::Fault("slow", "", -1, [] { Json::Value v; v["delay_ms"] = 1500; return v; }());
    RecordSink a;
    CZembraAPIAgent::RequestTickerData("ALL", a.hwnd());
    CZembraAPIAgent::RequestHogaData("BTC", a.hwnd());
    CZembraAPIAgent::RequestFillListData("ETH", a.hwnd());
    PumpFor(500); // every feed is now waiting for a slow reply

    DWORD start = GetTickCount();
    Shutdown();
    DWORD took = GetTickCount() - start;
    EXPECT_LT(took, 5000u);
    EXPECT_EQ(nullptr, CZembraAPIAgent::m_pTicker);
    EXPECT_EQ(nullptr, CZembraAPIAgent::m_pHoga);
    EXPECT_EQ(nullptr, CZembraAPIAgent::m_pFillListData);
    // A thread the join gave up on ends as soon as its slow reply is in, and delivers nothing.
    EXPECT_TRUE(PumpUntil([&] { return ProcessThreads() == m_threadsBefore; }, kWait));
    EXPECT_EQ(0u, a.Count(WM_APIDATA_TICKER) + a.Count(WM_APIDATA_HOGA) + a.Count(WM_APIDATA_FILLLIST));
    // Registration after the feeds are gone is ignored.
    CZembraAPIAgent::RequestTickerData("ALL", a.hwnd());
}

// The feeds give up on a reply after a few seconds; signed private requests, sent over the same
// host meanwhile, wait longer for theirs: a read is not repeated, an order not sent twice.
TEST_F(Agent, PrivateRequestsWaitForASlowReplyWhileTheFeedsPoll)
{
    CZembraAPIAgent::SetKeys("molvane-demo-key", "molvane-demo-secret");
    RecordSink a;
    CZembraAPIAgent::RequestTickerData("ALL", a.hwnd());
    ASSERT_TRUE(PumpUntil([&] { return a.Count(WM_APIDATA_TICKER) >= 2; }, kWait)); // kept-alive connections
    struct
    {
        const char* endpoint;
        const char* params;
    } cases[] = {{"/info/balance", "currency=BTC"}, {"/trade/market_buy", "units=0.001&currency=BTC"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.endpoint);
        Ok("{\"cmd\":\"clear_requests\"}");
        // Beyond the feeds' 5 s, well within the private requests' own limit.
        peer::Fault("slow", c.endpoint, 1, [] { Json::Value v; v["delay_ms"] = 6500; return v; }());
        CString reply = CZembraAPIAgent::RequestPrivateData(c.endpoint, c.params);
        EXPECT_NE(-1, reply.Find("\"status\":\"0000\"")) << reply.GetString();
        EXPECT_EQ(1, peer::CountRequests(c.endpoint, "POST"));
    }
    EXPECT_GT(peer::CountRequests("/public/ticker/ALL", "GET"), 0);
}

TEST_F(Agent, ShutDownWhileAFeedWaitsInSendMessageToThisThread)
{
    RecordSink slow(300);
    CZembraAPIAgent::RequestTickerData("ALL", slow.hwnd());
    CZembraAPIAgent::RequestTickerData("BTC", slow.hwnd());
    ASSERT_TRUE(PumpUntil([&] { return slow.Count(WM_APIDATA_TICKER) > 0; }, kWait));
    Sleep(800); // not pumping: the parse thread now waits in SendMessage for this thread
    DWORD start = GetTickCount();
    Shutdown();
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(m_threadsBefore, ProcessThreads());
}

// The agent's program, in a process of its own, against an exchange that has stopped answering:
// destroying the agent waits for no fetch beyond its limit, and the process ends cleanly, whether
// it ends while the feed threads are still inside their fetches or after they gave up by
// themselves. The probe's exit code says which step failed; a process that does not end at all
// is a hang.
int RunExitProbe(const char* mode)
{
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(NULL, szPath, MAX_PATH);
    std::string exe(szPath);
    exe = exe.substr(0, exe.rfind('\\') + 1) + "ExchLinkExitProbe.exe";
    std::string command = "\"" + exe + "\" " + mode;
    STARTUPINFOA si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(exe.c_str(), &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return -2;
    CloseHandle(pi.hThread);
    // Far beyond the few seconds the probe takes; the exchange holds its replies for 120 s.
    DWORD exitCode = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, 90000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &exitCode);
    else
        TerminateProcess(pi.hProcess, exitCode);
    CloseHandle(pi.hProcess);
    return static_cast<int>(exitCode);
}

TEST(AgentExit, AStalledExchangeHoldsUpNeitherTheAgentNorTheProcess)
{
    ASSERT_FALSE(peer::BaseURL().empty()) << "the exchange peer is not running";
    for (const char* mode : {"exit", "linger"})
    {
        SCOPED_TRACE(mode);
        Ok("{\"cmd\":\"reset\"}");
        peer::Fault("slow", "", -1, [] { Json::Value v; v["delay_ms"] = 120000; return v; }());
        EXPECT_EQ(0, RunExitProbe(mode)) << "-1: the process did not end";
    }
    Ok("{\"cmd\":\"reset\"}");
}

TEST(AgentLifecycle, MainWindowGivenBeforeStartGetsNoNotices)
{
    ASSERT_FALSE(peer::BaseURL().empty());
    Ok("{\"cmd\":\"reset\"}");
    Ok("{\"cmd\":\"fault\",\"mode\":\"error_status\",\"path\":\"/public/orderbook/\"}");
    CZembraAPIAgent::SetBaseURL(peer::BaseURL().c_str());
    RecordSink main, sink;
    CZembraAPIAgent agent;
    ASSERT_TRUE(agent.Create());
    CZembraAPIAgent::RequestHogaData("BTC", sink.hwnd()); // before Start: ignored
    CZembraAPIAgent::SetMainHWND(main.hwnd());
    agent.Start();
    PumpFor(1000);
    EXPECT_EQ(0, peer::CountRequests("", "GET"));
    CZembraAPIAgent::RequestHogaData("BTC", sink.hwnd());
    ASSERT_TRUE(PumpUntil([] { return peer::CountRequests("", "GET") >= 2; }, kWait));
    PumpFor(300);
    EXPECT_EQ(0u, main.Count(WM_APIERROR_NOTICE));
    EXPECT_EQ(0u, sink.Count(WM_APIDATA_HOGA));
    agent.DestroyWindow();
    CZembraAPIAgent::SetMainHWND(NULL);
}

} // namespace
