// Library entry for libraries with their own CWinApp (static library platform_dll): its
// InitInstance runs when the library loads, and a FALSE result refuses the load.
#include "afxwin.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    (void)lpReserved;
    if (dwReason == DLL_PROCESS_ATTACH)
        return AfxDllAttachApp(hInstance);
    if (dwReason == DLL_PROCESS_DETACH)
        AfxDllDetachApp(hInstance);
    return TRUE;
}
