// CXScrollBar: the skinned horizontal scroll bar of the chart tool bar. It keeps a position in
// data items, converts between items and pixels and reports every move to its bar.
#pragma once

#include "ChartElement.h"

class CSkinCache;

// Scroll-bar codes sent in the high word of WM_CHART_SCROLL_ACTION.
enum
{
    XSB_STEP_LEFT = 0,
    XSB_STEP_RIGHT = 1,
    XSB_MOVED = 5,
};

// The thumb arithmetic on a bar of width W with arrows A wide (track W - 2A). A range of 0 or
// a track of no width never divides: the thumb then fills the track and stands at its start.
struct GRAPHKIT_API XScrollGeometry
{
    int width = 0;
    int arrow = 16;
    int minimum = 0;
    int maximum = 0;
    int page = 20;
    int position = 0;
    int thumbLeft = 16;
    int thumbLength = 16;

    int Track() const { return width - 2 * arrow; }
    int Range() const { return maximum > minimum ? maximum - minimum : minimum - maximum; }
    // The thumb's length from the page: trunc(page x track / range), at least 0.
    void SizeThumb();
    // The thumb from the position, held inside the track (which may move the position).
    void PlaceThumb();
    // Holds the thumb inside the track; the position follows when it was held.
    void HoldThumb();
    // The position from the thumb, held and then clamped to 0 ... range.
    void PositionFromThumb();
    // One page in pixels.
    int PagePixels() const;
};

class GRAPHKIT_API CXScrollBar : public CWnd, public CBaseEmnt
{
public:
    CXScrollBar();
    virtual ~CXScrollBar();

    BOOL Create(CWnd* bar, const TBBUTTONPROP& prop, CSkinCache* skins);

    void SetScrollRange(int minimum, int maximum, int page, BOOL redraw = TRUE);
    void SetScrollPos(int position, BOOL redraw = TRUE);
    int GetScrollPos() const { return m_Geo.position; }
    // Copies the values the bar was constructed with, never the live position.
    void GetScrollInfo(SCROLLINFO* info) const;
    void SetEmntRect(const CRect& rect) override;

    const XScrollGeometry& Geometry() const { return m_Geo; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    CRect ThumbRect() const;
    // Repaints when the thumb stands on other pixels than it did with before.
    void InvalidateIfMoved(const XScrollGeometry& before);
    CRect LeftArrowRect() const;
    CRect RightArrowRect() const;
    void Step(int direction);
    void Notify(int code, int position);
    void DrawSkin(CDC* pDC, DWORD id, const CRect& rect);

    SCROLLINFO m_Info;
    HCURSOR m_hCursor;
    int m_bOwnCursor;
    int m_bHover;
    int m_nAnchorX;
    XScrollGeometry m_Geo;
    int m_bLeftPressed;
    int m_bRightPressed;
    int m_bThumbPressed;
    int m_bDragging;
    DWORD m_dwLeft;
    DWORD m_dwRight;
    DWORD m_dwChannel;
    DWORD m_dwThumb;
    CSkinCache* m_pSkins;
};
