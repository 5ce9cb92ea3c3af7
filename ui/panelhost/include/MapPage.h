// CMapPage: a layout-file view that sits as a child page inside another window (a tab page, a
// settings page): a flat background of colour 401 painted without flicker, static controls
// drawn on it transparently, and no skinned title bar.
#pragma once

#include "MapView.h"

class PANELHOST_API CMapPage : public CMapView
{
    DECLARE_DYNAMIC(CMapPage)
public:
    CMapPage(UINT templateId, CWnd* parent);
    virtual ~CMapPage();

    // The page as a modeless dialog from the template given at construction, under parent.
    BOOL Create(CWnd* parent);
    virtual BOOL InitWindow();

    COLORREF GetBackColor() const { return m_clrBack; }

protected:
    CBrush m_brBack;
    COLORREF m_clrBack;
    UINT m_nTemplateId;

    afx_msg void OnPaint();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
