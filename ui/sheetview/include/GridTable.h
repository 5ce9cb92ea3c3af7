// The non-scrolling grid: paints all of its cells double-buffered and can select whole rows.
#pragma once

#include "Grid.h"

class SHEETVIEW_API CGridTable : public CGrid
{
    DECLARE_DYNAMIC(CGridTable)
public:
    CGridTable();
    virtual ~CGridTable();

    void SetRowSelect(int on) { m_bRowSelect = on; }
    int GetRowSelect() const { return m_bRowSelect; }

    // Draws what lies inside clip (client coordinates) into pDC, whose logical coordinates are
    // the client's: grid lines, background and every cell.
    void Paint(CDC* pDC, const CRect& clip);

protected:
    int m_bRowSelect;

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
