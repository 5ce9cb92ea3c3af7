// Small writers of a cell's text and colour shared by the formatting and the cell procedures.
#pragma once

#include <algorithm>
#include <cstring>

#include "ColorMap.h"
#include "GridDefs.h"

// A new cell's text buffer is this long; a record-bound list gives longer fields their own.
const int kNewCellBuffer = 32;

// Copies text into the cell's buffer, cut to what the buffer holds.
inline void PutText(tagCell* cell, const char* text)
{
    if (cell == NULL || cell->pszText == NULL)
        return;
    const size_t n = std::min(strlen(text), (size_t)cell->nBufSize);
    memcpy(cell->pszText, text, n);
    cell->pszText[n] = '\0';
}

inline void SetFore(tagCell* cell, WORD id)
{
    cell->pForeColor = CColorMap::GetColorInfo(id);
}
