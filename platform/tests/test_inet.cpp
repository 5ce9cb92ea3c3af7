// The internet session classes against the local HTTPS peer (testbed/https_peer.py), with the
// test CA trusted and no certificate-ignore flags; AfxParseURL as a table.
#include <afxinet.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const DWORD kSecureGet = INTERNET_FLAG_SECURE | INTERNET_FLAG_RELOAD;

INTERNET_PORT PeerPort()
{
    const char* port = std::getenv("MOLVANE_HTTPS_PORT");
    return port != nullptr ? static_cast<INTERNET_PORT>(std::atoi(port)) : 0;
}

std::string ReadAll(CInternetFile& file)
{
    std::string body;
    char buf[5]; // small reads: the loop, not one lucky call, must collect the body
    while (UINT n = file.Read(buf, sizeof buf))
        body.append(buf, n);
    return body;
}

struct Reply
{
    DWORD status = 0;
    std::string body;
};

class InetTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(PeerPort(), 0) << "run through testbed/peers.py --peers https"; }

    std::unique_ptr<CHttpFile> Open(CHttpConnection& connection, int verb, LPCSTR object, DWORD_PTR context = 1)
    {
        return std::unique_ptr<CHttpFile>(connection.OpenRequest(verb, object, NULL, context, NULL, NULL, kSecureGet));
    }

    Reply Get(LPCSTR object)
    {
        std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection("localhost", PeerPort()));
        auto file = Open(*connection, CHttpConnection::HTTP_VERB_GET, object);
        Reply reply;
        EXPECT_TRUE(file->SendRequest());
        EXPECT_TRUE(file->QueryInfoStatusCode(reply.status));
        reply.body = ReadAll(*file);
        return reply;
    }

    CInternetSession session{"MolvaneTest"};
};

TEST_F(InetTest, GetOverHttpsReturnsTheBody)
{
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection("localhost", PeerPort()));
    EXPECT_STREQ(connection->GetServerName(), "localhost");
    auto file = Open(*connection, CHttpConnection::HTTP_VERB_GET, "/hello");
    EXPECT_STREQ(file->GetVerb(), "GET");
    EXPECT_STREQ(file->GetObject(), "/hello");
    ASSERT_TRUE(file->SendRequest());

    DWORD status = 0, length = 0;
    ASSERT_TRUE(file->QueryInfoStatusCode(status));
    EXPECT_EQ(status, 200u);
    ASSERT_TRUE(file->QueryInfo(HTTP_QUERY_CONTENT_LENGTH, length));
    EXPECT_EQ(length, 16u);
    CString type;
    ASSERT_TRUE(file->QueryInfo(HTTP_QUERY_CONTENT_TYPE, type));
    EXPECT_STREQ(type, "text/plain");
    EXPECT_FALSE(file->QueryInfo(HTTP_QUERY_LAST_MODIFIED, type)) << "the peer sends no Last-Modified";
    EXPECT_STREQ(file->GetFileURL(), CString("https://localhost:") + std::to_string(PeerPort()).c_str() + "/hello");

    EXPECT_EQ(ReadAll(*file), "hello over https");
    EXPECT_EQ(file->GetPosition(), 16u);
}

TEST_F(InetTest, MissingObjectIsStatus404WithItsBody)
{
    const Reply reply = Get("/missing");
    EXPECT_EQ(reply.status, 404u);
    EXPECT_EQ(reply.body, "not found");
}

TEST_F(InetTest, PostCarriesHeadersAndBodyAndReadsBackLines)
{
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection("localhost", PeerPort()));
    std::unique_ptr<CHttpFile> file(connection->OpenRequest("POST", "/echo", NULL, 1, NULL, NULL,
                                                            INTERNET_FLAG_SECURE | INTERNET_FLAG_KEEP_CONNECTION));
    ASSERT_TRUE(file->AddRequestHeaders("Content-Type: application/x-www-form-urlencoded"));
    ASSERT_TRUE(file->AddRequestHeaders("X-Echo: first"));
    // Add-if-new keeps the first value of a header.
    EXPECT_FALSE(file->AddRequestHeaders("X-Echo: replaced"));
    char body[] = "second\r\n\r\nthird";
    ASSERT_TRUE(file->SendRequest(NULL, 0, body, sizeof body - 1));

    DWORD status = 0;
    ASSERT_TRUE(file->QueryInfoStatusCode(status));
    EXPECT_EQ(status, 200u);
    std::vector<std::string> lines;
    CString line;
    while (file->ReadString(line))
        lines.push_back(line.GetString());
    EXPECT_EQ(lines, (std::vector<std::string>{"first", "second", "", "third"}));
}

