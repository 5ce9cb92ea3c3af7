// A pop-up list that a control opens under or over itself to offer a few texts: a top-most
// tool window on the desktop holding an owner-drawn list box and, when the texts do not fit,
// its own scroll bar. The three parts pass the mouse capture among themselves; the owner hears
// about a choice and about closing by posted messages and then destroys the list.
#pragma once

#include <afxwin.h>
#include <afxcoll.h>
#include <afxtempl.h>
#include "ToolBeltApi.h"

// Among the three parts, and from the list box to the drop list: the receiver takes the mouse
// capture (the list box also the focus). Both answer 1.
#define WM_DROPLIST_SETCAPTURE (WM_USER + 60)
#define WM_DROPLIST_RELEASECAPTURE (WM_USER + 61)
// Posted to the owner (0, 0): the list is to be closed.
#define WM_DROPLIST_CLOSE (WM_USER + 62)
// Posted to the owner: wParam the chosen row, lParam the chosen item's value. Both travel by
// value; the list may be gone when the message arrives, so the owner finds the text by the row
// in the texts it handed to CreateControl.
#define WM_DROPLIST_SELECT (WM_USER + 63)

// One row of the list, owned by the drop list.
struct TOOLBELT_API CMAINLIST_ITEM
{
    CString m_strText;
    CString m_strText2;   // drawn after the text and two blanks
    long m_lValue;
    BOOL m_bDisabled;     // nonzero: the row can be neither chosen nor highlighted

    CMAINLIST_ITEM() : m_lValue(0), m_bDisabled(FALSE) {}
};

enum ScrollDirection
{
    SD_UPWARD = 0,   // the list lies above the position given
    SD_DOWNWARD = 1  // the list opens downwards from it
};

class CBaseDropList;
class CBaseDropListScrollBar;

class TOOLBELT_API CBaseDropListBox : public CListBox
{
public:
    CBaseDropListBox(CBaseDropList* pDropList);
    virtual ~CBaseDropListBox();

    BOOL CreateBox(const CRect& rect, CWnd* pParent, UINT nID);
    // Adds "text  text2" with the item as the row's data; the row's index.
    int AddListItem(CMAINLIST_ITEM* pItem);
    CMAINLIST_ITEM* GetListItem(int index) const;
    // The row below the last fully or partly visible one.
    long GetBottomIdx() const;
    void SetTopIdx(long index, BOOL updateScrollBar);
    // The extent of a text in the list box's font.
    void GetTextSize(CString text, CSize& size);
    void SetScrollBar(CBaseDropListScrollBar* pScrollBar) { m_pScrollBar = pScrollBar; }
    CFont* GetListFont() { return &m_font; }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

protected:
    void ReturnCaptureToDropList();
    int RowAt(CPoint point) const;
    void FollowTopIndex();

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg LRESULT OnDropListSetCapture(WPARAM, LPARAM);
    afx_msg LRESULT OnDropListReleaseCapture(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pOwner;
    CBaseDropListScrollBar* m_pScrollBar;
    CBaseDropList* m_pDropList;
    long m_nTopIdx;
    COLORREF m_clrWindow, m_clrWindowText, m_clrHighlight, m_clrBtnText, m_clrFace, m_clrHighlightEdge,
        m_clrShadow, m_clrDarkShadow, m_clrLight;
    COLORREF m_clrFaceBlend;      // face moved 70 % towards the window colour
    COLORREF m_clrHighlightBlend; // highlight moved 90 % towards the window colour
    CFont m_font;
};

class TOOLBELT_API CBaseDropListScrollBar : public CScrollBar
{
public:
    CBaseDropListScrollBar();
    virtual ~CBaseDropListScrollBar();

    // Places the bar and sets its range to the list box's rows, its page to the drop list's
    // visible rows and its position to 0.
    virtual BOOL CreateControl(CBaseDropListBox* pListBox, CRect rect);
    // Scrolls by a scroll-bar code (line, page, thumb), clamped to the rows; the list box's
    // top row and the thumb follow.
    void ScrollTo(UINT nSBCode, UINT nPos);

protected:
    afx_msg void VScroll(UINT nSBCode, UINT nPos);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnDropListSetCapture(WPARAM, LPARAM);
    afx_msg LRESULT OnDropListReleaseCapture(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    CBaseDropListBox* m_pListBox;
};

class TOOLBELT_API CBaseDropList : public CWnd
{
    DECLARE_DYNAMIC(CBaseDropList)
public:
    CBaseDropList();
    virtual ~CBaseDropList();

    // Stores the settings and one item per text; the window is created by the owner
    // afterwards (a pop-up on the desktop at the wanted position). Returns 1.
    virtual int CreateControl(CWnd* pOwner, long width, CStringArray& items, long visibleRows, long selection,
                              int sizable, ScrollDirection direction, void* extendedData);
    virtual BOOL DestroyWindow() override;

    void SetTextAlign(UINT align) { m_nTextAlign = align; }
    UINT GetTextAlign() const { return m_nTextAlign; }
    void SetForceWidth(BOOL force) { m_bForceWidth = force; }
    void* GetExtendedData() const { return m_pExtendedData; }
    CBaseDropListBox* GetDropListBox() const { return m_pListBox; }
    CBaseDropListScrollBar* GetDropListScrollBar() const { return m_pScrollBar; }
    CWnd* GetOwnerWnd() const { return m_pOwner; }
    long GetVisibleRows() const { return m_nVisibleRows; }
    // Scrolls one row for a wheel turn; 1 when there is no visible scroll bar.
    BOOL ScrollByWheel(HWND hListBox, short zDelta);

protected:
    void PlaceWindow(const CPoint& position);
    void LayoutChildren();
    void FillList();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnDropListSetCapture(WPARAM, LPARAM);
    afx_msg LRESULT OnDropListReleaseCapture(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    long m_nSelection;
    long m_nVisibleRows;
    int m_nSizeOffsetX, m_nSizeOffsetY;
    long m_nWidth;
    BOOL m_bScrollBarNeeded;
    BOOL m_bSizable;
    BOOL m_bSizing;
    CRect m_rectGrip, m_rectScrollBar, m_rectList;
    CPoint m_ptPress;
    ScrollDirection m_nDirection;
    CWnd* m_pOwner;
    CBaseDropListBox* m_pListBox;
    CBaseDropListScrollBar* m_pScrollBar;
    CArray<CMAINLIST_ITEM*, CMAINLIST_ITEM*> m_items;
    UINT m_nTextAlign;
    void* m_pExtendedData;
    BOOL m_bForceWidth;
};
