// The login dialog: its controls, keyboard, the login and its replies.
#include "LoginDlg.h"

#include "DialogFace.h"
#include "IniFiles.h"
#include "InstallFolders.h"
#include "NetCourier.h"
#include "SessionPassword.h"
#include "SharedData.h"
#include "TRAgent.h"
#include "Utils.h"
#include "WebAddresses.h"
#include "ZembraAPIAgent.h"
#include "../res/resource.h"

BEGIN_MESSAGE_MAP(CWendralLoginDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_COPYDATA, OnCopyData)
    ON_BN_CLICKED(IDC_LOGIN_LOGIN, OnLogin)
    ON_BN_CLICKED(IDC_LOGIN_CANCEL, OnCancelButton)
    ON_BN_CLICKED(IDC_LOGIN_SAVE_ID, OnSaveID)
    ON_COMMAND_RANGE(IDC_LOGIN_WEB_PAGE1, IDC_LOGIN_WEB_EDUCATION, OnWebPage)
    ON_COMMAND(IDC_LOGIN_WEB_EXCHANGE, OnWebExchange)
END_MESSAGE_MAP()

namespace {

const char kCaption[] = "Molvane";

struct ButtonPlace
{
    UINT id;
    RECT place; // left, top, right, bottom
    const char* images[3]; // normal, over, pressed
};

const ButtonPlace kButtons[] = {
    {IDC_LOGIN_LOGIN, {420, 285, 420 + 213, 285 + 48},
     {"login_btn01_normal.bmp", "login_btn01_over.bmp", "login_btn01_clk.bmp"}},
    {IDC_LOGIN_CANCEL, {637, 285, 637 + 111, 285 + 48},
     {"login_btn02_normal.bmp", "login_btn02_over.bmp", "login_btn02_clk.bmp"}},
    {IDC_LOGIN_WEB_PAGE1, {22, 380, 22 + 94, 380 + 40},
     {"login_menu01_normal.bmp", "login_menu01_over.bmp", "login_menu01_clk.bmp"}},
    {IDC_LOGIN_WEB_PAGE2, {118, 380, 118 + 108, 380 + 40},
     {"login_menu02_normal.bmp", "login_menu02_over.bmp", "login_menu02_clk.bmp"}},
    {IDC_LOGIN_WEB_PAGE3, {226, 380, 226 + 96, 380 + 40},
     {"login_menu03_normal.bmp", "login_menu03_over.bmp", "login_menu03_clk.bmp"}},
    {IDC_LOGIN_WEB_EDUCATION, {320, 380, 320 + 106, 380 + 40},
     {"login_menu04_normal.bmp", "login_menu04_over.bmp", "login_menu04_clk.bmp"}},
    {IDC_LOGIN_WEB_EXCHANGE, {537, 237, 537 + 212, 237 + 25},
     {"btn_zembra_normal.bmp", "btn_zembra_over.bmp", "btn_zembra_over.bmp"}},
};

const RECT kSaveIDPlace = {426, 240, 426 + 16, 240 + 16};

struct EditPlace
{
    UINT id;
    RECT place;
    const char* cue;
};

const EditPlace kEdits[] = {
    {IDC_LOGIN_ID, {450, 60, 450 + 300, 60 + 20}, "아이디"},
    {IDC_LOGIN_PASSWORD, {450, 105, 450 + 300, 105 + 20}, "비밀번호"},
    {IDC_LOGIN_API_KEY, {450, 150, 450 + 300, 150 + 20}, "Zembra API KEY"},
    {IDC_LOGIN_SECRET_KEY, {450, 195, 450 + 300, 195 + 20}, "Zembra API SECRET KEY"},
};

CString LoginImage(const char* name)
{
    return CString(GetImageDir()) + "Login\\" + name;
}

} // namespace

CWendralLoginDlg::CWendralLoginDlg(CWnd* pParent)
    : CDialog(IDD_LOGIN, pParent), m_bSaveID(0), m_bSignOnSent(FALSE)
{
}

CWendralLoginDlg::~CWendralLoginDlg()
{
}

CString CWendralLoginDlg::UserConfigPath() const
{
    return CString(GetUserDir()) + "user.cfg";
}

