// The library's own module handle, for the resources of its dialogs and bitmaps.
#pragma once

#include <afxwin.h>

HINSTANCE GraphKitInstance();
