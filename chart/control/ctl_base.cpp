// The common control state and the named property table.
#include "CtlBase.h"

#include <stdlib.h>

CBaseProperty::CBaseProperty(LPCSTR lpszName, LPCSTR lpszDesc, int nType, LPCSTR lpszDefault)
    : m_strName(lpszName), m_strDesc(lpszDesc), m_nType(nType), m_strDefault(lpszDefault)
{
    m_strName.MakeUpper();
}

CBaseProperty::~CBaseProperty() {}

CCtlBase::CCtlBase()
    : m_nHostData(0), m_pParent(nullptr), m_hCtlWnd(nullptr), m_nCtlID(0), m_strClass("NullControl"),
      m_rcCurrent{0, 0, 200, 100}, m_rcSaved{0, 0, 200, 100}, m_strName("NoNameCtl"), m_bEnable(1),
      m_bSavedEnable(1), m_bVisible(1), m_nTop(0), m_nLeft(0), m_nWidth(200), m_nHeight(100),
      m_clrFore(CCtlColor::Index(1)), m_clrBack(CCtlColor::Index(2)), m_bFlag1(1), m_bFlag2(1)
{
    AddProperty("NAME", "컨트롤명", PROPTYPE_TEXT, &CCtlBase::GetName, &CCtlBase::SetName);
}

CCtlBase::~CCtlBase() {}

void CCtlBase::AddProperty(LPCSTR lpszName, LPCSTR lpszDesc, int nType, CProperty<int>::Getter get,
                           CProperty<int>::Setter set, LPCSTR lpszDefault)
{
    m_Properties.Add(new CProperty<int>(lpszName, lpszDesc, nType, get, set, lpszDefault));
}

void CCtlBase::AddProperty(LPCSTR lpszName, LPCSTR lpszDesc, int nType, CProperty<CString>::Getter get,
                           CProperty<CString>::Setter set, LPCSTR lpszDefault)
{
    m_Properties.Add(new CProperty<CString>(lpszName, lpszDesc, nType, get, set, lpszDefault));
}

void CCtlBase::AddProperty(LPCSTR lpszName, LPCSTR lpszDesc, int nType, CProperty<CCtlColor>::Getter get,
                           CProperty<CCtlColor>::Setter set, LPCSTR lpszDefault)
{
    m_Properties.Add(new CProperty<CCtlColor>(lpszName, lpszDesc, nType, get, set, lpszDefault));
}

namespace
{

enum Family
{
    FAMILY_NONE,
    FAMILY_TEXT,
    FAMILY_INT,
    FAMILY_COLOR
};

Family FamilyOf(int nType)
{
    switch (nType)
    {
    case 0: case 4: case 6: case 9: case 10: case 11:
        return FAMILY_TEXT;
    case 1: case 2: case 7: case 12:
        return FAMILY_INT;
    case 5:
        return FAMILY_COLOR;
    default:
        return FAMILY_NONE;
    }
}

} // namespace

// A record whose class does not match its type code is treated as one without accessors: the
// call would otherwise go through a member pointer of the wrong signature.
BOOL CCtlBase::GetPropertyValue(CString strName, CString& strValue)
{
    strName.MakeUpper();
    CBaseProperty* record = m_Properties.Lookup(strName);
    if (!record)
        return FALSE;
    switch (FamilyOf(record->m_nType))
    {
    case FAMILY_TEXT:
    {
        CProperty<CString>* p = dynamic_cast<CProperty<CString>*>(record);
        if (!p || !p->m_pGet)
            return FALSE;
        strValue = (this->*p->m_pGet)();
        return TRUE;
    }
    case FAMILY_INT:
    {
        CProperty<int>* p = dynamic_cast<CProperty<int>*>(record);
        if (!p || !p->m_pGet)
            return FALSE;
        strValue.Format("%d", (this->*p->m_pGet)());
        return TRUE;
    }
    case FAMILY_COLOR:
    {
        CProperty<CCtlColor>* p = dynamic_cast<CProperty<CCtlColor>*>(record);
        if (!p || !p->m_pGet)
            return FALSE;
        strValue = (this->*p->m_pGet)().GetText();
        return TRUE;
    }
    default:
        return TRUE;
    }
}

BOOL CCtlBase::SetPropertyValue(CString strName, CString strValue)
{
    strName.MakeUpper();
    CBaseProperty* record = m_Properties.Lookup(strName);
    if (!record)
        return FALSE;
    switch (FamilyOf(record->m_nType))
    {
    case FAMILY_TEXT:
    {
        CProperty<CString>* p = dynamic_cast<CProperty<CString>*>(record);
        if (!p || !p->m_pSet)
            return FALSE;
        (this->*p->m_pSet)(strValue);
        return TRUE;
    }
    case FAMILY_INT:
    {
        CProperty<int>* p = dynamic_cast<CProperty<int>*>(record);
        if (!p || !p->m_pSet)
            return FALSE;
        (this->*p->m_pSet)(atoi(strValue));
        return TRUE;
    }
    case FAMILY_COLOR:
    {
        CProperty<CCtlColor>* p = dynamic_cast<CProperty<CCtlColor>*>(record);
        if (!p || !p->m_pSet)
            return FALSE;
        (this->*p->m_pSet)(CCtlColor(LPCSTR(strValue)));
        return TRUE;
    }
    default:
        return TRUE;
    }
}

