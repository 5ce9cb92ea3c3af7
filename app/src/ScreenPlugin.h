// What the main program calls in a screen plug-in: the exported "CreateScreen", which makes
// the plug-in's view hidden under the parent and returns it (null when it cannot).
#pragma once

#include <afxwin.h>

class CBaseView;

#define CREATE_SCREEN_EXPORT "CreateScreen"
typedef CBaseView* (*PFN_CREATE_SCREEN)(CWnd* parent, const char* number);
