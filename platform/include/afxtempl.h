// The framework's collection templates: CArray, CList, CMap and the typed pointer wrappers.
// Out-of-range indexes and operations on empty lists throw CInvalidArgException, as the framework's
// release build does.
#pragma once

#include "afx.h"
#include <stdlib.h>
#include <new>
#include <type_traits>

/////////////////////////////////////////////////////////////////////////////
// Element helpers (specialise them for types that need other rules)

template <class TYPE>
inline void AFXAPI ConstructElements(TYPE* pElements, INT_PTR nCount)
{
    for (; nCount-- > 0; ++pElements)
        ::new (static_cast<void*>(pElements)) TYPE();
}

template <class TYPE>
inline void AFXAPI DestructElements(TYPE* pElements, INT_PTR nCount)
{
    for (; nCount-- > 0; ++pElements)
        pElements->~TYPE();
}

template <class TYPE>
inline void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, INT_PTR nCount)
{
    while (nCount-- > 0)
        *pDest++ = *pSrc++;
}

template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Elements are written as their bytes unless a specialisation says otherwise (CString and
// CObject* below).
template <class TYPE>
void AFXAPI SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    if (nCount <= 0)
        return;
    const UINT chunk = 0x10000 / sizeof(TYPE) + 1;
    for (INT_PTR done = 0; done < nCount;) {
        UINT n = UINT(nCount - done < INT_PTR(chunk) ? nCount - done : INT_PTR(chunk));
        if (ar.IsStoring()) {
            ar.Write(pElements + done, n * UINT(sizeof(TYPE)));
        } else if (ar.Read(pElements + done, n * UINT(sizeof(TYPE))) != n * sizeof(TYPE)) {
            AfxThrowArchiveException(CArchiveException::endOfFile);
        }
        done += n;
    }
}

template <>
inline void AFXAPI SerializeElements<CString>(CArchive& ar, CString* pElements, INT_PTR nCount)
{
    for (; nCount-- > 0; ++pElements) {
        if (ar.IsStoring())
            ar << *pElements;
        else
            ar >> *pElements;
    }
}

template <>
inline void AFXAPI SerializeElements<CObject*>(CArchive& ar, CObject** pElements, INT_PTR nCount)
{
    for (; nCount-- > 0; ++pElements) {
        if (ar.IsStoring())
            ar << *pElements;
        else
            ar >> *pElements;
    }
}

// Hash values of map keys. Integers and pointers are scrambled (multiplicative congruential
// step); strings use the running "times 33 plus byte" sum.
template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    ldiv_t q = ldiv((long)(key), 127773);
    q.rem = 16807 * q.rem - 2836 * q.quot;
    if (q.rem < 0)
        q.rem += 2147483647;
    return UINT(q.rem);
}

inline UINT AfxHashString_(LPCSTR key)
{
    if (key == NULL)
        AfxThrowInvalidArgException();
    UINT nHash = 0;
    while (*key)
        nHash = (nHash << 5) + nHash + UINT(*key++);
    return nHash;
}

template <>
inline UINT AFXAPI HashKey<LPCSTR>(LPCSTR key) { return AfxHashString_(key); }
template <>
inline UINT AFXAPI HashKey<LPSTR>(LPSTR key) { return AfxHashString_(key); }
template <>
inline UINT AFXAPI HashKey<const CString&>(const CString& key) { return AfxHashString_(key); }
template <>
inline UINT AFXAPI HashKey<CString>(CString key) { return AfxHashString_(key); }

/////////////////////////////////////////////////////////////////////////////
// CArray

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    typedef TYPE BASE_TYPE;
    typedef ARG_TYPE BASE_ARG_TYPE;

    CArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    virtual ~CArray() { SetSize(0, -1); }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }

    // nGrowBy -1 keeps the current step; 0 picks one from the size.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[CheckIndex(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_pData[CheckIndex(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[CheckIndex(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_pData[CheckIndex(nIndex)]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_pData[CheckIndex(nIndex)]; }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR nIndex = m_nSize;
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    // Returns the index of the first appended element.
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);

    virtual void Serialize(CArchive& ar);

