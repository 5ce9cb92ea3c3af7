#include "updater_settings.h"

#include <windows.h>
#include <stdlib.h>

#include "main_process.h"
#include "safe_names.h"
#include "version_list.h"

std::string UpdaterSettings::MainProgramPath() const
{
    return binFolder + MAIN_PROGRAM_NAME;
}

std::string InstallRootOf(const std::string& modulePath)
{
    std::vector<std::string> levels = SplitLevels(modulePath, "\\");
    std::string root;
    for (size_t i = 0; i + 2 < levels.size(); ++i)
        root += levels[i] + "\\";
    return root;
}

bool ParseServerAddress(const std::string& text, std::string& host, int& port)
{
    std::string value = TrimText(text);
    size_t colon = value.find(':');
    std::string address = TrimText(value.substr(0, colon));
    int parsed = VERSION_SERVER_PORT;
    if (colon != std::string::npos)
    {
        std::string digits = TrimText(value.substr(colon + 1));
        char* end = nullptr;
        long n = strtol(digits.c_str(), &end, 10);
        if (digits.empty() || *end != '\0' || n < 1 || n > 65535)
            return false;
        parsed = (int)n;
    }
    if (address.empty() || address.find_first_not_of("0123456789.") != std::string::npos)
        return false;
    host = address;
    port = parsed;
    return true;
}

UpdaterSettings LoadUpdaterSettings()
{
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, sizeof(module));
    UpdaterSettings settings;
    settings.installRoot = InstallRootOf(module);
    std::string path = module;
    settings.binFolder = path.substr(0, path.rfind('\\') + 1);
    settings.serverHost = "127.0.0.1";
    settings.serverPort = VERSION_SERVER_PORT;
    settings.replyTimeoutMs = 30000;
    settings.stopWaitMs = 10000;

    char value[256] = "";
    std::string ini = settings.installRoot + "User\\system.ini";
    GetPrivateProfileStringA("VERSION", "SERVER", "", value, sizeof(value), ini.c_str());
    if (value[0])
        ParseServerAddress(value, settings.serverHost, settings.serverPort);
    return settings;
}
