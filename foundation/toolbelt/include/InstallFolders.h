// The install root (the parent of the folder that holds the executables) and its fixed
// sub-folders. Each result ends in "\" and points at a buffer that lives as long as the process.
#pragma once

#include "ToolBeltApi.h"

TOOLBELT_API const char* GetWorkingDir();
TOOLBELT_API const char* GetMapDir();
TOOLBELT_API const char* GetBinDir();
TOOLBELT_API const char* GetSystemDir();
TOOLBELT_API const char* GetImageDir();
TOOLBELT_API const char* GetUserDir();
