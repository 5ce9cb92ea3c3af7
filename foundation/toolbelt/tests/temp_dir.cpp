#include "temp_dir.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((dir + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = dir + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + "\\");
            else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(dir.c_str());
}

} // namespace

TempDir::TempDir()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int serial = 0;
    for (;;) {
        std::ostringstream name;
        name << base << "tbtest_" << GetCurrentProcessId() << "_" << ++serial << "_" << GetTickCount();
        if (CreateDirectoryA(name.str().c_str(), nullptr)) {
            m_path = name.str() + "\\";
            return;
        }
    }
}

TempDir::~TempDir()
{
    RemoveTree(m_path);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
