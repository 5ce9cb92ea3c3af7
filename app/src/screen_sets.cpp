// The saved screen sets' records and files.
#include "ScreenSets.h"

#include "BaseView.h"
#include "InstallFolders.h"

CSerializeItem::CSerializeItem()
    : m_nStamp(SCREEN_ITEM_STAMP), m_rect(0, 0, 0, 0), m_nOwnData(0), m_bHasOwnData(FALSE)
{
    memset(&m_placement, 0, sizeof m_placement);
    m_placement.length = sizeof m_placement;
}

void CSerializeItem::Serialize(CArchive& ar)
{
    static_assert(sizeof(WINDOWPLACEMENT) == 44, "the stored window placement is 44 bytes");
    if (ar.IsStoring()) {
        ar << m_nStamp << m_strScreenID << m_strText;
        ar << (LONG)m_rect.left << (LONG)m_rect.top << (LONG)m_rect.right << (LONG)m_rect.bottom;
        if (m_nStamp > SCREEN_ITEM_STAMP_CODES)
            ar << m_strCode << m_strAccount;
        if (m_nStamp >= SCREEN_ITEM_STAMP_PLACEMENT)
            ar.Write(&m_placement, sizeof m_placement);
        return;
    }
    LONG left, top, right, bottom;
    ar >> m_nStamp >> m_strScreenID >> m_strText >> left >> top >> right >> bottom;
    m_rect.SetRect(left, top, right, bottom);
    m_strCode.Empty();
    m_strAccount.Empty();
    if (m_nStamp > SCREEN_ITEM_STAMP_CODES)
        ar >> m_strCode >> m_strAccount;
    if (m_nStamp >= SCREEN_ITEM_STAMP_PLACEMENT) {
        if (ar.Read(&m_placement, sizeof m_placement) != sizeof m_placement)
            AfxThrowArchiveException(CArchiveException::endOfFile);
    }
}

void CSerializeItem::FromScreen(CBaseView* view)
{
    m_nStamp = SCREEN_ITEM_STAMP;
    m_strScreenID = view->GetScreenID();
    view->GetWindowText(m_strText);
    view->GetWindowRect(&m_rect);
    m_strCode = view->GetSelectedItemCode();
    m_strAccount = view->GetSelectedAccount();
    m_placement.length = sizeof m_placement;
    view->GetWindowPlacement(&m_placement);
    // The screen's own data as it is now, kept in case the set is written after it closed.
    CMemFile block;
    {
        CArchive ar(&block, CArchive::store);
        view->Serialize(ar);
        ar.Close();
    }
    m_nOwnData = 0;
    block.SeekToBegin();
    m_bHasOwnData = block.Read(&m_nOwnData, sizeof m_nOwnData) == sizeof m_nOwnData;
}

CSerializeItems::CSerializeItems() : m_nStamp(SCREEN_SET_STAMP), m_nState(STATE_SAME) {}

CSerializeItems::~CSerializeItems()
{
    RemoveAll();
}

void CSerializeItems::RemoveAll()
{
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i)
        delete m_arrItems[i];
    m_arrItems.RemoveAll();
}

BOOL CSerializeItems::RemoveScreen(const CString& screenID)
{
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i) {
        if (m_arrItems[i]->m_strScreenID == screenID) {
            delete m_arrItems[i];
            m_arrItems.RemoveAt(i);
            return TRUE;
        }
    }
    return FALSE;
}

void CSerializeItems::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (int)SCREEN_SET_STAMP << m_strNumber << m_strName << (int)m_arrItems.GetSize();
        for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i)
            m_arrItems[i]->Serialize(ar);
        return;
    }
    RemoveAll();
    int count = 0;
    ar >> m_nStamp >> m_strNumber >> m_strName >> count;
    // A count beyond the file ends at its end: nothing is reserved for it up front.
    for (int i = 0; i < count; ++i) {
        CSerializeItem* item = new CSerializeItem;
        try {
            item->Serialize(ar);
        } catch (...) {
            delete item;
            throw;
        }
        m_arrItems.Add(item);
    }
}

