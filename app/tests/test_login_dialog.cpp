// The login dialog against the server peer, driven by real keys and clicks: what the user
// types goes out in transaction 1100, Enter and Tab move the focus, every refusal has its
// message, only the answer to the sign-on 1201 '0' closes the dialog with OK, and the
// password reaches no log.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <memory>
#include <mutex>

#include "DialogScript.h"
#include "IniFiles.h"
#include "InstallFolders.h"
#include "AgentLink.h"
#include "LoginDlg.h"
#include "NetCourier.h"
#include "SessionPassword.h"
#include "SharedData.h"
#include "TRAgent.h"
#include "temp_dir.h"
#include "Utils.h"
#include "ZembraAPIAgent.h"
#include "msgbox_recorder.h"
#include "resource.h"

using namespace link_test;

namespace {

const char kCaption[] = "Talpen 자동매매시스템";
const int kEdits[] = {IDC_LOGIN_ID, IDC_LOGIN_PASSWORD, IDC_LOGIN_API_KEY, IDC_LOGIN_SECRET_KEY};

// Everything the process hands to the debugger's output.
std::mutex g_traceLock;
std::string g_trace;

LONG CALLBACK CatchDebugOutput(EXCEPTION_POINTERS* info)
{
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (record->ExceptionCode == DBG_PRINTEXCEPTION_C && record->NumberParameters >= 2) {
        std::lock_guard<std::mutex> hold(g_traceLock);
        g_trace.append(reinterpret_cast<const char*>(record->ExceptionInformation[1]));
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

std::string Trace()
{
    std::lock_guard<std::mutex> hold(g_traceLock);
    return g_trace;
}

bool EditsEnabled(HWND dialog)
{
    for (int id : kEdits)
        if (!::IsWindowEnabled(::GetDlgItem(dialog, id)))
            return false;
    return true;
}

class LoginDialog : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_handler = ::AddVectoredExceptionHandler(1, CatchDebugOutput);
        s_logs.reset(new TempDir);
        CUtils::LogServer_SetFilePath(s_logs->Path().c_str(), "System");
        s_saveID.reset(new IniValue(UserConfig(), "LOGIN", "SAVEID", "0"));
        s_savedID.reset(new IniValue(UserConfig(), "LOGIN", "ID", ""));
        s_link.reset(new AgentLink);
        s_peer = &s_link->Peer();
    }
    static void TearDownTestSuite()
    {
        s_link.reset();
        s_savedID.reset();
        s_saveID.reset();
        ::RemoveVectoredExceptionHandler(s_handler);
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_link->Created());
        ASSERT_TRUE(s_link->Reset()) << "run under testbed/peers.py --peers server";
        CIniFiles(UserConfig().c_str()).WriteBool("LOGIN", "SAVEID", 0);
        CIniFiles(UserConfig().c_str()).WriteString("LOGIN", "ID", "");
        CSharedData::SetUserID(NULL);
        CSessionPassword::Forget();
        CZembraAPIAgent::SetKeys("", "");
    }

    static std::string UserConfig() { return std::string(GetUserDir()) + "user.cfg"; }

    // Runs the dialog with the script; its result.
    INT_PTR RunDialog(DialogScript& script)
    {
        CWendralLoginDlg dialog;
        const INT_PTR result = script.Run([&] { return dialog.DoModal(); });
        EXPECT_EQ("", script.Failure());
        return result;
    }

    std::vector<Json::Value> Queries(int code) { return s_link->Queries(code); }
    std::string Body(const Json::Value& record) { return FromHex(record["body_hex"].asString()); }
    size_t QueryCount(int code) { return Queries(code).size(); }

    // Fills the four edits (the setup of a case, not what it tests) and puts the focus on
    // the secret key edit, where Enter logs in.
    static ScriptStep Fill(const std::string& id, const std::string& password, const std::string& apiKey,
                           const std::string& secretKey)
    {
        return Do([=](HWND dialog) {
            ::SetDlgItemTextA(dialog, IDC_LOGIN_ID, id.c_str());
            ::SetDlgItemTextA(dialog, IDC_LOGIN_PASSWORD, password.c_str());
            ::SetDlgItemTextA(dialog, IDC_LOGIN_API_KEY, apiKey.c_str());
            ::SetDlgItemTextA(dialog, IDC_LOGIN_SECRET_KEY, secretKey.c_str());
            ::SetFocus(::GetDlgItem(dialog, IDC_LOGIN_SECRET_KEY));
        });
    }
    static ScriptStep FocusOn(int id)
    {
        return WaitFor([id](HWND dialog) { return FocusedId(dialog) == id; });
    }
    static ScriptStep Cancel() { return Do([](HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, IDC_LOGIN_CANCEL, 0); }); }

    CMsgBoxRecorder m_boxes;
    static PVOID s_handler;
    static std::unique_ptr<TempDir> s_logs;
    static std::unique_ptr<AgentLink> s_link;
    static ServerPeer* s_peer;
    static std::unique_ptr<IniValue> s_saveID, s_savedID;
};

