// CBalanceListTab: the "자산잔고" page of screen 1000's account tab window: the asset balance,
// queried on its button and reported to the server log only.
#pragma once

#include "BalanceView.h"
#include "QueryTabPage.h"

#define IDD_BALANCE_TAB 5005
#define BALANCE_TAB_LAYOUT "MF_1000_BalanceTab.xml"

class CBalanceListTab : public CQueryTabPage
{
public:
    CBalanceListTab(UINT templateId, CWnd* parent, HINSTANCE resources = NULL);

    virtual CWnd* GetSubControl(WORD id);
    CBalanceGrids& GetGrids() { return m_Grids; }

protected:
    virtual void SetupControls();

    CBalanceGrids m_Grids;

    afx_msg void OnQuery();
    DECLARE_MESSAGE_MAP()
};