TEST_F(InetTest, LinesReadIntoABufferKeepTheirNewlineAndAreCut)
{
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection("localhost", PeerPort()));
    std::unique_ptr<CHttpFile> file(connection->OpenRequest(CHttpConnection::HTTP_VERB_POST, "/echo", NULL, 1, NULL,
                                                            NULL, INTERNET_FLAG_SECURE));
    CString headers("X-Echo: abcdefgh");
    char body[] = "xy";
    ASSERT_TRUE(file->SendRequest(headers, body, 2));
    char buf[6];
    std::vector<std::string> parts;
    while (file->ReadString(buf, sizeof buf) != NULL)
        parts.push_back(buf);
    EXPECT_EQ(parts, (std::vector<std::string>{"abcde", "fgh\n", "xy"}));
}

TEST_F(InetTest, BodyWrittenAfterSendRequestEx)
{
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection("localhost", PeerPort()));
    std::unique_ptr<CHttpFile> file(connection->OpenRequest(CHttpConnection::HTTP_VERB_POST, "/echo", NULL, 1, NULL,
                                                            NULL, INTERNET_FLAG_SECURE));
    ASSERT_TRUE(file->SendRequestEx(11));
    file->Write("written", 7);
    file->WriteString(" out");
    ASSERT_TRUE(file->EndRequest());
    DWORD status = 0;
    ASSERT_TRUE(file->QueryInfoStatusCode(status));
    EXPECT_EQ(status, 200u);
    EXPECT_EQ(ReadAll(*file), "written out");
}

TEST_F(InetTest, OpenUrlReturnsAnHttpFile)
{
    const std::string url = "https://localhost:" + std::to_string(PeerPort()) + "/hello";
    std::unique_ptr<CStdioFile> file(session.OpenURL(url.c_str(), 1, INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_RELOAD));
    CHttpFile* http = DYNAMIC_DOWNCAST(CHttpFile, file.get());
    ASSERT_NE(http, nullptr);
    DWORD status = 0;
    ASSERT_TRUE(http->QueryInfoStatusCode(status));
    EXPECT_EQ(status, 200u);
    EXPECT_EQ(ReadAll(*http), "hello over https");
}

TEST_F(InetTest, UnusableUrlsThrow)
{
    const struct
    {
        const char* url;
        DWORD error;
    } cases[] = {
        {"not a url", ERROR_INTERNET_INVALID_URL},
        {"mailto:someone@example.com", ERROR_INTERNET_UNRECOGNIZED_SCHEME},
    };
    for (const auto& c : cases) {
        try {
            delete session.OpenURL(c.url);
            ADD_FAILURE() << c.url << " did not throw";
        } catch (CInternetException* e) {
            EXPECT_EQ(e->m_dwError, c.error) << c.url;
            e->Delete();
        }
    }
}

TEST_F(InetTest, ClosedPortThrowsAWinInetError)
{
    // A port that was just free and has no listener.
    WSADATA wsa;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &wsa), 0);
    SOCKET probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(probe, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    int len = sizeof addr;
    getsockname(probe, reinterpret_cast<sockaddr*>(&addr), &len);
    closesocket(probe);
    WSACleanup();
    const INTERNET_PORT closedPort = ntohs(addr.sin_port);

    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection("127.0.0.1", closedPort));
    auto file = Open(*connection, CHttpConnection::HTTP_VERB_GET, "/hello", 77);
    try {
        file->SendRequest();
        FAIL() << "SendRequest to a closed port did not throw";
    } catch (CInternetException* e) {
        EXPECT_EQ(e->m_dwError, static_cast<DWORD>(ERROR_INTERNET_CANNOT_CONNECT));
        EXPECT_EQ(e->m_dwContext, 77u);
        char text[256];
        e->GetErrorMessage(text, sizeof text);
        EXPECT_GT(strlen(text), 0u);
        e->Delete();
    }
}

