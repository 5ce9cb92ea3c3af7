// The framework's ready-made collections: arrays, lists and maps of pointers, objects, strings
// and numbers. Those marked serialisable write an element count followed by the elements.
#pragma once

#include "afx.h"
#include "afxtempl.h"

/////////////////////////////////////////////////////////////////////////////
// Arrays

class AFX_PLATFORM_API CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_SERIAL(CByteArray)
public:
    CByteArray();
    virtual ~CByteArray();
};

class AFX_PLATFORM_API CWordArray : public CArray<WORD, WORD>
{
    DECLARE_SERIAL(CWordArray)
public:
    CWordArray();
    virtual ~CWordArray();
};

class AFX_PLATFORM_API CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_SERIAL(CDWordArray)
public:
    CDWordArray();
    virtual ~CDWordArray();
};

// Not serialisable: the size of UINT is the platform's.
class AFX_PLATFORM_API CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
public:
    CUIntArray();
    virtual ~CUIntArray();
    virtual void Serialize(CArchive& ar);
};

class AFX_PLATFORM_API CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray();
    virtual ~CPtrArray();
    virtual void Serialize(CArchive& ar);
};

// Holds pointers; the array does not delete the objects.
class AFX_PLATFORM_API CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_SERIAL(CObArray)
public:
    CObArray();
    virtual ~CObArray();
};

class AFX_PLATFORM_API CStringArray : public CArray<CString, const CString&>
{
    DECLARE_SERIAL(CStringArray)
public:
    CStringArray();
    virtual ~CStringArray();

    using CArray<CString, const CString&>::Add;
    using CArray<CString, const CString&>::SetAt;
    using CArray<CString, const CString&>::SetAtGrow;
    using CArray<CString, const CString&>::InsertAt;
    INT_PTR Add(LPCSTR newElement) { return Add(CString(newElement)); }
    void SetAt(INT_PTR nIndex, LPCSTR newElement) { SetAt(nIndex, CString(newElement)); }
    void SetAtGrow(INT_PTR nIndex, LPCSTR newElement) { SetAtGrow(nIndex, CString(newElement)); }
    void InsertAt(INT_PTR nIndex, LPCSTR newElement, INT_PTR nCount = 1)
    {
        InsertAt(nIndex, CString(newElement), nCount);
    }
};

/////////////////////////////////////////////////////////////////////////////
// Lists

class AFX_PLATFORM_API CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR nBlockSize = 10);
    virtual ~CPtrList();
    virtual void Serialize(CArchive& ar);
};

class AFX_PLATFORM_API CObList : public CList<CObject*, CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10);
    virtual ~CObList();
};

class AFX_PLATFORM_API CStringList : public CList<CString, const CString&>
{
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(INT_PTR nBlockSize = 10);
    virtual ~CStringList();

    using CList<CString, const CString&>::AddHead;
    using CList<CString, const CString&>::AddTail;
    using CList<CString, const CString&>::Find;
    POSITION AddHead(LPCSTR newElement) { return AddHead(CString(newElement)); }
    POSITION AddTail(LPCSTR newElement) { return AddTail(CString(newElement)); }
    POSITION Find(LPCSTR searchValue, POSITION startAfter = NULL) const { return Find(CString(searchValue), startAfter); }
};

/////////////////////////////////////////////////////////////////////////////
// Maps

// Word and pointer keys hash to key / 16; string keys use the string hash of afxtempl.h.
struct AfxShiftHash_
{
    static UINT Hash(DWORD_PTR key) { return UINT(key >> 4); }
    static UINT Hash(const void* key) { return UINT(reinterpret_cast<DWORD_PTR>(key) >> 4); }
};

struct AfxStringHash_
{
    static UINT Hash(LPCSTR key) { return AfxHashString_(key); }
};

class AFX_PLATFORM_API CMapWordToPtr : public CMapBase_<WORD, WORD, void*, void*, AfxShiftHash_>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(INT_PTR nBlockSize = 10);
    virtual ~CMapWordToPtr();
    UINT HashKey(WORD key) const { return AfxShiftHash_::Hash(DWORD_PTR(key)); }
};

class AFX_PLATFORM_API CMapWordToOb : public CMapBase_<WORD, WORD, CObject*, CObject*, AfxShiftHash_>
{
    DECLARE_SERIAL(CMapWordToOb)
public:
    explicit CMapWordToOb(INT_PTR nBlockSize = 10);
    virtual ~CMapWordToOb();
    UINT HashKey(WORD key) const { return AfxShiftHash_::Hash(DWORD_PTR(key)); }
    virtual void Serialize(CArchive& ar);
};

class AFX_PLATFORM_API CMapPtrToPtr : public CMapBase_<void*, void*, void*, void*, AfxShiftHash_>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10);
    virtual ~CMapPtrToPtr();
    UINT HashKey(void* key) const { return AfxShiftHash_::Hash(key); }
};

class AFX_PLATFORM_API CMapPtrToWord : public CMapBase_<void*, void*, WORD, WORD, AfxShiftHash_>
{
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    explicit CMapPtrToWord(INT_PTR nBlockSize = 10);
    virtual ~CMapPtrToWord();
    UINT HashKey(void* key) const { return AfxShiftHash_::Hash(key); }
};

class AFX_PLATFORM_API CMapStringToPtr : public CMapBase_<CString, LPCSTR, void*, void*, AfxStringHash_>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10);
    virtual ~CMapStringToPtr();
    UINT HashKey(LPCSTR key) const { return AfxStringHash_::Hash(key); }
    // The stored copy of the key.
    BOOL LookupKey(LPCSTR key, LPCSTR& rKey) const;
};

class AFX_PLATFORM_API CMapStringToOb : public CMapBase_<CString, LPCSTR, CObject*, CObject*, AfxStringHash_>
{
    DECLARE_SERIAL(CMapStringToOb)
public:
    explicit CMapStringToOb(INT_PTR nBlockSize = 10);
    virtual ~CMapStringToOb();
    UINT HashKey(LPCSTR key) const { return AfxStringHash_::Hash(key); }
    BOOL LookupKey(LPCSTR key, LPCSTR& rKey) const;
    virtual void Serialize(CArchive& ar);
};

class AFX_PLATFORM_API CMapStringToString : public CMapBase_<CString, LPCSTR, CString, LPCSTR, AfxStringHash_>
{
    DECLARE_SERIAL(CMapStringToString)
public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10);
    virtual ~CMapStringToString();
    UINT HashKey(LPCSTR key) const { return AfxStringHash_::Hash(key); }
    BOOL LookupKey(LPCSTR key, LPCSTR& rKey) const;
    virtual void Serialize(CArchive& ar);
};
