// CCdeCtrl: taking a code (notices, the recent list, the name label), typing with the search
// list, its keys, and the find button's dialog.
#include "CdeCtrl.h"

#include "CodeDialogs.h"
#include "ColorMap.h"
#include "ResourceMap.h"
#include "SharedData.h"
#include "WidgetRules.h"

IMPLEMENT_DYNAMIC(CCdeCtrl, CCtrlBase)

BEGIN_MESSAGE_MAP(CCdeCtrl, CCtrlBase)
    ON_WM_DESTROY()
    ON_WM_CTLCOLOR()
    ON_CBN_SELCHANGE(CDECTRL_COMBO_ID, OnComboSelChange)
    ON_CBN_EDITCHANGE(CDECTRL_COMBO_ID, OnComboEditChange)
    ON_CBN_SETFOCUS(CDECTRL_COMBO_ID, OnComboSetFocus)
    ON_CBN_KILLFOCUS(CDECTRL_COMBO_ID, OnComboKillFocus)
    ON_BN_CLICKED(CDECTRL_FIND_ID, OnFind)
    ON_MESSAGE(WM_CODE_CHOSEN, OnCodeChosen)
    ON_MESSAGE(WM_CODELIST_TAKE, OnListTake)
    ON_MESSAGE(WM_CODELIST_HIDE, OnListHide)
END_MESSAGE_MAP()

namespace {

const int kComboWidth = 65;
const int kNarrowLimit = 84;
const int kComboListHeight = 100;
const int kFindWidth = 20;
const int kListHeight = 254;
const WORD kRisingName = 101;
const WORD kOtherName = 810;
const WORD kNameBorder = 301;
const char kInvalidCode[] = "종목코드가 올바르지 않습니다. ";

} // namespace

CCdeCtrl::CCdeCtrl() : m_pSearchList(NULL), m_bComboFocus(FALSE), m_bWidened(FALSE), m_nComboWidth(kComboWidth)
{
    m_Code.nMarketType = 0;
    m_Code.nValue1 = 0;
    m_Code.nValue2 = 0;
    m_brBack.CreateSolidBrush(::GetSysColor(COLOR_WINDOW));
}

CCdeCtrl::~CCdeCtrl()
{
    delete m_pSearchList;
}

BOOL CCdeCtrl::Create(DWORD style, CRect& rect, CWnd* parent, UINT id)
{
    if (!CWnd::Create(AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW)), "", style | WS_CLIPCHILDREN,
                      rect, parent, id))
        return FALSE;
    SetFont(m_pDefFont, FALSE);
    const int width = rect.Width();
    const int height = rect.Height();
    m_nComboWidth = width <= kNarrowLimit ? width - kFindWidth : kComboWidth;

    m_combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                   CRect(0, 0, m_nComboWidth, kComboListHeight), this, CDECTRL_COMBO_ID);
    const int findLeft = m_nComboWidth + 1;
    const BOOL free = CSharedData::IsFreeUser() == 1;
    m_btnFind.Create("", WS_CHILD | (free ? 0 : WS_VISIBLE), CRect(findLeft, 0, findLeft + kFindWidth, height), this,
                     CDECTRL_FIND_ID);
    m_btnFind.LoadBitmaps(CResourceMap::GetBitmap(901), CResourceMap::GetBitmap(902), CResourceMap::GetBitmap(903),
                          NULL);
    const int nameLeft = free ? findLeft : findLeft + kFindWidth + 1;
    m_stName.Create("", WS_CHILD | WS_VISIBLE | WS_BORDER | SS_CENTERIMAGE, CRect(nameLeft, 0, width, height), this,
                    CDECTRL_NAME_ID);
    m_stName.SetBkColor(RGB(255, 255, 255));
    m_stName.SetCustomBorder(2, CColorMap::GetColor(kNameBorder));
    m_stName.SetUseCustomBorder(TRUE);
    m_stName.SetFont(m_pDefFont, FALSE);
    CFont* font = CSharedData::GetDefaultFont(1);
    if (font != NULL) {
        m_combo.SetFont(font);
        m_btnFind.SetFont(font);
    }
    return TRUE;
}

void CCdeCtrl::OnDestroy()
{
    HideSearchList();
    if (m_pSearchList != NULL && m_pSearchList->m_hWnd != NULL)
        m_pSearchList->DestroyWindow();
    CCtrlBase::OnDestroy();
}

void CCdeCtrl::Notify(int code)
{
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(m_hWnd));
    if (m_combo.m_hWnd != NULL)
        m_combo.GetWindowText(m_strLastText);
}

void CCdeCtrl::ColourName(BOOL rising)
{
    m_stName.SetTextColor(CColorMap::GetColor(rising ? kRisingName : kOtherName));
}

