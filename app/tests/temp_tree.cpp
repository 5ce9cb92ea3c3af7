#include "TempTree.h"

#include <windows.h>

TempTree::TempTree()
{
    char base[MAX_PATH] = "";
    ::GetTempPathA(sizeof base, base);
    static LONG counter = 0;
    for (;;) {
        char name[MAX_PATH];
        wsprintfA(name, "%smolvane-app-%lu-%ld\\", base, ::GetCurrentProcessId(), ::InterlockedIncrement(&counter));
        if (::CreateDirectoryA(name, nullptr)) {
            m_path = name;
            return;
        }
    }
}

TempTree::~TempTree()
{
    RemoveTree(m_path);
}

std::string TempTree::MakeFolder(const std::string& name) const
{
    std::string path = m_path;
    size_t start = 0;
    while (start < name.size()) {
        size_t end = name.find('\\', start);
        if (end == std::string::npos)
            end = name.size();
        path += name.substr(start, end - start) + "\\";
        ::CreateDirectoryA(path.c_str(), nullptr);
        start = end + 1;
    }
    return path;
}

std::string TempTree::Write(const std::string& name, const std::string& bytes) const
{
    const size_t slash = name.rfind('\\');
    if (slash != std::string::npos)
        MakeFolder(name.substr(0, slash));
    const std::string path = m_path + name;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
        ::CloseHandle(file);
    }
    return path;
}

std::string TempTree::Read(const std::string& name) const
{
    return ReadWholeFile(m_path + name);
}

bool TempTree::Exists(const std::string& name) const
{
    return ::GetFileAttributesA((m_path + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadWholeFile(const std::string& path)
{
    std::string bytes;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    ::CloseHandle(file);
    return bytes;
}

void RemoveTree(const std::string& path)
{
    if (path.empty())
        return;
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((path + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = path + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child + "\\");
            else {
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(find, &found));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(path.c_str());
}
