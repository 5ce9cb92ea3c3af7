// CDlgAccPwd: one account's password, checked on this machine, and GetAccountPWD/IsFutOptAccount.
#include "AccountCtrl.h"
#include "AccountDialogs.h"

#include "ColorMap.h"
#include "ResourceMap.h"
#include "SharedData.h"
#include "WidgetKitModule.h"

IMPLEMENT_DYNAMIC(CDlgAccPwd, CBaseView)

BEGIN_MESSAGE_MAP(CDlgAccPwd, CBaseView)
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_ACCPWD_ANSWER, OnAnswer)
    ON_MESSAGE(WM_ACCPWD_DONE, OnDone)
END_MESSAGE_MAP()

namespace {

const WORD kLabelColour = 613;
const int kPasswordMax = 8;
const char kEmptyPrompt[] = "계좌비밀번호를 입력해 주십시오.";
// What a staff user's account holds in place of a password.
const char kStaffPassword[] = "0";

void MakeImageButton(CDialog* dialog, CImgButton& button, UINT id, int x, int y)
{
    CWnd* item = dialog->GetDlgItem(id);
    if (item == NULL || !button.SubclassWindow(item->m_hWnd))
        return;
    button.LoadBitmaps(CResourceMap::GetBitmap(913), CResourceMap::GetBitmap(914), CResourceMap::GetBitmap(915),
                       NULL);
    button.MoveWindow(x, y, 60, 20);
}

} // namespace

CDlgAccPwd::CDlgAccPwd(CWnd* parent, tagAccount* account) : CBaseView(IDD, parent), m_pAccount(account)
{
    SetResourceModule(WidgetKitInstance());
    memset(m_szRequest, 0, sizeof m_szRequest);
    m_brLabel.CreateSolidBrush(CColorMap::GetColor(kLabelColour));
}

CDlgAccPwd::~CDlgAccPwd() {}

BOOL CDlgAccPwd::OnInitDialog()
{
    CBaseView::OnInitDialog();
    m_grid.Create(0, 0, 2, 1, WS_CHILD | WS_VISIBLE, CRect(4, 36, 251, 106), this, 2000);
    m_grid.SetColumnWidth(0, 70);
    m_grid.SetColumnWidth(1, 174);
    m_grid.SetRowHeight(0, 68);
    m_grid.SetBackColor(0, 0, kLabelColour, 0);
    // The labels and the edit lie over the grid's cells.
    m_grid.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetDlgWindowStyle();

    const struct
    {
        UINT id;
        CRect rect;
    } places[] = {
        {IDC_NOTE_TEXT, CRect(6, 6, 250, 32)},         {IDC_INFO_LABEL, CRect(8, 48, 70, 64)},
        {IDC_ACCOUNT_TEXT, CRect(78, 48, 248, 64)},    {IDC_PWD_LABEL, CRect(8, 80, 70, 96)},
        {IDC_PWD_EDIT, CRect(78, 77, 160, 97)},
    };
    for (const auto& place : places)
        if (CWnd* item = GetDlgItem(place.id))
            item->MoveWindow(&place.rect);
    MakeImageButton(this, m_btnOk, IDOK, 127, 110);
    MakeImageButton(this, m_btnCancel, IDCANCEL, 191, 110);

    CEdit* edit = static_cast<CEdit*>(GetDlgItem(IDC_PWD_EDIT));
    if (edit != NULL) {
        edit->SetLimitText(kPasswordMax);
        if (m_pAccount != NULL && !m_pAccount->strPassword.IsEmpty())
            edit->SetWindowText(m_pAccount->strPassword);
    }
    if (m_pAccount != NULL) {
        CString text;
        text.Format("%s (%s)", static_cast<const char*>(m_pAccount->strAccount),
                    static_cast<const char*>(m_pAccount->strName));
        SetDlgItemText(IDC_ACCOUNT_TEXT, text);
    }
    m_wndReceiver.Create("static", "", WS_CHILD, CRect(0, 0, 0, 0), this, 0xFFFF);
    SetFrameSize(256, 160);
    if (edit != NULL) {
        edit->SetFocus();
        return FALSE;
    }
    return TRUE;
}

HBRUSH CDlgAccPwd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const int id = pWnd != NULL ? pWnd->GetDlgCtrlID() : 0;
    if (nCtlColor == CTLCOLOR_STATIC && (id == IDC_ACCOUNT_TEXT || id == IDC_INFO_LABEL || id == IDC_PWD_LABEL)) {
        pDC->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(m_brLabel.GetSafeHandle());
    }
    return CBaseView::OnCtlColor(pDC, pWnd, nCtlColor);
}

int CDlgAccPwd::OnKeyDown(MSG* msg)
{
    CWnd* edit = GetDlgItem(IDC_PWD_EDIT);
    if (edit != NULL && msg->hwnd == edit->m_hWnd && edit->IsWindowEnabled())
        OnOK();
    return 0;
}

void CDlgAccPwd::OnOK()
{
    CString entry;
    GetDlgItemText(IDC_PWD_EDIT, entry);
    entry.Trim();
    if (entry.IsEmpty()) {
        MessageBox(kEmptyPrompt, "Molvane", MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_strPassword = entry;
    GetDlgItem(IDC_PWD_EDIT)->EnableWindow(FALSE);
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    MakePasswordRequest(m_pAccount != NULL ? static_cast<const char*>(m_pAccount->strAccount) : "", entry,
                        m_szRequest);
    SendRequest();
}

void CDlgAccPwd::SendRequest()
{
    // The session keeps the password the user gives: nothing else holds one to compare with.
    PostMessage(WM_ACCPWD_ANSWER, ACCPWD_ACCEPTED, 0);
}

void CDlgAccPwd::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDlgAccPwd::OnAnswer(WPARAM wParam, LPARAM lParam)
{
    if (wParam == ACCPWD_ACCEPTED) {
        PostMessage(WM_ACCPWD_DONE);
        return 0;
    }
    const char* text = reinterpret_cast<const char*>(lParam);
    MessageBox(text != NULL ? text : "", "Molvane", MB_OK | MB_ICONINFORMATION);
    CEdit* edit = static_cast<CEdit*>(GetDlgItem(IDC_PWD_EDIT));
    GetDlgItem(IDOK)->EnableWindow(TRUE);
    edit->EnableWindow(TRUE);
    edit->SetFocus();
    edit->SetSel(0, -1);
    return 0;
}

LRESULT CDlgAccPwd::OnDone(WPARAM, LPARAM)
{
    EndDialog(IDOK);
    return 0;
}

int GetAccountPWD(CWnd* parent, tagAccount* account, BOOL ask)
{
    if (account == NULL || account->strAccount.IsEmpty())
        return 0;
    if (CSharedData::IsStaff()) {
        account->strPassword = kStaffPassword;
        return 1;
    }
    if (!ask && !account->strPassword.IsEmpty())
        return 1;
    CDlgAccPwd dialog(parent, account);
    if (dialog.DoModal() != IDOK)
        return 0;
    const CString password = dialog.GetPassword();
    tagAccount* kept = CSharedData::GetAccount(account->strAccount);
    if (kept != NULL)
        kept->strPassword = password;
    account->strPassword = password;
    return 1;
}

int IsFutOptAccount(tagAccount* account)
{
    return account != NULL ? IsFutOptNumber(account->strAccount) : 0;
}
