#include "folder_ops.h"

#include <windows.h>

#include "safe_names.h"

bool IsAbsolutePath(const std::string& path)
{
    if (path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
        path[1] == ':' && path[2] == '\\')
        return true;
    return path.size() > 2 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
}

std::string WithBackslash(const std::string& path)
{
    std::string result = path;
    while (!result.empty() && (result.back() == '\\' || result.back() == '/'))
        result.pop_back();
    return result + "\\";
}

static std::string UpperFolder(const std::string& path)
{
    std::string upper = WithBackslash(path);
    CharUpperBuffA(&upper[0], (DWORD)upper.size());
    return upper;
}

bool IsInFolder(const std::string& path, const std::string& folder)
{
    std::string upperFolder = UpperFolder(folder);
    return UpperFolder(path).compare(0, upperFolder.size(), upperFolder) == 0;
}

PathKind GetPathKind(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return PATH_MISSING;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PATH_FOLDER : PATH_FILE;
}

std::string SystemErrorText(unsigned long code)
{
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), (LPSTR)&text, 0, nullptr);
    std::string result = text ? text : "";
    if (text)
        LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    if (result.empty())
        result = "error " + std::to_string(code);
    return result;
}

bool EnsureFolder(const std::string& path, std::vector<std::string>* created)
{
    std::vector<std::string> levels = SplitLevels(path, "\\/");
    std::string current;
    bool exists = false;
    for (size_t i = 0; i < levels.size(); ++i)
    {
        if (levels[i].empty())
        {
            // Leading "\\" of a share, or a trailing backslash.
            if (i + 1 < levels.size())
                current += '\\';
            continue;
        }
        current += levels[i];
        bool isDrive = i == 0 && levels[i].size() == 2 && levels[i][1] == ':';
        bool isShare = current.compare(0, 2, "\\\\") == 0 && SplitLevels(current.substr(2), "\\").size() < 2;
        if (isDrive || isShare)
        {
            current += '\\';
            exists = true;
            continue;
        }
        if (GetPathKind(current) != PATH_FOLDER)
        {
            exists = CreateDirectoryA(current.c_str(), nullptr) != FALSE;
            if (exists && created)
                created->push_back(current);
        }
        else
            exists = true;
        current += '\\';
    }
    return exists;
}

// Removes a folder link without touching what it points at. Windows removes folder links as
// folders; Wine shows Unix symbolic links as folder reparse points and removes them as files.
static bool RemoveLink(const std::string& path)
{
    return RemoveDirectoryA(path.c_str()) || DeleteFileA(path.c_str());
}

static bool DeleteTreeContent(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "*.*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return true;
    bool complete = true;
    do
    {
        std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = folder + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
            SetFileAttributesA(path.c_str(), found.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            // A junction or folder link is removed as itself; its target is left alone.
            if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
                complete = RemoveLink(path) && complete;
            else
                complete = DeleteTreeContent(path + "\\") && RemoveDirectoryA(path.c_str()) && complete;
        }
        else
            complete = DeleteFileA(path.c_str()) && complete;
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return complete;
}

bool FolderHoldsFiles(const std::string& folder)
{
    const std::string base = WithBackslash(folder);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((base + "*.*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    bool holds = false;
    do
    {
        std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        bool plainFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                           !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
        holds = !plainFolder || FolderHoldsFiles(base + name);
    } while (!holds && FindNextFileA(find, &found));
    FindClose(find);
    return holds;
}

bool DeleteFolderTree(const std::string& pattern)
{
    std::string folder = pattern;
    if (folder.size() >= 3 && folder.compare(folder.size() - 3, 3, "*.*") == 0)
        folder.erase(folder.size() - 3);
    folder = WithBackslash(folder);
    if (pattern.empty() || !IsAbsolutePath(folder))
        return false;
    std::vector<std::string> levels = SplitLevels(folder.substr(0, folder.size() - 1), "\\");
    size_t named = 0;
    for (const std::string& level : levels)
    {
        // Only dots (and blanks, which Windows drops): "C:\Molvane\..\..\" names a root as
        // surely as "C:\" does.
        if (!level.empty() && level.find_first_not_of(". ") == std::string::npos)
            return false;
        named += level.empty() ? 0 : 1;
    }
    if (named < 2 || (folder[0] == '\\' && named < 3)) // a drive root or a share root
        return false;

    // Asked without the trailing backslash, which would look through a link.
    std::string bare = folder.substr(0, folder.size() - 1);
    DWORD attributes = GetFileAttributesA(bare.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return RemoveLink(bare);
    DeleteTreeContent(folder);
    Sleep(1);
    RemoveDirectoryA(bare.c_str());
    return GetFileAttributesA(bare.c_str()) == INVALID_FILE_ATTRIBUTES;
}
