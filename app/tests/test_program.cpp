// Molvane.exe from start to end against the peers, as its own process: the start-up runs in
// its order (the server log and the server peer's records are the witnesses), an update answer
// hands over to the updater, a second start is refused, and closing the main window signs off
// before the link closes and releases the single-instance guard.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "LinkTestSupport.h"
#include "ProgramRun.h"

using namespace link_test;

namespace {

const char kLoginCaption[] = "Talpen 자동매매시스템";
const DWORD kStartLimit = 30000;

std::string ExchangeURL()
{
    const int port = PeerControl::PortFromEnv("MOLVANE_EXCHANGE_PORT");
    return port ? "https://localhost:" + std::to_string(port) : std::string();
}

struct MainWindowSearch
{
    DWORD pid;
    HWND found;
};

BOOL CALLBACK IsMainWindow(HWND hWnd, LPARAM param)
{
    MainWindowSearch& s = *reinterpret_cast<MainWindowSearch*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    char name[64] = {0}, caption[64] = {0};
    ::GetClassNameA(hWnd, name, sizeof name);
    ::GetWindowTextA(hWnd, caption, sizeof caption);
    if (pid == s.pid && ::IsWindowVisible(hWnd) && strcmp(name, "#32770") != 0 &&
        (strcmp(caption, "Molvane") == 0 || strcmp(caption, "Talpen 자동 매매 시스템") == 0)) {
        s.found = hWnd;
        return FALSE;
    }
    return TRUE;
}

// The main window: a visible top-level window of the process captioned "Molvane", or with the
// title its initialisation gives it, that is no dialog.
HWND MainWindow(const Program& program)
{
    MainWindowSearch search = {program.Id(), NULL};
    ::EnumWindows(IsMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForMainWindow(Program& program, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
        HWND found = MainWindow(program);
        if (found)
            return found;
        program.AnswerBoxes();
        ::Sleep(20);
    }
    return NULL;
}

// Where each of the texts stands in the lines (-1 when missing).
std::vector<int> Positions(const std::vector<std::string>& lines, const std::vector<std::string>& texts)
{
    std::vector<int> at;
    for (const std::string& text : texts) {
        auto found = std::find(lines.begin(), lines.end(), text);
        at.push_back(found == lines.end() ? -1 : (int)(found - lines.begin()));
    }
    return at;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines)
        all += line + "\n";
    return all;
}

bool SemaphoreExists()
{
    HANDLE h = ::OpenSemaphoreA(SYNCHRONIZE, FALSE, "MolvaneSystem");
    if (h == NULL)
        return false;
    ::CloseHandle(h);
    return true;
}

class ProgramRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_GT(m_peer.Port(), 0) << "run under testbed/peers.py --peers server,exchange";
        m_peer.Must("{\"cmd\":\"reset\"}");
        m_peer.Must("{\"cmd\":\"close_second\"}");
        ASSERT_FALSE(SemaphoreExists()) << "another Molvane runs";
        m_root.reset(new ProgramRoot(m_peer.Port(), ExchangeURL()));
    }
    void TearDown() override { m_peer.Must("{\"cmd\":\"close_second\"}"); }

    std::vector<Json::Value> Records(const std::string& kind, int code = 0)
    {
        std::vector<Json::Value> out;
        for (const Json::Value& r : m_peer.Records(kind, code))
            out.push_back(r);
        return out;
    }
    // Connections, their ends and the queries, in arrival order.
    std::vector<Json::Value> All()
    {
        std::vector<Json::Value> out;
        for (const char* kind : {"connect", "close", "query"})
            for (const Json::Value& r : m_peer.Records(kind))
                out.push_back(r);
        std::sort(out.begin(), out.end(),
                  [](const Json::Value& a, const Json::Value& b) { return a["seq"].asInt() < b["seq"].asInt(); });
        return out;
    }
    bool WaitForRecord(const std::string& kind, int code, size_t count, DWORD timeoutMs, Program& program)
    {
        const DWORD start = ::GetTickCount();
        while (Records(kind, code).size() < count) {
            program.AnswerBoxes();
            if (::GetTickCount() - start > timeoutMs)
                return false;
            ::Sleep(20);
        }
        return true;
    }

    ServerPeer m_peer;
    std::unique_ptr<ProgramRoot> m_root;
};