BOOL CCdeCtrl::SetCodeInfo(_API_CODE_INFO* record, BOOL notify)
{
    if (record == NULL || record->strCode.IsEmpty() || m_combo.m_hWnd == NULL)
        return FALSE;
    if (notify)
        Notify(CDECTRL_BEFORE_CODE);
    m_Code = *record;
    m_stName.SetText(" " + m_Code.strName);

    for (int i = m_combo.GetCount() - 1; i >= 0; --i) {
        const _API_CODE_INFO* item = static_cast<const _API_CODE_INFO*>(m_combo.GetItemDataPtr(i));
        if (item != NULL && item != reinterpret_cast<const _API_CODE_INFO*>(-1) && item->strCode == m_Code.strCode)
            m_combo.DeleteString(i);
    }
    const int index = m_combo.InsertString(0, m_Code.strCode + " " + m_Code.strName);
    m_combo.SetItemDataPtr(index, record);
    m_combo.SetCurSel(index);

    if (notify) {
        Notify(CDECTRL_AFTER_CODE);
        CWnd* main = AfxGetMainWnd();
        const int selected = m_combo.GetCurSel();
        if (main != NULL && main->m_hWnd != NULL) {
            if (selected < 0)
                main->SendMessage(WM_CODE_TAKEN, 0, -1);
            else if (void* data = m_combo.GetItemDataPtr(selected))
                main->SendMessage(WM_CODE_TAKEN, 0, reinterpret_cast<LPARAM>(data));
        }
    }
    // The master's record, which outlives this control.
    CSharedData::SetRecentCode(record);
    ColourName(m_Code.nMarketType == 1);
    return TRUE;
}

BOOL CCdeCtrl::SetCodeInfoByCode(const char* code, BOOL notify)
{
    if (code == NULL || *code == '\0')
        return FALSE;
    return SetCodeInfo(CSharedData::GetStockCodeInfo(code), notify);
}

BOOL CCdeCtrl::SetItemCode(CString code, BOOL notify)
{
    if (code.IsEmpty()) {
        ClearCode();
        return FALSE;
    }
    _API_CODE_INFO* record = CSharedData::GetStockCodeInfo(code);
    if (record != NULL)
        return SetCodeInfo(record, notify);
    MessageBox(kInvalidCode, "Molvane", MB_OK | MB_ICONINFORMATION);
    m_combo.SetWindowText(m_strLastText);
    return FALSE;
}

void CCdeCtrl::SetLinkedCode(const char* text, BOOL search)
{
    m_combo.SetWindowText(text != NULL ? text : "");
    if (search)
        OnTyped();
}

void CCdeCtrl::SetCodeOnlyForDisplay(CString code, CString name, BOOL coloured)
{
    if (CSharedData::IsFreeUser() != 1)
        return;
    m_combo.SetWindowText(code);
    m_stName.SetText(" " + name);
    ColourName(coloured);
}

int CCdeCtrl::GetCodeType()
{
    if (m_combo.m_hWnd == NULL || m_combo.GetCount() <= 0)
        return -1;
    const _API_CODE_INFO* record = static_cast<const _API_CODE_INFO*>(m_combo.GetItemDataPtr(0));
    return record != NULL && record != reinterpret_cast<const _API_CODE_INFO*>(-1) ? record->nMarketType : -1;
}

void CCdeCtrl::GetRecentCode()
{
    SetCodeInfo(CSharedData::GetRecentCode(), TRUE);
}

void CCdeCtrl::ClearCode()
{
    m_Code.strName.Empty();
    m_Code.strCode.Empty();
    m_Code.strExtra.Empty();
    m_combo.SetWindowText("");
    m_stName.SetText("");
}

void CCdeCtrl::EnableCodeName(BOOL enable)
{
    m_stName.ShowWindow(enable ? SW_SHOW : SW_HIDE);
}

void CCdeCtrl::EnableFind(BOOL enable)
{
    if (((m_btnFind.GetStyle() & WS_VISIBLE) != 0) == (enable != FALSE))
        return;
    CRect button, name;
    m_btnFind.GetWindowRect(&button);
    m_stName.GetWindowRect(&name);
    ScreenToClient(&name);
    name.left += enable ? button.Width() : -button.Width();
    m_btnFind.ShowWindow(enable ? SW_SHOW : SW_HIDE);
    m_stName.MoveWindow(&name);
}

void CCdeCtrl::OnComboSelChange()
{
    const int index = m_combo.GetCurSel();
    if (index < 0)
        return;
    void* data = m_combo.GetItemDataPtr(index);
    if (data != NULL && data != reinterpret_cast<void*>(-1))
        SetCodeInfo(static_cast<_API_CODE_INFO*>(data), TRUE);
}

void CCdeCtrl::OnComboSetFocus()
{
    m_bComboFocus = TRUE;
}

