// The body of a screen plug-in's CreateScreen: the view made from the plug-in's own template
// 5001 as a modeless dialog under parent; NULL when it cannot be allocated or created.
#pragma once

#include <afxwin.h>

#include <new>

#include "BaseView.h"

template <class View> CBaseView* CreatePluginScreen(CWnd* parent, HINSTANCE module, UINT templateId)
{
    View* view = new (std::nothrow) View(templateId, parent);
    if (view == NULL)
        return NULL;
    // Every plug-in holds a template 5001: the view's own module supplies it.
    view->SetResourceModule(module);
    if (!view->Create(templateId, parent)) {
        delete view;
        return NULL;
    }
    return view;
}
