// The version check against the server peer: what goes out with transaction 100 for each
// version.dat, which answers start the updater, and that silence or a refused request costs
// no more than the check's wait.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <afxwin.h>

#include <memory>

#include "InstallFolders.h"
#include "AgentLink.h"
#include "NetCourier.h"
#include "TRAgent.h"
#include "temp_dir.h"
#include "VersionCheck.h"

using namespace link_test;

namespace {

// The staged System\version.dat while it lives; whatever was there comes back afterwards.
class VersionFile
{
public:
    VersionFile() : m_path(std::string(GetSystemDir()) + "version.dat")
    {
        m_existed = ::GetFileAttributesA(m_path.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (m_existed)
            m_previous = ReadFileBytes(m_path);
    }
    ~VersionFile()
    {
        if (m_existed)
            Write(m_previous);
        else
            Remove();
    }
    void Write(const std::string& content) const
    {
        HANDLE file = ::CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        DWORD written = 0;
        ::WriteFile(file, content.data(), (DWORD)content.size(), &written, nullptr);
        ::CloseHandle(file);
    }
    void Remove() const { ::DeleteFileA(m_path.c_str()); }

private:
    std::string m_path;
    std::string m_previous;
    bool m_existed = false;
};

class VersionCheck : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_link.reset(new AgentLink); }
    static void TearDownTestSuite() { s_link.reset(); }
    void SetUp() override
    {
        ASSERT_TRUE(s_link->Created());
        ASSERT_TRUE(s_link->Reset()) << "run under testbed/peers.py --peers server";
        s_peer = &s_link->Peer();
    }

    // The bodies of the version requests the peer received, in order.
    std::vector<std::string> SentBodies() { return s_link->Bodies(TR_VERSION_CHECK); }

    // Runs the check; its duration in ms.
    int Check(DWORD* elapsed = nullptr)
    {
        const DWORD start = ::GetTickCount();
        const int result = CheckProgramVersion();
        if (elapsed)
            *elapsed = ::GetTickCount() - start;
        return result;
    }

    VersionFile m_file;
    static std::unique_ptr<AgentLink> s_link;
    static ServerPeer* s_peer;
};

std::unique_ptr<AgentLink> VersionCheck::s_link;
ServerPeer* VersionCheck::s_peer;

TEST_F(VersionCheck, TheRecordedVersionGoesOutInTenBytes)
{
    struct Case
    {
        const char* file;
        std::string body;
    } cases[] = {
        {"version=1.2.3\r\n", "1.2.3     "},
        {"Molvane.exe,3\r\n\r\n  version=abcde  \r\nversion=later\r\n", "abcde     "},
        {"version=12345678901234\r\n", "1234567890"},
        {"version 1.2.3\r\nversion=9\r\n", "          "},
        {"version=1=2\r\n", "          "},
        {"Molvane.exe,3\r\n", "          "},
    };
    for (const Case& c : cases) {
        s_peer->Must("{\"cmd\":\"clear_requests\"}");
        m_file.Write(c.file);
        EXPECT_EQ(0, Check()) << c.file;
        EXPECT_EQ(std::vector<std::string>{c.body}, SentBodies()) << c.file;
    }
}

TEST_F(VersionCheck, WithoutAVersionFileNothingIsAsked)
{
    m_file.Remove();
    EXPECT_EQ(0, Check());
    PumpFor(300);
    EXPECT_TRUE(SentBodies().empty());
}