PVOID LoginDialog::s_handler;
std::unique_ptr<TempDir> LoginDialog::s_logs;
std::unique_ptr<AgentLink> LoginDialog::s_link;
ServerPeer* LoginDialog::s_peer;
std::unique_ptr<IniValue> LoginDialog::s_saveID, LoginDialog::s_savedID;

TEST_F(LoginDialog, TypedFieldsLogInWithEnterAndTabMovingTheFocus)
{
    DialogScript script(kCaption);
    script.Then(FocusOn(IDC_LOGIN_ID))
        .Then(Type(" user1 "))
        .Then(Press(VK_TAB))
        .Then(FocusOn(IDC_LOGIN_PASSWORD))
        .Then(Type("pw-1234"))
        .Then(Press(VK_RETURN))
        .Then(FocusOn(IDC_LOGIN_API_KEY))
        .Then(Type("api-key-1"))
        .Then(Press(VK_TAB))
        .Then(FocusOn(IDC_LOGIN_SECRET_KEY))
        .Then(Type("secret-key-1"))
        .Then(WaitFor([](HWND dialog) { return ControlText(dialog, IDC_LOGIN_SECRET_KEY) == "secret-key-1"; }))
        .Then(Press(VK_RETURN));
    EXPECT_EQ(IDOK, RunDialog(script));
    EXPECT_EQ(0u, m_boxes.Count());

    // The request: ID and password trimmed, 20 bytes each; then the sign-on.
    const std::vector<Json::Value> logins = Queries(1100), sessions = Queries(1201);
    ASSERT_EQ(1u, logins.size());
    EXPECT_EQ("user1" + std::string(15, ' ') + "pw-1234" + std::string(13, ' '), Body(logins[0]));
    EXPECT_EQ("I", logins[0]["type"].asString());
    ASSERT_EQ(1u, sessions.size());
    EXPECT_EQ("user1       0", Body(sessions[0]));
    EXPECT_LT(logins[0]["seq"].asInt(), sessions[0]["seq"].asInt());

    // The reply's fields and the keys were handed on.
    char id[50] = {0};
    CSharedData::GetUserID(id, sizeof id);
    EXPECT_STREQ("user1", id);
    EXPECT_EQ(20991231, CSharedData::GetExpireDate());
    EXPECT_STREQ("001", CSharedData::GetOfficeExclusive());
    EXPECT_STREQ("127.0.0.1", CSharedData::GetBranchIP());
    EXPECT_STREQ("api-key-1", CZembraAPIAgent::GetAPIKey());
    EXPECT_STREQ("secret-key-1", CZembraAPIAgent::GetSecKey());

    // The password: only a salted hash of it is kept, for the screen lock; the text itself is
    // in no store and no log.
    EXPECT_TRUE(CSessionPassword::Matches("pw-1234"));
    EXPECT_FALSE(CSessionPassword::Matches("pw-123"));
    EXPECT_STREQ("", CSharedData::GetUserPwd());
    EXPECT_EQ(std::string::npos, std::string(CSharedData::m_szUserPwd, sizeof CSharedData::m_szUserPwd).find("pw-1234"));
    char stored[40] = {0};
    EXPECT_EQ(0, CSharedData::GetPassword(stored, sizeof stored));
    const std::string trace = Trace();
    EXPECT_NE(std::string::npos, trace.find("user1")) << "the trace was not seen";
    EXPECT_EQ(std::string::npos, trace.find("pw-1234"));
    std::string logs;
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((s_logs->Path() + "*.log").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, find);
    do
        logs += ReadFileBytes(s_logs->Path() + found.cFileName);
    while (::FindNextFileA(find, &found));
    ::FindClose(find);
    EXPECT_NE(std::string::npos, logs.find("로그인 다이얼로그 실행"));
    EXPECT_EQ(std::string::npos, logs.find("pw-1234"));
}

TEST_F(LoginDialog, TheLoginAndCancelButtonsTakeClicks)
{
    DialogScript login(kCaption);
    login.Then(Fill("user2", "pw2", "key2", "secret2")).Then(Click(IDC_LOGIN_LOGIN));
    EXPECT_EQ(IDOK, RunDialog(login));
    ASSERT_EQ(1u, QueryCount(1100));
    EXPECT_EQ("user2" + std::string(15, ' ') + "pw2" + std::string(17, ' '), Body(Queries(1100)[0]));

    s_peer->Must("{\"cmd\":\"clear_requests\"}");
    DialogScript cancel(kCaption);
    cancel.Then(Fill("user3", "pw3", "key3", "secret3")).Then(Click(IDC_LOGIN_CANCEL));
    EXPECT_EQ(IDCANCEL, RunDialog(cancel));
    EXPECT_EQ(0u, QueryCount(1100));
}

