// CMapView's export of its grids' texts into a spreadsheet: the grids found among the layout's
// controls, ordered top then left, written row by row with two empty rows between grids; a
// record-bound list gives all its records.
#include "MapView.h"

#include <algorithm>
#include <vector>

#include "Grid.h"
#include "GridDataList.h"
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

// The rows of a grid as it stands on screen.
void ShownRows(CGrid& grid, std::vector<std::vector<CString>>& rows)
{
    const UINT count = grid.GetRowCount(), columns = grid.GetColumnCount();
    for (UINT row = 0; row < count; ++row) {
        rows.emplace_back(columns);
        for (UINT col = 0; col < columns; ++col)
            rows.back()[col] = grid.GetCellText(col, row);
    }
}

// The rows of a record-bound list: every record it holds, not only the ones on screen, under
// its head rows; a list laid out across runs its records as columns after its head columns.
void RecordRows(CGridDataList& list, std::vector<std::vector<CString>>& rows)
{
    const int records = list.GetRecordCount(), lines = list.GetRepeatCount();
    std::vector<CString> texts;
    if (list.GetUpdateStyle()) {
        const UINT columns = list.GetColumnCount();
        for (UINT row = 0; row < list.GetRowHeadCount(); ++row) {
            rows.emplace_back(columns);
            for (UINT col = 0; col < columns; ++col)
                rows.back()[col] = list.GetCellText(col, row);
        }
        for (int record = 0; record < records; ++record)
            for (int line = 0; line < lines; ++line)
                if (list.GetRecordTexts(record, line, texts))
                    rows.push_back(texts);
        return;
    }
    const UINT count = list.GetRowCount(), heads = list.GetColumnHeadCount();
    for (UINT row = 0; row < count; ++row) {
        rows.emplace_back(heads);
        for (UINT col = 0; col < heads; ++col)
            rows.back()[col] = list.GetCellText(col, row);
    }
    for (int record = 0; record < records; ++record)
        for (int line = 0; line < lines; ++line)
            if (list.GetRecordTexts(record, line, texts))
                for (UINT row = 0; row < count; ++row)
                    rows[row].push_back(texts[row]);
}

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
        std::vector<std::vector<CString>> rows;
        if (CGridDataList* list = dynamic_cast<CGridDataList*>(placed.grid))
            RecordRows(*list, rows);
        else
            ShownRows(*placed.grid, rows);
        for (const std::vector<CString>& cells : rows)
            writer.WriteRow(++sheetRow, cells);
        sheetRow += 2;
    }
    writer.Close();
    return TRUE;
}