protected:
    INT_PTR CheckIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nSize)
            AfxThrowInvalidArgException();
        return nIndex;
    }
    // Moves n elements from src to raw memory at dest (ranges may overlap).
    static void Relocate(TYPE* dest, TYPE* src, INT_PTR n);

    TYPE* m_pData;
    INT_PTR m_nSize;
    INT_PTR m_nMaxSize;
    INT_PTR m_nGrowBy;
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Relocate(TYPE* dest, TYPE* src, INT_PTR n)
{
    if (n <= 0 || dest == src)
        return;
    if (std::is_trivially_copyable<TYPE>::value) {
        memmove(static_cast<void*>(dest), static_cast<const void*>(src), size_t(n) * sizeof(TYPE));
    } else if (dest < src) {
        for (INT_PTR i = 0; i < n; ++i) {
            ::new (static_cast<void*>(dest + i)) TYPE(std::move(src[i]));
            src[i].~TYPE();
        }
    } else {
        for (INT_PTR i = n; i-- > 0;) {
            ::new (static_cast<void*>(dest + i)) TYPE(std::move(src[i]));
            src[i].~TYPE();
        }
    }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nNewSize < 0)
        AfxThrowInvalidArgException();
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;

    if (nNewSize == 0) {
        if (m_pData != NULL) {
            DestructElements(m_pData, m_nSize);
            free(m_pData);
            m_pData = NULL;
        }
        m_nSize = m_nMaxSize = 0;
        return;
    }
    if (nNewSize <= m_nMaxSize) {
        if (nNewSize > m_nSize)
            ConstructElements(m_pData + m_nSize, nNewSize - m_nSize);
        else if (nNewSize < m_nSize)
            DestructElements(m_pData + nNewSize, m_nSize - nNewSize);
        m_nSize = nNewSize;
        return;
    }

    INT_PTR nStep = m_nGrowBy;
    if (nStep == 0) {
        // Grow by an eighth of the size, between 4 and 1024 elements.
        nStep = m_nSize / 8;
        nStep = nStep < 4 ? 4 : (nStep > 1024 ? 1024 : nStep);
    }
    INT_PTR nNewMax = m_nMaxSize + nStep > nNewSize ? m_nMaxSize + nStep : nNewSize;
    if (SIZE_T(nNewMax) > SIZE_T(-1) / 2 / sizeof(TYPE))
        AfxThrowMemoryException();
    TYPE* pNewData = static_cast<TYPE*>(malloc(size_t(nNewMax) * sizeof(TYPE)));
    if (pNewData == NULL)
        AfxThrowMemoryException();
    Relocate(pNewData, m_pData, m_nSize);
    ConstructElements(pNewData + m_nSize, nNewSize - m_nSize);
    free(m_pData);
    m_pData = pNewData;
    m_nSize = nNewSize;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    if (m_nSize == 0) {
        SetSize(0, -1);
        return;
    }
    TYPE* pNewData = static_cast<TYPE*>(malloc(size_t(m_nSize) * sizeof(TYPE)));
    if (pNewData == NULL)
        AfxThrowMemoryException();
    Relocate(pNewData, m_pData, m_nSize);
    free(m_pData);
    m_pData = pNewData;
    m_nMaxSize = m_nSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0)
        AfxThrowInvalidArgException();
    if (nIndex >= m_nSize) {
        // The argument may refer to an element of this array, which growing moves.
        TYPE value(newElement);
        SetSize(nIndex + 1, -1);
        m_pData[nIndex] = std::move(value);
    } else {
        m_pData[nIndex] = newElement;
    }
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    if (this == &src)
        AfxThrowInvalidArgException();
    INT_PTR nOldSize = m_nSize;
    SetSize(m_nSize + src.m_nSize, -1);
    CopyElements(m_pData + nOldSize, src.m_pData, src.m_nSize);
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize, -1);
    CopyElements(m_pData, src.m_pData, src.m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0)
        AfxThrowInvalidArgException();
    TYPE value(newElement); // may refer into this array
    if (nIndex >= m_nSize) {
        SetSize(nIndex + nCount, -1);
    } else {
        INT_PTR nOldSize = m_nSize;
        SetSize(m_nSize + nCount, -1);
        // The new tail slots were constructed; make them raw, shift, then refill the gap.
        DestructElements(m_pData + nOldSize, nCount);
        Relocate(m_pData + nIndex + nCount, m_pData + nIndex, nOldSize - nIndex);
        ConstructElements(m_pData + nIndex, nCount);
    }
    for (INT_PTR i = 0; i < nCount; ++i)
        m_pData[nIndex + i] = value;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0 || nIndex > m_nSize || nCount > m_nSize - nIndex)
        AfxThrowInvalidArgException();
    if (nCount == 0)
        return;
    INT_PTR nMoveCount = m_nSize - (nIndex + nCount);
    DestructElements(m_pData + nIndex, nCount);
    Relocate(m_pData + nIndex, m_pData + nIndex + nCount, nMoveCount);
    m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray)
{
    if (pNewArray == NULL || pNewArray == this || nStartIndex < 0)
        AfxThrowInvalidArgException();
    if (pNewArray->GetSize() > 0) {
        InsertAt(nStartIndex, pNewArray->GetAt(0), pNewArray->GetSize());
        for (INT_PTR i = 1; i < pNewArray->GetSize(); ++i)
            SetAt(nStartIndex + i, pNewArray->GetAt(i));
    }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(DWORD_PTR(m_nSize));
        SerializeElements<TYPE>(ar, m_pData, m_nSize);
        return;
    }
    // The array grows as elements arrive, doubling from 64 KB of them: a count that the file
    // cannot hold ends in endOfFile after little memory instead of one huge zero-filled block.
    const ULONGLONG nCount = ar.ReadCount();
    const ULONGLONG nFirst = 0x10000 / sizeof(TYPE) + 1;
    const ULONGLONG nMaxIndex = ULONGLONG(~UINT_PTR(0) >> 1);
    ULONGLONG nDone = 0;
    if (nCount == 0)
        SetSize(0, -1);
    while (nDone < nCount) {
        ULONGLONG nNext = nDone < nFirst ? nFirst : nDone * 2;
        if (nNext > nCount)
            nNext = nCount;
        if (nNext > nMaxIndex)
            AfxThrowMemoryException();
        SetSize(INT_PTR(nNext), -1);
        SerializeElements<TYPE>(ar, m_pData + nDone, INT_PTR(nNext - nDone));
        nDone = nNext;
    }
}

