// CELWCodeCtrl: warrant records in a plain combo, the choice moved to the top, the background by
// the warrant's kind.
#include "ELWCodeCtrl.h"

#include <cstdlib>

#include "CdeCtrl.h"
#include "CodeDialogs.h"
#include "ResourceMap.h"
#include "SharedData.h"

IMPLEMENT_DYNAMIC(CELWCodeCtrl, CCtrlBase)

BEGIN_MESSAGE_MAP(CELWCodeCtrl, CCtrlBase)
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_CBN_SELCHANGE(CDECTRL_COMBO_ID, OnComboSelChange)
    ON_BN_CLICKED(CDECTRL_FIND_ID, OnFind)
    ON_MESSAGE(WM_CODE_CHOSEN, OnCodeChosen)
END_MESSAGE_MAP()

namespace {

const int kComboWidth = 80;
const int kNarrowLimit = 99;
const int kButtonSize = 20;

} // namespace

CELWCodeCtrl::CELWCodeCtrl() : m_clrBg(::GetSysColor(COLOR_WINDOW))
{
    m_brBg.CreateSolidBrush(m_clrBg);
}

CELWCodeCtrl::~CELWCodeCtrl() {}

BOOL CELWCodeCtrl::Create(DWORD style, CRect& rect, CWnd* parent, UINT id)
{
    if (!CWnd::Create(AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW)), "", style | WS_CLIPCHILDREN,
                      rect, parent, id))
        return FALSE;
    SetFont(m_pDefFont, FALSE);
    const int width = rect.Width();
    const int comboWidth = width <= kNarrowLimit ? width - 22 : kComboWidth;
    m_combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                   CRect(0, 0, comboWidth, 200), this, CDECTRL_COMBO_ID);
    m_btnFind.Create("", WS_CHILD, CRect(comboWidth + 2, 0, comboWidth + 2 + kButtonSize, kButtonSize), this,
                     CDECTRL_FIND_ID);
    m_btnFind.LoadBitmaps(CResourceMap::GetBitmap(901), CResourceMap::GetBitmap(902), CResourceMap::GetBitmap(903),
                          NULL);
    m_stName.CreateEx(WS_EX_STATICEDGE, "static", "", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE,
                      CRect(comboWidth + 24, 0, width - 1, 20), this, CDECTRL_NAME_ID);
    m_stName.SetTransparent(TRUE);
    CFont* font = CSharedData::GetDefaultFont(1);
    if (font != NULL)
        m_combo.SetFont(font);
    m_stName.SetFont(m_pDefFont, FALSE);
    return TRUE;
}

void CELWCodeCtrl::Notify(int code)
{
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(m_hWnd));
}

void CELWCodeCtrl::TakeItem(int index)
{
    if (index < 0 || index >= m_combo.GetCount())
        return;
    tagELWCode* record = static_cast<tagELWCode*>(m_combo.GetItemDataPtr(index));
    if (record == NULL || record == reinterpret_cast<tagELWCode*>(-1))
        return;
    if (index > 0) {
        CString text;
        m_combo.GetLBText(index, text);
        m_combo.DeleteString(index);
        m_combo.InsertString(0, text);
        m_combo.SetItemDataPtr(0, record);
        m_combo.SetCurSel(0);
    }
    Notify(CDECTRL_BEFORE_CODE);
    m_Code.UpdateCode(record);
    m_stName.SetText(m_Code.m_strField3);
    Notify(CDECTRL_AFTER_CODE);
    SetBgColor(m_Code.m_nField1);
}

void CELWCodeCtrl::OnComboSelChange()
{
    TakeItem(m_combo.GetCurSel());
}

LRESULT CELWCodeCtrl::OnCodeChosen(WPARAM wParam, LPARAM)
{
    tagELWCode* record = reinterpret_cast<tagELWCode*>(wParam);
    for (int i = 0; record != NULL && i < m_combo.GetCount(); ++i)
        if (m_combo.GetItemDataPtr(i) == record)
            TakeItem(i);
    return 0;
}

void CELWCodeCtrl::SetBgColor(int kind)
{
    m_clrBg = kind == 1 ? RGB(0xFF, 0xED, 0xED) : kind == 2 ? RGB(0xEA, 0xF3, 0xFC) : ::GetSysColor(COLOR_WINDOW);
    m_brBg.DeleteObject();
    m_brBg.CreateSolidBrush(m_clrBg);
    if (m_hWnd != NULL)
        Invalidate();
}

int CELWCodeCtrl::GetCodeType()
{
    if (m_combo.m_hWnd == NULL || m_combo.GetCount() <= 0)
        return -1;
    const tagELWCode* record = static_cast<const tagELWCode*>(m_combo.GetItemDataPtr(0));
    if (record == NULL || record == reinterpret_cast<const tagELWCode*>(-1))
        return -1;
    return atoi(CString(record->szRecord + tagELWCode::KIND, tagELWCode::SIZE - tagELWCode::KIND));
}

void CELWCodeCtrl::ClearCode()
{
    m_Code = CODE_INFO();
    m_combo.SetWindowText("");
    m_stName.SetText("");
}

void CELWCodeCtrl::SetItemCode(CString code, BOOL notify)
{
    (void)code;
    (void)notify;
}

void CELWCodeCtrl::SetCodeInfoByCode(const char* code, BOOL notify)
{
    (void)code;
    (void)notify;
}

void CELWCodeCtrl::OnFind()
{
    CCELWCodectrlDlg dialog(this);
    dialog.DoModal();
}

BOOL CELWCodeCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, m_clrBg);
    return TRUE;
}

HBRUSH CELWCodeCtrl::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(m_brBg.GetSafeHandle());
    }
    return CCtrlBase::OnCtlColor(pDC, pWnd, nCtlColor);
}