CUserScrInfo::CUserScrInfo() : m_nStamp(SCREEN_SET_STAMP) {}

CUserScrInfo::~CUserScrInfo()
{
    RemoveAll();
}

void CUserScrInfo::RemoveAll()
{
    for (INT_PTR i = 0; i < m_arrSets.GetSize(); ++i)
        delete m_arrSets[i];
    m_arrSets.RemoveAll();
    m_mapSets.RemoveAll();
}

void CUserScrInfo::Add(CSerializeItems* set)
{
    m_arrSets.Add(set);
    m_mapSets.SetAt(atoi(set->m_strNumber), set);
}

CSerializeItems* CUserScrInfo::Find(int number)
{
    CSerializeItems* set = NULL;
    return m_mapSets.Lookup(number, set) ? set : NULL;
}

BOOL CUserScrInfo::Remove(int number)
{
    CSerializeItems* set = Find(number);
    if (set == NULL)
        return FALSE;
    for (INT_PTR i = 0; i < m_arrSets.GetSize(); ++i) {
        if (m_arrSets[i] == set) {
            m_arrSets.RemoveAt(i);
            break;
        }
    }
    m_mapSets.RemoveKey(number);
    delete set;
    return TRUE;
}

void CUserScrInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (int)SCREEN_SET_STAMP << (int)m_arrSets.GetSize();
        for (INT_PTR i = 0; i < m_arrSets.GetSize(); ++i)
            m_arrSets[i]->Serialize(ar);
        return;
    }
    RemoveAll();
    int count = 0;
    ar >> m_nStamp >> count;
    for (int i = 0; i < count; ++i) {
        CSerializeItems* set = new CSerializeItems;
        try {
            set->Serialize(ar);
        } catch (...) {
            delete set;
            throw;
        }
        Add(set);
    }
}

namespace {

ScreenSetRead ReadInto(const CString& path, CUserScrInfo& info, BOOL withData)
{
    info.RemoveAll();
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return SCREENSET_MISSING;
    ScreenSetRead result = SCREENSET_READ;
    CArchive ar(&file, CArchive::load, 4096);
    try {
        info.Serialize(ar);
        if (withData && info.GetCount() > 0) {
            CSerializeItems* set = info.GetAt(0);
            for (INT_PTR i = 0; i < set->m_arrItems.GetSize(); ++i) {
                CSerializeItem* item = set->m_arrItems[i];
                if (!item->HasOwnData())
                    continue;
                ar >> item->m_nOwnData;
                item->m_bHasOwnData = TRUE;
            }
        }
    } catch (CException* e) {
        e->Delete();
        result = SCREENSET_DAMAGED;
    }
    ar.Abort();
    file.Close();
    return result;
}

} // namespace

ScreenSetRead ReadScreenSets(const CString& path, CUserScrInfo& info)
{
    return ReadInto(path, info, FALSE);
}

ScreenSetRead ReadScreenSetWithData(const CString& path, CUserScrInfo& info)
{
    return ReadInto(path, info, TRUE);
}

BOOL WriteScreenSets(const CString& path, CUserScrInfo& info, BOOL withData)
{
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite))
        return FALSE;
    try {
        CArchive ar(&file, CArchive::store, 4096);
        info.Serialize(ar);
        if (withData) {
            for (int s = 0; s < info.GetCount(); ++s) {
                CSerializeItems* set = info.GetAt(s);
                for (INT_PTR i = 0; i < set->m_arrItems.GetSize(); ++i)
                    if (set->m_arrItems[i]->HasOwnData())
                        ar << set->m_arrItems[i]->m_nOwnData;
            }
        }
        ar.Close();
        file.Close();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

CString ScreenSetIndexPath()
{
    return CString(GetUserDir()) + SCREEN_SET_INDEX_FILE;
}

CString ScreenSetFilePath(const CString& number)
{
    return CString(GetUserDir()) + number + SCREEN_SET_INDEX_FILE;
}

CString LastScreensPath()
{
    return CString(GetUserDir()) + SCREEN_SET_LAST_FILE;
}
