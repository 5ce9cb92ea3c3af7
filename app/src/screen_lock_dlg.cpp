// The screen-lock dialog.
#include "ScreenLockDlg.h"

#include "ColorMap.h"
#include "SessionPassword.h"
#include "../res/SessionResource.h"

BEGIN_MESSAGE_MAP(CScreenLockDlg, CDialog)
    ON_BN_CLICKED(IDC_LOCK_OK, OnOKButton)
    ON_BN_CLICKED(IDC_LOCK_CANCEL, OnCancelButton)
END_MESSAGE_MAP()

namespace {

tagBtnColor ButtonLook(WORD first)
{
    return {CColorMap::GetColor(first), CColorMap::GetColor((WORD)(first + 1)), CColorMap::GetColor((WORD)(first + 2)),
            CColorMap::GetColor((WORD)(first + 3))};
}

} // namespace

CScreenLockDlg::CScreenLockDlg(CWnd* pParent) : CDialog(IDD_SCREEN_LOCK, pParent), m_bCapsTip(FALSE) {}

CScreenLockDlg::~CScreenLockDlg() {}

BOOL CScreenLockDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_edit.SubclassDlgItem(IDC_LOCK_PASSWORD, this);
    ClearEdit();

    tagBtnColor looks[3] = {ButtonLook(601), ButtonLook(605), ButtonLook(609)};
    m_btnOK.Create("확인", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(190, 40, 260, 60), this, IDC_LOCK_OK);
    m_btnCancel.Create("취소", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(190, 66, 260, 86), this, IDC_LOCK_CANCEL);
    for (CImgButton* button : {&m_btnOK, &m_btnCancel})
        button->LoadColors(&looks[0], &looks[1], &looks[2]);
    // The buttons stand right of the template's controls, whatever its font makes of them.
    CRect client;
    GetClientRect(&client);
    if (client.right < 272) {
        CRect window;
        GetWindowRect(&window);
        SetWindowPos(NULL, 0, 0, window.Width() + 272 - client.right, window.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    if (m_tip.Create(this)) {
        m_tip.AddTool(&m_edit, LOCK_CAPS_TIP);
        m_tip.SetDelayTime(TTDT_AUTOPOP, LOCK_CAPS_TIP_MS);
    }
    UpdateCapsTip();
    m_edit.SetFocus();
    return FALSE;
}

void CScreenLockDlg::ClearEdit()
{
    if (m_edit.GetSafeHwnd() != NULL)
        m_edit.SetWindowText("");
}

void CScreenLockDlg::UpdateCapsTip()
{
    m_bCapsTip = (::GetKeyState(VK_CAPITAL) & 1) != 0;
    if (m_tip.GetSafeHwnd() != NULL)
        m_tip.Activate(m_bCapsTip);
}

BOOL CScreenLockDlg::PreTranslateMessage(MSG* pMsg)
{
    if (m_tip.GetSafeHwnd() != NULL)
        m_tip.RelayEvent(pMsg);
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && pMsg->hwnd == m_edit.GetSafeHwnd()) {
        CheckPassword();
        return TRUE;
    }
    if (pMsg->message == WM_KEYUP && pMsg->wParam == VK_CAPITAL)
        UpdateCapsTip();
    // Not the dialog's keyboard navigation: neither Enter nor Esc may end the lock.
    return CWnd::PreTranslateMessage(pMsg);
}

void CScreenLockDlg::CheckPassword()
{
    CString text;
    m_edit.GetWindowText(text);
    if (!text.IsEmpty() && CSessionPassword::Matches(text)) {
        SecureZeroMemory(text.GetBuffer(), text.GetLength());
        text.ReleaseBuffer(0);
        EndDialog(IDOK);
        return;
    }
    SecureZeroMemory(text.GetBuffer(), text.GetLength());
    text.ReleaseBuffer(0);
    ClearEdit();
}

void CScreenLockDlg::OnOKButton()
{
    CheckPassword();
}

void CScreenLockDlg::OnCancelButton()
{
    ClearEdit();
    ShowWindow(SW_MINIMIZE);
}

void CScreenLockDlg::OnOK()
{
    // Only the password ends the lock.
}

void CScreenLockDlg::OnCancel()
{
    // The close box and Esc leave the screen locked.
}
