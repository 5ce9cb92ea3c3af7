// The one handle-to-object map behind CWnd, CMenu, CDC and CGdiObject::FromHandle.
#pragma once

#include <windows.h>

#include <atomic>
#include <unordered_map>
#include <vector>

// Temporary objects of one thread for one kind of handle: made for handles nobody attached,
// valid until the thread's idle time or its end, never owning their handles.
template <class H, class T>
struct AfxTempObjects_
{
    std::unordered_map<H, T*> live;
    std::vector<T*> retired; // replaced while a caller may still hold them
};

// Permanent objects (attached to their handles) are process-wide, so an object attached on one
// thread is found from another; they sit under one reader-writer lock. Temporary objects sit in
// the asking thread's state and need no lock.
template <class H, class T>
class AfxHandleMap_
{
public:
    typedef T* (*PFN_MAKE)(H h);          // an unattached object of the right kind for h
    typedef bool (*PFN_FITS)(T* p, H h);  // a temporary object still fits h (a handle value may
                                          // come back for an object of another kind)
    typedef void (*PFN_RELEASE)(T* p);    // lets go of the handle and deletes the object

    AfxHandleMap_(PFN_MAKE pfnMake, PFN_FITS pfnFits, PFN_RELEASE pfnRelease)
        : m_pfnMake(pfnMake), m_pfnFits(pfnFits), m_pfnRelease(pfnRelease), m_nTemporaries(0)
    {
        ::InitializeSRWLock(&m_lock);
    }

    T* FindPermanent(H h)
    {
        if (h == NULL)
            return NULL;
        ::AcquireSRWLockShared(&m_lock);
        auto it = m_permanent.find(h);
        T* p = it == m_permanent.end() ? NULL : it->second;
        ::ReleaseSRWLockShared(&m_lock);
        return p;
    }

    void SetPermanent(H h, T* p)
    {
        ::AcquireSRWLockExclusive(&m_lock);
        m_permanent[h] = p;
        ::ReleaseSRWLockExclusive(&m_lock);
    }

    // Removes h only while it still names p (another object may have attached it since).
    void RemovePermanent(H h, T* p)
    {
        ::AcquireSRWLockExclusive(&m_lock);
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == p)
            m_permanent.erase(it);
        ::ReleaseSRWLockExclusive(&m_lock);
    }

    // The permanent object of h, else the thread's temporary one (made on first request).
    T* FromHandle(H h, AfxTempObjects_<H, T>& temps)
    {
        if (h == NULL)
            return NULL;
        if (T* p = FindPermanent(h))
            return p;
        auto it = temps.live.find(h);
        if (it != temps.live.end()) {
            if (m_pfnFits(it->second, h))
                return it->second;
            temps.retired.push_back(it->second);
            temps.live.erase(it);
        }
        T* p = m_pfnMake(h);
        temps.live[h] = p;
        ++m_nTemporaries;
        return p;
    }

    void DeleteTemporaries(AfxTempObjects_<H, T>& temps)
    {
        // Moved out first: a destructor may ask for another temporary object.
        AfxTempObjects_<H, T> doomed;
        doomed.live.swap(temps.live);
        doomed.retired.swap(temps.retired);
        for (auto& entry : doomed.live)
            Release(entry.second);
        for (T* p : doomed.retired)
            Release(p);
    }

    // Temporary objects alive in the process.
    int TemporaryCount() const { return m_nTemporaries.load(); }

private:
    void Release(T* p)
    {
        m_pfnRelease(p);
        --m_nTemporaries;
    }

    PFN_MAKE m_pfnMake;
    PFN_FITS m_pfnFits;
    PFN_RELEASE m_pfnRelease;
    SRWLOCK m_lock;
    std::unordered_map<H, T*> m_permanent;
    std::atomic<int> m_nTemporaries;
};
