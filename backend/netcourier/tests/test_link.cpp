// The socket link against the server peer over loopback: frames whole and in order through
// every way the peer cuts them, every framing fault ending the link with WM_LINK_CLOSED after
// the frames before it, the main window's say over a lost connection, and the reconnection.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "LinkTestSupport.h"
#include "NetCourier.h"

using namespace link_test;

namespace {

const int kFirst = 5001, kSecond = 5002, kFaulted = 5003;

class Link : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_peer.reset(new ServerPeer);
        // The address the link is configured with differs from the branch address of the
        // reconnection (127.0.0.1), so that the reconnection is a real close and connect.
        s_setting.reset(new ServerSetting("localhost", s_peer->Port()));
        s_window.reset(new RecordingWindow);
        s_boxes.reset(new MessageBoxRecorder);
        LCM_SetMainHwnd(s_window->Handle());
    }

    static void TearDownTestSuite()
    {
        LCM_Close(-1);
        s_boxes.reset();
        s_window.reset();
        s_setting.reset();
        s_peer.reset();
    }

    void SetUp() override
    {
        s_peer->Must("{\"cmd\":\"reset\"}");
        s_window->Clear();
        s_window->linkClosedResult = 0;
        s_window->onCopy = nullptr;
        s_window->onLinkClosed = nullptr;
        s_boxes->Clear();
    }

    void TearDown() override
    {
        LCM_Close(0);
        EXPECT_TRUE(PumpUntil([] { return LCM_IsTerminated(0) == 1; }));
        s_peer->Call("{\"cmd\":\"close_second\"}");
    }

    void Connect()
    {
        ASSERT_EQ(1, LCM_ConnectServer(0, s_window->Handle()));
        ASSERT_EQ(1, LCM_IsConnected(0));
        s_peer->Must("{\"cmd\":\"wait\",\"kind\":\"connect\"}");
    }

    static int Send(int code, const std::string& body = std::string())
    {
        const std::string frame = QueryFrame(code, 'I', s_window->Handle(), body);
        return LCM_RequestQueryData(0, 'I', frame.data(), static_cast<int>(frame.size()));
    }

    static void SetReply(int code, const std::string& body)
    {
        s_peer->Must("{\"cmd\":\"set_reply\",\"tr\":" + std::to_string(code) + ",\"body_hex\":\"" + Hex(body) + "\"}");
    }

    static std::vector<int> Codes()
    {
        std::vector<int> codes;
        for (const CopyRecord& r : s_window->copies)
            codes.push_back(static_cast<int>(r.dwData));
        return codes;
    }

    static std::unique_ptr<ServerPeer> s_peer;
    static std::unique_ptr<ServerSetting> s_setting;
    static std::unique_ptr<RecordingWindow> s_window;
    static std::unique_ptr<MessageBoxRecorder> s_boxes;
};

std::unique_ptr<ServerPeer> Link::s_peer;
std::unique_ptr<ServerSetting> Link::s_setting;
std::unique_ptr<RecordingWindow> Link::s_window;
std::unique_ptr<MessageBoxRecorder> Link::s_boxes;

// Runs first: the state the library starts in.
TEST_F(Link, StartsWithTheDefaultRecordAndNoConnection)
{
    tagServerInfo info;
    ASSERT_EQ(1, LCM_GetServerInfo(&info));
    EXPECT_EQ(8088, info.nPort);
    EXPECT_STREQ("SVR1", info.szAlias);
    EXPECT_EQ(1, LCM_IsTerminated(0));
    EXPECT_EQ(1, LCM_IsTerminated(-1));
    EXPECT_EQ(0, LCM_IsConnected(0));
    const std::string frame = QueryFrame(1200, 'I', s_window->Handle());
    EXPECT_EQ(0, LCM_RequestQueryData(0, 'I', frame.data(), static_cast<int>(frame.size())));
    void* accounts = &info;
    int count = -1;
    EXPECT_EQ(1, LCM_GetAccountList(&accounts, &count));
    EXPECT_EQ(0, count);
}