/////////////////////////////////////////////////////////////////////////////
// CList

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
        explicit CNode(ARG_TYPE value) : pNext(NULL), pPrev(NULL), data(value) {}
    };

public:
    typedef TYPE BASE_TYPE;
    typedef ARG_TYPE BASE_ARG_TYPE;

    explicit CList(INT_PTR nBlockSize = 10)
        : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0), m_nBlockSize(nBlockSize)
    {
    }
    virtual ~CList() { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return Checked(m_pNodeHead)->data; }
    const TYPE& GetHead() const { return Checked(m_pNodeHead)->data; }
    TYPE& GetTail() { return Checked(m_pNodeTail)->data; }
    const TYPE& GetTail() const { return Checked(m_pNodeTail)->data; }

    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(NULL, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(NULL, newElement); }
    void AddHead(CList* pNewList);
    void AddTail(CList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pNodeHead); }
    POSITION GetTailPosition() const { return reinterpret_cast<POSITION>(m_pNodeTail); }
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* pNode = Checked(Node(rPosition));
        rPosition = reinterpret_cast<POSITION>(pNode->pNext);
        return pNode->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* pNode = Checked(Node(rPosition));
        rPosition = reinterpret_cast<POSITION>(pNode->pNext);
        return pNode->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* pNode = Checked(Node(rPosition));
        rPosition = reinterpret_cast<POSITION>(pNode->pPrev);
        return pNode->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* pNode = Checked(Node(rPosition));
        rPosition = reinterpret_cast<POSITION>(pNode->pPrev);
        return pNode->data;
    }
    TYPE& GetAt(POSITION position) { return Checked(Node(position))->data; }
    const TYPE& GetAt(POSITION position) const { return Checked(Node(position))->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Checked(Node(pos))->data = newElement; }
    void RemoveAt(POSITION position);

    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
    POSITION FindIndex(INT_PTR nIndex) const;

    virtual void Serialize(CArchive& ar);

