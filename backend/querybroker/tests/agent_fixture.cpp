#include "AgentFixture.h"

using namespace link_test;

std::unique_ptr<ServerPeer> AgentTest::s_peer;
std::unique_ptr<ServerSetting> AgentTest::s_setting;
std::unique_ptr<RecordingWindow> AgentTest::s_main;
std::unique_ptr<MessageBoxRecorder> AgentTest::s_boxes;
CTRAgent* AgentTest::s_agent = NULL;

void AgentTest::SetUpTestSuite()
{
    s_peer.reset(new ServerPeer);
    s_setting.reset(new ServerSetting("127.0.0.1", s_peer->Port()));
    s_main.reset(new RecordingWindow);
    s_boxes.reset(new MessageBoxRecorder);
    s_agent = new CTRAgent;
    ASSERT_EQ(1, s_agent->Create());
    LCM_SetMainHwnd(s_main->Handle());
}

void AgentTest::TearDownTestSuite()
{
    LCM_Close(-1);
    s_agent->DestroyWindow();
    delete s_agent;
    s_agent = NULL;
    s_boxes.reset();
    s_main.reset();
    s_setting.reset();
    s_peer.reset();
}

void AgentTest::SetUp()
{
    s_peer->Must("{\"cmd\":\"reset\"}");
    ASSERT_EQ(1, LCM_ConnectServer(0, s_agent->GetSafeHwnd()));
    ASSERT_EQ(1, LCM_IsConnected(0));
    s_main->Clear();
    s_boxes->Clear();
}

void AgentTest::TearDown()
{
    CTRAgent::ResetAll();
    Settle();
    LCM_Close(0);
    EXPECT_TRUE(PumpUntil([] { return LCM_IsTerminated(0) == 1; }));
    EXPECT_TRUE(s_boxes->Boxes().empty());
}

void AgentTest::Settle()
{
    RecordingWindow last;
    BYTE body = 'z';
    if (CTRAgent::RequestQueryData(1200, 'I', last.Handle(), NULL, &body, 1) != 1)
        return;
    EXPECT_TRUE(PumpUntil([&] { return !last.DataRecords().empty(); }));
}

std::string AgentTest::FromHexField(const Json::Value& record, const char* field)
{
    return FromHex(record[field].asString());
}