BOOL CCtlBase::GetDataItem(CString strItem, int, int, CString& strValue)
{
    if (strItem.CompareNoCase("DDEDATA") == 0)
        strItem = "Caption";
    return GetPropertyValue(strItem, strValue);
}

BOOL CCtlBase::SetDataItem(CString strItem, int, int, CString strValue)
{
    return SetPropertyValue(strItem, strValue);
}

BOOL CCtlBase::MakeControl(CWnd*)
{
    return FALSE; // the base has no window of its own
}

void CCtlBase::SetCtlRect(RECT rect)
{
    m_rcCurrent = rect;
    m_nTop = rect.top;
    m_nLeft = rect.left;
    m_nWidth = rect.right - rect.left;
    m_nHeight = rect.bottom - rect.top;
    MoveControl();
}

void CCtlBase::GetCtlRect(RECT* pRect)
{
    if (pRect)
        *pRect = m_rcCurrent;
}

void CCtlBase::SetForeColor(CCtlColor color)
{
    m_clrFore = color;
    InvalidateControl();
}

void CCtlBase::SetBackColor(CCtlColor color)
{
    m_clrBack = color;
    InvalidateControl();
}

void CCtlBase::SetVisible(BOOL bVisible)
{
    m_bVisible = bVisible ? 1 : 0;
    if (m_hCtlWnd)
        ::ShowWindow(m_hCtlWnd, bVisible ? SW_SHOW : SW_HIDE);
}

void CCtlBase::SetTop(int nTop)
{
    m_nTop = nTop;
    m_rcCurrent.top = nTop;
    m_rcCurrent.bottom = nTop + m_nHeight;
    const int savedHeight = m_rcSaved.bottom - m_rcSaved.top;
    m_rcSaved.top = nTop;
    m_rcSaved.bottom = nTop + savedHeight;
}

void CCtlBase::SetLeft(int nLeft)
{
    m_nLeft = nLeft;
    m_rcCurrent.left = nLeft;
    m_rcCurrent.right = nLeft + m_nWidth;
    const int savedWidth = m_rcSaved.right - m_rcSaved.left;
    m_rcSaved.left = nLeft;
    m_rcSaved.right = nLeft + savedWidth;
}

void CCtlBase::SetWidth(int nWidth)
{
    m_nWidth = nWidth;
    m_rcCurrent.right = m_nLeft + nWidth;
    m_rcSaved.right = m_nLeft + nWidth;
}

void CCtlBase::SetHeight(int nHeight)
{
    m_nHeight = nHeight;
    m_rcCurrent.bottom = m_nTop + nHeight;
    m_rcSaved.bottom = m_nTop + nHeight;
}

void CCtlBase::SetCaption(CString strCaption)
{
    m_strCaption = strCaption;
    if (m_hCtlWnd)
        ::SetWindowTextA(m_hCtlWnd, strCaption);
    else
        InvalidateControl();
}

void CCtlBase::MoveControl()
{
    if (m_hCtlWnd)
        ::MoveWindow(m_hCtlWnd, m_rcCurrent.left, m_rcCurrent.top, m_rcCurrent.right - m_rcCurrent.left,
                     m_rcCurrent.bottom - m_rcCurrent.top, TRUE);
    else
        InvalidateControl();
}

void CCtlBase::InvalidateControl()
{
    if (m_hCtlWnd)
        ::InvalidateRect(m_hCtlWnd, nullptr, FALSE);
}

BOOL CCtlBase::CreateControl(CWnd* pParent, RECT rect, int nID)
{
    m_pParent = pParent;
    SetCtlRect(rect);
    m_nCtlID = nID;
    return MakeControl(pParent) != 0;
}

BOOL CCtlBase::IsSupported(int)
{
    return TRUE;
}

void CCtlBase::SerializeCtl(CArchive&) {}

void CCtlBase::PrepareSerialize() {}

void CCtlBase::ControlNotify() {}

void CCtlBase::ShowControl(BOOL bShow)
{
    if (HWND hWnd = GetCtlHwnd())
        ::ShowWindow(hWnd, bShow ? SW_SHOW : SW_HIDE);
}

BOOL CCtlBase::GetEnable()
{
    return m_bEnable;
}

void CCtlBase::SetEnable(BOOL bEnable)
{
    m_bEnable = bEnable ? 1 : 0;
    if (m_hCtlWnd)
        ::EnableWindow(m_hCtlWnd, bEnable);
    else
        InvalidateControl();
}

CString CCtlBase::GetCtlFont()
{
    return CString();
}

void CCtlBase::SetCtlFont(CString)
{
    InvalidateControl();
}
