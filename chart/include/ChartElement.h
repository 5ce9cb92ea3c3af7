// The element description of the chart tool bars and the interface every element window
// offers the bar.
#pragma once

#include <afxwin.h>

#include "GraphKitApi.h"

// Element kinds of TBBUTTONPROP::nKind.
enum
{
    TBKIND_BUTTON = 0,
    TBKIND_SEPARATOR = 1,
    TBKIND_SLIDER = 2,
    TBKIND_SCROLLBAR = 3,
    TBKIND_SPLIT = 4,
    TBKIND_TOGGLE = 5,
    TBKIND_SPLIT_TOGGLE = 6,
};

// Notifications of the elements to their bar, and the tooltip requests. The requests carry the
// asking element's window as word parameter: 2025 and 2026 are also the colour picker's
// notifications, which the bar must not take for requests.
#define WM_CHART_SCROLL_ACTION (WM_USER + 100)
#define WM_CHART_SLIDER_ACTION (WM_USER + 101)
#define WM_CHART_SHOW_TIP 2025
#define WM_CHART_HIDE_TIP 2026

// Asks the element's bar to show the element's tooltip for a pointer at a client point, after
// asking for the leave notification that hides it again.
GRAPHKIT_API void RequestElementTip(CWnd* element, CPoint point);
GRAPHKIT_API void HideElementTip(CWnd* element);

struct GRAPHKIT_API TBBUTTONPROP
{
    int nKind = TBKIND_BUTTON;
    int nState = 0;
    int nID = 0;
    DWORD dwBitmapID = 0; // the skin cache's id of the image; 0 for slider and scroll bar
    int nReserved = 0;
    CString strToolTip;
    int bVisible = 1; // elements with 0 take no room
};

class GRAPHKIT_API CBaseEmnt
{
public:
    virtual ~CBaseEmnt() {}
    virtual int GetEmntID() { return m_Prop.nID; }
    virtual void SetCheck(int checked) { (void)checked; }
    virtual int GetReserved() { return 0; }
    virtual TBBUTTONPROP* GetButtonProp() { return &m_Prop; }
    virtual void SetEmntRect(const CRect& rect) { m_rcEmnt = rect; }

    const CRect& GetEmntRect() const { return m_rcEmnt; }

protected:
    CRect m_rcEmnt;
    TBBUTTONPROP m_Prop;
};
