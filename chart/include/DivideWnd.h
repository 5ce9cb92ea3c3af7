// CDivideWnd: the thin bar between two stacked regions of the canvas; dragging it moves their
// boundary. The boundary rule itself is a pure function the canvas applies on release.
#pragma once

#include <afxwin.h>

#include "GraphKitApi.h"

class CProperties;

// Splitter released: wParam the splitter's index, lParam the release y from its top row.
#define WM_DIVIDE_RELEASED (WM_USER + 2)

// The new boundary between an upper and a lower region after a drag of dy pixels: up by at
// least the upper region's height leaves it 4 pixels high, down by at least the lower's leaves
// that 4 pixels high (both only when the upper region has a height), else it moves by dy.
GRAPHKIT_API int SplitterBoundary(const CRect& upper, const CRect& lower, int dy);

class GRAPHKIT_API CDivideWnd : public CWnd
{
public:
    CDivideWnd();
    virtual ~CDivideWnd();

    BOOL Create(CWnd* canvas, int index, CProperties* properties);
    // Places the bar along the top of the lower region, across its plot and inner margins.
    void Move(const CRect& upper, const CRect& lower);
    int GetIndex() const { return m_nIndex; }
    BOOL IsDragging() const { return m_bDragging; }

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void DrawTracker(const CRect& rect);

    HCURSOR m_hOldCursor;
    CRect m_rcTracker;
    int m_nStartY;
    HCURSOR m_hDragCursor;
    BOOL m_bDragging;
    int m_nIndex;
    CWnd* m_pCanvas;
    CProperties* m_pProperties;
};
