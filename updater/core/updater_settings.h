// Where the updater works and whom it talks to.
#pragma once

#include <string>

const int VERSION_SERVER_PORT = 8088;

struct UpdaterSettings
{
    std::string installRoot;  // with a trailing backslash
    std::string binFolder;    // the updater's own folder, with a trailing backslash
    std::string serverHost;   // IPv4 address of the version server
    int serverPort;
    unsigned long replyTimeoutMs; // longest silence of the server while a reply is due
    unsigned long stopWaitMs;     // longest wait for a stopped main program to end

    std::string SystemFolder() const { return installRoot + "System\\"; }
    std::string TempFolder() const { return installRoot + "Temp\\"; }
    std::string MainProgramPath() const;
};

// The install root of a module path: all levels but the last two, each followed by a
// backslash ("C:\Molvane\Bin\PatchRunner.exe" -> "C:\Molvane\").
std::string InstallRootOf(const std::string& modulePath);

// Settings of the running program: folders from its module path, the version server from
// "User\system.ini", section [VERSION], key SERVER = "address[:port]"
// (default 127.0.0.1:8088).
UpdaterSettings LoadUpdaterSettings();

// Parses "address[:port]"; false leaves host and port unchanged.
bool ParseServerAddress(const std::string& text, std::string& host, int& port);