// The whole road: start, swap, version check, login, branch server, main window, close.
TEST_F(ProgramRunTest, StartsInOrderAndSignsOffBeforeTheLinkCloses)
{
    // The branch server is another loopback address on the same port.
    m_peer.Must("{\"cmd\":\"open_second\",\"host\":\"127.0.0.2\"}");
    // A new updater waits: it must be in place before the version request goes out, which the
    // peer holds back a moment so that the test can look.
    m_root->Write("Bin\\PatchRunner.exe", "old updater");
    m_root->Write("Bin\\_PatchRunner.exe", m_root->StandInBytes());
    m_peer.Must("{\"cmd\":\"fault\",\"mode\":\"slow\",\"delay_ms\":1500,\"tr\":100,\"times\":1}");

    Program program(*m_root);
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(WaitForRecord("query", 100, 1, kStartLimit, program));
    EXPECT_EQ(m_root->StandInBytes(), m_root->Read("Bin\\PatchRunner.exe")) << "swapped before the check";
    EXPECT_FALSE(m_root->Exists("Bin\\_PatchRunner.exe"));
    EXPECT_TRUE(SemaphoreExists());

    HWND login = program.WaitForWindow("#32770", kLoginCaption, kStartLimit);
    ASSERT_NE((HWND)NULL, login);
    LogInFromOutside(login, "user1", "secret-pw");
    HWND frame = WaitForMainWindow(program, kStartLimit);
    ASSERT_NE((HWND)NULL, frame);
    // (Its width, 1375, is more than the test display's: the desktop cuts it.)
    RECT rect;
    ::GetWindowRect(frame, &rect);
    EXPECT_EQ(74, rect.bottom - rect.top);

    // The branch server took the connection.
    ASSERT_TRUE(WaitForRecord("connect", 0, 2, 10000, program));
    const std::vector<Json::Value> connects = Records("connect");
    EXPECT_EQ("main", connects[0]["listener"].asString());
    EXPECT_EQ("second", connects[1]["listener"].asString());

    // The answer to the sign-off comes half a second late: the link stays until it is in.
    m_peer.Must("{\"cmd\":\"fault\",\"mode\":\"slow\",\"delay_ms\":500,\"tr\":1201}");
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    // The logout asks first.
    HWND logout = program.WaitForWindow("#32770", "로그아웃", kStartLimit);
    ASSERT_NE((HWND)NULL, logout);
    ::PostMessageA(logout, WM_COMMAND, MAKEWPARAM(1021, BN_CLICKED), (LPARAM)::GetDlgItem(logout, 1021));
    ASSERT_TRUE(program.WaitForEnd(20000));
    EXPECT_EQ(0u, program.ExitCode());
    EXPECT_TRUE(program.BoxTexts().empty()) << program.BoxTexts().front();
    EXPECT_FALSE(SemaphoreExists());

    // The server's view, in arrival order.
    std::vector<std::string> seen;
    int signOffSeq = -1, closeAfterSignOff = -1;
    double signOffTime = 0, closeTime = 0;
    const int branchConn = connects[1]["conn"].asInt();
    for (const Json::Value& r : All()) {
        const std::string kind = r["kind"].asString();
        // The server poll runs every 3 s whatever else happens: it has no place in the order.
        if (kind == "query" && r["code"].asInt() == 1200)
            continue;
        if (kind == "query") {
            const std::string body = FromHex(r["body_hex"].asString());
            seen.push_back(std::to_string(r["code"].asInt()) + (r["code"].asInt() == 1201 ? " " + body : "") + " @" +
                           r["listener"].asString());
            if (r["code"].asInt() == 1201 && body == "user1       1") {
                signOffSeq = r["seq"].asInt();
                signOffTime = r["time"].asDouble();
                EXPECT_FALSE(r["reply"].isNull()) << "the sign-off was answered";
            }
        } else if (kind == "connect" || kind == "close") {
            seen.push_back(kind + " @" + r["listener"].asString());
            if (kind == "close" && r["conn"].asInt() == branchConn && signOffSeq > 0) {
                closeAfterSignOff = r["seq"].asInt();
                closeTime = r["time"].asDouble();
            }
        }
    }
    const std::vector<std::string> expected = {
        "connect @main", "100 @main", "1100 @main", "1201 user1       0 @main", "close @main",
        // The main window's automatic-trading manager asks for the recommended coins.
        "connect @second", "1110 @second", "1201 user1       1 @second", "close @second",
    };
    EXPECT_EQ(expected, seen);
    EXPECT_GT(closeAfterSignOff, signOffSeq);
    // Closed once the late answer had gone out, not before.
    EXPECT_GE(closeTime - signOffTime, 0.45) << "closed " << closeTime - signOffTime << " s after the sign-off";

    // The program's view: its server log in the order of start-up, then the end.
    const std::vector<std::string> log = m_root->ServerLog();
    const std::vector<std::string> steps = {"System start", "TR Agent 성공", "통신 초기화 성공", "버전 체크 : 0",
                                            "로그인 다이얼로그 실행", "Molvane 시스템 로그인 완료", "시스템 종료"};
    const std::vector<int> at = Positions(log, steps);
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_GE(at[i], 0) << steps[i] << "\n" << Joined(log);
        if (i > 0) {
            EXPECT_GT(at[i], at[i - 1]) << steps[i] << "\n" << Joined(log);
        }
    }
    EXPECT_EQ(std::string::npos, Joined(log).find("secret-pw"));
    const std::vector<std::string> userLog = m_root->UserLog();
    EXPECT_NE(std::string::npos, Joined(userLog).find(",login,Molvane 시스템 로그인 완료,user1")) << Joined(userLog);
    // The close went through the logout.
    EXPECT_NE(std::string::npos, Joined(userLog).find(",logout,시스템 로그아웃,user1")) << Joined(userLog);
}

