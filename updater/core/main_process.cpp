#include "main_process.h"

#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <string.h>
#include <tlhelp32.h>
#include <vector>

const char MAIN_PROGRAM_NAME[] = "Molvane.exe";

namespace {

const char* BaseName(const char* path)
{
    const char* slash = strrchr(path, '\\');
    return slash ? slash + 1 : path;
}

std::wstring Widen(const std::string& text)
{
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? n : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], n);
    wide.resize(wcslen(wide.c_str()));
    return wide;
}

std::wstring CanonicalPath(const std::string& path)
{
    std::wstring wide = Widen(path);
    wchar_t full[MAX_PATH * 2], longer[MAX_PATH * 2];
    if (!GetFullPathNameW(wide.c_str(), MAX_PATH * 2, full, nullptr))
        return wide;
    if (GetLongPathNameW(full, longer, MAX_PATH * 2))
        return longer;
    return full;
}

bool ImagePathOf(DWORD pid, std::string& image)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process)
        return false;
    char path[MAX_PATH * 2] = "";
    DWORD size = sizeof(path);
    bool found = QueryFullProcessImageNameA(process, 0, path, &size) != FALSE;
    CloseHandle(process);
    if (found)
        image = path;
    return found;
}

// The process is the main program of this install: terminate it and wait for its end.
bool StopIfMain(DWORD pid, const char* exeName, const std::string& mainExe, unsigned long waitMs, int& found)
{
    if (lstrcmpiA(BaseName(exeName), MAIN_PROGRAM_NAME) != 0)
        return false;
    std::string image;
    if (!ImagePathOf(pid, image) || !IsSameExecutable(image, mainExe))
        return false;
    found = 1;
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!process)
        return true;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, waitMs);
    CloseHandle(process);
    return true;
}

} // namespace

bool IsSameExecutable(const std::string& a, const std::string& b)
{
    std::wstring left = CanonicalPath(a), right = CanonicalPath(b);
    return CompareStringOrdinal(left.c_str(), -1, right.c_str(), -1, TRUE) == CSTR_EQUAL;
}

int WindowsKindOf(unsigned long platformId, unsigned long major, unsigned long minor)
{
    if (platformId == VER_PLATFORM_WIN32_NT)
    {
        if (major == 5 && minor == 0)
            return 5;
        if (major == 5 && minor == 1)
            return 6;
        return 4;
    }
    if (platformId == VER_PLATFORM_WIN32_WINDOWS && major == 4)
        return minor == 0 ? 1 : minor == 10 ? 2 : minor == 90 ? 3 : 7;
    return 7;
}

int GetWindowsKind(char* description)
{
    OSVERSIONINFOEXA info;
    memset(&info, 0, sizeof(info));
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    if (!GetVersionExA((OSVERSIONINFOA*)&info))
    {
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!GetVersionExA((OSVERSIONINFOA*)&info))
            return 0;
    }
    int kind = WindowsKindOf(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
    if (description)
        snprintf(description, 128, "Windows %lu.%lu build %lu", info.dwMajorVersion, info.dwMinorVersion,
                 info.dwBuildNumber);
    return kind;
}

int StopMainProgramByProcessList(const std::string& mainExe, unsigned long waitMs)
{
    HMODULE psapi = LoadLibraryA("Psapi.dll");
    if (!psapi)
        return 0;
    typedef BOOL(WINAPI * EnumProcessesFn)(DWORD*, DWORD, DWORD*);
    typedef BOOL(WINAPI * EnumProcessModulesFn)(HANDLE, HMODULE*, DWORD, DWORD*);
    typedef DWORD(WINAPI * GetModuleBaseNameFn)(HANDLE, HMODULE, LPSTR, DWORD);
    EnumProcessesFn enumProcesses = (EnumProcessesFn)(void*)GetProcAddress(psapi, "EnumProcesses");
    EnumProcessModulesFn enumModules = (EnumProcessModulesFn)(void*)GetProcAddress(psapi, "EnumProcessModules");
    GetModuleBaseNameFn baseName = (GetModuleBaseNameFn)(void*)GetProcAddress(psapi, "GetModuleBaseNameA");
    if (!enumProcesses || !enumModules || !baseName)
    {
        FreeLibrary(psapi);
        return 0;
    }
    // Grow the id list until it is not full, so that no process is missed.
    std::vector<DWORD> ids(256);
    DWORD bytes = 0;
    for (;;)
    {
        if (!enumProcesses(ids.data(), (DWORD)(ids.size() * sizeof(DWORD)), &bytes))
        {
            FreeLibrary(psapi);
            return 0;
        }
        if (bytes < ids.size() * sizeof(DWORD) || ids.size() >= 65536)
            break;
        ids.resize(ids.size() * 2);
    }
    int found = 0;
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i)
    {
        char name[MAX_PATH] = "";
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ids[i]);
        if (process)
        {
            HMODULE first;
            DWORD needed;
            if (enumModules(process, &first, sizeof(first), &needed))
                baseName(process, first, name, sizeof(name));
            CloseHandle(process);
        }
        StopIfMain(ids[i], name, mainExe, waitMs, found);
    }
    FreeLibrary(psapi);
    return found;
}

int StopMainProgramBySnapshot(const std::string& mainExe, unsigned long waitMs)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof(entry);
    int found = 0;
    if (!Process32First(snapshot, &entry))
    {
        CloseHandle(snapshot);
        return 0;
    }
    do
        StopIfMain(entry.th32ProcessID, entry.szExeFile, mainExe, waitMs, found);
    while (Process32Next(snapshot, &entry));
    CloseHandle(snapshot);
    return found;
}

bool IsMainProgramRunning(const std::string& mainExe)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof(entry);
    bool running = false;
    if (Process32First(snapshot, &entry))
    {
        do
        {
            std::string image;
            if (lstrcmpiA(BaseName(entry.szExeFile), MAIN_PROGRAM_NAME) == 0 &&
                ImagePathOf(entry.th32ProcessID, image) && IsSameExecutable(image, mainExe))
                running = true;
        } while (!running && Process32Next(snapshot, &entry));
    }
    CloseHandle(snapshot);
    return running;
}
