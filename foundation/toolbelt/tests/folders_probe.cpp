// Run by test_toolbelt_folders from a temporary install root: writes the folders it finds, one a
// line, into the file named by its argument, and two lines into the root's day log.
#include <stdio.h>
#include <string>

#include "InstallFolders.h"
#include "InstallLog.h"
#include "LocalClock.h"

namespace {
void ProbeClock(SYSTEMTIME* now)
{
    *now = SYSTEMTIME{2026, 12, 3, 9, 12, 34, 56, 789};
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    FILE* out = fopen(argv[1], "wb");
    if (out == nullptr)
        return 3;
    const char* folders[] = {GetWorkingDir(), GetMapDir(), GetBinDir(), GetSystemDir(), GetImageDir(), GetUserDir()};
    for (const char* folder : folders)
        fprintf(out, "%s\n", folder);
    // Same buffer on every call.
    fprintf(out, "%s\n", GetMapDir() == folders[1] ? "cached" : "rebuilt");
    fclose(out);

    SetLocalClock(ProbeClock);
    WriteLogFile("hello %d %s", 42, "로그");
    const std::string longText(5000, 'x');
    WriteLogFile("%s", longText.c_str());
    return 0;
}