TEST_F(ProgramRunTest, AnUpdateAnswerStartsTheUpdaterAndEndsWithTheLinkClosed)
{
    m_peer.Must("{\"cmd\":\"set_version\",\"version\":\"2.0.0\",\"update\":true}");
    Program program(*m_root);
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(program.WaitForEnd(kStartLimit));
    EXPECT_TRUE(program.BoxTexts().empty());

    // Started through the shell from Bin\, once.
    std::vector<std::string> starts;
    for (int i = 0; i < 200 && (starts = m_root->UpdaterStarts()).empty(); ++i)
        ::Sleep(25);
    ASSERT_EQ(1u, starts.size());
    EXPECT_NE(std::string::npos, starts[0].find(m_root->Bin() + "PatchRunner.exe")) << starts[0];
    const DWORD updater = strtoul(starts[0].c_str(), nullptr, 10);
    if (HANDLE h = ::OpenProcess(PROCESS_TERMINATE, FALSE, updater)) {
        ::TerminateProcess(h, 0);
        ::CloseHandle(h);
    }

    const std::vector<std::string> log = m_root->ServerLog();
    const std::vector<int> at = Positions(log, {"버전 체크 : 1", "버전 처리 수행", "로그인 다이얼로그 실행"});
    EXPECT_GE(at[0], 0) << Joined(log);
    EXPECT_GT(at[1], at[0]) << Joined(log);
    EXPECT_EQ(-1, at[2]) << "no login after an update";
    // The link was closed by the program, and nothing but the version request went out.
    ASSERT_TRUE(WaitForRecord("close", 0, 1, 5000, program));
    EXPECT_EQ(1u, Records("query").size());
    EXPECT_FALSE(SemaphoreExists());
}

