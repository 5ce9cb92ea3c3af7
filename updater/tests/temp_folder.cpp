#include "temp_folder.h"

#include <windows.h>
#include <fstream>
#include <sstream>

#include "folder_ops.h"

TempFolder::TempFolder(const char* prefix)
{
    char base[MAX_PATH] = "";
    GetTempPathA(sizeof(base), base);
    static LONG counter = 0;
    for (int attempt = 0;; ++attempt)
    {
        char name[MAX_PATH];
        snprintf(name, sizeof(name), "%s%s-%lu-%ld-%d", base, prefix, GetCurrentProcessId(),
                 InterlockedIncrement(&counter), attempt);
        if (CreateDirectoryA(name, nullptr))
        {
            m_path = WithBackslash(name);
            return;
        }
    }
}

TempFolder::~TempFolder()
{
    DeleteFolderTree(m_path + "*.*");
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), (std::streamsize)bytes.size());
    return out.good();
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool FileExists(const std::string& path)
{
    return GetPathKind(path) == PATH_FILE;
}

bool FolderExists(const std::string& path)
{
    return GetPathKind(path) == PATH_FOLDER;
}

static void Walk(const std::string& root, const std::string& relative, TreeSnapshot& snapshot)
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((root + relative + "*.*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do
    {
        std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = relative + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            snapshot[path] = "<folder>";
            Walk(root, path + "\\", snapshot);
        }
        else
        {
            std::string content = ReadBytes(root + path);
            DWORD odd = found.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
            if (odd)
                content += "<attributes " + std::to_string(odd) + ">";
            snapshot[path] = content;
        }
    } while (FindNextFileA(find, &found));
    FindClose(find);
}

TreeSnapshot SnapshotTree(const std::string& folder)
{
    TreeSnapshot snapshot;
    Walk(WithBackslash(folder), "", snapshot);
    return snapshot;
}

std::string DiffTrees(const TreeSnapshot& before, const TreeSnapshot& after)
{
    std::string diff;
    for (const auto& entry : before)
    {
        auto other = after.find(entry.first);
        if (other == after.end())
            diff += "missing: " + entry.first + "\n";
        else if (other->second != entry.second)
            diff += "changed: " + entry.first + "\n";
    }
    for (const auto& entry : after)
        if (!before.count(entry.first))
            diff += "added: " + entry.first + "\n";
    return diff;
}

std::string ModuleFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string text = path;
    return text.substr(0, text.rfind('\\') + 1);
}

void* StartProcess(const std::string& exe)
{
    STARTUPINFOA si = {sizeof(si)};
    PROCESS_INFORMATION pi;
    std::string command = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return nullptr;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}
