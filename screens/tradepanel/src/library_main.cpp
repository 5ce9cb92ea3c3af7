// TradePanel.dll's load and its one export: the screen's view, created as a modeless dialog.
#include <afxwin.h>

#include <new>

#include "View1000.h"
#include "resource.h"

HINSTANCE g_hTradePanel = NULL;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        g_hTradePanel = hInstance;
    return TRUE;
}

// Only parent is read; the main program sets the screen id and title afterwards.
extern "C" __declspec(dllexport) CBaseView* CreateScreen(CWnd* parent, const char* id)
{
    (void)id;
    CView1000* view = new (std::nothrow) CView1000(IDD_MAPVIEW, parent);
    if (view == NULL)
        return NULL;
    // Every plug-in holds a template 5001: the view's own module supplies it.
    view->SetResourceModule(g_hTradePanel);
    if (!view->Create(IDD_MAPVIEW, parent)) {
        delete view;
        return NULL;
    }
    return view;
}
