#include "DataReceiverList.h"

CDataReceiverList::CDataReceiverList() : m_mapCodes(10), m_nPollIndex(0)
{
    m_mapCodes.InitHashTable(17);
}

CDataReceiverList::~CDataReceiverList()
{
    RemoveAll();
}

int CDataReceiverList::Add(LPCTSTR pszCode, HWND hWnd)
{
    CSingleLock lock(&m_cs, TRUE);
    void* pValue = NULL;
    if (m_mapCodes.Lookup(pszCode, pValue))
    {
        CHwndArray* pWnds = static_cast<CHwndArray*>(pValue);
        for (INT_PTR i = 0; i < pWnds->GetSize(); ++i)
            if (pWnds->GetAt(i) == hWnd)
                return 0;
        pWnds->Add(hWnd);
        return 0;
    }
    CHwndArray* pWnds = new CHwndArray;
    pWnds->Add(hWnd);
    m_mapCodes.SetAt(pszCode, pWnds);
    return 1;
}

int CDataReceiverList::Remove(LPCTSTR pszCode, HWND hWnd)
{
    CSingleLock lock(&m_cs, TRUE);
    void* pValue = NULL;
    if (!m_mapCodes.Lookup(pszCode, pValue))
        return 0;
    CHwndArray* pWnds = static_cast<CHwndArray*>(pValue);
    for (INT_PTR i = 0; i < pWnds->GetSize(); ++i)
    {
        if (pWnds->GetAt(i) == hWnd)
        {
            pWnds->RemoveAt(i);
            break;
        }
    }
    if (pWnds->GetSize() > 0)
        return 0;
    delete pWnds;
    m_mapCodes.RemoveKey(pszCode);
    return 1;
}

void CDataReceiverList::RemoveAll()
{
    CSingleLock lock(&m_cs, TRUE);
    POSITION pos = m_mapCodes.GetStartPosition();
    while (pos)
    {
        CString strCode;
        void* pValue = NULL;
        m_mapCodes.GetNextAssoc(pos, strCode, pValue);
        delete static_cast<CHwndArray*>(pValue);
    }
    m_mapCodes.RemoveAll();
    m_arrPoll.RemoveAll();
    m_nPollIndex = 0;
}

void CDataReceiverList::GetReceivers(LPCTSTR pszCode, CHwndArray& arrWnd)
{
    CSingleLock lock(&m_cs, TRUE);
    arrWnd.RemoveAll();
    void* pValue = NULL;
    if (m_mapCodes.Lookup(pszCode, pValue))
        arrWnd.Copy(*static_cast<CHwndArray*>(pValue));
}

void CDataReceiverList::GetCodesLocked(CStringArray& arrCodes)
{
    arrCodes.RemoveAll();
    POSITION pos = m_mapCodes.GetStartPosition();
    while (pos)
    {
        CString strCode;
        void* pValue = NULL;
        m_mapCodes.GetNextAssoc(pos, strCode, pValue);
        if (!strCode.IsEmpty())
            arrCodes.Add(strCode);
    }
}

void CDataReceiverList::GetCodes(CStringArray& arrCodes)
{
    CSingleLock lock(&m_cs, TRUE);
    GetCodesLocked(arrCodes);
}

int CDataReceiverList::GetCodeCount()
{
    CSingleLock lock(&m_cs, TRUE);
    return static_cast<int>(m_mapCodes.GetCount());
}

void CDataReceiverList::RebuildPollList()
{
    CSingleLock lock(&m_cs, TRUE);
    GetCodesLocked(m_arrPoll);
}

CString CDataReceiverList::NextPollCode()
{
    CSingleLock lock(&m_cs, TRUE);
    INT_PTR n = m_arrPoll.GetSize();
    if (n == 0)
        return CString();
    if (++m_nPollIndex >= n || m_nPollIndex < 0)
        m_nPollIndex = 0;
    return m_arrPoll.GetAt(m_nPollIndex);
}

int CDataReceiverList::GetPollCount()
{
    CSingleLock lock(&m_cs, TRUE);
    return static_cast<int>(m_arrPoll.GetSize());
}
