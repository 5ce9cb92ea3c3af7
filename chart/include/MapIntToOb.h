// CMapIntToOb: objects under ids handed out in order of addition, kept in that order.
#pragma once

#include <afxcoll.h>

#include "GraphKitApi.h"

class GRAPHKIT_API CMapIntToOb
{
public:
    CMapIntToOb();
    virtual ~CMapIntToOb();

    // Stores the object under the next id and returns that id.
    int Add(void* object);
    void* Lookup(int id) const;
    // The id at a position of the id list and its object; FALSE (id -1, no object) for a
    // position outside 0 to count - 1.
    BOOL GetAt(INT_PTR index, int& id, void*& object) const;
    // The first position whose id maps to the object, or -1.
    INT_PTR IndexOf(const void* object) const;
    // Stores or replaces the object under the id; a new id joins the end of the id list, and
    // later additions are given ids above it.
    void SetAt(int id, void* object);
    // Removes the id and every position that holds it.
    void Remove(int id);
    void RemoveAll();

    INT_PTR GetCount() const { return m_map.GetCount(); }
    // The number of positions of the id list.
    INT_PTR GetSize() const { return m_arIds.GetSize(); }
    int GetNextId() const { return m_nNextId; }

    // Iteration in map order.
    POSITION GetStartPosition() const { return m_map.GetStartPosition(); }
    void GetNextAssoc(POSITION& pos, int& id, void*& object) const;

private:
    static CString Key(int id);

    CDWordArray m_arIds;
    CMapStringToPtr m_map;
    int m_nNextId;

    CMapIntToOb(const CMapIntToOb&) = delete;
    CMapIntToOb& operator=(const CMapIntToOb&) = delete;
};

// The collection for one type of object.
template <class T>
class CTypedMapIntToOb : public CMapIntToOb
{
public:
    int Add(T* object) { return CMapIntToOb::Add(object); }
    T* Lookup(int id) const { return static_cast<T*>(CMapIntToOb::Lookup(id)); }
    // The object at a position, or null outside the id list.
    T* GetAt(INT_PTR index, int* id = nullptr) const
    {
        int found = -1;
        void* object = nullptr;
        CMapIntToOb::GetAt(index, found, object);
        if (id)
            *id = found;
        return static_cast<T*>(object);
    }
    void GetNextAssoc(POSITION& pos, int& id, T*& object) const
    {
        void* p = nullptr;
        CMapIntToOb::GetNextAssoc(pos, id, p);
        object = static_cast<T*>(p);
    }
};
