// OrderDialogs' load and unload: registered as an extension library, so that its dialog templates
// are found through the resource chain.
#include <afxdllx.h>

#include "OrderDialogsModule.h"

namespace {

AFX_EXTENSION_MODULE g_orderDialogsModule = {FALSE, NULL, NULL, NULL, NULL};

} // namespace

HINSTANCE OrderDialogsInstance()
{
    return g_orderDialogsModule.hModule;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    (void)lpReserved;
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_orderDialogsModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_orderDialogsModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_orderDialogsModule);
    }
    return TRUE;
}
