// The creators of the layout file's element kinds, one per kind.
#pragma once

#include "map_element_kinds.h"

// The view's own object of class T when it supplied one, else a new T. An object of another
// class is a fault of the deriving view: it is deleted and the element fails.
template <class T> T* TakeOrMake(MapElement& element)
{
    if (element.sub == NULL)
        return new T;
    T* own = dynamic_cast<T*>(element.sub);
    if (own == NULL) {
        element.failure = "the view's own object is of another class";
        delete element.sub;
    }
    element.sub = NULL;
    return own;
}

// A control whose window could not be created is deleted: the creator gives null.
template <class T> T* Created(T* control, BOOL ok)
{
    if (ok)
        return control;
    delete control;
    return NULL;
}

// Plain controls.
CWnd* CreateTabCtrl(MapElement& element);
CWnd* CreateImgButton(MapElement& element);
CWnd* CreateImgToggle(MapElement& element);
CWnd* CreateStatic(MapElement& element);
CWnd* CreateGroupBox(MapElement& element);
CWnd* CreateEdit(MapElement& element);
CWnd* CreateComboBox(MapElement& element);
CWnd* CreateRadioBox(MapElement& element);
CWnd* CreateCheckBox(MapElement& element);
CWnd* CreateDateCombo(MapElement& element);
CWnd* CreateSpinEdit(MapElement& element);
CWnd* CreateWindowKind(MapElement& element);
CWnd* CreatePanel(MapElement& element);

// The view's code selectors and account control: the last of each kind becomes the view's.
CWnd* CreateCodeCombo(MapElement& element);
CWnd* CreateELWCodeCombo(MapElement& element);
CWnd* CreateAccount(MapElement& element);

// Grids.
CWnd* CreateGridTable(MapElement& element);
CWnd* CreateGridList(MapElement& element);
CWnd* CreateGridDataList(MapElement& element);