BOOL CWendralLoginDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText("Talpen 자동매매시스템");

    m_bmpBackground.LoadBitmap(IDB_LOGIN_BACKGROUND);
    FitDialogToFace(this, m_bmpBackground);

    PlaceControls();

    CIniFiles config(UserConfigPath());
    m_bSaveID = config.ReadBool("LOGIN", "SAVEID", 0) == 1 ? 1 : 0;
    const CString savedID = config.ReadString("LOGIN", "ID", "");
    if (m_bSaveID)
        m_editID.SetWindowText(savedID);
    LoadSaveIDImages();

    m_editID.SetFocus();
    CUtils::LogServer_WriteLog("로그인 다이얼로그 실행");
    return TRUE;
}

void CWendralLoginDlg::PlaceControls()
{
    CSymbolEdit* edits[] = {&m_editID, &m_editPassword, &m_editAPIKey, &m_editSecretKey};
    for (int i = 0; i < 4; ++i) {
        edits[i]->SubclassDlgItem(kEdits[i].id, this);
        edits[i]->MoveWindow(&kEdits[i].place);
        edits[i]->SetCueBanner(kEdits[i].cue);
        edits[i]->SetCueColour(LOGIN_CUE_COLOUR);
    }
    CImgButton* buttons[] = {&m_btnLogin, &m_btnCancel, &m_btnWeb[0], &m_btnWeb[1], &m_btnWeb[2], &m_btnWeb[3],
                             &m_btnExchange};
    for (int i = 0; i < 7; ++i) {
        buttons[i]->SubclassWindow(::GetDlgItem(m_hWnd, kButtons[i].id));
        buttons[i]->MoveWindow(&kButtons[i].place);
        buttons[i]->LoadBitmaps(LoginImage(kButtons[i].images[0]), LoginImage(kButtons[i].images[1]),
                                LoginImage(kButtons[i].images[2]));
    }
    m_btnSaveID.SubclassWindow(::GetDlgItem(m_hWnd, IDC_LOGIN_SAVE_ID));
    m_btnSaveID.MoveWindow(&kSaveIDPlace);
}

void CWendralLoginDlg::LoadSaveIDImages()
{
    const char* on = "btn_id_on.bmp";
    const char* off = "btn_id_off.bmp";
    if (m_bSaveID)
        m_btnSaveID.LoadBitmaps(LoginImage(on), LoginImage(on), LoginImage(off));
    else
        m_btnSaveID.LoadBitmaps(LoginImage(off), LoginImage(off), LoginImage(on));
    m_btnSaveID.Invalidate();
}

void CWendralLoginDlg::OnPaint()
{
    PaintDialogFace(this, m_bmpBackground);
}

void CWendralLoginDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    // No caption bar: the dialog is dragged by any point of its surface.
    DragDialogBySurface(this, point);
    CDialog::OnLButtonDown(nFlags, point);
}