class RecordingSession : public CInternetSession
{
public:
    RecordingSession() : CInternetSession(NULL, 5) {}
    void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID, DWORD) override
    {
        statuses.push_back(dwInternetStatus);
        contexts.push_back(dwContext);
        threads.push_back(GetCurrentThreadId());
    }
    bool Saw(DWORD status) const
    {
        for (DWORD s : statuses)
            if (s == status)
                return true;
        return false;
    }
    std::vector<DWORD> statuses;
    std::vector<DWORD_PTR> contexts;
    std::vector<DWORD> threads;
};

TEST_F(InetTest, StatusCallbacksReachTheSession)
{
    RecordingSession recording;
    ASSERT_TRUE(recording.EnableStatusCallback());
    {
        std::unique_ptr<CHttpConnection> connection(recording.GetHttpConnection("localhost", PeerPort()));
        EXPECT_EQ(connection->GetContext(), 5u) << "connections take the session's context";
        auto file = Open(*connection, CHttpConnection::HTTP_VERB_GET, "/hello", 9);
        ASSERT_TRUE(file->SendRequest());
        EXPECT_EQ(ReadAll(*file), "hello over https");
    }
    EXPECT_TRUE(recording.Saw(INTERNET_STATUS_SENDING_REQUEST));
    EXPECT_TRUE(recording.Saw(INTERNET_STATUS_REQUEST_SENT));
    EXPECT_TRUE(recording.Saw(INTERNET_STATUS_RESPONSE_RECEIVED));
    for (size_t i = 0; i < recording.statuses.size(); ++i) {
        if (recording.statuses[i] == INTERNET_STATUS_REQUEST_SENT) {
            EXPECT_EQ(recording.contexts[i], 9u) << "the request's own context";
        }
        EXPECT_EQ(recording.threads[i], GetCurrentThreadId());
    }

    // Switched off, nothing more arrives.
    ASSERT_TRUE(recording.EnableStatusCallback(FALSE));
    recording.statuses.clear();
    std::unique_ptr<CHttpConnection> connection(recording.GetHttpConnection("localhost", PeerPort()));
    auto file = Open(*connection, CHttpConnection::HTTP_VERB_GET, "/hello");
    file->SendRequest();
    ReadAll(*file);
    EXPECT_TRUE(recording.statuses.empty());
}

TEST_F(InetTest, OptionsRoundTrip)
{
    // Wine keeps the receive time-out without reporting it back; setting it must succeed.
    EXPECT_TRUE(session.SetOption(INTERNET_OPTION_DATA_RECEIVE_TIMEOUT, 4321));
    ASSERT_TRUE(session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, 2345));
    DWORD timeout = 0;
    ASSERT_TRUE(session.QueryOption(INTERNET_OPTION_CONNECT_TIMEOUT, timeout));
    EXPECT_EQ(timeout, 2345u);
    CString agent;
    ASSERT_TRUE(session.QueryOption(INTERNET_OPTION_USER_AGENT, agent));
    EXPECT_STREQ(agent, "MolvaneTest");
}

TEST_F(InetTest, NamedProxyOfTheSession)
{
    CInternetSession proxied("MolvaneTest", 1, INTERNET_OPEN_TYPE_PROXY, "proxyhost:8080", "<local>");
    char buf[512] = {};
    DWORD len = sizeof buf;
    ASSERT_TRUE(proxied.QueryOption(INTERNET_OPTION_PROXY, buf, &len));
    const auto* proxy = reinterpret_cast<const INTERNET_PROXY_INFO*>(buf);
    EXPECT_EQ(proxy->dwAccessType, static_cast<DWORD>(INTERNET_OPEN_TYPE_PROXY));
    EXPECT_STREQ(proxy->lpszProxy, "proxyhost:8080");
}

