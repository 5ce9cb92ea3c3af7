// The element kinds of a layout file: for each name, whether the view is asked for its own
// object first, and the creator of the control.
#pragma once

#include <afxwin.h>

#include "XMLHelper.h"

class CMapView;

// What a creator gets: the element's id, rectangle and attributes, the parent window, and the
// view's own object when it supplied one (then owned by the creator). A creator that gives no
// control may say why in failure; null there means its window could not be created.
struct MapElement
{
    CMapView* view;
    CWnd* parent;
    WORD id;
    CRect rect;
    const CXMLAttributeMap* attrs;
    CWnd* sub;
    LPCSTR failure;

    BOOL Has(LPCSTR name) const;
    CString Attr(LPCSTR name) const;
    BOOL IsTrue(LPCSTR name) const { return Attr(name) == "true"; }
};

// A creator gives the created control, or null (nothing left behind).
typedef CWnd* (*MapElementCreator)(MapElement& element);

struct MapElementKind
{
    LPCSTR name;
    BOOL sub;
    MapElementCreator create;
};

// The kind of the element name, in the order the names are tested; null for any other name.
const MapElementKind* FindMapElementKind(const CString& name);
