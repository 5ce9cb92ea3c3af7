// CObject and run-time class information: type tests, dynamic creation, the class registry.
#include "afx.h"

#include <string.h>

namespace {

// Classes registered by AFX_CLASSINIT, newest first. Constant-initialised, so modules may
// register from their static constructors in any order.
CRuntimeClass* g_pFirstClass = nullptr;
SRWLOCK g_classLock = SRWLOCK_INIT;

struct SharedLock
{
    SharedLock() { AcquireSRWLockShared(&g_classLock); }
    ~SharedLock() { ReleaseSRWLockShared(&g_classLock); }
};

struct ExclusiveLock
{
    ExclusiveLock() { AcquireSRWLockExclusive(&g_classLock); }
    ~ExclusiveLock() { ReleaseSRWLockExclusive(&g_classLock); }
};

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CRuntimeClass

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    try {
        return (*m_pfnCreateObject)();
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != nullptr;
         p = p->m_pfnGetBaseClass != nullptr ? (*p->m_pfnGetBaseClass)() : nullptr) {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    SharedLock lock;
    for (CRuntimeClass* p = g_pFirstClass; p != nullptr; p = p->m_pNextClass) {
        if (strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    }
    return nullptr;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass == nullptr ? nullptr : pClass->CreateObject();
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) : m_pClass(pNewClass)
{
    ExclusiveLock lock;
    pNewClass->m_pNextClass = g_pFirstClass;
    g_pFirstClass = pNewClass;
}

AFX_CLASSINIT::~AFX_CLASSINIT()
{
    ExclusiveLock lock;
    for (CRuntimeClass** pp = &g_pFirstClass; *pp != nullptr; pp = &(*pp)->m_pNextClass) {
        if (*pp == m_pClass) {
            *pp = m_pClass->m_pNextClass;
            m_pClass->m_pNextClass = nullptr;
            break;
        }
    }
}

/////////////////////////////////////////////////////////////////////////////
// CObject

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr, nullptr};
static const AFX_CLASSINIT _afx_init_CObject(&CObject::classCObject);

CRuntimeClass* PASCAL CObject::GetThisClass() { return &CObject::classCObject; }
CRuntimeClass* PASCAL CObject::_GetBaseClass() { return nullptr; }
CRuntimeClass* CObject::GetRuntimeClass() const { return &CObject::classCObject; }

CObject::~CObject() {}

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

void CObject::Serialize(CArchive&) {}

void CObject::AssertValid() const {}

void CObject::Dump(CDumpContext& dc) const
{
    dc << "a " << GetRuntimeClass()->m_lpszClassName << " at " << static_cast<const void*>(this) << "\n";
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return (pObject != nullptr && pObject->IsKindOf(pClass)) ? pObject : nullptr;
}
