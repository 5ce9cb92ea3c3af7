// The module handle of OrderDialogs.dll, for its own templates.
#pragma once

#include <windows.h>

HINSTANCE OrderDialogsInstance();
