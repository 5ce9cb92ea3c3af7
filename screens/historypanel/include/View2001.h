// CView2001: screen 2001, the trade history: the recent buys and sells of a chosen coin,
// of a chosen kind, queried from the exchange on the press of its button.
#pragma once

#include <afxwin.h>

#include "HistoryPanelApi.h"
#include "HistoryView.h"
#include "MapView.h"

class HISTORYPANEL_API CView2001 : public CMapView
{
public:
    CView2001(UINT templateId, CWnd* parent);
    virtual ~CView2001();

    virtual BOOL InitWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual CWnd* GetSubControl(WORD id);

    CTradeGrids& GetGrids() { return m_Grids; }
    // The layout's map file of this screen.
    static CString LayoutPath();

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK() {}
    virtual void OnCancel() {}

    CTradeGrids m_Grids;

    afx_msg BOOL OnCopyData(CWnd* from, COPYDATASTRUCT* cds);
    afx_msg void OnQuery();
    afx_msg void OnKind(UINT id);
    DECLARE_MESSAGE_MAP()
};
