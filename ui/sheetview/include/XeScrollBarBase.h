// The self-drawn scroll bar window (class "XeScrollBarWndClass"): answers the scroll-bar control
// messages like a standard bar and reports the user's actions to its notify window as
// WM_HSCROLL / WM_VSCROLL. Drawing is left to the subclass.
#pragma once

#include <afxwin.h>

#include "SheetViewApi.h"

class SHEETVIEW_API CXeScrollBarBase : public CScrollBar
{
    DECLARE_DYNAMIC(CXeScrollBarBase)
public:
    // Areas of the bar (hit-test codes).
    enum { AREA_NONE = 0, AREA_ARROW1 = 1, AREA_ARROW2 = 2, AREA_PAGE_BEFORE = 3, AREA_PAGE_AFTER = 4, AREA_THUMB = 5 };
    // Drawing states of a part.
    enum { STATE_DISABLED = 1, STATE_NORMAL = 2, STATE_PRESSED = 3, STATE_HOT = 4 };
    // Timers: first repeat delay, repeat, focus blink.
    enum { TIMER_DELAY = 1001, TIMER_REPEAT = 1002, TIMER_BLINK = 1003 };
    enum { DELAY_MS = 200, REPEAT_MS = 50, BLINK_MS = 500, MIN_THUMB = 8 };
    // Commands of the context menu.
    enum {
        CMD_LINE_UP = 4096, CMD_LINE_DOWN = 4097, CMD_PAGE_UP = 4098, CMD_PAGE_DOWN = 4099,
        CMD_SCROLL_HERE = 4100, CMD_TOP = 4102, CMD_BOTTOM = 4103
    };

    CXeScrollBarBase();
    virtual ~CXeScrollBarBase();

    virtual BOOL Create(DWORD style, const CRect& rect, CWnd* notify, UINT id);
    // Takes the place of the parent's child control `id` (its style, rectangle, id and scroll
    // info); 0 when the parent is no window or has no such child.
    BOOL CreateFromExisting(CWnd* parent, UINT id);

    int HitTest(CPoint point) const;
    BOOL IsHorizontal() const { return m_bHorizontal; }
    CRect GetThumbRect() const { return m_rectThumb; }
    CRect GetArrow1Rect() const { return m_rectArrow1; }
    CRect GetArrow2Rect() const { return m_rectArrow2; }
    CRect GetPageBeforeRect() const { return m_rectPageBefore; }
    CRect GetPageAfterRect() const { return m_rectPageAfter; }
    double GetPixelsPerUnit() const { return m_dPxPerUnit; }
    int GetTrackPos() const { return m_nTrackPos; }
    // The drawing state of an area as it would be painted now.
    int GetAreaState(int area) const;
    // Paints the bar into pDC at client coordinates (what WM_PAINT shows).
    void Paint(CDC* pDC) { DrawScrollBar(pDC); }

protected:
    virtual void DrawScrollBar(CDC* pDC);

    static BOOL RegisterWindowClass();
    void RecalcLayout();
    // The largest position the thumb can reach.
    int MaxReportedPos() const;
    int ClampPos(int pos) const;
    void Notify(UINT code, int pos);
    void NotifyLine(UINT code) { Notify(code, m_nPos); }
    void Redraw();
    // Position along the bar of a client point.
    int AlongBar(CPoint point) const { return m_bHorizontal ? point.x : point.y; }
    int ChannelStart() const;
    BOOL ApplyScrollInfo(const SCROLLINFO& info, BOOL redraw);

    HWND m_hNotify;
    BOOL m_bEnabled;
    BOOL m_bHasFocus;
    BOOL m_bBlink;        // the grip shows while set
    BOOL m_bHorizontal;
    int m_nPos;
    int m_nTrackPos;
    UINT m_nPage;
    int m_nMin;
    int m_nMax;
    BOOL m_bAutoDisabled;
    int m_nMaxReportedPos;
    BOOL m_bDragging;      // the thumb moved since it was pressed
    BOOL m_bTrackingMouse; // a leave notification is requested
    BOOL m_bEndScrollOwed;
    int m_nHover;
    int m_nPressed;
    CRect m_rectClient;
    CRect m_rectThumb;
    CRect m_rectArrow1;
    CRect m_rectArrow2;
    CRect m_rectPageBefore;
    CRect m_rectPageAfter;
    double m_dPxPerUnit;
    int m_nArrowSize; // 0: as thick as the bar
    int m_nMinThumb;
    int m_nGrabOffset;
    CPoint m_ptMenu; // client point of the last context menu

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg LRESULT OnSbmSetPos(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSbmGetPos(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSbmSetRange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSbmSetRangeRedraw(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSbmGetRange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSbmEnableArrows(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSbmSetScrollInfo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSbmGetScrollInfo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSbmGetScrollBarInfo(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
