// SignalPanel.dll's load and its one export: the screen's view, created as a modeless dialog.
#include <afxwin.h>

#include <new>

#include "View3000.h"
#include "resource.h"

HINSTANCE g_hSignalPanel = NULL;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        g_hSignalPanel = hInstance;
    return TRUE;
}

// Only parent is read; the main program sets the screen id and title afterwards. The score
// query goes out inside this call, from the dialog's start-up.
extern "C" __declspec(dllexport) CBaseView* CreateScreen(CWnd* parent, const char* id)
{
    (void)id;
    CView3000* view = new (std::nothrow) CView3000(IDD_MAPVIEW, parent);
    if (view == NULL)
        return NULL;
    // Every plug-in holds a template 5001: the view's own module supplies it.
    view->SetResourceModule(g_hSignalPanel);
    if (!view->Create(IDD_MAPVIEW, parent)) {
        delete view;
        return NULL;
    }
    return view;
}