protected:
    static CNode* Node(POSITION pos) { return reinterpret_cast<CNode*>(pos); }
    static CNode* Checked(CNode* pNode)
    {
        if (pNode == NULL)
            AfxThrowInvalidArgException();
        return pNode;
    }

    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    INT_PTR m_nCount;
    INT_PTR m_nBlockSize;
};

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    CNode* pOld = Checked(m_pNodeHead);
    TYPE value(std::move(pOld->data));
    RemoveAt(reinterpret_cast<POSITION>(pOld));
    return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    CNode* pOld = Checked(m_pNodeTail);
    TYPE value(std::move(pOld->data));
    RemoveAt(reinterpret_cast<POSITION>(pOld));
    return value;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList)
{
    if (pNewList == NULL)
        AfxThrowInvalidArgException();
    // Walk backwards so that the elements keep their order at the head.
    POSITION pos = pNewList->GetTailPosition();
    INT_PTR n = pNewList->GetCount();
    while (pos != NULL && n-- > 0)
        AddHead(pNewList->GetPrev(pos));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList)
{
    if (pNewList == NULL)
        AfxThrowInvalidArgException();
    POSITION pos = pNewList->GetHeadPosition();
    INT_PTR n = pNewList->GetCount(); // bounded, so adding a list to itself terminates
    while (pos != NULL && n-- > 0)
        AddTail(pNewList->GetNext(pos));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    CNode* pNode = m_pNodeHead;
    while (pNode != NULL) {
        CNode* pNext = pNode->pNext;
        delete pNode;
        pNode = pNext;
    }
    m_pNodeHead = m_pNodeTail = NULL;
    m_nCount = 0;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* pOld = Checked(Node(position));
    if (pOld == m_pNodeHead)
        m_pNodeHead = pOld->pNext;
    else
        pOld->pPrev->pNext = pOld->pNext;
    if (pOld == m_pNodeTail)
        m_pNodeTail = pOld->pPrev;
    else
        pOld->pNext->pPrev = pOld->pPrev;
    delete pOld;
    --m_nCount;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    CNode* pNew = new CNode(newElement);
    CNode* pOld = Node(position);
    if (pOld == NULL) {
        pNew->pNext = m_pNodeHead;
        if (m_pNodeHead != NULL)
            m_pNodeHead->pPrev = pNew;
        else
            m_pNodeTail = pNew;
        m_pNodeHead = pNew;
    } else {
        pNew->pPrev = pOld->pPrev;
        pNew->pNext = pOld;
        if (pOld->pPrev != NULL)
            pOld->pPrev->pNext = pNew;
        else
            m_pNodeHead = pNew;
        pOld->pPrev = pNew;
    }
    ++m_nCount;
    return reinterpret_cast<POSITION>(pNew);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    CNode* pNew = new CNode(newElement);
    CNode* pOld = Node(position);
    if (pOld == NULL) {
        pNew->pPrev = m_pNodeTail;
        if (m_pNodeTail != NULL)
            m_pNodeTail->pNext = pNew;
        else
            m_pNodeHead = pNew;
        m_pNodeTail = pNew;
    } else {
        pNew->pPrev = pOld;
        pNew->pNext = pOld->pNext;
        if (pOld->pNext != NULL)
            pOld->pNext->pPrev = pNew;
        else
            m_pNodeTail = pNew;
        pOld->pNext = pNew;
    }
    ++m_nCount;
    return reinterpret_cast<POSITION>(pNew);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter == NULL ? m_pNodeHead : Node(startAfter)->pNext;
    for (; pNode != NULL; pNode = pNode->pNext) {
        if (CompareElements<TYPE>(&pNode->data, &searchValue))
            return reinterpret_cast<POSITION>(pNode);
    }
    return NULL;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return reinterpret_cast<POSITION>(pNode);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(DWORD_PTR(m_nCount));
        for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
            SerializeElements<TYPE>(ar, &pNode->data, 1);
    } else {
        DWORD_PTR nNewCount = ar.ReadCount();
        while (nNewCount-- > 0) {
            TYPE newData = TYPE();
            SerializeElements<TYPE>(ar, &newData, 1);
            AddTail(newData);
        }
    }
}