TEST_F(ProgramRunTest, ASilentVersionServerDelaysTheLoginOnlyByTheWait)
{
    m_peer.Must("{\"cmd\":\"set_reply\",\"tr\":100,\"silent\":true}");
    Program program(*m_root);
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(WaitForRecord("query", 100, 1, kStartLimit, program));
    const DWORD asked = ::GetTickCount();
    HWND login = program.WaitForWindow("#32770", kLoginCaption, kStartLimit);
    const DWORD waited = ::GetTickCount() - asked;
    ASSERT_NE((HWND)NULL, login);
    printf("[ measure  ] login dialog %lu ms after the unanswered version request\n", waited);
    // Generous: the wait is 3 s; the bound only catches a check that hangs.
    EXPECT_LT(waited, 10000u);
    const std::vector<std::string> log = m_root->ServerLog();
    EXPECT_GE(Positions(log, {"버전 체크 : 0"})[0], 0) << Joined(log);

    ::PostMessageA(login, WM_COMMAND, MAKEWPARAM(1030, BN_CLICKED), (LPARAM)::GetDlgItem(login, 1030));
    ASSERT_TRUE(program.WaitForEnd(10000));
    // Cancel ends the program before the exchange agent: no login was logged.
    EXPECT_EQ(-1, Positions(m_root->ServerLog(), {"Molvane 시스템 로그인 완료"})[0]);
    EXPECT_FALSE(SemaphoreExists());
}

TEST_F(ProgramRunTest, ASecondStartIsRefusedAndTheFirstRunsOn)
{
    Program first(*m_root);
    ASSERT_TRUE(first.Started());
    HWND login = first.WaitForWindow("#32770", kLoginCaption, kStartLimit);
    ASSERT_NE((HWND)NULL, login);
    const size_t connects = Records("connect").size();
    const size_t logFiles = m_root->ServerLogFiles();

    Program second(*m_root);
    ASSERT_TRUE(second.Started());
    ASSERT_TRUE(second.WaitForEnd(kStartLimit));
    ASSERT_EQ(1u, second.BoxTexts().size());
    EXPECT_EQ("프로그램이 이미 실행중입니다.", second.BoxTexts()[0]);
    EXPECT_EQ("알림", second.BoxCaptions()[0]);
    // It touched neither the logs nor the server.
    EXPECT_EQ(logFiles, m_root->ServerLogFiles());
    ::Sleep(300);
    EXPECT_EQ(connects, Records("connect").size());

    // The first one is untouched and still holds the guard.
    EXPECT_TRUE(::IsWindowVisible(login));
    EXPECT_TRUE(SemaphoreExists());
    ::PostMessageA(login, WM_COMMAND, MAKEWPARAM(1030, BN_CLICKED), (LPARAM)::GetDlgItem(login, 1030));
    ASSERT_TRUE(first.WaitForEnd(10000));

    // Released: the next start is not refused.
    Program third(*m_root);
    ASSERT_TRUE(third.Started());
    HWND again = third.WaitForWindow("#32770", kLoginCaption, kStartLimit);
    EXPECT_NE((HWND)NULL, again);
    EXPECT_TRUE(third.BoxTexts().empty());
    if (again)
        ::PostMessageA(again, WM_COMMAND, MAKEWPARAM(1030, BN_CLICKED), (LPARAM)::GetDlgItem(again, 1030));
    EXPECT_TRUE(third.WaitForEnd(10000));
}

} // namespace

