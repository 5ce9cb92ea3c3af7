// CAccountCtrl: the session's accounts in a drop-down list, the selected name and the hidden
// password edit; the selection is shared by every selector of the process.
#include "AccountCtrl.h"

#include <algorithm>

#include "SharedData.h"
#include "WidgetRules.h"

IMPLEMENT_DYNAMIC(CAccountCtrl, CCtrlBase)

BEGIN_MESSAGE_MAP(CAccountCtrl, CCtrlBase)
    ON_CBN_SELCHANGE(ACCOUNTCTRL_COMBO_ID, OnComboSelChange)
END_MESSAGE_MAP()

int CAccountCtrl::m_nCurAcc = 0;

namespace {

const int kComboWidth = 110;
const int kComboDropHeight = 320;
const int kRowHeight = 20;
const CRect kPasswordRect(186, 0, 246, 20);
const UINT kTipShowMs = 20000;

} // namespace

CAccountCtrl::CAccountCtrl(int all)
    : m_rcCtrl(0, 0, 0, 0), m_nAccountType(all ? 0x1111 : 0x100), m_nFlag(all ? 0 : 1)
{
}

CAccountCtrl::~CAccountCtrl() {}

BOOL CAccountCtrl::Create(DWORD style, CRect& rect, CWnd* parent, UINT id)
{
    m_rcCtrl = rect;
    if (!CWnd::Create(AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW)), "", style | WS_CLIPCHILDREN,
                      rect, parent, id))
        return FALSE;
    SetFont(m_pDefFont, FALSE);

    m_combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST,
                   CRect(0, 0, kComboWidth, kComboDropHeight), this, ACCOUNTCTRL_COMBO_ID);
    m_stName.Create("", WS_CHILD | WS_VISIBLE | WS_BORDER | SS_CENTERIMAGE,
                    CRect(kComboWidth + 1, 0, rect.Width(), kRowHeight), this, ACCOUNTCTRL_NAME_ID);
    m_stName.SetBkColor(RGB(255, 255, 255));
    m_edPwd.CreateEx(WS_EX_CLIENTEDGE, "Edit", "", WS_CHILD | WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL, kPasswordRect,
                     this, ACCOUNTCTRL_PWD_ID);

    if (m_toolTip.Create(parent != NULL ? parent : this)) {
        m_toolTip.AddTool(this, " ");
        m_toolTip.SetDelayTime(TTDT_AUTOPOP, kTipShowMs);
        m_toolTip.Activate(TRUE);
    }
    m_combo.SetFont(m_pDefFont);
    m_edPwd.SetFont(m_pDefFont);
    m_stName.SetFont(m_pDefFont, FALSE);
    FillAccounts();
    return TRUE;
}

void CAccountCtrl::FillAccounts()
{
    m_combo.ResetContent();
    CClientDC dc(&m_combo);
    CFont* oldFont = dc.SelectObject(m_pDefFont);
    int widest = 0;
    for (int i = 0; i < CSharedData::GetAccountCount(); ++i) {
        tagAccount* account = NULL;
        if (!CSharedData::GetAccount(i, &account))
            continue;
        CString text;
        text.Format("%s  %s  ", static_cast<const char*>(AccountDisplayNumber(account->strAccount)),
                    static_cast<const char*>(account->strName));
        const int index = m_combo.AddString(text);
        m_combo.SetItemDataPtr(index, account);
        widest = std::max(widest, static_cast<int>(dc.GetTextExtent(text).cx));
    }
    dc.SelectObject(oldFont);
    if (widest > 0)
        m_combo.SetDroppedWidth(widest);
    if (m_combo.GetCount() == 0)
        return;
    if (m_nCurAcc < 0 || m_nCurAcc >= m_combo.GetCount())
        m_nCurAcc = 0;
    m_combo.SetCurSel(m_nCurAcc);
    OnSelected();
}

void CAccountCtrl::OnComboSelChange()
{
    OnSelected();
}

void CAccountCtrl::OnSelected()
{
    const int index = m_combo.GetCurSel();
    if (index < 0)
        return;
    tagAccount* account = static_cast<tagAccount*>(m_combo.GetItemDataPtr(index));
    const CString name = account != NULL ? account->strName : CString();
    m_stName.SetText(name);
    if (m_toolTip.m_hWnd != NULL)
        m_toolTip.UpdateTipText(name.IsEmpty() ? " " : static_cast<const char*>(name), this);
    m_nCurAcc = index;
    m_edPwd.SetWindowText("");
    SendAccNotify(ACCOUNTCTRL_SELECTED);
}

void CAccountCtrl::SendAccNotify(int code)
{
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(m_hWnd));
}

tagAccount CAccountCtrl::GetSelectAccount(int reserved)
{
    tagAccount copy;
    GetSelectAccount(&copy, reserved);
    return copy;
}

void CAccountCtrl::GetSelectAccount(tagAccount* out, int reserved)
{
    (void)reserved;
    if (out == NULL)
        return;
    *out = tagAccount();
    out->nFlag = 0;
    out->nKind = 0;
    const int index = m_combo.m_hWnd != NULL ? m_combo.GetCurSel() : CB_ERR;
    if (index < 0)
        return;
    const tagAccount* account = static_cast<const tagAccount*>(m_combo.GetItemDataPtr(index));
    if (account != NULL)
        *out = *account;
}

void CAccountCtrl::SelectAccount(const char* accountNo)
{
    if (accountNo == NULL || m_combo.m_hWnd == NULL)
        return;
    for (int i = 0; i < m_combo.GetCount(); ++i) {
        const tagAccount* account = static_cast<const tagAccount*>(m_combo.GetItemDataPtr(i));
        if (account != NULL && account->strAccount == accountNo) {
            m_combo.SetCurSel(i);
            OnSelected();
            return;
        }
    }
}

void CAccountCtrl::EnablePassword(BOOL enable)
{
    if (m_edPwd.m_hWnd != NULL)
        m_edPwd.ShowWindow(enable ? SW_SHOW : SW_HIDE);
}

void CAccountCtrl::EnableAccountName(BOOL enable)
{
    if (m_stName.m_hWnd == NULL || ((m_stName.GetStyle() & WS_VISIBLE) != 0) == (enable != FALSE))
        return;
    CRect name, pwd;
    m_stName.GetWindowRect(&name);
    m_edPwd.GetWindowRect(&pwd);
    ScreenToClient(&pwd);
    pwd.OffsetRect(enable ? name.Width() : -name.Width(), 0);
    m_stName.ShowWindow(enable ? SW_SHOW : SW_HIDE);
    m_edPwd.MoveWindow(&pwd);
}

BOOL CAccountCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.m_hWnd != NULL && pMsg->hwnd == m_hWnd)
        m_toolTip.RelayEvent(pMsg);
    return CCtrlBase::PreTranslateMessage(pMsg);
}

int CAccountCtrl::GetAccountType(const char* accountNo)
{
    return AccountTypeOfNumber(accountNo);
}