TEST(InternetException, MessageIsCutOnACharacterBoundary)
{
    CInternetException e(ERROR_INTERNET_NAME_NOT_RESOLVED);
    char full[512];
    EXPECT_TRUE(e.GetErrorMessage(full, sizeof full));
    ASSERT_GT(strlen(full), 8u);
    EXPECT_NE(full[strlen(full) - 1], '\n');
    char cut[8];
    e.GetErrorMessage(cut, sizeof cut);
    EXPECT_EQ(std::string(cut), std::string(full, strlen(cut)));
    EXPECT_LE(strlen(cut), 7u);

    char none[1] = {'x'};
    e.GetErrorMessage(none, 1);
    EXPECT_EQ(none[0], '\0');
}

TEST(AfxParseURL, SplitsUrls)
{
    const struct
    {
        const char* url;
        BOOL ok;
        DWORD service;
        const char* server;
        const char* object;
        INTERNET_PORT port;
    } cases[] = {
        {"https://api.example.com/info/balance", TRUE, AFX_INET_SERVICE_HTTPS, "api.example.com", "/info/balance", 443},
        {"http://example.com", TRUE, AFX_INET_SERVICE_HTTP, "example.com", "/", 80},
        {"HTTP://Example.com:8088/a/b?x=1&y=2#frag", TRUE, AFX_INET_SERVICE_HTTP, "Example.com", "/a/b?x=1&y=2#frag", 8088},
        {"https://localhost:1/", TRUE, AFX_INET_SERVICE_HTTPS, "localhost", "/", 1},
        {"http://host?q=1", TRUE, AFX_INET_SERVICE_HTTP, "host", "/?q=1", 80},
        {"http://user:pw@host:81/p", TRUE, AFX_INET_SERVICE_HTTP, "host", "/p", 81},
        {"http://[::1]:8080/v6", TRUE, AFX_INET_SERVICE_HTTP, "::1", "/v6", 8080},
        {"  ftp://files.example.com/pub/x.zip ", TRUE, AFX_INET_SERVICE_FTP, "files.example.com", "/pub/x.zip", 21},
        {"https://127.0.0.1:65535/x", TRUE, AFX_INET_SERVICE_HTTPS, "127.0.0.1", "/x", 65535},
        {"https://127.0.0.1:65536/x", FALSE, AFX_INET_SERVICE_UNK, "", "", 0},
        {"https://host:0/", FALSE, AFX_INET_SERVICE_UNK, "", "", 0},
        {"https://host:8o/", FALSE, AFX_INET_SERVICE_UNK, "", "", 0},
        {"https:///nohost", FALSE, AFX_INET_SERVICE_UNK, "", "", 0},
        {"https:host/x", FALSE, AFX_INET_SERVICE_UNK, "", "", 0},
        {"www.example.com/x", FALSE, AFX_INET_SERVICE_UNK, "", "", 0},
        {"unknown://host/x", FALSE, AFX_INET_SERVICE_UNK, "", "", 0},
        {"", FALSE, AFX_INET_SERVICE_UNK, "", "", 0},
    };
    for (const auto& c : cases) {
        DWORD service = 12345;
        CString server("stale"), object("stale");
        INTERNET_PORT port = 7;
        EXPECT_EQ(AfxParseURL(c.url, service, server, object, port), c.ok) << c.url;
        EXPECT_EQ(service, c.service) << c.url;
        EXPECT_STREQ(server, c.server) << c.url;
        EXPECT_STREQ(object, c.object) << c.url;
        EXPECT_EQ(port, c.port) << c.url;
    }

    DWORD service;
    CString server, object, user, password;
    INTERNET_PORT port;
    ASSERT_TRUE(AfxParseURLEx("ftp://me:se:cret@host/f", service, server, object, port, user, password));
    EXPECT_STREQ(user, "me");
    EXPECT_STREQ(password, "se:cret");
    EXPECT_TRUE(AfxParseURL("mailto:someone@example.com", service, server, object, port));
    EXPECT_EQ(service, static_cast<DWORD>(AFX_INET_SERVICE_MAILTO));
    EXPECT_STREQ(object, "someone@example.com");
    EXPECT_FALSE(AfxParseURL(NULL, service, server, object, port));
}

} // namespace
