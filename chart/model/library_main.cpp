// GraphKit's load and unload: the library's module state, whose resources its dialogs use.
#include <afxdllx.h>

#include "graphkit_module.h"

namespace {
AFX_EXTENSION_MODULE g_graphKitModule = {FALSE, NULL, NULL, NULL, NULL};
}

HINSTANCE GraphKitInstance() { return g_graphKitModule.hModule; }

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    (void)lpReserved;
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_graphKitModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_graphKitModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_graphKitModule);
    }
    return TRUE;
}
