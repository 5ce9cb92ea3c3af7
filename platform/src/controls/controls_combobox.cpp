// CComboBox.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

CComboBox::~CComboBox() {}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", NULL, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const { return (int)::SendMessage(m_hWnd, CB_GETCOUNT, 0, 0); }
int CComboBox::GetCurSel() const { return (int)::SendMessage(m_hWnd, CB_GETCURSEL, 0, 0); }
int CComboBox::SetCurSel(int nSelect) { return (int)::SendMessage(m_hWnd, CB_SETCURSEL, nSelect, 0); }
LCID CComboBox::GetLocale() const { return (LCID)::SendMessage(m_hWnd, CB_GETLOCALE, 0, 0); }
LCID CComboBox::SetLocale(LCID nNewLocale) { return (LCID)::SendMessage(m_hWnd, CB_SETLOCALE, nNewLocale, 0); }
int CComboBox::GetTopIndex() const { return (int)::SendMessage(m_hWnd, CB_GETTOPINDEX, 0, 0); }
int CComboBox::SetTopIndex(int nIndex) { return (int)::SendMessage(m_hWnd, CB_SETTOPINDEX, nIndex, 0); }

int CComboBox::InitStorage(int nItems, UINT nBytes)
{
    return (int)::SendMessage(m_hWnd, CB_INITSTORAGE, nItems, nBytes);
}

void CComboBox::SetHorizontalExtent(UINT nExtent) { ::SendMessage(m_hWnd, CB_SETHORIZONTALEXTENT, nExtent, 0); }
UINT CComboBox::GetHorizontalExtent() const { return (UINT)::SendMessage(m_hWnd, CB_GETHORIZONTALEXTENT, 0, 0); }
int CComboBox::SetDroppedWidth(UINT nWidth) { return (int)::SendMessage(m_hWnd, CB_SETDROPPEDWIDTH, nWidth, 0); }
int CComboBox::GetDroppedWidth() const { return (int)::SendMessage(m_hWnd, CB_GETDROPPEDWIDTH, 0, 0); }

DWORD CComboBox::GetEditSel() const { return (DWORD)::SendMessage(m_hWnd, CB_GETEDITSEL, 0, 0); }
BOOL CComboBox::LimitText(int nMaxChars) { return (BOOL)::SendMessage(m_hWnd, CB_LIMITTEXT, nMaxChars, 0); }

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    return (BOOL)::SendMessage(m_hWnd, CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar));
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    return (DWORD_PTR)::SendMessage(m_hWnd, CB_GETITEMDATA, nIndex, 0);
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return (int)::SendMessage(m_hWnd, CB_SETITEMDATA, nIndex, (LPARAM)dwItemData);
}

void* CComboBox::GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
int CComboBox::SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const
{
    return (int)::SendMessage(m_hWnd, CB_GETLBTEXT, nIndex, (LPARAM)lpszText);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    int nLen = GetLBTextLen(nIndex);
    if (nLen == CB_ERR) {
        rString.Empty();
        return;
    }
    int nGot = GetLBText(nIndex, rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer(nGot == CB_ERR ? 0 : nGot);
}

int CComboBox::GetLBTextLen(int nIndex) const { return (int)::SendMessage(m_hWnd, CB_GETLBTEXTLEN, nIndex, 0); }

int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return (int)::SendMessage(m_hWnd, CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
}

int CComboBox::GetItemHeight(int nIndex) const { return (int)::SendMessage(m_hWnd, CB_GETITEMHEIGHT, nIndex, 0); }

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return (int)::SendMessage(m_hWnd, CB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
}

int CComboBox::SetExtendedUI(BOOL bExtended) { return (int)::SendMessage(m_hWnd, CB_SETEXTENDEDUI, bExtended, 0); }
BOOL CComboBox::GetExtendedUI() const { return (BOOL)::SendMessage(m_hWnd, CB_GETEXTENDEDUI, 0, 0); }

void CComboBox::GetDroppedControlRect(LPRECT lprect) const
{
    ::SendMessage(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)lprect);
}

BOOL CComboBox::GetDroppedState() const { return (BOOL)::SendMessage(m_hWnd, CB_GETDROPPEDSTATE, 0, 0); }
BOOL CComboBox::GetComboBoxInfo(PCOMBOBOXINFO pcbi) const { return ::GetComboBoxInfo(m_hWnd, pcbi); }
void CComboBox::ShowDropDown(BOOL bShowIt) { ::SendMessage(m_hWnd, CB_SHOWDROPDOWN, bShowIt, 0); }

int CComboBox::AddString(LPCTSTR lpszString)
{
    return (int)::SendMessage(m_hWnd, CB_ADDSTRING, 0, (LPARAM)lpszString);
}

int CComboBox::DeleteString(UINT nIndex) { return (int)::SendMessage(m_hWnd, CB_DELETESTRING, nIndex, 0); }

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString)
{
    return (int)::SendMessage(m_hWnd, CB_INSERTSTRING, nIndex, (LPARAM)lpszString);
}

void CComboBox::ResetContent() { ::SendMessage(m_hWnd, CB_RESETCONTENT, 0, 0); }

int CComboBox::Dir(UINT attr, LPCTSTR lpszWildCard)
{
    return (int)::SendMessage(m_hWnd, CB_DIR, attr, (LPARAM)lpszWildCard);
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const
{
    return (int)::SendMessage(m_hWnd, CB_FINDSTRING, nStartAfter, (LPARAM)lpszString);
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString)
{
    return (int)::SendMessage(m_hWnd, CB_SELECTSTRING, nStartAfter, (LPARAM)lpszString);
}

void CComboBox::Clear() { ::SendMessage(m_hWnd, WM_CLEAR, 0, 0); }
void CComboBox::Copy() { ::SendMessage(m_hWnd, WM_COPY, 0, 0); }
void CComboBox::Cut() { ::SendMessage(m_hWnd, WM_CUT, 0, 0); }
void CComboBox::Paste() { ::SendMessage(m_hWnd, WM_PASTE, 0, 0); }

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = TRUE;
    switch (message) {
    case WM_DRAWITEM: DrawItem((LPDRAWITEMSTRUCT)lParam); break;
    case WM_MEASUREITEM: MeasureItem((LPMEASUREITEMSTRUCT)lParam); break;
    case WM_COMPAREITEM: result = CompareItem((LPCOMPAREITEMSTRUCT)lParam); break;
    case WM_DELETEITEM: DeleteItem((LPDELETEITEMSTRUCT)lParam); break;
    default: return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != NULL)
        *pResult = result;
    return TRUE;
}
