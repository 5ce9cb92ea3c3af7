// Synchronisation objects over Win32 kernel objects and critical sections.
#pragma once

#include "afx.h"

class AFX_PLATFORM_API CSyncObject : public CObject
{
    DECLARE_DYNAMIC(CSyncObject)
public:
    explicit CSyncObject(LPCSTR pstrName);
    virtual ~CSyncObject();

    operator HANDLE() const { return m_hObject; }

    // TRUE when the object was acquired (an abandoned mutex counts) within dwTimeout ms.
    virtual BOOL Lock(DWORD dwTimeout = INFINITE);
    virtual BOOL Unlock() = 0;
    virtual BOOL Unlock(LONG lCount, LPLONG lpPrevCount = NULL);

    HANDLE m_hObject;
};

// Creation failures of the kernel objects throw CResourceException.
class AFX_PLATFORM_API CSemaphore : public CSyncObject
{
    DECLARE_DYNAMIC(CSemaphore)
public:
    CSemaphore(LONG lInitialCount = 1, LONG lMaxCount = 1, LPCSTR pstrName = NULL,
               LPSECURITY_ATTRIBUTES lpsaAttributes = NULL);
    virtual ~CSemaphore();
    virtual BOOL Unlock();
    virtual BOOL Unlock(LONG lCount, LPLONG lprevCount = NULL);
};

class AFX_PLATFORM_API CMutex : public CSyncObject
{
    DECLARE_DYNAMIC(CMutex)
public:
    CMutex(BOOL bInitiallyOwn = FALSE, LPCSTR lpszName = NULL, LPSECURITY_ATTRIBUTES lpsaAttribute = NULL);
    virtual ~CMutex();
    virtual BOOL Unlock();
};

class AFX_PLATFORM_API CEvent : public CSyncObject
{
    DECLARE_DYNAMIC(CEvent)
public:
    // bInitiallyOwn: created signalled. bManualReset: stays signalled until ResetEvent.
    CEvent(BOOL bInitiallyOwn = FALSE, BOOL bManualReset = FALSE, LPCSTR lpszName = NULL,
           LPSECURITY_ATTRIBUTES lpsaAttribute = NULL);
    virtual ~CEvent();
    BOOL SetEvent();
    BOOL PulseEvent();
    BOOL ResetEvent();
    virtual BOOL Unlock();
};

class AFX_PLATFORM_API CCriticalSection : public CSyncObject
{
    DECLARE_DYNAMIC(CCriticalSection)
public:
    // Throws CMemoryException when the critical section cannot be initialised.
    CCriticalSection();
    virtual ~CCriticalSection();

    operator CRITICAL_SECTION*() { return &m_sect; }
    BOOL Lock();
    // Critical sections have no timeout; the wait is unbounded whatever dwTimeout says.
    virtual BOOL Lock(DWORD dwTimeout);
    virtual BOOL Unlock();

    CRITICAL_SECTION m_sect;
};

class AFX_PLATFORM_API CSingleLock
{
public:
    explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
    ~CSingleLock();

    BOOL Lock(DWORD dwTimeOut = INFINITE);
    BOOL Unlock();
    BOOL Unlock(LONG lCount, LPLONG lPrevCount = NULL);
    BOOL IsLocked() { return m_bAcquired; }

protected:
    CSyncObject* m_pObject;
    HANDLE m_hObject;
    BOOL m_bAcquired;

private:
    CSingleLock(const CSingleLock&) = delete;
    void operator=(const CSingleLock&) = delete;
};

class AFX_PLATFORM_API CMultiLock
{
public:
    // At most MAXIMUM_WAIT_OBJECTS kernel objects (no critical sections).
    CMultiLock(CSyncObject* ppObjects[], DWORD dwCount, BOOL bInitialLock = FALSE);
    ~CMultiLock();

    // Returns the wait result (WAIT_OBJECT_0 + i, WAIT_ABANDONED_0 + i, WAIT_TIMEOUT, ...).
    DWORD Lock(DWORD dwTimeOut = INFINITE, BOOL bWaitForAll = TRUE, DWORD dwWakeMask = 0);
    BOOL Unlock();
    BOOL Unlock(LONG lCount, LPLONG lPrevCount = NULL);
    BOOL IsLocked(DWORD dwItem);

protected:
    HANDLE m_hPreallocated[8];
    BOOL m_bPreallocated[8];
    CSyncObject* const* m_ppObjectArray;
    HANDLE* m_pHandleArray;
    BOOL* m_bLockedArray;
    DWORD m_dwCount;

private:
    CMultiLock(const CMultiLock&) = delete;
    void operator=(const CMultiLock&) = delete;
};