TEST_F(Link, AQueryAndItsReplyTravelWhole)
{
    Connect();
    tagServerInfo info;
    ASSERT_EQ(1, LCM_GetServerInfo(&info));
    EXPECT_STREQ("localhost", info.szAddress);
    EXPECT_EQ(s_peer->Port(), info.nPort);
    EXPECT_EQ(0, LCM_IsTerminated(0));

    ASSERT_EQ(1, Send(1200, "poll"));
    ASSERT_TRUE(PumpUntil([] { return s_window->copies.size() == 1; }));
    const CopyRecord& reply = s_window->copies[0];
    EXPECT_EQ(0u, reply.wParam);
    EXPECT_EQ(1200u, reply.dwData);
    ASSERT_EQ(301u, reply.data.size());
    EXPECT_EQ("00000301", reply.data.substr(0, 8));
    EXPECT_EQ("0000", reply.data.substr(297));
    const Json::Value queries = s_peer->Records("query", 1200);
    ASSERT_EQ(1u, queries.size());
    EXPECT_EQ("poll", queries[0]["body_text"].asString());
}

TEST_F(Link, RefusesEveryConnectionButTheFirst)
{
    Connect();
    const std::string frame = QueryFrame(1200, 'O', s_window->Handle());
    EXPECT_EQ(0, LCM_RequestQueryData(1, 'O', frame.data(), static_cast<int>(frame.size())));
    EXPECT_EQ(0, LCM_IsConnected(1));
    EXPECT_EQ(1, LCM_ConnectServer(1, s_window->Handle()));
    EXPECT_EQ(1, LCM_Close(3));
    EXPECT_EQ(1, LCM_IsConnected(0));
    EXPECT_EQ(1u, s_peer->Records("connect").size());
}

struct KeptFault
{
    const char* name;
    const char* params;
};

class LinkKeptFaults : public Link, public ::testing::WithParamInterface<KeptFault>
{
};

TEST_P(LinkKeptFaults, FramesArriveWholeAndInOrder)
{
    Connect();
    std::vector<std::string> bodies;
    for (int i = 0; i < 6; ++i) {
        bodies.push_back(std::string(i * 700 + 3, static_cast<char>('a' + i)));
        SetReply(6000 + i, bodies.back());
    }
    s_peer->Must(std::string("{\"cmd\":\"fault\",") + GetParam().params + "}");
    for (int i = 0; i < 6; ++i)
        ASSERT_EQ(1, Send(6000 + i));
    ASSERT_TRUE(PumpUntil([] { return s_window->copies.size() >= 6; }, 10000));
    PumpFor(100);
    ASSERT_EQ(6u, s_window->copies.size());
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(static_cast<ULONG_PTR>(6000 + i), s_window->copies[i].dwData);
        EXPECT_EQ(bodies[i], s_window->copies[i].data.substr(297));
    }
    EXPECT_EQ(1, LCM_IsConnected(0));
    EXPECT_EQ(0, s_window->linkClosed);
}

INSTANTIATE_TEST_SUITE_P(
    Peer, LinkKeptFaults,
    ::testing::Values(KeptFault{"split_7", "\"mode\":\"split\",\"chunk\":7,\"delay_ms\":2"},
                      KeptFault{"split_1", "\"mode\":\"split\",\"chunk\":1,\"delay_ms\":0"},
                      KeptFault{"split_18", "\"mode\":\"split\",\"chunk\":18,\"delay_ms\":1"},
                      KeptFault{"coalesce_3", "\"mode\":\"coalesce\",\"count\":3"},
                      KeptFault{"coalesce_tail", "\"mode\":\"coalesce\",\"count\":2,\"tail_bytes\":5"},
                      KeptFault{"slow", "\"mode\":\"slow\",\"delay_ms\":150"}),
    [](const ::testing::TestParamInfo<KeptFault>& info) { return std::string(info.param.name); });

struct EndingFault
{
    const char* name;
    const char* params;
    bool waitBeforeFault; // the peer closes at once: let the earlier replies arrive first
};

class LinkEndingFaults : public Link, public ::testing::WithParamInterface<EndingFault>
{
};

