// CMapIntToOb: the id list and the map keyed by the id's decimal text.
#include "MapIntToOb.h"

#include <climits>
#include <cstdlib>

CMapIntToOb::CMapIntToOb() : m_map(10), m_nNextId(0)
{
}

CMapIntToOb::~CMapIntToOb()
{
}

CString CMapIntToOb::Key(int id)
{
    CString key;
    key.Format("%d", id);
    return key;
}

int CMapIntToOb::Add(void* object)
{
    int id = m_nNextId++;
    m_map.SetAt(Key(id), object);
    m_arIds.Add(DWORD(id));
    return id;
}

void* CMapIntToOb::Lookup(int id) const
{
    void* object = nullptr;
    return m_map.Lookup(Key(id), object) ? object : nullptr;
}

BOOL CMapIntToOb::GetAt(INT_PTR index, int& id, void*& object) const
{
    id = -1;
    object = nullptr;
    if (index < 0 || index >= m_arIds.GetSize())
        return FALSE;
    id = int(m_arIds[index]);
    object = Lookup(id);
    return TRUE;
}

INT_PTR CMapIntToOb::IndexOf(const void* object) const
{
    for (INT_PTR i = 0; i < m_arIds.GetSize(); ++i)
        if (Lookup(int(m_arIds[i])) == object)
            return i;
    return -1;
}

void CMapIntToOb::SetAt(int id, void* object)
{
    void* old = nullptr;
    if (!m_map.Lookup(Key(id), old))
    {
        // The id list holds every id of the map, so positions reach every object.
        m_arIds.Add(DWORD(id));
        if (id >= m_nNextId && id < INT_MAX)
            m_nNextId = id + 1;
    }
    m_map.SetAt(Key(id), object);
}

void CMapIntToOb::Remove(int id)
{
    m_map.RemoveKey(Key(id));
    for (INT_PTR i = m_arIds.GetSize() - 1; i >= 0; --i)
        if (int(m_arIds[i]) == id)
            m_arIds.RemoveAt(i);
}

void CMapIntToOb::RemoveAll()
{
    m_map.RemoveAll();
    m_arIds.RemoveAll();
    m_nNextId = 0;
}

void CMapIntToOb::GetNextAssoc(POSITION& pos, int& id, void*& object) const
{
    CString key;
    m_map.GetNextAssoc(pos, key, object);
    id = atoi(key);
}
