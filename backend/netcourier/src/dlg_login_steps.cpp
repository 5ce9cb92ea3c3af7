// The login dialog's steps and the replies that move it on.
#include "DlgLogin.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "InfoMng.h"
#include "Link.h"
#include "LoginReplies.h"
#include "../res/resource.h"

namespace {

const UINT_PTR kTipTimer = 739;
const char kInfoFailed[] = "[IN] 사용자정보 취득에 실패했습니다.";
const int kUserInfoSize = LCM_USERINFO_SIZE;
const char kTwoFactorMark[] = "FFFF0";
const int kTwoFactorAt = 146;

// Replies of code 12 seen by this process.
bool g_bReceived12 = false;

bool WantsAccounts()
{
    return memcmp(TheInfoMng().GetUserInfo() + kTwoFactorAt, kTwoFactorMark, 5) == 0;
}

} // namespace

void CDlgLogin::SendStepRequest(int code, const void* body, int len)
{
    CQuelmarSocket* socket = TheLinkTable().GetSocket(0);
    if (socket->GetState() != LCM_STATE_CONNECTED)
        return;
    if (len < 0 || (body == NULL && len > 0))
        len = 0;
    std::vector<BYTE> frame(login_replies::kHeaderSize + len, 0);
    BYTE* data = frame.data();
    char field[16];
    sprintf(field, "%08d", login_replies::kHeaderSize + len);
    memcpy(data, field, 8);
    sprintf(field, "%08d", code);
    memcpy(data + 8, field, 8);
    data[16] = 'I';
    data[17] = ' ';
    memcpy(data + 26, "00000001", 8);
    sprintf(field, "%08d", static_cast<int>(reinterpret_cast<INT_PTR>(m_hWnd)));
    memcpy(data + 50, field, 8);
    if (len > 0)
        memcpy(data + login_replies::kHeaderSize, body, len);
    socket->Send(data, static_cast<int>(frame.size()));
}

void CDlgLogin::SendLoginRequest()
{
    SetStatus("사용자 정보 요청중...[LOGIN]");
    CString body;
    body.Format("%-8s%-8s", (LPCTSTR)m_strID, (LPCTSTR)m_strPassword);
    SendStepRequest(5301, (LPCTSTR)body, body.GetLength());
}

void CDlgLogin::SetStep(int step)
{
    KillTimer(kStepTimer);
    m_nStep = step;
    switch (step) {
    case 3: {
        SetStatus("사용자 정보 요청중...[IRS]");
        CString body;
        body.Format("%s,%s,", (LPCTSTR)m_strID, (LPCTSTR)m_strPassword);
        SendStepRequest(1901, (LPCTSTR)body, body.GetLength());
        break;
    }
    case 4:
        if (WantsAccounts()) {
            if (m_bAutomatic)
                SendStepRequest(1905, TheInfoMng().GetUserBlock(), CInfoMng::kUserTextSize);
            else
                EndWithOK();
        } else if (!m_bAutomatic) {
            SendLoginRequest();
        }
        break;
    case 6:
        if (m_bAutomatic)
            ConnectIfDown();
        SendLoginRequest();
        break;
    }
    if (m_nStep != 4)
        SetTimer(kStepTimer, kStepTime, NULL);
}

void CDlgLogin::Fail(const char* text)
{
    const UINT enabled[] = {IDC_LOGIN_ID, IDC_LOGIN_PASSWORD, IDC_LOGIN_THIRD, IDC_LOGIN_CONNECT, IDC_LOGIN_OPTION};
    for (UINT id : enabled)
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(TRUE);
    m_nStep = 0;
    SetStatus(text);
}

void CDlgLogin::EndWithOK()
{
    PostMessage(WM_COMMAND, IDOK, 0);
}

void CDlgLogin::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kStepTimer) {
        KillTimer(kStepTimer);
        Fail("");
        return;
    }
    if (nIDEvent == kTipTimer) {
        HideCapsTip();
        KillTimer(kTipTimer);
        return;
    }
    CDialog::OnTimer(nIDEvent);
}

BOOL CDlgLogin::OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct)
{
    const BYTE* frame = pCopyDataStruct != NULL ? static_cast<const BYTE*>(pCopyDataStruct->lpData) : NULL;
    const int len = pCopyDataStruct != NULL ? static_cast<int>(pCopyDataStruct->cbData) : 0;
    if (frame != NULL && len >= login_replies::kHeaderSize) {
        switch (login_replies::NumberAt(frame, len, 8)) {
        case 12:
            HandleReply12(frame, len);
            break;
        case 1901:
            HandleReply1901(frame, len);
            break;
        case 1905:
            HandleReply1905(frame, len);
            break;
        case 5301:
            HandleReply5301(frame, len);
            break;
        }
    }
    return CDialog::OnCopyData(pWnd, pCopyDataStruct);
}

void CDlgLogin::HandleReply12(const BYTE* frame, int len)
{
    const int number = login_replies::NumberAt(frame, len, login_replies::kNumberAt);
    const bool seenBefore = g_bReceived12;
    g_bReceived12 = true;
    const char kind = static_cast<char>(frame[17]);
    if (kind != 'E' && kind != ' ')
        return;
    if (number != 0) {
        m_editID.SetFocus();
        m_editID.SetSel(0, -1);
        m_editID.SendMessage(EM_SCROLLCARET);
        Fail("등록되지않은 아이디 입니다. ");
        if (kind == ' ' && seenBefore)
            SetStep(3);
        return;
    }
    if (kind == 'E' || seenBefore)
        SetStep(3);
}

void CDlgLogin::HandleReply1901(const BYTE* frame, int len)
{
    const int bodyLen = len - login_replies::kHeaderSize;
    if (login_replies::NumberAt(frame, len, login_replies::kNumberAt) != 0 || bodyLen < kUserInfoSize) {
        Fail(kInfoFailed);
        return;
    }
    const BYTE* body = frame + login_replies::kHeaderSize;
    memcpy(TheInfoMng().GetUserInfo(), body, kUserInfoSize);
    StoreCredentials();
    SetStatus("공인인증 처리중입니다.");
    ApplyServerClock(body, bodyLen);
    SetStep(4);
}

void CDlgLogin::HandleReply1905(const BYTE* frame, int len)
{
    if (login_replies::NumberAt(frame, len, login_replies::kNumberAt) == 0)
        login_replies::AppendAccounts1905(frame, len, TheInfoMng().GetAccounts());
    EndWithOK();
}

void CDlgLogin::HandleReply5301(const BYTE* frame, int len)
{
    if (frame[login_replies::kNumberAt] != 'S') {
        Fail(kInfoFailed);
        return;
    }
    TheInfoMng().m_nUserGroup = 0x10000;
    login_replies::AppendAccounts5301(frame, len, TheInfoMng().GetAccounts());
    EndWithOK();
}

void CDlgLogin::ApplyServerClock(const BYTE* body, int bodyLen)
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    SYSTEMTIME clock;
    if (login_replies::ServerClock(body, bodyLen, now, clock))
        ::SetLocalTime(&clock);
}
