// Internals shared by the window layer's sources.
#pragma once

#include "afxwin.h"

#include <unordered_map>

// Temporary objects of one thread.
struct AfxTempWndMap_
{
    std::unordered_map<HWND, CWnd*> wnds;
    std::unordered_map<HMENU, CMenu*> menus;
};
void AfxDeleteTempMenus_(AfxTempWndMap_* map);

// Handle to attached object, shared by all threads.
template <class H, class T>
class AfxPermanentMap_
{
public:
    AfxPermanentMap_() { ::InitializeCriticalSection(&m_lock); }
    ~AfxPermanentMap_() { ::DeleteCriticalSection(&m_lock); }
    T* Find(H h)
    {
        ::EnterCriticalSection(&m_lock);
        auto it = m_objects.find(h);
        T* p = it == m_objects.end() ? NULL : it->second;
        ::LeaveCriticalSection(&m_lock);
        return p;
    }
    void Add(H h, T* p)
    {
        ::EnterCriticalSection(&m_lock);
        m_objects[h] = p;
        ::LeaveCriticalSection(&m_lock);
    }
    // Removes h only while it still names p.
    void Remove(H h, T* p)
    {
        ::EnterCriticalSection(&m_lock);
        auto it = m_objects.find(h);
        if (it != m_objects.end() && it->second == p)
            m_objects.erase(it);
        ::LeaveCriticalSection(&m_lock);
    }

private:
    CRITICAL_SECTION m_lock;
    std::unordered_map<H, T*> m_objects;
};

// The thread's temporary object for h, made on first request.
template <class H, class T>
T* AfxFindOrMakeTemp_(std::unordered_map<H, T*>& temps, H h, H T::*pHandle)
{
    auto it = temps.find(h);
    if (it != temps.end())
        return it->second;
    T* p = new T;
    p->*pHandle = h;
    temps[h] = p;
    return p;
}

// Deletes the temporary objects; they never own their handles.
template <class H, class T>
void AfxDeleteTemps_(std::unordered_map<H, T*>& temps, H T::*pHandle)
{
    // Move them out first: a destructor may ask for another temporary object.
    std::unordered_map<H, T*> doomed;
    doomed.swap(temps);
    for (auto& entry : doomed) {
        entry.second->*pHandle = NULL;
        delete entry.second;
    }
}

// The window's procedure is the framework's.
inline bool AfxIsFrameworkProc_(HWND hWnd)
{
    return (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == AfxGetAfxWndProc();
}

// The top-level ancestor of hWnd through parents and owners.
inline HWND AfxGetTopLevel_(HWND hWnd)
{
    HWND hTop = hWnd;
    for (HWND h = hWnd; h != NULL; h = ::GetParent(h))
        hTop = h;
    return hTop;
}

// The instance with which the window class lpszClass was registered: the application's, this
// layer's, or an extension library's; hDefault when none of them has it (system classes).
HINSTANCE AfxFindClassInstance_(LPCTSTR lpszClass, HINSTANCE hDefault);

// Every module of the resource chain in search order (program's resource module first).
int AfxGetChainModules_(HMODULE* phModules, int nMax);

// The layer's own module handle.
HINSTANCE AfxGetPlatformModule_();

// Centres a just-initialised dialog as the framework does (see wndproc.cpp).
void AfxPostInitDialog_(CWnd* pWnd, const RECT& rectOld, DWORD dwStyleOld);
