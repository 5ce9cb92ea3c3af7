// The module handle of WidgetKit.dll, for its own bitmaps.
#pragma once

#include <windows.h>

HINSTANCE WidgetKitInstance();
