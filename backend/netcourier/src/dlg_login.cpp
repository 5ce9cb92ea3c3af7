// The login dialog: set-up, look, the login button and the Caps Lock warning.
#include "DlgLogin.h"

#include <commctrl.h>

#include <cstdlib>

#include "InfoMng.h"
#include "Link.h"
#include "LoginReplies.h"
#include "NetCourierModule.h"
#include "../res/resource.h"

IMPLEMENT_DYNAMIC(CDlgLogin, CDialog)

BEGIN_MESSAGE_MAP(CDlgLogin, CDialog)
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOVE()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_COPYDATA()
    ON_BN_CLICKED(IDC_LOGIN_CONNECT, OnLogin)
    ON_BN_CLICKED(IDC_LOGIN_OPTION, OnNoAction)
    ON_BN_CLICKED(IDC_LOGIN_CONSULT, OnNoAction)
    ON_BN_CLICKED(IDC_LOGIN_CERTIFICATE, OnNoAction)
    ON_BN_CLICKED(IDC_LOGIN_REGIST, OnNoAction)
    ON_BN_CLICKED(IDC_LOGIN_NEW, OnNoAction)
    ON_EN_SETFOCUS(IDC_LOGIN_PASSWORD, OnSecretFocus)
    ON_EN_CHANGE(IDC_LOGIN_PASSWORD, OnSecretFocus)
    ON_EN_SETFOCUS(IDC_LOGIN_THIRD, OnSecretFocus)
    ON_EN_CHANGE(IDC_LOGIN_THIRD, OnSecretFocus)
    ON_EN_KILLFOCUS(IDC_LOGIN_PASSWORD, OnSecretKillFocus)
    ON_EN_KILLFOCUS(IDC_LOGIN_THIRD, OnSecretKillFocus)
END_MESSAGE_MAP()

namespace {

const UINT_PTR kTipTimer = 739;
const UINT kTipShowTime = 5000;
const int kEditLimit = 16;
const char kCapsText[] = "키보드 <Caps Lock> 이 켜져 있습니다.";

struct Skin
{
    UINT id;
    const char* name;
    RECT place;
};

const Skin kSkins[] = {
    {IDC_LOGIN_CONNECT, "loginConnect", {252, 49, 252 + 71, 49 + 55}},
    {IDCANCEL, "loginClose", {289, 109, 289 + 34, 109 + 24}},
    {IDC_LOGIN_OPTION, "loginOption", {400, 110, 400 + 34, 110 + 24}},
    {IDC_LOGIN_CONSULT, "loginConsult", {400, 156, 400 + 63, 156 + 21}},
    {IDC_LOGIN_REGIST, "loginRegist", {400, 156, 400 + 63, 156 + 21}},
    {IDC_LOGIN_CERTIFICATE, "loginCertificate", {400, 156, 400 + 76, 156 + 21}},
    {IDC_LOGIN_NEW, "loginNew", {400, 156, 400 + 76, 156 + 21}},
};

const RECT kIDPlace = {133, 52, 133 + 110, 52 + 19};
const RECT kPasswordPlace = {133, 84, 133 + 110, 84 + 19};
const RECT kThirdPlace = {400, 112, 400 + 110, 112 + 19};
const RECT kStatusPlace = {39, 111, 39 + 246, 111 + 20};

CString UserConfig()
{
    return TheInfoMng().GetInstallRoot() + "user\\user.cfg";
}

const char* Argument(int index)
{
    return index < __argc && __argv != NULL && __argv[index] != NULL ? __argv[index] : "";
}

} // namespace

CDlgLogin::CDlgLogin(BOOL bAutomatic)
    : m_bAutomatic(bAutomatic), m_nStep(0), m_hCapsTip(NULL), m_hPreviousReceiver(NULL)
{
    m_brushEdit.CreateSolidBrush(RGB(255, 255, 255));
    m_brushStatic.CreateSolidBrush(RGB(222, 234, 250));
    // The template lives in this library, not in the program's resources.
    HINSTANCE module = NetCourierInstance();
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(IDD_LOGIN), (LPCSTR)RT_DIALOG);
    HGLOBAL loaded = resource != NULL ? ::LoadResource(module, resource) : NULL;
    if (loaded != NULL)
        InitModalIndirect(static_cast<LPCDLGTEMPLATE>(::LockResource(loaded)));
    if (m_bAutomatic) {
        m_strID = Argument(2);
        m_strPassword = Argument(3);
        CInfoMng& info = TheInfoMng();
        info.m_bPublicSign = __argc >= 5 ? 1 : 0;
        if (__argc >= 5)
            m_strThird = Argument(4);
    }
}

