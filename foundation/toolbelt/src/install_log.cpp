#include "InstallLog.h"

#include "InstallFolders.h"
#include "LocalClock.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

void WriteLogFile(const char* format, ...)
{
    SYSTEMTIME now;
    GetLocalClockTime(&now);
    char path[MAX_PATH];
    if (snprintf(path, sizeof path, "%s%s(%04d%02d%02d).log", GetWorkingDir(), "Log", now.wYear,
                 now.wMonth, now.wDay) >= static_cast<int>(sizeof path))
        return;

    char message[1024];
    va_list args;
    va_start(args, format);
    if (vsnprintf(message, sizeof message, format ? format : "", args) < 0)
        message[0] = '\0';
    va_end(args);
    message[sizeof message - 1] = '\0';

    // Binary append: each line ends in exactly one CR LF on disk.
    FILE* file = fopen(path, "ab");
    if (file == nullptr)
        return;
    fprintf(file, "[%02d:%02d:%02d] %s\r\n", now.wHour, now.wMinute, now.wSecond, message);
    fclose(file);
}