TEST_F(LoginDialog, EmptyFieldsAreNamedInOrderAndGetTheFocus)
{
    struct Case
    {
        const char* id;
        const char* password;
        const char* apiKey;
        const char* secretKey;
        const char* text;
        int focus;
    } cases[] = {
        {"", "", "", "", "회원 아이디를 입력하세요.", IDC_LOGIN_SECRET_KEY},
        {"   ", "pw", "key", "secret", "회원 아이디를 입력하세요.", IDC_LOGIN_SECRET_KEY},
        {"user", "", "", "", "비밀번호를 입력하세요.", IDC_LOGIN_PASSWORD},
        {"user", "  ", "key", "secret", "비밀번호를 입력하세요.", IDC_LOGIN_PASSWORD},
        {"user", "pw", "", "", "Zembra API Key를 입력하세요.", IDC_LOGIN_API_KEY},
        {"user", "pw", "key", " ", "Zembra Secret Key를 입력하세요.", IDC_LOGIN_SECRET_KEY},
    };
    DialogScript script(kCaption);
    for (const Case& c : cases) {
        const size_t before = &c - cases;
        script.Then(Fill(c.id, c.password, c.apiKey, c.secretKey))
            .Then(Press(VK_RETURN))
            .Then(WaitFor([this, before](HWND) { return m_boxes.Count() > before; }))
            .Then(Do([this, c](HWND dialog) {
                const RecordedMessageBox box = m_boxes.Last();
                EXPECT_EQ(c.text, box.text);
                EXPECT_EQ("Molvane", box.caption);
                EXPECT_EQ((UINT)MB_ICONINFORMATION, box.nType & MB_ICONMASK);
                EXPECT_EQ(c.focus, FocusedId(dialog)) << c.text;
                EXPECT_TRUE(EditsEnabled(dialog));
            }));
    }
    script.Then(Cancel());
    EXPECT_EQ(IDCANCEL, RunDialog(script));
    EXPECT_EQ(0u, QueryCount(1100));
}

TEST_F(LoginDialog, EachRefusalShowsItsMessageAndTheDialogStays)
{
    const std::string wrongID = "사용자 인증에 실패했습니다. 아이디를 확인해 주세요.";
    struct Case
    {
        int result;
        std::string text;
    } cases[] = {
        {1, wrongID},
        {2, wrongID},
        {4, wrongID},
        {3, "사용 중지된 아이디입니다. 고객센터에 문의해 주세요."},
        {5, "기간이 만료되었습니다."},
        {7, "사용자 인증에 실패했습니다"},
    };
    DialogScript script(kCaption);
    script.Then(Fill("user4", "pw4", "key4", "secret4"));
    for (const Case& c : cases) {
        const size_t before = &c - cases;
        script.Then(Do([c](HWND) { s_peer->Must("{\"cmd\":\"set_login\",\"result\":" + std::to_string(c.result) + "}"); }))
            .Then(Do([](HWND dialog) { ::SetFocus(::GetDlgItem(dialog, IDC_LOGIN_SECRET_KEY)); }))
            .Then(Press(VK_RETURN))
            .Then(WaitFor([this, before](HWND) { return m_boxes.Count() > before; }))
            .Then(Do([this, c](HWND dialog) {
                EXPECT_EQ(c.text, m_boxes.Last().text) << c.result;
                EXPECT_EQ("Molvane", m_boxes.Last().caption);
                EXPECT_TRUE(EditsEnabled(dialog)) << c.result;
            }));
    }
    // Then the right password: the user may try again.
    script.Then(Do([](HWND) { s_peer->Must("{\"cmd\":\"set_login\",\"result\":0}"); }))
        .Then(Do([](HWND dialog) { ::SetFocus(::GetDlgItem(dialog, IDC_LOGIN_SECRET_KEY)); }))
        .Then(Press(VK_RETURN));
    EXPECT_EQ(IDOK, RunDialog(script));
    EXPECT_EQ(7u, QueryCount(1100));
    EXPECT_EQ(1u, QueryCount(1201));
    const std::string logs = [] {
        std::string all;
        WIN32_FIND_DATAA found;
        HANDLE find = ::FindFirstFileA((s_logs->Path() + "*.log").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do
                all += ReadFileBytes(s_logs->Path() + found.cFileName);
            while (::FindNextFileA(find, &found));
            ::FindClose(find);
        }
        return all;
    }();
    for (const Case& c : cases)
        EXPECT_NE(std::string::npos, logs.find(c.text)) << c.result;
}