/////////////////////////////////////////////////////////////////////////////
// Hash maps. A fixed number of buckets (17 unless InitHashTable says otherwise); a new key
// goes to the front of its bucket; iteration runs bucket by bucket.

template <class ARG_KEY>
struct AfxTemplateHash_
{
    static UINT Hash(ARG_KEY key) { return HashKey<ARG_KEY>(key); }
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE, class HASHER>
class CMapBase_ : public CObject
{
public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    class CPair
    {
    public:
        const KEY key;
        VALUE value;

    protected:
        explicit CPair(ARG_KEY keyval) : key(keyval), value() {}
    };

protected:
    class CAssoc : public CPair
    {
    public:
        explicit CAssoc(ARG_KEY keyval) : CPair(keyval), pNext(NULL), nHashValue(0) {}
        CAssoc* pNext;
        UINT nHashValue;
    };

public:
    explicit CMapBase_(INT_PTR nBlockSize = 10)
        : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0), m_nBlockSize(nBlockSize)
    {
    }
    virtual ~CMapBase_() { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        UINT nBucket, nHash;
        CAssoc* pAssoc = GetAssocAt(key, nBucket, nHash);
        if (pAssoc == NULL)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }
    const CPair* PLookup(ARG_KEY key) const
    {
        UINT nBucket, nHash;
        return GetAssocAt(key, nBucket, nHash);
    }
    CPair* PLookup(ARG_KEY key)
    {
        UINT nBucket, nHash;
        return GetAssocAt(key, nBucket, nHash);
    }

    // The value for key, added (default-constructed) when the key is new.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        CAssoc* pAssoc = NextAssoc(rNextPosition);
        rKey = pAssoc->key;
        rValue = pAssoc->value;
    }
    const CPair* PGetFirstAssoc() const { return FirstAssoc(); }
    CPair* PGetFirstAssoc() { return FirstAssoc(); }
    const CPair* PGetNextAssoc(const CPair* pAssocRet) const { return AssocAfter(static_cast<const CAssoc*>(pAssocRet)); }
    CPair* PGetNextAssoc(const CPair* pAssocRet) { return AssocAfter(static_cast<const CAssoc*>(pAssocRet)); }

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Sets the number of buckets; entries already present are kept.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

protected:
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nBucket, UINT& nHash) const;
    CAssoc* FirstAssoc() const;
    CAssoc* AssocAfter(const CAssoc* pAssoc) const;
    CAssoc* NextAssoc(POSITION& rNextPosition) const;

    CAssoc** m_pHashTable;
    UINT m_nHashTableSize;
    INT_PTR m_nCount;
    INT_PTR m_nBlockSize;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE, class HASHER>
