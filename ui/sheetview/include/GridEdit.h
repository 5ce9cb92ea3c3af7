// The in-place editor of a grid: an own-drawn edit over one cell that hands its text back to
// the grid when it loses the focus.
#pragma once

#include "BaseEdit.h"
#include "GridDefs.h"
#include "SheetViewApi.h"

class SHEETVIEW_API CGridEdit : public CBaseEdit
{
    DECLARE_DYNAMIC(CGridEdit)
public:
    enum { NO_TARGET = 9999 };

    CGridEdit();
    virtual ~CGridEdit();

    // The edit length that lets the user type `characters` bytes: the own-drawn edit keeps room
    // for its terminator and stops typing one byte before that.
    static int LengthFor(int characters) { return characters + 2; }

    void SetTarget(int col, int row);
    int GetTargetColumn() const { return m_nCol; }
    int GetTargetRow() const { return m_nRow; }

    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg UINT OnGetDlgCode();

protected:
    WORD m_nCol; // NO_TARGET when idle
    WORD m_nRow;

    DECLARE_MESSAGE_MAP()
};
