// CArchive object graphs: class records, object tags and references.
//
// Format: a null reference is the WORD 0. An object or class seen before is its index (objects
// and classes share one index space starting at 1): a WORD index for an object, a WORD
// 0x8000 | index for a class, or for indexes from 0x7FFF on the WORD 0x7FFF and a DWORD (with
// bit 31 set for a class). A class seen for the first time is the WORD 0xFFFF followed by its
// record: schema WORD, name length WORD, name bytes. A new object is its class (new or
// referenced) followed by whatever its Serialize writes.
#include "afx.h"
#include "archive_maps.h"

#include <string.h>

namespace {
constexpr WORD kMaxClassNameLength = 64;
// Objects nested deeper than this are a damaged file: each level costs stack, and an overflow
// would end the process where no handler runs. Real object graphs nest a few levels.
constexpr UINT kMaxObjectDepth = 1000;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLen = WORD(strlen(m_lpszClassName));
    ar << WORD(m_wSchema) << nLen;
    ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wSchema, nLen;
    ar >> wSchema >> nLen;
    if (pwSchemaNum != nullptr)
        *pwSchemaNum = wSchema;
    if (nLen >= kMaxClassNameLength)
        return nullptr;
    char szClassName[kMaxClassNameLength];
    if (ar.Read(szClassName, nLen) != nLen)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    szClassName[nLen] = '\0';
    return FromName(szClassName);
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    if (pClassRef == nullptr || !pClassRef->IsSerializable())
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    auto it = m_pMaps->store.find(pClassRef);
    if (it != m_pMaps->store.end()) {
        DWORD nIndex = it->second;
        if (nIndex < wBigObjectTag)
            *this << WORD(wClassTag | nIndex);
        else
            *this << WORD(wBigObjectTag) << DWORD(dwBigClassTag | nIndex);
        return;
    }
    if (m_pMaps->nextIndex >= nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    *this << WORD(wNewClassTag);
    pClassRef->Store(*this);
    m_pMaps->store[pClassRef] = m_pMaps->nextIndex++;
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    CheckLoading();
    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = (DWORD(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    CRuntimeClass* pClassRef;
    UINT nSchema;
    std::vector<CArchiveMaps::LoadEntry>& loaded = m_pMaps->load;
    if (wTag == wNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (pClassRef == nullptr)
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        // A stored schema other than the class's own is accepted only from versionable classes.
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema && !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
            AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
        if (loaded.size() >= nMaxMapCount)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        loaded.push_back({pClassRef, nSchema, true});
    } else if (obTag & dwBigClassTag) {
        DWORD nIndex = obTag & ~dwBigClassTag;
        if (nIndex == 0 || nIndex >= loaded.size() || !loaded[nIndex].isClass)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        pClassRef = static_cast<CRuntimeClass*>(loaded[nIndex].p);
        nSchema = loaded[nIndex].schema;
    } else {
        // A reference to an object read before (or the null tag).
        if (pObTag == nullptr)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        *pObTag = obTag;
        return nullptr;
    }

    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    if (pSchema != nullptr)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != nullptr)
        *pObTag = obTag;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef, &m_nObjectSchema);
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (pOb == nullptr) {
        *this << WORD(wNullTag);
        return;
    }
    auto it = m_pMaps->store.find(pOb);
    if (it != m_pMaps->store.end()) {
        DWORD nIndex = it->second;
        if (nIndex < wBigObjectTag)
            *this << WORD(nIndex);
        else
            *this << WORD(wBigObjectTag) << DWORD(nIndex);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    if (m_pMaps->nextIndex >= nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    // Registered before its data, so that the object can refer to itself.
    m_pMaps->store[pOb] = m_pMaps->nextIndex++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    CheckLoading();
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
    std::vector<CArchiveMaps::LoadEntry>& loaded = m_pMaps->load;

    if (pClassRef == nullptr) {
        if (obTag >= loaded.size() || loaded[obTag].isClass)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        CObject* pOb = static_cast<CObject*>(loaded[obTag].p);
        if (pOb != nullptr && pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        return pOb;
    }

    if (pClassRef->m_pfnCreateObject == nullptr)
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    if (m_pMaps->depth >= kMaxObjectDepth)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    CObject* pOb = pClassRef->CreateObject();
    if (pOb == nullptr)
        AfxThrowMemoryException();
    if (loaded.size() >= nMaxMapCount) {
        delete pOb;
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    }
    loaded.push_back({pOb, nSchema, false});
    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    ++m_pMaps->depth;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        --m_pMaps->depth;
        m_nObjectSchema = nSchemaSave;
        throw;
    }
    --m_pMaps->depth;
    m_nObjectSchema = nSchemaSave;
    return pOb;
}

void CArchive::MapObject(const CObject* pOb)
{
    if (IsStoring()) {
        if (pOb != nullptr && m_pMaps->store.find(pOb) == m_pMaps->store.end()) {
            if (m_pMaps->nextIndex >= nMaxMapCount)
                AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
            m_pMaps->store[pOb] = m_pMaps->nextIndex++;
        }
    } else {
        m_pMaps->load.push_back({const_cast<CObject*>(pOb), 0, false});
    }
}

CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CObject* AFXAPI AfxReadObjectFromArchive(CArchive& ar, CRuntimeClass* pClass) { return ar.ReadObject(pClass); }
