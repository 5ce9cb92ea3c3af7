#include "HandleManager.h"

namespace {

const UINT kBuckets = 17;
const INT_PTR kBlockSize = 10;

} // namespace

CHandleManager::CHandleManager() : CMapTRCodeToHandle(kBlockSize)
{
    InitHashTable(kBuckets);
}

CHandleManager::~CHandleManager()
{
    RemoveEverything();
}

CHandleArray* CHandleManager::Find(WORD code, const char* key) const
{
    CMapStringToHandle* keys = NULL;
    CHandleArray* windows = NULL;
    if (key == NULL || !Lookup(code, keys) || keys == NULL || !keys->Lookup(key, windows))
        return NULL;
    return windows;
}

BOOL CHandleManager::Contains(WORD code, const char* key, HWND window) const
{
    const CHandleArray* windows = Find(code, key);
    if (windows == NULL)
        return FALSE;
    for (INT_PTR i = 0; i < windows->GetSize(); ++i)
        if (windows->GetAt(i) == window)
            return TRUE;
    return FALSE;
}

BOOL CHandleManager::Add(WORD code, const char* key, HWND window)
{
    CMapStringToHandle* keys = NULL;
    if (!Lookup(code, keys) || keys == NULL) {
        keys = new CMapStringToHandle(kBlockSize);
        keys->InitHashTable(kBuckets);
        SetAt(code, keys);
    }
    CHandleArray* windows = NULL;
    BOOL isNew = FALSE;
    if (!keys->Lookup(key, windows) || windows == NULL) {
        windows = new CHandleArray;
        keys->SetAt(key, windows);
        isNew = TRUE;
    }
    for (INT_PTR i = 0; i < windows->GetSize(); ++i)
        if (windows->GetAt(i) == window)
            return isNew;
    windows->Add(window);
    return isNew;
}

BOOL CHandleManager::Remove(WORD code, const char* key, HWND window)
{
    CMapStringToHandle* keys = NULL;
    CHandleArray* windows = NULL;
    if (!Lookup(code, keys) || keys == NULL || !keys->Lookup(key, windows) || windows == NULL)
        return FALSE;
    for (INT_PTR i = 0; i < windows->GetSize(); ++i)
        if (windows->GetAt(i) == window) {
            windows->RemoveAt(i);
            break;
        }
    if (windows->GetSize() != 0)
        return FALSE;
    delete windows;
    keys->RemoveKey(key);
    if (keys->IsEmpty()) {
        delete keys;
        RemoveKey(code);
    }
    return TRUE;
}

template <class Visit>
void CHandleManager::ForEachKey(Visit visit) const
{
    POSITION pos = GetStartPosition();
    while (pos != NULL) {
        WORD code = 0;
        CMapStringToHandle* keyMap = NULL;
        GetNextAssoc(pos, code, keyMap);
        if (keyMap == NULL)
            continue;
        POSITION keyPos = keyMap->GetStartPosition();
        while (keyPos != NULL) {
            CString key;
            CHandleArray* windows = NULL;
            keyMap->GetNextAssoc(keyPos, key, windows);
            visit(code, key, windows);
        }
    }
}

BOOL CHandleManager::HasWindow(HWND window) const
{
    BOOL found = FALSE;
    ForEachKey([&](WORD, const CString&, CHandleArray* windows) {
        for (INT_PTR i = 0; windows != NULL && !found && i < windows->GetSize(); ++i)
            found = windows->GetAt(i) == window;
    });
    return found;
}

void CHandleManager::GetPairs(CArray<WORD, WORD>& codes, CStringArray& keys) const
{
    codes.RemoveAll();
    keys.RemoveAll();
    ForEachKey([&](WORD code, const CString& key, CHandleArray*) {
        codes.Add(code);
        keys.Add(key);
    });
}

void CHandleManager::RemoveEverything()
{
    ForEachKey([](WORD, const CString&, CHandleArray* windows) { delete windows; });
    POSITION pos = GetStartPosition();
    while (pos != NULL) {
        WORD code = 0;
        CMapStringToHandle* keyMap = NULL;
        GetNextAssoc(pos, code, keyMap);
        delete keyMap;
    }
    RemoveAll();
}
