// Queries through the agent against the server peer: the header as the server receives it,
// the status texts around each reply, and replies that go only to a window that asked.
#include "AgentFixture.h"

#include <cstring>
#include <memory>

#include "SharedData.h"

using namespace link_test;

namespace {

class Query : public AgentTest
{
protected:
    static void SetUpTestSuite()
    {
        // Ten characters: the user ID runs on over the site ID.
        CSharedData::SetUserID("USER012345");
        CTRAgent::m_szID[0] = '\0';
        AgentTest::SetUpTestSuite();
    }

    static std::string Field8(int number)
    {
        char text[16];
        snprintf(text, sizeof text, "%08d", number);
        return text;
    }

    static Json::Value OnlyQuery(int code)
    {
        const Json::Value records = s_peer->Records("query", code);
        EXPECT_EQ(1u, records.size()) << code;
        return records.size() == 1 ? records[0] : Json::Value();
    }
};

TEST_F(Query, ReplyReachesTheAskingWindowAfterItsStatusTexts)
{
    RecordingWindow window;
    BYTE body[] = "poll";
    ASSERT_EQ(1, CTRAgent::RequestQueryData(1200, 'I', window.Handle(), NULL, body, 4));
    // The first status text is sent before the request leaves.
    ASSERT_EQ(1u, window.copies.size());
    EXPECT_EQ(20000u, window.copies[0].dwData);
    EXPECT_EQ(0u, window.copies[0].wParam);
    EXPECT_EQ(std::string("조회중입니다.....", 18), window.copies[0].data);

    ASSERT_TRUE(PumpUntil([&] { return window.copies.size() == 3; }));
    EXPECT_EQ(std::string("조회가 완료되었습니다.", 23), window.copies[1].data);
    EXPECT_EQ(20000u, window.copies[1].dwData);
    const CopyRecord& reply = window.copies[2];
    EXPECT_EQ(1200u, reply.dwData);
    EXPECT_EQ("0000", reply.data);
    ASSERT_EQ(301u, reply.frame.size());
    EXPECT_EQ('I', CTRAgent::GetDataType(reinterpret_cast<_IQ_HEADER*>(const_cast<char*>(reply.frame.data()))));
    EXPECT_EQ("00001200", reply.frame.substr(8, 8));
}

// Windows are made and dropped until one's handle needs more than the field's eight digits,
// as happens in a long run with one Wine server: each reuse of a handle slot raises the
// handle's upper word.
std::unique_ptr<RecordingWindow> WindowBeyondEightDigits()
{
    for (int i = 0; i < 0x10000; ++i) {
        std::unique_ptr<RecordingWindow> window(new RecordingWindow);
        if (reinterpret_cast<UINT_PTR>(window->Handle()) > 99999999)
            return window;
    }
    return nullptr;
}

TEST_F(Query, RepliesReachWindowsWhoseHandlesOutgrowTheField)
{
    std::unique_ptr<RecordingWindow> first = WindowBeyondEightDigits();
    ASSERT_TRUE(first != nullptr);
    std::unique_ptr<RecordingWindow> second = WindowBeyondEightDigits();
    ASSERT_TRUE(second != nullptr);
    RecordingWindow small;
    struct
    {
        RecordingWindow* window;
        WORD code;
    } asks[] = {{first.get(), 1301}, {second.get(), 1110}, {&small, 1201}};
    BYTE body = 'x';
    for (const auto& ask : asks)
        ASSERT_EQ(1, CTRAgent::RequestQueryData(ask.code, 'I', ask.window->Handle(), NULL, &body, 1));
    for (const auto& ask : asks) {
        ASSERT_TRUE(PumpUntil([&] { return !ask.window->DataRecords().empty(); })) << ask.code;
        const std::vector<CopyRecord> replies = ask.window->DataRecords();
        ASSERT_EQ(1u, replies.size()) << ask.code;
        EXPECT_EQ(ask.code, replies[0].dwData);
        EXPECT_EQ("조회가 완료되었습니다.", ask.window->StatusTexts().back()) << ask.code;
        const int token = OnlyQuery(ask.code)["window"].asInt();
        EXPECT_GE(token, 1);
        EXPECT_EQ(Field8(token), replies[0].frame.substr(50, 8));
    }
}

TEST_F(Query, TheServerReceivesTheHeaderAsLaidDown)
{
    RecordingWindow window;
    BYTE body = '1';
    ASSERT_EQ(1, CTRAgent::RequestQueryData(1110, 'I', window.Handle(), NULL, &body, 1, -1));
    Settle();
    const Json::Value record = OnlyQuery(1110);
    const std::string header = FromHexField(record, "header_hex");
    ASSERT_EQ(297u, header.size());
    EXPECT_EQ(298, record["length"].asInt());
    EXPECT_EQ("00000298", header.substr(0, 8));
    EXPECT_EQ("00001110", header.substr(8, 8));
    EXPECT_EQ("I ", header.substr(16, 2));
    EXPECT_EQ(std::string(8, ' '), header.substr(18, 8));
    EXPECT_EQ("00000001", header.substr(26, 8));
    // The window's token: eight digits, the same for each request of the window, another for
    // another window.
    const int token = record["window"].asInt();
    EXPECT_EQ(Field8(token), header.substr(50, 8));
    EXPECT_GE(token, 1);
    RecordingWindow other;
    ASSERT_EQ(1, CTRAgent::RequestQueryData(1110, 'I', window.Handle(), NULL, &body, 1, -1));
    ASSERT_EQ(1, CTRAgent::RequestQueryData(1110, 'I', other.Handle(), NULL, &body, 1, -1));
    Settle();
    const Json::Value again = s_peer->Records("query", 1110);
    ASSERT_EQ(3u, again.size());
    EXPECT_EQ(token, again[1]["window"].asInt());
    EXPECT_NE(token, again[2]["window"].asInt());
    EXPECT_GE(again[2]["window"].asInt(), 1);
    EXPECT_EQ(' ', header[58]);
    EXPECT_EQ('\0', header[59]);
    EXPECT_EQ(std::string(190, ' '), header.substr(60, 190));
    EXPECT_EQ("USER012345", header.substr(250, 10));
    EXPECT_EQ("      ", header.substr(260, 6));
    EXPECT_EQ(std::string(31, ' '), header.substr(266));
    EXPECT_EQ("1", record["body_text"].asString());
}

struct KeyCase
{
    std::string key;
    int length;
};

class QueryKeys : public Query, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(QueryKeys, KeyLengthIsOneByteOfAtMost127)
{
    RecordingWindow window;
    const KeyCase& c = GetParam();
    ASSERT_EQ(1, CTRAgent::RequestQueryData(1301, 'I', window.Handle(), c.key.c_str(), NULL, 0));
    Settle();
    const std::string header = FromHexField(OnlyQuery(1301), "header_hex");
    EXPECT_EQ(c.length, static_cast<unsigned char>(header[59]));
    EXPECT_EQ(c.key.substr(0, c.length), header.substr(60, c.length));
    EXPECT_EQ(std::string(190 - c.length, ' '), header.substr(60 + c.length, 190 - c.length));
    EXPECT_EQ("USER012345", header.substr(250, 10));
}

INSTANTIATE_TEST_SUITE_P(Lengths, QueryKeys,
                         ::testing::Values(KeyCase{"BTC", 3}, KeyCase{std::string(127, 'k'), 127},
                                           KeyCase{std::string(128, 'm'), 127}, KeyCase{std::string(400, 'n'), 127}));

TEST_F(Query, AnOrderLeftToTheTypeLetterNeverLeaves)
{
    RecordingWindow window;
    EXPECT_EQ(0, CTRAgent::RequestQueryData(4000, 'O', window.Handle(), NULL, NULL, 0));
    ASSERT_EQ(1u, window.copies.size());
    EXPECT_EQ(std::string("주문이 완료되었습니다.", 23), window.copies[0].data);
    Settle();
    EXPECT_EQ(0u, s_peer->Records("query", 4000).size());
    EXPECT_EQ(1, CTRAgent::GetSocketIndex('O'));
    EXPECT_EQ(0, CTRAgent::GetSocketIndex('S'));
    EXPECT_EQ(0, CTRAgent::GetDataType(NULL));
}

TEST_F(Query, AReplyNamingAWindowThatNeverAskedIsDropped)
{
    RecordingWindow asking;
    RecordingWindow bystander; // of this process, but it never asked
    RecordingWindow listener;  // registered for real-time frames, but it never asked
    // A reply that names `number` in place of the asking window's token reaches nobody.
    auto expectDropped = [&](INT_PTR number, const char* what) {
        asking.Clear();
        bystander.Clear();
        listener.Clear();
        // Another code than Settle's, which must be answered as usual.
        s_peer->Must("{\"cmd\":\"set_reply\",\"tr\":1301,\"window\":" + std::to_string(number) + "}");
        BYTE body = 'x';
        ASSERT_EQ(1, CTRAgent::RequestQueryData(1301, 'I', asking.Handle(), NULL, &body, 1));
        Settle();
        EXPECT_EQ(1u, asking.copies.size()) << what; // its own "조회중입니다....." only
        EXPECT_TRUE(bystander.copies.empty()) << what;
        EXPECT_TRUE(listener.copies.empty()) << what;
    };
    expectDropped(reinterpret_cast<INT_PTR>(bystander.Handle()), "a handle");
    expectDropped(reinterpret_cast<INT_PTR>(GetDesktopWindow()), "the desktop's handle");
    expectDropped(99999999, "the largest number");
    expectDropped(0, "no number");

    BYTE key[] = "BTC";
    CTRAgent::SetRealData(100, 'G', listener.Handle(), key, 3);
    Settle();
    const Json::Value registrations = s_peer->Records("register");
    ASSERT_EQ(1u, registrations.size());
    const int registered = registrations[0]["window"].asInt();
    ASSERT_GE(registered, 1);
    expectDropped(registered, "a registered window's token");
    CTRAgent::ResetRealData(100, "BTC", listener.Handle());
    expectDropped(registered, "the token of a window that has unregistered");

    RecordingWindow* gone = new RecordingWindow;
    BYTE body = 'x';
    ASSERT_EQ(1, CTRAgent::RequestQueryData(1110, 'I', gone->Handle(), NULL, &body, 1));
    Settle();
    const int stale = OnlyQuery(1110)["window"].asInt();
    ASSERT_GE(stale, 1);
    delete gone;
    expectDropped(stale, "the token of a window that asked and was destroyed");
    // New windows, whatever handles they come by, get new tokens.
    RecordingWindow fresh;
    ASSERT_EQ(1, CTRAgent::RequestQueryData(1110, 'I', fresh.Handle(), NULL, &body, 1));
    Settle();
    const Json::Value asked = s_peer->Records("query", 1110);
    ASSERT_EQ(2u, asked.size());
    EXPECT_NE(stale, asked[1]["window"].asInt());
    EXPECT_NE(registered, asked[1]["window"].asInt());
}

TEST_F(Query, AReplyForADestroyedWindowIsDropped)
{
    RecordingWindow* gone = new RecordingWindow;
    BYTE body = 'x';
    ASSERT_EQ(1, CTRAgent::RequestQueryData(1200, 'I', gone->Handle(), NULL, &body, 1));
    delete gone;
    Settle();
    EXPECT_EQ(2u, s_peer->Records("query", 1200).size());
    EXPECT_EQ(1, LCM_IsConnected(0));
}

TEST_F(Query, AFrameShorterThanTheHeaderIsDroppedAndTheNextOneDelivered)
{
    RecordingWindow window;
    // The peer sends a 20-byte frame of the reply first (a valid frame for the link), then the
    // reply itself.
    s_peer->Must("{\"cmd\":\"fault\",\"mode\":\"short_length\",\"length\":20,\"tr\":1200,\"times\":1}");
    BYTE body = 'x';
    ASSERT_EQ(1, CTRAgent::RequestQueryData(1200, 'I', window.Handle(), NULL, &body, 1));
    ASSERT_TRUE(PumpUntil([&] { return !window.DataRecords().empty(); }));
    PumpFor(100);
    const std::vector<CopyRecord> replies = window.DataRecords();
    ASSERT_EQ(1u, replies.size());
    EXPECT_EQ("0000", replies[0].data);
    EXPECT_EQ(1, LCM_IsConnected(0));
}

TEST_F(Query, FramesHandedToTheAgentDirectlyAreCheckedTooAtEveryLength)
{
    RecordingWindow window;
    BYTE body = 'x';
    ASSERT_EQ(1, CTRAgent::RequestQueryData(1200, 'I', window.Handle(), NULL, &body, 1));
    ASSERT_TRUE(PumpUntil([&] { return !window.DataRecords().empty(); }));
    // The window's token as the server echoed it.
    const std::string token = window.DataRecords()[0].frame.substr(50, 8);
    window.Clear();
    // The same reply cut shorter and shorter, as a broken link would hand it over.
    std::string frame = QueryFrame(1200, 'I', NULL, "0000");
    frame.replace(50, 8, token);
    for (int len : {296, 60, 17, 16, 1, 0}) {
        COPYDATASTRUCT cds = {1200, static_cast<DWORD>(len), &frame[0]};
        ::SendMessage(s_agent->GetSafeHwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
    }
    EXPECT_TRUE(window.copies.empty());
    COPYDATASTRUCT whole = {1200, static_cast<DWORD>(frame.size()), &frame[0]};
    ::SendMessage(s_agent->GetSafeHwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&whole));
    ASSERT_EQ(1u, window.DataRecords().size());
    EXPECT_EQ("0000", window.DataRecords()[0].data);
}

TEST_F(Query, StatusTextsForEveryType)
{
    RecordingWindow window;
    struct
    {
        char type;
        const char* text;
    } cases[] = {{'I', "조회가 완료되었습니다."},
                 {'S', "조회완료되었습니다."},
                 {'A', "조회완료되었습니다."}};
    for (const auto& c : cases) {
        window.Clear();
        BYTE body = 'x';
        ASSERT_EQ(1, CTRAgent::RequestQueryData(1200, c.type, window.Handle(), NULL, &body, 1));
        ASSERT_TRUE(PumpUntil([&] { return !window.DataRecords().empty(); }));
        const std::vector<std::string> texts = window.StatusTexts();
        ASSERT_EQ(2u, texts.size());
        EXPECT_EQ("조회중입니다.....", texts[0]);
        EXPECT_EQ(c.text, texts[1]) << c.type;
    }
}

} // namespace
