// Creators of the layout's grids: size from "column", "row", "col-head", "row-head", scroll
// bars from "scroll", column widths from "widths".
#include <cstdlib>

#include "GridDataList.h"
#include "GridList.h"
#include "GridTable.h"
#include "map_creators.h"
#include "map_layout_rules.h"

namespace {

// Creates the grid's window and applies "widths"; the grid is deleted when it fails.
template <class T> T* CreateGridWindow(T* grid, MapElement& element, DWORD scrollStyle)
{
    const UINT colHead = static_cast<UINT>(atoi(element.Attr("col-head")));
    const UINT rowHead = static_cast<UINT>(atoi(element.Attr("row-head")));
    const UINT columns = static_cast<UINT>(atoi(element.Attr("column")));
    const UINT rows = static_cast<UINT>(atoi(element.Attr("row")));
    if (!grid->Create(colHead, rowHead, columns, rows, WS_CHILD | WS_VISIBLE | scrollStyle, element.rect,
                      element.parent, element.id)) {
        delete grid;
        return NULL;
    }
    CArray<int, int> widths;
    maplayout::ReadNumbers(element.Attr("widths"), widths);
    for (INT_PTR i = 0; i < widths.GetSize(); ++i)
        grid->SetColumnWidth(static_cast<UINT>(i), widths[i]);
    return grid;
}

// "column" and "row" are required; the view's own object is released when they are missing.
BOOL HasGridSize(MapElement& element)
{
    if (element.Has("column") && element.Has("row"))
        return TRUE;
    element.failure = "\"column\" or \"row\" is missing";
    delete element.sub;
    element.sub = NULL;
    return FALSE;
}

DWORD ScrollStyle(const MapElement& element, DWORD absentStyle)
{
    return maplayout::ReadGridScrollStyle(element.Attr("scroll"), element.Has("scroll"), absentStyle);
}

} // namespace

CWnd* CreateGridTable(MapElement& element)
{
    if (!HasGridSize(element))
        return NULL;
    CGridTable* grid = TakeOrMake<CGridTable>(element);
    if (grid == NULL)
        return NULL;
    return CreateGridWindow(grid, element, ScrollStyle(element, 0));
}

CWnd* CreateGridList(MapElement& element)
{
    if (!HasGridSize(element))
        return NULL;
    CGridList* grid = TakeOrMake<CGridList>(element);
    if (grid == NULL)
        return NULL;
    return CreateGridWindow(grid, element, ScrollStyle(element, WS_VSCROLL));
}

CWnd* CreateGridDataList(MapElement& element)
{
    if (!HasGridSize(element))
        return NULL;
    CGridDataList* grid = TakeOrMake<CGridDataList>(element);
    if (grid == NULL)
        return NULL;
    // The record list draws its own bars; its window has none.
    grid->SetDataListScrollbar(maplayout::ReadDataListScrollBars(element.Attr("scroll"), element.Has("scroll")));
    return CreateGridWindow(grid, element, 0);
}
