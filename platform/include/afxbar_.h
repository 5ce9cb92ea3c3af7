// Control bars: CControlBar, the base of bars docked along a frame's edges, and the layout that
// places a window's bars (WM_SIZEPARENT) and gives the rest of its client area to one window.
// Included by afxext.h.
#pragma once

#include "afxwin.h"

// Bar styles (CControlBar::m_dwStyle).
#define CBRS_FLOATING 0x0001L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Layout modes of CalcDynamicLayout.
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40

// Ids of the framework's bars and panes.
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PANE_FIRST 0xE900

// Sent to each bar by the layout; lParam is the AFX_SIZEPARENTPARAMS being filled.
#define WM_SIZEPARENT 0x0361

struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;      // deferred placement, or null for a query
    RECT rect;      // the client area still free
    SIZE sizeTotal; // the room the bars take
    BOOL bStretch;  // bars stretch across the free area
};

// Places hWnd at lpRect (parent client coordinates) within the layout's deferred placement.
AFX_PLATFORM_API void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

// The framework's repositioning of a window's bars: every child with an id in
// [nIDFirst, nIDLast] gets WM_SIZEPARENT and takes its edge of the client area (lpRectClient, or
// the client rectangle); the child with nIDLeftOver gets what is left.
enum { reposDefault = 0, reposQuery = 1, reposExtra = 2, reposNoPosLeftOver = 0x8000 };
AFX_PLATFORM_API void AFXAPI AfxRepositionBars(CWnd* pParent, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver,
                                               UINT nFlags = reposDefault, LPRECT lpRectParam = NULL,
                                               LPCRECT lpRectClient = NULL, BOOL bStretch = TRUE);

class AFX_PLATFORM_API CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    virtual ~CControlBar();

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    BOOL IsFloating() const { return (m_dwStyle & CBRS_FLOATING) != 0; }
    CFrameWnd* GetDockingFrame() const { return m_pDockSite; }

    // Size of the bar docked (bStretch: across the free area; bHorz: along a top or bottom edge).
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Size for a length and LM_ mode; by default the fixed layout for the docking orientation.
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

    DWORD m_dwStyle;
    DWORD m_dwDockStyle;
    CFrameWnd* m_pDockSite; // the frame the bar was created in, or null
    BOOL m_bAutoDelete;

protected:
    virtual void PostNcDestroy(); // deletes the bar when m_bAutoDelete

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
