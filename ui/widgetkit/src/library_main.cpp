// WidgetKit's load and unload: registered as an extension library, so that its dialogs and
// bitmaps are found through the resource chain.
#include <afxdllx.h>

#include "WidgetKitModule.h"

namespace {

AFX_EXTENSION_MODULE g_widgetKitModule = {FALSE, NULL, NULL, NULL, NULL};

} // namespace

HINSTANCE WidgetKitInstance()
{
    return g_widgetKitModule.hModule;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    (void)lpReserved;
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_widgetKitModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_widgetKitModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_widgetKitModule);
    }
    return TRUE;
}
