// The GCC runtime DLLs beside a test program, for tests that copy a program into a temporary
// install root. Their names differ per target (i686 unwinds with DWARF-2, x86_64 with SEH),
// so they are found, not named.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

inline std::vector<std::string> GccRuntimeDlls(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "lib*.dll").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}
