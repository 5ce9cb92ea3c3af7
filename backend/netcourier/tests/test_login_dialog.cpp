// The link's own login dialog, run modally through LCM_ShowLoginDlg and driven by a script on
// a timer: it connects, checks what the user typed, hands out ID and password, reads only
// replies long enough to read, and gives the receiver role back when it closes.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <functional>
#include <memory>
#include <vector>

#include "LinkTestSupport.h"
#include "NetCourier.h"

using namespace link_test;

namespace {

const int kID = 32464, kPassword = 32465, kLogin = 1011, kStatus = 3002;

// Steps run one after the other on a timer while the dialog runs; each returns true when done.
typedef std::function<bool(HWND)> Step;

std::vector<Step> g_steps;
size_t g_next = 0;
std::string g_failure;

BOOL CALLBACK FindDialog(HWND hWnd, LPARAM found)
{
    char name[16] = {0}, caption[16] = {0};
    ::GetClassNameA(hWnd, name, sizeof name);
    ::GetWindowTextA(hWnd, caption, sizeof caption);
    if (strcmp(name, "#32770") == 0 && strcmp(caption, "Molvane") == 0 && ::IsWindowVisible(hWnd)) {
        *reinterpret_cast<HWND*>(found) = hWnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == NULL || g_next >= g_steps.size())
        return;
    if (g_steps[g_next](dialog))
        ++g_next;
}

// Runs the dialog with the script; a script that stalls cancels the dialog after `limit` ms.
int ShowWithScript(HWND receiver, BYTE* out, std::vector<Step> steps, DWORD limit = 8000)
{
    g_steps = std::move(steps);
    const DWORD start = ::GetTickCount();
    g_steps.push_back([start, limit](HWND dialog) {
        if (::GetTickCount() - start > limit) {
            g_failure = "the script stalled";
            ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            return true;
        }
        return false;
    });
    g_next = 0;
    g_failure.clear();
    const UINT_PTR timer = ::SetTimer(NULL, 0, 40, RunScript);
    const int result = LCM_ShowLoginDlg(receiver, out);
    ::KillTimer(NULL, timer);
    return result;
}

std::string Text(HWND dialog, int id)
{
    char text[256] = {0};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void Click(HWND dialog, int id)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

std::string UserConfig()
{
    return InstallRoot() + "user\\user.cfg";
}

std::string SavedID()
{
    char id[100] = {0};
    ::GetPrivateProfileStringA("LOGIN", "ID", "(none)", id, sizeof id, UserConfig().c_str());
    return id;
}

class LoginDialog : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_peer.reset(new ServerPeer);
        s_setting.reset(new ServerSetting("127.0.0.1", s_peer->Port()));
        s_savedID.reset(new IniValue(UserConfig(), "LOGIN", "ID", ""));
    }

    static void TearDownTestSuite()
    {
        LCM_Close(-1);
        s_savedID.reset();
        s_setting.reset();
        s_peer.reset();
    }

    void SetUp() override
    {
        s_peer->Must("{\"cmd\":\"reset\"}");
        memset(m_out, 0x5A, sizeof m_out);
    }

    void TearDown() override
    {
        EXPECT_EQ("", g_failure);
        LCM_Close(0);
    }

    static std::unique_ptr<ServerPeer> s_peer;
    static std::unique_ptr<ServerSetting> s_setting;
    static std::unique_ptr<IniValue> s_savedID;
    RecordingWindow m_receiver;
    BYTE m_out[LCM_LOGIN_RECORD_SIZE + 8];
};

std::unique_ptr<ServerPeer> LoginDialog::s_peer;
std::unique_ptr<ServerSetting> LoginDialog::s_setting;
std::unique_ptr<IniValue> LoginDialog::s_savedID;