typename CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, HASHER>::CAssoc*
CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, HASHER>::GetAssocAt(ARG_KEY key, UINT& nBucket, UINT& nHash) const
{
    nHash = HASHER::Hash(key);
    nBucket = nHash % m_nHashTableSize;
    if (m_pHashTable == NULL)
        return NULL;
    for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != NULL; pAssoc = pAssoc->pNext) {
        if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key))
            return pAssoc;
    }
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE, class HASHER>
void CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, HASHER>::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    if (hashSize == 0)
        AfxThrowInvalidArgException();
    CAssoc** pNewTable = NULL;
    if (bAllocNow || m_nCount > 0) {
        pNewTable = new CAssoc*[hashSize];
        memset(pNewTable, 0, sizeof(CAssoc*) * hashSize);
    }
    if (m_pHashTable != NULL) {
        // Re-bucket what is there, keeping each bucket's order.
        for (UINT b = 0; b < m_nHashTableSize; ++b) {
            CAssoc* pAssoc = m_pHashTable[b];
            while (pAssoc != NULL) {
                CAssoc* pNext = pAssoc->pNext;
                CAssoc** pp = &pNewTable[pAssoc->nHashValue % hashSize];
                while (*pp != NULL)
                    pp = &(*pp)->pNext;
                pAssoc->pNext = NULL;
                *pp = pAssoc;
                pAssoc = pNext;
            }
        }
        delete[] m_pHashTable;
    }
    m_pHashTable = pNewTable;
    m_nHashTableSize = hashSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE, class HASHER>