namespace {

// Until the main window takes a lost connection over itself, the link reports it: its own box,
// then the logout, which ends the program.
// The real-time registrations of a record: (code, key) of each of its keys.
std::vector<std::string> Keys(const std::vector<Json::Value>& records)
{
    std::vector<std::string> keys;
    for (const Json::Value& r : records)
        for (const Json::Value& key : r["keys"])
            keys.push_back(std::to_string(r["code"].asInt()) + " " + key["key"].asString());
    std::sort(keys.begin(), keys.end());
    return keys;
}

// Whichever way the user leaves, 시스템 → 종료 (command 106) or the logout confirmed, every
// real-time registration of the session (settlement and forced sell "ALL", each recommended
// coin's signals) is withdrawn before the link closes; a server that never answers the sign-off
// holds the exit only for the sign-off's short wait.
TEST_F(ProgramRunTest, EveryRegistrationIsWithdrawnBeforeTheLinkCloses)
{
    const struct {
        const char* name;
        bool viaLogout;
        bool silentSignOff;
    } cases[] = {{"quit", false, false}, {"logout", true, false}, {"quit, sign-off unanswered", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const bool viaLogout = c.viaLogout;
        m_peer.Must("{\"cmd\":\"reset\"}");
        Program program(*m_root);
        ASSERT_TRUE(program.Started());
        HWND login = program.WaitForWindow("#32770", kLoginCaption, kStartLimit);
        ASSERT_NE((HWND)NULL, login);
        LogInFromOutside(login, "user1", "pw1");
        HWND frame = WaitForMainWindow(program, kStartLimit);
        ASSERT_NE((HWND)NULL, frame);
        // 200 and 300, then 100 for each of the three recommended coins.
        ASSERT_TRUE(WaitForRecord("register", 100, 3, kStartLimit, program));
        const std::vector<std::string> registered = Keys(Records("register"));
        ASSERT_EQ(5u, registered.size());
        if (c.silentSignOff)
            m_peer.Must("{\"cmd\":\"set_reply\",\"tr\":1201,\"silent\":true}");

        if (viaLogout) {
            ::PostMessageA(frame, WM_CLOSE, 0, 0);
            HWND logout = program.WaitForWindow("#32770", "로그아웃", kStartLimit);
            ASSERT_NE((HWND)NULL, logout);
            ::PostMessageA(logout, WM_COMMAND, MAKEWPARAM(1021, BN_CLICKED), (LPARAM)::GetDlgItem(logout, 1021));
        } else {
            ::PostMessageA(frame, WM_COMMAND, 106, 0);
        }
        const DWORD asked = ::GetTickCount();
        ASSERT_TRUE(program.WaitForEnd(20000));
        EXPECT_LT(::GetTickCount() - asked, 10000u);
        EXPECT_EQ(0u, program.ExitCode());

        EXPECT_EQ(registered, Keys(Records("unregister")));
        // Each on its connection before that connection closed.
        int closedAt = -1;
        const int conn = Records("register").front()["conn"].asInt();
        for (const Json::Value& r : Records("close"))
            if (r["conn"].asInt() == conn)
                closedAt = r["seq"].asInt();
        ASSERT_GT(closedAt, 0) << "the connection never closed";
        for (const Json::Value& r : Records("unregister")) {
            EXPECT_EQ(conn, r["conn"].asInt());
            EXPECT_LT(r["seq"].asInt(), closedAt);
        }
    }
}

TEST_F(ProgramRunTest, ALostConnectionIsReportedAndEndsTheSession)
{
    Program program(*m_root);
    ASSERT_TRUE(program.Started());
    HWND login = program.WaitForWindow("#32770", kLoginCaption, kStartLimit);
    ASSERT_NE((HWND)NULL, login);
    LogInFromOutside(login, "user1", "pw1");
    ASSERT_NE((HWND)NULL, WaitForMainWindow(program, kStartLimit));
    m_peer.Must("{\"cmd\":\"disconnect\"}");
    ASSERT_TRUE(program.WaitForEnd(20000));
    EXPECT_EQ(1u, program.BoxTexts().size());
    EXPECT_FALSE(SemaphoreExists());
    const std::vector<std::string> log = m_root->ServerLog();
    EXPECT_GE(Positions(log, {"시스템 종료"})[0], 0) << Joined(log);
}

} // namespace
