// Signed private requests against the exchange peer over real HTTPS: accepted when signed right,
// refused when tampered with, and posted once per order whatever comes back.
#include <gtest/gtest.h>

#include <string.h>
#include <map>
#include <set>
#include <string>
#include "ZembraAPIAgent.h"
#include "WebGrab.h"
#include "ZembraSigner.h"
#include "json_text.h"
#include "peer_link.h"

namespace {

const char kKey[] = "molvane-demo-key";
const char kSecret[] = "molvane-demo-secret";

// The reply as the agent's readers see it (null when it does not parse, however deep it nests).
Json::Value ParseReply(const CString& text)
{
    Json::Value root;
    ParseJson(text.GetString(), text.GetLength(), root);
    return root;
}

class PrivateRequests : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(peer::BaseURL().empty()) << "the exchange peer is not running";
        ASSERT_TRUE(peer::Command("{\"cmd\":\"reset\"}")["ok"].asBool());
        CZembraAPIAgent::SetBaseURL(peer::BaseURL().c_str());
        CZembraAPIAgent::SetKeys(kKey, kSecret);
    }
};

TEST_F(PrivateRequests, PeerAcceptsOurSignedRequests)
{
    struct
    {
        const char* endpoint;
        const char* params;
    } cases[] = {
        {"/info/balance", "currency=BTC"},
        {"/info/balance", "currency=ALL"},
        {"/info/user_transactions", "offset=0&count=20&searchGb=0&currency=BTC"},
        {"/trade/market_buy", "units=0.001&currency=BTC"},
        {"/trade/market_sell", "units=0.5&currency=XRP"},
    };
    for (const auto& c : cases)
    {
        CString reply = CZembraAPIAgent::RequestPrivateData(c.endpoint, c.params);
        Json::Value root = ParseReply(reply);
        EXPECT_EQ("0000", root["status"].asString()) << c.endpoint << " " << reply.GetString();
    }
    Json::Value requests = peer::Requests();
    ASSERT_EQ(5u, requests.size());
    unsigned long long lastNonce = 0;
    for (const Json::Value& r : requests)
    {
        EXPECT_EQ("ok", r["verdict"].asString()) << r["reason"].asString();
        EXPECT_EQ("POST", r["method"].asString());
        // The five headers with their names spelled exactly (WinINet puts one blank after every
        // colon on the wire).
        std::map<std::string, std::string> headers;
        for (const Json::Value& h : r["headers"])
            headers[h[0].asString()] = h[1].asString();
        EXPECT_EQ("application/x-www-form-urlencoded", headers["Content-Type"]);
        EXPECT_EQ(kKey, headers["Api-Key"]);
        EXPECT_EQ("1", headers["api-client-type"]);
        EXPECT_EQ(r["nonce"].asString(), headers["Api-Nonce"]);
        EXPECT_EQ(172u, headers["Api-Sign"].size());
        unsigned long long nonce = std::stoull(r["nonce"].asString());
        EXPECT_GT(nonce, lastNonce);
        lastNonce = nonce;
    }
    EXPECT_EQ("endpoint=%2Finfo%2Fbalance&currency=BTC", requests[0]["body"].asString());
}

TEST_F(PrivateRequests, BackToBackRequestsNeverReuseANonce)
{
    // The peer refuses a nonce that does not grow; many requests within milliseconds all pass.
    for (int i = 0; i < 8; ++i)
    {
        Json::Value root = ParseReply(CZembraAPIAgent::RequestPrivateData("/info/balance", "currency=KRW"));
        ASSERT_EQ("0000", root["status"].asString()) << i;
    }
    for (const Json::Value& r : peer::Requests("/info/balance"))
        EXPECT_EQ("ok", r["verdict"].asString()) << r["reason"].asString();
}

TEST_F(PrivateRequests, PeerRefusesTamperedRequests)
{
    struct
    {
        const char* what;
        void (*tamper)(ZEMBRA_SIGNED_REQUEST&);
        const char* reason;
    } cases[] = {
        {"body changed after signing",
         [](ZEMBRA_SIGNED_REQUEST& r) { memcpy(strstr(r.szBody, "currency=BTC") + 9, "ETH", 3); }, "bad_signature"},
        {"signature changed",
         [](ZEMBRA_SIGNED_REQUEST& r) {
             char* p = r.szHeaderSign + strlen("Api-Sign:");
             *p = (*p == 'A') ? 'B' : 'A';
         },
         "bad_signature"},
        {"nonce changed",
         [](ZEMBRA_SIGNED_REQUEST& r) { strcat(r.szHeaderNonce, "1"); }, "bad_signature"},
        {"unknown API key", [](ZEMBRA_SIGNED_REQUEST& r) { strcpy(r.szHeaderKey, "Api-Key: someone-else"); },
         "unknown_key"},
    };
    for (const auto& c : cases)
    {
        ZEMBRA_SIGNED_REQUEST req;
        ASSERT_TRUE(CZembraSigner::Sign(peer::BaseURL().c_str(), "/info/balance", "currency=BTC", kKey, kSecret,
                                        CZembraSigner::NextNonce(), req));
        c.tamper(req);
        Json::Value root = ParseReply(CZembraSigner::Post(req));
        EXPECT_NE("0000", root["status"].asString()) << c.what;
        Json::Value requests = peer::Requests("/info/balance");
        ASSERT_GT(requests.size(), 0u);
        const Json::Value& last = requests[requests.size() - 1];
        EXPECT_EQ("refused", last["verdict"].asString()) << c.what;
        EXPECT_EQ(c.reason, last["reason"].asString()) << c.what;
    }
    // Signed with another secret: the peer's own signature differs.
    ZEMBRA_SIGNED_REQUEST req;
    ASSERT_TRUE(CZembraSigner::Sign(peer::BaseURL().c_str(), "/info/balance", "currency=BTC", kKey, "wrong-secret",
                                    CZembraSigner::NextNonce(), req));
    EXPECT_NE("0000", ParseReply(CZembraSigner::Post(req))["status"].asString());
}

