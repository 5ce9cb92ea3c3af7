// SharedKit's load and unload: the process-wide objects live from the one to the other.
#include <afxdllx.h>

#include "SharedData.h"
#include "SharedKit.h"

namespace {

AFX_EXTENSION_MODULE g_sharedKitModule = {FALSE, NULL, NULL, NULL, NULL};
CColorMap* g_pColorMap = NULL;
CSharedData* g_pSharedData = NULL;
CResourceMap* g_pResourceMap = NULL;
CXMLMenu* g_pXMLMenu = NULL;

void FreeObjects()
{
    if (g_pColorMap != NULL)
        g_pColorMap->Release();
    delete g_pColorMap;
    g_pColorMap = NULL;
    delete g_pSharedData;
    g_pSharedData = NULL;
    if (g_pResourceMap != NULL)
        g_pResourceMap->Release();
    delete g_pResourceMap;
    g_pResourceMap = NULL;
}

} // namespace

CColorMap* GetColorMap()
{
    return g_pColorMap;
}

CResourceMap* GetResourceMap()
{
    return g_pResourceMap;
}

CXMLMenu* SetXMLMenu(CXMLMenu* menu)
{
    g_pXMLMenu = menu;
    return g_pXMLMenu;
}

CXMLMenu* GetXMLMenu()
{
    return g_pXMLMenu;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    (void)lpReserved;
    if (dwReason == DLL_PROCESS_ATTACH) {
        g_pColorMap = new CColorMap;
        g_pSharedData = new CSharedData;
        g_pResourceMap = new CResourceMap;
        if (!AfxInitExtensionModule(g_sharedKitModule, hInstance)) {
            FreeObjects();
            return FALSE;
        }
        new CDynLinkLibrary(g_sharedKitModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        FreeObjects();
        AfxTermExtensionModule(g_sharedKitModule);
    }
    return TRUE;
}
