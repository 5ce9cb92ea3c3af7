// CWebGrab against the exchange peer: bodies with and without a length, broken transfers, the
// request time-out, the request flags, the proxy text; AsciiToUTF8 and the bounded status text.
#include <gtest/gtest.h>

#include <string>
#include "WebGrab.h"
#include "peer_link.h"

namespace {

class WebGrab : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(peer::BaseURL().empty()) << "the exchange peer is not running";
        ASSERT_TRUE(peer::Command("{\"cmd\":\"reset\"}")["ok"].asBool());
    }
    std::string Url(const char* path) { return peer::BaseURL() + path; }
};

TEST_F(WebGrab, FetchesTheWholeBodyWhateverTheTransfer)
{
    struct
    {
        const char* mode; // "" for a plain reply with Content-Length
        bool hasLength;
    } cases[] = {{"", true}, {"no_length", false}, {"chunked", false}};
    for (const auto& c : cases)
    {
        peer::Command("{\"cmd\":\"fault\",\"mode\":\"none\"}");
        if (*c.mode)
            peer::Fault(c.mode, "/public/ticker/ALL");
        CWebGrab grab;
        CString body;
        ASSERT_TRUE(grab.GetFile(Url("/public/ticker/ALL").c_str(), body, "Ticker")) << c.mode;
        Json::Value root;
        Json::Reader reader;
        ASSERT_TRUE(reader.parse(body.GetString(), body.GetString() + body.GetLength(), root)) << c.mode;
        EXPECT_EQ("0000", root["status"].asString());
        EXPECT_EQ(c.hasLength ? static_cast<DWORD>(body.GetLength()) : 0u, grab.GetFileSize()) << c.mode;
    }
}

TEST_F(WebGrab, ABrokenTransferFailsAndLeavesTheOutTextAlone)
{
    for (const char* mode : {"truncated", "close"})
    {
        peer::Command("{\"cmd\":\"fault\",\"mode\":\"none\"}");
        peer::Fault(mode, "/public/orderbook/BTC");
        CWebGrab grab;
        CString body("previous");
        EXPECT_FALSE(grab.GetFile(Url("/public/orderbook/BTC").c_str(), body, "Hoga")) << mode;
        EXPECT_STREQ("previous", body) << mode;
    }
}

// With a request time-out a reply that does not come fails the fetch; without one the fetch waits
// for it. The peer holds each reply back for the delay.
TEST_F(WebGrab, ARequestTimeOutEndsTheWaitForAReply)
{
    struct
    {
        DWORD timeOut;
        int delayMs;
        bool fetched;
    } cases[] = {{2000, 30000, false}, {0, 3000, true}, {2000, 0, true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.timeOut);
        peer::Command("{\"cmd\":\"fault\",\"mode\":\"none\"}");
        Json::Value delay;
        delay["delay_ms"] = c.delayMs;
        peer::Fault("slow", "/public/orderbook/BTC", 1, delay);
        CWebGrab grab;
        grab.SetRequestTimeOut(c.timeOut);
        EXPECT_EQ(c.timeOut, grab.GetRequestTimeOut());
        CString body("previous");
        EXPECT_EQ(c.fetched, grab.GetFile(Url("/public/orderbook/BTC").c_str(), body, "Hoga") != FALSE);
        if (c.fetched)
            EXPECT_NE(-1, body.Find("\"order_currency\":\"BTC\"")) << body.GetString();
        else
            EXPECT_STREQ("previous", body);
        // The session goes on: the next reply comes at once.
        ASSERT_TRUE(grab.GetFile(Url("/public/orderbook/BTC").c_str(), body, "Hoga"));
        EXPECT_NE(-1, body.Find("\"order_currency\":\"BTC\""));
    }
}

