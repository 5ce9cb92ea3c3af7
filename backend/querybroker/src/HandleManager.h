// The real-time registration store: code -> key -> the windows registered, in registration
// order and without duplicates. Used on the user-interface thread only.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>
#include <afxcoll.h>

typedef CArray<HWND, HWND> CHandleArray;
typedef CMap<CString, const char*, CHandleArray*, CHandleArray*> CMapStringToHandle;
typedef CMap<WORD, WORD, CMapStringToHandle*, CMapStringToHandle*> CMapTRCodeToHandle;

class CHandleManager : public CMapTRCodeToHandle
{
public:
    CHandleManager();
    ~CHandleManager();

    // The windows of (code, key), or null.
    CHandleArray* Find(WORD code, const char* key) const;
    BOOL Contains(WORD code, const char* key, HWND window) const;
    // TRUE when window is registered for any code and key.
    BOOL HasWindow(HWND window) const;
    // Adds window to (code, key) unless it is there; TRUE when the key was new for the code.
    BOOL Add(WORD code, const char* key, HWND window);
    // Takes window off (code, key); TRUE when that left the key without windows (the key, and
    // a code without keys, are then removed).
    BOOL Remove(WORD code, const char* key, HWND window);
    // Every registered (code, key) pair.
    void GetPairs(CArray<WORD, WORD>& codes, CStringArray& keys) const;
    void RemoveEverything();

private:
    // Calls visit(code, key, windows) for every registered key.
    template <class Visit>
    void ForEachKey(Visit visit) const;
};