// Only the answer to the sign-on ends the dialog: a good login whose 1201 goes unanswered
// leaves it open, a reply of 68 bytes or less only gives the edits back, and without a
// connection nothing goes out.
TEST_F(LoginDialog, OnlyTheSignOnAnswerClosesTheDialog)
{
    s_peer->Must("{\"cmd\":\"set_reply\",\"tr\":1201,\"silent\":true}");
    DialogScript script(kCaption);
    script.Then(Fill("user5", "pw5", "key5", "secret5"))
        .Then(Press(VK_RETURN))
        .Then(WaitFor([this](HWND) { return QueryCount(1201) == 1; }))
        .Then(Pause(1500))
        .Then(Do([this](HWND dialog) {
            EXPECT_TRUE(::IsWindowVisible(dialog));
            EXPECT_EQ(0u, m_boxes.Count());
        }))
        .Then(Cancel());
    EXPECT_EQ(IDCANCEL, RunDialog(script));
    EXPECT_EQ("user5       0", Body(Queries(1201)[0]));
}

TEST_F(LoginDialog, AShortReplyOnlyGivesTheEditsBack)
{
    s_peer->Must("{\"cmd\":\"set_reply\",\"tr\":1100,\"body_hex\":\"" + Hex("0000" + std::string(64, ' ')) + "\"}");
    DialogScript script(kCaption);
    script.Then(Fill("user6", "pw6", "key6", "secret6"))
        .Then(Press(VK_RETURN))
        .Then(WaitFor([this](HWND) { return QueryCount(1100) == 1; }))
        .Then(WaitFor([](HWND dialog) { return EditsEnabled(dialog); }))
        .Then(Pause(500))
        .Then(Cancel());
    EXPECT_EQ(IDCANCEL, RunDialog(script));
    EXPECT_EQ(0u, m_boxes.Count());
    EXPECT_EQ(0u, QueryCount(1201));
}

TEST_F(LoginDialog, WithoutAConnectionTheNetworkIsNamed)
{
    LCM_Close(0);
    ASSERT_TRUE(PumpUntil([] { return LCM_IsConnected(0) == 0; }, 3000));
    s_peer->Must("{\"cmd\":\"clear_requests\"}");
    DialogScript script(kCaption);
    script.Then(Fill("user7", "pw7", "key7", "secret7"))
        .Then(Press(VK_RETURN))
        .Then(WaitFor([this](HWND) { return m_boxes.Count() == 1; }))
        .Then(Cancel());
    EXPECT_EQ(IDCANCEL, RunDialog(script));
    EXPECT_EQ("네트워크가 연결되지 않았습니다.\n네트워크 회선을 확인해 주세요", m_boxes.Last().text);
    EXPECT_EQ(0u, QueryCount(1100));
}

TEST_F(LoginDialog, TheSavedIDIsShownAndTheToggleIsWrittenAtOnce)
{
    CIniFiles config(UserConfig().c_str());
    config.WriteBool("LOGIN", "SAVEID", 1);
    config.WriteString("LOGIN", "ID", "saved-user");
    DialogScript script(kCaption);
    script.Then(WaitFor([](HWND dialog) { return ControlText(dialog, IDC_LOGIN_ID) == "saved-user"; }))
        .Then(Click(IDC_LOGIN_SAVE_ID))
        .Then(WaitFor([&config](HWND) { return config.ReadBool("LOGIN", "SAVEID", 9) == 0; }))
        .Then(Click(IDC_LOGIN_SAVE_ID))
        .Then(WaitFor([&config](HWND) { return config.ReadBool("LOGIN", "SAVEID", 9) == 1; }))
        .Then(Do([&config](HWND) { EXPECT_STREQ("saved-user", config.ReadString("LOGIN", "ID", "")); }))
        .Then(Fill("  other-user ", "pw8", "key8", "secret8"))
        .Then(Press(VK_RETURN));
    EXPECT_EQ(IDOK, RunDialog(script));
    EXPECT_STREQ("other-user", config.ReadString("LOGIN", "ID", ""));

    // Off: the ID is not written.
    config.WriteBool("LOGIN", "SAVEID", 0);
    DialogScript off(kCaption);
    off.Then(WaitFor([](HWND dialog) { return ControlText(dialog, IDC_LOGIN_ID).empty(); }))
        .Then(Fill("third-user", "pw9", "key9", "secret9"))
        .Then(Press(VK_RETURN));
    EXPECT_EQ(IDOK, RunDialog(off));
    EXPECT_STREQ("other-user", config.ReadString("LOGIN", "ID", ""));
}

} // namespace