void CCdeCtrl::OnComboKillFocus()
{
    m_bComboFocus = FALSE;
}

void CCdeCtrl::OnComboEditChange()
{
    if (m_bComboFocus)
        OnTyped();
}

void CCdeCtrl::OnTyped()
{
    CString text;
    m_combo.GetWindowText(text);
    text.Trim();
    if (text.IsEmpty()) {
        RestoreAfterTyping();
        HideSearchList();
        return;
    }
    if (m_pSearchList == NULL) {
        m_pSearchList = new CCodeSearchList;
        if (!m_pSearchList->CreateList(this)) {
            delete m_pSearchList;
            m_pSearchList = NULL;
            return;
        }
    }
    if (!m_pSearchList->IsShown()) {
        CRect client;
        GetClientRect(&client);
        if (!(text[0] >= '0' && text[0] <= '9')) {
            m_bWidened = TRUE;
            m_combo.SetWindowPos(NULL, 0, 0, client.Width(), kComboListHeight, SWP_NOMOVE | SWP_NOZORDER);
            m_btnFind.ShowWindow(SW_HIDE);
            m_stName.ShowWindow(SW_HIDE);
        }
        CRect combo;
        m_combo.GetWindowRect(&combo);
        m_pSearchList->ShowAt(CRect(combo.left, combo.bottom + 2, combo.left + client.Width(),
                                    combo.bottom + 2 + kListHeight));
    }
    m_pSearchList->Fill(text);
}

void CCdeCtrl::RestoreAfterTyping()
{
    if (!m_bWidened)
        return;
    m_bWidened = FALSE;
    m_combo.SetWindowPos(NULL, 0, 0, m_nComboWidth, kComboListHeight, SWP_NOMOVE | SWP_NOZORDER);
    if (CSharedData::IsFreeUser() != 1)
        m_btnFind.ShowWindow(SW_SHOW);
    m_stName.ShowWindow(SW_SHOW);
}

void CCdeCtrl::HideSearchList()
{
    if (m_pSearchList != NULL)
        m_pSearchList->HideList();
}

void CCdeCtrl::TakeListSelection()
{
    _API_CODE_INFO* record = m_pSearchList != NULL ? m_pSearchList->GetSelectedRecord(TRUE) : NULL;
    HideSearchList();
    RestoreAfterTyping();
    CString code;
    if (record != NULL) {
        code = record->strCode;
    } else {
        m_combo.GetWindowText(code);
        code.Trim();
    }
    SetItemCode(code, TRUE);
}

BOOL CCdeCtrl::PreTranslateMessage(MSG* pMsg)
{
    const BOOL mine = pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd);
    if (pMsg->message == WM_MOUSEWHEEL && (pMsg->hwnd == m_combo.m_hWnd || ::IsChild(m_combo.m_hWnd, pMsg->hwnd)))
        return TRUE;
    if (m_pSearchList != NULL && m_pSearchList->IsShown()) {
        if (pMsg->message == WM_KEYDOWN) {
            switch (pMsg->wParam) {
            case VK_UP:
                m_pSearchList->MoveSelection(-1);
                return TRUE;
            case VK_DOWN:
                m_pSearchList->MoveSelection(1);
                return TRUE;
            case VK_RETURN:
                TakeListSelection();
                return TRUE;
            case VK_ESCAPE:
                HideSearchList();
                RestoreAfterTyping();
                return TRUE;
            default:
                break;
            }
        } else if (pMsg->message == WM_LBUTTONDOWN && mine) {
            HideSearchList();
            RestoreAfterTyping();
        }
    }
    return CCtrlBase::PreTranslateMessage(pMsg);
}

LRESULT CCdeCtrl::OnCodeChosen(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    SetCodeInfo(reinterpret_cast<_API_CODE_INFO*>(wParam), TRUE);
    return 0;
}

LRESULT CCdeCtrl::OnListTake(WPARAM, LPARAM)
{
    TakeListSelection();
    return 0;
}

LRESULT CCdeCtrl::OnListHide(WPARAM, LPARAM)
{
    HideSearchList();
    RestoreAfterTyping();
    m_combo.SetFocus();
    return 0;
}

CPoint CCdeCtrl::GetFindDialogPlace()
{
    CRect button;
    m_btnFind.GetWindowRect(&button);
    return CPoint(button.left, button.bottom + 2);
}

void CCdeCtrl::OnFind()
{
    CSTOCKCodectrlDlg dialog(this);
    dialog.SetPlace(GetFindDialogPlace());
    dialog.DoModal();
}

HBRUSH CCdeCtrl::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_EDIT)
        return static_cast<HBRUSH>(m_brBack.GetSafeHandle());
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }
    return CCtrlBase::OnCtlColor(pDC, pWnd, nCtlColor);
}
