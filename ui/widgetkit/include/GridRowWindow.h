// A fixed number of grid rows (under one header row) showing a window of a longer list of
// records: which record the first row shows, which record is selected, and moving the window so
// that the selected record shows. The dialogs of this library list their records this way.
#pragma once

#include <algorithm>

#include "GridDefs.h"

class CGridRowWindow
{
public:
    explicit CGridRowWindow(int visible) : m_nVisible(visible), m_nCount(0), m_nTop(0), m_nSelected(-1) {}

    void Reset(int count)
    {
        m_nCount = count;
        m_nTop = 0;
        m_nSelected = -1;
    }
    // Selects the record and scrolls it into view; FALSE for an index out of range.
    bool Select(int index)
    {
        if (index < 0 || index >= m_nCount)
            return false;
        m_nSelected = index;
        if (index < m_nTop)
            m_nTop = index;
        else if (index >= m_nTop + m_nVisible)
            m_nTop = index - m_nVisible + 1;
        return true;
    }
    void Scroll(int delta)
    {
        const int last = std::max(0, m_nCount - m_nVisible);
        m_nTop = std::min(last, std::max(0, m_nTop + delta));
    }
    // The record a grid row shows (rows 1..visible), or -1.
    int RecordAt(int gridRow) const
    {
        if (gridRow < 1 || gridRow > m_nVisible)
            return -1;
        const int index = m_nTop + gridRow - 1;
        return index < m_nCount ? index : -1;
    }
    // The record under a grid hit in the body, or -1.
    int RecordAt(const tagGRDHITTEST& hit) const { return (hit.nFlags & GHT_BODY) ? RecordAt(hit.nRow) : -1; }
    // The grid row of the selected record, or -1 when it is not in view.
    int SelectedGridRow() const
    {
        return m_nSelected >= m_nTop && m_nSelected < m_nTop + m_nVisible ? m_nSelected - m_nTop + 1 : -1;
    }
    int Top() const { return m_nTop; }
    int Selected() const { return m_nSelected; }
    int Visible() const { return m_nVisible; }

private:
    int m_nVisible;
    int m_nCount;
    int m_nTop;
    int m_nSelected;
};
