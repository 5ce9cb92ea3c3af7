// A small extension library for the dialog tests: its DllMain puts its resources (dialog
// templates, strings) into the process-wide resource chain.
#include <afxdllx.h>

static AFX_EXTENSION_MODULE g_extensionModule = {};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_extensionModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_extensionModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_extensionModule);
    }
    return TRUE;
}
