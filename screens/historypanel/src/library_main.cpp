// HistoryPanel.dll's load and its one export: the screen's view, created as a modeless dialog.
#include <afxwin.h>

#include "PluginScreen.h"
#include "View2001.h"
#include "resource.h"

namespace {
HINSTANCE g_hModule = NULL;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        g_hModule = hInstance;
    return TRUE;
}

// Only parent is read; the main program sets the screen id and title afterwards.
extern "C" __declspec(dllexport) CBaseView* CreateScreen(CWnd* parent, const char* id)
{
    (void)id;
    return CreatePluginScreen<CView2001>(parent, g_hModule, IDD_MAPVIEW);
}