VALUE& CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, HASHER>::operator[](ARG_KEY key)
{
    UINT nBucket, nHash;
    CAssoc* pAssoc = GetAssocAt(key, nBucket, nHash);
    if (pAssoc == NULL) {
        if (m_pHashTable == NULL)
            InitHashTable(m_nHashTableSize);
        pAssoc = new CAssoc(key);
        pAssoc->nHashValue = nHash;
        pAssoc->pNext = m_pHashTable[nBucket];
        m_pHashTable[nBucket] = pAssoc;
        ++m_nCount;
    }
    return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE, class HASHER>
BOOL CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, HASHER>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == NULL)
        return FALSE;
    UINT nHash = HASHER::Hash(key);
    for (CAssoc** ppPrev = &m_pHashTable[nHash % m_nHashTableSize]; *ppPrev != NULL; ppPrev = &(*ppPrev)->pNext) {
        CAssoc* pAssoc = *ppPrev;
        if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key)) {
            *ppPrev = pAssoc->pNext;
            delete pAssoc;
            --m_nCount;
            return TRUE;
        }
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE, class HASHER>
void CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, HASHER>::RemoveAll()
{
    if (m_pHashTable != NULL) {
        for (UINT b = 0; b < m_nHashTableSize; ++b) {
            CAssoc* pAssoc = m_pHashTable[b];
            while (pAssoc != NULL) {
                CAssoc* pNext = pAssoc->pNext;
                delete pAssoc;
                pAssoc = pNext;
            }
        }
        delete[] m_pHashTable;
        m_pHashTable = NULL;
    }
    m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE, class HASHER>
typename CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, HASHER>::CAssoc*
CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, HASHER>::FirstAssoc() const
{
    if (m_pHashTable == NULL)
        return NULL;
    for (UINT b = 0; b < m_nHashTableSize; ++b) {
        if (m_pHashTable[b] != NULL)
            return m_pHashTable[b];
    }
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE, class HASHER>
typename CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, HASHER>::CAssoc*
CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, HASHER>::AssocAfter(const CAssoc* pAssoc) const
{
    if (pAssoc == NULL)
        AfxThrowInvalidArgException();
    if (pAssoc->pNext != NULL)
        return pAssoc->pNext;
    for (UINT b = pAssoc->nHashValue % m_nHashTableSize + 1; b < m_nHashTableSize; ++b) {
        if (m_pHashTable[b] != NULL)
            return m_pHashTable[b];
    }
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE, class HASHER>
typename CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, HASHER>::CAssoc*
CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, HASHER>::NextAssoc(POSITION& rNextPosition) const
{
    CAssoc* pAssoc = reinterpret_cast<CAssoc*>(rNextPosition);
    if (pAssoc == reinterpret_cast<CAssoc*>(BEFORE_START_POSITION))
        pAssoc = FirstAssoc();
    if (pAssoc == NULL)
        AfxThrowInvalidArgException();
    rNextPosition = reinterpret_cast<POSITION>(AssocAfter(pAssoc));
    return pAssoc;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, AfxTemplateHash_<ARG_KEY>>
{
public:
    explicit CMap(INT_PTR nBlockSize = 10)
        : CMapBase_<KEY, ARG_KEY, VALUE, ARG_VALUE, AfxTemplateHash_<ARG_KEY>>(nBlockSize)
    {
    }

    virtual void Serialize(CArchive& ar)
    {
        CObject::Serialize(ar);
        if (ar.IsStoring()) {
            ar.WriteCount(DWORD_PTR(this->m_nCount));
            for (auto* pPair = this->PGetFirstAssoc(); pPair != NULL; pPair = this->PGetNextAssoc(pPair)) {
                SerializeElements<KEY>(ar, const_cast<KEY*>(&pPair->key), 1);
                SerializeElements<VALUE>(ar, &pPair->value, 1);
            }
        } else {
            DWORD_PTR nNewCount = ar.ReadCount();
            while (nNewCount-- > 0) {
                KEY newKey = KEY();
                VALUE newValue = VALUE();
                SerializeElements<KEY>(ar, &newKey, 1);
                SerializeElements<VALUE>(ar, &newValue, 1);
                (*this)[newKey] = newValue;
            }
        }
    }
};

/////////////////////////////////////////////////////////////////////////////
// Typed pointer collections over the pointer collections of afxcoll.h

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(INT_PTR nIndex) const { return (TYPE)BASE_CLASS::GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return (TYPE&)BASE_CLASS::ElementAt(nIndex); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(INT_PTR nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    INT_PTR Append(const CTypedPtrArray<BASE_CLASS, TYPE>& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray<BASE_CLASS, TYPE>& src) { BASE_CLASS::Copy(src); }
    void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1) { BASE_CLASS::InsertAt(nIndex, newElement, nCount); }
    void InsertAt(INT_PTR nStartIndex, CTypedPtrArray<BASE_CLASS, TYPE>* pNewArray)
    {
        BASE_CLASS::InsertAt(nStartIndex, pNewArray);
    }
    TYPE operator[](INT_PTR nIndex) const { return (TYPE)BASE_CLASS::operator[](nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return (TYPE&)BASE_CLASS::operator[](nIndex); }
};

template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS
{
public:
    explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return (TYPE&)BASE_CLASS::GetHead(); }
    TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
    TYPE& GetTail() { return (TYPE&)BASE_CLASS::GetTail(); }
    TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
    TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
    TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
    TYPE& GetNext(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetNext(rPosition); }
    TYPE GetNext(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetPrev(rPosition); }
    TYPE GetPrev(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return (TYPE&)BASE_CLASS::GetAt(position); }
    TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(CTypedPtrList<BASE_CLASS, TYPE>* pNewList) { BASE_CLASS::AddHead(pNewList); }
    void AddTail(CTypedPtrList<BASE_CLASS, TYPE>* pNewList) { BASE_CLASS::AddTail(pNewList); }
    POSITION InsertBefore(POSITION position, TYPE newElement) { return BASE_CLASS::InsertBefore(position, newElement); }
    POSITION InsertAfter(POSITION position, TYPE newElement) { return BASE_CLASS::InsertAfter(position, newElement); }
};

template <class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS
{
public:
    explicit CTypedPtrMap(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_VALUE value;
        if (!BASE_CLASS::Lookup(key, value))
            return FALSE;
        rValue = (VALUE)value;
        return TRUE;
    }
    VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key) { return (VALUE&)BASE_CLASS::operator[](key); }
    void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_KEY key;
        typename BASE_CLASS::BASE_VALUE value;
        BASE_CLASS::GetNextAssoc(rPosition, key, value);
        rKey = (KEY)key;
        rValue = (VALUE)value;
    }
};