BOOL CWendralLoginDlg::PreTranslateMessage(MSG* pMsg)
{
    // Not the dialog's keyboard navigation: Enter and Tab in the edits move the focus on, and
    // in the secret key edit they log in.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_TAB)) {
        const HWND focus = pMsg->hwnd;
        if (focus == m_editID.GetSafeHwnd()) {
            FocusEdit(m_editPassword);
            return TRUE;
        }
        if (focus == m_editPassword.GetSafeHwnd()) {
            FocusEdit(m_editAPIKey);
            return TRUE;
        }
        if (focus == m_editAPIKey.GetSafeHwnd()) {
            FocusEdit(m_editSecretKey);
            return TRUE;
        }
        if (focus == m_editSecretKey.GetSafeHwnd()) {
            OnLogin();
            return TRUE;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CWendralLoginDlg::FocusEdit(CSymbolEdit& edit)
{
    edit.SetSel(0, -1);
    edit.SendMessage(EM_SCROLLCARET, 0, 0);
    edit.SetFocus();
}

CString CWendralLoginDlg::Trimmed(CSymbolEdit& edit)
{
    CString text;
    edit.GetWindowText(text);
    text.Trim();
    return text;
}

void CWendralLoginDlg::ShowMessage(const char* text)
{
    MessageBox(text, kCaption, MB_OK | MB_ICONINFORMATION);
}

void CWendralLoginDlg::EnableEdits(BOOL enable)
{
    m_editID.EnableWindow(enable);
    m_editPassword.EnableWindow(enable);
    m_editAPIKey.EnableWindow(enable);
    m_editSecretKey.EnableWindow(enable);
}

void CWendralLoginDlg::OnOK()
{
    // Enter never ends the dialog: only the answer to the sign-on does.
}

void CWendralLoginDlg::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CWendralLoginDlg::OnCancelButton()
{
    EndDialog(IDCANCEL);
}

void CWendralLoginDlg::OnSaveID()
{
    m_bSaveID = m_bSaveID ? 0 : 1;
    LoadSaveIDImages();
    CIniFiles(UserConfigPath()).WriteBool("LOGIN", "SAVEID", m_bSaveID);
}

void CWendralLoginDlg::OnLogin()
{
    if (!LCM_IsConnected(0)) {
        ShowMessage("네트워크가 연결되지 않았습니다.\n네트워크 회선을 확인해 주세요");
        return;
    }
    const CString id = Trimmed(m_editID);
    CString password = Trimmed(m_editPassword);
    const CString apiKey = Trimmed(m_editAPIKey);
    const CString secretKey = Trimmed(m_editSecretKey);
    if (id.IsEmpty()) {
        ShowMessage("회원 아이디를 입력하세요.");
        return;
    }
    if (password.IsEmpty()) {
        ShowMessage("비밀번호를 입력하세요.");
        m_editPassword.SetFocus();
        return;
    }
    if (apiKey.IsEmpty()) {
        ShowMessage("Zembra API Key를 입력하세요.");
        m_editAPIKey.SetFocus();
        return;
    }
    if (secretKey.IsEmpty()) {
        ShowMessage("Zembra Secret Key를 입력하세요.");
        m_editSecretKey.SetFocus();
        return;
    }
    if (m_bSaveID)
        CIniFiles(UserConfigPath()).WriteString("LOGIN", "ID", id);

    EnableEdits(FALSE);
    BYTE body[LOGIN_BODY_SIZE];
    MakeLoginBody(id, password, body);
    CTRAgent::RequestQueryData(TR_LOGIN, 'I', m_hWnd, NULL, body, LOGIN_BODY_SIZE, -1);
    SecureZeroMemory(body, sizeof body);
}

LRESULT CWendralLoginDlg::OnCopyData(WPARAM wParam, LPARAM lParam)
{
    const COPYDATASTRUCT* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (cds == NULL || wParam == 0 || CTRAgent::GetDataType(reinterpret_cast<_IQ_HEADER*>(wParam)) != 'I')
        return Default();
    const BYTE* body = static_cast<const BYTE*>(cds->lpData);
    const int len = body != NULL ? static_cast<int>(cds->cbData) : 0;
    if (cds->dwData == TR_LOGIN) {
        EnableEdits(TRUE);
        OnLoginReply(body, len);
    } else if (cds->dwData == TR_SESSION && m_bSignOnSent) {
        EndDialog(IDOK);
    }
    return TRUE;
}

void CWendralLoginDlg::OnLoginReply(const BYTE* body, int len)
{
    LoginReply reply;
    if (!ParseLoginReply(body, len, reply))
        return;
    if (reply.nResult != 0) {
        const char* text = LoginFailureText(reply.nResult);
        CUtils::LogServer_WriteLog(text);
        ShowMessage(text);
        return;
    }
    const CString id = Trimmed(m_editID);
    CSharedData::SetUserID(id);
    CSharedData::SetExpireDate(reply.nExpireDate);
    CSharedData::SetOfficeInfo(reply.strOffice[0], reply.strOffice[1], reply.strOffice[2]);
    CSharedData::SetBranchIP(reply.strBranchIP);
    CZembraAPIAgent::SetKeys(Trimmed(m_editAPIKey), Trimmed(m_editSecretKey));
    // The screen lock checks the password later against a salted hash: no copy that could be
    // turned back into the password stays.
    CString password = Trimmed(m_editPassword);
    CSessionPassword::Remember(password);
    SecureZeroMemory(password.GetBuffer(), password.GetLength());
    password.ReleaseBuffer(0);

    BYTE session[SESSION_BODY_SIZE];
    MakeSessionBody(id, SESSION_SIGN_ON, session);
    m_bSignOnSent = TRUE;
    CTRAgent::RequestQueryData(TR_SESSION, 'I', m_hWnd, NULL, session, SESSION_BODY_SIZE, -1);
}

void CWendralLoginDlg::OnWebPage(UINT nID)
{
    OpenWebAddress(LoginWebAddress(nID));
}

void CWendralLoginDlg::OnWebExchange()
{
    OpenWebAddress(LoginWebAddress(IDC_LOGIN_WEB_EXCHANGE));
}
