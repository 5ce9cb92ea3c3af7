// The install root's own day file "Log(yyyymmdd).log": one time-stamped line per call.
#pragma once

#include <stdio.h>
#include "ToolBeltApi.h"

// Appends "[HH:MM:SS] " and the formatted message (cut at 1023 bytes) and CR LF; a file that
// cannot be opened loses the line silently.
TOOLBELT_API void WriteLogFile(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));