TEST_F(PrivateRequests, KoreanParameterTextIsSignedInItsAnsiBytes)
{
    CString reply = CZembraAPIAgent::RequestPrivateData("/info/balance", "currency=한");
    Json::Value requests = peer::Requests("/info/balance");
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ("endpoint=%2Finfo%2Fbalance&currency=%C7%D1", requests[0]["body"].asString());
    // The signature and the encoding pass; only the coin is unknown.
    EXPECT_EQ(0u, requests[0]["reason"].asString().find("unknown_coin")) << requests[0]["reason"].asString();
    EXPECT_NE("0000", ParseReply(reply)["status"].asString());
}

struct RepeatCase
{
    const char* what;
    const char* endpoint;
    const char* params;
    const char* fault;
    int faultTimes; // -1: every reply
    int posts;      // signed requests sent (distinct nonces)
    bool replyIsJson;
    bool afterFetch = false; // a market-data GET to the same server went first
    const char* text = nullptr; // the body of a non_json reply, when not the peer's own
};

class Repeats : public PrivateRequests, public ::testing::WithParamInterface<RepeatCase>
{
};

TEST_P(Repeats, OrdersGoOutOnceAndReadsUpToFourTimes)
{
    const RepeatCase& c = GetParam();
    if (c.afterFetch)
    {
        // Leaves a kept-alive connection to the exchange that a later request could reuse.
        CWebGrab grab;
        CString body;
        ASSERT_TRUE(grab.GetFile((peer::BaseURL() + "/public/ticker/ALL").c_str(), body, "Ticker"));
    }
    Json::Value extra(Json::objectValue);
    if (c.text)
        extra["text"] = c.text;
    peer::Fault(c.fault, c.endpoint, c.faultTimes, extra);
    DWORD start = GetTickCount();
    CString reply = CZembraAPIAgent::RequestPrivateData(c.endpoint, c.params);
    DWORD took = GetTickCount() - start;
    EXPECT_EQ(c.replyIsJson, !ParseReply(reply).isNull()) << c.what << ": " << reply.GetString();
    EXPECT_LT(took, 20000u);

    // Every POST on the wire is a signed request of its own: WinINet sends no copy of one (same
    // nonce) when the kept-alive connection it went out on dies unanswered.
    std::set<std::string> nonces;
    int accepted = 0, posts = 0, firstConn = -1;
    for (const Json::Value& r : peer::Requests(c.endpoint))
    {
        ++posts;
        if (firstConn < 0)
            firstConn = r["conn"].asInt();
        nonces.insert(r["nonce"].asString());
        if (r["verdict"].asString() == "ok")
            ++accepted;
        else
            ADD_FAILURE() << c.what << ": refused, " << r["reason"].asString();
    }
    EXPECT_EQ(c.posts, posts) << c.what;
    EXPECT_EQ(c.posts, static_cast<int>(nonces.size())) << c.what;
    EXPECT_EQ(c.posts, accepted) << c.what;
    if (c.afterFetch) // the case is only worth its name when the first POST rode the fetch's connection
    {
        Json::Value gets = peer::Requests("/public/ticker/ALL");
        ASSERT_EQ(1u, gets.size());
        EXPECT_EQ(gets[0]["conn"].asInt(), firstConn) << c.what;
    }
}

// Nesting beyond the JSON reader's depth: the reader gives up by throwing.
const std::string kDeepReply(1000, '[');