TEST_F(LoginDialog, ChecksTheTypedCredentialsAndHandsThemOut)
{
    ::WritePrivateProfileStringA("LOGIN", "ID", "saved1", UserConfig().c_str());
    std::string openedWith, firstStatus, refusedID, refusedPassword;
    RECT place = {};
    const int result = ShowWithScript(m_receiver.Handle(), m_out, {
        [&](HWND dialog) {
            openedWith = Text(dialog, kID);
            firstStatus = Text(dialog, kStatus);
            ::GetWindowRect(dialog, &place);
            ::SetDlgItemTextA(dialog, kID, "ninechars");
            ::SetDlgItemTextA(dialog, kPassword, "pw12");
            Click(dialog, kLogin);
            refusedID = Text(dialog, kStatus);
            return true;
        },
        [&](HWND dialog) {
            ::SetDlgItemTextA(dialog, kID, "abc");
            ::SetDlgItemTextA(dialog, kPassword, "");
            Click(dialog, kLogin);
            refusedPassword = Text(dialog, kStatus);
            return true;
        },
        [&](HWND dialog) {
            ::SetDlgItemTextA(dialog, kPassword, "pw12");
            Click(dialog, kLogin);
            return true;
        }});
    EXPECT_EQ(1, result);
    EXPECT_EQ("saved1", openedWith);
    EXPECT_EQ("ID와 비밀번호를 입력해 주세요", firstStatus);
    EXPECT_EQ(354, place.right - place.left);
    EXPECT_EQ(164, place.bottom - place.top);
    EXPECT_EQ("아이디를 입력해 주십시오.", refusedID);
    EXPECT_EQ("비밀번호를 입력해 주십시오.", refusedPassword);
    EXPECT_EQ("abc", SavedID());
    const std::string out(reinterpret_cast<char*>(m_out), LCM_LOGIN_RECORD_SIZE);
    EXPECT_EQ(std::string("abc") + std::string(29, '\0') + "pw12" + std::string(28, '\0') + std::string(18, '\0'),
              out);
    EXPECT_EQ(0x5A, m_out[LCM_LOGIN_RECORD_SIZE]) << "nothing written beyond the record";
    EXPECT_EQ(1, LCM_IsConnected(0)) << "the dialog connected, and the connection stays";
}

TEST_F(LoginDialog, CancelHandsOutNothing)
{
    const int result = ShowWithScript(m_receiver.Handle(), m_out, {[](HWND dialog) {
                                          ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                                          return true;
                                      }});
    EXPECT_EQ(0, result);
    EXPECT_EQ(0x5A, m_out[0]);
}

TEST_F(LoginDialog, ReadsOnlyFramesLongEnoughAndGivesTheReceiverBack)
{
    // A real-time frame the peer pushes stands in for a server reply; its header fields land
    // where the dialog reads: the code at 8, the number at 42 (body byte 9), the count at
    // 18..26 (key length "00" and the first six bytes of the key).
    auto push = [](const std::string& body, const char* key) {
        return s_peer->Call("{\"cmd\":\"push\",\"code\":5301,\"key\":\"" + std::string(key) +
                            "\",\"key_len\":0,\"force\":true,\"body_hex\":\"" + Hex(body) + "\"}")["ok"]
            .asBool();
    };
    std::string body(294, ' ');
    body[9] = 'X';
    std::string statusAfterShort, statusAfterRefusal;
    int stage = 0;
    DWORD since = 0;
    const int result = ShowWithScript(m_receiver.Handle(), m_out, {
        [&](HWND dialog) {
            if (stage == 0) {
                if (!LCM_IsConnected(0))
                    return false;
                push("short", "000001"); // 38 bytes: shorter than a reply header
                since = ::GetTickCount();
                stage = 1;
            }
            if (::GetTickCount() - since < 300)
                return false;
            statusAfterShort = Text(dialog, kStatus);
            push(body, "000001"); // long enough, but no 'S' at 42
            since = ::GetTickCount();
            return true;
        },
        [&](HWND dialog) {
            if (::GetTickCount() - since < 300)
                return false;
            statusAfterRefusal = Text(dialog, kStatus);
            // A good reply: 'S' at 42, one account announced, and that one account carried.
            std::string good = body;
            good[9] = 'S';
            good += std::string("ACC000000042PW000042") + "Account name        ";
            push(good, "000001");
            return true;
        }});
    EXPECT_EQ(1, result) << "a good reply 5301 ends the dialog with OK";
    EXPECT_EQ("ID와 비밀번호를 입력해 주세요", statusAfterShort);
    EXPECT_EQ("[IN] 사용자정보 취득에 실패했습니다.", statusAfterRefusal);
    EXPECT_EQ(0x10000, LCM_GetUserGroup());
    _ACCOUNT_INFO* accounts = NULL;
    int count = 0;
    ASSERT_EQ(1, LCM_GetAccountList(reinterpret_cast<void**>(&accounts), &count));
    ASSERT_EQ(1, count);
    EXPECT_EQ(0, memcmp(accounts[0].szAccountNo, "ACC000000042", 12));
    EXPECT_EQ(0, memcmp(accounts[0].szAccountCode, "PW000042", 8));
    EXPECT_STREQ("Account name        ", accounts[0].szAccountName);

    // The receiver given to LCM_ShowLoginDlg has its role back.
    push("after", "000001");
    EXPECT_TRUE(PumpUntil([&] { return !m_receiver.copies.empty(); }));
}

} // namespace