TEST_P(LinkEndingFaults, EndTheLinkAfterTheFramesBeforeThem)
{
    Connect();
    SetReply(kFirst, "first");
    SetReply(kSecond, std::string(3000, 's'));
    s_peer->Must(std::string("{\"cmd\":\"fault\",\"tr\":") + std::to_string(kFaulted) + "," + GetParam().params + "}");
    int copiesAtClose = -1;
    s_window->onCopy = nullptr;
    ASSERT_EQ(1, Send(kFirst));
    ASSERT_EQ(1, Send(kSecond));
    if (GetParam().waitBeforeFault) {
        ASSERT_TRUE(PumpUntil([] { return s_window->copies.size() == 2; }));
    }
    ASSERT_EQ(1, Send(kFaulted));
    ASSERT_TRUE(PumpUntil([&] {
        if (s_window->linkClosed > 0 && copiesAtClose < 0)
            copiesAtClose = static_cast<int>(s_window->copies.size());
        return s_window->linkClosed > 0;
    }));
    PumpFor(400);
    EXPECT_EQ(1, s_window->linkClosed);
    EXPECT_EQ(2, copiesAtClose) << "replies before the fault reach the receiver before the loss";
    EXPECT_EQ((std::vector<int>{kFirst, kSecond}), Codes());
    ASSERT_EQ(2u, s_window->copies.size());
    EXPECT_EQ("first", s_window->copies[0].data.substr(297));
    EXPECT_EQ(std::string(3000, 's'), s_window->copies[1].data.substr(297));
    EXPECT_EQ(0, LCM_IsConnected(0));
    EXPECT_EQ(0, LCM_RequestQueryData(0, 'I', "x", 1));
    // The main window took the loss over: no box, no logout from the link.
    EXPECT_TRUE(s_boxes->Boxes().empty());
    EXPECT_EQ(0, s_window->forceLogout);
    s_peer->Must("{\"cmd\":\"wait\",\"kind\":\"close\"}");
}

INSTANTIATE_TEST_SUITE_P(
    Peer, LinkEndingFaults,
    ::testing::Values(EndingFault{"oversize", "\"mode\":\"oversize\"", false},
                      EndingFault{"oversize_resent", "\"mode\":\"oversize\",\"size\":150000,\"resend\":true", false},
                      EndingFault{"garbage_length", "\"mode\":\"garbage_length\"", false},
                      EndingFault{"garbage_blanks", "\"mode\":\"garbage_length\",\"text\":\"        \"", false},
                      EndingFault{"short_length_10", "\"mode\":\"short_length\",\"length\":10", false},
                      EndingFault{"short_length_3", "\"mode\":\"short_length\",\"length\":3", false},
                      EndingFault{"drop", "\"mode\":\"drop\"", true},
                      EndingFault{"drop_reset", "\"mode\":\"drop\",\"reset\":true", true}),
    [](const ::testing::TestParamInfo<EndingFault>& info) { return std::string(info.param.name); });

TEST_F(Link, ALossLeftToTheLinkIsShownAndEndsInALogout)
{
    Connect();
    s_window->linkClosedResult = -1;
    s_peer->Must("{\"cmd\":\"disconnect\"}");
    ASSERT_TRUE(PumpUntil([] { return s_window->forceLogout == 1; }));
    EXPECT_EQ(1, s_window->linkClosed);
    const std::vector<MessageBoxRecorder::Box> boxes = s_boxes->Boxes();
    ASSERT_EQ(1u, boxes.size());
    const std::string expected =
        "서버와 접속이 해제되었습니다. [ip(localhost), port(" + std::to_string(s_peer->Port()) + ")]";
    EXPECT_EQ(expected, boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST), boxes[0].type);
    EXPECT_TRUE(PumpUntil([] { return LCM_IsTerminated(0) == 1; }));
    EXPECT_EQ(0, LCM_IsConnected(0));
}

TEST_F(Link, ALossTakenOverByTheMainWindowLeavesTheRestToIt)
{
    Connect();
    s_peer->Must("{\"cmd\":\"disconnect\",\"reset\":true}");
    ASSERT_TRUE(PumpUntil([] { return s_window->linkClosed == 1; }));
    PumpFor(300);
    EXPECT_EQ(1, s_window->linkClosed);
    EXPECT_EQ(0, s_window->forceLogout);
    EXPECT_TRUE(s_boxes->Boxes().empty());
    EXPECT_EQ(0, LCM_IsConnected(0));
    // A new connection after the loss.
    Connect();
    ASSERT_EQ(1, Send(1200));
    EXPECT_TRUE(PumpUntil([] { return s_window->copies.size() == 1; }));
}

TEST_F(Link, TheMainWindowMayCloseTheLinkWhileItHandlesTheLoss)
{
    Connect();
    DWORD took = 0;
    s_window->onLinkClosed = [&] {
        const DWORD start = GetTickCount();
        LCM_Close(0);
        took = GetTickCount() - start;
    };
    s_peer->Must("{\"cmd\":\"disconnect\"}");
    ASSERT_TRUE(PumpUntil([] { return s_window->linkClosed == 1; }));
    EXPECT_LT(took, 500u) << "closing waited for the thread that waits for this handler";
    EXPECT_TRUE(PumpUntil([] { return LCM_IsTerminated(0) == 1; }, 2000));
    EXPECT_TRUE(s_boxes->Boxes().empty());
}

