// CMapView's export of its grids' texts into a spreadsheet: the grids found among the layout's
// controls, ordered top then left, written row by row with two empty rows between grids.
#include "MapView.h"

#include <algorithm>
#include <vector>

#include "Grid.h"
#include "GridDefs.h"
#include "SheetWriter.h"

namespace {

// Every grid answers the identify message with this bit; other controls answer 0.
const LRESULT kGridBit = 0x100;

struct PlacedGrid
{
    CGrid* grid;
    CRect rect;
};

} // namespace

BOOL CMapView::ExportGridData()
{
    CExcelSheetWriter writer;
    return ExportGridData(writer);
}

BOOL CMapView::ExportGridData(CSheetWriter& writer)
{
    std::vector<PlacedGrid> grids;
    for (POSITION pos = m_mapControls.GetStartPosition(); pos != NULL;) {
        WORD id;
        CWnd* control;
        m_mapControls.GetNextAssoc(pos, id, control);
        if (control == NULL || !::IsWindow(control->GetSafeHwnd()))
            continue;
        if (!(control->SendMessage(WM_GRID_IDENTIFY, 0, 0) & kGridBit))
            continue;
        CGrid* grid = DYNAMIC_DOWNCAST(CGrid, control);
        if (grid == NULL)
            continue; // answers like a grid but has no cells to read
        PlacedGrid placed = {grid, CRect()};
        grid->GetWindowRect(&placed.rect);
        grids.push_back(placed);
    }
    if (grids.empty())
        return TRUE;
    std::stable_sort(grids.begin(), grids.end(), [](const PlacedGrid& a, const PlacedGrid& b) {
        return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
    });

    if (!writer.Open())
        return FALSE;
    int sheetRow = 0;
    for (const PlacedGrid& placed : grids) {
        CGrid* grid = placed.grid;
        const UINT rows = grid->GetRowCount(), columns = grid->GetColumnCount();
        std::vector<CString> cells(columns);
        for (UINT row = 0; row < rows; ++row) {
            for (UINT col = 0; col < columns; ++col)
                cells[col] = grid->GetCellText(col, row);
            writer.WriteRow(++sheetRow, cells);
        }
        sheetRow += 2;
    }
    writer.Close();
    return TRUE;
}
