// CView2000: screen 2000, the asset balance: a summary of won totals and one row per coin,
// queried from the exchange on the press of its button.
#pragma once

#include <afxwin.h>

#include "BalancePanelApi.h"
#include "BalanceView.h"
#include "MapView.h"

class BALANCEPANEL_API CView2000 : public CMapView
{
public:
    CView2000(UINT templateId, CWnd* parent);
    virtual ~CView2000();

    virtual BOOL InitWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual CWnd* GetSubControl(WORD id);

    CBalanceGrids& GetGrids() { return m_Grids; }
    // The layout's map file of this screen.
    static CString LayoutPath();

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK() {}
    virtual void OnCancel() {}

    CBalanceGrids m_Grids;

    afx_msg BOOL OnCopyData(CWnd* from, COPYDATASTRUCT* cds);
    afx_msg void OnQuery();
    DECLARE_MESSAGE_MAP()
};
