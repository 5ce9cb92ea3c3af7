// Included by the one source file of an extension library that holds its DllMain, which calls
// AfxInitExtensionModule and creates its CDynLinkLibrary (declared in afxwin.h).
#pragma once

#include "afxwin.h"
