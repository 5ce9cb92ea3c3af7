// Install roots of their own for runs of the terminal: the staged tree copied, its settings
// pointed at the local peers.
#include "TerminalDriver.h"

#include <cstdio>

namespace terminal {

namespace {

std::string Folder(std::string path)
{
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path;
}

} // namespace

bool CopyInstallTree(const std::string& fromFolder, const std::string& toFolder)
{
    const std::string from = Folder(fromFolder), to = Folder(toFolder);
    if (!::CreateDirectoryA(to.c_str(), NULL) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((from + "*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    bool copied = true;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            copied = CopyInstallTree(from + name, to + name) && copied;
        else
            copied = ::CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE) && copied;
    } while (::FindNextFileA(find, &found));
    ::FindClose(find);
    return copied;
}

bool WriteSystemIni(const std::string& root, int serverPort, const std::string& exchangeURL, int versionPort)
{
    std::string ini = "[SERVER]\r\nIP=127.0.0.1\r\nPORT=" + std::to_string(serverPort) + "\r\n[EXCHANGE]\r\nBASEURL=" +
                      exchangeURL + "\r\n";
    if (versionPort != 0)
        ini += "[VERSION]\r\nSERVER=127.0.0.1:" + std::to_string(versionPort) + "\r\n";
    FILE* file = fopen((Folder(root) + "User\\system.ini").c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = fwrite(ini.data(), 1, ini.size(), file) == ini.size();
    return fclose(file) == 0 && written;
}

} // namespace terminal
