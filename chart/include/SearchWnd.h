// CSearchWnd: the value lookup window ("수치조회"), a floating two-column table of the time and
// every series' value at the position the chart fills it for.
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "GraphKitApi.h"
#include "SearchData.h"

class GRAPHKIT_API CSearchWnd : public CWnd
{
public:
    enum
    {
        ROW_HEIGHT = 20,
        CLIENT_WIDTH = 180,
    };

    CSearchWnd();
    virtual ~CSearchWnd();

    // A tool window owned by the chart, not yet shown.
    BOOL Create(CWnd* chart);
    // Takes every row of rows (the list is left empty); the window takes the height of the new
    // number of rows when that changed, and repaints.
    void SetRows(CObList& rows);
    // Deletes every row.
    void Clear();
    int GetRowCount() const { return int(m_Rows.GetCount()); }
    // The texts of row i as the window shows them; FALSE past the last row.
    BOOL GetRowTexts(int i, CString& title, CString& value) const;
    void SetEnglish(BOOL english) { m_bEnglish = english; }

    // A row's texts: date rows (titled "일자" or "시간", "DATE" or "TIME" in English) show the time
    // by their time kind, the others the value with their scale and decimals; no value, no text.
    static void RowTexts(const CSearchData& row, BOOL english, CString& title, CString& value);

    // The paint, into any DC over the client rectangle.
    void PaintTo(CDC* pDC, const CRect& client);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

private:
    void FitToRows(int rows);

    CObList m_Rows;
    int m_nLaidOut;
    int m_nField1;
    int m_nField2;
    CWnd* m_pChart;
    BOOL m_bEnglish;
};
