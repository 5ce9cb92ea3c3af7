// The dialogs' record lists: rows as high as lets every row of the grid show in its place.
#pragma once

#include <afxwin.h>

#include <algorithm>

#include "Grid.h"

// Before the grid is created. A list positions a found record and moves an edit to the next row
// within its grid rows, so a row that the place cuts off would hide the record or the edit.
inline void FitRowsToPlace(CGrid& grid, const CRect& place, int rows)
{
    grid.SetDefaultRowHeight(std::max(1, place.Height() / std::max(1, rows)));
}