TEST_F(WebGrab, SessionStaysOpenBetweenFetches)
{
    CWebGrab grab;
    CString body;
    ASSERT_TRUE(grab.GetFile(Url("/public/orderbook/ETH").c_str(), body, "Hoga"));
    CWebGrabSession* session = grab.GetSession();
    ASSERT_NE(nullptr, session);
    ASSERT_TRUE(grab.GetFile(Url("/public/transaction_history/ETH").c_str(), body, "Hoga"));
    EXPECT_EQ(session, grab.GetSession());
    grab.Close();
    EXPECT_EQ(nullptr, grab.GetSession());
}

TEST(WebGrabFlags, ForceReloadAddsOnlyTheReloadBit)
{
    CWebGrab grab;
    EXPECT_TRUE(grab.GetForceReload());
    EXPECT_EQ(0x84000002u, grab.GetFileFlags());
    grab.SetForceReload(FALSE);
    EXPECT_EQ(0x04000002u, grab.GetFileFlags());
}

TEST(WebGrabFlags, ProxyTextIsServerColonPort)
{
    CWebGrab grab;
    grab.SetProxy("proxy.example", 8080, TRUE);
    ASSERT_TRUE(grab.Initialise("Ticker", NULL));
    // The text the session's proxy option is set to (Wine refuses the option on a session handle,
    // so the session itself cannot be asked here).
    EXPECT_STREQ("proxy.example:8080", grab.GetProxyText());
    grab.SetUseProxy(FALSE);
    EXPECT_STREQ("", grab.GetProxyText());
}

TEST(AsciiToUTF8, EveryByteOfEveryNonAsciiCharacterIsEscaped)
{
    ASSERT_EQ(949u, GetACP());
    struct
    {
        const char* ansi;
        const char* out;
    } cases[] = {
        {"", ""},
        {"http://host/a?b=c&d", "http://host/a?b=c&d"},
        {"한", "%ED%95%9C"},      // three bytes in UTF-8
        {"α", "%CE%B1"},          // two bytes in UTF-8
        {"°C", "%C2%B0C"},        // two bytes, then ASCII
        {"aα한b", "a%CE%B1%ED%95%9Cb"},
        {"αβγ", "%CE%B1%CE%B2%CE%B3"}, // a run of two-byte characters reads nothing past the end
    };
    for (const auto& c : cases)
    {
        CString out("stale");
        CWebGrab::AsciiToUTF8(c.ansi, out);
        EXPECT_STREQ(c.out, out) << c.out;
    }
}

TEST(WebGrabStatus, StatusTextIsCutToItsBufferNeverOverrun)
{
    CWnd status;
    ASSERT_TRUE(status.CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    CWebGrabSession session("Ticker", &status);
    std::string longText(3000, 'x');
    session.SetStatus("%s", longText.c_str());
    CString text;
    status.GetWindowText(text);
    EXPECT_EQ(511, text.GetLength());
    session.SetStatus("Unknown status: %d", 77);
    status.GetWindowText(text);
    EXPECT_STREQ("Unknown status: 77", text);

    session.OnStatusCallback(1, INTERNET_STATUS_REQUEST_SENT, NULL, 0);
    status.GetWindowText(text);
    EXPECT_STREQ("Request sent", text);
    DWORD words[2] = {1, 0x2EFD};
    session.OnStatusCallback(1, INTERNET_STATUS_REQUEST_COMPLETE, words, sizeof(words));
    status.GetWindowText(text);
    EXPECT_STREQ("Request complete, dwResult = 00000001, dwError = 00002EFD", text);
    // Name information that is not terminated within its length is read only up to it.
    char name[4] = {'h', 'o', 's', 't'};
    session.OnStatusCallback(1, INTERNET_STATUS_RESOLVING_NAME, name, sizeof(name));
    status.GetWindowText(text);
    EXPECT_STREQ("Resolving name for host", text);
    status.DestroyWindow();

    CWebGrabSession quiet("Ticker"); // no status window: nothing to show, nothing breaks
    quiet.SetStatus("%s", longText.c_str());
}

} // namespace
