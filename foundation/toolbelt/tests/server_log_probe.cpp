// The server log of a test program, read back.
#include "server_log_probe.h"

#include <windows.h>

#include <fstream>
#include <sstream>

#include "Utils.h"

namespace {

const std::string& LogFolder()
{
    static const std::string folder = [] {
        char temp[MAX_PATH] = {0};
        ::GetTempPathA(MAX_PATH, temp);
        const std::string path = std::string(temp) + "server_log_" + std::to_string(::GetCurrentProcessId()) + "_" +
                                 std::to_string(::GetTickCount());
        CUtils::LogServer_SetFilePath(path.c_str(), "System");
        return path;
    }();
    return folder;
}

} // namespace

std::string ServerLogText()
{
    std::string all;
    const std::string folder = LogFolder() + "\\";
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "*.log").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return all;
    do {
        std::ifstream in(folder + found.cFileName, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        all += text.str();
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return all;
}
