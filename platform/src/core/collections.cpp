// Run-time classes and serialisation of the ready-made collections (afxcoll.h).
#include "afxcoll.h"

// Arrays: the element rules come from the templates.
IMPLEMENT_SERIAL(CByteArray, CObject, 0)
CByteArray::CByteArray() {}
CByteArray::~CByteArray() {}

IMPLEMENT_SERIAL(CWordArray, CObject, 0)
CWordArray::CWordArray() {}
CWordArray::~CWordArray() {}

IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
CDWordArray::CDWordArray() {}
CDWordArray::~CDWordArray() {}

IMPLEMENT_SERIAL(CObArray, CObject, 0)
CObArray::CObArray() {}
CObArray::~CObArray() {}

IMPLEMENT_SERIAL(CStringArray, CObject, 0)
CStringArray::CStringArray() {}
CStringArray::~CStringArray() {}

// Pointer and UINT collections are not serialisable: they write nothing, like CObject.
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
CUIntArray::CUIntArray() {}
CUIntArray::~CUIntArray() {}
void CUIntArray::Serialize(CArchive& ar) { CObject::Serialize(ar); }

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
CPtrArray::CPtrArray() {}
CPtrArray::~CPtrArray() {}
void CPtrArray::Serialize(CArchive& ar) { CObject::Serialize(ar); }

// Lists

IMPLEMENT_DYNAMIC(CPtrList, CObject)
CPtrList::CPtrList(INT_PTR nBlockSize) : CList<void*, void*>(nBlockSize) {}
CPtrList::~CPtrList() {}
void CPtrList::Serialize(CArchive& ar) { CObject::Serialize(ar); }

IMPLEMENT_SERIAL(CObList, CObject, 0)
CObList::CObList(INT_PTR nBlockSize) : CList<CObject*, CObject*>(nBlockSize) {}
CObList::~CObList() {}

IMPLEMENT_SERIAL(CStringList, CObject, 0)
CStringList::CStringList(INT_PTR nBlockSize) : CList<CString, const CString&>(nBlockSize) {}
CStringList::~CStringList() {}

// Maps

namespace {

// Count, then key and value of each entry in iteration order.
template <class MAP, class KEY, class VALUE>
void SerializeMap(MAP& map, CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(DWORD_PTR(map.GetCount()));
        POSITION pos = map.GetStartPosition();
        while (pos != NULL) {
            KEY key;
            VALUE value;
            map.GetNextAssoc(pos, key, value);
            ar << key;
            ar << value;
        }
    } else {
        DWORD_PTR nNewCount = ar.ReadCount();
        while (nNewCount-- > 0) {
            KEY key;
            VALUE value;
            ar >> key;
            ar >> value;
            map.SetAt(key, value);
        }
    }
}

template <class MAP>
BOOL LookupStoredKey(const MAP& map, LPCSTR key, LPCSTR& rKey)
{
    const typename MAP::CPair* pPair = map.PLookup(key);
    if (pPair == NULL)
        return FALSE;
    rKey = pPair->key;
    return TRUE;
}

} // namespace

IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
CMapWordToPtr::CMapWordToPtr(INT_PTR nBlockSize) : CMapBase_(nBlockSize) {}
CMapWordToPtr::~CMapWordToPtr() {}

IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)
CMapWordToOb::CMapWordToOb(INT_PTR nBlockSize) : CMapBase_(nBlockSize) {}
CMapWordToOb::~CMapWordToOb() {}
void CMapWordToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeMap<CMapWordToOb, WORD, CObject*>(*this, ar);
}

IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
CMapPtrToPtr::CMapPtrToPtr(INT_PTR nBlockSize) : CMapBase_(nBlockSize) {}
CMapPtrToPtr::~CMapPtrToPtr() {}

IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
CMapPtrToWord::CMapPtrToWord(INT_PTR nBlockSize) : CMapBase_(nBlockSize) {}
CMapPtrToWord::~CMapPtrToWord() {}

IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
CMapStringToPtr::CMapStringToPtr(INT_PTR nBlockSize) : CMapBase_(nBlockSize) {}
CMapStringToPtr::~CMapStringToPtr() {}
BOOL CMapStringToPtr::LookupKey(LPCSTR key, LPCSTR& rKey) const { return LookupStoredKey(*this, key, rKey); }

IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
CMapStringToOb::CMapStringToOb(INT_PTR nBlockSize) : CMapBase_(nBlockSize) {}
CMapStringToOb::~CMapStringToOb() {}
BOOL CMapStringToOb::LookupKey(LPCSTR key, LPCSTR& rKey) const { return LookupStoredKey(*this, key, rKey); }
void CMapStringToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeMap<CMapStringToOb, CString, CObject*>(*this, ar);
}

IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
CMapStringToString::CMapStringToString(INT_PTR nBlockSize) : CMapBase_(nBlockSize) {}
CMapStringToString::~CMapStringToString() {}
BOOL CMapStringToString::LookupKey(LPCSTR key, LPCSTR& rKey) const { return LookupStoredKey(*this, key, rKey); }
void CMapStringToString::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeMap<CMapStringToString, CString, CString>(*this, ar);
}