TEST_F(VersionCheck, OnlyAnAnswerWithYAtByte10StartsAnUpdate)
{
    struct Case
    {
        std::string body;
        int update;
    } cases[] = {
        {"1.0.1     Y", 1},
        {"1.0.1     Y and more", 1},
        {"1.0.1     N", 0},
        {"1.0.1      ", 0},
        {"1.0.1     y", 0},
        {"1.0.1     ", 0}, // 10 bytes: shorter than 11 is no update
        {"", 0},
    };
    m_file.Write("version=1.0.0\r\n");
    for (const Case& c : cases) {
        s_peer->Must("{\"cmd\":\"set_reply\",\"tr\":100,\"body_hex\":\"" + Hex(c.body) + "\"}");
        DWORD elapsed = 0;
        EXPECT_EQ(c.update, Check(&elapsed)) << c.body;
        // Answered: the check ends with the answer, not with its wait.
        EXPECT_LT(elapsed, (DWORD)VERSION_WAIT_MS) << c.body;
    }
    s_peer->Must("{\"cmd\":\"set_version\",\"version\":\"2.0.0\",\"update\":true}");
    s_peer->Must("{\"cmd\":\"set_reply\",\"tr\":100,\"default\":true}");
    EXPECT_EQ(1, Check());
}

// Silence, an answer of another kind and a request that cannot go out: each is "no update"
// once the wait has passed. The bound checked is generous; the wait itself is 3 s.
TEST_F(VersionCheck, NoUsableAnswerIsNoUpdateAfterTheWait)
{
    m_file.Write("version=1.0.0\r\n");
    struct Case
    {
        const char* name;
        const char* setup;
    } cases[] = {
        {"silent", "{\"cmd\":\"set_reply\",\"tr\":100,\"silent\":true}"},
        {"other data type", "{\"cmd\":\"set_reply\",\"tr\":100,\"type\":\"O\",\"body_text\":\"1.0.1     Y\"}"},
        {"fault drop", "{\"cmd\":\"fault\",\"mode\":\"drop\",\"tr\":100}"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(s_link->Reset()) << c.name;
        s_peer->Must(c.setup);
        DWORD elapsed = 0;
        EXPECT_EQ(0, Check(&elapsed)) << c.name;
        EXPECT_GE(elapsed, (DWORD)VERSION_WAIT_MS) << c.name;
        EXPECT_LT(elapsed, (DWORD)VERSION_WAIT_MS + 5000) << c.name;
        printf("[ measure  ] %s: no update after %lu ms\n", c.name, elapsed);
        PumpFor(100);
    }
    s_peer->Must("{\"cmd\":\"fault\",\"mode\":\"none\"}");
}

TEST_F(VersionCheck, WithoutAConnectionNoUpdate)
{
    m_file.Write("version=1.0.0\r\n");
    LCM_Close(0);
    ASSERT_TRUE(PumpUntil([] { return LCM_IsConnected(0) == 0; }, 3000));
    s_peer->Must("{\"cmd\":\"clear_requests\"}");
    DWORD elapsed = 0;
    EXPECT_EQ(0, Check(&elapsed));
    EXPECT_LT(elapsed, (DWORD)VERSION_WAIT_MS + 5000);
    EXPECT_TRUE(SentBodies().empty());
}

} // namespace

namespace {

// A loopback port nobody listens on.
int ClosedPort()
{
    WSADATA wsa;
    ::WSAStartup(MAKEWORD(2, 2), &wsa);
    SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int length = sizeof address;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    ::closesocket(s);
    return ntohs(address.sin_port);
}

// A refused connection costs the connect attempt itself, then the check's wait: start-up
// reaches the login within both. The figures are printed for the record.
TEST(VersionCheckRefused, ARefusedServerCostsTheConnectAndTheWait)
{
    VersionFile file;
    file.Write("version=1.0.0\r\n");
    CTRAgent agent;
    ASSERT_TRUE(agent.Create());
    ServerSetting setting("127.0.0.1", ClosedPort());
    DWORD start = ::GetTickCount();
    LCM_ConnectServer(0, agent.GetSafeHwnd());
    const DWORD connect = ::GetTickCount() - start;
    EXPECT_EQ(0, LCM_IsConnected(0));
    start = ::GetTickCount();
    const int update = CheckProgramVersion();
    const DWORD check = ::GetTickCount() - start;
    EXPECT_EQ(0, update);
    printf("[ measure  ] refused connect %lu ms, then the version check %lu ms\n", connect, check);
    EXPECT_LT(connect + check, (DWORD)VERSION_WAIT_MS + 10000);
    LCM_Close(-1);
    agent.DestroyWindow();
}

} // namespace
