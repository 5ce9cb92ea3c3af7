// CFilledOrdListTab: the "거래내역" page of screen 1000's account tab window: one coin's recent
// trades, queried on its button and reported to the server log only.
#pragma once

#include "HistoryView.h"
#include "QueryTabPage.h"

#define IDD_TRADE_TAB 5006
#define TRADE_TAB_LAYOUT "MF_1000_TradeTab.xml"

class CFilledOrdListTab : public CQueryTabPage
{
public:
    CFilledOrdListTab(UINT templateId, CWnd* parent, HINSTANCE resources = NULL);

    virtual CWnd* GetSubControl(WORD id);
    CTradeGrids& GetGrids() { return m_Grids; }

protected:
    virtual void SetupControls();

    CTradeGrids m_Grids;

    afx_msg void OnQuery();
    afx_msg void OnKind(UINT id);
    DECLARE_MESSAGE_MAP()
};
