// SheetView's load and unload: the library joins the resource chain, where the grids find their
// cursors.
#include <afxdllx.h>

namespace {

AFX_EXTENSION_MODULE g_sheetViewModule = {FALSE, NULL, NULL, NULL, NULL};

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    (void)lpReserved;
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_sheetViewModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_sheetViewModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_sheetViewModule);
    }
    return TRUE;
}
