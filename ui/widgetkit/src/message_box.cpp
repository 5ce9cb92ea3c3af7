// CMessageBox: a skinned box sized to its message, with one or two buttons; CShowMsgDlg.
#include "BaseDialog.h"

#include "WidgetRules.h"
#include "../res/resource.h"

IMPLEMENT_DYNAMIC(CMessageBox, CBaseDialog)
IMPLEMENT_DYNAMIC(CShowMsgDlg, CDialog)

BEGIN_MESSAGE_MAP(CMessageBox, CBaseDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

// A button of the box: Enter belongs to the box, which answers on the key's release (and lets
// pass the release of an Enter held when it opened), so the key-down must not click the button
// before the box has seen it.
class CBoxButton : public CImgButton
{
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
            return CButton::PreTranslateMessage(pMsg);
        return CImgButton::PreTranslateMessage(pMsg);
    }
};

} // namespace

CMessageBox::CMessageBox(CWnd* parent) : CBaseDialog(IDD_MESSAGEBOX, parent), m_nType(1), m_bEnterHeld(FALSE) {}

CMessageBox::~CMessageBox() {}

void CMessageBox::SetButtonTitle(const char* title1, const char* title2)
{
    m_strTitle1 = title1 != NULL ? title1 : "";
    m_strTitle2 = title2 != NULL ? title2 : "";
}

CImgButton* CMessageBox::NewPushButton()
{
    return new CBoxButton;
}

int AFXAPI CMessageBox::RunBox(void* pContext)
{
    return static_cast<int>(static_cast<CMessageBox*>(pContext)->DoModal());
}

int CMessageBox::Show(const char* message, const char* caption, int type)
{
    m_strCaption = caption != NULL ? caption : "";
    m_strMessage = message != NULL && *message ? message : " ";
    m_nType = type;
    const CString shownCaption = m_strCaption.IsEmpty() ? CString("알림") : m_strCaption;
    HWND owner = m_pParentWnd != NULL ? m_pParentWnd->GetSafeHwnd() : NULL;
    return AfxPlatformOwnMessageBox(owner, m_strMessage, shownCaption, (type & 2) ? MB_OKCANCEL : MB_OK, &RunBox,
                                    this);
}

BOOL CMessageBox::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (m_strCaption.IsEmpty())
        m_strCaption = "알림";
    SetWindowText("   " + m_strCaption);
    if (m_strMessage.IsEmpty())
        m_strMessage = " ";

    CWnd* button1 = GetDlgItem(IDOK);
    CWnd* button2 = GetDlgItem(IDCANCEL);
    if (button1 != NULL && !m_strTitle1.IsEmpty())
        button1->SetWindowText(m_strTitle1);
    if (button2 != NULL && !m_strTitle2.IsEmpty())
        button2->SetWindowText(m_strTitle2);

    // The message measured with the dialog's font.
    CClientDC dc(this);
    CFont* font = m_pFont != NULL ? m_pFont : GetFont();
    CFont* oldFont = font != NULL ? dc.SelectObject(font) : NULL;
    CRect measured(0, 0, 1000, 1000);
    dc.DrawText(m_strMessage, &measured, DT_CALCRECT | DT_NOPREFIX);
    if (oldFont != NULL)
        dc.SelectObject(oldFont);

    CRect window, client, buttonRect(0, 0, 0, 0);
    GetWindowRect(&window);
    GetClientRect(&client);
    if (button1 != NULL)
        button1->GetWindowRect(&buttonRect);
    const CSize nonClient(window.Width() - client.Width(), window.Height() - client.Height());
    const MessageBoxLayout layout =
        LayoutMessageBox(CSize(measured.Width(), measured.Height()), nonClient, buttonRect.Size(), m_nType);
    SetWindowPos(NULL, 0, 0, layout.sizeWindow.cx, layout.sizeWindow.cy, SWP_NOMOVE | SWP_NOZORDER);

    if (button1 != NULL) {
        button1->MoveWindow(&layout.rcButton1);
        button1->ShowWindow(layout.bShow1 ? SW_SHOW : SW_HIDE);
    }
    if (button2 != NULL) {
        button2->MoveWindow(&layout.rcButton2);
        button2->ShowWindow(layout.bShow2 ? SW_SHOW : SW_HIDE);
    }
    if (button1 != NULL)
        button1->SetFocus();
    m_bEnterHeld = (::GetAsyncKeyState(VK_RETURN) & 0x8000) != 0;
    return FALSE;
}

BOOL CMessageBox::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->wParam == VK_RETURN && pMsg->message == WM_KEYDOWN)
        return TRUE;
    if (pMsg->wParam == VK_RETURN && pMsg->message == WM_KEYUP) {
        if (m_bEnterHeld) {
            // The release of the Enter that was down when the box opened.
            m_bEnterHeld = FALSE;
            return TRUE;
        }
        // Enter answers with the button that has the focus.
        const HWND focus = ::GetFocus();
        CWnd* cancel = GetDlgItem(IDCANCEL);
        EndDialog(cancel != NULL && focus == cancel->m_hWnd ? IDCANCEL : IDOK);
        return TRUE;
    }
    return CBaseDialog::PreTranslateMessage(pMsg);
}

void CMessageBox::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    client.DeflateRect(15, 15);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    CFont* font = m_pFont != NULL ? m_pFont : GetFont();
    CFont* oldFont = font != NULL ? dc.SelectObject(font) : NULL;
    dc.DrawText(m_strMessage, &client, DT_NOPREFIX | DT_VCENTER | DT_CENTER);
    if (oldFont != NULL)
        dc.SelectObject(oldFont);
}

CShowMsgDlg::CShowMsgDlg(CString message, CWnd* parent) : CDialog(IDD_SHOWMSG, parent), m_strMessage(message)
{
    (void)parent;
    if (Create(IDD_SHOWMSG, AfxGetMainWnd())) {
        ShowWindow(SW_SHOW);
        UpdateWindow();
    }
}

CShowMsgDlg::~CShowMsgDlg() {}

BOOL CShowMsgDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_SHOWMSG_TEXT, m_strMessage);
    return TRUE;
}

void CShowMsgDlg::PostNcDestroy()
{
    CDialog::PostNcDestroy();
    delete this;
}
