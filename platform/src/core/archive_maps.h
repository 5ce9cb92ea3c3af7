// Object and class indexes of an archive (shared by the storing and loading halves).
#pragma once

#include <windows.h>

#include <unordered_map>
#include <vector>

struct CArchiveMaps
{
    struct LoadEntry
    {
        void* p;     // CRuntimeClass* or CObject* (null at index 0)
        UINT schema; // schema read with a class record
        bool isClass;
    };

    // Storing: object or class address to its index. Index 0 is the null reference.
    std::unordered_map<const void*, DWORD> store;
    DWORD nextIndex = 1;
    // Loading: index to what was read.
    std::vector<LoadEntry> load{LoadEntry{nullptr, 0, false}};
    // Loading: objects being read inside one another.
    UINT depth = 0;
};
