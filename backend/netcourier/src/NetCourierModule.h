// The library's own module, whose resources hold the login dialog.
#pragma once

#include <windows.h>

HINSTANCE NetCourierInstance();
