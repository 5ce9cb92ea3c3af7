// The owner-painted tab strip of screens and the main program: fixed-size tabs with slightly
// rounded tops, one scheme for unselected tabs and, per tab, an optional colour set used while
// that tab is selected.
#pragma once

#include <afxcmn.h>
#include <afxtempl.h>

#include "BtnColor.h"
#include "WidgetKitApi.h"

class WIDGETKIT_API CUITabCtrl : public CTabCtrl
{
    DECLARE_DYNAMIC(CUITabCtrl)
public:
    CUITabCtrl();
    virtual ~CUITabCtrl();

    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    virtual void DrawTabBoarder(CDC* dc, CRect& rect, COLORREF colour);

    // A text-only tab: it has no colour set of its own.
    LONG InsertItem(int index, const char* text);
    // A tab with the colours (fill, line, text) it shows while selected.
    LONG InsertItem(int index, const char* text, tagBtnColor colours);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    // Replaces the four colours; static children take the new background at once.
    void SetTabColor(COLORREF background, COLORREF line, COLORREF unselectedFill, COLORREF selectedFill);
    int GetBtnHight() const { return 23; }
    void DrawTabButton(CDC* dc, CRect& itemRect, TCITEMA* item, int index);

    // The tab's own colour set, or null.
    const tagBtnColor* GetTabColours(int index) const;
    // Paints the whole strip into dc (client coordinates).
    void Paint(CDC* dc);
    HBRUSH GetBackBrush() const { return static_cast<HBRUSH>(m_brBack.GetSafeHandle()); }

protected:
    // One tab button with its text (at most 99 characters), its rectangle taller by extraHeight.
    void DrawTab(CDC* dc, int index, int extraHeight);

    struct TabColourEntry
    {
        BOOL bSet;
        tagBtnColor colours;
    };

    CBrush m_brBack;
    CArray<TabColourEntry, const TabColourEntry&> m_arrColors;
    COLORREF m_clrBack;
    COLORREF m_clrUnselected;
    COLORREF m_clrSelected;
    COLORREF m_clrLine;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