CDlgLogin::~CDlgLogin()
{
}

void CDlgLogin::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    // The ID text and its edit.
    if (pDX->m_bSaveAndValidate)
        GetDlgItemText(IDC_LOGIN_ID, m_strID);
    else
        SetDlgItemText(IDC_LOGIN_ID, m_strID);
}

BOOL CDlgLogin::OnInitDialog()
{
    if (!m_bAutomatic) {
        char saved[100] = {0};
        ::GetPrivateProfileStringA("LOGIN", "ID", "", saved, sizeof saved, UserConfig());
        m_strID = saved;
    }
    if (!CDialog::OnInitDialog())
        return FALSE;

    SetWindowText("Molvane");
    HANDLE background = ::LoadImageA(NetCourierInstance(), MAKEINTRESOURCEA(IDB_LOGIN_BACKGROUND), IMAGE_BITMAP, 0, 0,
                                     LR_CREATEDIBSECTION);
    if (background != NULL) {
        m_bmpBackground.Attach(background);
        BITMAP info;
        m_bmpBackground.GetBitmap(&info);
        SetWindowPos(NULL, 0, 0, info.bmWidth + 1, info.bmHeight + 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetUpControls();

    CLinkTable& table = TheLinkTable();
    m_hPreviousReceiver = table.GetPump().GetReceiver();
    table.GetPump().SetReceiver(m_hWnd);

    SetStatus("ID와 비밀번호를 입력해 주세요");
    if (m_bAutomatic) {
        // The command line is not checked by anyone else: what the fields cannot carry is refused.
        if (!login_replies::IsCredential(m_strID))
            Fail("아이디를 입력해 주십시오.");
        else if (!login_replies::IsCredential(m_strPassword))
            Fail("비밀번호를 입력해 주십시오.");
        else {
            StoreCredentials();
            SetStep(6);
        }
    } else {
        ConnectIfDown();
    }
    return TRUE;
}

void CDlgLogin::SetUpControls()
{
    CImgButton* buttons[] = {&m_btnConnect, &m_btnClose,      &m_btnOption, &m_btnConsult,
                             &m_btnRegist,  &m_btnCertificate, &m_btnNew};
    const CString images = TheInfoMng().GetInstallRoot() + "Images\\Login\\";
    for (int i = 0; i < static_cast<int>(_countof(kSkins)); ++i) {
        CImgButton& button = *buttons[i];
        if (!button.SubclassDlgItem(kSkins[i].id, this))
            continue;
        button.ModifyStyle(0, BS_OWNERDRAW, 0);
        const CString skin = images + kSkins[i].name;
        button.LoadBitmaps(skin + "_normal.bmp", skin + "_over.bmp", skin + "_clk.bmp");
        const RECT& r = kSkins[i].place;
        button.MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    struct
    {
        CEdit* edit;
        UINT id;
        const RECT* place;
        const CString* text;
    } edits[] = {{&m_editID, IDC_LOGIN_ID, &kIDPlace, &m_strID},
                 {&m_editPassword, IDC_LOGIN_PASSWORD, &kPasswordPlace, &m_strPassword},
                 {&m_editThird, IDC_LOGIN_THIRD, &kThirdPlace, &m_strThird}};
    for (auto& e : edits) {
        if (!e.edit->SubclassDlgItem(e.id, this))
            continue;
        e.edit->SendMessage(EM_LIMITTEXT, kEditLimit);
        e.edit->MoveWindow(e.place->left, e.place->top, e.place->right - e.place->left,
                           e.place->bottom - e.place->top);
        e.edit->SetWindowText(*e.text);
    }
    m_status.Create("", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, kStatusPlace, this, IDC_LOGIN_STATUS);
    m_status.SetFont(GetFont());
    CreateCapsTip();
}

void CDlgLogin::SetStatus(const char* text)
{
    if (m_status.GetSafeHwnd() != NULL)
        m_status.SetWindowText(text);
}

void CDlgLogin::StoreCredentials()
{
    TheInfoMng().StoreUser(m_strID, m_strPassword);
}

void CDlgLogin::ConnectIfDown()
{
    CQuelmarSocket* socket = TheLinkTable().GetSocket(0);
    if (socket->GetState() == LCM_STATE_CONNECTED)
        return;
    CInfoMng& info = TheInfoMng();
    info.ApplyServerSetting();
    socket->ConnectTo(info.GetMainServer().szAddress, info.GetMainServer().nPort);
}

void CDlgLogin::OnLogin()
{
    GetDlgItemText(IDC_LOGIN_ID, m_strID);
    ::WritePrivateProfileStringA("LOGIN", "ID", m_strID, UserConfig());
    GetDlgItemText(IDC_LOGIN_PASSWORD, m_strPassword);
    GetDlgItemText(IDC_LOGIN_THIRD, m_strThird);
    if (!login_replies::IsCredential(m_strID)) {
        SetStatus("아이디를 입력해 주십시오.");
        m_editID.SetFocus();
        return;
    }
    if (!login_replies::IsCredential(m_strPassword)) {
        SetStatus("비밀번호를 입력해 주십시오.");
        m_editPassword.SetFocus();
        return;
    }
    StoreCredentials();
    CDialog::OnOK();
}

void CDlgLogin::OnNoAction()
{
}

void CDlgLogin::OnPaint()
{
    CPaintDC dc(this);
    if (m_bmpBackground.GetSafeHandle() == NULL)
        return;
    BITMAP info;
    m_bmpBackground.GetBitmap(&info);
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap* old = memDC.SelectObject(&m_bmpBackground);
    dc.BitBlt(0, 0, info.bmWidth, info.bmHeight, &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(old);
}

HBRUSH CDlgLogin::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    switch (nCtlColor) {
    case CTLCOLOR_STATIC:
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(95, 98, 103));
        return static_cast<HBRUSH>(m_brushStatic.GetSafeHandle());
    case CTLCOLOR_EDIT:
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(0, 0, 0));
        return static_cast<HBRUSH>(m_brushEdit.GetSafeHandle());
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CDlgLogin::OnLButtonDown(UINT nFlags, CPoint point)
{
    // The whole surface drags the dialog.
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    CDialog::OnLButtonDown(nFlags, point);
}

void CDlgLogin::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    HideCapsTip();
}

void CDlgLogin::OnDestroy()
{
    KillTimer(kStepTimer);
    TheLinkTable().GetPump().SetReceiver(m_hPreviousReceiver);
    if (m_hCapsTip != NULL)
        ::DestroyWindow(m_hCapsTip);
    m_hCapsTip = NULL;
    CDialog::OnDestroy();
}

BOOL CDlgLogin::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYUP) {
        if (pMsg->hwnd == m_editPassword.GetSafeHwnd())
            UpdateCapsTip(IDC_LOGIN_PASSWORD);
        else if (pMsg->hwnd == m_editThird.GetSafeHwnd())
            UpdateCapsTip(IDC_LOGIN_THIRD);
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CDlgLogin::OnSecretFocus()
{
    const MSG* msg = GetCurrentMessage();
    UpdateCapsTip(msg != NULL ? LOWORD(msg->wParam) : IDC_LOGIN_PASSWORD);
}

void CDlgLogin::OnSecretKillFocus()
{
    HideCapsTip();
}

void CDlgLogin::CreateCapsTip()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    m_hCapsTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, TTS_NOPREFIX | TTS_BALLOON, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, NULL, NetCourierInstance(),
                                   NULL);
    if (m_hCapsTip == NULL)
        return;
    TOOLINFOA tool;
    memset(&tool, 0, sizeof tool);
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
    tool.lpszText = const_cast<char*>(kCapsText);
    ::SendMessageA(m_hCapsTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CDlgLogin::UpdateCapsTip(UINT nEditID)
{
    if (m_hCapsTip == NULL)
        return;
    if (::GetKeyState(VK_CAPITAL) == 0) {
        HideCapsTip();
        return;
    }
    CWnd* edit = GetDlgItem(nEditID);
    if (edit == NULL)
        return;
    CRect rect;
    edit->GetWindowRect(&rect);
    TOOLINFOA tool;
    memset(&tool, 0, sizeof tool);
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
    ::SendMessageA(m_hCapsTip, TTM_TRACKPOSITION, 0, MAKELPARAM(rect.left + 5, rect.bottom - 5));
    ::SendMessageA(m_hCapsTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(kTipTimer, kTipShowTime, NULL);
}

void CDlgLogin::HideCapsTip()
{
    if (m_hCapsTip == NULL)
        return;
    TOOLINFOA tool;
    memset(&tool, 0, sizeof tool);
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
    ::SendMessageA(m_hCapsTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}
