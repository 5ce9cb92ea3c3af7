// PanelHost's load and unload: registered as an extension library of the framework.
#include <afxdllx.h>

namespace {

AFX_EXTENSION_MODULE g_panelHostModule = {FALSE, NULL, NULL, NULL, NULL};

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    (void)lpReserved;
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_panelHostModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_panelHostModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_panelHostModule);
    }
    return TRUE;
}