const RepeatCase kRepeatCases[] = {
    {"buy, never JSON", "/trade/market_buy", "units=0.001&currency=BTC", "non_json", -1, 1, false},
    {"sell, never JSON", "/trade/market_sell", "units=0.001&currency=BTC", "non_json", -1, 1, false},
    {"buy, connection closed", "/trade/market_buy", "units=0.001&currency=BTC", "close", -1, 1, false},
    {"buy after a fetch, connection closed", "/trade/market_buy", "units=0.001&currency=BTC", "close", -1, 1, false,
     true},
    // The connection dies once: the order stays unanswered, the read is asked again with a new nonce.
    {"buy after a fetch, connection closed once", "/trade/market_buy", "units=0.001&currency=BTC", "close", 1, 1,
     false, true},
    {"read after a fetch, connection closed once", "/info/balance", "currency=BTC", "close", 1, 2, true, true},
    {"buy, cut JSON", "/trade/market_buy", "units=0.001&currency=BTC", "cut_json", -1, 1, false},
    {"read, never JSON: four posts, the fourth reply", "/info/balance", "currency=BTC", "non_json", -1, 4, false},
    {"read, JSON on the fourth post", "/info/balance", "currency=BTC", "non_json", 3, 4, true},
    {"read, JSON on the second post", "/info/balance", "currency=BTC", "non_json", 1, 2, true},
    {"read, connection closed", "/info/user_transactions", "offset=0&count=5&searchGb=0&currency=BTC", "close", -1,
     4, false},
    {"read, HTTP 401 with JSON is a reply", "/info/balance", "currency=BTC", "http_401", -1, 1, true},
    {"read, nested too deep", "/info/balance", "currency=BTC", "non_json", -1, 4, false, false, kDeepReply.c_str()},
    {"buy, nested too deep", "/trade/market_buy", "units=0.001&currency=BTC", "non_json", -1, 1, false, false,
     kDeepReply.c_str()},
    {"order, HTTP 500 with JSON is a reply", "/trade/market_sell", "units=0.001&currency=BTC", "http_500", -1, 1,
     true},
};

INSTANTIATE_TEST_SUITE_P(PrivateRequests, Repeats, ::testing::ValuesIn(kRepeatCases));

TEST_F(PrivateRequests, ReplyKeepsItsBytesThroughOtherTransfers)
{
    for (const char* mode : {"chunked", "no_length"})
    {
        peer::Command("{\"cmd\":\"fault\",\"mode\":\"none\"}");
        peer::Fault(mode, "/info/balance");
        Json::Value root = ParseReply(CZembraAPIAgent::RequestPrivateData("/info/balance", "currency=BTC"));
        EXPECT_EQ("0000", root["status"].asString()) << mode;
        EXPECT_TRUE(root["data"].isObject()) << mode;
    }
}

TEST_F(PrivateRequests, AnUnreachableExchangeGivesTheEmptyText)
{
    CZembraAPIAgent::SetBaseURL("https://127.0.0.1:1");
    EXPECT_STREQ("", CZembraAPIAgent::RequestPrivateData("/trade/market_buy", "units=1&currency=BTC"));
    CZembraAPIAgent::SetBaseURL("not a url");
    EXPECT_STREQ("", CZembraAPIAgent::RequestPrivateData("/info/balance", "currency=BTC"));
}

// The base address comes from [EXCHANGE] BASEURL of the install root's User\system.ini.
TEST(BaseAddress, IniKeyOverridesTheBuiltInAddress)
{
    char szExe[MAX_PATH];
    GetModuleFileNameA(NULL, szExe, MAX_PATH);
    std::string root(szExe);
    root = root.substr(0, root.rfind('\\'));
    root = root.substr(0, root.rfind('\\'));
    std::string ini = root + "\\User\\system.ini";
    CreateDirectoryA((root + "\\User").c_str(), NULL);

    // The staged tree may carry a setting of its own (the demo's): put it back afterwards.
    bool existed = GetFileAttributesA(ini.c_str()) != INVALID_FILE_ATTRIBUTES;
    char saved[256] = "";
    bool hadKey = GetPrivateProfileStringA("EXCHANGE", "BASEURL", "\x01", saved, sizeof(saved), ini.c_str()) &&
                  strcmp(saved, "\x01") != 0;

    ASSERT_TRUE(WritePrivateProfileStringA("EXCHANGE", "BASEURL", "https://localhost:9/", ini.c_str()));
    CZembraAPIAgent::SetBaseURL("");
    EXPECT_STREQ("https://localhost:9", CZembraAPIAgent::GetBaseURL());

    WritePrivateProfileStringA("EXCHANGE", "BASEURL", NULL, ini.c_str());
    CZembraAPIAgent::SetBaseURL("");
    EXPECT_STREQ(ZEMBRA_DEFAULT_BASE_URL, CZembraAPIAgent::GetBaseURL());

    if (hadKey)
        WritePrivateProfileStringA("EXCHANGE", "BASEURL", saved, ini.c_str());
    WritePrivateProfileStringA(NULL, NULL, NULL, ini.c_str()); // flush the profile cache
    if (!existed)
        DeleteFileA(ini.c_str());

    CZembraAPIAgent::SetBaseURL("https://localhost:4443");
    EXPECT_STREQ("https://localhost:4443", CZembraAPIAgent::GetBaseURL());
}

} // namespace