TEST_F(Link, ReconnectsToANewAddressOnceAndStaysOnIt)
{
    Connect();
    ASSERT_EQ(1, LCM_ReConnectServer(0, "127.0.0.1"));
    EXPECT_EQ(1, LCM_IsConnected(0));
    s_peer->Must("{\"cmd\":\"wait\",\"kind\":\"connect\",\"count\":2}");
    s_peer->Must("{\"cmd\":\"wait\",\"kind\":\"close\"}");
    tagServerInfo info;
    ASSERT_EQ(1, LCM_GetServerInfo(&info));
    EXPECT_STREQ("127.0.0.1", info.szAddress);
    EXPECT_STREQ("SVR1", info.szAlias);
    // Already there: nothing happens.
    EXPECT_EQ(1, LCM_ReConnectServer(0, " 127.0.0.1 "));
    PumpFor(200);
    EXPECT_EQ(2u, s_peer->Records("connect").size());
    ASSERT_EQ(1, Send(1201));
    ASSERT_TRUE(PumpUntil([] { return s_window->copies.size() == 1; }));
    const Json::Value queries = s_peer->Records("query", 1201);
    ASSERT_EQ(1u, queries.size());
    EXPECT_EQ(s_peer->Records("connect")[1]["conn"].asInt(), queries[0]["conn"].asInt());
    EXPECT_EQ(0, s_window->linkClosed) << "closing from this side is no loss";
}

TEST_F(Link, ReconnectsToTheBranchAddressWithTheStoredPort)
{
    // The peer's second listener: another loopback address, the same port.
    const Json::Value second = s_peer->Must("{\"cmd\":\"open_second\",\"host\":\"127.0.0.2\"}");
    ASSERT_EQ(s_peer->Port(), second["port"].asInt());
    Connect();
    ASSERT_EQ(1, LCM_ReConnectServer(0, "127.0.0.2"));
    EXPECT_EQ(1, LCM_IsConnected(0));
    const Json::Value connects = s_peer->Must("{\"cmd\":\"wait\",\"kind\":\"connect\",\"count\":2}")["requests"];
    ASSERT_EQ(2u, connects.size());
    EXPECT_EQ("main", connects[0]["listener"].asString());
    EXPECT_EQ("second", connects[1]["listener"].asString());
    ASSERT_EQ(1, Send(1200));
    ASSERT_TRUE(PumpUntil([] { return s_window->copies.size() == 1; }));
    const Json::Value queries = s_peer->Records("query", 1200);
    ASSERT_EQ(1u, queries.size());
    EXPECT_EQ("second", queries[0]["listener"].asString());
    EXPECT_EQ(0, s_window->linkClosed);
}

TEST_F(Link, RefusesAReconnectionToAnythingButAnIPv4Address)
{
    Connect();
    const char* bad[] = {NULL, "", "localhost", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1.2.3.4x",
                         "1234567890.1.1.1", "127.000.000.001.9", "01234567890123456789.0.0.1"};
    for (const char* address : bad)
        EXPECT_EQ(0, LCM_ReConnectServer(0, address)) << (address ? address : "(null)");
    PumpFor(100);
    EXPECT_EQ(1, LCM_IsConnected(0));
    EXPECT_EQ(1u, s_peer->Records("connect").size());
    tagServerInfo info;
    ASSERT_EQ(1, LCM_GetServerInfo(&info));
    EXPECT_STREQ("localhost", info.szAddress);
}

TEST_F(Link, ClosingEverythingWhileFramesAreDeliveredDoesNotWaitOnItself)
{
    Connect();
    s_window->onCopy = [](const CopyRecord&) { Sleep(30); };
    for (int i = 0; i < 30; ++i)
        s_peer->Must("{\"cmd\":\"push\",\"code\":777,\"key\":\"K\",\"force\":true,\"body_text\":\"push\"}");
    ASSERT_TRUE(PumpUntil([] { return !s_window->copies.empty(); }));
    const DWORD start = GetTickCount();
    EXPECT_EQ(1, LCM_Close(-1));
    const DWORD took = GetTickCount() - start;
    EXPECT_LT(took, 1000u) << "the receive thread was left waiting in SendMessage";
    EXPECT_EQ(1, LCM_IsTerminated(-1));
    EXPECT_LT(s_window->copies.size(), 30u);
    s_window->onCopy = nullptr;
    // Connecting again restarts the receive thread.
    s_window->Clear();
    Connect();
    ASSERT_EQ(1, Send(1200));
    EXPECT_TRUE(PumpUntil([] { return s_window->copies.size() == 1; }));
    EXPECT_EQ(1200u, s_window->copies[0].dwData);
}

} // namespace
