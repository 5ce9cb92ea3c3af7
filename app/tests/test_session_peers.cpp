// The session's links to the peers: the server poll's transaction 1200 as the server peer sees
// it, on each tick of its timer, and the order-alarm host fed by the automatic-trading manager
// after a real signal from the server peer became a market order at the exchange peer.
#include "trading_fixture.h"

#include <string>

#include "GridDataList.h"
#include "OrdAlarm.h"
#include "OrderExec.h"
#include "PollingWnd.h"
#include "SharedData.h"

using trading::Command;

namespace {

class Session : public TradingTest
{
};

struct PollCase
{
    const char* id;
    std::string body;
};

// Bodies of three ticks of the poll; the reply of each restarts the timer and clears the flag.
TEST_F(Session, EachTickOfThePollSendsTheTwelveByteBodyToTheServer)
{
    const std::string longID(60, 'q'); // longer than any fixed buffer that once held it
    const PollCase cases[] = {
        {"user1", std::string("user1   \0\0\0\0", 12)},
        {"abcdefghij", std::string("abcdefghij\0\0", 12)}, // ten characters: the ID whole, then zeros
        {"abcdefghijklmnop", "abcdefghijkl"},              // more than ten: cut to the body
        {longID.c_str(), std::string(12, 'q')},
    };
    trading::ServerPeer& server = Rig().server;
    for (const PollCase& c : cases) {
        server.Must(Command("clear_requests"));
        CSharedData::SetUserID(c.id);
        CPollingWnd poll;
        ASSERT_TRUE(poll.Create()) << c.id;
        EXPECT_TRUE(poll.m_bRunning);
        for (int tick = 0; tick < 3; ++tick)
            ::SendMessageA(poll.GetSafeHwnd(), WM_TIMER, TIMER_POLL, 0);
        ASSERT_TRUE(Rig().WaitRecords("query", TR_POLL, 3)) << c.id;
        const std::vector<Json::Value> polls = server.Records("query", TR_POLL);
        ASSERT_EQ(3u, polls.size()) << c.id;
        for (const Json::Value& p : polls) {
            EXPECT_EQ("I", p["type"].asString()) << c.id;
            EXPECT_EQ(c.body, link_test::FromHex(p["body_hex"].asString())) << c.id;
        }
        // The answers come back to the poll window.
        EXPECT_TRUE(Rig().PumpUntil([&] { return !poll.m_bRunning; })) << c.id;
        EXPECT_TRUE(::KillTimer(poll.GetSafeHwnd(), TIMER_POLL)) << c.id << ": the timer runs again";
        poll.DestroyWindow();
    }
    CSharedData::SetUserID(NULL);
}

// The host's window as the main frame publishes it; the manager's order event of a buy signal
// is listed in the alarm, which then slides up.
TEST_F(Session, TheAlarmHostListsTheManagersOrderEvent)
{
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "host frame", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
    COrderExec host(&frame);
    ASSERT_TRUE(host.Create());
    ASSERT_NE(nullptr, host.GetAlarm());
    CGridDataList* grid = host.GetAlarm()->GetGrid();
    ASSERT_NE(nullptr, grid);
    CSharedData::SetOrdAlarmHandel(host.GetSafeHwnd());

    ASSERT_EQ(1, CRcmdCoinManager::GetAutoAgent()->SetAutoAmountType(500000));
    Json::Value available;
    available["KRW"] = Json::Int64(1000000);
    available["BTC"] = "0";
    Rig().exchange.SetBalance(available);
    ASSERT_TRUE(Rig().SetPrice("BTC", 8000000));
    ASSERT_EQ(1, Rig().server.PushSignal("BTC", '1', "B001", "10"));
    EXPECT_TRUE(Rig().PumpUntil([grid] { return grid->GetRecordCount() == 1; })) << "no order event reached the host";
    ASSERT_TRUE(Rig().Settle());
    ASSERT_EQ(1, grid->GetRecordCount());
    EXPECT_STREQ("비트코인(BTC)", grid->GetCellText(0, 1));
    EXPECT_STREQ("매수", grid->GetCellText(1, 1));
    // The alarm slides up on its timer.
    ::SendMessageA(host.GetAlarm()->GetSafeHwnd(), WM_TIMER, IDT_ORDALARM_SLIDE, 0);
    EXPECT_TRUE(host.GetAlarm()->IsWindowVisible());

    CSharedData::SetOrdAlarmHandel(Rig().alarmHost.Handle());
    CRcmdCoinManager::GetAutoAgent()->ResetAutoAmountType();
    host.DestroyWindow();
    frame.DestroyWindow();
}

} // namespace
